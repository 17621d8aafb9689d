#include "core/status/LampBoard.h"

#include <QString>

#include <initializer_list>

namespace velmar {

namespace {

using namespace colours;

constexpr LampPalette one(Rgb c)
{
    return LampPalette{c, {}};
}

// A palette with up to three lamps of their own colour.
constexpr LampPalette with(Rgb others, std::initializer_list<LampColour> lamps)
{
    LampPalette p{others, {}};
    int i = 0;
    for (const LampColour &l : lamps)
        p.lamps[i++] = l;
    return p;
}

constexpr LampColour lampOf(int lamp, Rgb colour) { return {lamp, colour, false}; }
constexpr LampColour litOf(int lamp, Rgb colour) { return {lamp, colour, true}; }

constexpr LampRule off(int tag) { return {tag, LampAct::Off, {}}; }
constexpr LampRule hide(int tag) { return {tag, LampAct::Hide, {}}; }
constexpr LampRule steady(int tag, LampPalette p) { return {tag, LampAct::Steady, p}; }
constexpr LampRule slow(int tag, LampPalette p) { return {tag, LampAct::Slow, p}; }
constexpr LampRule fast(int tag, LampPalette p) { return {tag, LampAct::Fast, p}; }
constexpr LampRule steady(int tag, Rgb c) { return steady(tag, one(c)); }
constexpr LampRule slow(int tag, Rgb c) { return slow(tag, one(c)); }
constexpr LampRule fast(int tag, Rgb c) { return fast(tag, one(c)); }
// The rule for every Tag not listed.
constexpr int kAny = -1;

struct Row {
    LampGroupSpec s;

