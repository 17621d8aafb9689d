// "velmar-sim cloud" seen from a plain HTTP client: accounts, tokens, the
// JSON tree and its queries, persistence, faults and bad HTTP.

#include "CloudClient.h"
#include "SimLine.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>

using velmar::test::waitFor;

namespace {

#define START_CLOUD(name, ...)                                                                     \
    CloudSim name(QStringList{__VA_ARGS__});                                                       \
    ASSERT_TRUE(name.ok()) << name.errorText().toStdString()

QString idToken(const QJsonObject &signedIn)
{
    return signedIn.value(QStringLiteral("idToken")).toString();
}

QJsonObject obj(std::initializer_list<QPair<QString, QJsonValue>> members)
{
    return QJsonObject(members);
}

QByteArray text(const QJsonValue &v)
{
    return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

// Raw bytes on one connection; reads until `until` answers have come.
struct RawConnection {
    explicit RawConnection(quint16 port)
    {
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        ok = socket.waitForConnected(10000);
    }
    void send(const QByteArray &b)
    {
        socket.write(b);
        socket.flush();
        waitFor([&] { return socket.bytesToWrite() == 0; }, 10000);
    }
    // Waits for n whole responses (or the close) and answers what came.
    QByteArray readResponses(int n)
    {
        waitFor(
            [&] {
                got += socket.readAll();
                return wholeResponses(got) >= n || socket.state() == QAbstractSocket::UnconnectedState;
            },
            20000);
        got += socket.readAll();
        return got;
    }
    static int wholeResponses(const QByteArray &b)
    {
        int n = 0;
        qsizetype at = 0;
        for (;;) {
            const qsizetype end = b.indexOf("\r\n\r\n", at);
            if (end < 0)
                return n;
            const qsizetype cl = b.indexOf("Content-Length: ", at);
            const qsizetype length = cl >= 0 && cl < end ? b.mid(cl + 16, b.indexOf("\r\n", cl) - cl - 16).toLongLong() : 0;
            if (b.size() < end + 4 + length)
                return n;
            ++n;
            at = end + 4 + length;
        }
    }
    QTcpSocket socket;
    QByteArray got;
    bool ok = false;
};

} // namespace

TEST(CloudAuth, SignUpSignInAndLookupAgree)
{
    START_CLOUD(cloud);
    const QJsonObject up = cloud.signUp(QStringLiteral("Ana@Example.com"), QStringLiteral("secret1"));
    ASSERT_FALSE(idToken(up).isEmpty()) << text(up).toStdString();
    EXPECT_EQ(up.value(QStringLiteral("email")).toString(), QStringLiteral("ana@example.com"));
    EXPECT_EQ(up.value(QStringLiteral("expiresIn")).toString(), QStringLiteral("3600"));
    EXPECT_FALSE(up.value(QStringLiteral("refreshToken")).toString().isEmpty());

    const QJsonObject in = cloud.signIn(QStringLiteral("ana@example.com"), QStringLiteral("secret1"));
    EXPECT_EQ(in.value(QStringLiteral("localId")), up.value(QStringLiteral("localId")));
    EXPECT_EQ(in.value(QStringLiteral("registered")), QJsonValue(true));

    const CloudSim::Reply look = cloud.auth(QStringLiteral("lookup"), {{QStringLiteral("idToken"), idToken(in)}});
    ASSERT_EQ(look.status, 200) << look.body.toStdString();
    const QJsonObject user = look.json()[QStringLiteral("users")][0].toObject();
    EXPECT_EQ(user.value(QStringLiteral("localId")), up.value(QStringLiteral("localId")));
    EXPECT_EQ(user.value(QStringLiteral("emailVerified")), QJsonValue(false));
}

TEST(CloudAuth, RefusalsCarryTheirCodes)
{
    START_CLOUD(cloud);
    START_CLOUD(protectedCloud, QStringLiteral("--enumeration-protection"));
    for (CloudSim *c : {&cloud, &protectedCloud})
        ASSERT_FALSE(idToken(c->signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1"))).isEmpty());
    struct Case {
        const char *what;
        CloudSim *server;
        const char *op;
        QJsonObject body;
        const char *code;
    };
    const auto creds = [](const char *email, const char *password) {
        return QJsonObject{{QStringLiteral("email"), QLatin1String(email)},
                           {QStringLiteral("password"), QLatin1String(password)}};
    };
    const Case cases[] = {
        {"address taken", &cloud, "signUp", creds("ANA@example.com", "other12"), "EMAIL_EXISTS"},
        {"five characters", &cloud, "signUp", creds("bea@example.com", "12345"), "WEAK_PASSWORD"},
        {"not an address", &cloud, "signUp", creds("bea.example.com", "secret1"), "INVALID_EMAIL"},
        {"unknown address", &cloud, "signInWithPassword", creds("bea@example.com", "secret1"), "EMAIL_NOT_FOUND"},
        {"wrong password", &cloud, "signInWithPassword", creds("ana@example.com", "secret2"), "INVALID_PASSWORD"},
        {"unknown, protected", &protectedCloud, "signInWithPassword", creds("bea@example.com", "secret1"),
         "INVALID_LOGIN_CREDENTIALS"},
        {"wrong, protected", &protectedCloud, "signInWithPassword", creds("ana@example.com", "secret2"),
         "INVALID_LOGIN_CREDENTIALS"},
        {"reset for nobody", &cloud, "sendOobCode",
         {{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")},
          {QStringLiteral("email"), QStringLiteral("bea@example.com")}},
         "EMAIL_NOT_FOUND"},
        {"lookup with a forged token", &cloud, "lookup", {{QStringLiteral("idToken"), QStringLiteral("a.b.c")}},
         "INVALID_ID_TOKEN"},
        {"unknown operation", &cloud, "fly", {}, "Method not found."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CloudSim::Reply r = c.server->auth(QLatin1String(c.op), c.body);
        EXPECT_EQ(r.status, QLatin1String(c.op) == QLatin1String("fly") ? 404 : 400) << r.body.toStdString();
        EXPECT_EQ(r.errorCode(), QLatin1String(c.code)) << r.body.toStdString();
    }
    // A protected project does not tell whether a reset went to an account.
    const CloudSim::Reply reset = protectedCloud.auth(
        QStringLiteral("sendOobCode"), {{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")},
                                        {QStringLiteral("email"), QStringLiteral("bea@example.com")}});
    EXPECT_EQ(reset.status, 200) << reset.body.toStdString();
}

TEST(CloudAuth, RepeatedWrongPasswordsLockTheAccountUntilReset)
{
    START_CLOUD(cloud);
    ASSERT_FALSE(idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1"))).isEmpty());
    for (int i = 0; i < 5; ++i)
        cloud.signIn(QStringLiteral("ana@example.com"), QStringLiteral("wrong!!"));
    const CloudSim::Reply locked = cloud.auth(QStringLiteral("signInWithPassword"),
                                              {{QStringLiteral("email"), QStringLiteral("ana@example.com")},
                                               {QStringLiteral("password"), QStringLiteral("secret1")}});
    EXPECT_EQ(locked.errorCode(), QStringLiteral("TOO_MANY_ATTEMPTS_TRY_LATER"));

    // The reset e-mail's code sets a new password and lifts the lock.
    ASSERT_EQ(cloud.auth(QStringLiteral("sendOobCode"), {{QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")},
                                                         {QStringLiteral("email"), QStringLiteral("ana@example.com")}})
                  .status,
              200);
    const QJsonArray mails = cloud.call("GET", QStringLiteral("/_admin/mails")).json().toArray();
    ASSERT_EQ(mails.size(), 1);
    const QString code = mails[0][QStringLiteral("oobCode")].toString();
    const CloudSim::Reply reset = cloud.auth(
        QStringLiteral("resetPassword"),
        {{QStringLiteral("oobCode"), code}, {QStringLiteral("newPassword"), QStringLiteral("secret9")}});
    EXPECT_EQ(reset.status, 200) << reset.body.toStdString();
    EXPECT_FALSE(idToken(cloud.signIn(QStringLiteral("ana@example.com"), QStringLiteral("secret9"))).isEmpty());
    EXPECT_TRUE(idToken(cloud.signIn(QStringLiteral("ana@example.com"), QStringLiteral("secret1"))).isEmpty());
    // A code serves once.
    EXPECT_EQ(cloud.auth(QStringLiteral("resetPassword"),
                         {{QStringLiteral("oobCode"), code}, {QStringLiteral("newPassword"), QStringLiteral("secret8")}})
                  .errorCode(),
              QStringLiteral("INVALID_OOB_CODE"));
}

TEST(CloudAuth, VerificationMailIsLoggedAndItsLinkVerifies)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("mails.jsonl"));
    START_CLOUD(cloud, QStringLiteral("--mail-log"), log);
    const QString token = idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1")));
    const CloudSim::Reply sent = cloud.auth(
        QStringLiteral("sendOobCode"),
        {{QStringLiteral("requestType"), QStringLiteral("VERIFY_EMAIL")}, {QStringLiteral("idToken"), token}});
    ASSERT_EQ(sent.status, 200) << sent.body.toStdString();
    EXPECT_EQ(sent.json()[QStringLiteral("email")].toString(), QStringLiteral("ana@example.com"));

    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1);
    const QJsonObject mail = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(mail.value(QStringLiteral("requestType")).toString(), QStringLiteral("VERIFY_EMAIL"));
    EXPECT_EQ(mail.value(QStringLiteral("email")).toString(), QStringLiteral("ana@example.com"));

    const QString link = mail.value(QStringLiteral("link")).toString();
    ASSERT_TRUE(link.startsWith(QStringLiteral("http://127.0.0.1:%1/").arg(cloud.port()))) << link.toStdString();
    EXPECT_EQ(cloud.call("GET", link.mid(link.indexOf(QStringLiteral("/_admin")))).status, 200);
    const CloudSim::Reply look = cloud.auth(QStringLiteral("lookup"), {{QStringLiteral("idToken"), token}});
    EXPECT_EQ(look.json()[QStringLiteral("users")][0][QStringLiteral("emailVerified")], QJsonValue(true));
}

TEST(CloudAuth, AnExpiredTokenIsRefusedAndARefreshedOneWorks)
{
    START_CLOUD(cloud, QStringLiteral("--token-ttl"), QStringLiteral("2"));
    const QJsonObject up = cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1"));
    const QString token = idToken(up);
    ASSERT_FALSE(token.isEmpty());
    EXPECT_EQ(up.value(QStringLiteral("expiresIn")).toString(), QStringLiteral("2"));
    // The token runs out within two seconds; wait for the refusal itself.
    CloudSim::Reply r;
    EXPECT_TRUE(waitFor([&] { return (r = cloud.db("GET", QStringLiteral("Versions"), token)).status == 401; }, 20000));
    EXPECT_EQ(r.json(), QJsonValue(obj({{QStringLiteral("error"), QStringLiteral("Permission denied")}})));

    struct Case {
        const char *what;
        QByteArray body;
        QByteArray contentType;
        const char *code; // "" for success
    };
    const QByteArray refresh = up.value(QStringLiteral("refreshToken")).toString().toUtf8();
    const Case cases[] = {
        {"form", "grant_type=refresh_token&refresh_token=" + refresh, "application/x-www-form-urlencoded", ""},
        {"json", R"({"grant_type":"refresh_token","refresh_token":")" + refresh + "\"}", "application/json", ""},
        {"unknown token", "grant_type=refresh_token&refresh_token=nope", "application/x-www-form-urlencoded",
         "INVALID_REFRESH_TOKEN"},
        {"no token", "grant_type=refresh_token", "application/x-www-form-urlencoded", "MISSING_REFRESH_TOKEN"},
        {"other grant", "grant_type=password&refresh_token=" + refresh, "application/x-www-form-urlencoded",
         "INVALID_GRANT_TYPE"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CloudSim::Reply t = cloud.call("POST", QStringLiteral("/v1/token?key=k"), c.body, c.contentType);
        if (*c.code) {
            EXPECT_EQ(t.status, 400);
            EXPECT_EQ(t.errorCode(), QLatin1String(c.code)) << t.body.toStdString();
            continue;
        }
        ASSERT_EQ(t.status, 200) << t.body.toStdString();
        const QJsonObject o = t.json().toObject();
        EXPECT_EQ(o.value(QStringLiteral("user_id")), up.value(QStringLiteral("localId")));
        EXPECT_EQ(o.value(QStringLiteral("refresh_token")).toString().toUtf8(), refresh);
        // A fresh token opens the tree again (fetched anew should it have
        // run out already on a loaded machine).
        QString fresh = o.value(QStringLiteral("id_token")).toString();
        CloudSim::Reply w;
        for (int attempt = 0; attempt < 3; ++attempt) {
            w = cloud.db("PUT", QStringLiteral("Versions/PCBlockingCondition"), fresh, "\"false\"");
            if (w.status != 401)
                break;
            fresh = cloud.call("POST", QStringLiteral("/v1/token?key=k"), c.body, c.contentType)
                        .json()[QStringLiteral("id_token")]
                        .toString();
        }
        EXPECT_EQ(w.status, 200) << w.body.toStdString();
    }
}

TEST(CloudDatabase, WritesNeedATokenExceptAModulesOwnRecord)
{
    START_CLOUD(cloud);
    const QString token = idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1")));
    struct Case {
        const char *what;
        QByteArray method;
        const char *path;
        QString token;
        QByteArray body;
        int status;
    };
    const QString forged = token.chopped(2) + QStringLiteral("xx");
    const Case cases[] = {
        {"module patches its record", "PATCH", "Equipments/1000123", {}, R"({"Connection":"ONLINE","gsmStat":"18"})", 200},
        {"module puts one member", "PUT", "Equipments/1000123/gsmStat", {}, R"("20")", 200},
        {"module posts an event", "POST", "Events/1000123", {}, R"({"EventId":"8100"})", 200},
        {"no token: user rights", "PATCH", "Equipments/1000123", {}, R"({"Users/abc":true})", 401},
        {"no token: telephones", "PUT", "Equipments/1000123/MobileNumbers/600", {}, R"({"Enabled":true})", 401},
        {"no token: whole list", "PUT", "Equipments", {}, R"({"x":{"a":"1"}})", 401},
        {"no token: read", "GET", "Equipments/1000123", {}, {}, 401},
        {"no token: delete", "DELETE", "Equipments/1000123", {}, {}, 401},
        {"no token: company", "PATCH", "Companies/ACME", {}, R"({"KeyCom":"123456"})", 401},
        {"forged token on a module path", "PATCH", "Equipments/1000123", forged, R"({"gsmStat":"1"})", 401},
        {"forged token read", "GET", "Equipments", forged, {}, 401},
        {"signed-in read", "GET", "Equipments/1000123/gsmStat", token, {}, 200},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CloudSim::Reply r = cloud.db(c.method, QLatin1String(c.path), c.token, c.body);
        EXPECT_EQ(r.status, c.status) << r.body.toStdString();
        if (c.status == 401) {
            EXPECT_EQ(r.body, QByteArray(R"({"error":"Permission denied"})"));
        }
    }
    const QJsonValue record = cloud.db("GET", QStringLiteral("Equipments/1000123"), token).json();
    EXPECT_EQ(record, QJsonValue(obj({{QStringLiteral("Connection"), QStringLiteral("ONLINE")},
                                      {QStringLiteral("gsmStat"), QStringLiteral("20")}})));
}

TEST(CloudDatabase, TreeOperationsAnswerAndStoreAsTheServiceDoes)
{
    START_CLOUD(cloud);
    const QString t = idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1")));
    struct Step {
        QByteArray method;
        const char *path;
        QByteArray body;
        int status;
        QByteArray answer; // "" = not checked
    };
    const QByteArray deepPath = QByteArray("a/").repeated(33) + "b";
    const QByteArray deepData = QByteArray(40, '[') + "1" + QByteArray(40, ']');
    const Step steps[] = {
        {"GET", "Nothing/here", {}, 200, "null"},
        {"PUT", "Companies/ACME", R"({"KeyCom":"abc123","NIF":"","Name":"ACME"})", 200,
         R"({"KeyCom":"abc123","NIF":"","Name":"ACME"})"},
        {"GET", "Companies/ACME/KeyCom", {}, 200, R"("abc123")"},
        // Members with "/" are paths below the node; the rest stays.
        {"PATCH", "Companies", R"({"ACME/LastAccessCom":"10/12/2026","ACME/Installers/Juan/KeyInstaller":"k2"})", 200,
         ""},
        {"GET", "Companies/ACME", {}, 200,
         R"({"Installers":{"Juan":{"KeyInstaller":"k2"}},"KeyCom":"abc123","LastAccessCom":"10/12/2026","NIF":"","Name":"ACME"})"},
        // Overlapping paths are refused whole: nothing of it is written.
        {"PATCH", "Companies/ACME", R"({"Name":"X","Installers/Juan":{"a":"1"},"Installers":{"b":"2"}})", 400, ""},
        {"GET", "Companies/ACME/Name", {}, 200, R"("ACME")"},
        // null removes; a parent left empty goes too.
        {"PATCH", "Companies/ACME/Installers/Juan", R"({"KeyInstaller":null})", 200, ""},
        {"GET", "Companies/ACME/Installers", {}, 200, "null"},
        {"PUT", "Versions/PCBlockingCondition", R"("false")", 200, R"("false")"},
        {"PUT", "List", R"(["a","b"])", 200, ""},
        {"GET", "List", {}, 200, R"(["a","b"])"},
        {"GET", "List/1", {}, 200, R"("b")"},
        {"DELETE", "Companies/ACME", {}, 200, "null"},
        {"GET", "Companies", {}, 200, "null"},
        {"GET", "Versions", {}, 200, R"({"PCBlockingCondition":"false"})"},
        // Bad data and bad keys.
        {"PUT", "x", "{not json", 400, ""},
        {"PATCH", "x", R"("a string")", 400, ""},
        {"PUT", "x", R"({"a.b":1})", 400, ""},
        {"PUT", "x", R"({"ok":{"$bad":1}})", 400, ""},
        {"GET", "a.b", {}, 400, ""},
        {"GET", "a[0]", {}, 400, ""},
        {"PUT", "x", "", 400, ""},
        {"FROB", "x", "", 405, ""},
        // No deeper than 32 levels, path and data together.
        {"PUT", deepPath.constData(), "1", 400, ""},
        {"PUT", "x", deepData, 400, ""},
        {"PATCH", "x/y", R"({"a/b":)" + deepData + "}", 400, ""},
        {"PUT", "x", QByteArray(30, '[') + "1" + QByteArray(30, ']'), 200, ""},
    };
    int i = 0;
    for (const Step &s : steps) {
        SCOPED_TRACE(QStringLiteral("step %1: %2 %3").arg(i++).arg(QLatin1String(s.method), QLatin1String(s.path)).toStdString());
        const CloudSim::Reply r = cloud.db(s.method, QLatin1String(s.path), t, s.body);
        EXPECT_EQ(r.status, s.status) << r.body.toStdString();
        if (!s.answer.isEmpty()) {
            const CloudSim::Reply want{0, s.answer};
            EXPECT_EQ(r.json(), want.json()) << r.body.toStdString();
        }
        if (s.status == 400) {
            EXPECT_TRUE(r.json()[QStringLiteral("error")].isString()) << r.body.toStdString();
        }
    }
    EXPECT_EQ(cloud.db("GET", QStringLiteral("x/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0"), t).body,
              QByteArray("1"));
}

TEST(CloudDatabase, QueriesFilterOrderAndLimit)
{
    START_CLOUD(cloud);
    const QString t = idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1")));
    const QByteArray events = R"({
        "e1": {"Created": "2026-01-03T10:00:00.000", "EventId": "77000"},
        "e2": {"Created": "2026-01-01T10:00:00.000", "EventId": "8100"},
        "e3": {"Created": "2026-01-02T10:00:00.000", "EventId": "77000"},
        "e4": {"EventId": "1"}
    })";
    ASSERT_EQ(cloud.db("PUT", QStringLiteral("Events/1000123"), t, events).status, 200);
    const QByteArray mixed = R"({"b": 2, "a": "x", "c": true, "d": {"z": 1}, "e": 1, "f": false, "10": 5, "9": 5})";
    ASSERT_EQ(cloud.db("PUT", QStringLiteral("Mixed"), t, mixed).status, 200);
    struct Case {
        const char *what;
        const char *path;
        const char *query;
        int status;
        QStringList keys; // the members answered, in any order
    };
    const Case cases[] = {
        {"last two by Created", "Events/1000123", R"(orderBy="Created"&limitToLast=2)", 200, {"e1", "e3"}},
        {"first two by Created (missing first)", "Events/1000123", R"(orderBy="Created"&limitToFirst=2)", 200,
         {"e4", "e2"}},
        {"equalTo", "Events/1000123", R"(orderBy="EventId"&equalTo="77000")", 200, {"e1", "e3"}},
        {"start and end", "Events/1000123",
         R"(orderBy="Created"&startAt="2026-01-02"&endAt="2026-01-02T23")", 200, {"e3"}},
        {"by key from e2", "Events/1000123", R"(orderBy="$key"&startAt="e2"&limitToFirst=2)", 200, {"e2", "e3"}},
        {"numbers before strings", "Mixed", R"(orderBy="$value"&startAt=2&endAt="x")", 200, {"b", "a", "10", "9"}},
        {"booleans before numbers", "Mixed", R"(orderBy="$value"&endAt=true)", 200, {"c", "f"}},
        {"objects last", "Mixed", R"(orderBy="$value"&limitToLast=1)", 200, {"d"}},
        {"ties by key, integers first", "Mixed", R"(orderBy="$value"&equalTo=5&limitToFirst=1)", 200, {"9"}},
        {"shallow", "Mixed", "shallow=true", 200, {"b", "a", "c", "d", "e", "f", "10", "9"}},
        {"shallow with a filter", "Mixed", R"(shallow=true&orderBy="$key")", 400, {}},
        {"filter without orderBy", "Events/1000123", "limitToLast=2", 400, {}},
        {"orderBy not JSON", "Events/1000123", "orderBy=Created", 400, {}},
        {"limit zero", "Events/1000123", R"(orderBy="$key"&limitToFirst=0)", 400, {}},
        {"both limits", "Events/1000123", R"(orderBy="$key"&limitToFirst=1&limitToLast=1)", 400, {}},
        {"key bound not a string", "Events/1000123", R"(orderBy="$key"&startAt=3)", 400, {}},
        {"unknown parameter", "Events/1000123", "frobnicate=1", 400, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CloudSim::Reply r =
            cloud.db("GET", QLatin1String(c.path), t, {}, QString::fromUtf8(QUrl::toPercentEncoding(
                                                               QLatin1String(c.query), "=&")));
        ASSERT_EQ(r.status, c.status) << r.body.toStdString();
        if (c.status != 200)
            continue;
        QStringList keys = r.json().toObject().keys();
        QStringList want = c.keys;
        keys.sort();
        want.sort();
        EXPECT_EQ(keys, want) << r.body.toStdString();
    }
    const QJsonObject shallow =
        cloud.db("GET", QStringLiteral("Mixed"), t, {}, QStringLiteral("shallow=true")).json().toObject();
    EXPECT_EQ(shallow.value(QStringLiteral("d")), QJsonValue(true));
    EXPECT_EQ(shallow.value(QStringLiteral("a")), QJsonValue(QStringLiteral("x")));
}

TEST(CloudDatabase, PushIdsAreTwentyCharactersThatSortInOrderOfMaking)
{
    START_CLOUD(cloud);
    const QString t = idToken(cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1")));
    const QString alphabet = QStringLiteral("-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    QStringList ids;
    for (int i = 0; i < 40; ++i) {
        const CloudSim::Reply r = cloud.db("POST", QStringLiteral("Events/1000123"), t,
                                           QByteArray(R"({"n":)") + QByteArray::number(i) + "}");
        ASSERT_EQ(r.status, 200) << r.body.toStdString();
        ids.append(r.json()[QStringLiteral("name")].toString());
    }
    for (qsizetype i = 0; i < ids.size(); ++i) {
        ASSERT_EQ(ids[i].size(), 20) << ids[i].toStdString();
        for (QChar c : ids[i])
            ASSERT_TRUE(alphabet.contains(c)) << ids[i].toStdString();
        if (i > 0) {
            EXPECT_LT(ids[i - 1].toLatin1(), ids[i].toLatin1()) << "made " << i - 1 << " and " << i;
        }
    }
    // The last made is the last by key.
    const QJsonObject last = cloud.db("GET", QStringLiteral("Events/1000123"), t, {},
                                      QStringLiteral("orderBy=%22$key%22&limitToLast=1"))
                                 .json()
                                 .toObject();
    EXPECT_EQ(last.keys(), QStringList{ids.last()});
    EXPECT_EQ(last.value(ids.last())[QStringLiteral("n")].toInt(), 39);
}

TEST(CloudDatabase, DataFileKeepsAccountsAndTreeAcrossARestart)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("cloud.json"));
    START_CLOUD(cloud, QStringLiteral("--data"), data);
    const QJsonObject up = cloud.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1"));
    ASSERT_EQ(cloud.db("PUT", QStringLiteral("Companies/ACME/KeyCom"), idToken(up), R"("abc123")").status, 200);

    QFile f(data);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    f.close();
    EXPECT_FALSE(saved.contains("secret1")) << "the password is kept in clear";

    ASSERT_TRUE(cloud.restart()) << cloud.errorText().toStdString();
    // The old token and refresh token still serve; the password still signs in.
    EXPECT_EQ(cloud.db("GET", QStringLiteral("Companies/ACME/KeyCom"), idToken(up)).body, QByteArray(R"("abc123")"));
    const CloudSim::Reply refreshed = cloud.call(
        "POST", QStringLiteral("/v1/token?key=k"),
        "grant_type=refresh_token&refresh_token=" + up.value(QStringLiteral("refreshToken")).toString().toUtf8(),
        "application/x-www-form-urlencoded");
    EXPECT_EQ(refreshed.status, 200) << refreshed.body.toStdString();
    EXPECT_FALSE(idToken(cloud.signIn(QStringLiteral("ana@example.com"), QStringLiteral("secret1"))).isEmpty());
}

TEST(CloudDatabase, ABadDataFileStopsTheStartInsteadOfBeingOverwritten)
{
    const QByteArray files[] = {
        "{\"database\": {\"Companies\": ",
        "[1, 2]",
        R"({"database": {"Companies": {"a.b": {"KeyCom": "x"}}}})",
        R"({"accounts": [{"email": "not an address", "password": "secret1"}]})",
        R"({"accounts": [{"email": "a@b.es", "password": "secret1"}, {"email": "A@b.es", "password": "x"}]})",
    };
    for (const QByteArray &content : files) {
        SCOPED_TRACE(content.toStdString());
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("cloud.json"));
        QFile f(data);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        velmar::test::SimProcess sim({QStringLiteral("cloud"), QStringLiteral("--port"), QStringLiteral("0"),
                                      QStringLiteral("--data"), data},
                                     velmar::test::SimProcess::Launch::AsGiven);
        EXPECT_FALSE(sim.ok());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), content);
    }
}

TEST(CloudDatabase, TheDemoFileSignsTheInstallerInAndListsItsModules)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("cloud.json"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMAR_SIM_DEMO "/cloud.json"), data));
    START_CLOUD(cloud, QStringLiteral("--data"), data);
    const QJsonObject in = cloud.signIn(QStringLiteral("instalador@velmar-demo.es"), QStringLiteral("demo2026"));
    ASSERT_FALSE(idToken(in).isEmpty()) << text(in).toStdString();
    const QJsonObject account =
        cloud.db("GET", QStringLiteral("Users/") + in.value(QStringLiteral("localId")).toString(), idToken(in))
            .json()
            .toObject();
    EXPECT_EQ(account.value(QStringLiteral("role")).toString(), QStringLiteral("instalador"));
    const QString company = account.value(QStringLiteral("companyKey")).toString();
    const CloudSim::Reply modules = cloud.db("GET", QStringLiteral("Equipments"), idToken(in), {},
                                             QStringLiteral("orderBy=%22Company%22&equalTo=%22") + company + "%22");
    ASSERT_EQ(modules.status, 200) << modules.body.toStdString();
    EXPECT_EQ(modules.json().toObject().size(), 2) << modules.body.toStdString();
}

