// The circuit search on the real window, against velmar-sim's cloud
// emulator (demo data), a throw-away broker and a simulated module that
// keeps its own record in the cloud: the account's site listed with the
// two link cells, the offline module's stored state, a double click that
// opens the online module over the broker, the site keys of other sites.
#include "CloudRig.h"

#include "core/shell/SettingsStore.h"
#include "support/BrokerEndpoints.h"
#include "support/Dialogs.h"
#include "support/MosquittoBroker.h"
#include "ui/cloud/AccountDialog.h"
#include "ui/cloud/CircuitSearchPage.h"
#include "ui/panels/PanelView.h"
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::ui;
using namespace velmar::test;

namespace {

constexpr int kWaitMs = 30000;
const QString kEmail = QStringLiteral("instalador@velmar-demo.es");


// Emulator, broker, module and the window signed in with the demo account.
struct SearchRig {
    SearchRig() : cloud(demoCloudData(folder))
    {
        transcript = folder.filePath("transcript.txt");
        settings.file = folder.filePath("settings.ini");
        settings.secretFile = folder.filePath("secret.key");
        SettingsStore(settings, "127.0.0.1").GuardarCompte(kEmail, "demo2026", "DemoInstaller0000000000000001");
        // The rig's own reads go with the demo account's token.
        cloud.call([&](auto done) { cloud.client().signIn(kEmail, "demo2026", done); });
    }

    bool startModule()
    {
        module.emplace(QStringList{"--transcript", transcript, "--mqtt",
                                   QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()), "--mqtt-user",
                                   broker.user(), "--mqtt-password", broker.password(), "--cloud",
                                   cloud.endpoints.cloudDatabaseUrl});
        // Listed once its own record says it is online.
        return module->ok() && waitFor([&] {
                   return cloud.get("Equipments/1000123/Connection").toString() == "ONLINE";
               }, kWaitMs);
    }

    MainWindow &window()
    {
        StartOptions o;
        o.settings = settings;
        o.endpoints = brokerEndpoints(broker, cloud.endpoints);
        o.endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
        o.port = folder.filePath("no-module");
        o.useCloud = true;
        w.emplace(o);
        w->show();
        EXPECT_TRUE(waitFor([&] { return w->windowTitle().contains("Registrado por:"); }, kWaitMs))
            << w->windowTitle().toStdString();
        return *w;
    }

    QTableWidget *grid() { return w->findChild<QTableWidget *>("SGLListatCircuits"); }
    QStringList row(int r)
    {
        QStringList cells;
        for (int c = 0; c < grid()->columnCount(); ++c)
            cells << (grid()->item(r, c) ? grid()->item(r, c)->text() : QString());
        return cells;
    }
    QWidget *front() { return w->findChild<QStackedWidget *>("PVistes")->currentWidget(); }
    void doubleClick(int r, int c)
    {
        QTableWidget *g = grid();
        const QPoint at = g->visualRect(g->model()->index(r, c)).center();
        // A press first, as a user's double click starts with one.
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList received() { return SimProcess::receivedLines(transcript); }

    QTemporaryDir folder;
    MosquittoBroker broker;
    CloudRig cloud;
    SettingsLocation settings;
    QString transcript;
    std::optional<SimProcess> module;
    std::optional<MainWindow> w;
};

// The texts of the message boxes on screen, which are then closed.
QStringList takeMessages()
{
    QStringList texts;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible()) {
            texts << box->text();
            box->done(QMessageBox::Ok);
        }
    return texts;
}

bool messageShown(const QString &part)
{
    return waitFor([&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible() && box->text().contains(part))
                return true;
        return false;
    }, kWaitMs);
}

