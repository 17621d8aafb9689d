#pragma once

#include <QByteArray>
#include <QString>

namespace velmar::test {

// A pseudo-terminal pair in raw mode: the program opens slavePath() as its
// serial port, the test reads and writes the master side as the module would.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool ok() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    void write(const QByteArray &bytes);
    // Reads what has arrived within timeoutMs (returns early once `until`
    // appears in what was read, when given).
    QByteArray read(int timeoutMs, const QByteArray &until = {});

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace velmar::test