    constexpr Row otherwise(LampRule r) const
    {
        Row c = *this;
        c.s.otherwise = r;
        return c;
    }
    constexpr Row resets(LampReset r, Rgb colour = 0) const
    {
        Row c = *this;
        c.s.reset = r;
        c.s.resetColour = colour;
        return c;
    }
    constexpr Row onPhase(LampPhase p) const
    {
        Row c = *this;
        c.s.slow = p;
        return c;
    }
    constexpr Row showsOnTag() const
    {
        Row c = *this;
        c.s.showOnTag = true;
        return c;
    }
};

constexpr Row group(const char *name, int size, int first, int last, Rgb offColour,
                    std::initializer_list<LampRule> rules)
{
    Row r{};
    r.s.name = name;
    r.s.size = size;
    r.s.first = first;
    r.s.last = last;
    r.s.off = offColour;
    for (const LampRule &rule : rules)
        r.s.rules[r.s.nrules++] = rule;
    return r;
}

// Twelve zone lamps in slots 1..12, and a single lamp.
constexpr Row zones12(const char *name, Rgb offColour, std::initializer_list<LampRule> rules)
{
    return group(name, 13, 1, 12, offColour, rules);
}
constexpr Row single(const char *name, Rgb offColour, std::initializer_list<LampRule> rules)
{
    return group(name, 1, 0, 0, offColour, rules);
}

constexpr LampPalette kEstatColours = with(Yellow, {lampOf(0, Red), lampOf(6, Lime)});
// Alarm, lamp 6 (mains) and the spare slot stay lit while the others blink.
constexpr LampPalette kEstatBlink =
    with(Yellow, {litOf(0, Red), litOf(6, Lime), litOf(7, Yellow)});
constexpr LampPalette kCofemColours = with(Orange, {lampOf(0, Red), lampOf(1, Lime), lampOf(2, Lime)});
constexpr LampPalette kZafirColours = with(Orange, {lampOf(0, Red), lampOf(1, Lime)});
constexpr LampPalette kID3000Colours = with(Gold, {lampOf(0, Red), lampOf(1, Red), lampOf(8, Lime)});
constexpr LampPalette kCCDGeneral = with(Amber, {lampOf(9, Lime), lampOf(10, Red)});
constexpr LampPalette kCCDGeneralBlink = with(Amber, {lampOf(10, Red)});
constexpr LampPalette kAD600Colours = with(Orange, {lampOf(0, Lime), lampOf(1, Red)});
constexpr LampPalette kMA2000Colours = with(Gold, {lampOf(0, Red), lampOf(1, Red), lampOf(3, Lime)});
constexpr LampPalette kJadeBirdColours = with(Gold, {lampOf(0, Red), lampOf(1, Red), lampOf(10, Lime)});

// The behaviour table, one row per LampGroup in its order.
constexpr Row kRows[] = {
    group("PunterLedEstat", 8, 0, 6, Silver, {off(0), steady(1, kEstatColours)})
        .otherwise(slow(kAny, kEstatBlink))
        .onPhase(LampPhase::Estat)
        .resets(LampReset::Colour, LightGrey),
    group("PunterLedZones", 33, 1, 32, Silver,
          {hide(0), off(8), steady(1, Red), steady(3, Yellow), slow(2, Red), slow(4, Yellow)})
        .otherwise(steady(kAny, Silver))
        .showsOnTag()
        .resets(LampReset::Hide),
    group("PunterImatgeZones", 17, 1, 16, 0, {hide(0), steady(1, lampface::Detector)})
        .otherwise(steady(kAny, lampface::CallPoint))
        .showsOnTag()
        .resets(LampReset::Hide),
    group("PunterNumZones", 17, 1, 16, 0, {steady(0, lampface::NumberPlain)})
        .otherwise(steady(kAny, lampface::NumberMarked)),
    group("PunterLedEstatCofem", 9, 0, 8, White, {off(0), steady(1, kCofemColours), slow(2, kCofemColours)})
        .resets(LampReset::Colour, LightGrey),
    zones12("PunterLedAlarmaCofem", White, {off(0), steady(1, Red), slow(2, Red)})
        .resets(LampReset::Colour, LightGrey),
    zones12("PunterLedAvariaCofem", White, {off(0), steady(1, Orange), slow(2, Orange)})
        .resets(LampReset::Colour, LightGrey),
    zones12("PunterLedTestCofem", White, {off(0), steady(1, Orange), slow(2, Orange)})
        .resets(LampReset::Colour, LightGrey),
    zones12("PunterLedAlarmaUrano", Silver, {off(0), steady(2, Red), slow(1, Red)})
        .resets(LampReset::Colour, Silver),
    zones12("PunterLedAlarmaSupra", Silver, {off(0), steady(2, Red), slow(1, Red)}),
    zones12("PunterLedFalloUrano", Silver, {off(0), slow(1, Amber), fast(2, Amber), steady(3, Amber)})
        .resets(LampReset::Colour, Silver),
    zones12("PunterLedFalloSupra", Silver, {off(0), slow(1, Amber), fast(2, Amber), steady(3, Amber)}),
    single("SLedFalloAlim", Silver, {off(0), slow(2, Amber), fast(1, Amber)})
        .otherwise(steady(kAny, Amber)),
    single("SLedFalloSirenes", Silver, {off(0), slow(2, Amber), fast(3, Amber), steady(1, Amber)}),
    single("SLSupraFalloSirenes", Silver, {off(0), slow(2, Amber), fast(3, Amber), steady(1, Amber)}),
    single("SLedZTest", Silver, {off(0), slow(2, Amber)}),
    single("SLSupraTest", Silver, {off(0), slow(2, Amber)}),
    single("SSyncroAvaria", MediumGrey, {off(0), slow(2, Orange)}),
    single("SAD300Avaria", MediumGrey, {off(0), slow(2, Orange)}),
    single("SAD300Alarma", MediumGrey, {off(0), slow(2, Red)}),
    // From here to the end Inicialitza_PEstat puts every Tag back to 0.
    group("PunterLedAlarmaAD300", 21, 1, 20, Silver, {off(0), steady(1, Red), slow(2, Red)})
        .resets(LampReset::TagZero),
    single("SlSupraFalloAlim", Silver, {off(0), slow(2, Amber), fast(1, Amber)})
        .resets(LampReset::TagZero),
    zones12("PunterLedAlarmaKomttech", White, {off(0), steady(2, Red), slow(1, Red)})
        .resets(LampReset::TagZero),
    zones12("PunterLedFalloKomttech", White,
            {off(0), slow(1, Amber), fast(2, Amber), steady(3, HotLight), steady(4, Black)})
        .resets(LampReset::TagZero),
    single("SKLedFalloAlim", White, {off(0), slow(2, Amber), fast(1, Amber)}).resets(LampReset::TagZero),
    single("SKLedFalloSirenes", White, {off(0), slow(2, Amber), fast(3, Amber), steady(1, Amber)})
        .resets(LampReset::TagZero),
    single("SKLedZTest", White, {off(0), slow(2, Amber)}).resets(LampReset::TagZero),
    group("PunterLedEstatCofemZafir", 6, 0, 5, GrayText,
          {off(0), steady(1, kZafirColours), slow(2, kZafirColours)})
        .resets(LampReset::TagZero),
    group("PunterLedEstatID3000", 11, 0, 10, GrayText,
          {off(0), steady(1, kID3000Colours), slow(2, kID3000Colours)})
        .resets(LampReset::TagZero),
    zones12("PunterLedAlarmaCCD", White, {off(0), steady(1, Red), slow(2, Red)}).resets(LampReset::TagZero),
    zones12("PunterLedFalloCCD", White, {off(0), slow(2, Amber), fast(3, Amber), steady(1, Amber)})
        .resets(LampReset::TagZero),
    group("PunterLedFalloGeneralCCD", 14, 0, 13, White,
          {off(0), steady(1, kCCDGeneral), slow(2, kCCDGeneralBlink), fast(3, kCCDGeneralBlink)})
        .resets(LampReset::TagZero),
    group("PunterLedAD600", 6, 0, 5, GrayText, {off(0), steady(1, kAD600Colours), slow(2, kAD600Colours)})
        .resets(LampReset::TagZero),
    group("PunterLedEstatMA2000", 11, 0, 10, Silver,
          {off(0), steady(1, kMA2000Colours), slow(2, kMA2000Colours)})
        .resets(LampReset::TagZero),
    group("PunterLedZonaCtecXFP", 33, 1, 32, DarkGrey, {off(0), steady(1, Red), slow(2, Red)})
        .resets(LampReset::TagZero),
    group("PunterLedEstatCtecXFP", 11, 0, 10, DarkGrey,
          {off(0), steady(1, kMA2000Colours), slow(2, kMA2000Colours)})
        .resets(LampReset::TagZero),
    group("PunterLedZonaJadeBird", 33, 1, 32, White, {off(0), steady(1, Red), slow(2, Red)})
        .resets(LampReset::TagZero),
    group("PunterLedEstatJadeBird", 16, 0, 15, White,
          {off(0), steady(1, kJadeBirdColours), slow(2, kJadeBirdColours)})
        .resets(LampReset::TagZero),
};

static_assert(std::size(kRows) == kLampGroupCount, "one behaviour row per lamp group");

constexpr bool rowsFitTheirSlots()
{
    for (const Row &r : kRows)
        if (r.s.first < 0 || r.s.last >= r.s.size || r.s.first > r.s.last)
            return false;
    return true;
}
static_assert(rowsFitTheirSlots(), "lamps inside their group's slots");

} // namespace

const LampGroupSpec &LampBoard::behaviour(LampGroup g)
{
    return kRows[int(g)].s;
}

std::optional<LampGroup> LampBoard::groupNamed(QStringView name)
{
    for (int i = 0; i < kLampGroupCount; ++i)
        if (name == QLatin1String(kRows[i].s.name))
            return LampGroup(i);
    return std::nullopt;
}

LampBoard::LampBoard()
{
    int total = 0;
    for (int i = 0; i < kLampGroupCount; ++i) {
        m_offset[i] = total;
        total += kRows[i].s.size;
    }
    m_offset[kLampGroupCount] = total;
    m_slots.resize(total);
    for (int i = 0; i < kLampGroupCount; ++i)
        for (LampSlot &l : group(LampGroup(i)))
            l.colour = kRows[i].s.off;
}

std::span<LampSlot> LampBoard::group(LampGroup g)
{
    const int i = int(g);
    return std::span<LampSlot>(m_slots).subspan(m_offset[i], m_offset[i + 1] - m_offset[i]);
}

std::span<const LampSlot> LampBoard::group(LampGroup g) const
{
    const int i = int(g);
    return std::span<const LampSlot>(m_slots).subspan(m_offset[i], m_offset[i + 1] - m_offset[i]);
}

int &LampBoard::counter(LampPhase p)
{
    switch (p) {
    case LampPhase::Estat: return tempsLedEstat;
    case LampPhase::Zones: return tempsLedZones;
    case LampPhase::ZonesRapid: break;
    }
    return tempsLedZonesRapid;
}

void LampBoard::tick()
{
    // Each counter steps once per tick, at the first blinking lamp that
    // needs it; every lamp of that counter then toggles together.
    bool stepped[3] = {false, false, false};
    for (int gi = 0; gi < kLampGroupCount; ++gi) {
        const LampGroupSpec &s = kRows[gi].s;
        LampSlot *row = m_slots.data() + m_offset[gi];
        for (int i = s.first; i <= s.last; ++i) {
            LampSlot &l = row[i];
            const LampRule &r = s.rule(l.Tag);
            if (r.act == LampAct::Keep)
                continue;
            if (r.act == LampAct::Hide) {
                l.visible = false;
                continue;
            }
            if (s.showOnTag)
                l.visible = true;
            bool lit = false;
            const Rgb c = r.palette.colourOf(i, lit);
            LampAct act = lit ? LampAct::Steady : r.act;
            switch (act) {
            case LampAct::Off:
                l.colour = s.off;
                break;
            case LampAct::Steady:
                l.colour = c;
                break;
            case LampAct::Slow:
            case LampAct::Fast: {
                const LampPhase p = act == LampAct::Fast ? LampPhase::ZonesRapid : s.slow;
                int &n = counter(p);
                bool &once = stepped[int(p)];
                if (!once && n > 0) {
                    --n;
                    once = true;
                }
                if (n == 0)
                    l.colour = l.colour == s.off ? c : s.off;
                break;
            }
            case LampAct::Keep:
            case LampAct::Hide:
                break;
            }
        }
    }
    if (tempsLedEstat == 0)
        tempsLedEstat = kSlowReload;
    if (tempsLedZones == 0)
        tempsLedZones = kSlowReload;
    if (tempsLedZonesRapid == 0)
        tempsLedZonesRapid = kFastReload;
}

void LampBoard::Inicialitza_PEstat()
{
    for (int gi = 0; gi < kLampGroupCount; ++gi) {
        const LampGroupSpec &s = kRows[gi].s;
        for (LampSlot &l : group(LampGroup(gi))) {
            switch (s.reset) {
            case LampReset::None: break;
            case LampReset::Hide: l.visible = false; break;
            case LampReset::Colour: l.colour = s.resetColour; break;
            case LampReset::TagZero:
                l.Tag = 0;
                l.colour = s.off;
                break;
            }
        }
    }
}

} // namespace velmar
