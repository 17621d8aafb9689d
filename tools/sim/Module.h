#pragma once

#include "CloudRecord.h"
#include "Faults.h"
#include "ModuleUpdate.h"
#include "MqttEndpoint.h"
#include "ModuleState.h"
#include "PanelBridge.h"
#include "ParamStore.h"
#include "PtyEndpoint.h"
#include "Scenario.h"
#include "Transcript.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>
#include <memory>

namespace velmar::sim {

class CommandInterpreter;

struct ModuleOptions {
    Identity identity;
    QString lockCode;
    QString linkPath;
    QString scenarioPath;
    QString transcriptPath;
    int periodMs = 2000;
    int burst = 1;           // sets of records sent at each period
    bool baudTiming = false;
    int restartMs = 2000;
    // The broker link, when host is set.
    MqttEndpoint::Options mqtt;
    int mqttDropAtMs = -1;   // drop off the broker this long after start
    int mqttDropForMs = 3000;// and come back after this long
    UpdateSideOptions update;
    // The cloud database root the module writes its record to, when set.
    QUrl cloud;
};

// The simulated module: the line, the programming, the live state, the
// information stream, the scenario and the faults, tied together.
class Module : public QObject {
    Q_OBJECT
public:
    explicit Module(ModuleOptions options, QObject *parent = nullptr);
    ~Module() override;

    Faults &faults() { return m_faults; }
    // Opens the line and the transcript, loads the scenario, starts running.
    bool start(QString *error);
    QString devicePath() const { return m_pty.slavePath(); }
    // Removes the symlink; called on a clean shutdown.
    void stop();

    ParamStore &store() { return m_store; }
    ModuleState &state() { return m_state; }
    qint64 now() const { return m_clock.elapsed(); }

    // The access code is set (0111) and has not been given.
    bool locked() const;
    void lock() { m_state.unlocked = false; }
    void unlock() { m_state.unlocked = true; }

    // One reply line to a command (subject to the reply faults).
    void reply(const QString &line);
    // One information-stream record; sent only while the stream is on,
    // unless it answers a request of its own.
    void record(const QString &rec, bool evenIfOff = false);
    void event(const QString &code, const QString &value);
    // The periodic records at once: main record and panel status.
    void sendStatus(bool evenIfOff = false);
    void sendPanelStatus();

    void setStreaming(bool on);
    void setInput(int n, int mode);   // 1..16; 0 off, 1 on, 2 toggle
    void setOutput(int n, int mode);  // 1..4
    void setTamper(bool triggered);
    void setPowerLow(bool low);
    void door(int n, bool open);      // 1..4
    void restart();
    void perform(const Action &a);

private:
    void onBytes(const QByteArray &bytes);
    void onLine(const QString &line);
    void onMqttCommand(const QString &topic, const QString &payload);
    // The bridge's orders and the tool's bytes for the Aguilera panel.
    bool bridgeOrder(const QString &line);
    void onPanelBytes(const QString &topic, const QByteArray &bytes);
    void panelSends(const QByteArray &bytes);
    void send(const QString &text, bool isReply);
    void armScenario();
    void doorStep(int n);
    void doorOutputs(int n, bool on);

    ModuleOptions m_options;
    QElapsedTimer m_clock;
    PtyEndpoint m_pty;
    MqttEndpoint m_mqtt;
    bool m_replyViaMqtt = false; // the command being answered came from the broker
    QString m_commandTopic;      // the topic of the command being handled
    PanelBridge m_bridge;
    Transcript m_transcript;
    Faults m_faults;
    ParamStore m_store;
    ModuleState m_state;
    Scenario m_scenario;
    std::unique_ptr<CommandInterpreter> m_interpreter;
    QTimer m_streamTimer;
    ModuleUpdate m_update;
    CloudReporter m_cloud;
    std::array<QTimer, 4> m_doorTimers;
    QString m_line;
    bool m_overlong = false;
    bool m_restarting = false;
    int m_replies = 0;       // replies sent for the command being handled
    bool m_queueFullNoted = false;
};

} // namespace velmar::sim
