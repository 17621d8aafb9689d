// Feeds arbitrary text, as the module, the broker or a server may send it,
// through the console's trace with small bounds: the formatting (line ends,
// NUL characters, the hexadecimal form) and the dropping of old entries must
// keep the trace within its bounds and its numbering whole.
#include "core/diagnostics/TraceLog.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {
void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_trace_log";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size < 2)
        return 0;
    // Two bytes of bounds, then entries separated by 0xFF; an entry's first
    // byte switches "Hexa" (bit 0) and "Parar" (bit 1).
    const TraceLimits limits{1 + data[0] % 40, 1 + data[1] * 4};
    Trace trace;
    TraceLog log(trace, limits);
    log.setClock([] { return QTime(1, 2, 3, 4); });
    const QByteArray rest(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    for (const QByteArray &entry : rest.split('\xFF')) {
        if (!entry.isEmpty()) {
            log.setHexa(entry.at(0) & 1);
            log.setPaused(entry.at(0) & 2);
        }
        const quint64 before = log.endNumber();
        trace.write(QString::fromLatin1(entry.mid(1)));
        check(!log.paused() || log.endNumber() == before);
        check(log.lineCount() <= limits.lines && log.charCount() <= limits.chars);
        check(log.endNumber() - log.firstNumber() == quint64(log.lineCount()));
        qsizetype chars = 0;
        for (quint64 n = log.firstNumber(); n < log.endNumber(); ++n) {
            const QString &t = log.line(n).text;
            chars += t.size();
            check(!t.contains(QChar(0)) && !t.contains(u'\r') && !t.contains(u'\n'));
        }
        check(chars == log.charCount());
    }
    return 0;
}
