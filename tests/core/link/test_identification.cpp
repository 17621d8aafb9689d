#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/Scheduler.h"

#include "support/Pty.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

TEST(IdentReply, FieldsAreTrimmedAndUnwrapped)
{
    const struct {
        const char *reply;
        bool extended;
        QStringList fields;
    } cases[] = {
        {"+ver:Velmar_v8.7 [x1.2], <12345>, <BC600>\r", false, {"Velmar_v8.7 [x1.2]", "12345", "BC600"}},
        {"+vEr:Velmar_v8.7 [x1.2],<12345>,HW3,1101\r", true, {"Velmar_v8.7 [x1.2]", "12345", "HW3", "1101"}},
        {"+ver:F,ID,Cofem\r", false, {"F", "ID", "Cofem"}},
        {"+ver:\r", false, {""}},
    };
    for (const auto &c : cases) {
        const IdentReply r = IdentReply::parse(QString::fromLatin1(c.reply));
        EXPECT_EQ(r.extended, c.extended) << c.reply;
        EXPECT_EQ(r.fields, c.fields) << c.reply;
    }
    EXPECT_EQ(versionFromFirmware(QStringLiteral("Velmar_v8.7 [x1.2]")), QStringLiteral("1.2"));
    EXPECT_EQ(versionFromFirmware(QStringLiteral("Velmar_v8.7")), QString());
}

// A channel on a pseudo-terminal and the identification machine over it; the
// test plays the module and calls the steps itself.
struct Fixture {
    test::Pty pty;
    LinkState state;
    ManualScheduler scheduler;
    Trace trace;
    CommandChannel channel{state, scheduler, trace};
    Identification ident{state, channel, scheduler, trace};
    Fixture()
    {
        ReplyConsumers c;
        c.identification = &ident;
        channel.router().setConsumers(c);
        channel.openPort(pty.slavePath());
        state.espero = QStringLiteral("+ver");
        state.vegades_espero = 6;
    }
    void reply(const QByteArray &bytes)
    {
        channel.receive(bytes);
        ident.TimerCircuitTimer();
    }
};

TEST(Identification, VerReplyRecognisesTheModuleAndStartsTheStream)
{
    Fixture f;
    QSignalSpy panel(&f.ident, &Identification::panelViewChosen);
    QSignalSpy connected(&f.ident, &Identification::connectedChanged);
    f.channel.receive("+ver:Velmar_v8.7 [x1.2], <12345>, <BC600>\r");
    EXPECT_EQ(f.ident.interval(), 1); // the reply asks for the step at once
    f.ident.TimerCircuitTimer();
    EXPECT_EQ(f.ident.interval(), 5000);
    EXPECT_TRUE(f.state.circuit);
    EXPECT_TRUE(f.state.circuittrobat);
    EXPECT_TRUE(f.ident.connectedShown());
    EXPECT_EQ(f.state.identConnectar, QStringLiteral("12345"));
    EXPECT_EQ(f.state.central, QStringLiteral("BC600"));
    EXPECT_EQ(f.state.versioCircuit, QStringLiteral("1.2"));
    ASSERT_EQ(panel.count(), 1);
    EXPECT_EQ(panel.at(0).at(0).toString(), QStringLiteral("BC600"));
    EXPECT_EQ(connected.count(), 1);
    EXPECT_EQ(f.pty.read(1000, "ver\r"), QByteArray("\rvm+ver\r"));
    f.scheduler.advance(499);
    EXPECT_TRUE(f.pty.read(50).isEmpty());
    f.scheduler.advance(1);
    EXPECT_EQ(f.pty.read(1000, "INf\r"), QByteArray("\rvm+INf\r"));
}

TEST(Identification, ForeignFirmwareIsRefusedButAnswers)
{
    Fixture f;
    QSignalSpy conflict(&f.ident, &Identification::hardwareConflict);
    f.reply("+ver:Other_v2.0 [x1.0],<1>,<0>\r");
    EXPECT_EQ(conflict.count(), 1);
    EXPECT_TRUE(f.state.circuit);
    EXPECT_TRUE(f.state.firmware.isEmpty());
}

