#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmar {

// The colour a bound control is drawn in; it carries the control's state.
enum class FieldColour {
    Window,          // normal: unchanged
    Changed,         // red (255): changed by the user, not yet written
    LightBlue,       // 16758909: check boxes as read from the module
    ButtonFace,      // nothing read yet, or the module refused the parameter
    InactiveCaption, // read-only edit boxes at rest
};

// Colour values the original window used, for views that paint them.
inline constexpr int kChangedColour = 255;
inline constexpr int kLightBlueColour = 16758909;

enum class ControlKind { Edit, CheckBox, CheckList, ComboBox, Grid };

// One editor control bound to a module parameter: its design-time hint
// (parameter name) and offset, and after binding its parameter number in Tag.
// Widgets find their field by the control name (the objectName they carry)
// and follow changed().
class BoundField : public QObject {
    Q_OBJECT
public:
    BoundField(ControlKind kind, const QString &name, const QString &hint, int offset,
               const QString &page, QObject *parent = nullptr);

    ControlKind kind() const { return m_kind; }
    QString name() const { return objectName(); }
    const QString &hint() const { return m_hint; }
    int offset() const { return m_offset; }
    const QString &page() const { return m_page; }

    // Parameter number once bound (0: unbound). Before binding it holds the
    // design-time offset, which is why binding only touches tags below 100.
    int Tag = 0;

    FieldColour colour() const { return m_colour; }
    // Colours set by the program forget the value from before the user's
    // changes (see markByUser).
    void setColour(FieldColour c);
    bool isChangedMark() const { return m_colour == FieldColour::Changed; }
    // Marks the user's change (red) and remembers the value the control had
    // before it, so that changing it back undoes the mark.
    void markByUser();
    // The user's changes have brought the control back to the value it had
    // before them. Never for a mark the program set.
    bool backToUnchanged() const { return m_unchanged && value() == *m_unchanged; }
    // The user's latest change left the value as it was (the same entry
    // chosen again).
    bool userChangedNothing() const { return m_beforeUser && value() == *m_beforeUser; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);

    // Last value read from or written to the module.
    const QString &store() const { return m_store; }
    void setStore(const QString &v);

    // The value as the write cycle sends it.
    virtual QString value() const = 0;

signals:
    void changed();

protected:
    void touch() { emit changed(); }
    // Called by the setters of the user's changes before they apply.
    void userChanging() { m_beforeUser = value(); }

private:
    ControlKind m_kind;
    QString m_hint;
    int m_offset;
    QString m_page;
    FieldColour m_colour = FieldColour::Window;
    bool m_enabled = true;
    QString m_store;
    std::optional<QString> m_beforeUser; // before the user's latest change
    std::optional<QString> m_unchanged;  // before the change that marked it
};

class EditField : public BoundField {
    Q_OBJECT
public:
    EditField(const QString &name, const QString &hint, int offset, const QString &page,
              QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    // Set by the program: the box's own modified flag is cleared.
    void setText(const QString &t);
    // Typed by the user: the modified flag is set (EditChange then marks it).
    void setTextByUser(const QString &t);
    bool modified() const { return m_modified; }

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on);
    bool password = false; // shown as "*"

    // Window, or the inactive caption for a read-only box.
    FieldColour normalColour() const;

    QString value() const override { return m_text; }

private:
    QString m_text;
    bool m_modified = false;
    bool m_readOnly = false;
};

class CheckBoxField : public BoundField {
    Q_OBJECT
public:
    CheckBoxField(const QString &name, const QString &hint, int offset, const QString &page,
                  const QString &indicator, QObject *parent = nullptr);

    bool checked() const { return m_checked; }
    void setChecked(bool on);
    // Ticked or unticked by the user (CheckBoxClick then marks it).
    void setCheckedByUser(bool on);
    // The indicator shape behind the box; it follows the box's colour.
    const QString &indicator() const { return m_indicator; }

    QString value() const override { return m_checked ? QStringLiteral("1") : QStringLiteral("0"); }

private:
    bool m_checked = false;
    QString m_indicator;
};

class CheckListField : public BoundField {
    Q_OBJECT
public:
    CheckListField(const QString &name, const QString &hint, int offset, const QString &page,
                   const QStringList &items, QObject *parent = nullptr);

    const QStringList &items() const { return m_items; }
    bool isChecked(int item) const { return m_checked.value(item, false); }
    void setChecked(int item, bool on);
    // An item ticked by the user (CLBPartsActivesClick then marks it).
    void setCheckedByUser(int item, bool on);
    void uncheckAll();

    // One "1" or "0" per item, in item order.
    QString value() const override;

private:
    QStringList m_items;
    QList<bool> m_checked;
};

class ComboBoxField : public BoundField {
    Q_OBJECT
public:
    ComboBoxField(const QString &name, const QString &hint, int offset, const QString &page,
                  const QStringList &items, QObject *parent = nullptr);

    const QStringList &items() const { return m_items; }
    int currentIndex() const { return m_index; }
    // An index outside the list leaves no entry selected (-1).
    void setCurrentIndex(int index);
    // Chosen by the user (CBHoraChange then marks it).
    void setCurrentIndexByUser(int index);

    // Characters 5 to 7 of the selected entry: "(UTC+01:00) ..." gives "+01".
    QString value() const override;

private:
    QStringList m_items;
    int m_index = -1;
};

} // namespace velmar
