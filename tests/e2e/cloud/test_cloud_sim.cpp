// The cloud directory against the simulator's cloud emulator: accounts and
// token renewal, site keys, events, the module record, telephones, users and
// door reads, the version check, and a cloud that is down or too slow.

#include "CloudRig.h"

#include "core/cloud/CloudStartupSession.h"
#include "core/programming/Prompts.h"
#include "core/shell/Engine.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

using velmar::CloudDirectory;
using velmar::test::CloudRig;
using velmar::test::ends;
using velmar::test::waitFor;
using Check = velmar::CloudDirectory::SiteKeyCheck;

namespace {

TEST(CloudAccount, SignUpSignInAndTokenRenewedUnnoticed)
{
    CloudRig rig({"--token-ttl", "1"});
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    const QString password = QStringLiteral("Pw-0'Brien,1");
    ASSERT_TRUE(rig.signUp("ana@velmar.test", password));
    const QString uid = rig.cloud->CodiReg();
    ASSERT_FALSE(uid.isEmpty());
    QStringList tokens{rig.cloud->token()};
    QObject::connect(&rig.client(), &velmar::cloud::FirebaseClient::tokenRefreshed,
                     [&] { tokens << rig.client().idToken(); });

    // Signed out, the stored credentials sign in again.
    rig.client().signOut();
    QSignalSpy signedIn(rig.cloud.get(), &CloudDirectory::signInFinished);
    ASSERT_TRUE(ends(signedIn, [&] { rig.cloud->ConnexioFireBase(); }));
    EXPECT_TRUE(signedIn.last().at(0).toBool());
    EXPECT_EQ(rig.cloud->CodiReg(), uid);
    tokens << rig.cloud->token();

    // The token's life is over before a write: renewed first, the write goes through.
    ASSERT_TRUE(waitFor([&] { return rig.client().tokenExpired(); }, 5000));
    qsizetype before = tokens.size();
    EXPECT_TRUE(rig.patch("Users/" + uid, {{"nickname", "Ana"}}));
    EXPECT_GT(tokens.size(), before);

    // A token the client still trusts but the server no longer takes: the
    // 401 renews it once and the same read is made again.
    rig.client().setRefreshAheadMs(-3600 * 1000);
    QElapsedTimer aged;
    aged.start();
    waitFor([&] { return aged.elapsed() > 1500; }, 5000);
    before = tokens.size();
    EXPECT_EQ(rig.get("Users/" + uid).toObject().value("nickname").toString(), "Ana");
    EXPECT_GT(tokens.size(), before);

    // The user's state and the account mails.
    rig.client().setRefreshAheadMs(60000);
    EXPECT_TRUE(rig.call([&](auto d) { rig.client().sendVerification(d); }).ok);
    const auto user = rig.call([&](auto d) { rig.client().lookup(d); });
    EXPECT_EQ(user.value.toObject().value("email").toString(), "ana@velmar.test");
    EXPECT_TRUE(user.value.toObject().value("emailVerified").isBool());
    EXPECT_TRUE(rig.call([&](auto d) { rig.client().sendPasswordReset("ana@velmar.test", d); }).ok);

    // Credentials never reach the trace.
    ASSERT_FALSE(rig.traced.isEmpty());
    for (const QString &line : rig.traced) {
        EXPECT_FALSE(line.contains(password)) << line.toStdString();
        EXPECT_FALSE(line.contains(CloudRig::kApiKey)) << line.toStdString();
        for (const QString &t : tokens)
            EXPECT_FALSE(!t.isEmpty() && line.contains(t)) << line.toStdString();
    }
}

TEST(CloudAccount, SignInRefusalsAndTheirMessages)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("luis@velmar.test"));
    rig.client().signOut();
    const struct {
        QString email, password;
        QString error;   // ErrorFirebase afterwards
        bool dialog;     // the connection dialog shown
    } cases[] = {
        // Left to the account dialog: nothing shown, nothing set.
        {"nadie@velmar.test", "secreto1", "", false},
        {"no-es-un-correo", "secreto1", "", false},
        // Anything else is told at once.
        {"luis@velmar.test", "otraclave", "INVALID_PASSWORD", true},
    };
    for (const auto &c : cases) {
        rig.messages.clear();
        rig.cloud->setAccount(c.email, c.password);
        QSignalSpy done(rig.cloud.get(), &CloudDirectory::signInFinished);
        ASSERT_TRUE(ends(done, [&] { rig.cloud->ConnexioFireBase(); }));
        EXPECT_FALSE(done.last().at(0).toBool()) << c.email.toStdString();
        EXPECT_TRUE(rig.cloud->token().isEmpty());
        EXPECT_EQ(rig.cloud->ErrorFirebase().left(c.error.size()), c.error) << c.email.toStdString();
        EXPECT_EQ(rig.cloud->ErrorFirebase().isEmpty(), c.error.isEmpty());
        EXPECT_EQ(rig.messages.filter("No se pudo resolver el nombre de servidor").size(), c.dialog ? 1 : 0)
            << c.email.toStdString();
    }
}