TEST(CircuitSearchWindow, ListsTheAccountsSiteShowsTheOfflineModuleAndOpensTheOnlineOne)
{
    SearchRig rig;
    ASSERT_TRUE(rig.broker.ok()) << rig.broker.errorText().toStdString();
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    ASSERT_TRUE(rig.startModule()) << rig.module->errorText().toStdString();
    MainWindow &w = rig.window();

    auto *find = w.findChild<QPushButton *>("BBBuscar");
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(find->isEnabled());
    find->click();
    ASSERT_TRUE(waitFor([&] { return rig.grid()->rowCount() == 2; }, kWaitMs)) << takeMessages().join('|').toStdString();
    EXPECT_EQ(rig.front()->objectName(), "PLlistatCircuits");
    // The account's own site: its edits filled, no key asked (the account holds it).
    EXPECT_EQ(w.findChild<QLineEdit *>("ELListatEmpresa")->text(), "Velmar Demo");
    EXPECT_EQ(w.findChild<QLineEdit *>("ELlistatInstal")->text(), "Instalador");
    EXPECT_FALSE(w.findChild<QWidget *>("PBuscaPassword")->isVisible());
    EXPECT_EQ(rig.row(0), QStringList({"1", "Instalador", "REF-1000123", "1000123", "Conectado", "Conectado"}));
    EXPECT_EQ(rig.row(1), QStringList({"Esborrar", "Instalador", "REF-1000456", "1000456", "No ADSL", "No GPRS"}));

    // The module on neither link: its stored state on the status page.
    rig.doubleClick(1, CircuitSearch::Ethernet);
    ASSERT_TRUE(waitFor([&] { return w.engine().status.identification().identificador == "1000456"; }, kWaitMs))
        << takeMessages().join('|').toStdString();
    Engine &e = w.engine();
    EXPECT_EQ(rig.front()->objectName(), "PEstat");
    EXPECT_EQ(e.status.identification().firmware, "Velmar_v8.6 [x1.2]");
    EXPECT_EQ(e.status.gsmLines().mid(0, 3), QStringList({"Módulo GSM:  ", "   UC20  ver.UC20GQBR03A12E1G",
                                                           "   Operadora: \tMovistar"}));
    EXPECT_EQ(e.status.gsmLines().at(5), "   Cobertura:\t43 %");
    EXPECT_EQ(e.status.inputAlias(1), "Puerta");
    EXPECT_EQ(e.status.outputAlias(2), "Luz");
    EXPECT_EQ(e.status.live().entrades[0], u'1');
    EXPECT_EQ(e.status.ECoordenadesMapa(), "41.3874,2.1686");
    EXPECT_EQ(e.state.central, "Syncro");
    EXPECT_TRUE(e.state.equipdesconnectat);
    EXPECT_EQ(e.eventLog.rowCount(), 2);
    EXPECT_EQ(e.eventLog.index(0).data().toString(), "DESACTIVADO");
    EXPECT_TRUE(e.eventLog.index(1).data().toString().startsWith("Último dato recibido: \t"));
    EXPECT_EQ(w.statusText(), "SIN   CONEXION");
    bool syncroShown = false;
    for (PanelView *v : w.findChildren<PanelView *>())
        syncroShown |= v->front().model == "Syncro" && !v->isHidden();
    EXPECT_TRUE(syncroShown);
    EXPECT_TRUE(takeMessages().isEmpty());

    // Listed again, then the online module opened on its GPRS link.
    find->click();
    ASSERT_TRUE(waitFor([&] { return rig.front()->objectName() == "PLlistatCircuits" && rig.grid()->rowCount() == 2; },
                        kWaitMs));
    const qsizetype mark = rig.received().size();
    rig.doubleClick(0, CircuitSearch::Gprs);
    ASSERT_TRUE(waitFor([&] { return w.statusText() == "CONECTADO"; }, kWaitMs))
        << takeMessages().join('|').toStdString();
    EXPECT_TRUE(e.state.isRemote());
    EXPECT_FALSE(e.state.connexADSL);
    EXPECT_EQ(e.state.identConnectar, "1000123");
    EXPECT_TRUE(rig.received().mid(mark).contains("vm+ver"));
    // The broker knows the PC by its account.
    EXPECT_TRUE(rig.broker.log().contains("DemoInstaller0000000000000001"));

    // With a session open the search asks to close it first.
    find->click();
    EXPECT_TRUE(messageShown("Está conectado remotamente a un equipo"));
    takeMessages();
}

