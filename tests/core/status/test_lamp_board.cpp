#include "core/status/LampBoard.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

using namespace velmar;
using namespace velmar::colours;

namespace {

// Ticks at which a lamp changed colour, counting from 1.
std::vector<int> changes(LampBoard &b, LampGroup g, int lamp, int ticks)
{
    std::vector<int> at;
    Rgb last = b.lamp(g, lamp).colour;
    for (int t = 1; t <= ticks; ++t) {
        b.tick();
        if (b.lamp(g, lamp).colour != last)
            at.push_back(t);
        last = b.lamp(g, lamp).colour;
    }
    return at;
}

TEST(LampBoard, EveryGroupHasItsSlotsAndIsFoundByName)
{
    LampBoard b;
    int total = 0;
    for (int i = 0; i < kLampGroupCount; ++i) {
        const LampGroupSpec &s = LampBoard::behaviour(LampGroup(i));
        EXPECT_EQ(int(b.group(LampGroup(i)).size()), s.size) << s.name;
        EXPECT_EQ(LampBoard::groupNamed(QString::fromLatin1(s.name)), LampGroup(i)) << s.name;
        total += s.size;
    }
    EXPECT_EQ(b.slotCount(), total);
    EXPECT_GT(total, 300); // several hundred slots are visited every tick
    EXPECT_EQ(b.group(LampGroup::PunterLedZones).size(), 33u);
    EXPECT_EQ(b.group(LampGroup::PunterLedAlarmaAD300).size(), 21u);
    EXPECT_FALSE(LampBoard::groupNamed(u"SZona1").has_value());
}

TEST(LampBoard, TagsTakeTheirGroupsColours)
{
    const struct {
        LampGroup group;
        int lamp;
        int tag;
        Rgb colour; // after one tick from the off colour
    } cases[] = {
        {LampGroup::PunterLedEstat, 0, 1, Red},
        {LampGroup::PunterLedEstat, 3, 1, Yellow},
        {LampGroup::PunterLedEstat, 6, 1, Lime},
        {LampGroup::PunterLedEstat, 2, 0, Silver},
        {LampGroup::PunterLedZones, 5, 8, Silver},
        {LampGroup::PunterLedZones, 5, 1, Red},
        {LampGroup::PunterLedZones, 5, 3, Yellow},
        {LampGroup::PunterLedZones, 5, 9, Silver},   // any other Tag: silver, steady
        {LampGroup::PunterLedEstatCofem, 0, 1, Red},
        {LampGroup::PunterLedEstatCofem, 2, 1, Lime},
        {LampGroup::PunterLedEstatCofem, 5, 1, Orange},
        {LampGroup::PunterLedAlarmaUrano, 1, 2, Red},
        {LampGroup::PunterLedFalloUrano, 1, 3, Amber},
        {LampGroup::SLedFalloAlim, 0, 7, Amber},     // any other Tag: amber
        {LampGroup::SLedFalloSirenes, 0, 1, Amber},
        {LampGroup::PunterLedFalloKomttech, 4, 3, HotLight},
        {LampGroup::PunterLedFalloKomttech, 4, 4, Black},
        {LampGroup::PunterLedEstatID3000, 1, 1, Red},
        {LampGroup::PunterLedEstatID3000, 8, 1, Lime},
        {LampGroup::PunterLedEstatID3000, 4, 1, Gold},
        {LampGroup::PunterLedFalloGeneralCCD, 9, 1, Lime},
        {LampGroup::PunterLedFalloGeneralCCD, 10, 1, Red},
        {LampGroup::PunterLedFalloGeneralCCD, 9, 2, Amber}, // blinking: lamp 9 is amber
        {LampGroup::PunterLedFalloGeneralCCD, 10, 3, Red},
        {LampGroup::PunterLedAD600, 0, 1, Lime},
        {LampGroup::PunterLedEstatMA2000, 3, 1, Lime},
        {LampGroup::PunterLedEstatCtecXFP, 0, 1, Red},
        {LampGroup::PunterLedEstatJadeBird, 10, 1, Lime},
        {LampGroup::PunterLedZonaJadeBird, 32, 1, Red},
        {LampGroup::SAD300Alarma, 0, 2, Red},       // first blink step: lit
        {LampGroup::PunterLedAlarmaCofem, 4, 9, White}, // unlisted Tag: left as it is
    };
    for (const auto &c : cases) {
        LampBoard b;
        b.lamp(c.group, c.lamp).Tag = c.tag;
        b.tick();
        EXPECT_EQ(b.lamp(c.group, c.lamp).colour, c.colour)
            << LampBoard::behaviour(c.group).name << " lamp " << c.lamp << " tag " << c.tag;
    }
}

TEST(LampBoard, SlowLampsChangeEvery600msAndFastOnesEvery300ms)
{
    {
        LampBoard b;
        b.lamp(LampGroup::PunterLedAlarmaCofem, 3).Tag = 2;
        EXPECT_EQ(changes(b, LampGroup::PunterLedAlarmaCofem, 3, 25), (std::vector<int>{1, 7, 13, 19, 25}));
    }
    {
        LampBoard b;
        b.lamp(LampGroup::PunterLedFalloUrano, 3).Tag = 2;
        EXPECT_EQ(changes(b, LampGroup::PunterLedFalloUrano, 3, 10), (std::vector<int>{1, 4, 7, 10}));
    }
    {
        // Red, off, red: a toggle looks at the present colour.
        LampBoard b;
        LampSlot &l = b.lamp(LampGroup::PunterLedZones, 1);
        l.Tag = 2;
        b.tick();
        EXPECT_EQ(l.colour, Red);
        for (int i = 0; i < 6; ++i)
            b.tick();
        EXPECT_EQ(l.colour, Silver);
    }
}

TEST(LampBoard, LampsOfOneCounterChangeTogether)
{
    LampBoard b;
    // Different groups on the same slow counter, started at different moments.
    b.lamp(LampGroup::PunterLedAlarmaCofem, 1).Tag = 2;
    for (int i = 0; i < 4; ++i)
        b.tick();
    b.lamp(LampGroup::PunterLedAlarmaCofem, 7).Tag = 2;
    b.lamp(LampGroup::PunterLedZonaCtecXFP, 20).Tag = 2;
    LampBoard copy = b;
    const auto first = changes(b, LampGroup::PunterLedAlarmaCofem, 1, 20);
    LampBoard copy2 = copy;
    EXPECT_EQ(changes(copy, LampGroup::PunterLedAlarmaCofem, 7, 20), first);
    EXPECT_EQ(changes(copy2, LampGroup::PunterLedZonaCtecXFP, 20, 20), first);
    EXPECT_EQ(first, (std::vector<int>{3, 9, 15}));
}

TEST(LampBoard, TheEstatGroupBlinksOnItsOwnCounterAndKeepsItsFixedLampsLit)
{
    LampBoard b;
    for (LampSlot &l : b.group(LampGroup::PunterLedEstat))
        l.Tag = 2;
    b.lamp(LampGroup::PunterLedAlarmaCofem, 1).Tag = 2;
    b.tick();
    b.tick();
    b.tempsLedEstat = 1; // as a panel decoder may reload it
    b.tick();
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 0).colour, Red);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 6).colour, Lime);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 3).colour, Silver); // lit on tick 1, off on tick 3
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaCofem, 1).colour, Red);
    EXPECT_EQ(b.tempsLedZones, 4);
}

