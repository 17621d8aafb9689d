#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace velmar {

class CloudDirectory;
class Trace;

// The site an account is tied to, and the alias shown for it.
struct AccountSite {
    QString empresa; // company
    QString instal;  // installer
    QString ref;     // reference
    QString clau;    // the site's key
    QString nickname;
};

// What the account dialog asks for a new user; every text is trimmed first.
struct NewUserForm {
    AccountSite site;
    QString email;
    QString password;
};

// The account's side of the cloud: sign-in and sign-up with their error
// texts, the account record (`Users/` + uid) and its site, the start-up
// decision and the account dialog's buttons. Each step is asynchronous and
// ends in its callback; what the user must read goes out through `message`.
// The directory keeps the credentials and the session; this object keeps the
// site and the last error text.
class AccountSession : public QObject {
    Q_OBJECT
public:
    AccountSession(CloudDirectory &cloud, Trace &trace, QObject *parent = nullptr);

    enum class Field { None, Email, Password, Company, Key };
    enum class Panel { SignIn, NewUser };
    enum class Kind { Error, Information };

    // How the start-up ends: the program goes on (with or without the
    // cloud), refuses to start, or shows the dialog as `dialog` says.
    enum class Start { Ready, Dialog, Refused };
    struct DialogOpening {
        Panel panel = Panel::SignIn;
        QString error;    // shown when the dialog opens
        QString email;    // the fields' contents
        QString password;
    };

    // Whether the dialog closes (with OK) and where the focus goes if not.
    struct Outcome {
        bool close = false;
        Field focus = Field::None;
    };

    static constexpr int kMinimumLength = 6;
    static constexpr int kMaximumLength = 20; // password, key, company, installer

    // The server's sign-in or sign-up error in the user's words.
    static QString errorText(const QString &serverError, bool signUp = false);
    static QString notVerifiedText();
    static QString notRegisteredText();

    // Field checks before any request; empty when the form may go.
    static QString checkSignIn(const QString &email, const QString &password, Field *focus);
    static QString checkNewUser(const NewUserForm &form, Field *focus);

    QString ErrorFirebase() const { return m_error; }
    const AccountSite &site() const { return m_site; }
    bool hasCompany() const { return !m_site.empresa.isEmpty(); }
    // The site's key as the directory holds it (proved on the search page).
    void setSiteKey(const QString &key) { m_site.clau = key; }

    // --- steps ---
    void LoginFirebase(const QString &email, const QString &password, std::function<void()> done);
    void AltaNouUsuariFirebase(const QString &email, const QString &password, std::function<void()> done);
    void BuscaEmpresaUsersRTDB(std::function<void()> done);
    void LoginEmpresaRTDB(const NewUserForm &form, bool nouUsuari, std::function<void(bool)> done);
    void ActualitzaUsersRTDB(const AccountSite &site, bool nou, const QString &email, std::function<void(bool)> done);

    // Execute without the dialog: the stored credentials (the directory's).
    void startUp(const QString &storedUid, std::function<void(Start, const DialogOpening &)> done);

    // The dialog's buttons.
    void BIniciaSessioClick(const QString &email, const QString &password, std::function<void(Outcome)> done);
    void BAltaUsuariClick(const NewUserForm &form, std::function<void(Outcome)> done);
    void LNovaContrasenyaClick(const QString &email, std::function<void()> done = {});

    // The account data dialog's "Aceptar": moves the account to another
    // site whose key the user proves.
    void moveToSite(const AccountSite &site, std::function<void(Outcome)> done);

    // "Cerrar sesión": no credentials remain.
    void MITancarSessioClick();

signals:
    void message(const QString &text, velmar::AccountSession::Kind kind);
    // The credentials to keep between runs ("REG3", "REG4", "REG5").
    void credentialsToStore(const QString &email, const QString &password, const QString &uid);

private:
    void readSiteKey(const AccountSite &site, std::function<void(bool ok, const QString &key)> done);
    void error(const QString &text);
    QString localNow() const;

    CloudDirectory &m_cloud;
    Trace &m_trace;
    AccountSite m_site;
    QString m_error;
};

} // namespace velmar