TEST(CloudFaults, DownSlowAndFailEvery)
{
    {
        START_CLOUD(down, QStringLiteral("--down"));
        const CloudSim::Reply r = down.auth(QStringLiteral("signUp"), {});
        EXPECT_EQ(r.status, 0) << r.body.toStdString();
    }
    {
        // Answers come late but whole and in order; a second connection is
        // served while the first waits.
        START_CLOUD(slow, QStringLiteral("--slow"), QStringLiteral("300"));
        RawConnection a(slow.port());
        RawConnection b(slow.port());
        ASSERT_TRUE(a.ok && b.ok);
        a.send("GET /a.json HTTP/1.1\r\nHost: x\r\n\r\nGET /b.json HTTP/1.1\r\nHost: x\r\n\r\n");
        b.send("GET /c.json HTTP/1.1\r\nHost: x\r\n\r\n");
        EXPECT_EQ(b.readResponses(1).count("HTTP/1.1 401"), 1) << b.got.toStdString();
        EXPECT_EQ(a.readResponses(2).count("HTTP/1.1 401"), 2) << a.got.toStdString();
    }
    {
        START_CLOUD(flaky, QStringLiteral("--fail-every"), QStringLiteral("3"));
        const QString t = idToken(flaky.signUp(QStringLiteral("ana@example.com"), QStringLiteral("secret1"))); // 1
        EXPECT_EQ(flaky.db("PUT", QStringLiteral("a"), t, "1").status, 200);                                   // 2
        const CloudSim::Reply failed = flaky.db("PUT", QStringLiteral("a"), t, "2");                           // 3
        EXPECT_EQ(failed.status, 500);
        EXPECT_TRUE(failed.json()[QStringLiteral("error")].isString()) << failed.body.toStdString();
        EXPECT_EQ(flaky.db("GET", QStringLiteral("a"), t).body, QByteArray("1")) << "a failed write was applied"; // 4
        EXPECT_EQ(flaky.db("GET", QStringLiteral("a"), t).status, 200);                                         // 5
        EXPECT_EQ(flaky.db("GET", QStringLiteral("a"), t).status, 500);                                         // 6
    }
}

