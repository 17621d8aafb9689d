#include "core/editor/ListSort.h"

#include <QList>

#include <algorithm>

namespace velmar::editor {

namespace {

struct Row {
    QStringList cells;
    QStringList stored;
    QList<int> markers;
    QList<int> flags;
};

// The row's texts after the sort column, then before it, for the tie-break.
QString rest(const Row &r, int column)
{
    QStringList parts = r.cells.mid(column + 1);
    parts << r.cells.mid(0, column);
    return parts.join(QChar(0x1F));
}

} // namespace

int sortList(GridModel &grid, int column)
{
    if (!isSortColumn(column) || column >= grid.columns())
        return -1;

    const int columns = grid.columns();
    QList<Row> rows;
    const int length = listLength(grid);
    for (int r = 1; r <= length; ++r) {
        Row row;
        for (int c = 0; c < columns; ++c) {
            row.cells << grid.cell(c, r);
            row.stored << grid.stored(c, r);
            row.markers << grid.marker(c, r);
            row.flags << grid.flagWord(c, r);
        }
        rows << row;
    }

    std::stable_sort(rows.begin(), rows.end(), [column](const Row &a, const Row &b) {
        const int byColumn = a.cells.at(column).compare(b.cells.at(column), Qt::CaseInsensitive);
        if (byColumn != 0)
            return byColumn < 0;
        return rest(a, column).compare(rest(b, column), Qt::CaseInsensitive) < 0;
    });

    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int r = int(i) + 1;
        const Row &row = rows.at(i);
        for (int c = 0; c < columns; ++c) {
            grid.setCell(c, r, row.cells.at(c));
            grid.setStored(c, r, row.stored.at(c));
            grid.setMarker(c, r, row.markers.at(c));
            grid.setFlagWord(c, r, row.flags.at(c));
        }
    }
    return int(rows.size());
}

} // namespace velmar::editor
