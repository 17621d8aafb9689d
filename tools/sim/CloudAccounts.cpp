#include "CloudAccounts.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrlQuery>

namespace velmar::sim {

namespace {

constexpr int kMinPassword = 6;

QString randomText(int n)
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s(n, u' ');
    for (int i = 0; i < n; ++i)
        s[i] = QLatin1Char(chars[QRandomGenerator::global()->bounded(62)]);
    return s;
}

QByteArray b64url(const QByteArray &b)
{
    return b.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

bool plausibleEmail(const QString &email)
{
    static const QRegularExpression re(QStringLiteral("^[^@\\s]+@[^@\\s.]+(\\.[^@\\s.]+)+$"));
    return re.match(email).hasMatch();
}

} // namespace

CloudAccounts::CloudAccounts(Options options)
    : now([] { return QDateTime::currentSecsSinceEpoch(); }), m_options(std::move(options)),
      m_secret(randomText(32).toLatin1())
{
}

CloudAccounts::Answer CloudAccounts::error(const QString &code, int status) const
{
    const QString reason = status == 400 ? QStringLiteral("invalid") : QStringLiteral("notFound");
    const QJsonObject detail{{QStringLiteral("message"), code},
                             {QStringLiteral("domain"), QStringLiteral("global")},
                             {QStringLiteral("reason"), reason}};
    const QJsonObject e{{QStringLiteral("code"), status},
                        {QStringLiteral("message"), code},
                        {QStringLiteral("errors"), QJsonArray{detail}}};
    return {status, compact(QJsonObject{{QStringLiteral("error"), e}}), false};
}

CloudAccounts::Account *CloudAccounts::byEmail(const QString &email)
{
    const QString e = email.trimmed().toLower();
    for (Account &a : m_accounts)
        if (a.email == e)
            return &a;
    return nullptr;
}

QByteArray CloudAccounts::sign(const QByteArray &data) const
{
    return QMessageAuthenticationCode::hash(data, m_secret, QCryptographicHash::Sha256);
}

QString CloudAccounts::idToken(const Account &a) const
{
    const qint64 t = now();
    const QJsonObject header{{QStringLiteral("alg"), QStringLiteral("HS256")}, {QStringLiteral("typ"), QStringLiteral("JWT")}};
    const QJsonObject payload{{QStringLiteral("iss"), QStringLiteral("velmar-sim")},
                              {QStringLiteral("aud"), QStringLiteral("velmar-sim")},
                              {QStringLiteral("user_id"), a.localId},
                              {QStringLiteral("sub"), a.localId},
                              {QStringLiteral("email"), a.email},
                              {QStringLiteral("email_verified"), a.emailVerified},
                              {QStringLiteral("iat"), t},
                              {QStringLiteral("exp"), t + m_options.tokenTtlSeconds}};
    const QByteArray body = b64url(compact(header)) + '.' + b64url(compact(payload));
    return QString::fromLatin1(body + '.' + b64url(sign(body)));
}

CloudAccounts::Account *CloudAccounts::byToken(const QString &idToken, QString *code)
{
    *code = QStringLiteral("INVALID_ID_TOKEN");
    const QByteArray t = idToken.toLatin1();
    const qsizetype dot = t.lastIndexOf('.');
    if (idToken.isEmpty() || dot < 0 || b64url(sign(t.left(dot))) != t.mid(dot + 1))
        return nullptr;
    const QByteArray payload = QByteArray::fromBase64(t.left(dot).split('.').value(1), QByteArray::Base64UrlEncoding);
    const QJsonObject p = QJsonDocument::fromJson(payload).object();
    for (Account &a : m_accounts) {
        if (a.localId != p.value(QStringLiteral("user_id")).toString())
            continue;
        if (qint64(p.value(QStringLiteral("exp")).toDouble()) <= now()) {
            *code = QStringLiteral("TOKEN_EXPIRED");
            return nullptr;
        }
        if (qint64(p.value(QStringLiteral("iat")).toDouble()) < a.validSince) {
            *code = QStringLiteral("TOKEN_EXPIRED");
            return nullptr;
        }
        if (a.disabled) {
            *code = QStringLiteral("USER_DISABLED");
            return nullptr;
        }
        return &a;
    }
    *code = QStringLiteral("USER_NOT_FOUND");
    return nullptr;
}

QString CloudAccounts::uidOf(const QString &token) const
{
    QString code;
    const Account *a = const_cast<CloudAccounts *>(this)->byToken(token, &code);
    return a ? a->localId : QString();
}

QString CloudAccounts::newRefreshToken(const Account &a)
{
    const QString r = QStringLiteral("AMf-") + randomText(60);
    m_refresh.insert(r, a.localId);
    return r;
}

QJsonObject CloudAccounts::tokens(const Account &a)
{
    return {{QStringLiteral("idToken"), idToken(a)},
            {QStringLiteral("refreshToken"), newRefreshToken(a)},
            {QStringLiteral("expiresIn"), QString::number(m_options.tokenTtlSeconds)}};
}

void CloudAccounts::setPassword(Account &a, const QString &password)
{
    a.salt = randomText(16);
    a.passwordHash = QString::fromLatin1(
        QCryptographicHash::hash((a.salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool CloudAccounts::passwordMatches(const Account &a, const QString &password) const
{
    return QString::fromLatin1(QCryptographicHash::hash((a.salt + password).toUtf8(), QCryptographicHash::Sha256)
                                   .toHex())
           == a.passwordHash;
}

void CloudAccounts::mail(const QString &requestType, const Account &a)
{
    const QString code = randomText(40);
    m_oob.insert(code, {requestType, a.localId});
    m_mails.append(QJsonObject{
        {QStringLiteral("requestType"), requestType},
        {QStringLiteral("email"), a.email},
        {QStringLiteral("oobCode"), code},
        {QStringLiteral("link"), m_options.linkBase + QStringLiteral("/_admin/oob?oobCode=") + code},
        {QStringLiteral("at"), QDateTime::fromSecsSinceEpoch(now(), Qt::UTC).toString(Qt::ISODate)}});
}

CloudAccounts::Answer CloudAccounts::accounts(const QString &op, const QString &apiKey, const QByteArray &body)
{
    if (!m_options.apiKey.isEmpty() && apiKey != m_options.apiKey)
        return error(QStringLiteral("API key not valid. Please pass a valid API key."));
    QJsonParseError pe;
    const QJsonDocument d = QJsonDocument::fromJson(body, &pe);
    if (pe.error != QJsonParseError::NoError || !d.isObject())
        return error(QStringLiteral("INVALID_JSON_PAYLOAD"));
    const QJsonObject in = d.object();
    if (op == QLatin1String("signUp"))
        return signUp(in);
    if (op == QLatin1String("signInWithPassword"))
        return signIn(in);
    if (op == QLatin1String("lookup"))
        return lookup(in);
    if (op == QLatin1String("sendOobCode"))
        return sendOobCode(in);
    if (op == QLatin1String("resetPassword"))
        return resetPassword(in);
    if (op == QLatin1String("update"))
        return update(in);
    if (op == QLatin1String("delete"))
        return deleteAccount(in);
    return error(QStringLiteral("Method not found."), 404);
}

CloudAccounts::Answer CloudAccounts::signUp(const QJsonObject &in)
{
    const QString email = in.value(QStringLiteral("email")).toString().trimmed().toLower();
    const QString password = in.value(QStringLiteral("password")).toString();
    if (email.isEmpty())
        return error(QStringLiteral("MISSING_EMAIL"));
    if (!plausibleEmail(email))
        return error(QStringLiteral("INVALID_EMAIL"));
    if (password.isEmpty())
        return error(QStringLiteral("MISSING_PASSWORD"));
    if (byEmail(email))
        return error(QStringLiteral("EMAIL_EXISTS"));
    if (password.size() < kMinPassword)
        return error(QStringLiteral("WEAK_PASSWORD : Password should be at least 6 characters"));
    Account a;
    a.localId = randomText(28);
    a.email = email;
    a.displayName = in.value(QStringLiteral("displayName")).toString();
    setPassword(a, password);
    a.createdAtMs = now() * 1000;
    a.lastLoginAtMs = a.createdAtMs;
    m_accounts.append(a);
    QJsonObject out = tokens(a);
    out.insert(QStringLiteral("kind"), QStringLiteral("identitytoolkit#SignupNewUserResponse"));
    out.insert(QStringLiteral("email"), a.email);
    out.insert(QStringLiteral("localId"), a.localId);
    return {200, compact(out), true};
}

CloudAccounts::Answer CloudAccounts::signIn(const QJsonObject &in)
{
    const QString email = in.value(QStringLiteral("email")).toString();
    const QString password = in.value(QStringLiteral("password")).toString();
    if (email.trimmed().isEmpty())
        return error(QStringLiteral("INVALID_EMAIL"));
    if (!plausibleEmail(email.trimmed()))
        return error(QStringLiteral("INVALID_EMAIL"));
    if (password.isEmpty())
        return error(QStringLiteral("MISSING_PASSWORD"));
    Account *a = byEmail(email);
    if (!a)
        return error(m_options.enumerationProtection ? QStringLiteral("INVALID_LOGIN_CREDENTIALS")
                                                     : QStringLiteral("EMAIL_NOT_FOUND"));
    if (a->lockedUntil > now())
        return error(QStringLiteral(
            "TOO_MANY_ATTEMPTS_TRY_LATER : Access to this account has been temporarily disabled due to many "
            "failed login attempts. You can immediately restore it by resetting your password or you can try "
            "again later."));
    if (!passwordMatches(*a, password)) {
        if (++a->failures >= m_options.lockoutFailures) {
            a->failures = 0;
            a->lockedUntil = now() + m_options.lockoutSeconds;
        }
        return error(m_options.enumerationProtection ? QStringLiteral("INVALID_LOGIN_CREDENTIALS")
                                                     : QStringLiteral("INVALID_PASSWORD"));
    }
    if (a->disabled)
        return error(QStringLiteral("USER_DISABLED : The user account has been disabled by an administrator."));
    a->failures = 0;
    a->lastLoginAtMs = now() * 1000;
    QJsonObject out = tokens(*a);
    out.insert(QStringLiteral("kind"), QStringLiteral("identitytoolkit#VerifyPasswordResponse"));
    out.insert(QStringLiteral("localId"), a->localId);
    out.insert(QStringLiteral("email"), a->email);
    out.insert(QStringLiteral("displayName"), a->displayName);
    out.insert(QStringLiteral("registered"), true);
    return {200, compact(out), true};
}

CloudAccounts::Answer CloudAccounts::lookup(const QJsonObject &in)
{
    QString code;
    const Account *a = byToken(in.value(QStringLiteral("idToken")).toString(), &code);
    if (!a)
        return error(code);
    const QJsonObject provider{{QStringLiteral("providerId"), QStringLiteral("password")},
                               {QStringLiteral("email"), a->email},
                               {QStringLiteral("federatedId"), a->email},
                               {QStringLiteral("rawId"), a->email}};
    const QJsonObject user{{QStringLiteral("localId"), a->localId},
                           {QStringLiteral("email"), a->email},
                           {QStringLiteral("displayName"), a->displayName},
                           {QStringLiteral("emailVerified"), a->emailVerified},
                           {QStringLiteral("disabled"), a->disabled},
                           {QStringLiteral("providerUserInfo"), QJsonArray{provider}},
                           {QStringLiteral("passwordHash"), QStringLiteral("UkVEQUNURUQ=")},
                           {QStringLiteral("validSince"), QString::number(a->validSince)},
                           {QStringLiteral("createdAt"), QString::number(a->createdAtMs)},
                           {QStringLiteral("lastLoginAt"), QString::number(a->lastLoginAtMs)}};
    return {200,
            compact({{QStringLiteral("kind"), QStringLiteral("identitytoolkit#GetAccountInfoResponse")},
                     {QStringLiteral("users"), QJsonArray{user}}}),
            false};
}

CloudAccounts::Answer CloudAccounts::sendOobCode(const QJsonObject &in)
{
    const QString type = in.value(QStringLiteral("requestType")).toString();
    const Account *a = nullptr;
    if (type == QLatin1String("PASSWORD_RESET")) {
        const QString email = in.value(QStringLiteral("email")).toString();
        if (email.trimmed().isEmpty())
            return error(QStringLiteral("MISSING_EMAIL"));
        if (!plausibleEmail(email.trimmed()))
            return error(QStringLiteral("INVALID_EMAIL"));
        a = byEmail(email);
        if (!a) {
            // Protected projects do not tell whether the address has an account.
            if (m_options.enumerationProtection)
                return {200, compact({{QStringLiteral("email"), email.trimmed().toLower()}}), false};
            return error(QStringLiteral("EMAIL_NOT_FOUND"));
        }
    } else if (type == QLatin1String("VERIFY_EMAIL")) {
        QString code;
        a = byToken(in.value(QStringLiteral("idToken")).toString(), &code);
        if (!a)
            return error(code);
    } else {
        return error(QStringLiteral("INVALID_REQ_TYPE : ") + type);
    }
    mail(type, *a);
    return {200,
            compact({{QStringLiteral("kind"), QStringLiteral("identitytoolkit#GetOobConfirmationCodeResponse")},
                     {QStringLiteral("email"), a->email}}),
            true};
}

CloudAccounts::Answer CloudAccounts::resetPassword(const QJsonObject &in)
{
    const QString code = in.value(QStringLiteral("oobCode")).toString();
    const auto oob = m_oob.constFind(code);
    if (oob == m_oob.cend() || oob->requestType != QLatin1String("PASSWORD_RESET"))
        return error(QStringLiteral("INVALID_OOB_CODE"));
    Account *target = nullptr;
    for (Account &a : m_accounts)
        if (a.localId == oob->localId)
            target = &a;
    if (!target)
        return error(QStringLiteral("INVALID_OOB_CODE"));
    const QJsonObject out{{QStringLiteral("email"), target->email},
                          {QStringLiteral("requestType"), QStringLiteral("PASSWORD_RESET")}};
    if (!in.contains(QStringLiteral("newPassword")))
        return {200, compact(out), false}; // only checks the code
    const QString password = in.value(QStringLiteral("newPassword")).toString();
    if (password.size() < kMinPassword)
        return error(QStringLiteral("WEAK_PASSWORD : Password should be at least 6 characters"));
    setPassword(*target, password);
    target->validSince = now();
    target->lockedUntil = 0;
    m_refresh.removeIf([&](const auto &it) { return it.value() == target->localId; });
    m_oob.remove(code);
    return {200, compact(out), true};
}

bool CloudAccounts::applyLink(const QString &oobCode)
{
    const auto oob = m_oob.constFind(oobCode);
    if (oob == m_oob.cend() || oob->requestType != QLatin1String("VERIFY_EMAIL"))
        return false;
    for (Account &a : m_accounts)
        if (a.localId == oob->localId)
            a.emailVerified = true;
    m_oob.remove(oobCode);
    return true;
}

CloudAccounts::Answer CloudAccounts::update(const QJsonObject &in)
{
    if (in.contains(QStringLiteral("oobCode"))) {
        const QString code = in.value(QStringLiteral("oobCode")).toString();
        const auto oob = m_oob.constFind(code);
        if (oob == m_oob.cend() || oob->requestType != QLatin1String("VERIFY_EMAIL"))
            return error(QStringLiteral("INVALID_OOB_CODE"));
        const QString uid = oob->localId;
        applyLink(code);
        for (const Account &a : m_accounts)
            if (a.localId == uid)
                return {200,
                        compact({{QStringLiteral("localId"), a.localId},
                                 {QStringLiteral("email"), a.email},
                                 {QStringLiteral("emailVerified"), true}}),
                        true};
        return error(QStringLiteral("USER_NOT_FOUND"));
    }
    QString code;
    Account *a = byToken(in.value(QStringLiteral("idToken")).toString(), &code);
    if (!a)
        return error(code);
    const bool newPassword = in.contains(QStringLiteral("password"));
    if (newPassword && in.value(QStringLiteral("password")).toString().size() < kMinPassword)
        return error(QStringLiteral("WEAK_PASSWORD : Password should be at least 6 characters"));
    if (in.contains(QStringLiteral("email"))) {
        const QString email = in.value(QStringLiteral("email")).toString().trimmed().toLower();
        if (!plausibleEmail(email))
            return error(QStringLiteral("INVALID_EMAIL"));
        const Account *other = byEmail(email);
        if (other && other != a)
            return error(QStringLiteral("EMAIL_EXISTS"));
        if (email != a->email)
            a->emailVerified = false;
        a->email = email;
    }
    if (in.contains(QStringLiteral("displayName")))
        a->displayName = in.value(QStringLiteral("displayName")).toString();
    QJsonObject out{{QStringLiteral("kind"), QStringLiteral("identitytoolkit#SetAccountInfoResponse")},
                    {QStringLiteral("localId"), a->localId},
                    {QStringLiteral("email"), a->email},
                    {QStringLiteral("displayName"), a->displayName},
                    {QStringLiteral("emailVerified"), a->emailVerified}};
    if (newPassword) {
        // A new password voids the sessions made with the old one.
        setPassword(*a, in.value(QStringLiteral("password")).toString());
        a->validSince = now();
        const QString uid = a->localId;
        m_refresh.removeIf([&](const auto &it) { return it.value() == uid; });
        const QJsonObject t = tokens(*a);
        for (auto it = t.begin(); it != t.end(); ++it)
            out.insert(it.key(), it.value());
    }
    return {200, compact(out), true};
}

CloudAccounts::Answer CloudAccounts::deleteAccount(const QJsonObject &in)
{
    QString code;
    const Account *a = byToken(in.value(QStringLiteral("idToken")).toString(), &code);
    if (!a)
        return error(code);
    const QString uid = a->localId;
    m_accounts.removeIf([&](const Account &x) { return x.localId == uid; });
    m_refresh.removeIf([&](const auto &it) { return it.value() == uid; });
    return {200, compact({{QStringLiteral("kind"), QStringLiteral("identitytoolkit#DeleteAccountResponse")}}), true};
}

CloudAccounts::Answer CloudAccounts::token(const QString &apiKey, const QByteArray &body, bool form)
{
    if (!m_options.apiKey.isEmpty() && apiKey != m_options.apiKey)
        return error(QStringLiteral("API key not valid. Please pass a valid API key."));
    QString grant, refresh;
    if (form) {
        const QUrlQuery q(QString::fromUtf8(body).replace(u'+', u' '));
        grant = q.queryItemValue(QStringLiteral("grant_type"), QUrl::FullyDecoded);
        refresh = q.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    } else {
        const QJsonObject o = QJsonDocument::fromJson(body).object();
        grant = o.value(QStringLiteral("grant_type")).toString();
        refresh = o.value(QStringLiteral("refresh_token")).toString();
    }
    if (grant.isEmpty())
        return error(QStringLiteral("MISSING_GRANT_TYPE"));
    if (grant != QLatin1String("refresh_token"))
        return error(QStringLiteral("INVALID_GRANT_TYPE"));
    if (refresh.isEmpty())
        return error(QStringLiteral("MISSING_REFRESH_TOKEN"));
    const auto it = m_refresh.constFind(refresh);
    if (it == m_refresh.cend())
        return error(QStringLiteral("INVALID_REFRESH_TOKEN"));
    for (const Account &a : m_accounts) {
        if (a.localId != *it)
            continue;
        if (a.disabled)
            return error(QStringLiteral("USER_DISABLED"));
        const QString id = idToken(a);
        return {200,
                compact({{QStringLiteral("access_token"), id},
                         {QStringLiteral("expires_in"), QString::number(m_options.tokenTtlSeconds)},
                         {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                         {QStringLiteral("refresh_token"), refresh},
                         {QStringLiteral("id_token"), id},
                         {QStringLiteral("user_id"), a.localId},
                         {QStringLiteral("project_id"), QStringLiteral("velmar-sim")}}),
                false};
    }
    return error(QStringLiteral("USER_NOT_FOUND"));
}

QJsonObject CloudAccounts::save() const
{
    QJsonArray accounts;
    for (const Account &a : m_accounts) {
        QJsonArray refresh;
        for (auto it = m_refresh.begin(); it != m_refresh.end(); ++it)
            if (it.value() == a.localId)
                refresh.append(it.key());
        accounts.append(QJsonObject{{QStringLiteral("localId"), a.localId},
                                    {QStringLiteral("email"), a.email},
                                    {QStringLiteral("salt"), a.salt},
                                    {QStringLiteral("passwordHash"), a.passwordHash},
                                    {QStringLiteral("displayName"), a.displayName},
                                    {QStringLiteral("emailVerified"), a.emailVerified},
                                    {QStringLiteral("disabled"), a.disabled},
                                    {QStringLiteral("createdAt"), QString::number(a.createdAtMs)},
                                    {QStringLiteral("lastLoginAt"), QString::number(a.lastLoginAtMs)},
                                    {QStringLiteral("validSince"), QString::number(a.validSince)},
                                    {QStringLiteral("refreshTokens"), refresh}});
    }
    return {{QStringLiteral("accounts"), accounts}, {QStringLiteral("tokenSecret"), QString::fromLatin1(m_secret)}};
}

bool CloudAccounts::load(const QJsonObject &saved, QString *error)
{
    if (saved.contains(QStringLiteral("tokenSecret")))
        m_secret = saved.value(QStringLiteral("tokenSecret")).toString().toLatin1();
    for (const QJsonValue &v : saved.value(QStringLiteral("accounts")).toArray()) {
        const QJsonObject o = v.toObject();
        Account a;
        a.email = o.value(QStringLiteral("email")).toString().trimmed().toLower();
        if (!plausibleEmail(a.email) || byEmail(a.email)) {
            *error = QStringLiteral("account \"%1\": a missing, bad or repeated e-mail").arg(a.email);
            return false;
        }
        a.localId = o.value(QStringLiteral("localId")).toString();
        if (a.localId.isEmpty())
            a.localId = randomText(28);
        if (o.contains(QStringLiteral("password"))) {
            setPassword(a, o.value(QStringLiteral("password")).toString());
        } else {
            a.salt = o.value(QStringLiteral("salt")).toString();
            a.passwordHash = o.value(QStringLiteral("passwordHash")).toString();
        }
        a.displayName = o.value(QStringLiteral("displayName")).toString();
        a.emailVerified = o.value(QStringLiteral("emailVerified")).toBool();
        a.disabled = o.value(QStringLiteral("disabled")).toBool();
        a.createdAtMs = o.value(QStringLiteral("createdAt")).toString().toLongLong();
        a.lastLoginAtMs = o.value(QStringLiteral("lastLoginAt")).toString().toLongLong();
        a.validSince = o.value(QStringLiteral("validSince")).toString().toLongLong();
        for (const QJsonValue &r : o.value(QStringLiteral("refreshTokens")).toArray())
            m_refresh.insert(r.toString(), a.localId);
        m_accounts.append(a);
    }
    return true;
}

} // namespace velmar::sim
