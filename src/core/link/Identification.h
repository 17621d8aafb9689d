#pragma once

#include "core/link/ReplyConsumers.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace velmar {

class CommandChannel;
class Scheduler;
class Trace;
struct LinkState;

// The fields of an identification reply ("+ver:" or "+vEr:"): blanks trimmed,
// split at ",", and an identifier or panel field written "<...>" unwrapped.
struct IdentReply {
    bool extended = false; // "+vEr:"
    QStringList fields;
    static IdentReply parse(const QString &reply);
};

// The version inside the brackets of a firmware text ("Velmar_v8.7 [x1.2]" -> "1.2").
QString versionFromFirmware(const QString &firmware);

// TimerCircuit: recognises the module from its identification replies, polls
// it every 5 s and declares the link lost after six unanswered polls. The
// step is an ordinary method; the timer only decides when it runs.
class Identification : public QObject, public IdentificationSink {
    Q_OBJECT
public:
    // What the window tells the machine about itself.
    struct View {
        bool statusShown = true;       // mostraestat: the status page is in front
        bool programmingShown = false; // the programming view is in front
        bool localChosen = true;       // menu "Local" checked
    };

    Identification(LinkState &state, CommandChannel &channel, Scheduler &scheduler, Trace &trace,
                   QObject *parent = nullptr);

    void setView(const View &v) { m_view = v; }
    const View &view() const { return m_view; }
    // Whether a read or write cycle runs (polling waits for it).
    void setCyclesRunning(std::function<bool()> f) { m_cyclesRunning = std::move(f); }
    // Whether a firmware transfer owns the line: TimerCircuit neither runs
    // nor starts meanwhile, since a poll written between the binary frames
    // spoils the frame it lands in.
    void setLinkTaken(std::function<bool()> f) { m_linkTaken = std::move(f); }
    bool linkTaken() const { return m_linkTaken && m_linkTaken(); }

    // An identification reply arrived: the step runs at once.
    void identificationReply() override;
    // Starts (or restarts) the timer with this interval.
    void start(int intervalMs);
    void stop() { m_timer.stop(); }
    // The window is closing: TimerCircuit stops for good; neither a late
    // reply nor another component starts it again.
    void halt();
    bool halted() const { return m_halted; }
    int interval() const { return m_timer.interval(); }
    bool active() const { return m_timer.isActive(); }
    // The status bar says "CONECTADO".
    bool connectedShown() const { return m_connectedShown; }
    // The window went back to "SIN   CONEXION" (Esborra_Camps): the next
    // answer recognises the module again (and a foreign one is refused again).
    void showDisconnected()
    {
        setConnected(false);
        m_conflictShown = false;
    }

    // Menu "Local": the serial link is chosen. The remote session and any
    // bridge connection close; unless the circuit list is shown the port
    // is opened again and identification restarts as after a port choice.
    void MIIComunicacioLocalClick(bool circuitListShown);

    // One step (TimerCircuitTimer). A step never runs inside another: when
    // the timer fires in the event loop of a step's modal dialog, the step
    // is taken once the running one is over.
    void TimerCircuitTimer();

    static QString hardwareConflictText();

signals:
    void connectedChanged(bool connected);     // "CONECTADO" / "SIN   CONEXION"
    void recognised();                         // commands enabled, status read
    void linkLost();                           // back to the disconnected state
    void identificationShown(const QStringList &lines);
    void hardwareConflict(const QString &text);// self-closing dialog, 5 s
    void panelViewChosen(const QString &central);
    void partsActivesChanged(const QString &parts);
    void portUnusable(const QString &name);    // " No se puede acceder al puerto :" + name
    void pendingOperation();                   // stream off while an operation waits for it
    void localLinkChosen();                    // "Local" checked, PUSB to the front

private:
    void step();
    void takeVer(const QStringList &f);
    void takeVEr(const QStringList &f);
    void poll(bool roundMissed);
    void enterRecognised();
    void setConnected(bool c);

    LinkState &m_state;
    CommandChannel &m_channel;
    Scheduler &m_scheduler;
    Trace &m_trace;
    QTimer m_timer;
    View m_view;
    std::function<bool()> m_cyclesRunning;
    std::function<bool()> m_linkTaken;
    bool m_connectedShown = false;
    // The last identification reply not yet taken by a step: a record
    // arriving in the same burst must not overwrite it in StrCom.
    QString m_pendingReply;
    bool m_halted = false;
    bool m_inStep = false;
    bool m_stepMissed = false;
    // The module in hand was refused already: its answers to the polls are
    // not refused again until the window returns to its disconnected state.
    bool m_conflictShown = false;
};

} // namespace velmar
