#include "CloudServer.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QPointer>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>

namespace velmar::sim {

namespace {

constexpr int kDrainMs = 300;

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    case 500: return "Internal Server Error";
    case 501: return "Not Implemented";
    default: return "Status";
    }
}

QByteArray responseBytes(const CloudServer::Response &r, bool keepAlive)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + reason(r.status) + "\r\n";
    if (r.status != 204)
        out += "Content-Type: application/json; charset=utf-8\r\n";
    out += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    out += "Cache-Control: no-cache\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    return out + r.body;
}

bool isToken(const QByteArray &s)
{
    if (s.isEmpty())
        return false;
    for (char c : s)
        if (c <= ' ' || c >= 127 || QByteArrayView("()<>@,;:\\\"/[]?={}").contains(c))
            return false;
    return true;
}

CloudServer::Response fromAccounts(const CloudAccounts::Answer &a)
{
    return {a.status, a.body};
}

CloudAccounts::Options accountOptions(const CloudServerOptions &o)
{
    CloudAccounts::Options a;
    a.tokenTtlSeconds = o.tokenTtlSeconds;
    a.enumerationProtection = o.enumerationProtection;
    a.apiKey = o.apiKey;
    return a;
}

const QByteArray kDenied = CloudDatabase::errorBody(QStringLiteral("Permission denied"));

} // namespace

bool HttpRequest::keepAlive() const
{
    const QByteArray c = headers.value("connection").toLower();
    return http10 ? c.contains("keep-alive") : !c.contains("close");
}

HttpRequestReader::Result HttpRequestReader::take(QByteArray &buf, HttpRequest *out, QString *why)
{
    // Blank lines before a request are allowed.
    qsizetype start = 0;
    while (start < buf.size() && (buf[start] == '\r' || buf[start] == '\n'))
        ++start;
    const qsizetype end = buf.indexOf("\r\n\r\n", start);
    if (end < 0) {
        if (buf.size() - start > kMaxHead) {
            *why = QStringLiteral("request head too long");
            return Result::Bad;
        }
        return Result::Incomplete;
    }
    if (end - start > kMaxHead) {
        *why = QStringLiteral("request head too long");
        return Result::Bad;
    }
    const QList<QByteArray> lines = buf.mid(start, end - start).split('\n');
    HttpRequest r;
    const QList<QByteArray> first = lines[0].trimmed().split(' ');
    if (first.size() != 3 || !isToken(first[0]) || !first[1].startsWith('/')
        || (first[2] != "HTTP/1.1" && first[2] != "HTTP/1.0")) {
        *why = QStringLiteral("bad request line");
        return Result::Bad;
    }
    r.method = first[0];
    r.target = first[1];
    r.http10 = first[2] == "HTTP/1.0";
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon))) {
            *why = QStringLiteral("bad header line");
            return Result::Bad;
        }
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (r.headers.contains(name) && name == "content-length" && r.headers.value(name) != value) {
            *why = QStringLiteral("two different lengths");
            return Result::Bad;
        }
        r.headers.insert(name, value);
    }
    if (r.headers.contains("transfer-encoding")) {
        *why = QStringLiteral("chunked bodies are not taken");
        return Result::Bad;
    }
    qint64 length = 0;
    if (r.headers.contains("content-length")) {
        const QByteArray v = r.headers.value("content-length");
        bool ok = !v.isEmpty();
        for (char c : v)
            ok = ok && c >= '0' && c <= '9';
        length = ok && v.size() <= 12 ? v.toLongLong(&ok) : -1;
        if (!ok || length < 0 || length > kMaxBody) {
            *why = QStringLiteral("bad or too large Content-Length");
            return Result::Bad;
        }
    }
    const qsizetype bodyAt = end + 4;
    if (buf.size() - bodyAt < length)
        return Result::Incomplete;
    r.body = buf.mid(bodyAt, length);
    buf.remove(0, bodyAt + length);
    *out = std::move(r);
    return Result::Done;
}

