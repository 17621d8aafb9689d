#pragma once

#include "core/link/LinkState.h"
#include "core/link/ReplyFramer.h"
#include "core/link/ReplyRouter.h"
#include "core/link/SerialTransport.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace velmar {

class Scheduler;
class Trace;

// The command channel of one main window: the serial port and its chooser,
// the reply framer and the router, and the choice of transport for every
// command (serial, or the remote session when connex_remota is "MQTT").
class CommandChannel : public QObject {
    Q_OBJECT
public:
    CommandChannel(LinkState &state, Scheduler &scheduler, Trace &trace, QObject *parent = nullptr);

    LinkState &state() { return m_state; }
    ReplyRouter &router() { return m_router; }
    ReplyFramer &framer() { return m_framer; }
    SerialTransport &serial() { return m_serial; }

    // The remote session's transport, used while connex_remota is "MQTT".
    void setRemoteTransport(Transport *remote) { m_remote = remote; }
    Transport *activeTransport();

    // Sends one command word ("vm+ver") over the active transport.
    void send(const QString &word);

    // CCBPortDropDown: the serial ports present now.
    QStringList CCBPortDropDown();
    // Choosing a port in the chooser: CCBPortClick then CCBPortChange.
    void choosePort(const QString &name);
    void CCBPortClick(const QString &name);
    void CCBPortChange(const QString &name);
    // Runs before the port closes for any reason.
    void ComPortBeforeClose();
    // First probe at start-up: (re)opens name, sends "vm+ver" and asks for
    // identification in 100 ms. Opening errors are only traced: the polls
    // that follow open the port once it is there.
    void probe(const QString &name);
    // Opens a port without the chooser's side effects.
    bool openPort(const QString &name);
    void closePort();

    QString ComUSB() const { return m_comUSB; }

    // Leaves a locally linked module locked with its stream off before the
    // port closes: "vm+cdp=*", 100 ms, "vm+inf", 100 ms, close; then done().
    // With no module found nothing is sent and done() follows at once.
    void lockAndClose(std::function<void()> done);
    // Lets a locally linked module go for a remote session: its stream
    // off ("vm+inf"), 100 ms, the port closed; then done().
    void releasePort(std::function<void()> done);

    // Feeds received bytes through the framer and the router (tests and the
    // remote session use it too).
    void receive(const QByteArray &bytes);

signals:
    // The window must return to its disconnected state (Esborra_Camps).
    void disconnected();
    // The chosen port name must be stored with the settings.
    void portStored(const QString &name);
    // Choosing a local port ends a remote session and the bridge connection.
    void closeRemoteSession();
    void closeBridge();
    // A message for the user (through the program's message dialogs).
    void warning(const QString &title, const QString &text);
    // Identification must start: TimerCircuit with this interval.
    void identificationRequested(int intervalMs);
    // A reply was framed and taken by a rule (for the trace and the lamps).
    void replyRouted(const QString &reply, velmar::ReplyRouter::Rule rule);
    void transmitted();
    void received();
    // The chooser's list of ports is to be made again (a failed write, a poll).
    void portListRefreshRequested();

private:
    void onLinkLost();
    // Sends each word to a module found on the cable, 100 ms apart, then
    // closes the port and calls done (at once when there is no such module).
    void closeAfter(const QStringList &words, std::function<void()> done);
    void reopen(const QString &name, bool warnOnMissing);

    LinkState &m_state;
    Scheduler &m_scheduler;
    Trace &m_trace;
    SerialTransport m_serial;
    Transport *m_remote = nullptr;
    ReplyRouter m_router;
    ReplyFramer m_framer;
    QString m_comUSB;
};

} // namespace velmar
