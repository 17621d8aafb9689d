// The panel status views against the simulated module: a scenario puts the
// panel in alarm, the attached model's view shows its lamps flashing and
// the event text (its records and the lists the module keeps in the cloud
// emulator), the reset button's order reaches the module and the view
// comes back to rest.
#include "ui/panels/PanelView.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/BlinkLamp.h"

#include "../cloud/CloudRig.h"
#include "../window/Linked.h"
#include "core/shell/SettingsStore.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::answerWith;
using velmar::test::CloudRig;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

// The simulated module with this panel, keeping its lists in the cloud emulator.
QStringList panelArgs(const QString &panel, const CloudRig &cloud)
{
    return {QStringLiteral("--panel"), panel, QStringLiteral("--period"), QStringLiteral("500"),
            QStringLiteral("--cloud"), cloud.endpoints.cloudDatabaseUrl};
}

// The window reads them signed in with the demo account.
auto signedIn(const CloudRig &cloud)
{
    return [&cloud](StartOptions &o) {
        SettingsStore(o.settings, "127.0.0.1")
            .GuardarCompte(QStringLiteral("instalador@velmar-demo.es"), QStringLiteral("demo2026"),
                           QStringLiteral("DemoInstaller0000000000000001"));
        o.endpoints = cloud.endpoints;
        o.endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
        o.useCloud = true;
    };
}

TEST(PanelViewsSim, AlarmShownThenResetFromTheView)
{
    const struct {
        const char *panel;
        const char *view;
        const char *eventPayload; // "" when the model has no event record
        const char *lamp;         // a lamp that flashes in alarm
        const char *eventText;    // what the display then shows
        const char *reset;
        const char *restText;     // what the display shows at rest
    } cases[] = {
        {"ID3000", "PEstatID3000", "1|0001|012|2|5|0010203001000000\"Pasillo norte\"", "SAlarmaID3000",
         "Alarma: ZONA   5   10:20:30\nPasillo norte", "SRearmeID3000", ""},
        {"JadeBird", "PEstatJadeBird", "0|1|[Fuego zona 1][Planta baja]", "SJadeBirdZ1", "Fuego zona 1",
         "IJadeBirdReset", "Sin alarmas"},
        {"Urano", "PEstatUrano", "", "SLed11", "", "PUranoRearme", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.panel);
        QStringList scenario{QStringLiteral("on vm+INf panel alarm")};
        if (*c.eventPayload)
            scenario << QStringLiteral("on vm+INf panel-event ") + QString::fromUtf8(c.eventPayload);
        // The module keeps its lists in the cloud emulator; the window reads
        // them signed in with the demo account.
        QTemporaryDir data;
        CloudRig cloud(velmar::test::demoCloudData(data));
        ASSERT_TRUE(cloud.started());
        Linked l(panelArgs(QLatin1String(c.panel), cloud), scenario, signedIn(cloud));
        ASSERT_TRUE(l.sim.ok());
        ASSERT_TRUE(waitFor([&] { return l.w->windowTitle().contains("Registrado por:"); }, 30000));
        ASSERT_TRUE(l.settled());
        auto *view = l.find<PanelView>(c.view);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(waitFor([&] { return view->isVisible() && view->live(); }, 15000));
        // Only the attached model's view is shown.
        for (PanelView *other : l.w->findChildren<PanelView *>())
            EXPECT_EQ(other->isVisible(), other == view) << other->objectName().toStdString();

        auto *lamp = l.find<BlinkLamp>(c.lamp);
        ASSERT_NE(lamp, nullptr);
        const QColor off = lamp->colour();
        ASSERT_TRUE(waitFor([&] { return lamp->colour() != off; }, 15000)) << "lamp never lit";
        const QColor lit = lamp->colour();
        EXPECT_TRUE(waitFor([&] { return lamp->colour() == off; }, 5000)) << "lamp does not flash";
        EXPECT_TRUE(waitFor([&] { return lamp->colour() == lit; }, 5000)) << "lamp does not flash";
        if (*c.eventText)
            EXPECT_TRUE(waitFor([&] { return view->displayText().contains(QString::fromUtf8(c.eventText)); }, 10000))
                << view->displayText().toStdString();

        const qsizetype mark = l.received().size();
        answerWith(QString::fromUtf8("     Sí    "));
        l.find<QPushButton>(c.reset)->click();
        EXPECT_TRUE(l.receives(QStringLiteral("vm+ord=Rearme"), mark));
        EXPECT_TRUE(waitFor([&] { return lamp->colour() == off; }, 10000));
        // And it stays at rest.
        const LampSlot &slot = l.w->engine().blink.lamp(lamp->group(), lamp->index());
        EXPECT_TRUE(waitFor([&] { return slot.Tag == 0; }, 10000));
        if (*c.eventText)
            EXPECT_TRUE(waitFor([&] { return view->displayText().trimmed() == QString::fromUtf8(c.restText); }, 10000))
                << view->displayText().toStdString();
        // Every list was read: no error was told.
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(top);
                box && box->isVisible() && box->windowTitle() == QLatin1String("ERROR"))
                ADD_FAILURE() << box->text().toStdString();
    }
}

TEST(PanelViewsSim, TheSyncroScreenOpensWithItsCountsThenItsLists)
{
    QTemporaryDir data;
    CloudRig cloud(velmar::test::demoCloudData(data));
    ASSERT_TRUE(cloud.started());
    Linked l(panelArgs(QStringLiteral("Syncro"), cloud), {QStringLiteral("on vm+INf panel alarm")}, signedIn(cloud));
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(waitFor([&] { return l.w->windowTitle().contains("Registrado por:"); }, 30000));
    ASSERT_TRUE(l.settled());
    auto *view = l.find<PanelView>("PEstatSyncro");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitFor([&] { return view->isVisible() && view->live(); }, 15000));
    // At rest the first line alone; in alarm the fire count, then the fire list.
    const auto lines = [&] { return view->displayText().split(u'\n'); };
    ASSERT_TRUE(waitFor([&] { return lines().value(0) == QLatin1String(" ZONA EN ALARMA=001  AVER=000  DESACT=000"); },
                        15000))
        << view->displayText().toStdString();
    EXPECT_TRUE(waitFor([&] { return lines().size() > 2; }, 10000)) << view->displayText().toStdString();
    EXPECT_TRUE(lines().value(1).isEmpty());
    EXPECT_TRUE(lines().value(2).contains(QStringLiteral("FUEGO"))) << view->displayText().toStdString();
    EXPECT_TRUE(view->displayText().contains(QStringLiteral("Pasillo norte"))) << view->displayText().toStdString();
}

TEST(PanelViewsSim, OrdersNeedALivePanel)
{
    // Without a panel link the module reports the panel port off: the order
    // is refused and nothing reaches the module.
    Linked l({QStringLiteral("--panel"), QStringLiteral("ID3000"), QStringLiteral("--parts"), QStringLiteral("1101")});
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    auto *view = l.find<PanelView>("PEstatID3000");
    ASSERT_TRUE(waitFor([&] { return view->isVisible(); }, 15000));
    EXPECT_FALSE(view->live());
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("SSilenZumID3000")->click();
    // The status request that follows is the proof that the click went by.
    l.find<QPushButton>("BBLlegirEstat")->click();
    ASSERT_TRUE(l.receives(QStringLiteral("vm+Inf"), mark));
    EXPECT_FALSE(l.received(mark).contains(QStringLiteral("vm+ord=Silenbuz")));
}

} // namespace
