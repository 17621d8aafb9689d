#include "core/cloud/AccountSession.h"

#include "core/base/Formats.h"
#include "core/cloud/CloudDirectory.h"
#include "core/cloud/CloudRecords.h"
#include "core/diagnostics/Trace.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velmar {

using namespace cloud;

namespace {

QString quoted(const QString &buttonName)
{
    return u'"' + buttonName + u'"';
}

QString errorMessage(const QString &error)
{
    return AccountSession::tr("¡ ERROR !\r") + error + u'\r';
}

QString connectionMessage()
{
    return AccountSession::tr("¡ ERROR !\rError de conexión con el servidor: \rCompruebe la conexión a internet");
}

bool noConnection(const QString &error)
{
    return error.contains(QLatin1String(kNoConnection));
}

QString notInstallerText()
{
    return AccountSession::tr("No puede acceder al programa porque no es instalador");
}

} // namespace

AccountSession::AccountSession(CloudDirectory &cloud, Trace &trace, QObject *parent)
    : QObject(parent), m_cloud(cloud), m_trace(trace)
{
}

// --- texts -------------------------------------------------------------------------

QString AccountSession::notRegisteredText()
{
    return tr("Correo electrónico no registrado.\rPor favor, entre los datos solicitados.");
}

QString AccountSession::notVerifiedText()
{
    return tr("Correo electrónico no verificado.\rSiga las instrucciones recibidas en su correo para realizar la "
              "verificación\rY después vuelva a pulsar ")
           + quoted(tr("Nuevo Usuario"))
           + tr(".\rSi sale de esta ventana antes de la verificación, los datos entrados se perderán.");
}

QString AccountSession::errorText(const QString &serverError, bool signUp)
{
    static const struct {
        const char *code;
        const char *text;
    } table[] = {
        {"EMAIL_NOT_FOUND", nullptr},
        {"INVALID_EMAIL", QT_TR_NOOP("Correo electrónico incorrecto.\rPor favor, asegúrese de entrar un correo válido.")},
        {"INVALID_PASSWORD", QT_TR_NOOP("Contraseña inválida.\rPor favor, introduzca la contraseña correcta.")},
        {"TOO_MANY_ATTEMPTS_TRY_LATER",
         QT_TR_NOOP("Demasiados intentos de cambio fallidos.\rEspere un momento y vuelva a intentarlo.")},
        {"USER_DISABLED", QT_TR_NOOP("No se puede acceder ya que este usuario está inhabilitado")},
    };
    for (const auto &row : table) {
        if (!serverError.contains(QLatin1String(row.code)))
            continue;
        if (!row.text)
            return notRegisteredText();
        if (signUp && qstrcmp(row.code, "USER_DISABLED") == 0)
            break;
        return tr(row.text);
    }
    return serverError;
}

QString AccountSession::checkSignIn(const QString &email, const QString &password, Field *focus)
{
    if (email.isEmpty()) {
        *focus = Field::Email;
        return tr("El campo Correo electrónico no puede estar vacío");
    }
    if (password.isEmpty()) {
        *focus = Field::Password;
        return tr("El campo Contraseña no puede estar vacío");
    }
    if (password.size() < kMinimumLength) {
        *focus = Field::Password;
        return tr("Contraseña demasiado corta. Mínimo 6 caracteres");
    }
    *focus = Field::None;
    return {};
}

QString AccountSession::checkNewUser(const NewUserForm &f, Field *focus)
{
    if (f.site.empresa.isEmpty()) {
        *focus = Field::Company;
        return tr("El campo Empresa no puede estar vacío");
    }
    const QString signIn = checkSignIn(f.email, f.password, focus);
    if (!signIn.isEmpty())
        return signIn;
    *focus = Field::Key;
    if (f.site.clau.isEmpty())
        return tr("El campo Clave no puede estar vacío");
    if (f.site.clau.size() < kMinimumLength)
        return tr("Clave demasiado corta. Mínimo 6 caracteres");
    if (f.site.instal.isEmpty() && !f.site.ref.isEmpty()) {
        *focus = Field::None;
        return tr("No puede haber una referencia sin instalador\rPor favor, entre un instalador o borre la "
                  "referencia");
    }
    *focus = Field::None;
    return {};
}

