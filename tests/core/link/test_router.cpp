#include "core/link/ReplyRouter.h"
#include "core/link/Scheduler.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velmar;
using Rule = ReplyRouter::Rule;

namespace {

// Records which consumer was called with what.
struct Recorder : IdentificationSink, ReadCycleSink, WriteCycleSink, InfoSink, UpdateRelaySink {
    QStringList calls;
    void identificationReply() override { calls << "ident"; }
    void operatorLine(const QString &r) override { calls << "oper:" + r; }
    void dumpLine(const QString &r) override { calls << "dump:" + r; }
    void readReply() override { calls << "read"; }
    void startFullRead() override { calls << "fullread"; }
    void writeReply() override { calls << "write"; }
    void stopWrite() override { calls << "stopwrite"; }
    void infoRecord(const QString &r) override { calls << "info:" + r; }
    void relayUpdate(const QString &r) override { calls << "update:" + r; }
};

struct Fixture {
    LinkState state;
    ManualScheduler scheduler;
    ReplyRouter router{state, scheduler};
    Recorder rec;
    Fixture() { router.setConsumers({&rec, &rec, &rec, &rec, &rec}); }
};

struct RouteCase {
    const char *name;
    std::function<void(LinkState &)> setup;
    const char *reply;
    Rule rule;
    QStringList calls;
};

class RoutingTest : public ::testing::TestWithParam<RouteCase> {};

TEST_P(RoutingTest, FirstMatchingRuleWins)
{
    Fixture f;
    const RouteCase &c = GetParam();
    if (c.setup)
        c.setup(f.state);
    EXPECT_EQ(f.router.route(QString::fromLatin1(c.reply)), c.rule);
    EXPECT_EQ(f.rec.calls, c.calls);
}

auto awaiting(const char *prefix, bool pageRead = false)
{
    return [=](LinkState &s) {
        s.espero = QString::fromLatin1(prefix);
        s.llegirpag = pageRead;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoutingTest,
    ::testing::Values(
        RouteCase{"ProtectWinsOverEverything", awaiting("+0102"), "+0102:Protect\r", Rule::Protect, {}},
        RouteCase{"UpdateIgnoredWithoutTransfer", nullptr, "+Uabc\r", Rule::UpdateTraffic, {}},
        RouteCase{"UpdateRelayedFromPlusU", [](LinkState &s) { s.tempsActu = 5; }, "x+Uab\r",
                  Rule::UpdateTraffic, {"update:+Uab\r"}},
        RouteCase{"VerWinsOverAwaitedPrefix", awaiting("+0102"), "+ver:Velmar_v8.7\r",
                  Rule::Identification, {"ident"}},
        RouteCase{"vErToo", nullptr, "+vEr:a\r", Rule::Identification, {"ident"}},
        RouteCase{"InfoOn", nullptr, "+Inf:\r", Rule::InfoOn, {}},
        RouteCase{"OperatorLineWhenIdentified",
                  [](LinkState &s) { s.espero = "+85xx"; s.circuittrobat = true; },
                  "+8501:Movistar;apn;u;p\r", Rule::OperatorLine, {"oper:+8501:Movistar;apn;u;p\r"}},
        RouteCase{"OperatorLineNotTakenBeforeIdentification", awaiting("+85xx"), "+8501:x\r",
                  Rule::OperatorLine, {}},
        RouteCase{"Initialized", nullptr, "+xxx:Initialized\r", Rule::Initialized, {"stopwrite"}},
        RouteCase{"Erased", nullptr, "+970x:Erased\r", Rule::Erased, {"stopwrite"}},
        RouteCase{"ErasedWithBlockWordFallsToAwaited", awaiting("+96xx"), "+96xx:Erased\r",
                  Rule::Awaited, {"write"}},
        RouteCase{"ErasedWithBlockWordIgnoredOtherwise", nullptr, "+91xx:Erased\r", Rule::Ignored, {}},
        RouteCase{"BulkDumpLine", [](LinkState &s) { s.puntercamp = "xxx"; }, "+0102:ACME\r",
                  Rule::BulkDump, {"dump:+0102:ACME\r"}},
        RouteCase{"AwaitedDuringPageReadFiresRead", awaiting("+0102", true), "+0102:ACME\r",
                  Rule::Awaited, {"read"}},
        RouteCase{"AwaitedOtherwiseFiresWrite", awaiting("+0102"), "+0102:ACME\r", Rule::Awaited,
                  {"write"}},
        RouteCase{"AwaitedNeedsTheColon", awaiting("+0102"), "+0102=ACME\r", Rule::Ignored, {}},
        RouteCase{"RecordDroppedWhileInfoOff", nullptr, "{#0101224}", Rule::Ignored, {}},
        RouteCase{"RecordInterpretedWhileInfoOn", [](LinkState &s) { s.inf = true; }, "{#0101224}",
                  Rule::InfoRecord, {"info:{#0101224}"}},
        RouteCase{"UnknownIgnored", nullptr, "+zz\r", Rule::Ignored, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Router, AnsweredRepliesResetTheWatchdogAndRounds)
{
    Fixture f;
    f.state.espero = "+0102";
    f.state.vegades_espero = 1;
    f.router.route("+0102:x\r");
    EXPECT_EQ(f.state.tempsllegir, 100);
    EXPECT_EQ(f.state.vegades_espero, 6);
    EXPECT_EQ(f.state.StrCom, "+0102:x\r");
    EXPECT_EQ(f.state.espero, "+0102"); // routing never clears what the sender waits for
}

TEST(Router, InfoOnClearsReadsAndProtection)
{
    Fixture f;
    f.state.llegir = f.state.llegirpag = f.state.protegit = true;
    f.router.route("+Inf:\r");
    EXPECT_TRUE(f.state.inf);
    EXPECT_FALSE(f.state.llegir || f.state.llegirpag || f.state.protegit);
}

TEST(Router, UpdateTrafficRenewsTheTransferAndSilencesTheWatchdog)
{
    Fixture f;
    f.state.tempsActu = 7;
    f.state.tempsllegir = 50;
    f.router.route("+U1234\r");
    EXPECT_EQ(f.state.tempsActu, 300);
    EXPECT_EQ(f.state.tempsllegir, 0);
}

TEST(Router, InitializedStartsTheFullReadOnlyAfterThePause)
{
    Fixture f;
    f.state.inf = true;
    f.state.camp_final = 12;
    f.router.route("+xxx:Initialized\r");
    EXPECT_FALSE(f.state.inf);
    EXPECT_EQ(f.state.camp_final, 0);
    EXPECT_EQ(f.rec.calls, QStringList{"stopwrite"});
    f.scheduler.advance(4999);
    EXPECT_EQ(f.rec.calls, QStringList{"stopwrite"});
    f.scheduler.advance(1);
    EXPECT_EQ(f.rec.calls, (QStringList{"stopwrite", "fullread"}));
}

TEST(Router, MissingConsumersAreHarmless)
{
    LinkState state;
    ManualScheduler scheduler;
    ReplyRouter router(state, scheduler);
    state.inf = true;
    state.tempsActu = 1;
    for (const char *r : {"+ver:a\r", "{#1}", "+Uq\r", "+xxx:Initialized\r", "+1:Erased\r"})
        router.route(QString::fromLatin1(r));
    scheduler.advance(10000);
    SUCCEED();
}

} // namespace
