#pragma once

#include "Factory.h"

#include <QString>

namespace velmar::sim {

// The simulated panel's status payload in one of its states: "alarm",
// "fault", "disable", "test" or "rest", in the model's own record layout.
// Empty for a state or model the simulator cannot show.
QString panelStateStatus(const PanelModel &panel, const QString &state);
bool isPanelState(const QString &state);

// The status after the panel's buzzer was silenced from the program.
QString buzzerSilenced(const PanelModel &panel, const QString &status);

} // namespace velmar::sim