TEST(CloudSiteKeys, DefinedCheckedAndRefused)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("inst@velmar.test"));
    QSignalSpy checked(rig.cloud.get(), &CloudDirectory::siteKeyChecked);
    const struct {
        QString empresa, instal, ref, clau;
        Check result;
        const char *message; // part of the message shown, or empty
    } steps[] = {
        {"ACME", "", "", "corta", Check::TooShort, "Clave demasiado corta"},
        {"ACME", "", "", "clave-acme", Check::Defined, ""},
        {"ACME", "", "", "clave-acme", Check::Accepted, ""},
        {"ACME", "", "", "otra-clave", Check::Refused, "no coincide con la registrada"},
        {"ACME", "Juan.Perez", "", "clave-juan", Check::Defined, ""},
        {"ACME", "Juan.Perez", "Nave 3", "cla\"ve, 3", Check::Defined, ""},
        // A key holding a quote and a comma is compared whole.
        {"ACME", "Juan.Perez", "Nave 3", "cla\"ve, 3", Check::Accepted, ""},
        {"ACME", "Juan.Perez", "Nave 3", "clave, 3", Check::Refused, "no coincide"},
        // A name cannot reach into another site's levels.
        {"ACME", "Juan.Perez/References/Nave 3", "", "clave-mala", Check::Failed, ""},
        {"ACME/Installers/Juan.Perez", "", "", "clave-mala", Check::Failed, ""},
    };
    for (const auto &s : steps) {
        rig.messages.clear();
        ASSERT_TRUE(ends(checked, [&] { rig.cloud->ComprovaClauRTDB(s.empresa, s.instal, s.ref, s.clau); }));
        EXPECT_EQ(checked.last().at(0).value<Check>(), s.result) << s.clau.toStdString();
        EXPECT_EQ(rig.messages.filter(s.message).size(), QString(s.message).isEmpty() ? 0 : 1)
            << rig.messages.join("; ").toStdString();
    }
    // The records as the other programs of the project read them.
    const QJsonObject company = rig.get("Companies/ACME").toObject();
    EXPECT_EQ(company.value("KeyCom").toString(), "clave-acme");
    EXPECT_EQ(company.value("Name").toString(), "ACME");
    EXPECT_EQ(company.value("NIF").toString(), "");
    const QJsonObject installer = company.value("Installers").toObject().value("Juan,Perez").toObject();
    EXPECT_EQ(installer.value("KeyInstaller").toString(), "clave-juan");
    EXPECT_EQ(installer.value("References").toObject().value("Nave 3").toObject().value("KeyReference").toString(),
              "cla\"ve, 3");
    EXPECT_EQ(installer.value("References").toObject().value("Nave 3").toObject().keys(),
              QStringList({"CreatedDateReference", "KeyReference"}));
    EXPECT_EQ(installer.keys(), QStringList({"CreatedDateInstaller", "KeyInstaller", "LastAccessInstaller", "References"}));

    // The creation time is written once; a later write leaves it.
    const QString created = company.value("CreatedDateCom").toString();
    ASSERT_FALSE(created.isEmpty());
    QSignalSpy written(rig.cloud.get(), &CloudDirectory::siteKeyWritten);
    rig.cloud->setClock([] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)); });
    ASSERT_TRUE(ends(written, [&] { rig.cloud->ActualitzaCompaniesRTDB("ACME", "", false, "", "clave-acme"); }));
    EXPECT_TRUE(written.last().at(0).toBool());
    EXPECT_EQ(rig.get("Companies/ACME/CreatedDateCom").toString(), created);
    EXPECT_EQ(rig.get("Companies/ACME/LastAccessCom").toString(), "02/01/2030 03:04:05.000");
}

