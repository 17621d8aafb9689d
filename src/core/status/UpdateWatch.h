#pragma once

namespace velmar {

// What the supervision tick needs of a firmware update (the update page
// implements it). LinkState::tempsActu is its silence watchdog and
// LinkState::msgerrorActu the reason of an abort.
class UpdateWatch {
public:
    virtual ~UpdateWatch() = default;
    // The update's progress bar is on screen: an update is running.
    virtual bool updateShown() const = 0;
    // DesconnectarTCPAsinActu: closes the update-server connection; leaves
    // tempsActu at 0.
    virtual void DesconnectarTCPAsinActu() = 0;
};

} // namespace velmar