TEST(CloudHttp, PiecesPipeliningAndGarbage)
{
    START_CLOUD(cloud);
    const QByteArray put = "PUT /Equipments/7/gsmStat.json HTTP/1.1\r\nHost: x\r\nContent-Length: 4\r\n\r\n\"12\"";
    {
        // One byte per write: the server waits for the whole request.
        RawConnection c(cloud.port());
        ASSERT_TRUE(c.ok);
        for (char ch : put)
            c.send(QByteArray(1, ch));
        EXPECT_TRUE(c.readResponses(1).startsWith("HTTP/1.1 200 OK\r\n")) << c.got.toStdString();
        EXPECT_TRUE(c.got.endsWith("\"12\"")) << c.got.toStdString();
    }
    {
        // Two requests in one write on a kept-alive connection, then one more.
        RawConnection c(cloud.port());
        ASSERT_TRUE(c.ok);
        c.send(put + "\r\n" + QByteArray(put).replace("\"12\"", "\"13\""));
        EXPECT_EQ(c.readResponses(2).count("HTTP/1.1 200 OK"), 2) << c.got.toStdString();
        c.got.clear();
        c.send(put);
        EXPECT_EQ(c.readResponses(1).count("HTTP/1.1 200 OK"), 1) << c.got.toStdString();
    }
    {
        // A client that waits for "100 Continue" before its body gets it.
        RawConnection c(cloud.port());
        ASSERT_TRUE(c.ok);
        c.send("PUT /Equipments/7/gsmStat.json HTTP/1.1\r\nExpect: 100-continue\r\nContent-Length: 4\r\n\r\n");
        EXPECT_TRUE(waitFor([&] { return (c.got += c.socket.readAll()).contains("HTTP/1.1 100 Continue\r\n\r\n"); }, 20000));
        c.send("\"14\"");
        EXPECT_TRUE(c.readResponses(2).endsWith("\"14\"")) << c.got.toStdString();
    }
    {
        // A flood of pipelined requests in one go is answered whole, in order.
        constexpr int kFlood = 100000;
        RawConnection c(cloud.port());
        ASSERT_TRUE(c.ok);
        c.send(QByteArray("GET /a.json HTTP/1.1\r\n\r\n").repeated(kFlood));
        EXPECT_TRUE(waitFor(
            [&] {
                c.got += c.socket.readAll();
                return c.got.count("HTTP/1.1 401") == kFlood || c.socket.state() != QAbstractSocket::ConnectedState;
            },
            60000));
        EXPECT_EQ(c.got.count("HTTP/1.1 401"), kFlood);
    }
    const QByteArray bad[] = {
        "GARBAGE\r\n\r\n",
        "GET /x.json HTTP/9.9\r\n\r\n",
        "GET x.json HTTP/1.1\r\n\r\n",
        "GET /x.json HTTP/1.1\r\nno colon here\r\n\r\n",
        "PUT /x.json HTTP/1.1\r\nContent-Length: -3\r\n\r\n",
        "PUT /x.json HTTP/1.1\r\nContent-Length: 99999999999999\r\n\r\n",
        "PUT /x.json HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n",
        "PUT /x.json HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n1\r\nx\r\n0\r\n\r\n",
        QByteArray("\x01\x02\xff\xfe\r\n\r\n", 8),
        QByteArray(40000, 'A'),
    };
    for (const QByteArray &b : bad) {
        SCOPED_TRACE(b.left(40).toStdString());
        RawConnection c(cloud.port());
        ASSERT_TRUE(c.ok);
        c.send(b);
        c.readResponses(1);
        EXPECT_TRUE(c.got.startsWith("HTTP/1.1 400 ")) << c.got.left(200).toStdString();
        EXPECT_TRUE(waitFor([&] { return c.socket.state() == QAbstractSocket::UnconnectedState; }, 20000))
            << "the connection stays open after a bad request";
    }
    // Still serving, with everything written before intact.
    RawConnection after(cloud.port());
    ASSERT_TRUE(after.ok);
    after.send("PATCH /Equipments/7.json HTTP/1.1\r\nContent-Length: 2\r\nConnection: close\r\n\r\n{}");
    EXPECT_TRUE(after.readResponses(1).startsWith("HTTP/1.1 200 OK\r\n")) << after.got.toStdString();
}

