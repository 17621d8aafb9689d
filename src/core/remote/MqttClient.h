#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

struct mosquitto;
struct mosquitto_message;

namespace velmar {

// What the client reports about its connection. 1 to 5 are the broker's
// refusal codes of MQTT 3.1.1 in their own order.
enum class MqttStatus {
    NotConnected = 0,
    InvalidProtocolVersion = 1,
    InvalidIdentifier = 2,
    ServerUnavailable = 3,
    InvalidCredentials = 4,
    ClientNotAuthorized = 5,
    ConnectionLost = 6,
    Connecting = 7,
    Reconnecting = 8,
    Connected = 9,
};

struct MqttGrant {
    bool accepted = false;
    int qos = 0;
};

struct MqttSettings {
    QString host;
    int port = 1883;
    QString user;
    QString password;
    QString clientId;      // empty: the library makes one up
    QString willTopic;     // empty: no last will
    QByteArray willMessage;
    int keepAliveSeconds = 60;
    int reconnectSeconds = 5;
};

// An MQTT 3.1.1 client on libmosquitto. The library's own thread does the
// network work and the reconnection after a loss; every notification is
// handed to the thread that owns this object through its event queue, so
// the handlers run there like any other event. Nothing here blocks on the
// network: the host name is looked up asynchronously before connecting.
class MqttClient : public QObject {
    Q_OBJECT
public:
    // How long a closing waits for the DISCONNECT to leave. The wait runs on a
    // closer thread of its own; only the destructor (at exit) joins it.
    static constexpr int kCloseWaitMs = 5000;
    static constexpr const char *kNotConnectedText = "This action requires a connected state";

    explicit MqttClient(QObject *parent = nullptr);
    ~MqttClient() override;

    // Starts connecting with a clean session and returns at once; the
    // outcome arrives as statusChanged.
    void connectToBroker(const MqttSettings &settings);
    bool isConnected() const { return m_connected; }
    // Sends DISCONNECT, closes the socket and reports NotConnected.
    void disconnectFromBroker();
    // QoS 0, not retained. False with the reason when it cannot go out.
    bool publish(const QString &topic, const QByteArray &payload, QString *error = nullptr);
    // QoS 0; the packet identifier of the SUBSCRIBE, 0 when it failed.
    quint16 subscribe(const QString &filter, QString *error = nullptr);

signals:
    void statusChanged(bool connected, velmar::MqttStatus status);
    void subscriptionAcknowledged(quint16 packetId, const QList<velmar::MqttGrant> &grants);
    void publishReceived(quint16 packetId, const QString &topic, const QByteArray &payload);

private:
    struct Context;
    static void onConnect(mosquitto *, void *ctx, int rc);
    static void onDisconnect(mosquitto *, void *ctx, int rc);
    static void onSubscribe(mosquitto *, void *ctx, int mid, int count, const int *granted);
    static void onUnsubscribe(mosquitto *, void *ctx, int mid);
    static void onMessage(mosquitto *, void *ctx, const mosquitto_message *msg);

    void start(const QString &address);
    void connected(quint64 generation, int rc);
    void dropped(quint64 generation, int rc);
    void teardown();
    // Joins the closers that have finished (all of them: waits for them).
    void reapClosers(bool all = false);
    void report(bool connected, MqttStatus status);

    MqttSettings m_settings;
    mosquitto *m_mosq = nullptr;
    QStringList m_filters; // what this connection subscribed to, for the closing
    std::unique_ptr<Context> m_context;
    quint64 m_generation = 0;
    bool m_connected = false;
    bool m_everConnected = false; // this attempt reached the broker once
    bool m_lost = false;          // lost after being connected, reconnecting
    struct Closer {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Closer> m_closers; // handles still sending their DISCONNECT
};

} // namespace velmar

Q_DECLARE_METATYPE(velmar::MqttStatus)
