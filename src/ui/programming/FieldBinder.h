#pragma once

#include "core/editor/CellRules.h"
#include "core/params/FieldModel.h"

#include <QObject>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace velmar::ui {

class LayoutTexts;

// Binds the single controls of the editor pages to the field model by their
// object names, in both directions: the model's changes are shown (text,
// state, colour, enabled), the user's changes go to the model, which marks
// them. Also applies the edit boxes' key filters and the checks made when a
// box is left (addresses, access code).
class FieldBinder : public QObject {
    Q_OBJECT
public:
    using ContextFn = std::function<ChangeContext()>;

    FieldBinder(FieldModel &fields, ContextFn context, QObject *parent = nullptr);

    // Each returns false when the model has no such control.
    bool bindEdit(QLineEdit *edit);
    // indicator: the coloured shape behind the box (SPConfigVPN, ...).
    bool bindCheckBox(QCheckBox *box, QWidget *indicator);
    bool bindCheckList(QListWidget *list);
    bool bindComboBox(QComboBox *combo);

    ChangeContext context() const { return m_context ? m_context() : ChangeContext{}; }

    // Where the texts of lists bound from now on are kept for a new language.
    void setLayoutTexts(LayoutTexts *texts) { m_texts = texts; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The check made when a box is left; empty when the text passes.
    QString exitMessage(const QLineEdit *edit) const;
    void leftBox(QLineEdit *edit);

    FieldModel &m_fields;
    ContextFn m_context;
    LayoutTexts *m_texts = nullptr;
};

} // namespace velmar::ui
