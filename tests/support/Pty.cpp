#include "support/Pty.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace velmar::test {

Pty::Pty()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    termios t{};
    tcgetattr(m_slave, &t);
    cfmakeraw(&t);
    tcsetattr(m_slave, TCSANOW, &t);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

Pty::~Pty()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

void Pty::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            ::usleep(1000);
    }
}

QByteArray Pty::read(int timeoutMs, const QByteArray &until)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        pollfd p{m_master, POLLIN, 0};
        const int left = int(timeoutMs - clock.elapsed());
        if (::poll(&p, 1, left > 0 ? left : 0) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            out.append(buf, n);
            if (!until.isEmpty() && out.contains(until))
                break;
        }
    }
    return out;
}

} // namespace velmar::test
