#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace velmar {

class CommandChannel;
class Identification;
class LampBoard;
class Scheduler;
class TrafficLamps;
class UpdateWatch;
struct LinkState;

// The status monitor: the 100 ms supervision tick (TimerLedsTimer) and the
// Estado action (BBLlegirEstatClick). Both are ordinary methods; a timer of
// the window decides when the tick runs and tests call it directly. What the
// window must show is announced through the signals; nothing here waits.
class StatusMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int kLostLinkRestartMs = 3000; // probing after a lost link
    static constexpr int kUpdateRestartMs = 100;    // probing after a failed update
    static constexpr int kUpdatePauseMs = 100;      // after closing the update server
    static constexpr int kEstatSerialGapMs = 500;   // "vm+vEr" .. "vm+INf" on the port
    static constexpr int kEstatRemoteGapMs = 1000;  // after each publication
    static constexpr int kUpdateAbort = 1000;       // tempsActu: abort on the next tick

    StatusMonitor(LinkState &state, CommandChannel &channel, Identification &identification,
                  Scheduler &scheduler, TrafficLamps &lamps, LampBoard &board,
                  QObject *parent = nullptr);

    // The firmware update being watched (none: no update can be running).
    void setUpdateWatch(UpdateWatch *update) { m_update = update; }
    // Whether a programming cycle works on the module: Estado waits for it.
    void setWorking(std::function<bool()> working) { m_working = std::move(working); }

    // A panel-programming session of the telecontrol bridge runs: the lamps
    // are left alone meanwhile.
    bool connex_prog_Agui = false;

    // One supervision tick: traffic lamps, update watchdog, link watchdog,
    // blink engine.
    void TimerLedsTimer();

    // The Estado action: the status page to the front and the module asked
    // for its status stream.
    void BBLlegirEstatClick();

    // Restarts the local link on the chosen port: closed, reopened, "vm+ver"
    // sent, identification in intervalMs. An empty port name stays closed.
    void restartLocalLink(int intervalMs);

    // PEstat to the front, panelmostrat "Estat".
    void showStatusPage();

    static QString linkCutText();
    static QString updateCutText();
    static QString updateErrorText();

signals:
    // A traffic lamp went off.
    void trafficLampsChanged();
    // The blink engine ran: lamps may have new colours.
    void lampsPainted();
    // ElMeuMessageDlgTemps: title "ERROR", type error, one button
    // "    Cerrar   ", closing itself after 5 s.
    void timedError(const QString &text);
    // Esborra_Camps: every field and status view back to the disconnected state.
    void fieldsCleared();
    // The status page comes to the front (mostraestat, panelmostrat "Estat").
    void statusPageShown();
    // The second status-bar panel emptied, PBEstat at 0 and hidden, the
    // normal cursor back.
    void progressCleared();
    // Remote link silent: a pending "Leyendo" indication is to be cleared.
    void readingIndicationExpired();
    // The Estado action: the page's own reset (captions, colours, panels).
    void estatPageReset();
    // The Estado action is done: its commands are enabled again.
    void estatCommandsEnabled();
    // The module was recognised: the inputs/outputs status panels are shown.
    void statusPanelsShown();
    // The MQTT session and the telecontrol-bridge connection are to be closed.
    void closeRemoteSession();
    void closeBridge();

private:
    void updateWatchdog();
    void linkWatchdog();
    void linkLost();
    void closeUpdate();
    void updateFailed();
    void showUpdateError();
    void onRecognised();

    LinkState &m_state;
    CommandChannel &m_channel;
    Identification &m_identification;
    Scheduler &m_scheduler;
    TrafficLamps &m_lamps;
    LampBoard &m_board;
    UpdateWatch *m_update = nullptr;
    std::function<bool()> m_working;
};

} // namespace velmar
