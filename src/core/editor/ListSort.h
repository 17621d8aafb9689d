#pragma once

#include "core/params/GridModel.h"

namespace velmar::editor {

// Sorting the door phone and user lists by their column 1 or 2
// (SortStringGrid, SortStringGridUsuaris). The rows from 1 down to the first
// row whose columns 1 and 2 are both empty are ordered by the column's text
// without regard to case, equal texts by the rest of the row; the order is
// stable, so sorting again changes nothing. Each row takes its field-store
// texts and marks along, so sorting marks nothing as modified and keeps what
// the user changed marked. Returns the number of rows sorted, or -1 when the
// column is not a sort column.
int sortList(GridModel &grid, int column);

// The columns whose heading sorts the list.
inline bool isSortColumn(int column) { return column == 1 || column == 2; }

} // namespace velmar::editor
