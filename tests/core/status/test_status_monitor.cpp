#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/Scheduler.h"
#include "core/status/LampBoard.h"
#include "core/status/StatusMonitor.h"
#include "core/status/TrafficLamps.h"
#include "core/status/UpdateWatch.h"

#include "support/Pty.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

// The update page's side of the watchdog, as the firmware update will give it.
struct UpdateSide : UpdateWatch {
    LinkState &state;
    bool shown = false;
    int closed = 0;
    explicit UpdateSide(LinkState &s) : state(s) {}
    bool updateShown() const override { return shown; }
    void DesconnectarTCPAsinActu() override
    {
        ++closed;
        state.tempsActu = 0;
    }
};

// A publishing transport standing in for the remote session: it keeps the
// words it was given.
struct Published : Transport {
    QStringList words;
    void sendCommand(const QString &word) override { words << word; }
    bool sendBytes(const QByteArray &bytes) override
    {
        words << QString::fromLatin1(bytes);
        return true;
    }
};

// The monitor over a channel on a pseudo-terminal; the test plays the module
// and calls the tick itself.
struct Fixture {
    test::Pty pty;
    LinkState state;
    ManualScheduler scheduler;
    Trace trace;
    CommandChannel channel{state, scheduler, trace};
    Identification ident{state, channel, scheduler, trace};
    TrafficLamps lamps{state};
    LampBoard board;
    StatusMonitor monitor{state, channel, ident, scheduler, lamps, board};
    UpdateSide update{state};

    Fixture()
    {
        ReplyConsumers c;
        c.identification = &ident;
        channel.router().setConsumers(c);
        channel.openPort(pty.slavePath());
        monitor.setUpdateWatch(&update);
    }
    void linked()
    {
        state.circuit = true;
        state.circuittrobat = true;
        state.inf = true;
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            monitor.TimerLedsTimer();
    }
    QByteArray sent() { return pty.read(300); }
};

TEST(StatusMonitor, AReplyWithin99TicksKeepsTheLinkAnd100SilentTicksLoseIt)
{
    for (const bool linked : {true, false}) {
        Fixture f;
        f.linked();
        f.state.circuit = linked; // found but not linked: no message
        QSignalSpy message(&f.monitor, &StatusMonitor::timedError);
        QSignalSpy cleared(&f.monitor, &StatusMonitor::fieldsCleared);
        QSignalSpy page(&f.monitor, &StatusMonitor::statusPageShown);
        QSignalSpy progress(&f.monitor, &StatusMonitor::progressCleared);
        for (int round = 0; round < 5; ++round) {
            f.channel.receive("{#dPulso}\r\n");
            f.ticks(99);
        }
        EXPECT_EQ(cleared.count(), 0);
        EXPECT_EQ(f.state.circuittrobat, true);
        f.ident.setView({false, true, true}); // the programming view is in front
        f.pty.read(50);

        f.ticks(1);
        EXPECT_EQ(message.count(), linked ? 1 : 0);
        if (linked) {
            EXPECT_EQ(message.at(0).at(0).toString(),
                      QString::fromUtf8("Se ha cortado la comunicación con el equipo Velmar"));
        }
        EXPECT_FALSE(f.state.circuit);
        EXPECT_FALSE(f.state.circuittrobat);
        EXPECT_EQ(cleared.count(), 1);
        EXPECT_EQ(page.count(), 1);
        EXPECT_TRUE(f.ident.view().statusShown);
        EXPECT_FALSE(f.ident.view().programmingShown);
        EXPECT_EQ(progress.count(), 1);
        // The port is opened again and probed; identification in 3 s.
        EXPECT_TRUE(f.channel.serial().isOpen());
        EXPECT_EQ(f.sent(), QByteArray("\rvm+ver\r"));
        EXPECT_EQ(f.state.espero, QStringLiteral("+ver"));
        EXPECT_EQ(f.state.vegades_espero, 6);
        EXPECT_TRUE(f.ident.active());
        EXPECT_EQ(f.ident.interval(), StatusMonitor::kLostLinkRestartMs);
        // Once fired the watchdog stays idle until the next reply.
        f.ticks(200);
        EXPECT_EQ(cleared.count(), 1);
    }
}