namespace {

// A module writing to the cloud, its line, and a signed-in reader.
struct CloudModule {
    CloudModule(CloudSim &cloud, const QString &id, const QStringList &more = {})
        : proc(QStringList{QStringLiteral("--id"), id, QStringLiteral("--cloud"),
                           QStringLiteral("http://127.0.0.1:%1").arg(cloud.port())}
               + more),
          line(proc.devicePath()), cloud(cloud), id(id)
    {
        // Every request may be the failing one of --fail-every: try again.
        for (int i = 0; i < 3 && token.isEmpty(); ++i)
            token = idToken(cloud.signUp(QStringLiteral("reader@example.com"), QStringLiteral("secret1")));
        for (int i = 0; i < 3 && token.isEmpty(); ++i)
            token = idToken(cloud.signIn(QStringLiteral("reader@example.com"), QStringLiteral("secret1")));
    }
    QJsonObject record() { return cloud.db("GET", QStringLiteral("Equipments/") + id, token).json().toObject(); }
    // Waits until member (a path "a/b") reads want.
    bool waitMember(const QString &member, const QJsonValue &want)
    {
        // Once seen is enough: a read after it may be a failing one.
        bool seen = false;
        return waitFor(
            [&] {
                QJsonValue v = record();
                for (const QString &level : member.split(u'/'))
                    v = v[level];
                return seen = seen || v == want;
            },
            20000);
    }
    velmar::test::SimProcess proc;
    SimLine line;
    CloudSim &cloud;
    QString id;
    QString token;
};

} // namespace

