#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velmar {
class FieldModel;
class GridModel;
}

namespace velmar::panels {

// The forms a panel's event-text grid takes.
enum class EventForm {
    Captioned,     // 6 columns: fixed caption, then App;SMS;EMail;CID;text
    Numbered,      // 7 columns: "N.", then kind:App;SMS;EMail;CID;text
    CaptionedKind, // 7 columns with fixed captions instead of numbers
};

// One programming page of a panel, as data: the page is built from it, and
// the cycles find its grid and boxes through the field model by these names.
struct PanelPageForm {
    const char *tab;         // TSCentral...
    const char *grid;        // the event-text grid, "" when the page has none
    EventForm form = EventForm::Numbered;
    int kindWidth = 0;       // event kinds left-padded with "0" to this width (0: none)
    int captionWidth = 0;    // pixels of the caption or number column
    int kindColumnWidth = 80;
    int cidColumnWidth = 80;
    const char *baudEdit;    // the port speed box (parameter 0x1500)
    int baudExample;         // baud rate shown in its tooltip
    const char *fileEdit;    // the event-list file name (0x9500), "" when none
    const char *addressEdit; // the bus address (0x9750), "" when none
    bool addressHidden = false;
    QList<const char *> otherGrids; // grids of the page besides the event grid
};

// Every panel page, in the order of the programming view's tabs.
const QList<PanelPageForm> &pageForms();
const PanelPageForm *pageForm(QStringView tab);
// The form of a page's event grid by the grid's name; null when none.
const PanelPageForm *formOfGrid(QStringView gridName);

// The panel page (PCentral...) of a tab (TSCentral...), and back.
QString pageOf(QStringView tab);
const PanelPageForm *formOfPage(QStringView page);

// Whether the grid's records begin with "kind:" (7-column event grids).
bool hasEventKind(QStringView gridName);
// Width to which the grid's event kinds are padded; the BC600/216 page pads
// to 4 only when central is exactly "BC600", else to 2.
int eventKindWidth(QStringView gridName, QStringView central);

// Heading row (untranslated, context "FieldModel") and the fixed captions of
// rows 1 onward of an event grid; central decides Urano's row 10.
QStringList headersOf(const PanelPageForm &form);
QStringList captionsOf(QStringView gridName, QStringView central);

// Puts the headings and captions of every panel grid into the field model
// and clears those grids. Call again when central changes.
void installPageForms(FieldModel &fields, QStringView central);
// Only the captions, for a new central: the cells of the caption column
// and their store change, nothing else does.
void refreshCaptions(FieldModel &fields, QStringView central);

// The erase commands ("vm+96xx=0", "vm+970x=0", ...) that empty exactly the
// codes of the grid's event block: one "x" per free digit, "xx" when a
// whole run of 256 codes belongs to the block.
QStringList eventBlockErase(const GridModel &grid);
// The grid of the page that a page write erases first when the grid as a
// whole is marked changed; null when the page has no such grid.
const PanelPageForm *erasablePage(QStringView page);

// Address fields: only hexadecimal digits and backspace pass, and a single
// digit is padded to two on leaving the field.
bool hexaKeyAccepted(QChar key, bool backspace);
QString padAddress(const QString &text);

// The tooltip example of a port-speed box: "BaudRate,paritat", e.g. "38400,e".
QString baudTooltip(int baudExample);

} // namespace velmar::panels