TEST(StatusMonitor, SilenceOfARemoteModuleOnlyClearsAReadingIndication)
{
    Fixture f;
    f.linked();
    f.state.connex_remota = QStringLiteral("MQTT");
    QSignalSpy message(&f.monitor, &StatusMonitor::timedError);
    QSignalSpy cleared(&f.monitor, &StatusMonitor::fieldsCleared);
    QSignalSpy reading(&f.monitor, &StatusMonitor::readingIndicationExpired);
    f.state.tempsllegir = 100;
    f.ticks(100);
    EXPECT_EQ(reading.count(), 1);
    EXPECT_EQ(message.count(), 0);
    EXPECT_EQ(cleared.count(), 0);
    EXPECT_TRUE(f.state.circuit);
    EXPECT_TRUE(f.state.circuittrobat);
}

TEST(StatusMonitor, WithTheLocalLinkNotChosenSilenceChangesNothing)
{
    Fixture f;
    f.linked();
    f.ident.setView({true, false, false});
    QSignalSpy cleared(&f.monitor, &StatusMonitor::fieldsCleared);
    f.state.tempsllegir = 1;
    f.ticks(1);
    EXPECT_EQ(cleared.count(), 0);
    EXPECT_TRUE(f.state.circuit);
    EXPECT_EQ(f.state.tempsllegir, 0);
}

TEST(StatusMonitor, AnUpdateAbortShowsItsReasonOnTheNextTick)
{
    Fixture f;
    QSignalSpy message(&f.monitor, &StatusMonitor::timedError);
    f.state.tempsActu = StatusMonitor::kUpdateAbort;
    f.state.msgerrorActu = QStringLiteral("Fichero dañado");
    f.ticks(1);
    EXPECT_EQ(f.update.closed, 1);
    EXPECT_EQ(f.state.tempsActu, 0);
    ASSERT_EQ(message.count(), 1);
    EXPECT_EQ(message.at(0).at(0).toString(),
              QString::fromUtf8("ERROR EN LA ACTUALIZACION\r\nFichero dañado"));
    EXPECT_TRUE(f.state.msgerrorActu.isEmpty());
    f.ticks(5);
    EXPECT_EQ(message.count(), 1);
}

TEST(StatusMonitor, ThirtySilentSecondsOfAnUpdateEndItAndRestartTheLink)
{
    for (const bool remote : {false, true}) {
        Fixture f;
        f.linked();
        if (remote)
            f.state.connex_remota = QStringLiteral("MQTT");
        QSignalSpy message(&f.monitor, &StatusMonitor::timedError);
        QSignalSpy session(&f.monitor, &StatusMonitor::closeRemoteSession);
        QSignalSpy bridge(&f.monitor, &StatusMonitor::closeBridge);
        f.state.tempsActu = 300;
        f.ticks(299);
        EXPECT_EQ(f.update.closed, 0);
        f.ticks(1);
        EXPECT_EQ(f.update.closed, 1);
        EXPECT_EQ(message.count(), 0); // after a pause of 100 ms
        f.pty.read(50);
        f.scheduler.advance(StatusMonitor::kUpdatePauseMs);
        ASSERT_EQ(message.count(), 1);
        EXPECT_EQ(message.at(0).at(0).toString(),
                  QString::fromUtf8("ERROR EN LA ACTUALIZACION\r\nSe ha cortado la comunicación entre "
                                    "el equipo Velmar y el servidor de actualizaciones"));
        EXPECT_EQ(bridge.count(), 1);
        EXPECT_EQ(session.count(), remote ? 1 : 0);
        EXPECT_EQ(f.state.circuit, remote);
        if (!remote) {
            // The stream goes off as the port closes, then the probe.
            EXPECT_EQ(f.sent(), QByteArray("\rvm+inf\r\rvm+ver\r"));
            EXPECT_EQ(f.ident.interval(), StatusMonitor::kUpdateRestartMs);
        }
    }
}