void AccountSession::error(const QString &text)
{
    m_error = text;
}

QString AccountSession::localNow() const
{
    const QDateTime now = QDateTime::currentDateTime();
    return formats::date(now.date()) + u' ' + formats::longTime(now.time());
}

// --- sign-in and sign-up ------------------------------------------------------------

void AccountSession::LoginFirebase(const QString &email, const QString &password, std::function<void()> done)
{
    m_error.clear();
    FirebaseClient &client = m_cloud.client();
    client.signIn(email, password, [this, &client, done](const CloudResult &r) {
        if (!r.ok) {
            error(errorText(r.error));
            done();
            return;
        }
        if (client.registered() != std::optional<bool>(true)) {
            error(notRegisteredText());
            done();
            return;
        }
        client.lookup([this, done](const CloudResult &user) {
            if (!user.ok)
                error(errorText(user.error));
            else if (!user.value.toObject().value(QStringLiteral("emailVerified")).toBool())
                error(notVerifiedText());
            done();
        });
    });
}

void AccountSession::AltaNouUsuariFirebase(const QString &email, const QString &password, std::function<void()> done)
{
    m_error.clear();
    FirebaseClient &client = m_cloud.client();
    client.signUp(email, password, [this, &client, email, done](const CloudResult &r) {
        if (!r.ok) {
            error(errorText(r.error, true));
            emit message(errorMessage(m_error), Kind::Error);
            done();
            return;
        }
        client.sendVerification([this, email, done](const CloudResult &) {
            emit message(tr("¡ ATENCION !\rSe ha enviado un mensaje a ") + email
                             + tr(" para su verificación.\rSiga sus instrucciones y después vuelva a pulsar ")
                             + quoted(tr("Nuevo usuario")),
                         Kind::Information);
            // A new address is never confirmed yet: the user comes back after the e-mail.
            error(notVerifiedText());
            done();
        });
    });
}

// --- the account record and its site ------------------------------------------------

void AccountSession::readSiteKey(const AccountSite &site, std::function<void(bool, const QString &)> done)
{
    m_cloud.client().get(sitePath(site.empresa, site.instal, site.ref) + u'/' + siteKeyMember(site.instal, site.ref),
                         {}, [done](const CloudResult &r) { done(r.ok, r.ok ? scalarText(r.value) : r.error); });
}

void AccountSession::BuscaEmpresaUsersRTDB(std::function<void()> done)
{
    m_site = {};
    const QString uid = m_cloud.CodiReg();
    m_cloud.client().get(QStringLiteral("Users/") + uid, {}, [this, done](const CloudResult &r) {
        if (!r.ok) {
            error(tr("Error de acceso a la base de datos: ") + r.error);
            done();
            return;
        }
        const QJsonObject user = r.value.toObject();
        m_site.empresa = scalarText(user.value(QStringLiteral("companyKey")));
        if (scalarText(user.value(QStringLiteral("role"))).contains(QLatin1String("usuario")))
            error(notInstallerText());
        if (m_site.empresa.isEmpty() || !m_error.isEmpty()) {
            done();
            return;
        }
        m_site.instal = scalarText(user.value(QStringLiteral("installer")));
        m_site.ref = scalarText(user.value(QStringLiteral("reference")));
        m_site.nickname = scalarText(user.value(QStringLiteral("nickname")));
        readSiteKey(m_site, [this, done](bool ok, const QString &key) {
            if (ok)
                m_site.clau = key;
            else
                error(tr("Error de acceso a la base de datos: ") + key);
            done();
        });
    });
}

