#include "core/status/StatusMonitor.h"

#include "core/link/CommandChannel.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/ProtocolTimes.h"
#include "core/link/Scheduler.h"
#include "core/status/LampBoard.h"
#include "core/status/TrafficLamps.h"
#include "core/status/UpdateWatch.h"

namespace velmar {

StatusMonitor::StatusMonitor(LinkState &state, CommandChannel &channel, Identification &identification,
                             Scheduler &scheduler, TrafficLamps &lamps, LampBoard &board, QObject *parent)
    : QObject(parent),
      m_state(state),
      m_channel(channel),
      m_identification(identification),
      m_scheduler(scheduler),
      m_lamps(lamps),
      m_board(board)
{
    connect(&m_identification, &Identification::recognised, this, &StatusMonitor::onRecognised);
    // However the link was lost, the status view comes to the front.
    connect(&m_identification, &Identification::linkLost, this, &StatusMonitor::showStatusPage);
}

QString StatusMonitor::linkCutText()
{
    return tr("Se ha cortado la comunicación con el equipo Velmar");
}

QString StatusMonitor::updateCutText()
{
    return tr("Se ha cortado la comunicación entre el equipo Velmar y el servidor de actualizaciones");
}

QString StatusMonitor::updateErrorText()
{
    return tr("ERROR EN LA ACTUALIZACION");
}

void StatusMonitor::TimerLedsTimer()
{
    if (m_lamps.tick())
        emit trafficLampsChanged();
    updateWatchdog();
    linkWatchdog();
    if (!connex_prog_Agui) {
        m_board.tick();
        emit lampsPainted();
    }
}

void StatusMonitor::updateWatchdog()
{
    if (m_state.tempsActu <= 0)
        return;
    --m_state.tempsActu;
    if (m_state.tempsActu == kUpdateAbort - 1) {
        // The update code asked for an abort; its reason is already stored.
        // Over the remote session the session ends with it, as every end does.
        closeUpdate();
        if (m_state.isRemote())
            emit closeRemoteSession();
        showUpdateError();
    } else if (m_state.tempsActu == 0) {
        // 30 s without a sign of life from the update.
        closeUpdate();
        m_scheduler.after(kUpdatePauseMs, [this] { updateFailed(); });
    }
}

void StatusMonitor::closeUpdate()
{
    if (m_update)
        m_update->DesconnectarTCPAsinActu();
    m_state.tempsActu = 0;
}

void StatusMonitor::updateFailed()
{
    m_state.msgerrorActu = updateCutText();
    if (m_state.connex_remota.isEmpty()) {
        m_state.circuit = false;
        restartLocalLink(kUpdateRestartMs);
    } else if (m_state.isRemote()) {
        emit closeRemoteSession();
    }
    emit closeBridge();
    showUpdateError();
}

void StatusMonitor::showUpdateError()
{
    emit timedError(updateErrorText() + QStringLiteral("\r\n") + m_state.msgerrorActu);
    m_state.msgerrorActu.clear();
}

void StatusMonitor::linkWatchdog()
{
    if (m_state.tempsllegir <= 0)
        return;
    if (--m_state.tempsllegir != 0)
        return;
    if (m_state.isRemote()) {
        // Over MQTT the stream itself reports a lost module; only a pending
        // reading indication goes.
        emit readingIndicationExpired();
    } else if (m_state.connex_remota.isEmpty() && m_identification.view().localChosen) {
        linkLost();
    }
}

void StatusMonitor::linkLost()
{
    if (m_state.circuit)
        emit timedError(linkCutText());
    m_state.circuit = false;
    m_state.circuittrobat = false;
    emit fieldsCleared();
    m_state.central.clear();
    showStatusPage();
    restartLocalLink(kLostLinkRestartMs);
    emit progressCleared();
}

void StatusMonitor::restartLocalLink(int intervalMs)
{
    if (m_identification.halted())
        return; // the window is closing: the port is left to the lock sequence
    m_channel.closePort();
    const QString name = m_channel.ComUSB();
    if (name.isEmpty())
        return;
    // A port that cannot be opened now is opened again by the next poll.
    if (m_channel.openPort(name)) {
        m_state.espero = QStringLiteral("+ver");
        m_channel.serial().escriu_port(QStringLiteral("\rvm+ver\r"));
    }
    m_state.vegades_espero = proto::kWaitRounds;
    m_state.StrCom.clear();
    m_identification.start(intervalMs);
}

void StatusMonitor::showStatusPage()
{
    Identification::View v = m_identification.view();
    v.statusShown = true;
    v.programmingShown = false;
    m_identification.setView(v);
    emit statusPageShown();
}

void StatusMonitor::BBLlegirEstatClick()
{
    if (m_update && m_update->updateShown())
        return;
    // Its requests would switch the stream back on in the middle of a cycle.
    if (m_working && m_working())
        return;
    emit estatPageReset();
    showStatusPage();

    const bool serial = m_state.connex_remota.isEmpty();
    if (m_state.circuit && m_state.isRemote()) {
        m_channel.send(QStringLiteral("vm+vEr"));
        // A transfer started meanwhile owns the link: the stream request
        // would land between its frames.
        m_scheduler.after(kEstatRemoteGapMs, [this] {
            if (m_state.circuit && m_state.isRemote() && !m_identification.linkTaken())
                m_channel.send(QStringLiteral("vm+INf"));
        });
    } else if (m_state.circuit && serial) {
        m_channel.send(QStringLiteral("vm+vEr"));
        if (!m_identification.active())
            m_identification.start(m_identification.interval());
        m_scheduler.after(kEstatSerialGapMs, [this] {
            if (m_state.circuit && m_state.connex_remota.isEmpty() && !m_identification.linkTaken())
                m_channel.send(QStringLiteral("vm+INf"));
        });
    } else if (!m_state.circuit && m_identification.view().localChosen) {
        // Identification now, without waiting for the next probe.
        m_state.StrCom.clear();
        m_identification.start(proto::kIdentProbeMs);
    }
    emit estatCommandsEnabled();
}

void StatusMonitor::onRecognised()
{
    emit statusPanelsShown();
    // On the port, after the stream request that recognition sends itself.
    const int after = m_state.isRemote() ? 0 : kEstatSerialGapMs;
    m_scheduler.after(after, [this] {
        if (m_state.circuittrobat)
            BBLlegirEstatClick();
    });
}

} // namespace velmar
