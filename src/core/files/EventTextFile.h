#pragma once

#include "core/files/RowFile.h"
#include "core/panels/PanelPages.h"

namespace velmar {
class FieldModel;
class GridModel;
}

namespace velmar::files {

// The event-text file of a panel page: a heading line, then one line per
// grid row, fields separated by single blanks: (event kind,) App, SMS,
// EMail, Contact ID, and the message text, which may hold blanks itself.
RowFormat eventTextFormat(const panels::PanelPageForm &form);
ParsedRows parseEventText(const QByteArray &bytes, const panels::PanelPageForm &form);

// Puts a parsed file into the page: the file's name into its name field
// (marked changed), the grid cleared and filled row by row, every filled
// cell and the grid as a whole marked changed so that the next write sends
// them. Lines beyond the grid's rows are left out.
void importEventText(FieldModel &fields, const panels::PanelPageForm &form, const ParsedRows &file,
                     const QString &fileName);

// The page's grid as an event-text file, from the heading row down to the
// page's end of the list.
QByteArray exportEventText(const GridModel &grid, const panels::PanelPageForm &form);

// The commands that erase the page's event texts in the module, in order,
// with a pause before each one that has pauseBefore set.
struct EraseCommand {
    QString command;
    bool pauseBefore = false;
};
QList<EraseCommand> eventEraseCommands(const GridModel &grid, const panels::PanelPageForm &form);
// Whether the page has an erase of its event texts.
bool hasEventErase(const panels::PanelPageForm &form);

} // namespace velmar::files
