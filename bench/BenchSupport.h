#pragma once
// Helpers of the benchmarks that run the program's core on a Qt event loop
// against velmar-sim: a watch of the loop's longest stall, a wait that
// sleeps in the loop instead of spinning, and the wire time of transcript
// lines at 115200 baud.

#include "support/SimTranscript.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace velmar::bench {

// 115200 baud, 8N1: ten bit times a byte.
inline constexpr double kBytesPerSecond = 11520.0;

// A timer that measures its own lateness: the longest time the event loop
// was kept from it, beyond its period. Scheduling on a loaded machine shows
// up here as well as the program's own blocking.
class StallWatch : public QObject {
public:
    static constexpr int kPeriodMs = 5;

    StallWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worstNs = std::max(m_worstNs, now - m_lastNs - qint64(kPeriodMs) * 1000000);
            m_lastNs = now;
        });
    }
    void start()
    {
        m_worstNs = 0;
        m_clock.start();
        m_lastNs = 0;
        m_timer.start(kPeriodMs);
    }
    void stop() { m_timer.stop(); }
    double worstMs() const { return double(m_worstNs) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
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
