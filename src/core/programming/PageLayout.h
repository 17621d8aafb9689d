#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar {

class FieldModel;

// One child of a programming page, in the order the page read walks them:
// a bound control, or a section panel whose grids are read as block dumps.
struct PageChild {
    enum class Kind { Control, Section };
    Kind kind = Kind::Control;
    QString name;      // the control's or the section's name
    QStringList grids; // a section's grids, in order
};

// The page panel of a programming tab (TSConfiguracio -> PConfig,
// TSCentralBC600 -> PCentralBC600, TSPortes -> PPortes); empty if unknown.
QString pageOfTab(QStringView tab);

// The children of a page: the module's own pages as laid out on the window,
// a panel page as its bound boxes followed by its grids.
QList<PageChild> pageChildren(const FieldModel &fields, QStringView page);

// What the page read clears before it asks for the page's values.
void clearPageForRead(FieldModel &fields, QStringView page);

} // namespace velmar