TEST(CircuitSearchWindow, OtherSitesAskForTheirKeyAndANewSiteDefinesIt)
{
    SearchRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    MainWindow &w = rig.window();
    auto *empresa = w.findChild<QLineEdit *>("ELListatEmpresa");
    auto *instal = w.findChild<QLineEdit *>("ELlistatInstal");
    auto *ref = w.findChild<QLineEdit *>("ELlistatRef");
    auto *key = w.findChild<QLineEdit *>("EBuscaPassword");
    auto *panel = w.findChild<QWidget *>("PBuscaPassword");
    auto *search = w.findChild<QPushButton *>("BBLlistatBusca");
    auto *accept = w.findChild<QPushButton *>("BBAcceptarPassword");
    ASSERT_TRUE(empresa && instal && ref && key && panel && search && accept);
    const auto searchFor = [&](const QString &e, const QString &i, const QString &r) {
        empresa->setText(e);
        instal->setText(i);
        ref->setText(r);
        search->click();
    };

    // A reference needs its installer; nothing is asked of the server.
    searchFor("Velmar Demo", "", "REF-1000123");
    EXPECT_TRUE(messageShown("No puede haber una referencia sin instalador"));
    takeMessages();
    EXPECT_FALSE(panel->isVisible());

    // Another reference of the company: its own key, a wrong one refused.
    w.findChild<CircuitSearchPage *>()->show();
    searchFor("Velmar Demo", "Instalador", "REF-1000123");
    ASSERT_TRUE(waitFor([&] { return panel->isVisible(); }, kWaitMs));
    key->setText("equivocada");
    accept->click();
    EXPECT_TRUE(messageShown("La clave entrada no coincide con la registrada"));
    takeMessages();
    EXPECT_TRUE(panel->isVisible());
    key->setText("nave2026");
    accept->click();
    ASSERT_TRUE(waitFor([&] { return rig.grid()->rowCount() == 1; }, kWaitMs)) << takeMessages().join('|').toStdString();
    EXPECT_EQ(rig.row(0).at(CircuitSearch::Identifier), "1000123");
    EXPECT_FALSE(panel->isVisible());

    // A new installer of the company: asked, then the first key of six or
    // more characters is stored.
    answerWith("     Sí    ", 300);
    searchFor("Velmar Demo", "Nuevo", "");
    ASSERT_TRUE(waitFor([&] { return panel->isVisible(); }, kWaitMs));
    key->setText("corta");
    accept->click();
    EXPECT_TRUE(messageShown("Clave demasiado corta"));
    takeMessages();
    key->setText("nueva2026");
    accept->click();
    EXPECT_TRUE(messageShown("No se ha encontrado ningún equipo"));
    takeMessages();
    EXPECT_EQ(rig.cloud.get("Companies/Velmar Demo/Installers/Nuevo/KeyInstaller").toString(), "nueva2026");
    EXPECT_FALSE(panel->isVisible());
}