TEST(CloudModuleRecord, TheModuleWritesItsRecordKeepsItCurrentAndSignsOff)
{
    START_CLOUD(cloud);
    CloudModule m(cloud, QStringLiteral("2000777"), {QStringLiteral("--panel"), QStringLiteral("Syncro")});
    ASSERT_TRUE(m.proc.ok()) << m.proc.errorText().toStdString();
    ASSERT_TRUE(m.line.ok());
    ASSERT_FALSE(m.token.isEmpty());
    ASSERT_TRUE(m.waitMember(QStringLiteral("Connection"), QStringLiteral("ONLINE"))) << text(m.record()).toStdString();

    const QJsonObject rec = m.record();
    struct Member {
        const char *path;
        QJsonValue want;
    };
    const Member members[] = {
        {"Company", QStringLiteral("Velmar Demo")},
        {"Installer", QStringLiteral("Instalador")},
        {"Reference", QStringLiteral("REF-2000777")},
        {"Identifier/2000777", QStringLiteral("861234567890123")},
        {"Configuration/ethernetInfo/ethernetStat", QStringLiteral("6")},
        {"Configuration/gprsInfo/gprsStat", QStringLiteral("5")},
        {"ethernetStat", QStringLiteral("6")},
        {"gprsStat", QStringLiteral("5")},
        {"comStat", QStringLiteral("3")},
        {"comCentral", QStringLiteral("Syncro")},
        {"gsmStat", QStringLiteral("18")},
        {"Outputs/outputsStat", QStringLiteral("0000")},
        {"Inputs/inputsStat", QStringLiteral("0000000000000000")},
        {"vTamperEstat", QStringLiteral("1")},
        {"gps", QStringLiteral("41.3874,2.1686")},
    };
    for (const Member &mb : members) {
        QJsonValue v = rec;
        for (const QString &level : QString::fromLatin1(mb.path).split(u'/'))
            v = v[level];
        EXPECT_EQ(v, mb.want) << mb.path << " in " << text(rec).toStdString();
    }
    EXPECT_EQ(rec.value(QStringLiteral("Inputs"))[QStringLiteral("inputsAlies")].toString().count(u'|'), 15);
    EXPECT_TRUE(rec.value(QStringLiteral("Syncro"))[QStringLiteral("buzzerAndNums")].isString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"))
                    .match(rec.value(QStringLiteral("Updated")).toString())
                    .hasMatch())
        << text(rec).toStdString();

    // The program's members under the record survive the module's writes.
    ASSERT_EQ(cloud.db("PUT", QStringLiteral("Equipments/2000777/Users/someone"), m.token, "true").status, 200);
    ASSERT_EQ(m.line.ask("vm+0102=Acme"), QByteArray("+0102:Acme"));
    EXPECT_TRUE(m.waitMember(QStringLiteral("Company"), QStringLiteral("Acme")));
    m.line.send("vm+sor=.1..");
    EXPECT_TRUE(m.waitMember(QStringLiteral("Outputs/outputsStat"), QStringLiteral("0100")))
        << text(m.record()).toStdString();
    EXPECT_EQ(m.record().value(QStringLiteral("Users")), QJsonValue(obj({{QStringLiteral("someone"), true}})));

    m.proc.stop();
    EXPECT_TRUE(m.waitMember(QStringLiteral("Connection"), QStringLiteral("OFFLINE")));
}

