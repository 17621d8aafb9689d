#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace velmar {

// Only one copy of the program runs per user. The first copy holds a lock
// file and listens on a local socket; a second copy finds the lock, asks the
// first to raise its window through the socket, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key names the lock and the socket; dir is where the lock file lives
    // (the user's runtime directory by default).
    explicit SingleInstance(const QString &key = QStringLiteral("Velmar Q7R2T CLOUD"),
                            const QString &dir = QString(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy (and now holds the lock).
    bool acquire();
    // For a second copy: asks the first copy to show itself. False when the
    // first copy could not be reached.
    bool notifyFirst(int timeoutMs = 1000);

    // The text a second copy shows before it ends.
    static QString alreadyRunningText();

signals:
    void raiseRequested();

private:
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace velmar
