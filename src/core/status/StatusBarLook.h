#pragma once

#include "core/status/Colours.h"

#include <QString>

namespace velmar {

// The pictures of the status bar (the program draws its own).
enum class StatusIcon {
    None,
    PanelConnecting, // the module's panel port is connecting or the panel is down
    PanelConnected,
    ModuleLinked,
    ModuleNotLinked,
};

// How one panel of the three-panel status bar SBEstat is drawn.
struct StatusBarPanelLook {
    Rgb background = colours::Silver;
    StatusIcon icon = StatusIcon::None;
    QString text;
    bool panelLamps = false; // the panel-side traffic lamps are shown
    // Side effects the drawing of the panel-link part asks for.
    bool aguileraAlarmView = false; // state 1 with an Aguilera AE/SA or AGE panel
    bool jadeBirdOnline = false;    // state 2 with a JadeBird panel
};

namespace statusbar {

inline constexpr int kPanelWidths[3] = {250, 400, 250};

// Panel 0: the link text ("CONECTADO", "SIN   CONEXION", ...).
StatusBarPanelLook linkPanel(const QString &text);
// Panel 1: the progress text.
StatusBarPanelLook progressPanel(const QString &text);
// Panel 2: the module's link to its panel (connex_velmar_Agui); the text is
// built from the panel model, or kept (previous) when no model matches.
StatusBarPanelLook panelLinkPanel(int connexVelmarAgui, const QString &central, const QString &previous);

// The status bar's label of a panel model, empty when none matches.
QString panelModelLabel(const QString &central);

// Bold status-bar text size in points for the screen's dots per inch.
int fontPoints(int dpi);

// Where the text and the icon start inside a panel.
inline constexpr int kIconWidth = 16;
inline constexpr int kTextLeft = kIconWidth + 8;
inline constexpr int kTextTop = 2;
inline constexpr int kIconLeft = 3;
inline constexpr int kIconTop = 5;

} // namespace statusbar
} // namespace velmar
