// The account session against velmar-sim's cloud emulator: sign-in, new
// users with their e-mail confirmation, the site key, the start-up decision
// and moving an account to another site.
#include "CloudRig.h"

#include "core/cloud/AccountSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;
using Outcome = AccountSession::Outcome;
using Field = AccountSession::Field;

namespace {

struct AccountRig : CloudRig {
    AccountRig() : account(*cloud, trace)
    {
        QObject::connect(&account, &AccountSession::message,
                         [this](const QString &text, AccountSession::Kind) { told << text; });
        QObject::connect(&account, &AccountSession::credentialsToStore,
                         [this](const QString &e, const QString &p, const QString &u) { stored = {e, p, u}; });
    }

    QString base() const { return endpoints.cloudDatabaseUrl; }

    QJsonValue admin(const QString &path)
    {
        QNetworkAccessManager net;
        QNetworkReply *reply = net.get(QNetworkRequest(QUrl(path.startsWith("http") ? path : base() + path)));
        waitFor([&] { return reply->isFinished(); }, 10000);
        const QJsonDocument doc = QJsonDocument::fromJson(reply->readAll());
        reply->deleteLater();
        return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    }

    // Follows the last confirmation link mailed to `email`.
    bool confirm(const QString &email)
    {
        QString link;
        for (const QJsonValue &m : admin("/_admin/mails").toArray())
            if (m["email"].toString() == email && m["requestType"].toString() == "VERIFY_EMAIL")
                link = m["link"].toString();
        return !link.isEmpty() && admin(link)["verified"].toBool();
    }

    template <typename Click>
    Outcome press(Click click)
    {
        told.clear();
        std::optional<Outcome> out;
        click([&](Outcome o) { out = o; });
        waitFor([&] { return out.has_value(); }, 30000);
        EXPECT_TRUE(out.has_value());
        return out.value_or(Outcome{});
    }

    Outcome signIn(const QString &email, const QString &password)
    {
        return press([&](auto done) { account.BIniciaSessioClick(email, password, done); });
    }
    Outcome newUser(const NewUserForm &f)
    {
        return press([&](auto done) { account.BAltaUsuariClick(f, done); });
    }

    // A confirmed installer of `site`, signed out afterwards.
    void installer(const QString &email, const AccountSite &site)
    {
        const NewUserForm f{site, email, "secreto1"};
        newUser(f);
        ASSERT_TRUE(confirm(email));
        ASSERT_TRUE(newUser(f).close) << told.join(" / ").toStdString();
        client().signOut();
    }

    AccountSession account;
    QStringList told;
    QStringList stored;
};

const AccountSite kSite{"Incendios Norte", "Taller 3", "", "clave-norte", "Mari"};

} // namespace

TEST(AccountChecks, FormsRefusedBeforeAnyRequest)
{
    const struct {
        NewUserForm form;
        QString text;
        Field focus;
    } cases[] = {
        {{kSite, "", "secreto1"}, "El campo Correo electrónico no puede estar vacío", Field::Email},
        {{kSite, "a@b.es", ""}, "El campo Contraseña no puede estar vacío", Field::Password},
        {{kSite, "a@b.es", "12345"}, "Contraseña demasiado corta. Mínimo 6 caracteres", Field::Password},
        {{{"", "i", "", "clave1", ""}, "a@b.es", "secreto1"}, "El campo Empresa no puede estar vacío", Field::Company},
        {{{"E", "i", "", "", ""}, "a@b.es", "secreto1"}, "El campo Clave no puede estar vacío", Field::Key},
        {{{"E", "i", "", "12345", ""}, "a@b.es", "secreto1"}, "Clave demasiado corta. Mínimo 6 caracteres", Field::Key},
        {{{"E", "", "R-1", "clave1", ""}, "a@b.es", "secreto1"},
         "No puede haber una referencia sin instalador\rPor favor, entre un instalador o borre la referencia",
         Field::None},
        {{{"E", "i", "R-1", "clave1", ""}, "a@b.es", "secreto1"}, "", Field::None},
    };
    for (const auto &c : cases) {
        Field focus = Field::Email;
        EXPECT_EQ(AccountSession::checkNewUser(c.form, &focus), c.text) << c.text.toStdString();
        EXPECT_EQ(focus, c.focus) << c.text.toStdString();
    }

    // A five-character password never reaches the server.
    AccountRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    const Outcome o = rig.signIn("a@b.es", "12345");
    EXPECT_FALSE(o.close);
    EXPECT_EQ(o.focus, Field::Password);
    EXPECT_EQ(rig.told, QStringList{"Contraseña demasiado corta. Mínimo 6 caracteres"});
    EXPECT_TRUE(rig.traced.filter("Firebase : ").isEmpty()) << rig.traced.join("\n").toStdString();
}

