#include "core/params/BoundField.h"

namespace velmar {

BoundField::BoundField(ControlKind kind, const QString &name, const QString &hint, int offset,
                       const QString &page, QObject *parent)
    : QObject(parent), Tag(offset), m_kind(kind), m_hint(hint), m_offset(offset), m_page(page)
{
    setObjectName(name);
}

void BoundField::setColour(FieldColour c)
{
    m_unchanged.reset();
    if (m_colour == c)
        return;
    m_colour = c;
    touch();
}

void BoundField::markByUser()
{
    setColour(FieldColour::Changed);
    m_unchanged = m_beforeUser;
}

void BoundField::setEnabled(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    touch();
}

void BoundField::setStore(const QString &v)
{
    m_store = v;
}

EditField::EditField(const QString &name, const QString &hint, int offset, const QString &page,
                     QObject *parent)
    : BoundField(ControlKind::Edit, name, hint, offset, page, parent)
{
}

void EditField::setText(const QString &t)
{
    m_modified = false;
    if (m_text == t)
        return;
    m_text = t;
    touch();
}

void EditField::setTextByUser(const QString &t)
{
    userChanging();
    m_modified = true;
    if (m_text == t)
        return;
    m_text = t;
    touch();
}

void EditField::setReadOnly(bool on)
{
    if (m_readOnly == on)
        return;
    m_readOnly = on;
    touch();
}

FieldColour EditField::normalColour() const
{
    return m_readOnly ? FieldColour::InactiveCaption : FieldColour::Window;
}

CheckBoxField::CheckBoxField(const QString &name, const QString &hint, int offset,
                             const QString &page, const QString &indicator, QObject *parent)
    : BoundField(ControlKind::CheckBox, name, hint, offset, page, parent), m_indicator(indicator)
{
    // Nothing read yet: a click on the box is taken back.
    setColour(FieldColour::ButtonFace);
}

void CheckBoxField::setChecked(bool on)
{
    if (m_checked == on)
        return;
    m_checked = on;
    touch();
}

void CheckBoxField::setCheckedByUser(bool on)
{
    userChanging();
    setChecked(on);
}

CheckListField::CheckListField(const QString &name, const QString &hint, int offset,
                               const QString &page, const QStringList &items, QObject *parent)
    : BoundField(ControlKind::CheckList, name, hint, offset, page, parent),
      m_items(items),
      m_checked(items.size(), false)
{
}

void CheckListField::setChecked(int item, bool on)
{
    if (item < 0 || item >= m_checked.size() || m_checked.at(item) == on)
        return;
    m_checked[item] = on;
    touch();
}

void CheckListField::setCheckedByUser(int item, bool on)
{
    userChanging();
    setChecked(item, on);
}

void CheckListField::uncheckAll()
{
    for (qsizetype i = 0; i < m_checked.size(); ++i)
        setChecked(int(i), false);
}

QString CheckListField::value() const
{
    QString v;
    for (bool on : m_checked)
        v += on ? u'1' : u'0';
    return v;
}

ComboBoxField::ComboBoxField(const QString &name, const QString &hint, int offset,
                             const QString &page, const QStringList &items, QObject *parent)
    : BoundField(ControlKind::ComboBox, name, hint, offset, page, parent), m_items(items)
{
}

void ComboBoxField::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_items.size())
        index = -1;
    if (m_index == index)
        return;
    m_index = index;
    touch();
}

void ComboBoxField::setCurrentIndexByUser(int index)
{
    userChanging();
    setCurrentIndex(index);
}

QString ComboBoxField::value() const
{
    if (m_index < 0)
        return QString();
    return m_items.at(m_index).mid(4, 3);
}

} // namespace velmar
