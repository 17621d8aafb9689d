// The main window started for a remote module (velmar --remote ID), with
// velmar-sim on a throw-away broker: what the window shows and what its
// remote button sends.

#include "ui/shell/MainWindow.h"

#include "e2e/window/Linked.h"
#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QAbstractButton>
#include <QAction>
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

TEST(RemoteWindow, StartsLinkedThroughTheBrokerAndItsButtonClosesTheSession)
{
    MosquittoBroker broker;
    ASSERT_TRUE(broker.ok()) << broker.errorText().toStdString();
    QTemporaryDir dir;
    const QString transcript = dir.filePath(QStringLiteral("transcript.txt"));
    SimProcess sim({QStringLiteral("--transcript"), transcript, QStringLiteral("--mqtt"),
                    QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()), QStringLiteral("--mqtt-user"),
                    broker.user(), QStringLiteral("--mqtt-password"), broker.password()});
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    ASSERT_TRUE(waitFor([&] { return broker.log().contains(QStringLiteral("velmar-module-1000123")); }, kWaitMs));

    ui::StartOptions opts;
    opts.settings.file = dir.filePath("settings.ini");
    opts.settings.secretFile = dir.filePath("secret.key");
    opts.endpoints = velmar::test::brokerEndpoints(broker);
    opts.remoteId = QStringLiteral("1000123");
    std::optional<ui::MainWindow> w;
    w.emplace(opts);
    w->show();

    ASSERT_TRUE(waitFor([&] { return w->statusText() == QStringLiteral("CONECTADO"); }, kWaitMs));
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

} // namespace