// One client: requests are answered one after the other, in order.
class CloudServer::Connection : public QObject {
public:
    Connection(QTcpSocket *socket, CloudServer &server) : QObject(socket), m_socket(socket), m_server(server)
    {
        connect(socket, &QTcpSocket::readyRead, this, [this] { onRead(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void onRead()
    {
        if (m_closing) {
            m_socket->readAll();
            return;
        }
        m_buf += m_socket->readAll();
        next();
    }

    void next()
    {
        while (!m_busy && !m_closing) {
            HttpRequest r;
            QString why;
            const HttpRequestReader::Result res = HttpRequestReader::take(m_buf, &r, &why);
            if (res == HttpRequestReader::Result::Incomplete)
                return;
            if (res == HttpRequestReader::Result::Bad) {
                // The stream cannot be trusted past a bad request: answer and
                // close. What the client still sends is read and dropped for a
                // moment first, so that the close does not reset the answer away.
                m_closing = true;
                m_buf.clear();
                m_socket->write(responseBytes({400, CloudDatabase::errorBody(QStringLiteral("Bad request: ") + why)},
                                              false));
                QTimer::singleShot(kDrainMs, m_socket, [s = m_socket] { s->disconnectFromHost(); });
                return;
            }
            m_busy = true;
            if (m_server.m_options.slowMs > 0) {
                QTimer::singleShot(m_server.m_options.slowMs, this, [this, r] { answer(r); });
                return;
            }
            answer(r);
        }
    }

    void answer(const HttpRequest &r)
    {
        const bool keep = r.keepAlive();
        m_socket->write(responseBytes(m_server.handle(r), keep));
        m_busy = false;
        if (!keep) {
            m_closing = true;
            m_socket->disconnectFromHost();
            return;
        }
        next();
    }

    QTcpSocket *m_socket;
    CloudServer &m_server;
    QByteArray m_buf;
    bool m_busy = false;
    bool m_closing = false;
};

CloudServer::CloudServer(CloudServerOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options)),
      m_accounts(accountOptions(m_options))
{
}

bool CloudServer::parse(const QStringList &args, CloudServerOptions *o, bool *help, QString *error)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Loopback emulator of the cloud project: e-mail/password accounts and the JSON database.\n"
        "The first line on standard output is \"velmar-sim: cloud port P\"."));
    const QCommandLineOption helpOpt({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port on 127.0.0.1; 0 picks a free one."),
                                  QStringLiteral("P"));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("JSON file of accounts and tree, loaded at start and rewritten "
                                                 "after each change."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption mailLog(QStringLiteral("mail-log"),
                                     QStringLiteral("Append each e-mail the service sends as one JSON line."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption ttl(QStringLiteral("token-ttl"),
                                 QStringLiteral("Lifetime of an ID token (default 3600)."), QStringLiteral("SECONDS"));
    const QCommandLineOption protect(QStringLiteral("enumeration-protection"),
                                     QStringLiteral("Sign-in failures answer INVALID_LOGIN_CREDENTIALS."));
    const QCommandLineOption apiKey(QStringLiteral("api-key"),
                                    QStringLiteral("Only this API key is taken (default: any)."), QStringLiteral("KEY"));
    const QCommandLineOption down(QStringLiteral("down"), QStringLiteral("Fault: close every connection at once."));
    const QCommandLineOption slow(QStringLiteral("slow"), QStringLiteral("Fault: delay each answer."),
                                  QStringLiteral("MS"));
    const QCommandLineOption failEvery(QStringLiteral("fail-every"),
                                       QStringLiteral("Fault: every N-th request answers HTTP 500."),
                                       QStringLiteral("N"));
    p.addOptions({helpOpt, port, data, mailLog, ttl, protect, apiKey, down, slow, failEvery});
    if (!p.parse(args)) {
        *error = p.errorText();
        return false;
    }
    if (p.isSet(helpOpt)) {
        *help = true;
        const QString text = p.helpText();
        *error = QStringLiteral("Usage: velmar-sim cloud --port P [options]") + text.mid(text.indexOf(u'\n'));
        return true;
    }
    if (!p.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected \"%1\"").arg(p.positionalArguments().join(u' '));
        return false;
    }
    if (!p.isSet(port)) {
        *error = QStringLiteral("cloud needs --port");
        return false;
    }
    bool ok = false;
    const int pn = p.value(port).toInt(&ok);
    if (!ok || pn < 0 || pn > 65535) {
        *error = QStringLiteral("--port wants a number 0..65535");
        return false;
    }
    o->port = quint16(pn);
    o->dataPath = p.value(data);
    o->mailLogPath = p.value(mailLog);
    o->enumerationProtection = p.isSet(protect);
    o->apiKey = p.value(apiKey);
    o->down = p.isSet(down);
    for (const auto &[opt, into, min] : {std::tuple{&ttl, &o->tokenTtlSeconds, 1}, std::tuple{&slow, &o->slowMs, 0},
                                         std::tuple{&failEvery, &o->failEvery, 1}}) {
        if (!p.isSet(*opt))
            continue;
        *into = p.value(*opt).toInt(&ok);
        if (!ok || *into < min) {
            *error = QStringLiteral("--%1 wants a number, at least %2").arg(opt->names().first()).arg(min);
            return false;
        }
    }
    return true;
}

bool CloudServer::start(QString *error)
{
    if (!load(error))
        return false;
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            if (m_options.down) {
                s->abort();
                s->deleteLater();
                continue;
            }
            new Connection(s, *this);
        }
    });
    if (!m_server.listen(QHostAddress::LocalHost, m_options.port)) {
        *error = QStringLiteral("cannot listen on port %1: %2").arg(m_options.port).arg(m_server.errorString());
        return false;
    }
    m_accounts.setLinkBase(QStringLiteral("http://127.0.0.1:%1").arg(port()));
    return true;
}