// Answers every question of the module commands with yes.
struct Yes : velmar::Prompts {
    bool ask(const velmar::Question &) override { return true; }
};

TEST(CloudEvents, OutputSwitchWrittenToTheHistory)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("eva@velmar.test"));
    const QString uid = rig.cloud->CodiReg();

    // The engine's module commands write through its own cloud directory.
    velmar::Engine engine(rig.endpoints);
    Yes yes;
    engine.programming.setPrompts(&yes);
    engine.cloud.setAccount("eva@velmar.test", "secreto1", "Eva: técnica");
    engine.cloud.setClock([] { return QDateTime(QDate(2026, 1, 15), QTime(10, 20, 30, 123), QTimeZone("Europe/Madrid")); });
    // A module reached through the broker (its order goes out as a status payload).
    engine.state.connex_remota = QStringLiteral("MQTT");
    engine.state.identConnectar = QStringLiteral("VLM0042");
    QSignalSpy written(&engine.cloud, &CloudDirectory::eventWritten);
    ASSERT_TRUE(ends(written, [&] { engine.commands.ActivarSortidesClick(2, QStringLiteral("Sirena"), false); }));
    EXPECT_TRUE(written.last().at(0).toBool()) << engine.cloud.ErrorFirebase().toStdString();

    const QJsonObject events = rig.get("Events/VLM0042").toObject();
    ASSERT_EQ(events.size(), 1);
    const QJsonObject e = events.begin().value().toObject();
    EXPECT_EQ(e.value("ClientId").toString(), "VLM0042");
    EXPECT_EQ(e.value("Created").toString(), "2026-01-15T09:20:30.123");
    EXPECT_EQ(e.value("EventId").toString(), "77000");
    EXPECT_EQ(e.value("MessageTxt").toString(), "Salida disparada: Sirena");
    EXPECT_EQ(e.value("UserName").toString(), "Eva: técnica");
    EXPECT_EQ(e.value("UserMail").toString(), "eva@velmar.test");
    EXPECT_EQ(e.value("UserId").toString(), uid);

    // The history lists it, with the orderBy/limitToLast read.
    QSignalSpy history(&engine.cloud, &CloudDirectory::historyRead);
    ASSERT_TRUE(ends(history, [&] { engine.cloud.LLegir_Historic(); }));
    const auto rows = history.last().at(0).value<QList<velmar::cloud::HistoryRow>>();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].message, "Salida disparada: Sirena");
    EXPECT_EQ(rows[0].user, "eva@velmar.test");

    // No module in hand: nothing is written.
    engine.state.identConnectar.clear();
    engine.cloud.addEvent("77000", "sin equipo");
    QCoreApplication::processEvents();
    EXPECT_EQ(written.size(), 1);
}

const char kModule[] = R"({
  "Company": "ACME", "Installer": "Juan", "Reference": "Nave 3", "Connection": "ONLINE",
  "Configuration": {"ethernetInfo": {"ethernetStat": "5"}, "gprsInfo": {"gprsStat": "2"}},
  "Identifier": {"VLM0042": "356938035643809"},
  "Operator": "O'Brien, J.: \"Telco\"", "gsmStat": "16", "comCentral": "Syncro\\AS",
  "Inputs": {"inputsAlies": "Puerta: norte|Ventana, sur", "inputsStat": "01"},
  "Updated": "2026-01-15 10:20:30.123",
  "Syncro": {"buzzerAndNums": "1|0|2", "zonesStat": "00F"},
  "ButtonStatus": {"1": "OPENING"}, "OpenStatus": "OPEN"
})";

