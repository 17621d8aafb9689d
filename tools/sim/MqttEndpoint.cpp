#include "MqttEndpoint.h"

#include <QMetaObject>

#include <mosquitto.h>

#include <sys/socket.h>

namespace velmar::sim {

namespace {

// The library's thread posts to the endpoint's thread.
template <typename Fn>
void post(void *self, Fn fn)
{
    QMetaObject::invokeMethod(static_cast<MqttEndpoint *>(self), std::move(fn), Qt::QueuedConnection);
}

} // namespace

MqttEndpoint::MqttEndpoint(QObject *parent) : QObject(parent)
{
    mosquitto_lib_init();
}

MqttEndpoint::~MqttEndpoint()
{
    if (m_mosq) {
        mosquitto_disconnect(m_mosq);
        mosquitto_loop_stop(m_mosq, false);
        mosquitto_destroy(m_mosq);
    }
    mosquitto_lib_cleanup();
}

bool MqttEndpoint::open(const Options &o, QString *error)
{
    m_options = o;
    const QByteArray id = QStringLiteral("velmar-module-%1").arg(o.id).toUtf8();
    m_mosq = mosquitto_new(id.constData(), true, this);
    if (!m_mosq) {
        *error = QStringLiteral("mqtt: cannot create a client");
        return false;
    }
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    if (!o.user.isEmpty())
        mosquitto_username_pw_set(m_mosq, o.user.toUtf8().constData(), o.password.toUtf8().constData());
    const QByteArray willTopic = QStringLiteral("gcfg/%1/").arg(o.id).toUtf8();
    const QByteArray will = QStringLiteral("S'ha perdut la connexio amb el modul: %1").arg(o.id).toLatin1();
    mosquitto_will_set(m_mosq, willTopic.constData(), int(will.size()), will.constData(), 0, false);
    mosquitto_reconnect_delay_set(m_mosq, 1, 1, false);
    mosquitto_connect_callback_set(m_mosq, [](mosquitto *, void *self, int rc) {
        post(self, [self, rc] {
            auto *e = static_cast<MqttEndpoint *>(self);
            if (rc == 0)
                e->up();
        });
    });
    mosquitto_disconnect_callback_set(m_mosq, [](mosquitto *, void *self, int) {
        post(self, [self] {
            auto *e = static_cast<MqttEndpoint *>(self);
            e->m_connected = false;
            emit e->linkChanged(false);
        });
    });
    mosquitto_message_callback_set(m_mosq, [](mosquitto *, void *self, const mosquitto_message *msg) {
        const QString topic = QString::fromUtf8(msg->topic ? msg->topic : "");
        const QByteArray payload(static_cast<const char *>(msg->payload), msg->payloadlen);
        post(self, [self, topic, payload] {
            auto *e = static_cast<MqttEndpoint *>(self);
            if (topic.startsWith(QLatin1String("scea/")) || topic.startsWith(QLatin1String("sceg/")))
                emit e->panelBytesReceived(topic, payload);
            else
                emit e->commandReceived(topic, QString::fromLatin1(payload));
        });
    });
    if (mosquitto_loop_start(m_mosq) != MOSQ_ERR_SUCCESS) {
        *error = QStringLiteral("mqtt: cannot start the network thread");
        return false;
    }
    const int rc = mosquitto_connect_async(m_mosq, o.host.toUtf8().constData(), o.port, 60);
    if (rc != MOSQ_ERR_SUCCESS) {
        *error = QStringLiteral("mqtt: cannot connect to %1:%2: %3")
                     .arg(o.host)
                     .arg(o.port)
                     .arg(QString::fromUtf8(mosquitto_strerror(rc)));
        return false;
    }
    return true;
}

void MqttEndpoint::up()
{
    m_connected = true;
    mosquitto_reconnect_delay_set(m_mosq, 1, 1, false);
    for (const char *prefix : {"scfg", "scfa", "ssts", "sceg", "scea"}) {
        const QByteArray filter = QStringLiteral("%1/%2/#").arg(QLatin1String(prefix), m_options.id).toUtf8();
        mosquitto_subscribe(m_mosq, nullptr, filter.constData(), 0);
    }
    emit linkChanged(true);
}

void MqttEndpoint::publish(const QString &topic, const QByteArray &payload)
{
    if (!m_connected)
        return;
    mosquitto_publish(m_mosq, nullptr, topic.toUtf8().constData(), int(payload.size()), payload.constData(), 0,
                      false);
}

void MqttEndpoint::reply(const QString &line)
{
    publish(QStringLiteral("gcfg/%1/.").arg(m_options.id), line.toLatin1());
}

void MqttEndpoint::record(const QString &line)
{
    publish(QStringLiteral("gsts/%1/.").arg(m_options.id), line.toLatin1());
}

void MqttEndpoint::panelBytes(const QString &prefix, const QByteArray &bytes)
{
    publish(QStringLiteral("%1/%2/.").arg(prefix, m_options.id), bytes);
}

void MqttEndpoint::dropFor(int backMs)
{
    if (!m_mosq || !m_connected)
        return;
    const unsigned seconds = unsigned(qMax(1, (backMs + 999) / 1000));
    mosquitto_reconnect_delay_set(m_mosq, seconds, seconds, false);
    m_connected = false;
    // Cut the socket under the library: no DISCONNECT, so the will goes out.
    ::shutdown(mosquitto_socket(m_mosq), SHUT_RDWR);
}

} // namespace velmar::sim
