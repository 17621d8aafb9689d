#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

namespace velmar {

class CloudEvents;
class MqttSession;
class ProgrammingState;
class Scheduler;
class Trace;
struct LinkState;

// The telecontrol bridge: a TCP listener for the panel maker's programming
// tool (AGE44). Its bytes go to the module through the broker unchanged,
// and the panel's answers (MqttSession::panelBytes) go back on the same
// connection. The bytes are never interpreted. While the tool is connected
// the panel is in telecontrol and the programming view is refused.
//
// Server and connections run in the event loop of the window's thread, so
// the handlers, the console and the telecontrol state need no hand-over
// between threads; the waits are scheduled steps, never blocking ones.
class TelecontrolBridge : public QObject {
    Q_OBJECT
public:
    static constexpr int kAdslStreamOffMs = 200;  // setBidi .. "vm+inf" on Ethernet
    static constexpr int kAdslSettleMs = 1000;    // "vm+inf" .. telecontrol
    static constexpr int kOutBidiMs = 500;        // "vm+INf" .. "{#Ag=outBidi}"

    TelecontrolBridge(LinkState &state, MqttSession &remote, Scheduler &scheduler, Trace &trace,
                      ProgrammingState &view, QObject *parent = nullptr);
    ~TelecontrolBridge() override;

    // Where the telecontrol events go (the module's cloud history).
    void setCloudEvents(CloudEvents *events) { m_events = events; }

    // BidiIP / BidiPort: the settings the listener binds to.
    QString BidiIP;
    QString BidiPort;

    // Whether central names an Aguilera model (AE/SA, AGE, AE/C5): those
    // have the bridge.
    static bool aguilera(QStringView central);

    // ConnexioAGE44: starts listening, once in a run; a bind error is
    // reported by `message` and leaves the bridge off.
    void ConnexioAGE44();
    bool listening() const { return m_server.isListening(); }
    quint16 serverPort() const { return m_server.serverPort(); }

    // BBidiAcceptarClick: new settings; the listener is bound again.
    enum class Accept { Done, EmptyPort, Failed };
    Accept BBidiAcceptarClick(const QString &ip, const QString &port);

    // connex_prog_Agui: a tool connection is open.
    bool connex_prog_Agui() const { return m_context != nullptr; }
    // bidiCentral: the panel is in telecontrol.
    bool telecontrol() const;

    // TCPProgAguiDisconnect: the program closes the open connection (if any).
    void TCPProgAguiDisconnect();
    // The panel's bytes, written unchanged to the open connection; dropped
    // without one.
    void writePanelBytes(const QByteArray &bytes);

signals:
    // A message for the user: title, text, button caption; error: an error
    // box rather than a warning.
    void message(const QString &title, const QString &text, const QString &button, bool error);
    // connex_prog_Agui changed.
    void connectionChanged(bool open);
    // AguileraTelecontrol: the Aguilera views follow it.
    void telecontrolChanged(bool on);

private:
    void TCPProgAguiConnect(QTcpSocket *socket);
    void TCPProgAguiExecute(QTcpSocket *socket);
    void ended(QTcpSocket *socket);
    void AguileraTelecontrol(bool on);
    void listenFailed(const QString &error);
    // Runs fn after pause ms, after every step queued before it: the steps of
    // a connection and of its end keep their order whatever their waits.
    void queue(int pause, std::function<void()> fn);
    bool bind(const QString &ip, const QString &port, QString *error);
    static QString peer(const QTcpSocket *socket);

    LinkState &m_state;
    MqttSession &m_remote;
    Scheduler &m_scheduler;
    Trace &m_trace;
    ProgrammingState &m_view;
    CloudEvents *m_events = nullptr;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_context; // context_prog_agui
    bool m_started = false;         // ConnexioAGE44 has run
    qint64 m_queueEnd = 0;          // when the last queued step runs
};

} // namespace velmar