TEST(CloudModule, RecordFlattenedAndKeptFromWholeBranchDeletes)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("mod@velmar.test"));
    ASSERT_TRUE(rig.patch("Equipments/VLM0042", QJsonDocument::fromJson(kModule).object()));
    ASSERT_TRUE(rig.patch("Equipments/VLM0043", {{"Company", "ACME"}}));

    QSignalSpy read(rig.cloud.get(), &CloudDirectory::moduleRecordRead);
    ASSERT_TRUE(ends(read, [&] { rig.cloud->AgafaEstatEquipments("VLM0042"); }));
    const auto record = read.last().at(0).value<velmar::cloud::ModuleRecord>();
    EXPECT_EQ(record.value("Identifier"), "VLM0042");
    EXPECT_EQ(record.value("IMEI"), "356938035643809");
    EXPECT_EQ(record.value("ethernetStat"), "5");
    EXPECT_EQ(record.value("Operator"), "O'Brien, J.: \"Telco\"");
    EXPECT_EQ(record.names("inputsAlies", 16).mid(0, 2), QStringList({"Puerta: norte", "Ventana, sur"}));
    EXPECT_EQ(record.value("Syncro_buzzerAndNums"), "1|0|2");
    EXPECT_EQ(record.central(), "SyncroAS");
    EXPECT_EQ(record.coverage(), 50);

    // The text form of the same kind of read.
    QString text;
    rig.cloud->GetSynchRTDB("Equipments/VLM0042/OpenStatus", [&](const QString &t) { text = t; });
    ASSERT_TRUE(waitFor([&] { return !text.isEmpty(); }, 20000));
    EXPECT_EQ(text, "\"OPEN\"");
    bool missingRead = false;
    rig.cloud->GetSynchRTDB("Equipments/VLM9999", [&](const QString &t) { missingRead = t.isEmpty(); });
    EXPECT_TRUE(waitFor([&] { return missingRead; }, 20000));
    EXPECT_TRUE(rig.cloud->ErrorFirebase().isEmpty());

    // Door states.
    rig.state.identConnectar = "VLM0042";
    QSignalSpy door(rig.cloud.get(), &CloudDirectory::doorState);
    ASSERT_TRUE(ends(door, [&] { rig.cloud->AgafaEstatPortes("1"); }));
    EXPECT_EQ(door.last().at(0).toString(), "OPENING");
    ASSERT_TRUE(ends(door, [&] { rig.cloud->AgafaEstatPortes(""); }));
    EXPECT_EQ(door.last().at(0).toString(), "OPEN");

    // A delete whose key is empty, or climbs out of its level, names no
    // whole branch: every module stays.
    QSignalSpy deleted(rig.cloud.get(), &CloudDirectory::deleted);
    rig.cloud->EsborrarEquip("");
    rig.cloud->EsborrarEquip("VLM0042/..");
    rig.state.identConnectar.clear();
    rig.cloud->EsborraTelefons("+34600111222");
    ASSERT_TRUE(ends(deleted, [&] { rig.cloud->EsborrarEquip("VLM0043"); }));
    EXPECT_EQ(deleted.last().at(0).toString(), "Equipments/VLM0043");
    const QJsonObject left = rig.get("Equipments").toObject();
    EXPECT_EQ(left.keys(), QStringList({"VLM0042"}));
}

