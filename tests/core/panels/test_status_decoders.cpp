// Panel status texts into lamp Tags, counters, kind labels and the lists to
// fetch; and the Tags into the blink engine's board.
#include "core/panels/StatusDecoders.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;

namespace {

constexpr int kMaxCount = 999999; // the decoders' cap on a count

PanelStatus decode(const char *model, const QString &text)
{
    const StatusDecoder d = statusDecoderFor(QLatin1String(model));
    EXPECT_NE(d, nullptr) << model;
    return d ? d(text) : PanelStatus{};
}

const KindLabel *label(const PanelStatus &st, const char *name)
{
    for (const KindLabel &l : st.labels)
        if (l.name == QLatin1String(name))
            return &l;
    return nullptr;
}

TEST(CountRecord, MissingAndNonNumericFieldsCountZero)
{
    const struct {
        const char *text;
        std::array<int, 10> fields;
    } cases[] = {
        {"1|2|0|0|0|0|3|0|0|1", {1, 2, 0, 0, 0, 0, 3, 0, 0, 1}},
        {"2|1", {2, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"x|y|3| 4 ||", {0, 0, 3, 4, 0, 0, 0, 0, 0, 0}},
        {"", {}},
        {"0|1|1|1|1|1|1|1|1|1|99|99", {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        // Nonsense counts: none below 0, none big enough to overflow a total.
        {"0|-3|1100000000|99999999999", {0, 0, kMaxCount, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        const CountRecord r = countRecord(QLatin1String(c.text));
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(r.field[i], c.fields[i]) << c.text << " field " << i;
    }
}

TEST(BCStatus, FlagsCountersAndAccessLevel)
{
    const PanelStatus st = decode("BC600", QStringLiteral("3|1|0|0|2|0|0"));
    EXPECT_EQ(st.named.value("PBC600ResetZumb"), 1);
    EXPECT_EQ(st.named.value("PBC600Equips"), 1);
    EXPECT_EQ(st.counts, QStringList({"1", "0", "0", "2", "0", "0"}));
    EXPECT_EQ(st.named.value("PBC600Alarmes"), 1);
    EXPECT_EQ(st.named.value("PBC600Fallos"), 1);

    const PanelStatus quiet = decode("BC600", QStringLiteral("2|0|0|0|0"));
    EXPECT_EQ(quiet.named.value("PBC600ResetZumb"), 0);
    EXPECT_EQ(quiet.named.value("PBC600Equips"), 1);
    EXPECT_EQ(quiet.counts, QStringList({"0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(quiet.named.value("PBC600Alarmes"), 0);

    const struct {
        const char *text;
        const char *level;
    } levels[] = {{"0|0|0|0|0|0|0|1", "Nivel usuario"}, {"0|0|0|0|0|0|0|2", "Nivel instalador"},
                  {"0|0|0|0|0|0|0|F", "---"}, {"0|0", "---"}};
    for (const auto &l : levels)
        EXPECT_EQ(decode("BC216", QLatin1String(l.text)).accessLevel, QLatin1String(l.level)) << l.text;
}

TEST(CofemStatus, ZoneCodesIntoAlarmFaultAndTestLamps)
{
    const struct {
        const char *code;
        int alarm, fault, test;
    } cases[] = {
        {"00", 0, 0, 0}, {"11", 0, 0, 2}, {"12", 0, 0, 1}, {"13", 2, 0, 2}, {"14", 1, 0, 2},
        {"8B", 0, 1, 0}, {"8C", 0, 2, 0}, {"A7", 2, 0, 0}, {"A9", 1, 0, 0}, {"5F", -1, -1, -1},
    };
    for (const auto &c : cases) {
        // The code on zone 4; the other zones at rest.
        const QString zones = QStringLiteral("000000") + QLatin1String(c.code) + QStringLiteral("0000000000000000");
        const PanelStatus st = decode("Cofem CLVR / K-CONECTA", QStringLiteral("000000000|") + zones);
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedAlarmaCofem, 4), c.alarm) << c.code;
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedAvariaCofem, 4), c.fault) << c.code;
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedTestCofem, 4), c.test) << c.code;
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedAlarmaCofem, 3), 0) << c.code;
    }
    // Central digits one per lamp; a battery "1" makes the eighth lamp flash.
    const PanelStatus st = decode("Cofem CLVR / K-CONECTA", QStringLiteral("121000000|"));
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatCofem, 0), 1);
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatCofem, 1), 2);
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatCofem, 7), 2);
}