TEST(CloudModuleRecord, AWriteThatFindsNoServerIsTriedAgain)
{
    quint16 port = 0;
    {
        START_CLOUD(gone);
        port = gone.port();
    }
    QTemporaryDir dir;
    const QString transcript = dir.filePath(QStringLiteral("t.txt"));
    velmar::test::SimProcess module({QStringLiteral("--id"), QStringLiteral("2000778"), QStringLiteral("--cloud"),
                                     QStringLiteral("http://127.0.0.1:%1").arg(port), QStringLiteral("--transcript"),
                                     transcript});
    ASSERT_TRUE(module.ok()) << module.errorText().toStdString();
    const auto noted = [&](const char *what) {
        QFile f(transcript);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains(what);
    };
    ASSERT_TRUE(waitFor([&] { return noted("cloud: record not written"); }, 20000));

    START_CLOUD(cloud, QStringLiteral("--port"), QString::number(port));
    const QString token = idToken(cloud.signUp(QStringLiteral("reader@example.com"), QStringLiteral("secret1")));
    EXPECT_TRUE(waitFor(
        [&] {
            return cloud.db("GET", QStringLiteral("Equipments/2000778/Connection"), token).body == "\"ONLINE\"";
        },
        20000));
    EXPECT_TRUE(noted("cloud: record written"));
}

