#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <utility>

namespace velmar {

// Pauses between commands are scheduled continuations, never busy waits:
// steps due at the same time run in the order they were scheduled, and a
// Pacer keeps the spacing of a chain of steps.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Runs fn once ms milliseconds from now (0: on the next turn).
    void after(int ms, std::function<void()> fn);
    // Milliseconds on this scheduler's clock.
    virtual qint64 now() const = 0;
    // Drops every pending step (for example when the link is lost).
    void cancelAll();
    bool idle() const { return m_queue.empty(); }

protected:
    // Runs every step due at or before t, including steps they schedule.
    void runDue(qint64 t);
    qint64 nextDue() const { return m_queue.empty() ? -1 : m_queue.begin()->first.first; }
    virtual void rearm() = 0;

private:
    std::map<std::pair<qint64, quint64>, std::function<void()>> m_queue;
    quint64 m_seq = 0;
};

// A chain of steps with pauses between them, like the old blocking waits
// ("send, wait 100 ms, send") but without stopping the event loop.
class Pacer {
public:
    explicit Pacer(Scheduler &s) : m_s(s) {}
    Pacer &then(std::function<void()> fn);
    Pacer &pause(int ms) { m_offset += ms; return *this; }

private:
    Scheduler &m_s;
    int m_offset = 0;
};

// Scheduler on the Qt event loop, with one timer armed for the earliest step.
class QtScheduler : public QObject, public Scheduler {
    Q_OBJECT
public:
    explicit QtScheduler(QObject *parent = nullptr);
    qint64 now() const override { return m_clock.elapsed(); }

protected:
    void rearm() override;

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
};

// Scheduler whose clock only moves when a test says so.
class ManualScheduler : public Scheduler {
public:
    qint64 now() const override { return m_now; }
    void advance(qint64 ms) { m_now += ms; runDue(m_now); }

protected:
    void rearm() override {}

private:
    qint64 m_now = 0;
};

} // namespace velmar