TEST(CloudModule, TelephonesUsersAndButtonRights)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("o'brien@velmar.test"));
    const QString other = rig.cloud->CodiReg();
    ASSERT_TRUE(rig.patch("Users/" + other, {{"email", "o'brien@velmar.test"}, {"nickname", "O'Brien, J."}}));
    rig.client().signOut();
    ASSERT_TRUE(rig.signUp("jefa@velmar.test"));
    const QString me = rig.cloud->CodiReg();
    ASSERT_TRUE(rig.patch("Users/" + me, {{"email", "jefa@velmar.test"}, {"nickname", "Jefa"}}));
    rig.state.identConnectar = "VLM0042";

    // Telephones: written, listed, deleted.
    QSignalSpy telWritten(rig.cloud.get(), &CloudDirectory::telephoneWritten);
    QSignalSpy telRead(rig.cloud.get(), &CloudDirectory::telephonesRead);
    ASSERT_TRUE(ends(telWritten, [&] { rig.cloud->ActualitzaTelefons("+34600111222", "Ana, portera", "2", "1"); }));
    ASSERT_TRUE(ends(telRead, [&] { rig.cloud->Llegir_Telefons(); }));
    auto phones = telRead.last().at(0).value<QList<velmar::cloud::TelephoneRow>>();
    ASSERT_EQ(phones.size(), 1);
    EXPECT_EQ(phones[0], (velmar::cloud::TelephoneRow{"+34600111222", "Ana, portera", "1", "2"}));
    QSignalSpy deleted(rig.cloud.get(), &CloudDirectory::deleted);
    ASSERT_TRUE(ends(deleted, [&] { rig.cloud->EsborraTelefons("+34600111222"); }));
    ASSERT_TRUE(ends(telRead, [&] { rig.cloud->Llegir_Telefons(); }));
    EXPECT_TRUE(telRead.last().at(0).value<QList<velmar::cloud::TelephoneRow>>().isEmpty());

    // Rights by e-mail, by uid, and for an e-mail nobody has.
    QSignalSpy rights(rig.cloud.get(), &CloudDirectory::userRightsWritten);
    ASSERT_TRUE(ends(rights, [&] { rig.cloud->ActualitzaUsuaris("", "1", "O'Brien@velmar.test", "1,4"); }));
    EXPECT_TRUE(rights.last().at(0).toBool()) << rig.cloud->ErrorFirebase().toStdString();
    ASSERT_TRUE(ends(rights, [&] { rig.cloud->ActualitzaUsuaris(me, "1", "", "2,3"); }));
    EXPECT_TRUE(rights.last().at(0).toBool());
    ASSERT_TRUE(ends(rights, [&] { rig.cloud->ActualitzaUsuaris("", "1", "brien@velmar.test", "1"); }));
    EXPECT_FALSE(rights.last().at(0).toBool());
    EXPECT_EQ(rig.messages.filter("Este email no existe").size(), 1);

    QSignalSpy users(rig.cloud.get(), &CloudDirectory::usersRead);
    ASSERT_TRUE(ends(users, [&] { rig.cloud->LLegir_Usuaris(); }));
    auto rows = users.last().at(0).value<QList<velmar::cloud::UserRow>>();
    std::sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.email < b.email; });
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (velmar::cloud::UserRow{"jefa@velmar.test", "Jefa", "1", "2,3", me}));
    EXPECT_EQ(rows[1], (velmar::cloud::UserRow{"o'brien@velmar.test", "O'Brien, J.", "1", "1,4", other}));

    // The signed-in user's door rights.
    QSignalSpy may(rig.cloud.get(), &CloudDirectory::doorsPermission);
    QSignalSpy count(rig.cloud.get(), &CloudDirectory::buttonCount);
    QSignalSpy marked(rig.cloud.get(), &CloudDirectory::buttonsMarked);
    ASSERT_TRUE(ends(may, [&] { rig.cloud->AgafaPotObrirPortes(); }));
    EXPECT_TRUE(may.last().at(0).toBool());
    ASSERT_TRUE(ends(count, [&] { rig.cloud->AgafaNumBotons(); }));
    EXPECT_EQ(count.last().at(0).toInt(), 2);
    ASSERT_TRUE(ends(marked, [&] { rig.cloud->AgafaBotonsMarcats(); }));
    EXPECT_EQ(marked.last().at(0).toString(), "0,1,1,0");

    // Removing a user takes both sides of the right away.
    ASSERT_TRUE(ends(deleted, [&] { rig.cloud->EsborraUsuaris(other); }, 20000));
    ASSERT_TRUE(waitFor([&] { return deleted.last().at(0).toString().startsWith("Users/"); }, 20000));
    EXPECT_TRUE(rig.get("Users/" + other + "/Modulos/VLM0042").isNull());
    ASSERT_TRUE(ends(users, [&] { rig.cloud->LLegir_Usuaris(); }));
    EXPECT_EQ(users.last().at(0).value<QList<velmar::cloud::UserRow>>().size(), 1);
}

