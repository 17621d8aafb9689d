#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>

namespace velmar::sim {

// The e-mail/password accounts of the authentication interface: salted
// password hashes, signed ID tokens that expire, refresh tokens, and the
// e-mails the service would send (kept in a list instead).
class CloudAccounts {
public:
    struct Options {
        int tokenTtlSeconds = 3600;
        // Sign-in failures answer INVALID_LOGIN_CREDENTIALS for both an
        // unknown e-mail and a wrong password.
        bool enumerationProtection = false;
        QString apiKey;        // empty: any key is taken
        QString linkBase;      // "http://127.0.0.1:P", for the links in the e-mails
        int lockoutFailures = 5;
        int lockoutSeconds = 60;
    };
    struct Answer {
        int status = 200;
        QByteArray body;
        bool changed = false;
    };
    // Seconds since the epoch; tests of the store may replace it.
    std::function<qint64()> now;

    explicit CloudAccounts(Options options);
    void setLinkBase(const QString &base) { m_options.linkBase = base; }

    // POST <base>/v1/accounts:OP; body is JSON.
    Answer accounts(const QString &op, const QString &apiKey, const QByteArray &body);
    // POST <base>/v1/token; body is a form or JSON.
    Answer token(const QString &apiKey, const QByteArray &body, bool form);
    // The uid an ID token is good for now, or empty.
    QString uidOf(const QString &idToken) const;
    // Follows the link of a verification e-mail; false for an unknown code.
    bool applyLink(const QString &oobCode);

    QJsonArray mails() const { return m_mails; }
    // The accounts and the token secret as the data file keeps them;
    // "password" in clear is taken from a hand-written file and hashed.
    QJsonObject save() const;
    bool load(const QJsonObject &saved, QString *error);

private:
    struct Account {
        QString localId;
        QString email;
        QString salt;
        QString passwordHash;
        QString displayName;
        bool emailVerified = false;
        bool disabled = false;
        qint64 createdAtMs = 0;
        qint64 lastLoginAtMs = 0;
        qint64 validSince = 0;  // seconds; tokens issued earlier are void
        int failures = 0;       // wrong passwords in a row
        qint64 lockedUntil = 0; // seconds
    };
    struct Oob {
        QString requestType;
        QString localId;
    };

    Account *byEmail(const QString &email);
    Account *byToken(const QString &idToken, QString *code);
    QString idToken(const Account &a) const;
    QString newRefreshToken(const Account &a);
    QJsonObject tokens(const Account &a);
    void setPassword(Account &a, const QString &password);
    bool passwordMatches(const Account &a, const QString &password) const;
    QByteArray sign(const QByteArray &data) const;
    void mail(const QString &requestType, const Account &a);
    Answer error(const QString &code, int status = 400) const;

    Answer signUp(const QJsonObject &in);
    Answer signIn(const QJsonObject &in);
    Answer lookup(const QJsonObject &in);
    Answer sendOobCode(const QJsonObject &in);
    Answer resetPassword(const QJsonObject &in);
    Answer update(const QJsonObject &in);
    Answer deleteAccount(const QJsonObject &in);

    Options m_options;
    QByteArray m_secret;
    QList<Account> m_accounts;
    QHash<QString, QString> m_refresh; // refresh token -> uid
    QHash<QString, Oob> m_oob;
    QJsonArray m_mails;
};

} // namespace velmar::sim
