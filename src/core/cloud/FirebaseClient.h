#pragma once

#include "core/base/Endpoints.h"

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace velmar {

class Trace;

namespace cloud {

// The answer of one request. `error` is the server's error text (an
// authentication code such as "EMAIL_NOT_FOUND", a database error such as
// "Permission denied") or, when the server could not be reached in time, a
// text holding kNoConnection.
struct CloudResult {
    bool ok = false;
    QJsonValue value; // the answer's JSON (null for an empty answer)
    QString error;
    int status = 0; // HTTP status, 0 when no answer came
};
using CloudCallback = std::function<void(const CloudResult &)>;

// The code by which callers know that the server was not reached.
inline constexpr char kNoConnection[] = "12007";

// Query parameters of a database read, in order; values are sent as given
// (orderBy and equalTo take JSON literals: "\"Created\"").
using CloudQuery = QList<QPair<QString, QString>>;

// Firebase client on QtNetwork: the account operations (Identity Toolkit
// REST) and the Realtime Database REST operations with the ID token as
// `auth`. Every request is asynchronous with a time-out; the callback runs
// once, on this object's thread. An expired token is refreshed before a
// database request, and a 401 refreshes it once and repeats the request.
// Neither tokens, passwords nor the API key reach the trace.
class FirebaseClient : public QObject {
    Q_OBJECT
public:
    FirebaseClient(const Endpoints &endpoints, Trace &trace, QObject *parent = nullptr);

    static constexpr int kDefaultTimeoutMs = 15000;
    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    // --- account ---
    void signIn(const QString &email, const QString &password, CloudCallback done);
    void signUp(const QString &email, const QString &password, CloudCallback done);
    void sendPasswordReset(const QString &email, CloudCallback done);
    void sendVerification(CloudCallback done);
    // The user's state: value is the user object (emailVerified, ...).
    void lookup(CloudCallback done);
    void signOut();

    bool authenticated() const { return !m_idToken.isEmpty(); }
    QString idToken() const { return m_idToken; }
    QString uid() const { return m_uid; }
    QString email() const { return m_email; }
    // The signed-in answer's "registered" (three-valued: absent is unknown).
    std::optional<bool> registered() const { return m_registered; }
    bool tokenExpired() const;
    // How long before its expiry a token is renewed (at most half its life).
    void setRefreshAheadMs(int ms) { m_refreshAheadMs = ms; }

    // --- database (path levels as GetRTDBPath gives them) ---
    void get(const QString &path, const CloudQuery &query, CloudCallback done);
    void patch(const QString &path, const QJsonObject &body, CloudCallback done);
    void post(const QString &path, const QJsonObject &body, CloudCallback done);
    void remove(const QString &path, CloudCallback done);

    // Whether an address answers at all (the reachability probe).
    void reach(const QUrl &url, std::function<void(bool)> done);

    // The database URL of a path (without the auth parameter).
    QUrl databaseUrl(const QString &path, const CloudQuery &query = {}) const;

signals:
    void tokenRefreshed();
    void signedOut();

private:
    // An account operation that carries the id token (added to body).
    void withToken(const QString &op, const QJsonObject &body, CloudCallback done, bool retried = false);
    struct Request {
        QByteArray verb;
        QString path;
        CloudQuery query;
        QByteArray body;
        CloudCallback done;
        bool retried = false;
    };
    void account(const QString &op, const QJsonObject &body, CloudCallback done);
    void takeSession(const QJsonObject &answer);
    // Sign-in and sign-up: the same request, the same session from the answer.
    void startSession(const QString &op, const QString &email, const QString &password, CloudCallback done);
    void database(Request request);
    void send(Request request);
    void refresh(std::function<void(bool)> then);
    void refreshIfDue(std::function<void(bool)> then);
    QNetworkReply *start(const QByteArray &verb, QNetworkRequest &req, const QByteArray &body);
    void finish(QNetworkReply *reply, const std::function<void(const CloudResult &)> &done);
    static CloudResult resultOf(QNetworkReply *reply);

    const Endpoints &m_endpoints;
    Trace &m_trace;
    QNetworkAccessManager *m_net;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_idToken;
    QString m_refreshToken;
    QString m_uid;
    QString m_email;
    std::optional<bool> m_registered;
    QDateTime m_expiry;
    qint64 m_lifeMs = 0;
    int m_refreshAheadMs = 60000;
    // Requests waiting for a refresh under way.
    QList<std::function<void(bool)>> m_refreshWaiters;
    bool m_refreshing = false;
};

} // namespace cloud
} // namespace velmar
