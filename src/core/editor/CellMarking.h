#pragma once

#include "core/params/FieldModel.h"

namespace velmar::editor {

// Whether a user's change is marked now: a module is linked and the program
// is not busy.
inline bool marking(const ChangeContext &c) { return c.circuit && !c.busy; }

// Whether a data cell (row from 1) is drawn red. importShown: the notice of
// an imported list or template is shown, which makes the operator grid
// compare its cells without a linked module.
bool drawnModified(const GridModel &grid, int column, int row, const ChangeContext &context,
                   bool importShown = false);

// The background the AD300 grid gives columns 1 and 6 by the row's event
// kind; None for every other cell and grid.
enum class KindColour { None, Green, Yellow, Grey, Red };
KindColour eventKindColour(const GridModel &grid, int column, int row);

// Whether the operator grid keeps its plain look (heading row, busy, no link
// and no import): no comparison at all, not even the window colour.
bool keepsDefaultLook(const GridModel &grid, const ChangeContext &context, bool importShown);

// The user typed, pasted or chose a new text for a cell. While marking, a
// cell that now differs from its field store gets the changed marker and is
// counted once in ncampsModificats; a marked cell whose text is back to its
// field store loses the marker and its count. Returns whether it was
// counted now.
bool userEdited(FieldModel &fields, GridModel &grid, int column, int row,
                const ChangeContext &context);

// The user clicked a check-box cell kept in a flag word: bit 0 inverted,
// bit 1 set (it keeps the red mark until the next read or write), the new
// state stored. While marking, the cell gets the changed marker and is
// counted once. Returns whether it was counted now.
bool userTicked(FieldModel &fields, GridModel &grid, int column, int row,
                const ChangeContext &context);

// What a click on a check-box cell of the door lists asks of the page.
enum class DeleteButton { Unchanged, Show, Hide };

// "Borrar" and "Habilita" of the phone and user lists, kept as "1"/"0" in
// the cell: the phone list's "Borrar" only ticks; the rest toggle.
DeleteButton clickTextCheck(GridModel &grid, int column, int row);

} // namespace velmar::editor
