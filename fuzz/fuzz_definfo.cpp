// Parses arbitrary text as a DEFINFO header and looks up every code it gave.
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static NamedTexts named = [] {
        NamedTexts n;
        n.CreaTaulaResourceString();
        return n;
    }();
    InfoTexts texts(named);
    texts.parse(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    for (const DefInfoPair &p : texts.Llista_DefInfo()) {
        if (p.code.size() != 4)
            __builtin_trap();
        // The first pair of a code is the one its lookup gives.
        if (!texts.contains(p.code))
            __builtin_trap();
    }
    return 0;
}
