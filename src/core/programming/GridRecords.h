#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace velmar {

class GridModel;

// How a grid row and its block record correspond. The record's wire order
// and the grid's column order differ per block (the alias shown first, the
// event kind split from the app flag, flags as single characters...).
enum class RecordShape {
    Plain,          // one field per column (operators, notices, one-cell grids)
    Captioned,      // as Plain after the fixed caption or number column
    Entrades,       // delays, normally-open flag, alias (alias shown first)
    SortidesFlags,  // ten single characters, no separators
    SortidesTemps,  // three times, normally-open flag, alias (alias shown first)
    SortidesEnt,    // "all inputs" flag ";" sixteen single characters
    Test,           // interval, time of day, alias (alias shown first)
    TamperAlim,     // four levels and times, normally-open flag, alias (alias first)
    DoorButton,     // output flag, input, input time, deactivation time
    Zones,          // Contact ID ";" zone name
    PanelEvent,     // event kind ":" app flag ";" the other notice fields
};

RecordShape recordShape(QStringView gridName);
bool isPanelEventGrid(QStringView gridName);

// Width to which a panel's event kind is padded with "0" (0: no padding).
int eventKindWidth(QStringView gridName, const QString &central);

// A record made only of separators (";;;", ":;;;;", ";") empties the
// record in the module, so it travels as the empty value.
QString emptyIfOnlySeparators(const QString &value);

// Normally-open and check-box flags from the module: any text other than
// empty or "0" means "1".
QString normaliseFlag(const QString &text);

// Llegir_StringGrid's decoding: the value of one record split into the
// texts of the grid's columns, in column order from column 0 (the fixed
// column, when the grid has one, is left as the empty text and not written).
// No value means the record is ignored. Always exactly `columns` entries.
std::optional<QStringList> decodeRecord(QStringView gridName, bool fixedColumn, int columns,
                                        const QString &value, int number);

// Writes decoded columns into data row `row` of the grid and its field
// store (markers back to the window colour), without the line breaks and
// separators a field cannot carry. Check-box columns, the
// normally-open flags among them, are normalised to "1" or "0" and kept in
// the cell's flag word; a panel's event kind is padded to its width.
void loadRecord(GridModel &grid, int row, const QStringList &columns, const QString &central);

// The record of a data row as the write cycle sends it (and as the
// verification rebuilds it), separators-only records already emptied. A
// ";" or line break in a cell is left out: the record never has more
// fields than its form.
QString serialiseRow(const GridModel &grid, int row);

// Verifica_StringGrid: the echo equals the record rebuilt from the row,
// character by character.
bool Verifica_StringGrid(const GridModel &grid, const QString &echo, int row);

// The text after the first ":" of a reply, up to its CR (or its end).
QString replyValue(const QString &reply);

// The page read's acceptance of a reply for what espero awaits: "+" first,
// ":" sixth, and its first five characters equal to espero, or sharing the
// first code character with an espero holding "xx", or any when espero holds
// "xxx"; never a reply whose own code holds "xx".
bool acceptsPageReply(const QString &reply, const QString &espero);

} // namespace velmar
