#include "core/shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace velmar {

SingleInstance::SingleInstance(const QString &key, const QString &dir, QObject *parent)
    : QObject(parent)
{
    QString where = dir;
    if (where.isEmpty())
        where = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (where.isEmpty())
        where = QDir::tempPath();
    QDir().mkpath(where);
    // Per user and per lock location, so that tests with their own folder
    // do not meet the running program.
    const QByteArray id = QCryptographicHash::hash((key + u'|' + where + u'|' + QString::number(getuid())).toUtf8(),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(16);
    m_serverName = QStringLiteral("velmar-") + QString::fromLatin1(id);
    m_lock = std::make_unique<QLockFile>(QDir(where).filePath(m_serverName + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // a lock left by a crashed copy is stale as soon as its process is gone
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            s->disconnectFromServer();
            emit raiseRequested();
        }
    });
}

SingleInstance::~SingleInstance()
{
    m_server.close();
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

bool SingleInstance::acquire()
{
    if (!m_lock->tryLock(0))
        return false;
    // A socket file left by a crashed copy would stop listen().
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_serverName);
    return true;
}

bool SingleInstance::notifyFirst(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write("raise");
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

QString SingleInstance::alreadyRunningText()
{
    return tr("Velmar Q7R2T CLOUD\r\n\r\nYa hay una versión de este programa ejecutándose "
              "\r\nmaximícelo desde la barra de tareas de Windows.\r\n\r\n");
}

} // namespace velmar