TEST(CircuitSearchWindow, TheKeyShowsWhileHeldThePanelClosesAndTheListSortsByItsHeadings)
{
    SearchRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    // A third module of the site, first by its reference.
    ASSERT_TRUE(rig.cloud.patch("Equipments/1000789", {{"Company", "Velmar Demo"}, {"Installer", "Instalador"},
                                                       {"Reference", "AAA-1000789"}, {"Connection", "OFFLINE"}}));
    MainWindow &w = rig.window();
    auto *key = w.findChild<QLineEdit *>("EBuscaPassword");
    auto *panel = w.findChild<QWidget *>("PBuscaPassword");
    auto *show = w.findChild<QToolButton *>("BBMostraPassword");
    auto *close = w.findChild<QToolButton *>("ISortirBuscaPasword");
    ASSERT_TRUE(key && panel && show && close);

    // Another reference: the key panel; the key in clear only while "Ver" is held.
    w.findChild<QLineEdit *>("ELListatEmpresa")->setText("Velmar Demo");
    w.findChild<QLineEdit *>("ELlistatInstal")->setText("Instalador");
    w.findChild<QLineEdit *>("ELlistatRef")->setText("REF-1000123");
    w.findChild<QStackedWidget *>("PVistes")->setCurrentWidget(w.findChild<CircuitSearchPage *>());
    w.findChild<QPushButton *>("BBLlistatBusca")->click();
    ASSERT_TRUE(waitFor([&] { return panel->isVisible(); }, kWaitMs));
    key->setText("nave2026");
    EXPECT_EQ(key->echoMode(), QLineEdit::Password);
    QTest::mousePress(show, Qt::LeftButton);
    EXPECT_EQ(key->echoMode(), QLineEdit::Normal);
    QTest::mouseRelease(show, Qt::LeftButton);
    EXPECT_EQ(key->echoMode(), QLineEdit::Password);
    close->click();
    EXPECT_FALSE(panel->isVisible());

    // The account's site: listed in reference order, then by the clicked heading.
    w.findChild<QPushButton *>("BBBuscar")->click();
    ASSERT_TRUE(waitFor([&] { return rig.grid()->rowCount() == 3; }, kWaitMs)) << takeMessages().join('|').toStdString();
    const auto column = [&](int c) {
        QStringList cells;
        for (int r = 0; r < rig.grid()->rowCount(); ++r)
            cells << rig.row(r).at(c);
        return cells;
    };
    EXPECT_EQ(column(CircuitSearch::Identifier), QStringList({"1000789", "1000123", "1000456"}));
    QHeaderView *header = rig.grid()->horizontalHeader();
    const auto clickHeading = [&](int c) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2));
    };
    clickHeading(CircuitSearch::Identifier);
    EXPECT_EQ(column(CircuitSearch::Identifier), QStringList({"1000123", "1000456", "1000789"}));
    EXPECT_TRUE(w.findChild<QToolButton *>("BBOrdreEquips")->isVisible());
    clickHeading(CircuitSearch::Reference);
    EXPECT_EQ(column(CircuitSearch::Reference), QStringList({"AAA-1000789", "REF-1000123", "REF-1000456"}));
    // Each row keeps its own number and link cells through the sorts.
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(rig.row(r).at(CircuitSearch::Reference).right(7), rig.row(r).at(CircuitSearch::Identifier));
}