TEST(CloudVersion, StartUpCheckAgainstTheStoredMarker)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    ASSERT_TRUE(rig.signUp("ver@velmar.test"));
    QSignalSpy checked(rig.cloud.get(), &CloudDirectory::versionChecked);
    QSignalSpy told(rig.cloud.get(), &CloudDirectory::newVersionAvailable);

    // No marker yet: this program's version becomes it.
    ASSERT_TRUE(ends(checked, [&] { rig.cloud->ComprovaVersioRTDB(); }));
    EXPECT_TRUE(checked.last().at(0).toBool());
    EXPECT_TRUE(waitFor([&] { return rig.get("Versions/PCNewVersionAvailable").toString() == "2.5.06.18"; }));

    const struct {
        const char *stored, *blocking;
        bool mayRun, told;
    } cases[] = {
        {"2.5.07.01", "true", false, true},
        {"2.5.07.01", "false", true, true},
        {"2.5.06.18", "true", true, false},
        {"2.4.99.99", "true", true, false},
        {"nueva", "true", true, false},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(rig.patch("Versions", {{"PCNewVersionAvailable", c.stored}, {"PCBlockingCondition", c.blocking}}));
        const qsizetype before = told.size();
        ASSERT_TRUE(ends(checked, [&] { rig.cloud->ComprovaVersioRTDB(); }));
        EXPECT_EQ(checked.last().at(0).toBool(), c.mayRun) << c.stored << ' ' << c.blocking;
        EXPECT_EQ(told.size() > before, c.told) << c.stored;
    }
    EXPECT_EQ(told.last().at(1).toString(), "Hay una nueva versión disponible\r\n");
}

TEST(CloudUnreachable, DownOrSlowToldWithinTheTimeOutWhileTheLoopTurns)
{
    const struct {
        QStringList fault;
        bool waits; // the answer comes only after the time-out
    } cases[] = {{{"--down"}, false}, {{"--slow", "6000"}, true}};
    for (const auto &[fault, waits] : cases) {
        CloudRig rig(fault);
        ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
        rig.client().setTimeout(1000);
        rig.cloud->setAccount("ana@velmar.test", "secreto1");
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        QSignalSpy offline(rig.cloud.get(), &CloudDirectory::offline);

        QSignalSpy checked(rig.cloud.get(), &CloudDirectory::versionChecked);
        ASSERT_TRUE(ends(checked, [&] { rig.cloud->ComprovaVersioRTDB(); }, 5000)) << fault.join(' ').toStdString();
        EXPECT_TRUE(checked.last().at(0).toBool());
        if (waits) {
            EXPECT_GT(ticks, 0); // the loop turned while the answer was awaited
        }
        EXPECT_EQ(rig.messages.filter("Error de conexión con el servidor: \rNo se pudo resolver").size(), 1);
        EXPECT_TRUE(rig.cloud->ErrorFirebase().contains("12007")) << rig.cloud->ErrorFirebase().toStdString();

        QString text = "sin leer";
        bool done = false;
        rig.cloud->GetSynchRTDB("Versions", [&](const QString &t) {
            text = t;
            done = true;
        });
        ASSERT_TRUE(waitFor([&] { return done; }, 5000));
        EXPECT_EQ(text, "");
        EXPECT_EQ(rig.cloud->ErrorFirebase(), "Error de conexión con el servidor\r");
        EXPECT_GE(offline.size(), 2);
    }
}

// The window's first activation asks through CloudStartup, one answer after
// the other.
TEST(CloudStartup, FirstActivationQuestions)
{
    CloudRig rig;
    ASSERT_TRUE(rig.started()) << rig.sim.errorText().toStdString();
    rig.endpoints.probeUrl = rig.endpoints.cloudDatabaseUrl + "/";
    ASSERT_TRUE(rig.signUp("start@velmar.test"));
    ASSERT_TRUE(rig.patch("Versions", {{"PCNewVersionAvailable", "2.5.07.01"}, {"PCBlockingCondition", "true"}}));
    rig.client().signOut();

    velmar::CloudStartupSession startup(*rig.cloud);
    EXPECT_TRUE(startup.ConnexioInternet());
    EXPECT_FALSE(startup.ComprovaVersioRTDB()); // blocked: the program ends
    EXPECT_TRUE(startup.ErrorFirebase().isEmpty());
    EXPECT_FALSE(startup.token().isEmpty()); // the check signed in with the stored account
    EXPECT_EQ(startup.EmpresaEmail(), "start@velmar.test");
    ASSERT_TRUE(rig.patch("Versions", {{"PCBlockingCondition", "false"}}));
    EXPECT_TRUE(startup.ComprovaVersioRTDB());
    EXPECT_TRUE(startup.signIn());

    // Nobody answers the probe.
    CloudRig down({"--down"});
    ASSERT_TRUE(down.started());
    down.endpoints.probeUrl = down.endpoints.cloudDatabaseUrl + "/";
    EXPECT_FALSE(velmar::CloudStartupSession(*down.cloud).ConnexioInternet());
}

} // namespace