bool CloudServer::load(QString *error)
{
    if (m_options.dataPath.isEmpty())
        return true;
    QFile f(m_options.dataPath);
    if (!f.exists())
        return true; // made at the first change
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(m_options.dataPath, f.errorString());
        return false;
    }
    QJsonParseError pe;
    const QJsonDocument d = QJsonDocument::fromJson(f.readAll(), &pe);
    if (pe.error != QJsonParseError::NoError || !d.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(m_options.dataPath, pe.errorString());
        return false;
    }
    const QJsonObject o = d.object();
    QString why;
    if (!m_accounts.load(o, &why)) {
        *error = QStringLiteral("%1: %2").arg(m_options.dataPath, why);
        return false;
    }
    m_db.setRoot(o.value(QStringLiteral("database")).toObject());
    return true;
}

void CloudServer::save()
{
    if (m_options.dataPath.isEmpty())
        return;
    QJsonObject o = m_accounts.save();
    o.insert(QStringLiteral("database"), m_db.root());
    // A crash or a full disk mid-write must leave the previous file whole.
    QSaveFile f(m_options.dataPath);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(o).toJson(QJsonDocument::Indented)) < 0 || !f.commit())
        qWarning("velmar-sim: cannot write %s: %s", qPrintable(m_options.dataPath), qPrintable(f.errorString()));
}

void CloudServer::appendMailLog(qsizetype from)
{
    const QJsonArray mails = m_accounts.mails();
    if (m_options.mailLogPath.isEmpty() || from >= mails.size())
        return;
    QFile f(m_options.mailLogPath);
    if (!f.open(QIODevice::Append)) {
        qWarning("velmar-sim: cannot write %s", qPrintable(m_options.mailLogPath));
        return;
    }
    for (qsizetype i = from; i < mails.size(); ++i)
        f.write(QJsonDocument(mails.at(i).toObject()).toJson(QJsonDocument::Compact) + '\n');
}

CloudServer::Response CloudServer::handle(const HttpRequest &r)
{
    const qsizetype q = r.target.indexOf('?');
    const QString path = QUrl::fromPercentEncoding(r.target.left(q < 0 ? r.target.size() : q));
    const QUrlQuery query(QString::fromUtf8(q < 0 ? QByteArray() : r.target.mid(q + 1)));
    if (path.startsWith(QLatin1String("/_admin/")))
        return admin(path.mid(8), query);
    if (m_options.failEvery > 0 && ++m_requests % m_options.failEvery == 0)
        return {500, CloudDatabase::errorBody(QStringLiteral("Internal server error"))};

    const QString key = query.queryItemValue(QStringLiteral("key"), QUrl::FullyDecoded);
    const qsizetype op = path.indexOf(QLatin1String("/v1/accounts:"));
    if (op >= 0 || path.endsWith(QLatin1String("/v1/token"))) {
        if (r.method != "POST")
            return {405, CloudDatabase::errorBody(QStringLiteral("Method not allowed"))};
        const qsizetype mailsBefore = m_accounts.mails().size();
        const CloudAccounts::Answer a =
            op >= 0 ? m_accounts.accounts(path.mid(op + 13), key, r.body)
                    : m_accounts.token(key, r.body,
                                       r.headers.value("content-type").startsWith("application/x-www-form-urlencoded")
                                           || !r.body.trimmed().startsWith('{'));
        appendMailLog(mailsBefore);
        if (a.changed)
            save();
        return fromAccounts(a);
    }
    if (path.endsWith(QLatin1String(".json")))
        return database(r, path.chopped(5), query);
    return {404, CloudDatabase::errorBody(QStringLiteral("Not Found"))};
}

