// The remote session against a real mosquitto broker, with a second client
// on the broker playing the module's side of the topics.

#include "core/shell/Engine.h"
#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using velmar::MqttClient;
using velmar::MqttStatus;
using velmar::test::MosquittoBroker;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;

// The module's end: subscribes again after every (re)connection and keeps
// what arrives.
struct Peer {
    Peer(MosquittoBroker &broker, QStringList filters) : filters(std::move(filters))
    {
        QObject::connect(&client, &MqttClient::statusChanged, &client, [this](bool up, MqttStatus) {
            if (up)
                for (const QString &f : this->filters)
                    client.subscribe(f);
        });
        QObject::connect(&client, &MqttClient::subscriptionAcknowledged, &client,
                         [this](quint16, const QList<velmar::MqttGrant> &) { ++acks; });
        QObject::connect(&client, &MqttClient::publishReceived, &client,
                         [this](quint16, const QString &topic, const QByteArray &payload) {
                             got.append({topic, payload});
                         });
        velmar::MqttSettings s;
        s.host = broker.host();
        s.port = broker.port();
        s.user = broker.user();
        s.password = broker.password();
        s.clientId = QStringLiteral("module-side");
        s.reconnectSeconds = 1;
        client.connectToBroker(s);
    }
    bool ready() const { return acks >= filters.size(); }
    QList<QByteArray> payloadsOn(const QString &topic) const
    {
        QList<QByteArray> out;
        for (const auto &p : got)
            if (p.first == topic)
                out << p.second;
        return out;
    }
    bool received(const QString &topic, const QByteArray &payload) const
    {
        return payloadsOn(topic).contains(payload);
    }
    void answer(const QString &topic, const QByteArray &payload) { client.publish(topic, payload); }

    QStringList filters;
    MqttClient client;
    int acks = 0;
    QList<std::pair<QString, QByteArray>> got;
};

struct Broker : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(broker.ok()) << broker.errorText().toStdString();
        e = std::make_unique<velmar::Engine>(velmar::test::brokerEndpoints(broker));
        QObject::connect(&e->trace, &velmar::Trace::entry, e.get(),
                         [this](const QString &t, velmar::TraceColour) { trace << t; });
    }
    void open(const QString &id = QStringLiteral("4711"), bool adsl = false)
    {
        e->state.identConnectar = id;
        e->state.connexADSL = adsl;
        e->remote.BConnectarMQTTClick();
    }

    MosquittoBroker broker;
    std::unique_ptr<velmar::Engine> e;
    QStringList trace;
};

TEST_F(Broker, OpensTheSessionAndRecognisesTheModuleOverIt)
{
    Peer module(broker, {QStringLiteral("scfg/4711/#")});
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    QSignalSpy started(&e->remote, &velmar::MqttSession::sessionStarted);
    open();
    EXPECT_TRUE(e->state.isRemote());
    ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+ver"); }, kWaitMs));
    EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(e->remote.buttonDisconnects());
    EXPECT_FALSE(e->programming.localChosen);

    module.answer(QStringLiteral("gcfg/4711/."), "+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>");
    ASSERT_TRUE(waitFor([&] { return e->state.circuittrobat; }, kWaitMs));
    EXPECT_EQ(e->state.central, QStringLiteral("BC600"));
    // Recognised over the session: the stream is asked for there, without CRs.
    EXPECT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+INf"); }, kWaitMs));
}

struct TopicCase {
    bool adsl;
    const char *commandTopic;
};
struct Topics : Broker, ::testing::WithParamInterface<TopicCase> {};

// The module's link chooses where commands go; replies come on gcfg either way.
TEST_P(Topics, TheLinkOfTheModuleChoosesTheCommandTopic)
{
    Peer module(broker, {QStringLiteral("scfg/4711/#"), QStringLiteral("scfa/4711/#")});
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    open(QStringLiteral("4711"), GetParam().adsl);
    ASSERT_TRUE(waitFor([&] { return !module.got.isEmpty(); }, kWaitMs));
    EXPECT_EQ(module.got.first().first, QString::fromLatin1(GetParam().commandTopic));
    EXPECT_EQ(e->remote.topics().subsCfg, QStringLiteral("gcfg/4711/#"));
}

INSTANTIATE_TEST_SUITE_P(Remote, Topics,
                         ::testing::Values(TopicCase{true, "scfa/4711/."}, TopicCase{false, "scfg/4711/."}));

