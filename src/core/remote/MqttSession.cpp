#include "core/remote/MqttSession.h"

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"

namespace velmar {

namespace {
const QString kMqtt = QStringLiteral("MQTT");
} // namespace

QString MqttSession::hexText(const QByteArray &bytes)
{
    QString out;
    for (char b : bytes)
        out += u' ' + QStringLiteral("%1").arg(uchar(b), 2, 16, QLatin1Char('0')).toUpper();
    return out;
}

MqttSession::MqttSession(LinkState &state, CommandChannel &channel, Identification &identification, Trace &trace,
                         QObject *parent)
    : Transport(parent),
      m_state(state),
      m_channel(channel),
      m_ident(identification),
      m_trace(trace),
      m_framer([this](const QString &reply) { routeLine(reply); })
{
    m_broker.keepAliveSeconds = 60;
    m_broker.reconnectSeconds = 5;
    connect(&m_client, &MqttClient::statusChanged, this, &MqttSession::TMSMQTTClientConnectedStatusChanged);
    connect(&m_client, &MqttClient::subscriptionAcknowledged, this,
            &MqttSession::TMSMQTTClientSubscriptionAcknowledged);
    connect(&m_client, &MqttClient::publishReceived, this, &MqttSession::TMSMQTTClientPublishReceived);
}

void MqttSession::setBroker(const QString &host, int port, const QString &user, const QString &password)
{
    m_broker.host = host;
    m_broker.port = port;
    m_broker.user = user;
    m_broker.password = password;
}

QByteArray MqttSession::lowBytes(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(char(c.unicode() & 0xFF));
    return out;
}

QString MqttSession::statusText(MqttStatus status)
{
    switch (status) {
    case MqttStatus::NotConnected: return QStringLiteral("Connexió SERVER: El client no s'ha pogut connectar");
    case MqttStatus::InvalidProtocolVersion: return QStringLiteral("Connexió SERVER: Versió del protocol invàlida");
    case MqttStatus::InvalidIdentifier: return QStringLiteral("Connexió SERVER: Identificador invàlid");
    case MqttStatus::ServerUnavailable: return QStringLiteral("Connexió SERVER: El server no està disponible");
    case MqttStatus::InvalidCredentials: return QStringLiteral("Connexió SERVER: Credencials invàlides");
    case MqttStatus::ClientNotAuthorized: return QStringLiteral("Connexió SERVER: Client no autoritzat");
    case MqttStatus::ConnectionLost: return QStringLiteral("Connexió SERVER: DESCONNECTAT");
    case MqttStatus::Connecting: return QStringLiteral("Connexió SERVER: El client s'està intentant connectar");
    case MqttStatus::Reconnecting: return QStringLiteral("Connexió SERVER: El client s'està intentant reconnectar");
    case MqttStatus::Connected: return QStringLiteral("Connexió SERVER: CONNECTAT");
    }
    return {};
}

// --- opening and closing ------------------------------------------------------

void MqttSession::BConnectarMQTTClick()
{
    if (m_client.isConnected()) {
        m_trace.write(QStringLiteral("SERVER CONNECTAT: es desconnecta"));
        m_client.disconnectFromBroker();
    }
    m_trace.write(QStringLiteral("Es vol connectar al server"));
    if (!MqttTopics::usableId(m_state.identConnectar)) {
        // The identifier comes from the module or the user: as a wildcard it
        // would subscribe to other modules' replies.
        m_trace.write(QStringLiteral("Identificador no vàlid per al server: ") + m_state.identConnectar,
                      TraceColour::Red);
        TMSMQTTClientConnectedStatusChanged(false, MqttStatus::NotConnected);
        return;
    }
    if (const QString id = m_accountId ? m_accountId() : QString(); !id.isEmpty())
        CodiReg = id;
    m_state.connex_remota = kMqtt;
    // The module is fixed now: a later reset of the window's fields must not
    // move the session (and its reconnection) to another module.
    m_moduleId = m_state.identConnectar;
    m_topics = MqttTopics::forModule(m_moduleId, m_state.connexADSL);
    MqttSettings s = m_broker;
    s.clientId = CodiReg;
    s.willTopic = m_topics.will;
    s.willMessage = lowBytes(MqttTopics::willMessage(CodiReg));
    emit busyChanged(true);
    m_client.connectToBroker(s);
}

void MqttSession::BBConnectarRemotClick()
{
    if (!m_buttonDisconnects) {
        BConnectarMQTTClick();
        return;
    }
    DesconnectarMQTT();
    emit closeBridge();
}

void MqttSession::DesconnectarMQTT()
{
    if (m_client.isConnected()) {
        Publica_MQTT(m_topics.publishCfg, QStringLiteral("vm+cdp=*"));
        Publica_MQTT(m_topics.publishCfg, QStringLiteral("vm+inf"));
    }
    // Also ends a reconnection still being tried: the session is over.
    m_client.disconnectFromBroker();
}

// --- publishing -------------------------------------------------------------------

void MqttSession::Publica_MQTT(const QString &topic, const QString &text)
{
    publish(topic, lowBytes(text), text);
}

bool MqttSession::sendBytes(const QByteArray &bytes)
{
    return publish(m_topics.publishCfg, bytes, QString::fromLatin1(bytes));
}

bool MqttSession::publish(const QString &topic, const QByteArray &payload, const QString &shown)
{
    m_trace.write(QStringLiteral("Publica_MQTT: topic=") + topic + QStringLiteral("  str=") + shown,
                  TraceColour::Blue);
    if (topic.isEmpty())
        return false;
    QString error;
    if (m_client.publish(topic, payload, &error)) {
        m_trace.write(QStringLiteral("Comunicació amb el server "));
        m_state.tempsTX = kTxLampTicks;
        emit m_channel.transmitted();
        emit sent(payload);
        return true;
    }
    m_trace.write(QStringLiteral(" Error enviar al server:") + shown + QStringLiteral("  ") + error,
                  TraceColour::Red);
    if (error.contains(QLatin1String(MqttClient::kNotConnectedText)))
        m_client.disconnectFromBroker();
    return false;
}

void MqttSession::Publica_MQTT_Array(const QString &topic, const QByteArray &bytes)
{
    QString error;
    if (m_client.publish(topic, bytes, &error)) {
        m_trace.write(QStringLiteral("AGE44 Enviat per MQTT  Topic=") + topic + QStringLiteral("   Info=")
                      + hexText(bytes));
        return;
    }
    m_trace.write(QStringLiteral(" Error enviar array al server: ") + hexText(bytes) + QStringLiteral("  ")
                      + error,
                  TraceColour::Red);
}

void MqttSession::Subscriu_MQTT(const QString &topic)
{
    QString error;
    FSubscribeRequestPacketId1 = m_client.subscribe(topic, &error);
    if (!error.isEmpty())
        m_trace.write(QStringLiteral("Subscriu_MQTT ") + topic + QStringLiteral(": ") + error, TraceColour::Red);
}

// --- the client's notifications -------------------------------------------------

void MqttSession::setButton(bool disconnectCaption, bool visible)
{
    m_buttonDisconnects = disconnectCaption;
    emit buttonChanged(disconnectCaption, visible);
}

void MqttSession::TMSMQTTClientConnectedStatusChanged(bool connected, MqttStatus status)
{
    if (connected && status == MqttStatus::Connected) {
        startOfSession();
        return;
    }
    const QString text = statusText(status);
    m_trace.write(text, status == MqttStatus::Connecting || status == MqttStatus::Reconnecting
                            ? TraceColour::Default
                            : TraceColour::Red);
    switch (status) {
    case MqttStatus::NotConnected:
        // Closed or never reached: the button offers a new session.
        if (m_buttonDisconnects)
            setButton(false, true);
        [[fallthrough]];
    case MqttStatus::InvalidProtocolVersion:
    case MqttStatus::InvalidIdentifier:
    case MqttStatus::InvalidCredentials:
    case MqttStatus::ClientNotAuthorized:
        m_state.connex_remota.clear();
        emit busyChanged(false);
        break;
    case MqttStatus::ServerUnavailable:
        m_state.connex_remota.clear();
        fallaMQTT = false;
        emit busyChanged(false);
        break;
    case MqttStatus::ConnectionLost:
        emit busyChanged(false);
        if (!fallaMQTT)
            lostSession();
        break;
    case MqttStatus::Connecting:
    case MqttStatus::Reconnecting:
    case MqttStatus::Connected:
        break;
    }
}

void MqttSession::startOfSession()
{
    emit busyChanged(false);
    m_state.connex_remota = kMqtt;
    m_trace.write(statusText(MqttStatus::Connected), TraceColour::Green);
    m_topics = MqttTopics::forModule(m_moduleId, m_state.connexADSL);
    for (const QString &filter : {m_topics.subsSts, m_topics.subsCfg, m_topics.subsCea, m_topics.subsCeg})
        Subscriu_MQTT(filter);
    setButton(true, true);
    if (!fallaMQTT)
        emit sessionStarted();
    fallaMQTT = false;
}

void MqttSession::lostSession()
{
    m_state.tempsllegir = 0;
    m_ident.stop();
    m_state.connex_remota.clear();
    m_state.circuit = false;
    m_state.circuittrobat = false;
    m_state.connex_velmar_Agui = 0;
    setButton(false, false);
    // The window's fields, the cycles, the local link and the status page.
    emit sessionLost();
}

void MqttSession::TMSMQTTClientSubscriptionAcknowledged(quint16 packetId, const QList<MqttGrant> &grants)
{
    if (packetId != FSubscribeRequestPacketId1 || grants.isEmpty() || !grants.first().accepted)
        return;
    m_state.StrCom.clear();
    m_state.espero = QStringLiteral("+ver");
    Publica_MQTT(m_topics.publishCfg, QStringLiteral("vm+ver"));
    m_state.vegades_espero = kWaitRounds;
    m_ident.start(kIdentWaitMs);
}

void MqttSession::TMSMQTTClientPublishReceived(quint16, const QString &topic, const QByteArray &payload)
{
    const QString text = QString::fromLatin1(payload);
    m_state.StrCom = text;
    m_state.tempsllegir = proto::kLinkWatchdogTicks;
    if (MqttTopics::carriesPanelBytes(topic))
        RebutIPCentral(payload);
    else
        RebutIP(text);
    if (topic.isEmpty()) {
        fallaMQTT = true;
        BConnectarMQTTClick();
    }
}

void MqttSession::RebutIPCentral(const QByteArray &payload)
{
    m_trace.write(QStringLiteral(" Resposta Central (APayload): ") + hexText(payload));
    m_state.tempsRX = proto::kLampHoldTicks;
    emit m_channel.received();
    emit panelBytes(payload);
}

void MqttSession::RebutIP(const QString &data)
{
    m_trace.write(QStringLiteral("RebutIP= ") + data, TraceColour::Fuchsia);
    m_state.tempsRX = proto::kLampHoldTicks;
    emit m_channel.received();
    QString payload = data;
    if (!payload.contains(u'\r'))
        payload += u'\r';
    if (payload.contains(QLatin1String(":Protect"))) {
        m_state.protegit = true;
        return;
    }
    for (qsizetype pos = payload.indexOf(u'\r'); pos >= 0; pos = payload.indexOf(u'\r')) {
        const QString line = payload.left(pos + 1);
        payload.remove(0, pos + 1);
        m_state.vegades_espero = kWaitRounds;
        // Like a timer whose interval is set again: only a change restarts it,
        // so a steady stream does not hold the polling off for ever.
        if (m_ident.active() && m_ident.interval() != kLineIntervalMs)
            m_ident.start(kLineIntervalMs);
        // Each line is framed on its own: nothing of it waits for the next payload.
        m_framer.reset();
        m_framer.feed(line.toLatin1());
    }
    m_framer.reset();
}

void MqttSession::routeLine(const QString &reply)
{
    ReplyRouter::Rule rule = m_channel.router().route(reply);
    switch (rule) {
    case ReplyRouter::Rule::Identification:
    case ReplyRouter::Rule::InfoRecord:
        m_state.tempsllegir = kIdentTicks;
        break;
    case ReplyRouter::Rule::InfoOn:
        m_state.tempsllegir = kInfoOnTicks;
        break;
    case ReplyRouter::Rule::Ignored:
        // The remote module may acknowledge the stream with "+INf:".
        if (reply.contains(QLatin1String("+INf:"))) {
            m_channel.router().route(QString(reply).replace(QLatin1String("+INf:"), QLatin1String("+Inf:")));
            m_state.tempsllegir = kInfoOnTicks;
            rule = ReplyRouter::Rule::InfoOn;
        }
        break;
    default:
        break;
    }
    emit m_channel.replyRouted(reply, rule);
}

} // namespace velmar
