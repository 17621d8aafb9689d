#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct mosquitto;

namespace velmar::sim {

// The module's link to the MQTT broker: subscribes to the topics the
// program publishes to for this module and publishes its answers and its
// stream. The library's thread does the network work and reconnects after
// a loss; what it receives is handed to this object's thread as events.
class MqttEndpoint : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString host;
        int port = 1883;
        QString user;
        QString password;
        QString id;            // module identifier: the last level of its topics
    };

    explicit MqttEndpoint(QObject *parent = nullptr);
    ~MqttEndpoint() override;

    bool open(const Options &o, QString *error);
    bool connected() const { return m_connected; }
    // An answer to a command, on gcfg/ID/.
    void reply(const QString &line);
    // A stream record, on gsts/ID/.
    void record(const QString &line);
    // Raw panel bytes on PREFIX/ID/. (the bridge's gcea or gceg).
    void panelBytes(const QString &prefix, const QByteArray &bytes);
    // Drops off the broker without a clean disconnect (the broker sends our
    // will) and comes back after backMs.
    void dropFor(int backMs);

signals:
    // A command line (without terminator) and the topic it came on.
    void commandReceived(const QString &topic, const QString &line);
    void panelBytesReceived(const QString &topic, const QByteArray &bytes);
    void linkChanged(bool up);

private:
    void publish(const QString &topic, const QByteArray &payload);
    void up();

    mosquitto *m_mosq = nullptr;
    Options m_options;
    bool m_connected = false;
};

} // namespace velmar::sim
