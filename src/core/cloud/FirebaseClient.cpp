#include "core/cloud/FirebaseClient.h"

#include "core/cloud/CloudRecords.h"
#include "core/diagnostics/Trace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace velmar::cloud {

namespace {

QString joinUrl(const QString &base, const QString &tail)
{
    QString b = base;
    while (b.endsWith(u'/'))
        b.chop(1);
    return b + tail;
}

QByteArray encoded(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}

} // namespace

FirebaseClient::FirebaseClient(const Endpoints &endpoints, Trace &trace, QObject *parent)
    : QObject(parent), m_endpoints(endpoints), m_trace(trace), m_net(new QNetworkAccessManager(this))
{
}

// --- requests ---------------------------------------------------------------------

QNetworkReply *FirebaseClient::start(const QByteArray &verb, QNetworkRequest &req, const QByteArray &body)
{
    req.setTransferTimeout(m_timeoutMs);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return m_net->sendCustomRequest(req, verb, body);
}

CloudResult FirebaseClient::resultOf(QNetworkReply *reply)
{
    CloudResult r;
    r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
    // An answer may be any JSON value (null, a string, ...): read it as the
    // one element of an array. An empty answer is null.
    const QJsonDocument wrapped = QJsonDocument::fromJson("[" + body + "]");
    if (wrapped.isArray() && wrapped.array().size() <= 1)
        r.value = wrapped.array().isEmpty() ? QJsonValue() : wrapped.array().first();
    else
        r.value = QJsonValue(QJsonValue::Undefined);
    if (r.status == 0) {
        r.error = QStringLiteral("Error %1: ").arg(QLatin1String(kNoConnection)) + reply->errorString();
        return r;
    }
    if (r.status >= 200 && r.status < 300) {
        if (r.value.isUndefined()) {
            r.error = QStringLiteral("Respuesta ilegible del servidor");
            return r;
        }
        r.ok = true;
        return r;
    }
    // {"error":{"message":"EMAIL_NOT_FOUND"}} from the accounts, {"error":"..."} from the database.
    const QJsonValue e = r.value.toObject().value(QStringLiteral("error"));
    if (e.isObject())
        r.error = e.toObject().value(QStringLiteral("message")).toString();
    else if (e.isString())
        r.error = e.toString();
    if (r.error.isEmpty())
        r.error = QStringLiteral("HTTP %1").arg(r.status);
    return r;
}

void FirebaseClient::finish(QNetworkReply *reply, const std::function<void(const CloudResult &)> &done)
{
    connect(reply, &QNetworkReply::finished, this, [reply, done] {
        reply->deleteLater();
        done(resultOf(reply));
    });
}

// --- account ----------------------------------------------------------------------

void FirebaseClient::account(const QString &op, const QJsonObject &body, CloudCallback done)
{
    QUrl url(joinUrl(m_endpoints.cloudAuthBase, QStringLiteral("/v1/accounts:") + op));
    url.setQuery(QStringLiteral("key=") + QString::fromLatin1(encoded(m_endpoints.cloudApiKey)), QUrl::StrictMode);
    QNetworkRequest req(url);
    req.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    m_trace.write(QStringLiteral("Firebase : ") + op);
    QNetworkReply *reply = start("POST", req, QJsonDocument(body).toJson(QJsonDocument::Compact));
    finish(reply, [this, op, done](const CloudResult &r) {
        if (!r.ok)
            m_trace.write(QStringLiteral("Firebase : ") + op + QStringLiteral(" failed: ") + r.error, TraceColour::Red);
        done(r);
    });
}

void FirebaseClient::takeSession(const QJsonObject &a)
{
    m_idToken = a.value(QStringLiteral("idToken")).toString();
    m_refreshToken = a.value(QStringLiteral("refreshToken")).toString();
    m_uid = a.value(QStringLiteral("localId")).toString();
    m_email = a.value(QStringLiteral("email")).toString();
    const QJsonValue reg = a.value(QStringLiteral("registered"));
    m_registered = reg.isBool() ? std::optional<bool>(reg.toBool()) : std::nullopt;
    m_lifeMs = a.value(QStringLiteral("expiresIn")).toString().toLongLong() * 1000;
    m_expiry = QDateTime::currentDateTimeUtc().addMSecs(m_lifeMs);
}

