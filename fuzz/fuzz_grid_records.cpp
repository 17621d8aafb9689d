// Block records from the module into grid rows and back: a record decoded
// into a row, serialised, decoded and serialised again must give the same
// text, or a written row could never verify against its own echo.
#include "BoundModel.h"
#include "core/programming/GridRecords.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {

using fuzz::boundModel;

void load(GridModel &g, int row, const QString &value, const QString &central)
{
    if (const auto cols = decodeRecord(g.name(), g.hasFixedColumn(), g.columns(), value, g.Tag + row - 1))
        loadRecord(g, row, *cols, central);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    FieldModel &model = boundModel();
    const auto &grids = model.PunterStringGrid();
    GridModel &g = *grids.at(data[0] % grids.size());
    static const QString centrals[] = {QString(), QStringLiteral("BC600"), QStringLiteral("BC216"),
                                       QStringLiteral("AGE44")};
    const QString &central = centrals[data[1] % 4];
    const int row = 1 + data[2] % qMax(1, g.dataRows());
    const QString value = QString::fromLatin1(reinterpret_cast<const char *>(data + 3),
                                              static_cast<qsizetype>(size - 3));

    (void)acceptsPageReply(value, QStringLiteral("+85xx"));
    (void)replyValue(value);

    load(g, row, value, central);
    const QString once = serialiseRow(g, row);
    load(g, row, once, central);
    const QString twice = serialiseRow(g, row);
    if (once != twice || !Verifica_StringGrid(g, once, row))
        __builtin_trap();
    return 0;
}
