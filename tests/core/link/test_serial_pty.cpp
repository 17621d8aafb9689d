#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Scheduler.h"

#include "support/Pty.h"
#include "support/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace velmar;
using Rule = ReplyRouter::Rule;

namespace {

using test::waitFor;

struct Channel {
    LinkState state;
    QtScheduler scheduler;
    Trace trace;
    CommandChannel channel{state, scheduler, trace};
    QList<QPair<QString, Rule>> routed;
    Channel()
    {
        QObject::connect(&channel, &CommandChannel::replyRouted,
                         [this](const QString &r, Rule rule) { routed.append({r, rule}); });
    }
};

TEST(SerialPty, CommandBytesAreExact)
{
    test::Pty pty;
    ASSERT_TRUE(pty.ok());
    Channel c;
    ASSERT_TRUE(c.channel.openPort(pty.slavePath())) << c.channel.serial().lastError().toStdString();
    c.channel.send(QStringLiteral("vm+ver"));
    c.channel.send(QString::fromUtf8("vm+0102=Se\u00F1or"));
    QByteArray got;
    waitFor([&] {
        got += pty.read(20);
        return got.size() >= 24;
    });
    EXPECT_EQ(got, QByteArray("\rvm+ver\r\rvm+0102=Se\xF1or\r"));
}

TEST(SerialPty, RepliesWrittenByTheModuleAreFramedAndRouted)
{
    test::Pty pty;
    Channel c;
    ASSERT_TRUE(c.channel.openPort(pty.slavePath()));
    c.state.espero = QStringLiteral("+0102");
    pty.write("\r\n+ver:Velmar_v8.7 [x1.2],<ID1>,<0>\r");
    pty.write("noise+0102:");
    pty.write("ACME\r");
    ASSERT_TRUE(waitFor([&] { return c.routed.size() >= 2; }));
    EXPECT_EQ(c.routed[0].first, QStringLiteral("+ver:Velmar_v8.7 [x1.2],<ID1>,<0>\r"));
    EXPECT_EQ(c.routed[0].second, Rule::Identification);
    EXPECT_EQ(c.routed[1].first, QStringLiteral("+0102:ACME\r"));
    EXPECT_EQ(c.routed[1].second, Rule::Awaited);
    EXPECT_EQ(c.state.tempsRX, 2);
}

TEST(SerialPty, ChoosingThePortAgainRestartsIdentification)
{
    test::Pty pty;
    Channel c;
    QSignalSpy ident(&c.channel, &CommandChannel::identificationRequested);
    QSignalSpy stored(&c.channel, &CommandChannel::portStored);
    c.channel.choosePort(pty.slavePath());
    c.channel.choosePort(pty.slavePath());
    QByteArray got;
    waitFor([&] {
        got += pty.read(20);
        return got.count("\rvm+ver\r") >= 2;
    });
    EXPECT_EQ(got.count("\rvm+ver\r"), 2);
    EXPECT_GE(got.count("\rvm+cdp=*\r"), 1);
    ASSERT_EQ(ident.count(), 2);
    EXPECT_EQ(ident.at(0).at(0).toInt(), 500);
    EXPECT_EQ(stored.last().at(0).toString(), pty.slavePath());
    EXPECT_EQ(c.state.espero, QStringLiteral("+ver"));
    EXPECT_EQ(c.state.vegades_espero, 6);
}

TEST(SerialPty, MissingPortWarnsWithTheProgramsText)
{
    Channel c;
    QSignalSpy warn(&c.channel, &CommandChannel::warning);
    QSignalSpy lost(&c.channel, &CommandChannel::disconnected);
    c.channel.choosePort(QStringLiteral("/dev/velmar-no-such-port"));
    ASSERT_EQ(warn.count(), 1);
    EXPECT_EQ(warn.at(0).at(0).toString(), QString::fromUtf8("¡ ATENCIÓN !"));
    EXPECT_EQ(warn.at(0).at(1).toString(),
              QStringLiteral("No se puede abrir este puerto\r\nDesconecte el cable y vuelva a conectarlo"));
    EXPECT_FALSE(c.state.circuit);
    EXPECT_GE(lost.count(), 1);
}

TEST(SerialPty, WritingWithoutAPortMarksTheLinkLost)
{
    Channel c;
    c.state.circuit = true;
    QSignalSpy lost(&c.channel, &CommandChannel::disconnected);
    c.channel.send(QStringLiteral("vm+ver"));
    EXPECT_FALSE(c.state.circuit);
    EXPECT_EQ(lost.count(), 1);
}

TEST(SerialPty, ClosingSendsInfOffOnlyForAnIdentifiedModule)
{
    test::Pty pty;
    Channel c;
    ASSERT_TRUE(c.channel.openPort(pty.slavePath()));
    c.channel.closePort();
    EXPECT_TRUE(pty.read(200).isEmpty());
    ASSERT_TRUE(c.channel.openPort(pty.slavePath()));
    c.state.circuittrobat = true;
    c.channel.closePort();
    EXPECT_EQ(pty.read(2000, "\r\rvm+inf\r").right(8), QByteArray("\rvm+inf\r"));
}

} // namespace

