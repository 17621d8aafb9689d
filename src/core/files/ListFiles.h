#pragma once

#include "core/files/RowFile.h"

namespace velmar {
class FieldModel;
class GridModel;
}

namespace velmar::files {

// The list files: a heading line, then one line per grid row.
//   operators: operator,APN,user,password (all sixteen rows, empty ones ",,,")
//   phones:    delete mark,number,reference,enabled,button (to the list's end)
//   zones:     zone code name, blank-separated, "000" for an empty code,
//              the name the rest of the line (to the list's end)
enum class ListKind { Operators, Phones, Zones };

RowFormat listFormat(ListKind kind);
ParsedRows parseList(const QByteArray &bytes, ListKind kind);

// The list's grid in the field model (SGOperadores, SGTelefons, SGLlistatZonesAgui).
GridModel *listGrid(FieldModel &fields, ListKind kind);

// Puts a parsed file into its grid. Operators and phones: line n fills
// row n, later rows keep their contents, the operator grid is marked
// changed. Zones: the grid is cleared, each line fills the row of its zone,
// the file's name goes into EImportarFitxer, grid and name are marked
// changed.
void importList(FieldModel &fields, ListKind kind, const ParsedRows &file, const QString &fileName);

// The grid as a list file.
QByteArray exportList(const GridModel &grid, ListKind kind);

// A zone line's code and name, as the import reads them from what follows
// the zone number: a first word that is a number (decimal, or hexadecimal
// with a digit in it) is the code (zero: none) and the rest is the name;
// otherwise the whole rest is the name.
struct ZoneEntry {
    QString code;
    QString name;
};
ZoneEntry zoneEntry(const QString &rest);

} // namespace velmar::files
