#pragma once

#include "support/SimProcess.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QString>
#include <QStringList>

#include <memory>

// "velmar-sim cloud" on a free loopback port and a plain HTTP client for it.
class CloudSim {
public:
    explicit CloudSim(const QStringList &extraArgs = {});
    bool ok() const { return m_proc->ok() && m_port > 0; }
    QString errorText() const { return m_proc->errorText(); }
    quint16 port() const { return m_port; }
    velmar::test::SimProcess &process() { return *m_proc; }
    // Stops the server and starts it again with the same arguments and port 0.
    bool restart();

    struct Reply {
        int status = 0; // 0: no HTTP answer (refused, closed)
        QByteArray body;
        QJsonValue json() const;
        QString errorCode() const; // auth errors: error.message up to " : "
    };
    Reply call(const QByteArray &method, const QString &pathAndQuery, const QByteArray &body = {},
               const QByteArray &contentType = "application/json");
    Reply auth(const QString &op, const QJsonObject &body);
    Reply db(const QByteArray &method, const QString &path, const QString &token, const QByteArray &body = {},
             const QString &query = {});

    // Signs up (or in, when the account exists) and answers the ID token.
    QJsonObject signUp(const QString &email, const QString &password);
    QJsonObject signIn(const QString &email, const QString &password);

private:
    QStringList m_args;
    std::unique_ptr<velmar::test::SimProcess> m_proc;
    quint16 m_port = 0;
    QNetworkAccessManager m_nam;
};
