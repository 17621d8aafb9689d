// One million trace entries through the diagnostics console, shown on the
// offscreen platform unless one is set: the core's trace keeps its bounds and
// the window draws what it keeps a slice at a time.
//
// The entries are the program's own kinds (commands, module lines, routing,
// broker and cloud lines), offered in batches from a timer as fast as the
// loop takes them; "Hexa" is on for the second quarter of the run (three
// lines an entry). Figures:
// - entries/s offered and taken, lines and characters the trace keeps;
// - the longest lateness of a 5 ms timer while the entries come
//   (event-loop stall; the batch itself is part of it and is printed apart);
// - resident memory before, after 10 % of the entries, at the end, and the
//   growth after the first 10 % with its ratio to the trace's own bound.
// It prints its figures and the bounds and exits 0; a benchmark, not a test.
#include "ui/diagnostics/InfoWindow.h"

#include "core/shell/Engine.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

using velmar::bench::sleepUntil;

constexpr qint64 kEntries = 1000000;
constexpr int kBatch = 200; // entries per turn of the loop
constexpr int kDeadlineMs = 10 * 60 * 1000;

double residentMiB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> v = f.readAll().split(' ');
    return v.size() > 1 ? v[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

const QStringList &entries()
{
    static const QStringList e = {
        QStringLiteral(" escriu_port \rvm+ver\r"),
        QStringLiteral("ComPortRx --> : +ver:Velmar_v8.7 [x1.2],<1000123>,<BC600>\r"),
        QStringLiteral("  -> identification"),
        QStringLiteral("Timercircuit  Strcom= +ver:Velmar_v8.7 [x1.2],<1000123>,<BC600>"),
        QStringLiteral("ComPortRx --> : {#0150326101500|060#1Obra Norte|Instalaciones Sur|Ref 7|1000123:356938035643809|"
                       "BC600#20000000000000000|0000|6530|18:41.3851,2.1734|1:0:0:0|1:0:0:0|12|34#3Entrada 1|Entrada 2"
                       "#4Salida 1#5SIM:Movistar:BG96:1.2}\r\n"),
        QStringLiteral("Publica_MQTT: topic=smcfg/1000123/.  str=vm+INf"),
        QStringLiteral("Comunicació amb el server "),
        QStringLiteral("RebutIP= +Inf:On\r"),
        QStringLiteral("GET : Equipments/1000123/Events"),
    };
    return e;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmar::Engine engine{velmar::Endpoints{}};
    velmar::ui::InfoWindow console(engine);
    console.show();
    sleepUntil([] { return false; }, 500);
    const double before = residentMiB();

    velmar::bench::StallWatch stalls;
    QElapsedTimer run;
    qint64 offered = 0;
    qint64 worstBatchNs = 0;
    double tenth = 0;
    double peak = before;
    QTimer feed;
    QObject::connect(&feed, &QTimer::timeout, [&] {
        QElapsedTimer batch;
        batch.start();
        const QStringList &kinds = entries();
        for (int i = 0; i < kBatch && offered < kEntries; ++i, ++offered) {
            if (offered == kEntries / 4)
                engine.traceLog.setHexa(true);
            else if (offered == kEntries / 2)
                engine.traceLog.setHexa(false);
            engine.trace.write(kinds.at(offered % kinds.size()));
        }
        worstBatchNs = std::max(worstBatchNs, batch.nsecsElapsed());
        if (offered % 50000 == 0) {
            const double now = residentMiB();
            peak = std::max(peak, now);
            if (tenth == 0 && offered >= kEntries / 10)
                tenth = now;
        }
        if (offered >= kEntries)
            feed.stop();
    });
    run.start();
    stalls.start();
    feed.start(0);
    sleepUntil([&] { return offered >= kEntries && console.drawnUpToDate(); }, kDeadlineMs);
    stalls.stop();
    const double seconds = run.elapsed() / 1000.0;
    const double end = residentMiB();
    peak = std::max(peak, end);
    const velmar::TraceLog &log = engine.traceLog;
    const double boundMiB = double(velmar::kTraceMaxChars) * 2 / (1024.0 * 1024.0);

    std::printf("entries                   %lld in %.1f s (%.0f entries/s), drawn up to date: %s\n",
                static_cast<long long>(offered), seconds, double(offered) / seconds,
                console.drawnUpToDate() ? "yes" : "no");
    std::printf("trace kept                %lld lines, %lld characters (bounds %lld lines, %lld characters)\n",
                static_cast<long long>(log.lineCount()), static_cast<long long>(log.charCount()),
                static_cast<long long>(velmar::kTraceMaxLines), static_cast<long long>(velmar::kTraceMaxChars));
    std::printf("longest_stall_ms          %.1f (less the wait for a core: %.1f; longest batch of %d entries: %.1f ms)\n",
                stalls.worstMs(), stalls.worstOwnMs(), kBatch, double(worstBatchNs) / 1e6);
    std::printf("resident_MiB before       %.1f\n", before);
    std::printf("resident_MiB at 10 %%      %.1f\n", tenth);
    std::printf("resident_MiB at end       %.1f (peak %.1f)\n", end, peak);
    std::printf("growth_after_10%%_MiB      %.1f (bound: 16 MiB, see README)\n", tenth > 0 ? end - tenth : 0.0);
    std::printf("whole_growth / trace_bound %.2f (the trace's characters at most %.0f MiB)\n",
                (end - before) / boundMiB, boundMiB);
    return 0;
}