TEST(AccountErrors, ServerCodesInTheUsersWords)
{
    const struct {
        const char *server;
        bool signUp;
        QString text;
    } cases[] = {
        {"EMAIL_NOT_FOUND", false, "Correo electrónico no registrado.\rPor favor, entre los datos solicitados."},
        {"INVALID_EMAIL", false, "Correo electrónico incorrecto.\rPor favor, asegúrese de entrar un correo válido."},
        {"INVALID_PASSWORD : bad", false, "Contraseña inválida.\rPor favor, introduzca la contraseña correcta."},
        {"TOO_MANY_ATTEMPTS_TRY_LATER", true,
         "Demasiados intentos de cambio fallidos.\rEspere un momento y vuelva a intentarlo."},
        {"USER_DISABLED", false, "No se puede acceder ya que este usuario está inhabilitado"},
        {"USER_DISABLED", true, "USER_DISABLED"}, // sign-up has no such row
        {"Sin respuesta (12007)", false, "Sin respuesta (12007)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AccountSession::errorText(c.server, c.signUp), c.text) << c.server;
}

TEST(AccountNewUser, CreatedConfirmedAndTiedToItsSite)
{
    AccountRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();

    // Unknown on sign-in: the dialog proposes "Nuevo usuario".
    Outcome o = rig.signIn("eva@velmar.test", "secreto1");
    EXPECT_FALSE(o.close);
    ASSERT_EQ(rig.told.size(), 1);
    EXPECT_EQ(rig.told[0], "¡ ATENCION !\rUsuario no registrado\r Si desea registrarlo pulse en \"Nuevo usuario\"");

    // "Nuevo usuario" creates the account and asks for the confirmation.
    const NewUserForm form{kSite, " eva@velmar.test ", "secreto1"};
    o = rig.newUser(form);
    EXPECT_FALSE(o.close);
    ASSERT_EQ(rig.told.size(), 1);
    EXPECT_TRUE(rig.told[0].startsWith("¡ ATENCION !\rSe ha enviado un mensaje a eva@velmar.test para su verificación"));
    const QString uid = rig.cloud->CodiReg();
    EXPECT_TRUE(rig.get("Users/" + uid).isNull()) << "nothing written before the confirmation";

    // Pressed again before confirming: still refused, nothing written.
    o = rig.newUser(form);
    EXPECT_FALSE(o.close);
    ASSERT_EQ(rig.told.size(), 1);
    EXPECT_TRUE(rig.told[0].startsWith("¡ ERROR !\rCorreo electrónico no verificado."));
    EXPECT_TRUE(rig.get("Users/" + uid).isNull());

    // Confirmed: the account and its site are written, the credentials kept.
    ASSERT_TRUE(rig.confirm("eva@velmar.test"));
    o = rig.newUser(form);
    EXPECT_TRUE(o.close) << rig.told.join(" / ").toStdString();
    const QJsonObject user = rig.get("Users/" + uid).toObject();
    EXPECT_EQ(user["companyKey"].toString(), "Incendios Norte");
    EXPECT_EQ(user["installer"].toString(), "Taller 3");
    EXPECT_EQ(user["role"].toString(), "instalador");
    EXPECT_EQ(user["email"].toString(), "eva@velmar.test");
    EXPECT_EQ(user["nickname"].toString(), "Mari");
    EXPECT_FALSE(user["CreatedDate"].toString().isEmpty());
    const QJsonObject level = rig.get("Companies/Incendios Norte/Installers/Taller 3").toObject();
    EXPECT_EQ(level["KeyInstaller"].toString(), "clave-norte");
    const QString created = level["CreatedDateInstaller"].toString();
    EXPECT_FALSE(created.isEmpty());
    EXPECT_EQ(rig.stored, (QStringList{"eva@velmar.test", "secreto1", uid}));
    EXPECT_EQ(rig.account.site().empresa, "Incendios Norte");
    EXPECT_FALSE(rig.traced.filter("Patch : Users/" + uid + "   Data{").isEmpty());

    // Signing in again: the site is loaded and its creation time stays.
    rig.client().signOut();
    QTest::qWait(1100);
    o = rig.signIn("eva@velmar.test", "secreto1");
    EXPECT_TRUE(o.close) << rig.told.join(" / ").toStdString();
    EXPECT_EQ(rig.account.site().clau, "clave-norte");
    EXPECT_EQ(rig.account.site().nickname, "Mari");
    EXPECT_EQ(rig.get("Companies/Incendios Norte/Installers/Taller 3/CreatedDateInstaller").toString(), created);
}

TEST(AccountNewUser, WrongSiteKeyOrNoInstallerStopsBeforeAnyRecord)
{
    AccountRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    rig.installer("first@velmar.test", kSite);

    // A second installer for the same site with a wrong key.
    NewUserForm other{kSite, "second@velmar.test", "secreto2"};
    other.site.clau = "otra-clave";
    rig.newUser(other);
    ASSERT_TRUE(rig.confirm("second@velmar.test"));
    const Outcome o = rig.newUser(other);
    EXPECT_FALSE(o.close);
    EXPECT_EQ(o.focus, Field::Key);
    EXPECT_EQ(rig.told, QStringList{"¡ ERROR !\rEl campo Clave no coincide con el de la base de datos\rPor favor, "
                                    "introduzca la clave correcta"});
    EXPECT_TRUE(rig.get("Users/" + rig.cloud->CodiReg()).isNull());
    EXPECT_EQ(rig.get("Companies/Incendios Norte/Installers/Taller 3/KeyInstaller").toString(), "clave-norte");

    // An account whose role is a user's cannot enter.
    ASSERT_TRUE(rig.patch("Users/" + rig.cloud->CodiReg(),
                          {{"role", "usuario"}, {"companyKey", "Incendios Norte"}, {"installer", "Taller 3"}}));
    rig.client().signOut();
    const Outcome refused = rig.signIn("second@velmar.test", "secreto2");
    EXPECT_FALSE(refused.close);
    EXPECT_EQ(rig.told, QStringList{"¡ ERROR !\rNo puede acceder al programa porque no es instalador\r"});
    EXPECT_TRUE(rig.stored.isEmpty() || rig.stored[0] != "second@velmar.test");
}

TEST(AccountStartUp, StoredCredentialsDecideTheDialog)
{
    AccountRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    rig.installer("ines@velmar.test", kSite);
    const QString uid = rig.stored.value(2);
    ASSERT_FALSE(uid.isEmpty());
    rig.newUser({kSite, "pending@velmar.test", "secreto3"}); // never confirmed
    rig.client().signOut();
    ASSERT_TRUE(rig.signUp("nosite@velmar.test", "secreto4"));
    ASSERT_TRUE(rig.call([&](auto d) { rig.client().sendVerification(d); }).ok);
    ASSERT_TRUE(rig.confirm("nosite@velmar.test"));
    rig.client().signOut();

    const struct {
        QString uid, email, password;
        AccountSession::Start start;
        AccountSession::Panel panel;
        QString error; // how the dialog's error begins
    } cases[] = {
        {"", "ines@velmar.test", "secreto1", AccountSession::Start::Dialog, AccountSession::Panel::SignIn, ""},
        {uid, "", "", AccountSession::Start::Dialog, AccountSession::Panel::SignIn, "Sesión cerrada"},
        {uid, "ines@velmar.test", "secreto1", AccountSession::Start::Ready, {}, ""},
        {uid, "ines@velmar.test", "otra-cosa", AccountSession::Start::Dialog, AccountSession::Panel::SignIn,
         "Contraseña inválida."},
        {uid, "pending@velmar.test", "secreto3", AccountSession::Start::Refused, {}, "Correo electrónico no verificado."},
        {uid, "nosite@velmar.test", "secreto4", AccountSession::Start::Dialog, AccountSession::Panel::NewUser,
         "Empresa no dada de alta\rPor favor, introduzca los datos que faltan"},
    };
    for (const auto &c : cases) {
        rig.client().signOut();
        rig.cloud->setAccount(c.email, c.password);
        std::optional<AccountSession::Start> start;
        AccountSession::DialogOpening opening;
        rig.account.startUp(c.uid, [&](AccountSession::Start s, const AccountSession::DialogOpening &d) {
            start = s;
            opening = d;
        });
        ASSERT_TRUE(waitFor([&] { return start.has_value(); }, 30000)) << c.email.toStdString();
        EXPECT_EQ(*start, c.start) << c.email.toStdString();
        if (c.start == AccountSession::Start::Dialog) {
            EXPECT_EQ(opening.panel, c.panel) << c.email.toStdString();
        }
        if (c.start != AccountSession::Start::Ready) {
            EXPECT_TRUE(opening.error.left(c.error.size()) == c.error && c.error.isEmpty() == opening.error.isEmpty())
                << c.email.toStdString() << " / " << c.password.toStdString() << " / "
                << opening.error.toStdString() << " / " << rig.account.ErrorFirebase().toStdString();
        }
    }
    // With no company the stored credentials stay in the fields.
    EXPECT_EQ(rig.cloud->EmpresaEmail(), "nosite@velmar.test");

    // "Cerrar sesión": the credentials to keep are empty, the next start asks.
    rig.account.MITancarSessioClick();
    EXPECT_EQ(rig.stored.value(0), "");
    EXPECT_EQ(rig.stored.value(1), "");
    EXPECT_TRUE(rig.cloud->token().isEmpty());
}

TEST(AccountData, MovedToAnotherSiteOnlyWithItsKey)
{
    AccountRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    const AccountSite south{"Incendios Sur", "", "", "clave-sur", ""};
    rig.installer("boss@velmar.test", south);
    rig.installer("juan@velmar.test", kSite);
    ASSERT_TRUE(rig.signIn("juan@velmar.test", "secreto1").close);
    const QString uid = rig.cloud->CodiReg();

    AccountSite to = south;
    to.nickname = "Juanito";
    const struct {
        AccountSite site;
        bool moved;
        QString told;
    } cases[] = {
        {{"Incendios Este", "", "", "clave-este", ""}, false,
         "No existe esta empresa/instalador/referencia\rNo se pueden guardar los cambios"},
        {{"Incendios Sur", "", "", "no-es-esta", ""}, false, "Clave errónea\rPor favor, entre la clave correcta"},
        {{"Incendios Sur", "", "", "corta", ""}, false, "Clave demasiado corta. Mínimo 6 caracteres"},
        {to, true, "Los cambios realizados se han guardado correctamente"},
    };
    for (const auto &c : cases) {
        const Outcome o = rig.press([&](auto done) { rig.account.moveToSite(c.site, done); });
        EXPECT_EQ(o.close, c.moved) << c.told.toStdString();
        EXPECT_EQ(rig.told, QStringList{c.told});
        EXPECT_EQ(rig.get("Users/" + uid + "/companyKey").toString(), c.moved ? "Incendios Sur" : "Incendios Norte");
    }
    EXPECT_EQ(rig.get("Users/" + uid + "/nickname").toString(), "Juanito");
    EXPECT_EQ(rig.account.site().empresa, "Incendios Sur");
}
