// Template files: the reader, then applying what it accepted to the screen
// and saving that screen again, which must read back.
#include "BoundModel.h"

#include "core/templates/Templates.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const TemplateRead read = parseTemplate(bytes);
    if (!read.content)
        return 0;

    FieldModel &fields = fuzz::boundModel();
    const TemplateScope scopes[] = {
        {},
        {QStringLiteral("TSPortes"), QStringLiteral("Puertas"), true},
        {QStringLiteral("TSCentralSyncro"), QStringLiteral("Syncro"), true},
        {QStringLiteral("TSCentralAguilera"), QStringLiteral("AGE44"), true},
    };
    for (const TemplateScope &scope : scopes) {
        (void)applyTemplate(fields, *read.content, scope);
        for (bool partial : {false, true}) {
            const QByteArray saved = encodeTemplate(partial, templateEntries(fields, scope, partial));
            if (!parseTemplate(saved).content)
                std::abort(); // what we write we must read
        }
    }
    fields.Esborra_param();
    fields.ncampsModificats = 0;
    return 0;
}
