#pragma once

// A row file from outside, read into its grid: whatever the bytes, no
// crash; and what the grid then exports reads back into a grid that
// exports the same bytes again (an exported file is a fixed point).
#include "BoundModel.h"
#include "core/files/ListFiles.h"
#include "core/files/RowFile.h"
#include "core/panels/PanelPages.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace velmar::fuzz {

inline FieldModel &pagesModel()
{
    static FieldModel &model = [] () -> FieldModel & {
        FieldModel &m = boundModel();
        panels::installPageForms(m, QStringLiteral("AGE44"));
        return m;
    }();
    return model;
}

inline void roundTrip(const QByteArray &bytes, const std::function<files::ParsedRows(const QByteArray &)> &parse,
                      const std::function<void(const files::ParsedRows &)> &import,
                      const std::function<QByteArray()> &exported)
{
    const files::ParsedRows first = parse(bytes);
    if (!first.ok)
        return;
    import(first);
    const QByteArray once = exported();
    const files::ParsedRows again = parse(once);
    if (!again.ok)
        return; // empty cells written as zeros may take a line past its limit
    import(again);
    if (exported() != once)
        __builtin_trap();
}

// One list file kind through roundTrip, from a fresh grid.
inline void listRoundTrip(files::ListKind kind, const uint8_t *data, size_t size)
{
    FieldModel &model = pagesModel();
    GridModel &grid = *files::listGrid(model, kind);
    grid.clear();
    roundTrip(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
        [kind](const QByteArray &b) { return files::parseList(b, kind); },
        [&](const files::ParsedRows &r) {
            grid.clear();
            files::importList(model, kind, r, QStringLiteral("l.txt"));
        },
        [&] { return files::exportList(grid, kind); });
}

} // namespace velmar::fuzz