TEST(CircuitSearchWindow, AboutMovesTheAccountToASiteWhoseKeyItProves)
{
    SearchRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    MainWindow &w = rig.window();
    w.findChild<QAction *>("MIInfo")->trigger();
    // Watched from the start: the dialog deletes itself once closed.
    QPointer<QDialog> about;
    ASSERT_TRUE(waitFor([&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == "TFAjuda" && top->isVisible())
                about = qobject_cast<QDialog *>(top);
        return !about.isNull();
    }, kWaitMs));
    EXPECT_EQ(about->findChild<QLineEdit *>("EEmail")->text(), kEmail);
    EXPECT_TRUE(about->findChild<QLineEdit *>("EEmail")->isReadOnly());
    EXPECT_EQ(about->findChild<QLineEdit *>("EEmpresa")->text(), "Velmar Demo");
    EXPECT_FALSE(about->findChild<QWidget *>("PMesdades")->isVisible());
    about->findChild<QPushButton *>("BBGuardarCanvis")->click();
    ASSERT_TRUE(about->findChild<QWidget *>("PMesdades")->isVisible());

    about->findChild<QLineEdit *>("EReferencia")->setText("REF-1000123");
    about->findChild<QLineEdit *>("EClau")->setText("malaclave");
    about->findChild<QPushButton *>("BBAcceptar")->click();
    EXPECT_TRUE(messageShown("Clave errónea"));
    takeMessages();
    EXPECT_TRUE(about->isVisible());

    about->findChild<QLineEdit *>("EClau")->setText("nave2026");
    about->findChild<QPushButton *>("BBAcceptar")->click();
    EXPECT_TRUE(messageShown("Los cambios realizados se han guardado correctamente"));
    takeMessages();
    EXPECT_TRUE(waitFor([&] { return !about || !about->isVisible(); }, kWaitMs));
    EXPECT_EQ(w.engine().account.site().ref, "REF-1000123");
    EXPECT_EQ(w.engine().account.site().clau, "nave2026");
    EXPECT_EQ(rig.cloud.get("Users/DemoInstaller0000000000000001/reference").toString(), "REF-1000123");

    // The account's search now lists its new site alone, without asking its key.
    w.findChild<QPushButton *>("BBBuscar")->click();
    ASSERT_TRUE(waitFor([&] { return rig.grid()->rowCount() == 1; }, kWaitMs)) << takeMessages().join('|').toStdString();
    EXPECT_EQ(rig.row(0).at(CircuitSearch::Reference), "REF-1000123");
    EXPECT_FALSE(w.findChild<QWidget *>("PBuscaPassword")->isVisible());

    // The offline module of the list can be removed from the directory.
    answerWith("Borrar", 300);
    rig.doubleClick(0, CircuitSearch::Number);
    EXPECT_TRUE(messageShown("No se ha encontrado ningún equipo"));
    takeMessages();
    EXPECT_TRUE(rig.cloud.get("Equipments/1000123").isNull());
    EXPECT_FALSE(rig.cloud.get("Equipments/1000456").isNull());
}

TEST(CircuitSearchWindow, CloudGoneSaysSoAndTheWindowKeepsPainting)
{
    SearchRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();
    MainWindow &w = rig.window();
    // A server that takes the connection and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    w.engine().endpoints.probeUrl = QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort());
    w.engine().cloud.client().setTimeout(1500);

    int ticks = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { ++ticks; });
    beat.start(20);
    w.findChild<QPushButton *>("BBBuscar")->click();
    EXPECT_TRUE(messageShown("No hay conexión a internet"));
    takeMessages();
    EXPECT_TRUE(w.windowTitle().endsWith("        sin internet")) << w.windowTitle().toStdString();
    EXPECT_FALSE(w.findChild<QPushButton *>("BBBuscar")->isEnabled());
    // The event loop turned all along the wait for the time-out.
    EXPECT_GT(ticks, 25);
}

} // namespace

namespace {

// Pictures of the account dialog, the search page with its list and the
// offline view (scripts/screenshots.sh runs it under Xvfb).
TEST(Screenshots, DISABLED_CloudPages)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    const auto shoot = [&](QWidget *w, const char *name) {
        QTest::qWait(300);
        w->grab().save(dir + u'/' + QLatin1String(name) + QStringLiteral(".png"));
    };
    SearchRig rig;
    ASSERT_TRUE(rig.cloud.started());
    ASSERT_TRUE(rig.startModule());

    AccountSession::DialogOpening opening;
    opening.email = kEmail;
    AccountSession session(*rig.cloud.cloud, rig.cloud.trace);
    AccountDialog dialog(session, opening);
    dialog.show();
    shoot(&dialog, "cloud-account-dialog");
    dialog.hide();

    MainWindow &w = rig.window();
    w.resize(1180, 760);
    w.findChild<QPushButton *>("BBBuscar")->click();
    ASSERT_TRUE(waitFor([&] { return rig.grid()->rowCount() == 2; }, kWaitMs));
    shoot(&w, "cloud-search");
    rig.doubleClick(1, CircuitSearch::Ethernet);
    ASSERT_TRUE(waitFor([&] { return w.engine().state.equipdesconnectat && rig.front()->objectName() == "PEstat"; },
                        kWaitMs));
    shoot(&w, "cloud-offline");
}

} // namespace
