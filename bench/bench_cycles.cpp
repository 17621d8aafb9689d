// The read and write cycles against velmar-sim sending at 115200 baud
// (--baud-timing), each as a ratio to what the cable and the cycle's own
// pauses allow, with the event loop's longest stall during the cycle.
//
// Full read: ideal = the 1 s pause after "vm+inf" + the dump's bytes
// (every line from the first parameter to "+Xxxx:Ok") at 11,520 bytes/s.
// Write: ideal = the cycle's fixed timing (TimerGravar's 100 ms start, and
// per field the 1 ms "at once" on which the echo is taken and the 10 ms
// before the next value) + per field the echo round trip measured in the
// same run (from the command's write to the routing of its echo). Also
// given: the ratio to the round trips and the 10 ms alone, and the ratio to
// the wire time of command and echo at 11,520 bytes/s + 10 ms.
#include "BenchSupport.h"

#include "core/shell/Engine.h"

#include "support/SimProcess.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

using velmar::Engine;
using velmar::bench::kBytesPerSecond;
using velmar::bench::sleepUntil;
using velmar::bench::StallWatch;
using velmar::bench::wireBytes;
using velmar::test::readTranscript;
using velmar::test::SimProcess;
using velmar::test::TranscriptLine;

constexpr double kStreamOffPauseS = 1.0; // after "vm+inf", before the dump
constexpr double kNextValueS = 0.010;    // after an echo, before the next value
constexpr double kWriteStartS = 0.100;   // TimerGravar's first interval
constexpr double kFireNowS = 0.001;      // a waiting timer's "at once"

// One window's engine linked to a simulated module with a transcript; the
// module has a BC600 panel, whose 256 event texts are part of its dump.
struct Linked {
    QTemporaryDir dir;
    QString transcript = dir.filePath(QStringLiteral("module.txt"));
    SimProcess sim{{QStringLiteral("--baud-timing"), QStringLiteral("--panel"), QStringLiteral("BC600"),
                    QStringLiteral("--transcript"), transcript}};
    Engine engine{velmar::Endpoints{}};

    bool link()
    {
        if (!sim.ok())
            return false;
        engine.channel.probe(sim.devicePath());
        return sleepUntil([this] { return engine.identification.connectedShown() && engine.state.inf; }, 20000);
    }
    bool readDone()
    {
        return sleepUntil([this] {
            return engine.programming.progllegida && !engine.programming.busy() && !engine.reader.fullReadRunning();
        }, 120000);
    }
    bool fullRead()
    {
        engine.programming.progllegida = false;
        engine.reader.BBLlegirClick();
        return readDone();
    }
    QList<TranscriptLine> lines() const { return readTranscript(transcript); }
};

// Wall time of the cycles of one benchmark and the event loop's stalls
// during them.
struct CycleTiming {
    StallWatch stalls;
    double seconds = 0, worst = 0, worstOwn = 0, worstAt = 0;

    // One cycle: run() starts it and waits for its end (false: it did not end).
    template <typename Run>
    bool measure(Run run)
    {
        QElapsedTimer t;
        stalls.start();
        t.start();
        const bool ended = run();
        seconds += t.nsecsElapsed() / 1e9;
        stalls.stop();
        if (stalls.worstMs() >= worst) {
            worst = stalls.worstMs();
            worstAt = stalls.worstAtMs();
        }
        worstOwn = std::max(worstOwn, stalls.worstOwnMs());
        return ended;
    }
    void report(benchmark::State &state) const
    {
        state.counters["longest_stall_ms"] = worst;
        state.counters["longest_stall_less_cpu_wait_ms"] = worstOwn;
        state.counters["longest_stall_at_ms"] = worstAt;
        state.counters["target_stall_ms"] = 50;
    }
};

void BM_FullReadAgainstWire(benchmark::State &state)
{
    Linked l;
    if (!l.link()) {
        state.SkipWithError("not linked");
        return;
    }
    CycleTiming timing;
    double ideal = 0;
    qint64 dumpBytes = 0;
    for (auto _ : state) {
        const qsizetype mark = l.lines().size();
        if (!timing.measure([&] { return l.fullRead(); })) {
            state.SkipWithError("the read did not end");
            return;
        }
        // The dump: what the module sent from the request to its end line.
        qint64 bytes = 0;
        bool inDump = false;
        for (const TranscriptLine &x : l.lines().mid(mark)) {
            if (x.kind == QLatin1String("RX") && x.text == QLatin1String("vm+Xxxx"))
                inDump = true;
            else if (inDump && x.kind == QLatin1String("TX"))
                bytes += wireBytes(x);
            if (inDump && x.kind == QLatin1String("TX") && x.text.contains(QLatin1String("x:Ok")))
                break;
        }
        dumpBytes = bytes;
        ideal += kStreamOffPauseS + double(bytes) / kBytesPerSecond;
    }
    state.counters["ratio_to_ideal"] = timing.seconds / ideal;
    state.counters["target_ratio"] = 1.05;
    state.counters["dump_bytes"] = double(dumpBytes);
    state.counters["ideal_s"] = ideal / double(state.iterations());
    timing.report(state);
}
BENCHMARK(BM_FullReadAgainstWire)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Edit boxes a write can change and read back as typed: bound, writable,
// and not one of the boxes the write treats apart (the access code locks
// the module; the central's type
// forgets the read programming; the door buttons' times are three boxes).
QList<velmar::EditField *> writableEdits(Engine &e)
{
    QList<velmar::EditField *> out;
    for (velmar::EditField *f : e.fields.PunterEdit()) {
        const int n = f->Tag;
        if (n <= 0 || f->readOnly() || !f->enabled() || n == 101 || n == 111 || n == 200 || n == 1590 || (n >= 4040 && n <= 4043))
            continue;
        out << f;
    }
    return out;
}

