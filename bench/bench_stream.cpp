// The information stream through the reply framer, the router and the
// interpreter: records per second, as a multiple of what the cable carries
// at 115200 baud (11,520 bytes/s over the records' own length). The
// records are the ones velmar-sim sent to a linked engine (a module with a
// BC600 panel: the main record and the panel's status record), fed again
// and again through the same receive path as the serial port's bytes.
#include "BenchSupport.h"

#include "core/shell/Engine.h"

#include "support/SimProcess.h"

#include <benchmark/benchmark.h>

namespace {

using velmar::Engine;
using velmar::ReplyRouter;
using velmar::bench::kBytesPerSecond;
using velmar::bench::sleepUntil;
using velmar::test::SimProcess;

void BM_InfoStreamRecords(benchmark::State &state)
{
    SimProcess sim({QStringLiteral("--panel"), QStringLiteral("BC600"), QStringLiteral("--period"),
                    QStringLiteral("200")});
    Engine engine{velmar::Endpoints{}};
    QStringList records;
    QObject::connect(&engine.channel, &velmar::CommandChannel::replyRouted, &engine,
                     [&](const QString &reply, ReplyRouter::Rule rule) {
                         if (rule == ReplyRouter::Rule::InfoRecord && records.size() < 8)
                             records << reply;
                     });
    if (!sim.ok()) {
        state.SkipWithError("no simulator");
        return;
    }
    engine.channel.probe(sim.devicePath());
    if (!sleepUntil([&] { return records.size() >= 4; }, 20000)) {
        state.SkipWithError("no records");
        return;
    }
    // Nothing more from the module while the records are replayed.
    engine.channel.closePort();
    engine.identification.halt();
    QByteArray burst;
    for (const QString &r : records)
        burst += r.toLatin1() + "\n";
    const double recordsPerBurst = double(records.size());
    for (auto _ : state) {
        engine.state.inf = true;
        engine.channel.receive(burst);
    }
    const double bytesPerRecord = double(burst.size()) / recordsPerBurst;
    const double linkRecordsPerSecond = kBytesPerSecond / bytesPerRecord;
    state.counters["records_per_s"] =
        benchmark::Counter(recordsPerBurst, benchmark::Counter::kIsIterationInvariantRate);
    // A rate counter divided by the link's rate: the multiple of the cable.
    state.counters["multiple_of_link"] =
        benchmark::Counter(recordsPerBurst / linkRecordsPerSecond, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["target_multiple"] = 1000;
    state.counters["bytes_per_record"] = bytesPerRecord;
}
// Rates by the process's CPU time: on a machine shared with other work the
// wall time mostly measures the wait for a core (both columns are shown).
BENCHMARK(BM_InfoStreamRecords);

} // namespace
