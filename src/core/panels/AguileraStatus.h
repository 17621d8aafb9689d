#pragma once

#include "core/panels/StatusDecoders.h"
#include "core/status/StatusDisplay.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmar::panels {

// The two Aguilera panel views' status texts: AE/SA (and AGE) report counts
// and the first, second and last zone of each state ("A2"); AE/C5 reports
// its front's lamps and sixteen zones ("A3"). Pure functions: the views
// apply what comes out.

// The four states of an AE/SA, in the order of its record and of its list
// buttons (mostra_Agui 1 to 4).
enum class AguiList { Alarm = 1, Fault, Disconnection, Test };

struct AesaStatus {
    // nAlarmes, nAvaries, nDesconnex, nProves.
    std::array<int, 4> counts{};
    // zalarma, zavaria, zdescon, zprova: up to three entries as stored
    // ("0012  Name", "9999 Zona de sistema").
    std::array<QStringList, 4> zones;

    int count(AguiList l) const { return counts[int(l) - 1]; }
    const QStringList &entries(AguiList l) const { return zones[int(l) - 1]; }
};

AesaStatus Info_Central_AESA(const QString &text);

// A stored entry whose zone is in test (its name starts with "*").
bool zoneInTest(const QString &entry);

// The texts of one state's list: LAguiInfo and the lines of MAguiInfo.
struct AguileraListText {
    QString heading;
    QStringList lines;
};
AguileraListText aguileraListText(const AesaStatus &status, AguiList list);

// The flags of one AE/C5 zone (field 3).
namespace zoneflag {
inline constexpr int AlarmLit = 0x01;
inline constexpr int AlarmFlashing = 0x02;
inline constexpr int FaultLit = 0x04;
inline constexpr int FaultFlashing = 0x08;
inline constexpr int Marked = 0x20;
inline constexpr int CallPoint = 0x40;
inline constexpr int Present = 0x80;
} // namespace zoneflag

struct Aec5Status {
    static constexpr int kInterfaceError = 0x20;
    std::optional<int> polling;        // field 0; none when not hexadecimal
    std::array<std::optional<int>, 7> lamps; // field 2, none where the text ends
    std::array<std::optional<int>, 16> zones; // field 3, none where unreadable

    std::optional<bool> interfaceError() const
    {
        return polling ? std::optional<bool>((*polling & kInterfaceError) != 0) : std::nullopt;
    }
};

Aec5Status Info_Central_AEC5(const QString &text);

// The AE/C5 status as Tags of the blink engine's Aguilera groups, with
// "REInterCentral" in `named` (1 interface error, 0 interface ok) when the
// polling flags could be read.
PanelStatus aec5Lamps(const Aec5Status &status);

// The module view's REInterCentral line for the AE/C5 interface state.
InterCentralLook interfaceLook(bool error);

} // namespace velmar::panels

Q_DECLARE_METATYPE(velmar::panels::AesaStatus)