void BM_WriteFieldsAgainstWire(benchmark::State &state)
{
    Linked l;
    if (!l.link() || !l.fullRead()) {
        state.SkipWithError("not linked or not read");
        return;
    }
    // The echo round trip as this run sees it: from the command's write to
    // the routing of its echo.
    QElapsedTimer clock;
    clock.start();
    qint64 sentAtNs = -1, roundTripsNs = 0;
    int echoes = 0;
    QObject::connect(&l.engine.channel, &velmar::CommandChannel::transmitted, &l.engine, [&] {
        if (l.engine.writer.running())
            sentAtNs = clock.nsecsElapsed();
    });
    QObject::connect(&l.engine.channel, &velmar::CommandChannel::replyRouted, &l.engine,
                     [&](const QString &, velmar::ReplyRouter::Rule rule) {
                         if (rule == velmar::ReplyRouter::Rule::Awaited && sentAtNs >= 0) {
                             roundTripsNs += clock.nsecsElapsed() - sentAtNs;
                             ++echoes;
                             sentAtNs = -1;
                         }
                     });
    const velmar::ChangeContext user{true, false};
    CycleTiming timing;
    double wireIdeal = 0;
    int fields = 0, leftRed = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QList<velmar::EditField *> edits = writableEdits(l.engine).mid(0, int(state.range(0)));
        for (velmar::EditField *f : edits) {
            f->setTextByUser(QStringLiteral("B%1").arg(++round));
            l.engine.fields.EditChange(f, user);
        }
        const qsizetype mark = l.lines().size();
        state.ResumeTiming();
        const bool ended = timing.measure([&] {
            l.engine.writer.BBGravarClick();
            return sleepUntil([&] { return !l.engine.writer.running(); }, 120000);
        });
        if (!ended) {
            state.SkipWithError("the write did not end");
            return;
        }
        // Each value and its echo on the wire, and the spacing after it.
        const QList<TranscriptLine> lines = l.lines().mid(mark);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const TranscriptLine &x = lines[i];
            if (x.kind != QLatin1String("RX") || !x.text.startsWith(QLatin1String("vm+")) || !x.text.contains(u'='))
                continue;
            qint64 bytes = wireBytes(x);
            for (qsizetype j = i + 1; j < lines.size(); ++j)
                if (lines[j].kind == QLatin1String("TX") && lines[j].text.startsWith(u'+')) {
                    bytes += wireBytes(lines[j]);
                    break;
                }
            wireIdeal += double(bytes) / kBytesPerSecond + kNextValueS;
            ++fields;
        }
        for (velmar::EditField *f : edits)
            leftRed += f->isChangedMark() ? 1 : 0;
    }
    const double n = double(echoes);
    const double roundTrips = double(roundTripsNs) / 1e9;
    // N x (echo round trip + 10 ms).
    const double echoesAndSpacing = roundTrips + n * kNextValueS;
    // The cycle cannot go faster than its own timers: the 100 ms start and
    // the 1 ms "at once" on which each echo is taken are part of how the
    // module is driven, like the 10 ms.
    const double ideal = echoesAndSpacing + double(state.iterations()) * kWriteStartS + n * kFireNowS;
    state.counters["ratio_to_ideal"] = timing.seconds / ideal;
    state.counters["target_ratio"] = 1.05;
    state.counters["ratio_to_echoes_and_spacing"] = timing.seconds / echoesAndSpacing;
    state.counters["ratio_to_wire_ideal"] = timing.seconds / wireIdeal;
    state.counters["echo_round_trip_ms"] = n > 0 ? roundTrips / n * 1000 : 0;
    state.counters["fields"] = double(fields) / double(state.iterations());
    state.counters["left_red"] = leftRed;
    timing.report(state);
}
BENCHMARK(BM_WriteFieldsAgainstWire)->Arg(100)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
