#include "core/shell/Engine.h"

namespace velmar {

void Engine::wireRemote()
{
    remote.setBroker(endpoints.brokerHost, endpoints.brokerPort, endpoints.brokerUser, endpoints.brokerPassword);
    channel.setRemoteTransport(&remote);

    // Everything that ends the link ends the session: a local port chosen,
    // the module reporting its own network link down, a failed update, six
    // unanswered polls.
    connect(&channel, &CommandChannel::closeRemoteSession, &remote, &MqttSession::DesconnectarMQTT);
    connect(&interpreter, &InfoInterpreter::closeRemoteSession, &remote, &MqttSession::DesconnectarMQTT);
    connect(&monitor, &StatusMonitor::closeRemoteSession, &remote, &MqttSession::DesconnectarMQTT);
    connect(&identification, &Identification::linkLost, &remote, [this] {
        if (state.isRemote())
            remote.DesconnectarMQTT();
    });
    connect(&commands, &ModuleCommands::publishStatus, &remote, &MqttSession::publishStatus);
    connect(&panelOrders, &panels::PanelCommands::publishStatus, &remote, &MqttSession::publishStatus);

    connect(&remote, &MqttSession::sessionStarted, this, [this] {
        programming.localChosen = false;
        emit programming.viewChanged();
    });
    // After the window has shown "Conectando": the Estado action reads the
    // status bar to know whether a module is in hand.
    connect(&remote, &MqttSession::sessionStarted, &monitor, &StatusMonitor::BBLlegirEstatClick,
            Qt::QueuedConnection);
    connect(&remote, &MqttSession::sessionLost, this, [this] {
        // Nothing that was under way can finish: a write is not done, a
        // firmware transfer ends with its message.
        firmwareUpdate.sessionLost();
        reader.abort();
        writer.abort();
        Esborra_Camps();
        identification.MIIComunicacioLocalClick(false);
        programming.mostraestat = true;
        programming.panelmostrat = ProgrammingState::estat();
        emit programming.viewChanged();
        emit monitor.statusPageShown();
    });
}

} // namespace velmar