TEST_F(Broker, ClosingLocksTheModuleAndSwitchesItsStreamOffFirst)
{
    Peer module(broker, {QStringLiteral("scfg/4711/#")});
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    open();
    ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+ver"); }, kWaitMs));
    module.got.clear();
    e->remote.DesconnectarMQTT();
    EXPECT_FALSE(e->state.isRemote());
    EXPECT_FALSE(e->remote.client().isConnected());
    ASSERT_TRUE(waitFor([&] { return module.got.size() >= 2; }, kWaitMs));
    EXPECT_EQ(module.payloadsOn(QStringLiteral("scfg/4711/.")), (QList<QByteArray>{"vm+cdp=*", "vm+inf"}));
}

// Replies still unread when the socket closes used to reset it: the broker
// then dropped the closing's last publications and its DISCONNECT, and sent
// the PC's last will as if the PC had been lost.
TEST_F(Broker, ClosingInTheMiddleOfAFloodOfRepliesLosesNothingAndLeavesNoLastWill)
{
    Peer module(broker, {QStringLiteral("scfg/4711/#")});
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    const QByteArray reply = "+in1:" + QByteArray(2000, '0');
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        module.got.clear();
        open();
        ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+ver"); }, kWaitMs));
        for (int i = 0; i < 300; ++i)
            module.answer(QStringLiteral("gcfg/4711/."), reply);
        QTest::qWait(20);
        e->remote.DesconnectarMQTT();
        ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+inf"); }, kWaitMs));
        QTest::qWait(300);
        EXPECT_TRUE(module.payloadsOn(QStringLiteral("scfg/4711/")).isEmpty());
        EXPECT_TRUE(module.received(QStringLiteral("scfg/4711/."), "vm+cdp=*"));
    }
}

struct RefusedCase {
    const char *name;
    bool wrongPassword; // else: nothing listens on the port
};
struct Refused : Broker, ::testing::WithParamInterface<RefusedCase> {};

TEST_P(Refused, EndsTheAttemptWithAClearLine)
{
    if (GetParam().wrongPassword) {
        e->remote.setBroker(broker.host(), broker.port(), broker.user(), QStringLiteral("wrong"));
    } else {
        e->remote.setBroker(broker.host(), MosquittoBroker::freePort(), broker.user(), broker.password());
    }
    QSignalSpy status(&e->remote.client(), &MqttClient::statusChanged);
    open();
    ASSERT_TRUE(waitFor([&] { return !e->state.isRemote(); }, kWaitMs));
    const MqttStatus last = status.last().at(1).value<MqttStatus>();
    if (GetParam().wrongPassword) {
        // mosquitto answers a bad password with "not authorised".
        EXPECT_TRUE(last == MqttStatus::InvalidCredentials || last == MqttStatus::ClientNotAuthorized);
        EXPECT_FALSE(trace.filter(QStringLiteral("Connexió SERVER: C")).isEmpty());
    } else {
        EXPECT_EQ(last, MqttStatus::NotConnected);
        EXPECT_TRUE(trace.contains(QStringLiteral("Connexió SERVER: El client no s'ha pogut connectar")));
    }
    EXPECT_FALSE(e->remote.client().isConnected());
}

INSTANTIATE_TEST_SUITE_P(Remote, Refused,
                         ::testing::Values(RefusedCase{"WrongPassword", true}, RefusedCase{"NoBroker", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Broker, ABrokerThatComesBackGetsTheSessionBack)
{
    Peer module(broker, {QStringLiteral("scfg/4711/#")});
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    QSignalSpy lost(&e->remote, &velmar::MqttSession::sessionLost);
    QSignalSpy started(&e->remote, &velmar::MqttSession::sessionStarted);
    open();
    ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+ver"); }, kWaitMs));
    module.answer(QStringLiteral("gcfg/4711/."), "+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>");
    ASSERT_TRUE(waitFor([&] { return e->state.circuittrobat; }, kWaitMs));

    broker.kill();
    ASSERT_TRUE(waitFor([&] { return lost.size() == 1; }, kWaitMs));
    EXPECT_FALSE(e->state.isRemote());
    EXPECT_FALSE(e->state.circuittrobat);
    EXPECT_TRUE(e->state.identConnectar.isEmpty()); // the window's fields went

    module.got.clear();
    module.acks = 0;
    ASSERT_TRUE(broker.start());
    ASSERT_TRUE(waitFor([&] { return module.ready(); }, kWaitMs));
    // Same module as before, although the window forgot its identifier.
    ASSERT_TRUE(waitFor([&] { return module.received(QStringLiteral("scfg/4711/."), "vm+ver"); }, kWaitMs));
    EXPECT_TRUE(e->state.isRemote());
    EXPECT_EQ(started.size(), 2);
    module.answer(QStringLiteral("gcfg/4711/."), "+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>");
    EXPECT_TRUE(waitFor([&] { return e->state.circuittrobat; }, kWaitMs));
}

} // namespace
