// The main window started for a remote module (velmar --remote ID), with
// velmar-sim on a throw-away broker: what the window shows and what its
// remote button sends.

#include "ui/panels/PanelView.h"
#include "ui/shell/MainWindow.h"

#include "e2e/remote/RemoteRig.h"
#include "e2e/window/Linked.h"
#include "support/BrokerEndpoints.h"
#include "support/Dialogs.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using velmar::test::MosquittoBroker;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;

QStringList rx(const QString &transcript)
{
    QStringList out;
    for (const auto &l : test::receivedLines(transcript))
        out << l.text;
    return out;
}

using velmar::test::RemoteRig;

TEST(RemoteWindow, StartsLinkedThroughTheBrokerAndItsButtonClosesTheSession)
{
    RemoteRig rig;
    ASSERT_TRUE(rig.start()) << rig.broker.errorText().toStdString();
    std::optional<ui::MainWindow> &w = rig.w;
    const QString &transcript = rig.transcript;
    auto *button = w->findChild<QAbstractButton *>(QStringLiteral("BBConnectarRemot"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isHidden());
    EXPECT_EQ(button->text(), QStringLiteral("Desconectar"));
    EXPECT_TRUE(w->findChild<QAction *>(QStringLiteral("MIIComunicacioRemota"))->isChecked());
    EXPECT_FALSE(w->findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"))->isChecked());
    // Nothing went to a serial port: the module heard everything on the broker.
    EXPECT_TRUE(rx(transcript).contains(QStringLiteral("vm+ver")));

    const qsizetype mark = rx(transcript).size();
    button->click();
    ASSERT_TRUE(waitFor([&] { return rx(transcript).mid(mark).contains(QStringLiteral("vm+inf")); }, kWaitMs));
    const QStringList after = rx(transcript).mid(mark);
    ASSERT_GE(after.size(), 2);
    EXPECT_EQ(after.mid(after.size() - 2), QStringList({"vm+cdp=*", "vm+inf"}));
    EXPECT_FALSE(w->engine().state.isRemote());
    EXPECT_EQ(button->text(), QStringLiteral("Conectar"));
}

TEST(RemoteWindow, LocalClosesTheSessionAndALostBrokerGivesTheNoLinkLook)
{
    {
        RemoteRig rig;
        ASSERT_TRUE(rig.start()) << rig.broker.errorText().toStdString();
        const qsizetype mark = rx(rig.transcript).size();
        rig.find<QAction>("MIIComunicacioLocal")->trigger();
        // The module is left locked with its stream off, then the cable is back.
        ASSERT_TRUE(waitFor([&] { return rx(rig.transcript).mid(mark).contains(QStringLiteral("vm+inf")); }, kWaitMs));
        const QStringList after = rx(rig.transcript).mid(mark);
        EXPECT_EQ(after.mid(after.size() - 2), QStringList({"vm+cdp=*", "vm+inf"}));
        EXPECT_FALSE(rig.w->engine().state.isRemote());
        EXPECT_TRUE(rig.find<QAction>("MIIComunicacioLocal")->isChecked());
        EXPECT_FALSE(rig.find<QAction>("MIIComunicacioRemota")->isChecked());
    }
    RemoteRig rig;
    ASSERT_TRUE(rig.start()) << rig.broker.errorText().toStdString();
    EXPECT_EQ(rig.find<QWidget>("PIP")->palette().color(QPalette::Window), QColor(0x7D, 0xB8, 0xFF));
    rig.broker.kill();
    ASSERT_TRUE(waitFor([&] { return rig.w->statusText() == QStringLiteral("SIN   CONEXION"); }, kWaitMs));
    EXPECT_EQ(rig.find<QWidget>("PIP")->palette().color(QPalette::Window), QColor(0xD4, 0xD4, 0xD4));
    auto *button = rig.find<QAbstractButton>("BBConnectarRemot");
    EXPECT_TRUE(button->isHidden());
    EXPECT_EQ(button->text(), QStringLiteral("Conectar"));
    EXPECT_FALSE(rig.w->engine().state.isRemote());
    EXPECT_FALSE(rig.w->engine().state.circuit);
    EXPECT_EQ(rig.w->findChild<QStackedWidget *>("PVistes")->currentWidget()->objectName(), "PEstat");
    EXPECT_FALSE(rig.find<QAction>("MIIComunicacioRemota")->isChecked());
}

TEST(RemoteWindow, RemotaLetsTheModuleOnTheCableGo)
{
    test::Linked l;
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    ui::MainWindow &w = *l.w;
    auto *remote = w.findChild<QAction *>(QStringLiteral("MIIComunicacioRemota"));
    auto *local = w.findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"));
    ASSERT_TRUE(remote && local);
    const qsizetype mark = l.received().size();
    remote->trigger();
    // Its stream off, then the port closed and left alone: no more polls.
    ASSERT_TRUE(l.receives(QStringLiteral("vm+inf"), mark));
    ASSERT_TRUE(waitFor([&] { return !w.engine().state.circuit && !w.engine().state.circuittrobat; }, kWaitMs));
    const qsizetype after = l.received().size();
    QTest::qWait(6000); // longer than a polling round
    EXPECT_EQ(l.received().mid(after), QStringList());
    EXPECT_TRUE(remote->isChecked());
    EXPECT_FALSE(local->isChecked());
}

TEST(RemoteWindow, APanelResetPressedOnTheViewReachesTheModuleOverTheBroker)
{
    RemoteRig rig;
    const QString scenario = rig.dir.filePath(QStringLiteral("scenario.txt"));
    QFile f(scenario);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("on vm+INf panel alarm\n");
    f.close();
    ASSERT_TRUE(rig.start({QStringLiteral("--panel"), QStringLiteral("Urano"), QStringLiteral("--scenario"), scenario}))
        << rig.broker.errorText().toStdString();
    auto *view = rig.find<ui::PanelView>("PEstatUrano");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(waitFor([&] { return view->isVisible() && view->live(); }, kWaitMs));
    const LampSlot &alarm = rig.w->engine().blink.lamp(LampGroup::PunterLedAlarmaUrano, 1);
    ASSERT_TRUE(waitFor([&] { return alarm.Tag != 0; }, kWaitMs));

    const qsizetype mark = rx(rig.transcript).size();
    velmar::test::answerWith(QString::fromUtf8("     Sí    "));
    rig.find<QPushButton>("PUranoRearme")->click();
    // The order went as "{#Rearme}" on the status topic; the module took it as its order.
    ASSERT_TRUE(waitFor([&] { return rx(rig.transcript).mid(mark).contains(QStringLiteral("vm+ord=Rearme")); }, kWaitMs));
    QFile t(rig.transcript);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_TRUE(t.readAll().contains("mqtt ssts/1000123/"));
    // The panel is back at rest and the view with it.
    EXPECT_TRUE(waitFor([&] { return alarm.Tag == 0; }, kWaitMs));
    EXPECT_TRUE(view->live());
}

} // namespace
