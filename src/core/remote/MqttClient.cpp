#include "core/remote/MqttClient.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QMetaObject>
#include <QPointer>

#include <mosquitto.h>

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <mutex>
#include <utility>

namespace velmar {

// What the library's thread knows of us: the object to post to and the
// attempt it belongs to (an old attempt's late notifications are dropped).
struct MqttClient::Context {
    QPointer<MqttClient> client;
    quint64 generation = 0;
    // Set on the library's thread once the connection is over.
    std::atomic<bool> disconnected{false};
    // Set on the library's thread when the broker confirms the closing's
    // UNSUBSCRIBE: nothing more is on its way to us.
    std::atomic<bool> unsubscribed{false};
};

namespace {

void libraryInit()
{
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

template <typename Fn>
void post(QPointer<MqttClient> client, Fn fn)
{
    if (client)
        QMetaObject::invokeMethod(client.data(), std::move(fn), Qt::QueuedConnection);
}

} // namespace

MqttClient::MqttClient(QObject *parent) : QObject(parent)
{
    libraryInit();
    qRegisterMetaType<velmar::MqttStatus>();
}

MqttClient::~MqttClient()
{
    teardown();
    reapClosers(true);
}

void MqttClient::connectToBroker(const MqttSettings &settings)
{
    teardown();
    m_settings = settings;
    m_everConnected = false;
    m_lost = false;
    report(false, MqttStatus::Connecting);
    const quint64 generation = m_generation;
    // A numeric address needs no lookup; a name is looked up without blocking.
    QHostAddress numeric;
    if (numeric.setAddress(settings.host)) {
        start(numeric.toString());
        return;
    }
    QHostInfo::lookupHost(settings.host, this, [this, generation](const QHostInfo &info) {
        if (generation != m_generation)
            return;
        for (const QHostAddress &a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol || a.protocol() == QAbstractSocket::IPv6Protocol) {
                start(a.toString());
                return;
            }
        }
        report(false, MqttStatus::NotConnected);
    });
}

void MqttClient::start(const QString &address)
{
    const QByteArray id = m_settings.clientId.toLatin1();
    m_mosq = mosquitto_new(id.isEmpty() ? nullptr : id.constData(), true, nullptr);
    if (!m_mosq) {
        report(false, MqttStatus::NotConnected);
        return;
    }
    m_filters.clear();
    m_context = std::make_unique<Context>();
    m_context->client = this;
    m_context->generation = m_generation;
    mosquitto_user_data_set(m_mosq, m_context.get());
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(m_mosq, &MqttClient::onConnect);
    mosquitto_disconnect_callback_set(m_mosq, &MqttClient::onDisconnect);
    mosquitto_subscribe_callback_set(m_mosq, &MqttClient::onSubscribe);
    mosquitto_unsubscribe_callback_set(m_mosq, &MqttClient::onUnsubscribe);
    mosquitto_message_callback_set(m_mosq, &MqttClient::onMessage);
    if (!m_settings.user.isEmpty())
        mosquitto_username_pw_set(m_mosq, m_settings.user.toUtf8().constData(),
                                  m_settings.password.toUtf8().constData());
    if (!m_settings.willTopic.isEmpty())
        mosquitto_will_set(m_mosq, m_settings.willTopic.toUtf8().constData(), int(m_settings.willMessage.size()),
                           m_settings.willMessage.constData(), 0, false);
    mosquitto_reconnect_delay_set(m_mosq, unsigned(m_settings.reconnectSeconds),
                                  unsigned(m_settings.reconnectSeconds), false);
    if (mosquitto_loop_start(m_mosq) != MOSQ_ERR_SUCCESS) {
        teardown();
        report(false, MqttStatus::NotConnected);
        return;
    }
    const int rc = mosquitto_connect_async(m_mosq, address.toLatin1().constData(), m_settings.port,
                                           m_settings.keepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS) {
        teardown();
        report(false, MqttStatus::NotConnected);
    }
}

void MqttClient::teardown()
{
    ++m_generation;
    const bool wasConnected = m_connected;
    m_connected = false;
    if (!m_mosq)
        return;
    mosquitto *mosq = std::exchange(m_mosq, nullptr);
    std::shared_ptr<Context> context(std::move(m_context));
    // A socket closed with unread bytes in it is reset, and the broker then
    // throws away what it had not read yet: the last publications, the
    // DISCONNECT (so it sends our last will as for a lost PC). The replies
    // keep coming while subscribed, so the closing first unsubscribes and
    // sends the DISCONNECT only once the broker has confirmed it.
    bool draining = false;
    if (wasConnected && !m_filters.empty()) {
        std::vector<QByteArray> names;
        std::vector<char *> filters;
        for (const QString &f : std::as_const(m_filters))
            names.push_back(f.toUtf8());
        for (QByteArray &n : names)
            filters.push_back(n.data());
        draining = mosquitto_unsubscribe_multiple(mosq, nullptr, int(filters.size()), filters.data(), nullptr)
                   == MOSQ_ERR_SUCCESS;
    }
    m_filters.clear();
    // The state "disconnecting" also ends the library's retry loop.
    if (!draining)
        mosquitto_disconnect(mosq);
    // The library's thread sends what is queued and the DISCONNECT only while
    // it runs: stopped at once, it may close the socket first. The waits are
    // done beside the window, which goes on painting; late notifications
    // carry an old generation and are dropped.
    reapClosers();
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread closer([mosq, context, wasConnected, draining, done] {
        if (draining) {
            const QDeadlineTimer deadline(kCloseWaitMs);
            while (!context->unsubscribed.load() && !context->disconnected.load() && !deadline.hasExpired())
                QThread::msleep(2);
            mosquitto_disconnect(mosq);
        }
        if (wasConnected) {
            const QDeadlineTimer deadline(kCloseWaitMs);
            while (!context->disconnected.load() && !deadline.hasExpired())
                QThread::msleep(2);
        }
        mosquitto_loop_stop(mosq, false);
        mosquitto_destroy(mosq);
        done->store(true);
    });
    m_closers.push_back({std::move(closer), std::move(done)});
}

void MqttClient::reapClosers(bool all)
{
    for (auto it = m_closers.begin(); it != m_closers.end();) {
        if (all || it->done->load()) {
            it->thread.join();
            it = m_closers.erase(it);
        } else {
            ++it;
        }
    }
}

void MqttClient::disconnectFromBroker()
{
    const bool had = m_mosq != nullptr;
    teardown();
    if (had)
        report(false, MqttStatus::NotConnected);
}

bool MqttClient::publish(const QString &topic, const QByteArray &payload, QString *error)
{
    int rc = MOSQ_ERR_NO_CONN;
    if (m_mosq && m_connected)
        rc = mosquitto_publish(m_mosq, nullptr, topic.toUtf8().constData(), int(payload.size()),
                               payload.constData(), 0, false);
    if (rc == MOSQ_ERR_SUCCESS)
        return true;
    if (error)
        *error = rc == MOSQ_ERR_NO_CONN ? QString::fromLatin1(kNotConnectedText)
                                        : QString::fromUtf8(mosquitto_strerror(rc));
    return false;
}

quint16 MqttClient::subscribe(const QString &filter, QString *error)
{
    int mid = 0;
    int rc = MOSQ_ERR_NO_CONN;
    if (m_mosq && m_connected)
        rc = mosquitto_subscribe(m_mosq, &mid, filter.toUtf8().constData(), 0);
    if (rc == MOSQ_ERR_SUCCESS) {
        if (!m_filters.contains(filter))
            m_filters.append(filter);
        return quint16(mid);
    }
    if (error)
        *error = rc == MOSQ_ERR_NO_CONN ? QString::fromLatin1(kNotConnectedText)
                                        : QString::fromUtf8(mosquitto_strerror(rc));
    return 0;
}

void MqttClient::report(bool connected, MqttStatus status)
{
    emit statusChanged(connected, status);
}

void MqttClient::connected(quint64 generation, int rc)
{
    if (generation != m_generation)
        return;
    if (rc == 0) {
        m_connected = true;
        m_everConnected = true;
        m_lost = false;
        report(true, MqttStatus::Connected);
        return;
    }
    // A refusal ends the attempt: no retries against a broker that said no.
    teardown();
    report(false, rc >= 1 && rc <= 5 ? MqttStatus(rc) : MqttStatus::NotConnected);
}

void MqttClient::dropped(quint64 generation, int rc)
{
    if (generation != m_generation)
        return;
    m_connected = false;
    if (rc == 0 || !m_everConnected) {
        // Never reached the broker: the first attempt failed.
        teardown();
        report(false, MqttStatus::NotConnected);
        return;
    }
    if (m_lost)
        return; // a failed retry; the library keeps trying
    m_lost = true;
    report(false, MqttStatus::ConnectionLost);
    report(false, MqttStatus::Reconnecting);
}

// --- the library's thread: copy what is needed and post it -------------------

void MqttClient::onConnect(mosquitto *mosq, void *ctx, int rc)
{
    auto *c = static_cast<Context *>(ctx);
    if (rc == 0)
        c->disconnected.store(false);
    if (rc != 0)
        mosquitto_disconnect(mosq); // stops the retry loop at once
    post(c->client, [client = c->client, g = c->generation, rc] {
        if (client)
            client->connected(g, rc);
    });
}

void MqttClient::onDisconnect(mosquitto *, void *ctx, int rc)
{
    auto *c = static_cast<Context *>(ctx);
    c->disconnected.store(true);
    post(c->client, [client = c->client, g = c->generation, rc] {
        if (client)
            client->dropped(g, rc);
    });
}

void MqttClient::onSubscribe(mosquitto *, void *ctx, int mid, int count, const int *granted)
{
    auto *c = static_cast<Context *>(ctx);
    QList<MqttGrant> grants;
    for (int i = 0; i < count; ++i)
        grants.append({granted[i] < 0x80, granted[i] < 0x80 ? granted[i] : 0});
    post(c->client, [client = c->client, g = c->generation, mid, grants] {
        if (client && g == client->m_generation)
            emit client->subscriptionAcknowledged(quint16(mid), grants);
    });
}

void MqttClient::onUnsubscribe(mosquitto *, void *ctx, int)
{
    // Only the closing unsubscribes.
    static_cast<Context *>(ctx)->unsubscribed.store(true);
}

void MqttClient::onMessage(mosquitto *, void *ctx, const mosquitto_message *msg)
{
    auto *c = static_cast<Context *>(ctx);
    // The library frees the message when we return.
    const QString topic = QString::fromUtf8(msg->topic ? msg->topic : "");
    const QByteArray payload(static_cast<const char *>(msg->payload), msg->payloadlen);
    const quint16 mid = quint16(msg->mid);
    post(c->client, [client = c->client, g = c->generation, mid, topic, payload] {
        if (client && g == client->m_generation)
            emit client->publishReceived(mid, topic, payload);
    });
}

} // namespace velmar
