// The Aguilera views against the simulated module: its status records fill
// the lists and lamps, the list buttons switch the list, the orders reach
// the module and the panel comes back to rest; telecontrol turns busy.
#include "ui/panels/AguileraViews.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/BlinkLamp.h"

#include "../window/Linked.h"
#include "support/Dialogs.h"
#include "support/Wait.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::answerWith;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

QStringList simArgs(const char *panel)
{
    return {QStringLiteral("--panel"), QLatin1String(panel), QStringLiteral("--period"), QStringLiteral("500")};
}

TEST(AguileraViewsSim, SaListsSwitchAndRearmeReachesTheModule)
{
    Linked l(simArgs("AE/SA"), {QStringLiteral("on vm+INf panel-status 3|0|0|0:12=Pasillo;15=Cocina;9999=Sistema|||")});
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    auto *view = l.find<AguileraSaView>("PEstatAgui");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitFor([&] { return view->isVisible(); }, 15000));
    EXPECT_FALSE(l.find<AguileraC5View>("PEstatAgui2")->isVisible());

    auto *heading = l.find<QLabel>("LAguiInfo");
    auto *list = l.find<QPlainTextEdit>("MAguiInfo");
    auto *alarm = l.find<Lamp>("SAguiLedsAlarma");
    ASSERT_TRUE(waitFor([&] { return heading->text() == QStringLiteral(" ESTADO DE ALARMA: 3 zonas"); }, 15000))
        << heading->text().toStdString();
    EXPECT_TRUE(alarm->isOn());
    EXPECT_TRUE(list->toPlainText().contains(QStringLiteral(" 1/3 ZONA EN ALARMA\n   0012  Pasillo")));
    EXPECT_TRUE(list->toPlainText().contains(QStringLiteral(" 3/3 ZONA EN ALARMA\n   9999 Zona de sistema")));

    // "AVERIA" switches the list, and the module's next records keep it.
    l.find<QPushButton>("BbAguiAvaria")->click();
    EXPECT_EQ(heading->text(), QStringLiteral(" ESTADO DE AVERIA: 0 zonas"));
    const qsizetype mark = l.received().size();
    answerWith(QString::fromUtf8("     Sí    "));
    l.find<QPushButton>("SBRearme")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+ord=Rearme"), mark));
    // The reset panel reports rest: the alarm lamp goes out, the list stays.
    EXPECT_TRUE(waitFor([&] { return !alarm->isOn(); }, 10000));
    EXPECT_EQ(view->shownList(), panels::AguiList::Fault);
    EXPECT_EQ(heading->text(), QStringLiteral(" ESTADO DE AVERIA: 0 zonas"));

    view->setTelecontrol(true);
    EXPECT_FALSE(l.find<QWidget>("PAguiInfo")->isVisible());
    EXPECT_TRUE(l.find<QLabel>("LAguiProces")->isVisible());
    EXPECT_TRUE(l.find<QLabel>("LAguiEspere")->isVisible());
}

TEST(AguileraViewsSim, C5AlarmFlashesAndItsOrdersReachTheModule)
{
    Linked l(simArgs("AE/C5"), {QStringLiteral("on vm+INf panel alarm")});
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    auto *view = l.find<AguileraC5View>("PEstatAgui2");
    ASSERT_TRUE(waitFor([&] { return view->isVisible() && view->live(); }, 15000));
    auto *iface = l.find<QLabel>("REInterCentral");
    ASSERT_TRUE(waitFor([&] { return iface->isVisible(); }, 15000));
    EXPECT_EQ(iface->text(), QStringLiteral("INTERFACE OK"));

    // The front's alarm lamp stays lit while it flashes on the panel; the zone's lamp flashes.
    auto *front = l.find<BlinkLamp>("SEstatAlarma");
    EXPECT_TRUE(waitFor([&] { return front->colour() == QColor(0xFF, 0x00, 0x00); }, 15000));
    auto *lamp = l.find<BlinkLamp>("SZona1");
    const QColor off(0xC0, 0xC0, 0xC0);
    ASSERT_TRUE(waitFor([&] { return lamp->colour() != off; }, 15000)) << "lamp never lit";
    EXPECT_TRUE(waitFor([&] { return lamp->colour() == off; }, 5000)) << "lamp does not flash";
    EXPECT_TRUE(l.find<QWidget>("SZona2")->isVisible()); // present, at rest

    qsizetype mark = l.received().size();
    l.find<QPushButton>("PProva")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+ord=Test"), mark));

    mark = l.received().size();
    answerWith(QString::fromUtf8("     Sí    "));
    l.find<QPushButton>("PReset")->click();
    EXPECT_TRUE(l.receives(QStringLiteral("vm+ord=Reset"), mark));
    const LampSlot &zone = l.w->engine().blink.lamp(LampGroup::PunterLedZones, 1);
    EXPECT_TRUE(waitFor([&] { return zone.Tag == 8; }, 10000));
}

} // namespace
