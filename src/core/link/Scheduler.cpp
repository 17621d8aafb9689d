#include "core/link/Scheduler.h"

namespace velmar {

void Scheduler::after(int ms, std::function<void()> fn)
{
    m_queue.emplace(std::make_pair(now() + std::max(ms, 0), m_seq++), std::move(fn));
    rearm();
}

void Scheduler::cancelAll()
{
    m_queue.clear();
    rearm();
}

void Scheduler::runDue(qint64 t)
{
    while (!m_queue.empty() && m_queue.begin()->first.first <= t) {
        auto node = m_queue.extract(m_queue.begin());
        node.mapped()();
    }
    rearm();
}

Pacer &Pacer::then(std::function<void()> fn)
{
    m_s.after(m_offset, std::move(fn));
    return *this;
}

QtScheduler::QtScheduler(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { runDue(now()); });
}

void QtScheduler::rearm()
{
    const qint64 due = nextDue();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::max<qint64>(0, due - now())));
}

} // namespace velmar
