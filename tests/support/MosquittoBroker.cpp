#include "support/MosquittoBroker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>

#include <csignal>

#include <pwd.h>
#include <unistd.h>

namespace velmar::test {

int MosquittoBroker::freePort()
{
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost, 0))
        return 0;
    return s.serverPort();
}

MosquittoBroker::MosquittoBroker()
{
    m_port = freePort();
    if (!m_dir.isValid() || m_port == 0) {
        m_error = QStringLiteral("no temporary folder or free port");
        return;
    }
    const QString passwd = m_dir.filePath(QStringLiteral("passwd"));
    QProcess pw;
    pw.start(QStringLiteral("mosquitto_passwd"),
             {QStringLiteral("-c"), QStringLiteral("-b"), passwd, user(), password()});
    if (!pw.waitForFinished(15000) || pw.exitCode() != 0) {
        m_error = QStringLiteral("mosquitto_passwd failed: ") + QString::fromLocal8Bit(pw.readAllStandardError());
        return;
    }
    QFile conf(m_dir.filePath(QStringLiteral("mosquitto.conf")));
    if (!conf.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write the configuration");
        return;
    }
    conf.write(QStringLiteral("per_listener_settings false\n"
                              "listener %1 127.0.0.1\n"
                              "allow_anonymous false\n"
                              "password_file %2\n"
                              "persistence false\n"
                              "log_dest stderr\n"
                              // Run as root it would become another user who cannot read our folder.
                              "user %3\n")
                   .arg(m_port)
                   .arg(passwd)
                   .arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name))
                   .toLocal8Bit());
    conf.close();
    start();
}

MosquittoBroker::~MosquittoBroker()
{
    kill();
}

bool MosquittoBroker::start()
{
    m_ok = false;
    m_proc.setProcessChannelMode(QProcess::SeparateChannels);
    m_proc.start(QStringLiteral("mosquitto"),
                 {QStringLiteral("-c"), m_dir.filePath(QStringLiteral("mosquitto.conf")), QStringLiteral("-v")});
    if (!m_proc.waitForStarted(15000)) {
        m_error = QStringLiteral("mosquitto did not start: ") + m_proc.errorString();
        return false;
    }
    const QString ready = QStringLiteral("Opening ipv4 listen socket on port %1").arg(m_port);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 20000) {
        if (log().contains(ready)) {
            m_ok = true;
            return true;
        }
        if (m_proc.state() == QProcess::NotRunning)
            break;
        m_proc.waitForReadyRead(100);
    }
    m_error = QStringLiteral("mosquitto not listening: ") + log();
    return false;
}

QString MosquittoBroker::log()
{
    m_log += QString::fromLocal8Bit(m_proc.readAllStandardError());
    return m_log;
}

void MosquittoBroker::kill()
{
    if (m_proc.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_proc.processId()), SIGKILL);
    m_proc.waitForFinished(10000);
    log();
    m_ok = false;
}

} // namespace velmar::test
