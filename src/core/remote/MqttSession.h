#pragma once

#include "core/link/ReplyFramer.h"
#include "core/link/Transport.h"
#include "core/remote/MqttClient.h"
#include "core/remote/MqttTopics.h"

#include <QObject>

#include <functional>

namespace velmar {

class CommandChannel;
class Identification;
class Trace;
struct LinkState;

// The remote session to one module through the MQTT broker: connecting,
// the subscriptions and the identification request, the publication of
// commands (this is the channel's remote transport) and the dispatch of
// received payloads into the same framer and router as serial replies.
// The client's notifications are ordinary methods, so tests can run a step
// at a time; the window follows the signals.
class MqttSession : public Transport {
    Q_OBJECT
public:
    static constexpr int kTxLampTicks = 4;        // tempsTX after a publication
    static constexpr int kWaitRounds = 10;        // vegades_espero per received line
    static constexpr int kIdentWaitMs = 8000;     // TimerCircuit after the SUBACK
    static constexpr int kLineIntervalMs = 5000;  // TimerCircuit after each line
    static constexpr int kIdentTicks = 5;         // tempsllegir after "+ver:" or a record
    static constexpr int kInfoOnTicks = 1;        // tempsllegir after "+Inf:"

    MqttSession(LinkState &state, CommandChannel &channel, Identification &identification, Trace &trace,
                QObject *parent = nullptr);

    // Broker endpoint (host, port, user name, password).
    void setBroker(const QString &host, int port, const QString &user, const QString &password);
    const MqttSettings &broker() const { return m_broker; }

    MqttClient &client() { return m_client; }
    const MqttTopics &topics() const { return m_topics; }
    // The module the session was opened to; kept across a loss so that the
    // library's reconnection subscribes to the same module again.
    QString moduleId() const { return m_moduleId; }

    QString CodiReg;               // account identifier, the client identifier
    // Where the signed-in account's identifier comes from at each connection.
    void setAccountId(std::function<QString()> id) { m_accountId = std::move(id); }
    bool fallaMQTT = false;        // re-establishing after an anomaly
    quint16 FSubscribeRequestPacketId1 = 0;
    // BBConnectarRemot reads "Desconectar" (else "Conectar").
    bool buttonDisconnects() const { return m_buttonDisconnects; }

    // Opens the session to identConnectar (the module in hand).
    void BConnectarMQTTClick();
    void BBConnectarRemotClick();
    // Locks the module, switches its stream off and disconnects.
    void DesconnectarMQTT();
    void Publica_MQTT(const QString &topic, const QString &text);
    void Publica_MQTT_Array(const QString &topic, const QByteArray &bytes);
    void Subscriu_MQTT(const QString &topic);
    // A panel order on the status topic ("{#S..0.}", "{#Rearme}", ...).
    void publishStatus(const QString &text) { Publica_MQTT(m_topics.publishSts, text); }

    void sendCommand(const QString &word) override { Publica_MQTT(m_topics.publishCfg, word); }
    // On topic_publish_cfg, byte for byte: no text conversion in between.
    bool sendBytes(const QByteArray &bytes) override;

    // The client's notifications.
    void TMSMQTTClientConnectedStatusChanged(bool connected, MqttStatus status);
    void TMSMQTTClientSubscriptionAcknowledged(quint16 packetId, const QList<MqttGrant> &grants);
    void TMSMQTTClientPublishReceived(quint16 packetId, const QString &topic, const QByteArray &payload);
    // A text payload, cut into lines and routed.
    void RebutIP(const QString &data);
    // Raw panel bytes, for the telecontrol bridge.
    void RebutIPCentral(const QByteArray &payload);

    static QString statusText(MqttStatus status);
    // One byte per character: the low 8 bits of each code unit.
    static QByteArray lowBytes(const QString &text);
    // " 0A FF 7B": each byte as a blank and two upper-case hexadecimal digits.
    static QString hexText(const QByteArray &bytes);

signals:
    void busyChanged(bool busy);                  // hourglass while connecting
    void buttonChanged(bool disconnectCaption, bool visible);
    void sessionStarted();                        // status bar "Conectando", PIP in front, Estado
    void sessionLost();                           // after the core's lost-session reset
    void closeBridge();                           // the user ended the session
    void panelBytes(const QByteArray &bytes);     // for the bridge connection

private:
    bool publish(const QString &topic, const QByteArray &payload, const QString &shown);
    void startOfSession();
    void lostSession();
    void routeLine(const QString &line);
    void setButton(bool disconnectCaption, bool visible);

    LinkState &m_state;
    CommandChannel &m_channel;
    Identification &m_ident;
    Trace &m_trace;
    MqttClient m_client;
    MqttSettings m_broker;
    MqttTopics m_topics;
    QString m_moduleId;
    ReplyFramer m_framer;
    bool m_buttonDisconnects = false;
    std::function<QString()> m_accountId;
};

} // namespace velmar
