#include "PtyEndpoint.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace velmar::sim {

namespace {
// The burst allowance: a pacing timer that wakes late (a busy machine)
// catches up with the line instead of slowing it below 115200 baud, as a
// UART keeps sending whatever its CPU does; 256 bytes are 22 ms of line.
constexpr double kMaxCreditBytes = 256;
} // namespace

PtyEndpoint::PtyEndpoint(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PtyEndpoint::pump);
    m_inputTimer.setSingleShot(true);
    m_inputTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_inputTimer, &QTimer::timeout, this, &PtyEndpoint::deliverInput);
    m_clock.start();
}

PtyEndpoint::~PtyEndpoint()
{
    removeLink();
    delete m_readNotifier;
    delete m_writeNotifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyEndpoint::open(QString *error)
{
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        m_master = m_slave = -1;
        return false;
    }
    termios t{};
    ::tcgetattr(m_slave, &t);
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    ::tcsetattr(m_slave, TCSANOW, &t);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyEndpoint::onReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        pump();
    });
    return true;
}

bool PtyEndpoint::makeLink(const QString &path, QString *error)
{
    const QByteArray target = QFile::encodeName(m_slavePath);
    const QByteArray link = QFile::encodeName(path);
    const QFileInfo info(path);
    if (info.isSymLink()) {
        ::unlink(link.constData()); // a leftover of an earlier run
    } else if (info.exists()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return false;
    }
    if (::symlink(target.constData(), link.constData()) != 0) {
        *error = QStringLiteral("symlink %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_link = path;
    return true;
}

void PtyEndpoint::removeLink()
{
    if (m_link.isEmpty())
        return;
    if (QFileInfo(m_link).symLinkTarget() == QFileInfo(m_slavePath).absoluteFilePath())
        ::unlink(QFile::encodeName(m_link).constData());
    m_link.clear();
}

bool PtyEndpoint::write(const QByteArray &bytes, int splitBytes, int gapMs)
{
    if (bytes.isEmpty())
        return true;
    if (m_queued + bytes.size() > kMaxQueued)
        return false;
    if (m_queue.empty() && m_baud) {
        // The line was idle: start pacing from now.
        m_credit = 1;
        m_creditAtNs = m_clock.nsecsElapsed();
    }
    if (splitBytes > 0 && bytes.size() > splitBytes) {
        for (qsizetype at = 0; at < bytes.size(); at += splitBytes)
            m_queue.push_back({bytes.mid(at, splitBytes), 0, gapMs});
    } else {
        m_queue.push_back({bytes, 0, splitBytes > 0 ? gapMs : 0});
    }
    m_queued += bytes.size();
    pump();
    return true;
}

void PtyEndpoint::pause(int ms)
{
    if (ms <= 0)
        return;
    // An empty chunk: nothing to write, only the wait after it.
    m_queue.push_back({QByteArray(), 0, ms});
    pump();
}

void PtyEndpoint::refillCredit()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_credit = qMin(kMaxCreditBytes, m_credit + double(now - m_creditAtNs) * kBytesPerSecond / 1e9);
    m_creditAtNs = now;
}

void PtyEndpoint::armTimer(qint64 ms)
{
    if (!m_timer.isActive())
        m_timer.start(int(qMax<qint64>(ms, 1)));
}

void PtyEndpoint::pump()
{
    if (m_master < 0)
        return;
    while (!m_queue.empty()) {
        const qint64 nowMs = m_clock.elapsed();
        if (nowMs < m_resumeAtMs) {
            armTimer(m_resumeAtMs - nowMs);
            return;
        }
        Chunk &c = m_queue.front();
        if (c.bytes.isEmpty()) {
            m_resumeAtMs = nowMs + c.gapAfterMs;
            m_queue.pop_front();
            continue;
        }
        qsizetype n = c.bytes.size() - c.offset;
        if (m_baud) {
            refillCredit();
            const qsizetype allowed = qsizetype(m_credit);
            if (allowed <= 0) {
                armTimer(1);
                return;
            }
            n = qMin(n, allowed);
        }
        const ssize_t w = ::write(m_master, c.bytes.constData() + c.offset, size_t(n));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                // Nobody drains the line at the moment; wait until it can take more.
                m_writeNotifier->setEnabled(true);
                return;
            }
            m_queue.clear();
            m_queued = 0;
            return;
        }
        c.offset += w;
        m_queued -= w;
        if (m_baud)
            m_credit -= double(w);
        if (c.offset == c.bytes.size()) {
            const int gap = c.gapAfterMs;
            m_queue.pop_front();
            if (gap > 0 && !m_queue.empty())
                m_resumeAtMs = m_clock.elapsed() + gap;
        }
    }
}

void PtyEndpoint::deliverInput()
{
    while (!m_input.empty()) {
        const qint64 waitNs = m_input.front().atNs - m_clock.nsecsElapsed();
        if (waitNs > 0) {
            m_inputTimer.start(int(qMax<qint64>(1, (waitNs + 999999) / 1000000)));
            return;
        }
        const QByteArray bytes = std::move(m_input.front().bytes);
        m_input.pop_front();
        emit received(bytes);
    }
}

void PtyEndpoint::onReadable()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            if (!m_baud) {
                emit received(QByteArray(buf, n));
                continue;
            }
            const qint64 now = m_clock.nsecsElapsed();
            m_inputFreeAtNs = qMax(now, m_inputFreeAtNs) + qint64(double(n) * 1e9 / kBytesPerSecond);
            m_input.push_back({m_inputFreeAtNs, QByteArray(buf, n)});
            if (!m_inputTimer.isActive())
                deliverInput();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return; // EAGAIN: all read; EIO cannot happen while our slave is open
    }
}

} // namespace velmar::sim
