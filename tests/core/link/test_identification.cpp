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

// The stream request that follows recognition is not sent under a job that
// took the link in the meantime (a firmware transfer, a read or a write).
TEST(Identification, TheStreamRequestAfterRecognitionWaitsForNoJob)
{
    for (const char *job : {"transfer", "cycle"}) {
        SCOPED_TRACE(job);
        Fixture f;
        bool cycle = false;
        f.ident.setCyclesRunning([&] { return cycle; });
        f.reply("+ver:Velmar_v8.7 [x1.2], <12345>, <BC600>\r");
        EXPECT_EQ(f.pty.read(1000, "ver\r"), QByteArray("\rvm+ver\r"));
        if (QLatin1String(job) == QLatin1String("transfer"))
            f.state.tempsActu = 300;
        else
            cycle = true;
        f.scheduler.advance(500);
        EXPECT_TRUE(f.pty.read(100).isEmpty());
    }
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

TEST(Identification, APortGoneUnderARecognisedModuleIsALostLink)
{
    // The port closed itself (the device went away) and is there again at
    // the next poll: a module recognised on it is lost all the same, so that
    // the window shows the loss before any module answers again.
    for (const bool recognised : {false, true}) {
        SCOPED_TRACE(recognised);
        Fixture f;
        f.state.inf = true;
        f.state.circuittrobat = recognised;
        f.state.circuit = false; // as the port's own loss left it
        f.channel.serial().close();
        f.ident.setView({false, false, true});
        QSignalSpy lost(&f.ident, &Identification::linkLost);
        f.ident.TimerCircuitTimer();
        EXPECT_EQ(lost.count(), recognised ? 1 : 0);
        EXPECT_FALSE(f.state.circuittrobat);
        EXPECT_EQ(f.pty.read(1000, "\r\r"), QByteArray("\rvm+vEr\r")); // asked on the port opened again
    }
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

// What one step sends as its poll, by what StrCom holds and what is known
// of the module. The status page is not in front, so only the poll speaks.
TEST(Identification, AStepPollsUnlessAnIdentificationReplyIsWaitingOrTheStreamIsOffForAModuleInHand)
{
    const struct {
        const char *name;
        bool found;     // recognised, firmware and hardware known
        bool inf;       // the information stream is on
        QString strCom; // left by the router before the step
        QByteArray poll;
        int roundsLeft; // a round without any sign of the module is counted
        const char *refusal = nullptr; // the module's answer to the stream request
    } cases[] = {
        {"a module in hand whose record is in StrCom", true, true, "{#dPulso}\r", "\rvm+ver\r", 6},
        {"a module in hand, nothing in StrCom", true, true, "", "\rvm+ver\r", 5},
        {"a module in hand with its stream off (a read is coming)", true, false, "", "", 5},
        {"a locked module in hand that refused the stream", true, false, "", "\rvm+ver\r", 5, "+INf:Protect\r"},
        {"a module in hand whose wrong code was refused", true, false, "", "\rvm+ver\r", 5, "+cdp:Protect\r"},
        {"no module yet, records of a module still streaming", false, true, "{#dPulso}\r", "\rvm+vEr\r", 6},
        {"no module yet, stream never switched on", false, false, "", "\rvm+vEr\r", 5},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.ident.setView({false, false, true});
        if (c.found) {
            f.reply("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
            f.state.hardware = QStringLiteral("HW3");
            f.scheduler.advance(1000);
            f.pty.read(300);
        }
        if (c.refusal)
            f.channel.receive(c.refusal);
        f.state.inf = c.inf;
        f.state.StrCom = c.strCom;
        f.ident.TimerCircuitTimer();
        EXPECT_EQ(f.pty.read(300, "\r\r"), c.poll) << c.name;
        EXPECT_TRUE(f.state.StrCom.isEmpty()) << c.name;
        EXPECT_EQ(f.state.vegades_espero, c.roundsLeft) << c.name;
    }
}

// A locked module refuses the stream but answers every poll: neither the
// count of missed rounds nor the reply watchdog runs out while it is locked.
TEST(Identification, ALockedModuleAnsweringThePollsStaysLinked)
{
    Fixture f;
    f.ident.setView({false, false, true});
    QSignalSpy lost(&f.ident, &Identification::linkLost);
    f.reply("+vEr:Velmar_v8.7 [x1.2],<1>,HW3,1111\r");
    f.scheduler.advance(1000);
    f.channel.receive("+INf:Protect\r");
    ASSERT_TRUE(f.state.protegit);
    ASSERT_FALSE(f.state.inf);
    f.pty.read(300);
    for (int round = 0; round < 10; ++round) {
        f.state.tempsllegir = 1; // the watchdog is about to run out
        f.ident.TimerCircuitTimer();
        ASSERT_EQ(f.pty.read(300, "\r\r"), QByteArray("\rvm+ver\r")) << "round " << round;
        f.reply("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
        EXPECT_EQ(f.state.tempsllegir, 100) << "round " << round;
    }
    EXPECT_TRUE(f.state.circuittrobat);
    EXPECT_TRUE(f.ident.connectedShown());
    EXPECT_TRUE(f.state.protegit); // still locked: Prog. asks for the code
    EXPECT_EQ(lost.count(), 0);
}

TEST(Identification, TheHardwareConflictDialogNeitherNestsStepsNorComesBackForTheSameModule)
{
    Fixture f;
    int dialogs = 0, nested = 0;
    // The dialog is modal: the timer fires again inside it, as Qt would.
    QObject::connect(&f.ident, &Identification::hardwareConflict, [&] {
        ++dialogs;
        for (int i = 0; i < 3 && dialogs < 10; ++i, ++nested)
            f.ident.TimerCircuitTimer();
    });
    f.reply("+ver:Other_v2.0 [x1.0],<7>,<BC600>\r");
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(nested, 3);
    // The step went on after the dialog: answering and recognised.
    EXPECT_TRUE(f.state.circuit);
    EXPECT_TRUE(f.state.circuittrobat);
    EXPECT_TRUE(f.ident.connectedShown());
    EXPECT_EQ(f.state.identConnectar, QStringLiteral("7"));

    // The same module answering the polls is not refused again...
    f.reply("+ver:Other_v2.0 [x1.0],<7>,<BC600>\r");
    EXPECT_EQ(dialogs, 1);
    // ...until the window has been back to its disconnected state.
    f.ident.showDisconnected();
    f.reply("+ver:Other_v2.0 [x1.0],<7>,<BC600>\r");
    EXPECT_EQ(dialogs, 2);
}

TEST(Identification, AHaltedTimerIsNotStartedAgainByALateReply)
{
    Fixture f;
    f.reply("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
    f.pty.read(200);
    ASSERT_TRUE(f.ident.active());
    f.ident.halt();
    EXPECT_FALSE(f.ident.active());
    f.channel.receive("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
    f.ident.start(100);
    EXPECT_FALSE(f.ident.active());
    f.scheduler.advance(1000); // the stream request after recognition stays unsent
    EXPECT_TRUE(f.pty.read(200).isEmpty());
}

TEST(CommandChannel, AFailedWriteOrASerialPollAsksForTheChooserListAgain)
{
    Fixture f;
    QSignalSpy refresh(&f.channel, &CommandChannel::portListRefreshRequested);
    f.state.inf = true;
    f.ident.setView({false, false, true});
    f.ident.TimerCircuitTimer(); // a serial poll
    EXPECT_EQ(refresh.count(), 1);
    f.channel.closePort();
    f.channel.send(QStringLiteral("vm+ver")); // a failed write
    EXPECT_EQ(refresh.count(), 2);
}

} // namespace
