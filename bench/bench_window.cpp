// The window's start and its memory under the information stream, against
// velmar-sim on a pseudo-terminal (offscreen platform unless one is set).
//
// start_to_first_paint_ms: from the entry of main() (before the
// application object) to the first paint of the main window, with the
// module on the port given at start.
// Resident memory: after the window has settled, then after an hour's worth
// of main records at the simulator's fastest period (10 ms: 360,000
// records), played faster than real time (--burst); sampled along the way
// so that growth shows apart from the one-off cost of the first records.
// It prints its figures and the bounds and exits 0; a benchmark, not a test.
#include "ui/shell/MainWindow.h"

#include "core/shell/Engine.h"

#include "BenchSupport.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

namespace {

using velmar::bench::sleepUntil;

constexpr int kFastestPeriodMs = 10;
constexpr qint64 kHourRecords = 3600LL * 1000 / kFastestPeriodMs;
constexpr int kBurst = 50;           // sets of records per period: 5,000 records/s offered
constexpr int kDeadlineMs = 10 * 60 * 1000;

double residentMiB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> v = f.readAll().split(' ');
    return v.size() > 1 ? v[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// Notes the first paint of the watched widget.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QElapsedTimer &clock) : m_clock(clock) {}
    qint64 atMs = -1;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && atMs < 0)
            atMs = m_clock.elapsed();
        return QObject::eventFilter(o, e);
    }

private:
    QElapsedTimer &m_clock;
};

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // The module is there before the program starts, as on a desk.
    const qint64 simStartMs = clock.elapsed();
    velmar::test::SimProcess sim({QStringLiteral("--period"), QString::number(kFastestPeriodMs), QStringLiteral("--burst"),
                                  QString::number(kBurst)});
    if (!sim.ok()) {
        std::printf("bench_window: no simulator: %s\n", qPrintable(sim.errorText()));
        return 0;
    }
    const qint64 simMs = clock.elapsed() - simStartMs;

    velmar::ui::StartOptions opts;
    opts.settings.file = dir.filePath(QStringLiteral("settings.ini"));
    opts.settings.secretFile = dir.filePath(QStringLiteral("secret.key"));
    opts.port = sim.devicePath();
    FirstPaint paint(clock);
    velmar::ui::MainWindow w(opts);
    w.installEventFilter(&paint);
    w.show();
    sleepUntil([&] { return paint.atMs >= 0; }, 60000);
    const qint64 firstPaintMs = paint.atMs - simMs; // the simulator's start is not the program's

    qint64 records = 0;
    QObject::connect(&w.engine().channel, &velmar::CommandChannel::replyRouted, &w,
                     [&](const QString &, velmar::ReplyRouter::Rule rule) {
                         if (rule == velmar::ReplyRouter::Rule::InfoRecord)
                             ++records;
                     });
    const bool streaming = sleepUntil([&] { return w.engine().state.inf && records > 0; }, 30000);
    sleepUntil([] { return false; }, 2000);
    const double settled = residentMiB();
    QElapsedTimer run;
    run.start();
    double tenth = 0;
    double peak = settled;
    while (streaming && records < kHourRecords && run.elapsed() < kDeadlineMs) {
        sleepUntil([&] { return records >= kHourRecords; }, 1000);
        const double now = residentMiB();
        peak = std::max(peak, now);
        if (tenth == 0 && records >= kHourRecords / 10)
            tenth = now;
    }
    const double seconds = run.elapsed() / 1000.0;
    const double end = residentMiB();

    std::printf("start_to_first_paint_ms   %lld\n", static_cast<long long>(firstPaintMs));
    std::printf("records                   %lld of an hour's %lld at %d ms (%.1f %%), in %.1f s (%.0f records/s)\n",
                static_cast<long long>(records), static_cast<long long>(kHourRecords), kFastestPeriodMs,
                100.0 * double(records) / double(kHourRecords), seconds, double(records) / seconds);
    std::printf("resident_MiB settled      %.1f\n", settled);
    std::printf("resident_MiB at 10 %%      %.1f\n", tenth);
    std::printf("resident_MiB at end       %.1f (peak %.1f)\n", end, peak);
    std::printf("growth_after_10%%_MiB      %.1f (bound: 16 MiB, see README)\n", tenth > 0 ? end - tenth : 0.0);
    return 0;
}
