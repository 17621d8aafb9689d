#pragma once

#include "core/status/Colours.h"

#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace velmar {

// The groups of indicator lamps of the status pages, in the order of the
// behaviour table (LampBoard.cpp). A panel view that needs more lamps adds a
// value here and a row there.
enum class LampGroup : quint8 {
    PunterLedEstat,
    PunterLedZones,
    PunterImatgeZones,
    PunterNumZones,
    PunterLedEstatCofem,
    PunterLedAlarmaCofem,
    PunterLedAvariaCofem,
    PunterLedTestCofem,
    PunterLedAlarmaUrano,
    PunterLedAlarmaSupra,
    PunterLedFalloUrano,
    PunterLedFalloSupra,
    SLedFalloAlim,
    SLedFalloSirenes,
    SLSupraFalloSirenes,
    SLedZTest,
    SLSupraTest,
    SSyncroAvaria,
    SAD300Avaria,
    SAD300Alarma,
    PunterLedAlarmaAD300,
    SlSupraFalloAlim,
    PunterLedAlarmaKomttech,
    PunterLedFalloKomttech,
    SKLedFalloAlim,
    SKLedFalloSirenes,
    SKLedZTest,
    PunterLedEstatCofemZafir,
    PunterLedEstatID3000,
    PunterLedAlarmaCCD,
    PunterLedFalloCCD,
    PunterLedFalloGeneralCCD,
    PunterLedAD600,
    PunterLedEstatMA2000,
    PunterLedZonaCtecXFP,
    PunterLedEstatCtecXFP,
    PunterLedZonaJadeBird,
    PunterLedEstatJadeBird,
    Count
};

inline constexpr int kLampGroupCount = int(LampGroup::Count);

// The three blink phase counters.
enum class LampPhase : quint8 { Estat, Zones, ZonesRapid };

// What a Tag asks of a lamp on every tick.
enum class LampAct : quint8 {
    Keep,   // left as it is
    Off,    // the group's off colour
    Steady, // its colour
    Slow,   // toggles with the group's slow counter
    Fast,   // toggles with tempsLedZonesRapid
    Hide,   // not shown
};

// One lamp: the Tag is its state (decoders write only the Tag); colour and
// visibility are what the blink engine made of it. Picture and number lamps
// use colour as the index of their face (lampface below).
struct LampSlot {
    int Tag = 0;
    Rgb colour = 0;
    bool visible = true;
};

namespace lampface {
inline constexpr Rgb Detector = 1;     // zone picture: smoke detector
inline constexpr Rgb CallPoint = 2;    // zone picture: manual call point
inline constexpr Rgb NumberPlain = 0;  // zone number alone, grey
inline constexpr Rgb NumberMarked = 1; // ">" and the number, bold
} // namespace lampface

// Colour of a rule for each lamp: most lamps take `others`; up to three
// lamps take their own colour, and may stay lit while the others blink.
struct LampColour {
    int lamp = -1;
    Rgb colour = 0;
    bool steady = false;
};

struct LampPalette {
    Rgb others = 0;
    std::array<LampColour, 3> lamps{};

    constexpr Rgb colourOf(int lamp, bool &steady) const
    {
        for (const LampColour &c : lamps) {
            if (c.lamp == lamp) {
                steady = c.steady;
                return c.colour;
            }
        }
        steady = false;
        return others;
    }
};

struct LampRule {
    int tag = 0;
    LampAct act = LampAct::Keep;
    LampPalette palette{};
};

// What Inicialitza_PEstat does to a group.
enum class LampReset : quint8 {
    None,
    Hide,    // lamps hidden
    Colour,  // lamps take the reset colour; Tags kept
    TagZero, // Tags 0 and the off colour
};

// One row of the behaviour table.
struct LampGroupSpec {
    static constexpr int kMaxRules = 6;

    const char *name = "";
    int size = 0; // slots in the group
    int first = 0; // lamps sit in slots first..last; other slots are empty
    int last = 0;
    Rgb off = 0;
    std::array<LampRule, kMaxRules> rules{};
    int nrules = 0;
    LampRule otherwise{};          // Tags not listed (Keep: left as they are)
    LampPhase slow = LampPhase::Zones;
    bool showOnTag = false;        // any Tag but a hiding one shows the lamp
    LampReset reset = LampReset::None;
    Rgb resetColour = 0;

    constexpr const LampRule &rule(int tag) const
    {
        for (int i = 0; i < nrules; ++i)
            if (rules[i].tag == tag)
                return rules[i];
        return otherwise;
    }
};

// Every lamp slot of the status pages and the blink engine over them. The
// slots are allocated once; a tick only reads the table and writes slots.
class LampBoard {
public:
    static constexpr int kSlowReload = 6; // 600 ms
    static constexpr int kFastReload = 3; // 300 ms

    LampBoard();

    static const LampGroupSpec &behaviour(LampGroup g);
    static std::optional<LampGroup> groupNamed(QStringView name);

    std::span<LampSlot> group(LampGroup g);
    std::span<const LampSlot> group(LampGroup g) const;
    LampSlot &lamp(LampGroup g, int index) { return group(g)[index]; }
    const LampSlot &lamp(LampGroup g, int index) const { return group(g)[index]; }
    int slotCount() const { return int(m_slots.size()); }

    // Blink phase counters (ticks left before the next toggle).
    int tempsLedEstat = 0;
    int tempsLedZones = 0;
    int tempsLedZonesRapid = 0;
    int &counter(LampPhase p);

    // The blink engine, once: every lamp takes the colour its Tag asks for.
    void tick();

    // Resets the lamps of the status views (their next look comes from the
    // following tick).
    void Inicialitza_PEstat();

private:
    std::vector<LampSlot> m_slots;
    std::array<int, kLampGroupCount + 1> m_offset{};
};

} // namespace velmar