TEST(UranoStatus, ZoneGroupsAndGeneralIndicators)
{
    const struct {
        const char *group;
        int alarm, fault;
        bool disabled, testing;
    } cases[] = {
        {"102", 1, 0, false, false}, {"120", 1, 3, true, false},  {"012", 0, 1, false, false},
        {"022", 0, 2, false, false}, {"211", 2, 1, false, true},  {"021", 0, 2, false, true},
        {"001", 0, 3, false, true},
    };
    for (const auto &c : cases) {
        const PanelStatus st = decode("Urano", QStringLiteral("pw|") + QLatin1String(c.group));
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedAlarmaUrano, 1), c.alarm) << c.group;
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedFalloUrano, 1), c.fault) << c.group;
        EXPECT_EQ(st.named.value("SLedZAnul"), c.disabled ? 1 : 0) << c.group;
        EXPECT_EQ(st.tagOf(LampGroup::SLedZTest, 0), c.testing ? 2 : 0) << c.group;
        // Zones without a group are switched off; a short text greys the general lamps.
        EXPECT_EQ(st.tagOf(LampGroup::PunterLedAlarmaUrano, 2), 0) << c.group;
        EXPECT_EQ(st.tagOf(LampGroup::SLedFalloAlim, 0), 0) << c.group;
    }
    // A full text: characters 52 on are the general indicators.
    QString zones = QStringLiteral("002").repeated(12) + QString(48, u'0');
    zones[51] = u'1'; // 52: earth fault
    zones[52] = u'3'; // 53: supply, flashing fast
    zones[56] = u'1'; zones[58] = u'1'; // 57, 59 not both 0; 56, 58 both 0: off
    zones[66] = u'1'; // 67: buzzer silenced
    const PanelStatus st = decode("Urano", QStringLiteral("pw|") + zones);
    EXPECT_EQ(st.named.value("SLedFalloTerra"), 1);
    EXPECT_EQ(st.tagOf(LampGroup::SLedFalloAlim, 0), 2);
    EXPECT_TRUE(st.reloadFast);
    EXPECT_EQ(st.tagOf(LampGroup::SLedFalloSirenes, 0), 0);
    EXPECT_EQ(st.named.value("SLedSilZum"), 1);
}

TEST(ID3000Status, LabelsSideBySideAndLamps)
{
    const PanelStatus st = decode("ID3000", QStringLiteral("2|0|0|0|0|0|3|0|0|1"));
    ASSERT_NE(label(st, "LAvariaID3000"), nullptr);
    EXPECT_TRUE(label(st, "LAvariaID3000")->visible);
    EXPECT_EQ(label(st, "LAvariaID3000")->x, 40);
    EXPECT_EQ(label(st, "LProvaID3000")->x, 114);
    EXPECT_FALSE(label(st, "LAlarmaID3000")->visible);
    EXPECT_EQ(st.selected, QStringLiteral("Fault"));
    EXPECT_EQ(st.fetch, QStringList{"Fault"});
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatID3000, 0), 0);
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatID3000, 2), 2); // buzzer 2: fault flashes
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatID3000, 7), 1);
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatID3000, 8), 1);

    const PanelStatus rest = decode("ID3000", QStringLiteral("0|0|0|0|0|0|0|0|0|0"));
    EXPECT_TRUE(rest.selected.isEmpty());
    EXPECT_TRUE(rest.fetch.isEmpty());
    EXPECT_EQ(rest.tagOf(LampGroup::PunterLedEstatID3000, 5), 0);
}

