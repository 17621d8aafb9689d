#include "core/shell/Engine.h"

namespace velmar {

void Engine::wireCloud()
{
    // The broker knows the PC by its account (client identifier, last will).
    remote.setAccountId([this] { return cloud.CodiReg(); });
    circuitSearch.setLeaveLocal([this](std::function<void()> then) { leaveLocalLink(std::move(then)); });
    connect(&cloud, &CloudDirectory::moduleRecordRead, this, [this](const cloud::ModuleRecord &record) {
        // Only the list's double click asks for a stored state to be shown.
        if (state.equipdesconnectat && !state.isRemote())
            offlineStatus.show(record);
    });
    connect(&offlineStatus, &OfflineStatus::shown, this, [this] {
        identification.showDisconnected();
        programming.mostraestat = true;
        programming.panelmostrat = ProgrammingState::estat();
        emit programming.viewChanged();
        emit monitor.statusPageShown();
        // The module's own panels (inputs, outputs, links, gauges) show the stored state.
        emit monitor.statusPanelsShown();
    });
}

void Engine::leaveLocalLink(std::function<void()> then)
{
    identification.stop();
    programming.localChosen = false;
    emit programming.viewChanged();
    channel.releasePort([this, then] {
        state.circuittrobat = false;
        state.circuit = false;
        state.tempsllegir = 0;
        Esborra_Camps();
        if (then)
            then();
    });
}

} // namespace velmar
