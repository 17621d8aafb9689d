#include "core/shell/Engine.h"

namespace velmar {

void Engine::wireBridge()
{
    bridge.setCloudEvents(&cloud);
    // Listening starts with the first Aguilera panel identified.
    connect(&identification, &Identification::panelViewChosen, &bridge, [this](const QString &central) {
        if (TelecontrolBridge::aguilera(central))
            bridge.ConnexioAGE44();
    });
    connect(&remote, &MqttSession::panelBytes, &bridge, &TelecontrolBridge::writePanelBytes);
    // The lamps are left alone while the tool works on the panel.
    connect(&bridge, &TelecontrolBridge::connectionChanged, this, [this](bool open) {
        monitor.connex_prog_Agui = open;
    });

    // Whatever ends the module's link ends the tool's connection: a local
    // port or "Local" chosen, the module's own network link down, the session
    // closed or lost, the link lost on the cable, the end of a firmware update.
    const auto close = [this] { bridge.TCPProgAguiDisconnect(); };
    connect(&channel, &CommandChannel::closeBridge, &bridge, close);
    connect(&interpreter, &InfoInterpreter::closeBridge, &bridge, close);
    connect(&remote, &MqttSession::closeBridge, &bridge, close);
    connect(&remote, &MqttSession::sessionLost, &bridge, close);
    connect(&identification, &Identification::linkLost, &bridge, close);
    connect(&monitor, &StatusMonitor::closeBridge, &bridge, close);
}

} // namespace velmar
