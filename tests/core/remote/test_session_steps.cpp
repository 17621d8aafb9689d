// The remote session's steps called directly: how received payloads are cut
// and routed, and what the acknowledgements and losses do. No broker: the
// client's notifications are handed in as the client would hand them.

#include "core/shell/Engine.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using velmar::Engine;
using velmar::MqttGrant;
using velmar::MqttStatus;
using Rule = velmar::ReplyRouter::Rule;

namespace {

struct Steps : ::testing::Test {
    Steps()
    {
        QObject::connect(&e.channel, &velmar::CommandChannel::replyRouted, &e,
                         [this](const QString &reply, Rule rule) { routed.append({reply, rule}); });
        QObject::connect(&e.trace, &velmar::Trace::entry, &e,
                         [this](const QString &t, velmar::TraceColour) { trace << t; });
        e.state.connex_remota = QStringLiteral("MQTT");
    }
    QList<Rule> rules() const
    {
        QList<Rule> r;
        for (const auto &p : routed)
            r << p.second;
        return r;
    }
    int published(const QString &word) const
    {
        return int(trace.filter(QStringLiteral("  str=") + word).size());
    }

    velmar::Endpoints endpoints;
    Engine e{endpoints};
    QList<std::pair<QString, Rule>> routed;
    QStringList trace;
};

struct PayloadCase {
    const char *name;
    QString payload;
    bool infBefore;
    QList<Rule> rules;     // in the order the lines were routed
    int tempsllegir;       // after the payload
};

struct Payloads : Steps, ::testing::WithParamInterface<PayloadCase> {};

TEST_P(Payloads, AreCutIntoLinesAndRoutedWithTheRemoteWatchdog)
{
    const PayloadCase &c = GetParam();
    e.state.inf = c.infBefore;
    e.remote.TMSMQTTClientPublishReceived(0, QStringLiteral("gcfg/4711/."), c.payload.toLatin1());
    EXPECT_EQ(rules(), c.rules);
    EXPECT_EQ(e.state.tempsllegir, c.tempsllegir);
}

INSTANTIATE_TEST_SUITE_P(
    Remote, Payloads,
    ::testing::Values(
        // No carriage return: one is added and the line is still routed.
        PayloadCase{"VerWithoutCr", QStringLiteral("+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>"), false,
                    {Rule::Identification}, 5},
        PayloadCase{"StreamOnThenRecord", QStringLiteral("+Inf:On\r{#E0001}\r"), false,
                    {Rule::InfoOn, Rule::InfoRecord}, 5},
        // The remote module may acknowledge with "+INf:": the stream is on.
        PayloadCase{"UpperStreamOn", QStringLiteral("+INf:On"), false, {Rule::InfoOn}, 1},
        PayloadCase{"RecordAlone", QStringLiteral("{#E0001}"), true, {Rule::InfoRecord}, 5},
        // A line after the last carriage return is not a line yet.
        PayloadCase{"TailWithoutCrDropped", QStringLiteral("+Inf:On\r+ver:x"), false, {Rule::InfoOn}, 1},
        PayloadCase{"NoiseLineDropped", QStringLiteral("hello\r"), false, {}, 100}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Steps, ProtectAnywhereSetsTheLockAndRoutesNoLine)
{
    e.state.inf = false;
    e.remote.RebutIP(QStringLiteral("+ver:Velmar_v8.7 [x1.2],<4711>,<BC600>\r+0102:Protect\r"));
    EXPECT_TRUE(e.state.protegit);
    EXPECT_TRUE(routed.isEmpty());
}

TEST_F(Steps, APartialLineDoesNotLeakIntoTheNextPayload)
{
    e.remote.RebutIP(QStringLiteral("+Inf:On\r+0102:ab"));
    e.remote.RebutIP(QStringLiteral("cd\r"));
    EXPECT_EQ(rules(), QList<Rule>{Rule::InfoOn});
}

TEST_F(Steps, PanelTopicsAreForwardedAsBytesAndNeverRouted)
{
    QSignalSpy bytes(&e.remote, &velmar::MqttSession::panelBytes);
    const QByteArray raw("\x02+ver:\xff\r", 8);
    for (const char *topic : {"gcea/4711/.", "gceg/4711/."})
        e.remote.TMSMQTTClientPublishReceived(0, QString::fromLatin1(topic), raw);
    ASSERT_EQ(bytes.size(), 2);
    EXPECT_EQ(bytes.at(0).at(0).toByteArray(), raw);
    EXPECT_TRUE(routed.isEmpty());
}

// Only the acknowledgement of the last subscription, with its first filter
// granted, starts the identification: "vm+ver", ten rounds, 8 s.
TEST_F(Steps, OnlyTheLastGrantedSubscriptionAsksForIdentification)
{
    e.remote.FSubscribeRequestPacketId1 = 7;
    e.remote.TMSMQTTClientSubscriptionAcknowledged(6, {MqttGrant{true, 0}});
    e.remote.TMSMQTTClientSubscriptionAcknowledged(7, {MqttGrant{false, 0}});
    e.remote.TMSMQTTClientSubscriptionAcknowledged(7, {});
    EXPECT_EQ(published(QStringLiteral("vm+ver")), 0);
    EXPECT_FALSE(e.identification.active());

    e.remote.TMSMQTTClientSubscriptionAcknowledged(7, {MqttGrant{true, 0}});
    EXPECT_EQ(published(QStringLiteral("vm+ver")), 1);
    EXPECT_EQ(e.state.espero, QStringLiteral("+ver"));
    EXPECT_EQ(e.state.vegades_espero, 10);
    EXPECT_TRUE(e.identification.active());
    EXPECT_EQ(e.identification.interval(), 8000);
}

TEST_F(Steps, ALossWhileReestablishingLeavesEverythingAsItIs)
{
    QSignalSpy lost(&e.remote, &velmar::MqttSession::sessionLost);
    e.state.circuit = e.state.circuittrobat = true;
    e.remote.fallaMQTT = true;
    e.remote.TMSMQTTClientConnectedStatusChanged(false, MqttStatus::ConnectionLost);
    EXPECT_EQ(lost.size(), 0);
    EXPECT_TRUE(e.state.isRemote());
    EXPECT_TRUE(e.state.circuittrobat);
}

TEST_F(Steps, ALossResetsTheLinkAndGoesBackToTheCable)
{
    QSignalSpy lost(&e.remote, &velmar::MqttSession::sessionLost);
    e.state.circuit = e.state.circuittrobat = true;
    e.state.tempsllegir = 40;
    e.state.identConnectar = QStringLiteral("4711");
    e.programming.localChosen = false;
    e.identification.start(5000);
    e.remote.TMSMQTTClientConnectedStatusChanged(false, MqttStatus::ConnectionLost);
    EXPECT_EQ(lost.size(), 1);
    EXPECT_FALSE(e.state.isRemote());
    EXPECT_FALSE(e.state.circuit);
    EXPECT_FALSE(e.state.circuittrobat);
    EXPECT_EQ(e.state.tempsllegir, 0);
    EXPECT_TRUE(e.state.identConnectar.isEmpty());
    EXPECT_TRUE(e.programming.localChosen);
    EXPECT_EQ(e.programming.panelmostrat, velmar::ProgrammingState::estat());
    EXPECT_FALSE(e.remote.buttonDisconnects());
}

// Every refusal returns to the cable with one trace line and no dialog.
struct RefusalCase {
    MqttStatus status;
    const char *line;
};
struct Refusals : Steps, ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, ClearTheRemoteLinkWithTheirLine)
{
    QSignalSpy busy(&e.remote, &velmar::MqttSession::busyChanged);
    e.remote.TMSMQTTClientConnectedStatusChanged(false, GetParam().status);
    EXPECT_FALSE(e.state.isRemote());
    EXPECT_TRUE(trace.contains(QString::fromUtf8(GetParam().line)));
    ASSERT_EQ(busy.size(), 1);
    EXPECT_FALSE(busy.at(0).at(0).toBool());
}

INSTANTIATE_TEST_SUITE_P(
    Remote, Refusals,
    ::testing::Values(
        RefusalCase{MqttStatus::NotConnected, "Connexió SERVER: El client no s'ha pogut connectar"},
        RefusalCase{MqttStatus::InvalidProtocolVersion, "Connexió SERVER: Versió del protocol invàlida"},
        RefusalCase{MqttStatus::InvalidIdentifier, "Connexió SERVER: Identificador invàlid"},
        RefusalCase{MqttStatus::ServerUnavailable, "Connexió SERVER: El server no està disponible"},
        RefusalCase{MqttStatus::InvalidCredentials, "Connexió SERVER: Credencials invàlides"},
        RefusalCase{MqttStatus::ClientNotAuthorized, "Connexió SERVER: Client no autoritzat"}));

TEST_F(Steps, PublishingWithoutAConnectionIsTracedAndGoesNoFurther)
{
    e.remote.Publica_MQTT(QStringLiteral("scfg/4711/."), QStringLiteral("vm+ver"));
    EXPECT_TRUE(trace.filter(QStringLiteral(" Error enviar al server:vm+ver  This action requires a connected state"))
                    .size()
                == 1);
    EXPECT_EQ(e.state.tempsTX, 0);
}

// The identifier may come from the module's own reply: as a wildcard or
// with a level separator it would reach other modules' topics.
TEST_F(Steps, AnIdentifierThatIsNotOneTopicLevelOpensNoSession)
{
    for (const char *id : {"", "+", "#", "12/34", "1#"}) {
        e.state.connex_remota = QStringLiteral("MQTT");
        e.state.identConnectar = QString::fromLatin1(id);
        e.remote.BConnectarMQTTClick();
        EXPECT_FALSE(e.state.isRemote()) << id;
        EXPECT_TRUE(e.remote.topics().subsCfg.isEmpty()) << id;
    }
}

TEST(RemoteBytes, CommandsGoOutOneByteEachLowEightBits)
{
    EXPECT_EQ(velmar::MqttSession::lowBytes(QStringLiteral("vm+0102=año")), QByteArray("vm+0102=a\xf1o"));
    // A character beyond Latin-1 keeps its low byte, as the module's line does.
    EXPECT_EQ(velmar::MqttSession::lowBytes(QString(QChar(0x20AC))), QByteArray("\xac"));
}

} // namespace