TEST(StatusMonitor, TrafficLampsGoOffWhenTheirHoldRunsOut)
{
    Fixture f;
    QSignalSpy changed(&f.monitor, &StatusMonitor::trafficLampsChanged);
    f.channel.send(QStringLiteral("vm+ver"));
    EXPECT_TRUE(f.lamps.txOn());
    f.ticks(1);
    EXPECT_TRUE(f.lamps.txOn());
    f.ticks(1);
    EXPECT_FALSE(f.lamps.txOn()); // off on the second tick after the write
    const int afterTx = int(changed.count());
    EXPECT_GE(afterTx, 1);

    // A panel-side lamp lit by the stream is drawn on the next tick and
    // goes off after its eight ticks.
    f.state.tempsRXAgui = 8;
    f.ticks(1);
    EXPECT_TRUE(f.lamps.rxAguiOn());
    EXPECT_EQ(changed.count(), afterTx + 1);
    f.ticks(6);
    EXPECT_TRUE(f.lamps.rxAguiOn());
    EXPECT_EQ(changed.count(), afterTx + 1);
    f.ticks(1);
    EXPECT_FALSE(f.lamps.rxAguiOn());
    EXPECT_EQ(changed.count(), afterTx + 2);
}

TEST(StatusMonitor, TheBlinkEngineRestsDuringABridgeProgrammingSession)
{
    Fixture f;
    QSignalSpy painted(&f.monitor, &StatusMonitor::lampsPainted);
    LampSlot &lamp = f.board.lamp(LampGroup::PunterLedAlarmaCofem, 1);
    lamp.Tag = 2;
    f.monitor.connex_prog_Agui = true;
    f.ticks(20);
    EXPECT_EQ(lamp.colour, colours::White);
    EXPECT_EQ(painted.count(), 0);
    f.monitor.connex_prog_Agui = false;
    f.ticks(1);
    EXPECT_EQ(lamp.colour, colours::Red);
    EXPECT_EQ(painted.count(), 1);
}

TEST(StatusMonitor, EstadoAsksALocalModuleForItsStreamHalfASecondApart)
{
    Fixture f;
    f.linked();
    f.ident.setView({false, true, true});
    QSignalSpy reset(&f.monitor, &StatusMonitor::estatPageReset);
    QSignalSpy enabled(&f.monitor, &StatusMonitor::estatCommandsEnabled);
    f.monitor.BBLlegirEstatClick();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(enabled.count(), 1);
    EXPECT_TRUE(f.ident.view().statusShown);
    EXPECT_TRUE(f.ident.active());
    EXPECT_EQ(f.sent(), QByteArray("\rvm+vEr\r"));
    f.scheduler.advance(StatusMonitor::kEstatSerialGapMs - 1);
    EXPECT_EQ(f.sent(), QByteArray());
    f.scheduler.advance(1);
    EXPECT_EQ(f.sent(), QByteArray("\rvm+INf\r"));
}

TEST(StatusMonitor, EstadoPublishesToARemoteModuleOneSecondApart)
{
    Fixture f;
    Published remote;
    f.channel.setRemoteTransport(&remote);
    f.linked();
    f.state.connex_remota = QStringLiteral("MQTT");
    f.monitor.BBLlegirEstatClick();
    EXPECT_EQ(remote.words, QStringList{QStringLiteral("vm+vEr")});
    f.scheduler.advance(StatusMonitor::kEstatRemoteGapMs - 1);
    EXPECT_EQ(remote.words.size(), 1);
    f.scheduler.advance(1);
    EXPECT_EQ(remote.words, (QStringList{QStringLiteral("vm+vEr"), QStringLiteral("vm+INf")}));
    EXPECT_EQ(f.sent(), QByteArray());
}

TEST(StatusMonitor, EstadoSwitchesNoStreamOnUnderATransferStartedInTheGap)
{
    for (const bool overBroker : {false, true}) {
        SCOPED_TRACE(overBroker ? "remote" : "serial");
        Fixture f;
        Published remote;
        f.channel.setRemoteTransport(&remote);
        bool transfer = false;
        f.ident.setLinkTaken([&] { return transfer; });
        f.linked();
        if (overBroker)
            f.state.connex_remota = QStringLiteral("MQTT");
        f.monitor.BBLlegirEstatClick();
        f.sent();
        transfer = true; // the stream request would land between its frames
        f.scheduler.advance(StatusMonitor::kEstatRemoteGapMs);
        EXPECT_EQ(f.sent(), QByteArray());
        EXPECT_EQ(remote.words, overBroker ? QStringList{QStringLiteral("vm+vEr")} : QStringList{});
    }
}