void AccountSession::ActualitzaUsersRTDB(const AccountSite &site, bool nou, const QString &email,
                                         std::function<void(bool)> done)
{
    const QString now = localNow();
    QJsonObject o{{QStringLiteral("companyKey"), site.empresa},
                  {QStringLiteral("installer"), site.instal},
                  {QStringLiteral("reference"), site.ref},
                  {QStringLiteral("nickname"), site.nickname},
                  {QStringLiteral("LastAccess"), now}};
    if (nou) {
        o.insert(QStringLiteral("name"), QString());
        o.insert(QStringLiteral("email"), email);
        o.insert(QStringLiteral("role"), QStringLiteral("instalador"));
        o.insert(QStringLiteral("address"), QString());
        o.insert(QStringLiteral("phone"), QString());
        o.insert(QStringLiteral("CreatedDate"), now);
    }
    const QString path = QStringLiteral("Users/") + m_cloud.CodiReg();
    m_trace.write(QStringLiteral("Patch : ") + path + QStringLiteral("   Data")
                  + QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    m_cloud.client().patch(path, o, [this, path, done](const CloudResult &r) {
        if (!r.ok) {
            m_trace.write(QStringLiteral("Patch de ") + path + QStringLiteral(" failed: ") + r.error,
                          TraceColour::Red);
            error(tr("Error de acceso a la base de datos: ") + r.error);
        }
        done(r.ok);
    });
}

void AccountSession::LoginEmpresaRTDB(const NewUserForm &form, bool nouUsuari, std::function<void(bool)> done)
{
    m_error.clear();
    auto finish = [this, form, done](bool ok) {
        if (!ok || !m_error.isEmpty()) {
            emit message(errorMessage(m_error), Kind::Error);
            done(false);
            return;
        }
        emit credentialsToStore(form.email, form.password, m_cloud.CodiReg());
        done(true);
    };
    const AccountSite site = form.site;
    auto siteStep = [this, site, finish] {
        const QString created = sitePath(site.empresa, site.instal, site.ref) + u'/'
                                + siteCreatedMember(site.instal, site.ref);
        m_cloud.client().get(created, {}, [this, site, finish](const CloudResult &r) {
            if (!r.ok) {
                error(tr("Error de acceso a la base de datos: ") + r.error);
                finish(false);
                return;
            }
            // A level is created once: its creation time is written only while missing.
            m_cloud.writeSiteKey(site.empresa, site.instal, r.value.isNull(), site.ref, site.clau,
                                 [this, finish](bool ok) {
                                     if (!ok)
                                         error(m_cloud.ErrorFirebase());
                                     finish(ok);
                                 });
        });
    };
    if (!nouUsuari) {
        siteStep();
        return;
    }
    m_cloud.client().get(QStringLiteral("Users/") + m_cloud.CodiReg(), {},
                         [this, form, siteStep, finish](const CloudResult &r) {
                             if (!r.ok) {
                                 error(tr("Error de acceso a la base de datos: ") + r.error);
                                 finish(false);
                                 return;
                             }
                             const QJsonObject user = r.value.toObject();
                             if (scalarText(user.value(QStringLiteral("role"))).contains(QLatin1String("usuario"))) {
                                 error(notInstallerText());
                                 finish(false);
                                 return;
                             }
                             if (r.value.isNull()) {
                                 ActualitzaUsersRTDB(form.site, true, form.email, [siteStep, finish](bool ok) {
                                     if (ok)
                                         siteStep();
                                     else
                                         finish(false);
                                 });
                                 return;
                             }
                             if (scalarText(user.value(QStringLiteral("companyKey"))) != form.site.empresa
                                 || scalarText(user.value(QStringLiteral("installer"))) != form.site.instal
                                 || scalarText(user.value(QStringLiteral("reference"))) != form.site.ref) {
                                 error(tr("La empresa, el instalador o la referencia no coinciden con los de este "
                                          "usuario.\rPor favor, introduzca los datos correctos o registre un nuevo "
                                          "usuario"));
                                 finish(false);
                                 return;
                             }
                             siteStep();
                         });
}

// --- start-up -----------------------------------------------------------------------

void AccountSession::startUp(const QString &storedUid, std::function<void(Start, const DialogOpening &)> done)
{
    m_error.clear();
    if (storedUid.isEmpty()) {
        done(Start::Dialog, DialogOpening{Panel::SignIn, {}, {}, {}});
        return;
    }
    const QString email = m_cloud.EmpresaEmail();
    const QString password = m_cloud.EmpresaPassword();
    auto decide = [this, email, password, done] {
        if (m_error.isEmpty() && hasCompany()) {
            done(Start::Ready, {});
            return;
        }
        DialogOpening d;
        d.error = m_error;
        if (m_error.isEmpty()) {
            d.error = tr("Empresa no dada de alta\rPor favor, introduzca los datos que faltan");
            d.email = email;
            d.password = password;
            d.panel = Panel::NewUser;
        } else if (m_error == notVerifiedText()) {
            done(Start::Refused, d);
            return;
        } else if (m_error == tr("Sesión cerrada") || m_error == notInstallerText()
                   || m_error == errorText(QStringLiteral("INVALID_EMAIL"))
                   || m_error == errorText(QStringLiteral("INVALID_PASSWORD"))
                   || m_error == errorText(QStringLiteral("TOO_MANY_ATTEMPTS_TRY_LATER"))) {
            d.panel = Panel::SignIn;
        } else {
            d.panel = Panel::NewUser;
        }
        done(Start::Dialog, d);
    };
    if (email.isEmpty() || password.isEmpty()) {
        error(tr("Sesión cerrada"));
        decide();
        return;
    }
    LoginFirebase(email, password, [this, decide, done] {
        if (noConnection(m_error)) {
            // The server is out of reach: the program starts without the cloud.
            m_error.clear();
            done(Start::Ready, {});
            return;
        }
        if (!m_error.isEmpty()) {
            decide();
            return;
        }
        BuscaEmpresaUsersRTDB(decide);
    });
}

// --- the dialog's buttons -----------------------------------------------------------

void AccountSession::BIniciaSessioClick(const QString &email, const QString &password,
                                        std::function<void(Outcome)> done)
{
    Field focus = Field::None;
    const QString check = checkSignIn(email, password, &focus);
    if (!check.isEmpty()) {
        emit message(check, Kind::Error);
        done({false, focus});
        return;
    }
    LoginFirebase(email, password, [this, email, password, done] {
        if (noConnection(m_error)) {
            emit message(connectionMessage(), Kind::Error);
            done({true, Field::None});
            return;
        }
        if (m_error.contains(tr("Correo electrónico no registrado"))) {
            emit message(tr("¡ ATENCION !\rUsuario no registrado\r Si desea registrarlo pulse en ")
                             + quoted(tr("Nuevo usuario")),
                         Kind::Information);
            done({false, Field::Email});
            return;
        }
        if (!m_error.isEmpty()) {
            emit message(errorMessage(m_error), Kind::Error);
            done({false, Field::None});
            return;
        }
        m_cloud.setAccount(email, password, m_cloud.EmpresaNickname());
        BuscaEmpresaUsersRTDB([this, email, password, done] {
            if (!m_error.isEmpty()) {
                emit message(errorMessage(m_error), Kind::Error);
                done({false, Field::None});
                return;
            }
            if (!hasCompany()) {
                emit message(tr("Faltan datos\rPulse ") + quoted(tr("Nuevo usuario"))
                                 + tr(" para completar el registro"),
                             Kind::Information);
                done({false, Field::None});
                return;
            }
            m_cloud.setNickname(m_site.nickname);
            LoginEmpresaRTDB({m_site, email, password}, false, [done](bool ok) { done({ok, Field::None}); });
        });
    });
}

void AccountSession::BAltaUsuariClick(const NewUserForm &entered, std::function<void(Outcome)> done)
{
    NewUserForm form = entered;
    for (QString *s : {&form.site.empresa, &form.site.instal, &form.site.ref, &form.site.clau, &form.site.nickname,
                       &form.email, &form.password})
        *s = s->trimmed();
    Field focus = Field::None;
    const QString check = checkNewUser(form, &focus);
    if (!check.isEmpty()) {
        emit message(check, Kind::Error);
        done({false, focus});
        return;
    }
    LoginFirebase(form.email, form.password, [this, form, done] {
        if (noConnection(m_error)) {
            emit message(connectionMessage(), Kind::Error);
            done({true, Field::None});
            return;
        }
        if (m_error.contains(tr("Correo electrónico no registrado"))) {
            // Created now; the user confirms the address and presses again.
            AltaNouUsuariFirebase(form.email, form.password, [done] { done({false, Field::None}); });
            return;
        }
        if (!m_error.isEmpty()) {
            emit message(errorMessage(m_error), Kind::Error);
            done({false, Field::None});
            return;
        }
        readSiteKey(form.site, [this, form, done](bool ok, const QString &stored) {
            if (!ok) {
                error(tr("Error de acceso a la base de datos: ") + stored);
                emit message(errorMessage(m_error), Kind::Error);
                done({false, Field::None});
                return;
            }
            if (!stored.isEmpty() && stored != form.site.clau) {
                emit message(tr("¡ ERROR !\rEl campo Clave no coincide con el de la base de datos\rPor favor, "
                                "introduzca la clave correcta"),
                             Kind::Error);
                done({false, Field::Key});
                return;
            }
            LoginEmpresaRTDB(form, true, [this, form, done](bool written) {
                if (written) {
                    m_site = form.site;
                    m_cloud.setAccount(form.email, form.password, form.site.nickname);
                }
                done({written, Field::None});
            });
        });
    });
}

void AccountSession::LNovaContrasenyaClick(const QString &email, std::function<void()> done)
{
    if (email.trimmed().isEmpty()) {
        emit message(tr("¡ ATENCION !\rPara pedir la contraseña debe entrar el Correo electrónico\r"), Kind::Error);
        if (done)
            done();
        return;
    }
    m_cloud.client().sendPasswordReset(email.trimmed(), [this, email, done](const CloudResult &r) {
        if (r.ok)
            emit message(tr("¡ ATENCION !\rSe ha enviado un mensaje a ") + email
                             + tr(" para restablecer la contraseña"),
                         Kind::Information);
        else
            emit message(tr("¡ ERROR !\rNo se podido enviar un mensaje a ") + email
                             + tr(" para restablecer la contraseña"),
                         Kind::Error);
        if (done)
            done();
    });
}

void AccountSession::moveToSite(const AccountSite &entered, std::function<void(Outcome)> done)
{
    AccountSite site = entered;
    for (QString *s : {&site.empresa, &site.instal, &site.ref, &site.clau, &site.nickname})
        *s = s->trimmed();
    if (site.empresa.isEmpty()) {
        emit message(tr("El campo Empresa no puede estar vacío"), Kind::Error);
        done({false, Field::Company});
        return;
    }
    if (site.clau.isEmpty() || site.clau.size() < kMinimumLength) {
        emit message(site.clau.isEmpty() ? tr("El campo Clave no puede estar vacío")
                                         : tr("Clave demasiado corta. Mínimo 6 caracteres"),
                     Kind::Error);
        done({false, Field::Key});
        return;
    }
    readSiteKey(site, [this, site, done](bool ok, const QString &stored) {
        if (!ok) {
            // A lookup that failed proves no key.
            emit message(noConnection(stored) ? tr("Se ha producido un fallo en la conexión a Internet")
                                              : stored + tr("\rCompruebe la conexión a internet"),
                         Kind::Error);
            done({false, Field::Key});
            return;
        }
        if (stored.isEmpty()) {
            emit message(tr("No existe esta empresa/instalador/referencia\rNo se pueden guardar los cambios"),
                         Kind::Error);
            done({false, Field::Company});
            return;
        }
        if (stored != site.clau) {
            emit message(tr("Clave errónea\rPor favor, entre la clave correcta"), Kind::Error);
            done({false, Field::Key});
            return;
        }
        ActualitzaUsersRTDB(site, false, m_cloud.EmpresaEmail(), [this, site, done](bool written) {
            if (!written) {
                emit message(errorMessage(m_error), Kind::Error);
                done({false, Field::None});
                return;
            }
            m_site = site;
            m_cloud.setNickname(site.nickname);
            emit message(tr("Los cambios realizados se han guardado correctamente"), Kind::Information);
            done({true, Field::None});
        });
    });
}

void AccountSession::MITancarSessioClick()
{
    const QString uid = m_cloud.CodiReg();
    m_cloud.setAccount({}, {}, {});
    m_cloud.client().signOut();
    m_site = {};
    emit credentialsToStore({}, {}, uid);
}

} // namespace velmar
