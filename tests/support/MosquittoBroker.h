#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace velmar::test {

// A throw-away mosquitto broker on a free loopback port, with one user in a
// password file and anonymous clients refused. Stopped by its pid when the
// fixture goes; stop() and start() again keep the same port, so a test can
// take the broker away under a session and bring it back.
class MosquittoBroker {
public:
    static constexpr const char *kUser = "vlmtest";
    static constexpr const char *kPassword = "Pw-7421x";

    MosquittoBroker();
    ~MosquittoBroker();
    MosquittoBroker(const MosquittoBroker &) = delete;
    MosquittoBroker &operator=(const MosquittoBroker &) = delete;

    bool ok() const { return m_ok; }
    QString errorText() const { return m_error; }
    int port() const { return m_port; }
    QString host() const { return QStringLiteral("127.0.0.1"); }
    QString user() const { return QString::fromLatin1(kUser); }
    QString password() const { return QString::fromLatin1(kPassword); }
    // What the broker logged (-v): connections, subscriptions, wills.
    QString log();

    // Kills the broker at once (SIGKILL: clients see their sockets drop).
    void kill();
    // Starts it again on the same port.
    bool start();

    static int freePort();

private:
    QTemporaryDir m_dir;
    QProcess m_proc;
    QString m_log;
    int m_port = 0;
    bool m_ok = false;
    QString m_error;
};

} // namespace velmar::test