bool CloudServer::mayWriteUnsigned(const QByteArray &method, const QStringList &path, const QByteArray &body) const
{
    // A module writes its own record and events without an account; what the
    // program keeps under the record (users, telephones) stays signed-in only.
    const auto programOwned = [](const QString &member) {
        return member == QLatin1String("Users") || member == QLatin1String("MobileNumbers");
    };
    if (method == "POST")
        return path.size() == 2 && path[0] == QLatin1String("Events");
    if (path.size() < 2 || path[0] != QLatin1String("Equipments"))
        return false;
    if (path.size() > 2)
        return (method == "PUT" || method == "PATCH") && !programOwned(path[2]);
    if (method != "PATCH")
        return false;
    const std::optional<QJsonValue> v = CloudDatabase::parseJson(body);
    if (!v || !v->isObject())
        return true; // refused as bad data anyway
    const QJsonObject o = v->toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
        if (programOwned(it.key().section(u'/', 0, 0, QString::SectionSkipEmpty)))
            return false;
    return true;
}

CloudServer::Response CloudServer::database(const HttpRequest &r, const QString &path, const QUrlQuery &query)
{
    QByteArray method = r.method;
    if (method == "POST" && r.headers.contains("x-http-method-override"))
        method = r.headers.value("x-http-method-override").toUpper();
    QStringList levels;
    QString error;
    if (!CloudDatabase::splitPath(path, &levels, &error))
        return {400, CloudDatabase::errorBody(error)};

    const QString token = query.queryItemValue(QStringLiteral("auth"), QUrl::FullyDecoded);
    const bool signedIn = !token.isEmpty() && !m_accounts.uidOf(token).isEmpty();
    const bool write = method == "PUT" || method == "PATCH" || method == "POST" || method == "DELETE";
    if (!signedIn && !(token.isEmpty() && write && mayWriteUnsigned(method, levels, r.body)))
        return {401, kDenied};

    CloudDatabase::Answer a;
    if (method == "GET")
        a = m_db.get(levels, query);
    else if (method == "PUT")
        a = m_db.put(levels, r.body);
    else if (method == "PATCH")
        a = m_db.patch(levels, r.body);
    else if (method == "POST")
        a = m_db.post(levels, r.body);
    else if (method == "DELETE")
        a = m_db.remove(levels);
    else
        return {405, CloudDatabase::errorBody(QStringLiteral("Method not allowed"))};
    if (a.changed)
        save();
    if (a.status == 200 && query.queryItemValue(QStringLiteral("print")) == QLatin1String("silent"))
        return {204, {}};
    return {a.status, a.body};
}

CloudServer::Response CloudServer::admin(const QString &path, const QUrlQuery &query)
{
    if (path == QLatin1String("mails"))
        return {200, QJsonDocument(m_accounts.mails()).toJson(QJsonDocument::Compact)};
    if (path == QLatin1String("oob")) {
        if (!m_accounts.applyLink(query.queryItemValue(QStringLiteral("oobCode"), QUrl::FullyDecoded)))
            return {400, CloudDatabase::errorBody(QStringLiteral("INVALID_OOB_CODE"))};
        save();
        return {200, QJsonDocument(QJsonObject{{QStringLiteral("verified"), true}}).toJson(QJsonDocument::Compact)};
    }
    return {404, CloudDatabase::errorBody(QStringLiteral("Not Found"))};
}

} // namespace velmar::sim