TEST(CloudModuleRecord, ThePanelsEventListsFollowItsStatus)
{
    const struct {
        const char *panel;
        const char *state;
        const char *list;   // path below the record that then holds entries
        int entries;
        const char *member; // a member every entry has
        const char *gone;   // what the reset removes
    } cases[] = {
        {"ID3000", "alarm", "Syncro/Events/Fire", 1, "eventText", "Syncro/Events"},
        {"MA-2000", "fault", "Syncro/Events/TechAlarm", 1, "eventText", "Syncro/Events"},
        {"AD600", "fault", "Syncro/Events/Fault", 1, "eventText", "Syncro/Events/Fault"},
        {"BC600", "alarm", "BC600/Events/Alarm", 1, "elementText", "BC600/Events"},
        {"Bosch", "disable", "Bosch/Events/Disable", 1, "eventText", "Bosch/Events"},
        {"C-TecXFP", "fault", "Syncro/Events/Fault", 1, "eventText", "Syncro/Events/Fault"},
    };
    START_CLOUD(cloud);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.panel);
        QTemporaryDir dir;
        const QString scenario = dir.filePath(QStringLiteral("scenario.txt"));
        QFile f(scenario);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("on vm+Inf panel ") + c.state + '\n');
        f.close();
        CloudModule m(cloud, QStringLiteral("2000779"),
                      {QStringLiteral("--panel"), QLatin1String(c.panel), QStringLiteral("--scenario"), scenario});
        ASSERT_TRUE(m.proc.ok()) << m.proc.errorText().toStdString();
        ASSERT_TRUE(m.line.ok());
        const auto at = [&](const char *path) {
            QJsonValue v = m.record();
            for (const QString &level : QString::fromLatin1(path).split(u'/'))
                v = v[level];
            return v;
        };
        ASSERT_TRUE(m.waitMember(QStringLiteral("Connection"), QStringLiteral("ONLINE")));
        EXPECT_TRUE(at(c.gone).isUndefined()) << "a panel at rest keeps no lists";
        m.line.send("vm+Inf");
        ASSERT_TRUE(waitFor([&] { return at(c.list).isObject(); }, 20000)) << text(m.record()).toStdString();
        const QJsonObject list = at(c.list).toObject();
        EXPECT_EQ(list.size(), c.entries);
        for (const QJsonValue &entry : list)
            EXPECT_TRUE(entry[QLatin1String(c.member)].isString()) << text(list).toStdString();
        // The reset puts the panel at rest: its lists go with the same write.
        m.line.send("vm+ord=Rearme");
        EXPECT_TRUE(waitFor([&] { return at(c.gone).isUndefined(); }, 20000)) << text(m.record()).toStdString();
        m.proc.stop();
    }
}
