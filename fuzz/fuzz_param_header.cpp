// Parameter header parser and the code conversions a reply goes through.
#include "core/params/ParamCatalogue.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ParamCatalogue catalogue;
    catalogue.parse(bytes);

    // Every parsed name must find a pair, and every code text, whatever it
    // holds, must convert or be refused without harm.
    for (const ParamPair &p : catalogue.Llista_Param()) {
        (void)catalogue.code(p.name);
        (void)ParamCatalogue::numberFromCode(p.code, false);
        (void)ParamCatalogue::numberFromCode(p.code, true);
        (void)ParamCatalogue::recordCode(p.code, 1);
    }

    // The input as a stream of reply codes.
    const QString text = QString::fromLatin1(bytes);
    for (qsizetype i = 0; i + 4 <= text.size(); i += 4) {
        const QStringView code = QStringView(text).sliced(i, 4);
        for (bool aguilera : {false, true}) {
            if (const auto n = ParamCatalogue::numberFromCode(code, aguilera)) {
                (void)ParamCatalogue::codeFromNumber(*n);
                (void)ParamCatalogue::blockReadCode(*n);
                (void)ParamCatalogue::recordCode(*n, 1, 16);
            }
        }
        (void)ParamCatalogue::recordCode(code, static_cast<int>(i) + 1);
    }
    return 0;
}