namespace {

// A channel on a pseudo-terminal whose pauses only pass when the test says.
struct PacedChannel {
    test::Pty pty;
    LinkState state;
    ManualScheduler scheduler;
    Trace trace;
    CommandChannel channel{state, scheduler, trace};
    PacedChannel() { channel.openPort(pty.slavePath()); }
};

TEST(SerialPty, LockAndCloseSendsLockThenStreamOffAHundredMsApart)
{
    PacedChannel p;
    auto &[pty, state, scheduler, trace, channel] = p;
    ASSERT_TRUE(channel.serial().isOpen());
    state.circuittrobat = true;
    bool done = false;
    channel.lockAndClose([&] { done = true; });
    scheduler.advance(0);
    EXPECT_EQ(pty.read(2000, "\r"), QByteArray("\rvm+cdp=*\r"));
    scheduler.advance(99);
    EXPECT_TRUE(pty.read(100).isEmpty());
    scheduler.advance(1);
    EXPECT_EQ(pty.read(2000, "inf\r"), QByteArray("\rvm+inf\r"));
    EXPECT_FALSE(done);
    scheduler.advance(100);
    EXPECT_TRUE(done);
    EXPECT_FALSE(channel.serial().isOpen());
    EXPECT_TRUE(pty.read(100).isEmpty()); // nothing sent twice on the way out
}

TEST(SerialPty, LockAndCloseSendsNothingWithoutAModule)
{
    PacedChannel p;
    bool done = false;
    p.channel.lockAndClose([&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_TRUE(p.pty.read(200).isEmpty());
}

} // namespace

namespace {

TEST(SerialPty, StartupProbeAsksForIdentificationSoon)
{
    test::Pty pty;
    Channel c;
    QSignalSpy ident(&c.channel, &CommandChannel::identificationRequested);
    QSignalSpy warn(&c.channel, &CommandChannel::warning);
    c.channel.probe(pty.slavePath());
    EXPECT_EQ(pty.read(2000, "ver\r"), QByteArray("\rvm+ver\r"));
    ASSERT_EQ(ident.count(), 1);
    EXPECT_EQ(ident.at(0).at(0).toInt(), 100);
    // A port not there (yet): nothing sent, no dialog, but identification
    // goes on, so that the polls open the port once it appears.
    c.channel.probe(QStringLiteral("/dev/velmar-no-such-port"));
    EXPECT_EQ(ident.count(), 2);
    EXPECT_EQ(warn.count(), 0);
    EXPECT_EQ(c.channel.ComUSB(), QStringLiteral("/dev/velmar-no-such-port"));
}

} // namespace