TEST(StatusMonitor, EstadoWithoutAModuleStartsIdentificationAtOnce)
{
    Fixture f;
    f.state.StrCom = QStringLiteral("+old");
    f.monitor.BBLlegirEstatClick();
    EXPECT_TRUE(f.state.StrCom.isEmpty());
    EXPECT_TRUE(f.ident.active());
    EXPECT_EQ(f.ident.interval(), 100);
    EXPECT_EQ(f.sent(), QByteArray());
}

TEST(StatusMonitor, EstadoDoesNothingAtAllWhileAnUpdateRuns)
{
    Fixture f;
    f.linked();
    f.update.shown = true;
    f.ident.setView({false, true, true});
    QSignalSpy reset(&f.monitor, &StatusMonitor::estatPageReset);
    QSignalSpy page(&f.monitor, &StatusMonitor::statusPageShown);
    f.monitor.BBLlegirEstatClick();
    f.scheduler.advance(2000);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(page.count(), 0);
    EXPECT_FALSE(f.ident.view().statusShown);
    EXPECT_EQ(f.sent(), QByteArray());
}

TEST(StatusMonitor, EstadoWaitsForTheProgrammingCyclesToFinish)
{
    // A recognition in the middle of a write asks for the status half a
    // second later: it must not switch the stream on between two fields.
    Fixture f;
    f.linked();
    bool working = true;
    f.monitor.setWorking([&working] { return working; });
    QSignalSpy reset(&f.monitor, &StatusMonitor::estatPageReset);
    QSignalSpy enabled(&f.monitor, &StatusMonitor::estatCommandsEnabled);
    f.monitor.BBLlegirEstatClick();
    f.scheduler.advance(2000);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(enabled.count(), 0);
    EXPECT_EQ(f.sent(), QByteArray());
    working = false;
    f.monitor.BBLlegirEstatClick();
    EXPECT_EQ(f.sent(), QByteArray("\rvm+vEr\r"));
}

TEST(StatusMonitor, ARecognisedModuleIsAskedForItsStatusAfterItsStreamRequest)
{
    Fixture f;
    f.state.espero = QStringLiteral("+ver");
    f.state.vegades_espero = 6;
    QSignalSpy panels(&f.monitor, &StatusMonitor::statusPanelsShown);
    f.channel.receive("+ver:Velmar_v8.7 [x1.2], <12345>, <BC600>\r");
    f.ident.TimerCircuitTimer();
    EXPECT_EQ(panels.count(), 1);
    EXPECT_EQ(f.sent(), QByteArray("\rvm+ver\r"));
    f.scheduler.advance(500);
    EXPECT_EQ(f.sent(), QByteArray("\rvm+INf\r\rvm+vEr\r"));
    f.scheduler.advance(500);
    EXPECT_EQ(f.sent(), QByteArray("\rvm+INf\r"));
}

TEST(StatusMonitor, AStreamingModuleIsRecognisedAgainAfterItsLinkWasLost)
{
    Fixture f;
    f.linked();
    f.state.tempsllegir = 1;
    f.ticks(1);
    ASSERT_FALSE(f.state.circuittrobat);
    EXPECT_EQ(f.sent(), QByteArray("\rvm+ver\r"));
    // It answers the probe and goes on with its stream, in one burst: the
    // record must not hide the answer from the identification step.
    f.channel.receive("+ver:Velmar_v8.7 [x1.2],<1000123>,<>\r\n{#dPulso}\r\n");
    f.ident.TimerCircuitTimer();
    EXPECT_TRUE(f.state.circuit);
    EXPECT_TRUE(f.state.circuittrobat);
    EXPECT_TRUE(f.ident.connectedShown());
}

TEST(StatusMonitor, ALinkLostAfterSixPollsBringsTheStatusPageToTheFront)
{
    Fixture f;
    f.channel.receive("+ver:Velmar_v8.7 [x1.2],<1>,<0>\r");
    f.ident.TimerCircuitTimer();
    f.state.inf = true;
    f.ident.setView({false, true, true}); // the programming pages in front
    QSignalSpy page(&f.monitor, &StatusMonitor::statusPageShown);
    for (int i = 0; i < 6 && f.state.circuittrobat; ++i)
        f.ident.TimerCircuitTimer();
    ASSERT_FALSE(f.state.circuittrobat);
    EXPECT_EQ(page.count(), 1);
    EXPECT_TRUE(f.ident.view().statusShown);
    EXPECT_FALSE(f.ident.view().programmingShown);
}

} // namespace