TEST(Identification, ExtendedReplyReportsTheActiveParts)
{
    Fixture f;
    QSignalSpy parts(&f.ident, &Identification::partsActivesChanged);
    f.reply("+vEr:Velmar_v8.7 [x1.2],<12345>,HW3,1101\r");
    EXPECT_EQ(f.state.hardware, QStringLiteral("HW3"));
    ASSERT_EQ(parts.count(), 1);
    EXPECT_EQ(parts.at(0).at(0).toString(), QStringLiteral("1101"));
}

TEST(Identification, SixUnansweredPollsLoseTheLink)
{
    Fixture f;
    f.reply("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
    f.channel.receive("+Inf:\r");
    ASSERT_TRUE(f.state.inf);
    f.pty.read(200);
    QSignalSpy lost(&f.ident, &Identification::linkLost);
    for (int i = 0; i < 5; ++i) {
        f.ident.TimerCircuitTimer();
        EXPECT_TRUE(f.state.circuittrobat) << "poll " << i;
    }
    EXPECT_EQ(f.ident.interval(), 1000); // serial: a quicker retry while waiting
    f.ident.TimerCircuitTimer();
    EXPECT_FALSE(f.state.circuit);
    EXPECT_FALSE(f.state.circuittrobat);
    EXPECT_FALSE(f.ident.connectedShown());
    EXPECT_EQ(lost.count(), 1);
    // Each unanswered poll asked again.
    EXPECT_GE(f.pty.read(500).count("\rvm+v"), 5);
}

TEST(Identification, ARunningCycleSuspendsPolling)
{
    Fixture f;
    f.reply("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
    f.channel.receive("+Inf:\r");
    f.pty.read(200);
    f.ident.setView({false, false, true});
    f.ident.setCyclesRunning([] { return true; });
    f.ident.TimerCircuitTimer();
    EXPECT_TRUE(f.pty.read(200).isEmpty());
}

TEST(Identification, PollReopensAClosedPortAndReportsAnUnusableOne)
{
    Fixture f;
    f.state.inf = true;
    f.channel.closePort();
    f.ident.setView({false, false, true});
    f.ident.TimerCircuitTimer();
    EXPECT_EQ(f.pty.read(1000, "\r\r"), QByteArray("\rvm+vEr\r")); // reopened; firmware unknown

    Fixture g;
    g.state.inf = true;
    g.channel.openPort(QStringLiteral("/dev/velmar-no-such-port"));
    QSignalSpy unusable(&g.ident, &Identification::portUnusable);
    g.ident.TimerCircuitTimer();
    EXPECT_EQ(unusable.count(), 1);
    EXPECT_FALSE(g.state.circuit);
}

TEST(Identification, ChoosingTheLocalLinkRestartsIdentificationOnThePort)
{
    Fixture f;
    QSignalSpy local(&f.ident, &Identification::localLinkChosen);
    QSignalSpy remote(&f.channel, &CommandChannel::closeRemoteSession);
    f.state.connex_remota = QStringLiteral("MQTT");
    f.ident.MIIComunicacioLocalClick(false);
    EXPECT_EQ(remote.count(), 1);
    EXPECT_EQ(local.count(), 1);
    // As a port choice: the module locked behind us, then asked who it is.
    EXPECT_EQ(f.pty.read(1000, "vm+ver\r"), QByteArray("\rvm+cdp=*\r\rvm+ver\r"));
    EXPECT_EQ(f.ident.interval(), 500);

    // With the circuit list shown the port is left alone; during a firmware
    // update the menu does nothing.
    f.ident.MIIComunicacioLocalClick(true);
    EXPECT_EQ(local.count(), 2);
    EXPECT_TRUE(f.pty.read(100).isEmpty());
    f.state.tempsActu = 5;
    f.ident.MIIComunicacioLocalClick(false);
    EXPECT_EQ(local.count(), 2);
    EXPECT_TRUE(f.pty.read(100).isEmpty());
}

} // namespace
