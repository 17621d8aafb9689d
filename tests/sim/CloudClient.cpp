#include "CloudClient.h"

#include "support/Wait.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

using velmar::test::SimProcess;

CloudSim::CloudSim(const QStringList &extraArgs) : m_args(extraArgs)
{
    restart();
}

bool CloudSim::restart()
{
    m_proc.reset();
    m_port = 0;
    m_nam.clearConnectionCache();
    m_proc = std::make_unique<SimProcess>(
        QStringList{QStringLiteral("cloud"), QStringLiteral("--port"), QStringLiteral("0")} + m_args,
        SimProcess::Launch::AsGiven);
    // "cloud port P"
    const QStringList words = m_proc->readyLine().split(u' ');
    if (m_proc->ok() && words.size() == 3 && words[0] == QLatin1String("cloud"))
        m_port = quint16(words[2].toUInt());
    return ok();
}

QJsonValue CloudSim::Reply::json() const
{
    const QJsonDocument d = QJsonDocument::fromJson("[" + body + "]");
    return d.isArray() && d.array().size() == 1 ? d.array().at(0) : QJsonValue(QJsonValue::Undefined);
}

QString CloudSim::Reply::errorCode() const
{
    return json()[QStringLiteral("error")][QStringLiteral("message")].toString().section(QStringLiteral(" : "), 0, 0);
}

CloudSim::Reply CloudSim::call(const QByteArray &method, const QString &pathAndQuery, const QByteArray &body,
                               const QByteArray &contentType)
{
    QNetworkRequest req(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(pathAndQuery)));
    req.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    QNetworkReply *r = m_nam.sendCustomRequest(req, method, body);
    velmar::test::waitFor([r] { return r->isFinished(); }, 20000);
    Reply out;
    if (r->isFinished()) {
        out.status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        out.body = r->readAll();
    } else {
        r->abort();
    }
    r->deleteLater();
    return out;
}

CloudSim::Reply CloudSim::auth(const QString &op, const QJsonObject &body)
{
    return call("POST", QStringLiteral("/v1/accounts:%1?key=test-key").arg(op),
                QJsonDocument(body).toJson(QJsonDocument::Compact));
}

CloudSim::Reply CloudSim::db(const QByteArray &method, const QString &path, const QString &token,
                             const QByteArray &body, const QString &query)
{
    QString q = token.isEmpty() ? QString() : QStringLiteral("auth=") + token;
    if (!query.isEmpty())
        q += (q.isEmpty() ? QString() : QStringLiteral("&")) + query;
    return call(method, QStringLiteral("/%1.json%2").arg(path, q.isEmpty() ? QString() : u'?' + q), body);
}

QJsonObject CloudSim::signUp(const QString &email, const QString &password)
{
    return auth(QStringLiteral("signUp"), {{QStringLiteral("email"), email},
                                           {QStringLiteral("password"), password},
                                           {QStringLiteral("returnSecureToken"), true}})
        .json()
        .toObject();
}

QJsonObject CloudSim::signIn(const QString &email, const QString &password)
{
    return auth(QStringLiteral("signInWithPassword"), {{QStringLiteral("email"), email},
                                                       {QStringLiteral("password"), password},
                                                       {QStringLiteral("returnSecureToken"), true}})
        .json()
        .toObject();
}
