#include "core/editor/CellMarking.h"

#include "core/editor/CellRules.h"

namespace velmar::editor {

namespace {

bool isOperators(const GridModel &grid) { return grid.name() == u"SGOperadores"; }

void markOnce(FieldModel &fields, GridModel &grid, int column, int row, bool &counted)
{
    if (grid.marker(column, row) == GridModel::kMarkerChanged)
        return;
    grid.setMarker(column, row, GridModel::kMarkerChanged);
    ++fields.ncampsModificats;
    counted = true;
}

} // namespace

bool keepsDefaultLook(const GridModel &grid, const ChangeContext &context, bool importShown)
{
    if (!isOperators(grid))
        return false;
    return context.busy || (!context.circuit && !importShown);
}

KindColour eventKindColour(const GridModel &grid, int column, int row)
{
    if (grid.name() != u"SGCentralAD300" || (column != 1 && column != 6))
        return KindColour::None;
    const QString kind = grid.cell(1, row);
    for (const char *start : {"02", "03", "04", "05"})
        if (kind.startsWith(QLatin1String(start)))
            return KindColour::Green;
    if (kind.contains(u"33"))
        return KindColour::Yellow;
    if (kind.contains(u"34"))
        return KindColour::Grey;
    for (const char *part : {"35", "36", "37"})
        if (kind.contains(QLatin1String(part)))
            return KindColour::Red;
    return KindColour::None;
}

bool drawnModified(const GridModel &grid, int column, int row, const ChangeContext &context,
                   bool importShown)
{
    const ColumnEditor editor = columnEditor(grid.design(), column);
    switch (editor.kind) {
    case CellKind::Fixed:
        return false;
    case CellKind::TextCheck:
        // The door lists compare their boxes whatever the link.
        return grid.cellDiffers(column, row);
    case CellKind::Check:
        return marking(context) && (grid.flagWord(column, row) & 2) != 0;
    default:
        break;
    }
    if (isOperators(grid) && !keepsDefaultLook(grid, context, importShown))
        return grid.cellDiffers(column, row) || grid.marker(column, row) == GridModel::kMarkerChanged;
    if (!marking(context))
        return false;
    return grid.cellDiffers(column, row) || grid.marker(column, row) == GridModel::kMarkerChanged;
}

bool userEdited(FieldModel &fields, GridModel &grid, int column, int row,
                const ChangeContext &context)
{
    bool counted = false;
    if (grid.cellDiffers(column, row)) {
        if (marking(context))
            markOnce(fields, grid, column, row, counted);
        return counted;
    }
    // Back to the module's value: no change any more, its count taken back.
    if (grid.marker(column, row) == GridModel::kMarkerChanged) {
        grid.setMarker(column, row, GridModel::kMarkerWindow);
        fields.ncampsModificats = qMax(0, fields.ncampsModificats - 1);
    }
    return counted;
}

bool userTicked(FieldModel &fields, GridModel &grid, int column, int row,
                const ChangeContext &context)
{
    if (!grid.design().checkColumns.contains(column))
        return false;
    grid.toggleCheck(column, row);
    bool counted = false;
    if (marking(context))
        markOnce(fields, grid, column, row, counted);
    return counted;
}

DeleteButton clickTextCheck(GridModel &grid, int column, int row)
{
    if (columnEditor(grid.design(), column).kind != CellKind::TextCheck)
        return DeleteButton::Unchanged;
    const bool on = grid.cell(column, row) == u"1";
    const bool deleteColumn = column == 0;
    if (deleteColumn && grid.name() == u"SGTelefons") {
        grid.setCell(column, row, QStringLiteral("1"));
        return DeleteButton::Show;
    }
    grid.setCell(column, row, on ? QStringLiteral("0") : QStringLiteral("1"));
    if (deleteColumn)
        return on ? DeleteButton::Hide : DeleteButton::Show;
    return DeleteButton::Unchanged;
}

} // namespace velmar::editor