TEST(LampBoard, ZoneLampsAndPicturesAreHiddenByTagZero)
{
    LampBoard b;
    LampSlot &zone = b.lamp(LampGroup::PunterLedZones, 4);
    LampSlot &picture = b.lamp(LampGroup::PunterImatgeZones, 4);
    LampSlot &number = b.lamp(LampGroup::PunterNumZones, 4);
    b.tick();
    EXPECT_FALSE(zone.visible);
    EXPECT_FALSE(picture.visible);
    EXPECT_EQ(number.colour, lampface::NumberPlain);
    zone.Tag = 8;
    picture.Tag = 1;
    number.Tag = 1;
    b.tick();
    EXPECT_TRUE(zone.visible);
    EXPECT_EQ(zone.colour, Silver);
    EXPECT_TRUE(picture.visible);
    EXPECT_EQ(picture.colour, lampface::Detector);
    EXPECT_EQ(number.colour, lampface::NumberMarked);
    picture.Tag = 5;
    b.tick();
    EXPECT_EQ(picture.colour, lampface::CallPoint);
}

TEST(LampBoard, InicialitzaPEstatResetsEachGroupAsItsRowSays)
{
    LampBoard b;
    b.lamp(LampGroup::PunterLedEstat, 0).Tag = 1;
    b.lamp(LampGroup::PunterLedAlarmaUrano, 2).Tag = 2;
    b.lamp(LampGroup::PunterLedAlarmaAD300, 5).Tag = 1;
    b.lamp(LampGroup::PunterLedEstatJadeBird, 10).Tag = 1;
    b.lamp(LampGroup::SLedFalloAlim, 0).Tag = 1;
    b.lamp(LampGroup::PunterLedZones, 3).Tag = 1;
    b.tick();
    b.Inicialitza_PEstat();
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 0).colour, LightGrey);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 0).Tag, 1);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaCofem, 1).colour, LightGrey);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaUrano, 2).colour, Silver);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaUrano, 2).Tag, 2);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaAD300, 5).Tag, 0);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedAlarmaAD300, 5).colour, Silver);
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstatJadeBird, 10).Tag, 0);
    EXPECT_EQ(b.lamp(LampGroup::SLedFalloAlim, 0).Tag, 1); // before the AD300 rows: untouched
    EXPECT_FALSE(b.lamp(LampGroup::PunterLedZones, 3).visible);
    // The next tick draws every lamp from its Tag again.
    b.tick();
    EXPECT_EQ(b.lamp(LampGroup::PunterLedEstat, 0).colour, Red);
    EXPECT_TRUE(b.lamp(LampGroup::PunterLedZones, 3).visible);
}

} // namespace
