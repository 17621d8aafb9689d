#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The program's end of the simulator's line, with nothing but POSIX calls:
// commands go out as CR, command, CR; what comes back is read as bytes.
class SimLine {
public:
    explicit SimLine(const QString &device);
    ~SimLine();
    SimLine(const SimLine &) = delete;
    SimLine &operator=(const SimLine &) = delete;

    bool ok() const { return m_fd >= 0; }
    void close();

    void send(const QByteArray &command);
    void sendRaw(const QByteArray &bytes);

    // Everything received up to and including the first occurrence of
    // marker, waiting at most timeoutMs for it; empty when it did not come
    // (what was read stays buffered).
    QByteArray readUntil(const QByteArray &marker, int timeoutMs = 5000);
    // The next line ending in CR LF, without the terminator; empty on time-out.
    QByteArray readLine(int timeoutMs = 5000);
    // Sends a command and returns the next line.
    QByteArray ask(const QByteArray &command, int timeoutMs = 5000);
    // Sends a command and returns its reply lines up to and including the
    // first line that contains endMarker.
    QList<QByteArray> askLines(const QByteArray &command, const QByteArray &endMarker,
                               int timeoutMs = 10000);
    // Whatever arrives within timeoutMs (for checking that nothing does).
    QByteArray drain(int timeoutMs);

private:
    bool fill(int timeoutMs);

    int m_fd = -1;
    QByteArray m_buffer;
};