TEST(CountModels, WhichListIsFetchedFirst)
{
    const struct {
        const char *model;
        const char *text;
        QStringList fetch;
    } cases[] = {
        {"MA-2000", "0|0|0|0|2|0|0|0|1|0", {"PreAlarm"}},
        {"PL-1000", "0|0|0|0|0|0|0|4|0|1", {"Disablement"}},
        {"JadeBird", "0|0|0|0|0|0|0|0|0|0", {"Fire"}},
        {"JadeBird", "0|0|0|0|0|0|0|2|1", {"Disablement"}},
        {"AD300", "1|1|0|0|2|0|0|1", {"Fire", "Disablement", "Prealarm"}},
        {"AD600", "0|1|0|0|0|0|1|0|1", {"Fault", "TechAlarm", "Fire"}},
        {"Syncro", "0|1|0|0|0|0|2|0|0|1", {"Fire", "Fault", "Test"}},
        {"C-Tec XFP", "", {"Fire", "Fault", "Disablement", "Test", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decode(c.model, QLatin1String(c.text)).fetch, c.fetch) << c.model << " " << c.text;
}

TEST(SyncroStatus, TheScreenOpensWithTheThreeCountsThenAnEmptyLine)
{
    const struct {
        const char *text;
        const char *first;
    } cases[] = {
        {"0|0|0|0|0|0|0|0|0|0", " ZONA EN ALARMA=000  AVER=000  DESACT=000"},
        {"1|1|0|0|0|0|2|0|0|0", " ZONA EN ALARMA=001  AVER=002  DESACT=000"},
        // Other kinds are listed but not counted on the first line.
        {"0|12|3|4|5|6|7|89|10|11", " ZONA EN ALARMA=012  AVER=007  DESACT=089"},
        {"0|1234|x||0|0|-3", " ZONA EN ALARMA=1234  AVER=000  DESACT=000"},
        {"", " ZONA EN ALARMA=000  AVER=000  DESACT=000"},
    };
    for (const auto &c : cases) {
        const PanelStatus st = decode("Syncro", QLatin1String(c.text));
        ASSERT_EQ(st.lines.size(), 2) << c.text;
        EXPECT_EQ(st.lines[0].text, QLatin1String(c.first)) << c.text;
        EXPECT_TRUE(st.lines[1].text.isEmpty());
    }
}

TEST(CountModels, LabelsAndLampsOfTheirFronts)
{
    const PanelStatus jade = decode("JadeBird", QStringLiteral("1200%1|1|10100000000|0|0|0|0|0|0").arg(QString(28, u'0')));
    EXPECT_EQ(jade.tagOf(LampGroup::PunterLedZonaJadeBird, 1), 1);
    EXPECT_EQ(jade.tagOf(LampGroup::PunterLedZonaJadeBird, 2), 2);
    EXPECT_EQ(jade.tagOf(LampGroup::PunterLedEstatJadeBird, 1), 1);
    EXPECT_EQ(jade.tagOf(LampGroup::PunterLedEstatJadeBird, 11), 1); // stand-by always
    EXPECT_EQ(label(jade, "LJadeBirdAlarma")->text, QStringLiteral("001 - ALARMA"));
    // Short zone or lamp texts switch all their lamps off.
    const PanelStatus shortJade = decode("JadeBird", QStringLiteral("12|1|101"));
    EXPECT_EQ(shortJade.tagOf(LampGroup::PunterLedZonaJadeBird, 1), 0);
    EXPECT_EQ(shortJade.tagOf(LampGroup::PunterLedEstatJadeBird, 1), 0);
    EXPECT_EQ(label(shortJade, "LJadeBirdAlarma")->count, 0); // fewer than nine fields

    const PanelStatus pl = decode("PL-1000", QStringLiteral("0|3|0|0|0|0|0|0|0|0"));
    EXPECT_EQ(label(pl, "LPL1000Alarma")->text, QStringLiteral("Alarma  3"));
    EXPECT_FALSE(label(pl, "LPL1000Prova")->visible);

    const PanelStatus ma = decode("MA-2000", QStringLiteral("1|2|1|0|0|0|0|1|0|0"));
    EXPECT_EQ(ma.tagOf(LampGroup::PunterLedEstatMA2000, 0), 2);
    EXPECT_EQ(ma.tagOf(LampGroup::PunterLedEstatMA2000, 6), 1);
    EXPECT_EQ(ma.tagOf(LampGroup::PunterLedEstatMA2000, 7), 1);

    const PanelStatus ctec = decode("C-Tec XFP", QStringLiteral("0120|1|x|2"));
    EXPECT_EQ(ctec.tagOf(LampGroup::PunterLedZonaCtecXFP, 2), 1);
    EXPECT_EQ(ctec.tagOf(LampGroup::PunterLedZonaCtecXFP, 3), 2);
    EXPECT_EQ(ctec.tagOf(LampGroup::PunterLedEstatCtecXFP, 2), 0);
    EXPECT_EQ(ctec.tagOf(LampGroup::PunterLedEstatCtecXFP, 3), 2);

    const PanelStatus ad300 = decode("AD300", QStringLiteral("0|0|0|0|0|0|0|0"));
    EXPECT_EQ(ad300.tagOf(LampGroup::PunterLedAlarmaAD300, 20), 0);
    EXPECT_EQ(decode("AD300", QStringLiteral("1|2|0|0|1|0|3|4")).total, 10);
    EXPECT_EQ(decode("AD300", QStringLiteral("1|1100000000|0|0|1100000000|0|1100000000|1100000000")).total,
              4 * kMaxCount);
}

TEST(ApplyLamps, TagsReachTheBoardAndFlashingReloadsTheCountdowns)
{
    LampBoard board;
    board.tempsLedZones = 1;
    const PanelStatus st = decode("Urano", QStringLiteral("pw|100022"));
    applyLamps(board, st);
    EXPECT_EQ(board.lamp(LampGroup::PunterLedAlarmaUrano, 1).Tag, 1);
    EXPECT_EQ(board.lamp(LampGroup::PunterLedFalloUrano, 2).Tag, 2);
    EXPECT_EQ(board.tempsLedZones, LampBoard::kSlowReload);
    EXPECT_EQ(board.tempsLedZonesRapid, LampBoard::kFastReload);
    // The same status again, as the panel repeats it, lets the flash go on.
    board.tempsLedZones = 2;
    board.tempsLedZonesRapid = 1;
    applyLamps(board, st);
    EXPECT_EQ(board.tempsLedZones, 2);
    EXPECT_EQ(board.tempsLedZonesRapid, 1);
    // A lamp written twice by one status (JadeBird's stand-by) is no change.
    PanelStatus twice;
    twice.lamps = {{LampGroup::PunterLedAlarmaUrano, 1, 0}, {LampGroup::PunterLedAlarmaUrano, 1, 1}};
    twice.reloadSlow = true;
    board.tempsLedZones = 2;
    applyLamps(board, twice);
    EXPECT_EQ(board.tempsLedZones, 2);
    // A Tag for a slot past the group's end is dropped, not written elsewhere.
    PanelStatus wild;
    wild.lamps.append({LampGroup::SLedZTest, 5, 2});
    applyLamps(board, wild);
    EXPECT_EQ(board.lamp(LampGroup::SLedZTest, 0).Tag, 0);
}

} // namespace
