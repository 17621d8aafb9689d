// Feeds arbitrary bytes, cut into arbitrary receive events, through the reply
// framer and the router with every consumer attached and every routing state.
#include "core/link/ReplyFramer.h"
#include "core/link/ReplyRouter.h"
#include "core/link/Scheduler.h"

#include <cstddef>
#include <cstdint>

using namespace velmar;

namespace {
struct Sink : IdentificationSink, ReadCycleSink, WriteCycleSink, InfoSink, UpdateRelaySink {
    qsizetype seen = 0;
    void identificationReply() override { ++seen; }
    void operatorLine(const QString &r) override { seen += r.size(); }
    void dumpLine(const QString &r) override { seen += r.size(); }
    void readReply() override { ++seen; }
    void startFullRead() override { ++seen; }
    void writeReply() override { ++seen; }
    void stopWrite() override { ++seen; }
    void infoRecord(const QString &r) override { seen += r.size(); }
    void relayUpdate(const QString &r) override { seen += r.size(); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: routing state; second: receive-event size.
    const uint8_t flags = data[0];
    const size_t chunk = 1 + data[1] % 64;
    data += 2;
    size -= 2;

    LinkState state;
    state.inf = flags & 1;
    state.circuittrobat = flags & 2;
    state.llegirpag = flags & 4;
    state.tempsActu = (flags & 8) ? 10 : 0;
    state.puntercamp = (flags & 16) ? QStringLiteral("xxx") : QString();
    static const char *const awaited[] = {"", "+85xx", "+0102", "+96xx"};
    state.espero = QString::fromLatin1(awaited[(flags >> 5) & 3]);

    ManualScheduler scheduler;
    ReplyRouter router(state, scheduler);
    Sink sink;
    router.setConsumers({&sink, &sink, &sink, &sink, &sink});
    qsizetype longest = 0;
    ReplyFramer framer(
        [&](const QString &r) {
            longest = std::max(longest, r.size());
            router.route(r);
        },
        [&](const QString &line, TraceColour, int colourFrom) {
            // Where the colour begins lies within the line.
            if (colourFrom < 0 || colourFrom > line.size())
                __builtin_trap();
            sink.seen += line.size();
        });
    for (size_t i = 0; i < size; i += chunk)
        framer.feed(QByteArray(reinterpret_cast<const char *>(data + i), int(std::min(chunk, size - i))));
    scheduler.advance(10000);
    if (longest > 20000)
        __builtin_trap(); // the accumulator limit must hold
    return 0;
}
