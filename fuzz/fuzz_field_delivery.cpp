// Module dump lines ("+" code ":" value) through the code conversion into
// the field model, as the read cycle hands them over.
#include "BoundModel.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {

using fuzz::boundModel;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FieldModel &model = boundModel();
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data),
                                             static_cast<qsizetype>(size));
    // The first byte picks the page shown and the attached panel.
    static const FieldContext contexts[] = {
        {},
        {QStringLiteral("AGE44"), QStringLiteral("TSCentralAguilera")},
        {QStringLiteral("BC600"), QStringLiteral("TSCentralBC600")},
        {QStringLiteral("Cofem-A"), QStringLiteral("TSCentralZafir")},
    };
    const FieldContext &context = contexts[size ? data[0] % 4 : 0];
    model.ConfigVPN = size > 1 && (data[1] & 1);

    for (const QString &line : text.split(u'\r')) {
        if (line.size() < 6 || line.at(0) != u'+' || line.at(5) != u':')
            continue;
        const Delivery d = model.deliverReply(QStringView(line).sliced(1, 4), line.mid(6), context);
        if (d.grid) {
            const int row = d.grid->rowOf(d.number);
            d.grid->load(1, row, line.mid(6));
            (void)d.grid->recordCode(row);
        }
    }
    return 0;
}