void FirebaseClient::signIn(const QString &email, const QString &password, CloudCallback done)
{
    startSession(QStringLiteral("signInWithPassword"), email, password, std::move(done));
}

void FirebaseClient::signUp(const QString &email, const QString &password, CloudCallback done)
{
    startSession(QStringLiteral("signUp"), email, password, std::move(done));
}

void FirebaseClient::startSession(const QString &op, const QString &email, const QString &password,
                                  CloudCallback done)
{
    account(op,
            {{QStringLiteral("email"), email}, {QStringLiteral("password"), password},
             {QStringLiteral("returnSecureToken"), true}},
            [this, done](const CloudResult &r) {
                if (r.ok)
                    takeSession(r.value.toObject());
                done(r);
            });
}

void FirebaseClient::sendPasswordReset(const QString &email, CloudCallback done)
{
    account(QStringLiteral("sendOobCode"),
            {{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")}, {QStringLiteral("email"), email}},
            std::move(done));
}

void FirebaseClient::sendVerification(CloudCallback done)
{
    withToken(QStringLiteral("sendOobCode"), {{QStringLiteral("requestType"), QStringLiteral("VERIFY_EMAIL")}},
              std::move(done));
}

void FirebaseClient::lookup(CloudCallback done)
{
    withToken(QStringLiteral("lookup"), {}, [done](const CloudResult &r) {
        CloudResult user = r;
        if (r.ok)
            user.value = r.value.toObject().value(QStringLiteral("users")).toArray().first();
        done(user);
    });
}

void FirebaseClient::withToken(const QString &op, const QJsonObject &body, CloudCallback done, bool retried)
{
    refreshIfDue([this, op, body, done, retried](bool) {
        QJsonObject withId = body;
        withId.insert(QStringLiteral("idToken"), m_idToken);
        account(op, withId, [this, op, body, done, retried](const CloudResult &r) {
            // A token that ran out on its way (or was revoked): renewed once, asked again.
            const bool stale = r.error.contains(QLatin1String("TOKEN_EXPIRED"))
                               || r.error.contains(QLatin1String("INVALID_ID_TOKEN"));
            if (!r.ok && stale && !retried && !m_refreshToken.isEmpty()) {
                refresh([this, op, body, done, r](bool ok) {
                    if (ok)
                        withToken(op, body, done, true);
                    else
                        done(r);
                });
                return;
            }
            done(r);
        });
    });
}

void FirebaseClient::signOut()
{
    m_idToken.clear();
    m_refreshToken.clear();
    m_uid.clear();
    m_email.clear();
    m_registered.reset();
    m_expiry = {};
    emit signedOut();
}

bool FirebaseClient::tokenExpired() const
{
    if (m_idToken.isEmpty() || !m_expiry.isValid())
        return false;
    const qint64 ahead = qMin<qint64>(m_refreshAheadMs, m_lifeMs / 2);
    return QDateTime::currentDateTimeUtc().addMSecs(ahead) >= m_expiry;
}

void FirebaseClient::refreshIfDue(std::function<void(bool)> then)
{
    if (tokenExpired())
        refresh(std::move(then));
    else
        then(true);
}

void FirebaseClient::refresh(std::function<void(bool)> then)
{
    m_refreshWaiters.append(std::move(then));
    if (m_refreshing)
        return;
    m_refreshing = true;
    QUrl url(joinUrl(m_endpoints.cloudTokenBase, QStringLiteral("/v1/token")));
    url.setQuery(QStringLiteral("key=") + QString::fromLatin1(encoded(m_endpoints.cloudApiKey)), QUrl::StrictMode);
    QNetworkRequest req(url);
    req.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    const QByteArray body = "grant_type=refresh_token&refresh_token=" + encoded(m_refreshToken);
    m_trace.write(QStringLiteral("Firebase : token"));
    finish(start("POST", req, body), [this](const CloudResult &r) {
        m_refreshing = false;
        const QJsonObject a = r.value.toObject();
        const bool ok = r.ok && !a.value(QStringLiteral("id_token")).toString().isEmpty();
        if (ok) {
            m_idToken = a.value(QStringLiteral("id_token")).toString();
            m_refreshToken = a.value(QStringLiteral("refresh_token")).toString(m_refreshToken);
            m_lifeMs = a.value(QStringLiteral("expires_in")).toString().toLongLong() * 1000;
            m_expiry = QDateTime::currentDateTimeUtc().addMSecs(m_lifeMs);
            emit tokenRefreshed();
        } else {
            m_trace.write(QStringLiteral("Firebase : token failed: ") + r.error, TraceColour::Red);
        }
        const auto waiters = std::exchange(m_refreshWaiters, {});
        for (const auto &w : waiters)
            w(ok);
    });
}

void FirebaseClient::reach(const QUrl &url, std::function<void(bool)> done)
{
    QNetworkRequest req(url);
    finish(start("HEAD", req, {}), [done](const CloudResult &r) { done(r.status != 0); });
}

// --- database ---------------------------------------------------------------------

QUrl FirebaseClient::databaseUrl(const QString &path, const CloudQuery &query) const
{
    QString tail;
    for (const QString &level : GetRTDBPath(path))
        tail += u'/' + QString::fromLatin1(encoded(level));
    if (tail.isEmpty())
        tail = QStringLiteral("/"); // the root is "/.json"
    QUrl url(joinUrl(m_endpoints.cloudDatabaseUrl, tail + QStringLiteral(".json")), QUrl::StrictMode);
    QStringList items;
    for (const auto &[name, value] : query)
        items << QString::fromLatin1(encoded(name)) + u'=' + QString::fromLatin1(encoded(value));
    if (!items.isEmpty())
        url.setQuery(items.join(u'&'), QUrl::StrictMode);
    return url;
}

void FirebaseClient::get(const QString &path, const CloudQuery &query, CloudCallback done)
{
    database({"GET", path, query, {}, std::move(done)});
}

void FirebaseClient::patch(const QString &path, const QJsonObject &body, CloudCallback done)
{
    database({"PATCH", path, {}, QJsonDocument(body).toJson(QJsonDocument::Compact), std::move(done)});
}

void FirebaseClient::post(const QString &path, const QJsonObject &body, CloudCallback done)
{
    database({"POST", path, {}, QJsonDocument(body).toJson(QJsonDocument::Compact), std::move(done)});
}

void FirebaseClient::remove(const QString &path, CloudCallback done)
{
    database({"DELETE", path, {}, {}, std::move(done)});
}

void FirebaseClient::database(Request request)
{
    refreshIfDue([this, request](bool) { send(request); });
}

void FirebaseClient::send(Request request)
{
    CloudQuery query = request.query;
    if (!m_idToken.isEmpty())
        query.append({QStringLiteral("auth"), m_idToken});
    QNetworkRequest req(databaseUrl(request.path, query));
    if (!request.body.isEmpty())
        req.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    // The trace shows the path, never the token in the address.
    m_trace.write(QString::fromLatin1(request.verb) + QStringLiteral(" : ") + GetRTDBPath(request.path).join(u'/'));
    finish(start(request.verb, req, request.body), [this, request](const CloudResult &r) {
        if (r.status == 401 && !request.retried && !m_refreshToken.isEmpty()) {
            // An expired or revoked token: one refresh, then the same request again.
            refresh([this, request, r](bool ok) {
                if (!ok) {
                    request.done(r);
                    return;
                }
                Request again = request;
                again.retried = true;
                send(again);
            });
            return;
        }
        if (!r.ok)
            m_trace.write(QString::fromLatin1(request.verb) + QStringLiteral(" ") + GetRTDBPath(request.path).join(u'/')
                              + QStringLiteral(" failed: ") + r.error,
                          TraceColour::Red);
        request.done(r);
    });
}

} // namespace velmar::cloud
