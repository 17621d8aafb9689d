#include "SimLine.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

SimLine::SimLine(const QString &device)
{
    m_fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0)
        return;
    termios t{};
    ::tcgetattr(m_fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(m_fd, TCSANOW, &t);
}

SimLine::~SimLine()
{
    close();
}

void SimLine::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void SimLine::sendRaw(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd p{m_fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

void SimLine::send(const QByteArray &command)
{
    sendRaw('\r' + command + '\r');
}

bool SimLine::fill(int timeoutMs)
{
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return false;
    char buf[4096];
    const ssize_t n = ::read(m_fd, buf, sizeof buf);
    if (n <= 0)
        return false;
    m_buffer.append(buf, n);
    return true;
}

QByteArray SimLine::readUntil(const QByteArray &marker, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const qsizetype at = m_buffer.indexOf(marker);
        if (at >= 0) {
            const QByteArray out = m_buffer.left(at + marker.size());
            m_buffer.remove(0, out.size());
            return out;
        }
        if (deadline.hasExpired() || m_fd < 0)
            return {};
        fill(int(qMax<qint64>(1, deadline.remainingTime())));
    }
}

QByteArray SimLine::readLine(int timeoutMs)
{
    QByteArray line = readUntil("\r\n", timeoutMs);
    line.chop(2);
    return line;
}

QByteArray SimLine::ask(const QByteArray &command, int timeoutMs)
{
    send(command);
    return readLine(timeoutMs);
}

QList<QByteArray> SimLine::askLines(const QByteArray &command, const QByteArray &endMarker, int timeoutMs)
{
    send(command);
    QList<QByteArray> lines;
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QByteArray line = readLine(int(qMax<qint64>(1, deadline.remainingTime())));
        if (line.isEmpty() && deadline.hasExpired())
            break;
        lines << line;
        if (line.contains(endMarker))
            break;
    }
    return lines;
}

QByteArray SimLine::drain(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired())
        fill(int(qMax<qint64>(1, deadline.remainingTime())));
    QByteArray out = m_buffer;
    m_buffer.clear();
    return out;
}
