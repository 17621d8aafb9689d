#pragma once
// Helpers of the benchmarks that run the program's core on a Qt event loop
// against velmar-sim: a watch of the loop's longest stall, a wait that
// sleeps in the loop instead of spinning, and the wire time of transcript
// lines at 115200 baud.

#include "support/SimTranscript.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace velmar::bench {

// 115200 baud, 8N1: ten bit times a byte.
inline constexpr double kBytesPerSecond = 11520.0;

// Nanoseconds this thread has spent runnable but waiting for a CPU (the
// second field of /proc/thread-self/schedstat); 0 where it cannot be read.
inline qint64 runQueueWaitNs()
{
    QFile f(QStringLiteral("/proc/thread-self/schedstat"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> v = f.readAll().trimmed().split(' ');
    return v.size() > 1 ? v[1].toLongLong() : 0;
}

// A timer that measures its own lateness: the longest time the event loop
// was kept from it, beyond its period. On a loaded machine much of that is
// the wait for a CPU, which the kernel counts apart: own = late minus that
// wait, the share the program itself kept the loop busy or blocked.
class StallWatch : public QObject {
public:
    static constexpr int kPeriodMs = 5;

    StallWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const qint64 queued = runQueueWaitNs();
            const qint64 late = now - m_lastNs - qint64(kPeriodMs) * 1000000;
            if (late > m_worstNs)
                m_worstAtNs = m_lastNs;
            m_worstNs = std::max(m_worstNs, late);
            m_worstOwnNs = std::max(m_worstOwnNs, late - (queued - m_lastQueuedNs));
            m_lastNs = now;
            m_lastQueuedNs = queued;
        });
    }
    void start()
    {
        m_worstNs = m_worstOwnNs = 0;
        m_clock.start();
        m_lastNs = 0;
        m_lastQueuedNs = runQueueWaitNs();
        m_timer.start(kPeriodMs);
    }
    void stop() { m_timer.stop(); }
    double worstMs() const { return double(m_worstNs) / 1e6; }
    double worstOwnMs() const { return double(m_worstOwnNs) / 1e6; }
    // When the longest stall began, from start().
    double worstAtMs() const { return double(m_worstAtNs) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_lastQueuedNs = 0;
    qint64 m_worstNs = 0;
    qint64 m_worstOwnNs = 0;
    qint64 m_worstAtNs = 0;
};

// Runs the event loop, sleeping until events come, until pred holds or the
// deadline passes (waitFor of the tests spins, which a benchmark on a busy
// machine cannot afford).
template <typename Pred>
bool sleepUntil(Pred pred, int ms)
{
    QElapsedTimer t;
    t.start();
    QTimer wake; // the deadline is noticed even when nothing else happens
    wake.start(50);
    while (!pred() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return pred();
}

// Bytes of a transcript line on the wire: commands go out as CR, text, CR;
// the module's lines end with CR LF. Both take two bytes of framing.
inline qint64 wireBytes(const test::TranscriptLine &l)
{
    return l.text.size() + 2;
}

} // namespace velmar::bench
