// The program's serial transport, framer and router talking to velmar-sim
// over a real pseudo-terminal.

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/ReplyConsumers.h"
#include "core/link/Scheduler.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <functional>

using velmar::test::SimProcess;
using Rule = velmar::ReplyRouter::Rule;

namespace {

// Runs the event loop until cond holds or timeoutMs passes; says whether it holds.
bool waitFor(const std::function<bool()> &cond, int timeoutMs = 10000)
{
    if (cond())
        return true;
    QEventLoop loop;
    QTimer check;
    QTimer deadline;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (cond())
            loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(5);
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    loop.exec();
    return cond();
}

struct Identification : velmar::IdentificationSink {
    int calls = 0;
    void identificationReply() override { ++calls; }
};

struct Info : velmar::InfoSink {
    QStringList records;
    void infoRecord(const QString &record) override { records << record; }
};

// One program-side link: state, scheduler, trace, channel and the two
// consumers this test cares about.
struct Link {
    Link()
    {
        channel.router().setConsumers({&identification, nullptr, nullptr, &info, nullptr});
        QObject::connect(&channel, &velmar::CommandChannel::replyRouted, &channel,
                         [this](const QString &reply, Rule rule) { routed << std::make_pair(reply, rule); });
    }
    bool routedBy(Rule rule) const
    {
        for (const auto &r : routed)
            if (r.second == rule)
                return true;
        return false;
    }

    velmar::LinkState state;
    velmar::QtScheduler scheduler;
    velmar::Trace trace;
    velmar::CommandChannel channel{state, scheduler, trace};
    Identification identification;
    Info info;
    QList<std::pair<QString, Rule>> routed;
};

} // namespace

TEST(LinkSim, IdentificationReplyReachesTheIdentificationTimer)
{
    // The same exchange on a clean line, on one that splits every reply and
    // puts noise between replies, and at the byte rate of the real port.
    const QStringList lines[] = {
        {},
        {QStringLiteral("--split-writes"), QStringLiteral("3"), QStringLiteral("--noise"), QStringLiteral("6")},
        {QStringLiteral("--baud-timing")},
    };
    for (const QStringList &extra : lines) {
        SCOPED_TRACE(extra.join(u' ').toStdString());
        SimProcess sim(QStringList{QStringLiteral("--id"), QStringLiteral("4711"), QStringLiteral("--panel"),
                                   QStringLiteral("BC600")}
                       + extra);
        ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
        Link link;
        ASSERT_TRUE(link.channel.openPort(sim.devicePath())) << link.channel.serial().lastError().toStdString();

        link.channel.send(QStringLiteral("vm+ver"));
        ASSERT_TRUE(waitFor([&] { return link.identification.calls > 0; }));
        EXPECT_EQ(link.identification.calls, 1);
        EXPECT_EQ(link.state.StrCom, QStringLiteral("+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>\r"));
        EXPECT_EQ(link.state.vegades_espero, velmar::proto::kWaitRounds);
        EXPECT_EQ(link.state.tempsllegir, velmar::proto::kLinkWatchdogTicks);

        link.channel.send(QStringLiteral("vm+vEr"));
        ASSERT_TRUE(waitFor([&] { return link.identification.calls > 1; }));
        EXPECT_EQ(link.state.StrCom, QStringLiteral("+vEr:Velmar_v8.7 [x1.2],<4711>,VLM-H3 r2,1111\r"));
    }
}

TEST(LinkSim, InformationStreamRecordsReachTheInformationConsumer)
{
    SimProcess sim({QStringLiteral("--id"), QStringLiteral("4711"), QStringLiteral("--panel"),
                    QStringLiteral("BC600"), QStringLiteral("--period"), QStringLiteral("200")});
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    Link link;
    ASSERT_TRUE(link.channel.openPort(sim.devicePath()));
    ASSERT_FALSE(link.state.inf);

    link.channel.send(QStringLiteral("vm+INf"));
    ASSERT_TRUE(waitFor([&] { return link.state.inf; }));
    EXPECT_TRUE(link.routedBy(Rule::InfoOn));

    // Two periods' worth: the module's own record and the panel's status.
    ASSERT_TRUE(waitFor([&] { return link.info.records.size() >= 4; }));
    const QString &first = link.info.records.first();
    EXPECT_TRUE(first.startsWith(QLatin1String("{#0"))) << first.toStdString();
    EXPECT_TRUE(first.endsWith(u'}')) << first.toStdString();
    EXPECT_TRUE(first.contains(QLatin1String("#1Velmar Demo|"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QLatin1String("|4711:"))) << first.toStdString();
    EXPECT_TRUE(link.info.records.contains(QStringLiteral("{#A4|0|0|0|0|0|0|0}")));
    EXPECT_EQ(link.state.StrCom, link.info.records.last());

    // Switching the stream off stops the records.
    link.channel.send(QStringLiteral("vm+inf"));
    ASSERT_TRUE(waitFor([&] {
        for (const auto &r : link.routed)
            if (r.first.contains(QLatin1String("inf:Dis")))
                return true;
        return false;
    }));
}

TEST(LinkSim, ClosingAndReopeningThePortKeepsTheModule)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    Link link;
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(link.channel.openPort(sim.devicePath())) << link.channel.serial().lastError().toStdString();
        link.channel.send(QStringLiteral("vm+ver"));
        ASSERT_TRUE(waitFor([&] { return link.identification.calls == round; }));
        link.channel.closePort();
    }
}
