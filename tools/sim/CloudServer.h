#pragma once

#include "CloudAccounts.h"
#include "CloudDatabase.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

namespace velmar::sim {

// One HTTP/1.1 request taken from a byte stream that may arrive in pieces.
struct HttpRequest {
    QByteArray method;
    QByteArray target;
    bool http10 = false;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    bool keepAlive() const;
};

class HttpRequestReader {
public:
    enum class Result { Incomplete, Done, Bad };
    static constexpr qsizetype kMaxHead = 32 * 1024;
    static constexpr qsizetype kMaxBody = 16 * 1024 * 1024;
    // Takes one request off the front of buf when it is all there.
    static Result take(QByteArray &buf, HttpRequest *out, QString *why);
};

struct CloudServerOptions {
    quint16 port = 9099;
    QString dataPath;   // JSON file of accounts and tree, rewritten after each change
    QString mailLogPath;
    int tokenTtlSeconds = 3600;
    bool enumerationProtection = false;
    QString apiKey;
    // Faults.
    bool down = false;   // every connection is closed as soon as it is taken
    int slowMs = 0;      // each answer waits this long (other connections go on)
    int failEvery = 0;   // every N-th request answers 500
};

// Loopback emulator of the cloud project: the authentication interface
// under ".../v1/accounts:OP" and ".../v1/token", the database under any path
// ending in ".json", and "/_admin/..." for tests (mails, e-mail links).
class CloudServer : public QObject {
    Q_OBJECT
public:
    explicit CloudServer(CloudServerOptions options, QObject *parent = nullptr);
    static bool parse(const QStringList &args, CloudServerOptions *o, bool *help, QString *error);
    bool start(QString *error);
    quint16 port() const { return m_server.serverPort(); }

    struct Response {
        int status = 200;
        QByteArray body;
    };
    Response handle(const HttpRequest &r);

private:
    class Connection;
    Response database(const HttpRequest &r, const QString &path, const QUrlQuery &query);
    Response admin(const QString &path, const QUrlQuery &query);
    bool mayWriteUnsigned(const QByteArray &method, const QStringList &path, const QByteArray &body) const;
    bool load(QString *error);
    void save();
    void appendMailLog(qsizetype from);

    CloudServerOptions m_options;
    QTcpServer m_server;
    CloudAccounts m_accounts;
    CloudDatabase m_db;
    qint64 m_requests = 0;
};

} // namespace velmar::sim
