// The zone panels told as Urano's differences (Supra, Komttech), the
// CCD-100 and the Cofem-A: status texts into lamp Tags, indicators, texts
// and the Cofem-A display.
#include "core/panels/StatusDecoders.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;

namespace {

PanelStatus decode(const char *model, const QString &text)
{
    const StatusDecoder d = statusDecoderFor(QLatin1String(model));
    EXPECT_NE(d, nullptr) << model;
    return d ? d(text) : PanelStatus{};
}

// A zone text: the twelve groups (zone 1 first, the rest "002"), then
// characters set at their places counted from 1, "0" elsewhere up to `size`.
QString zoneText(const QString &firstGroups, std::initializer_list<std::pair<int, char>> at = {}, int size = 84)
{
    QString z = firstGroups;
    while (z.size() < 36)
        z += QStringLiteral("002");
    z = z.leftJustified(size, u'0');
    for (const auto &[pos, c] : at)
        z[pos - 1] = QLatin1Char(c);
    return QStringLiteral("0000|") + z;
}

struct LampCase {
    LampGroup group;
    int index;
    int tag;
};

TEST(SupraStatus, ZonesAndGeneralLamps)
{
    const struct {
        const char *what;
        QString text;
        std::vector<LampCase> lamps;
        std::map<const char *, int> named;
    } cases[] = {
        {"zone 1 in alarm", zoneText("102"),
         {{LampGroup::PunterLedAlarmaSupra, 1, 1}, {LampGroup::PunterLedFalloSupra, 1, 0}, {LampGroup::SLSupraTest, 0, 0}},
         {{"SLSupraZAnul", 0}, {"SLSupraServei", 1}}},
        // Urano would flash it fast for a "2": a Supra zone in test is lit.
        {"zone 2 in test", zoneText("002021"),
         {{LampGroup::PunterLedFalloSupra, 2, 1}, {LampGroup::SLSupraTest, 0, 2}}, {}},
        {"zone 3 disabled", zoneText("002002000"), {{LampGroup::PunterLedFalloSupra, 3, 3}}, {{"SLSupraZAnul", 1}}},
        {"general characters", zoneText("", {{49, '1'}, {50, '1'}, {51, '1'}, {53, '3'}, {55, '2'}, {66, '1'}}),
         {{LampGroup::SLSupraTest, 0, 2}, {LampGroup::SlSupraFalloAlim, 0, 2}, {LampGroup::SLSupraFalloSirenes, 0, 3}},
         {{"SLSupraAlarma", 1}, {"SLSupraLed51", 1}, {"SLSupraLed52", 0}, {"SLSupraLed66", 1}}},
        {"character 83 lights the sirens fault and the disabled indicator", zoneText("", {{55, '2'}, {83, '1'}}),
         {{LampGroup::SLSupraFalloSirenes, 0, 1}}, {{"SLSupraZAnul", 1}}},
        {"supply lamp lit", zoneText("", {{53, '1'}}), {{LampGroup::SlSupraFalloAlim, 0, 1}}, {}},
        {"short text: zones off, general lamps off", QStringLiteral("0000|1"),
         {{LampGroup::PunterLedAlarmaSupra, 1, 0}, {LampGroup::SlSupraFalloAlim, 0, 0},
          {LampGroup::SLSupraFalloSirenes, 0, 0}},
         {{"SLSupraAlarma", 0}}},
    };
    for (const auto &c : cases) {
        const PanelStatus st = decode("Supra", c.text);
        for (const LampCase &l : c.lamps)
            EXPECT_EQ(st.tagOf(l.group, l.index), l.tag) << c.what << " lamp " << int(l.group) << "/" << l.index;
        for (const auto &[name, value] : c.named)
            EXPECT_EQ(st.named.value(QLatin1String(name), -1), value) << c.what << " " << name;
    }
}

TEST(KomttechStatus, DisabledZonesSupplyAndIndicators)
{
    const PanelStatus disabled = decode("Komttech", zoneText("000"));
    EXPECT_EQ(disabled.tagOf(LampGroup::PunterLedFalloKomttech, 1), 4);
    EXPECT_EQ(disabled.named.value("SKLedZAnul"), 1);
    EXPECT_EQ(disabled.named.value("SKLedAlim"), 1);

    // Character 53: slow flashing is Tag 2 of its lamp, fast flashing Tag 1.
    const struct {
        char supply;
        int tag;
    } supplies[] = {{'0', 0}, {'1', 2}, {'2', 1}, {'3', 1}, {'4', 3}};
    for (const auto &s : supplies)
        EXPECT_EQ(decode("Komttech", zoneText("", {{53, s.supply}})).tagOf(LampGroup::SKLedFalloAlim, 0), s.tag)
            << s.supply;

    const PanelStatus general = decode("Komttech", zoneText("", {{52, '1'}, {57, '0'}, {59, '0'}, {66, '1'}, {67, '1'}}));
    EXPECT_EQ(general.named.value("SKLedFalloTerra"), 1);
    EXPECT_EQ(general.tagOf(LampGroup::SKLedFalloSirenes, 0), 1);
    EXPECT_EQ(general.named.value("SKLedSilSir"), 1);
    EXPECT_EQ(general.named.value("SKLedSilZum"), 1);

    // A text of 51 characters or fewer has no general part.
    const PanelStatus shortText = decode("Komttech", zoneText("012", {}, 51));
    EXPECT_EQ(shortText.named.value("SKLedFalloTerra", -1), 0);
    EXPECT_EQ(shortText.tagOf(LampGroup::SKLedFalloSirenes, 0), 0);
    EXPECT_EQ(shortText.tagOf(LampGroup::PunterLedFalloKomttech, 1), 1);
}

TEST(CCD100Status, VersionZonesAndGeneralLamps)
{
    const QString rest = QStringLiteral("000").repeated(11);
    const struct {
        const char *what;
        QString text;
        int shownZones;
        std::vector<LampCase> lamps;
    } cases[] = {
        {"alarm in zone 1", QStringLiteral("CCD-100 v2.1 (12 zones)|101") + rest + QStringLiteral("-0000000000100-listo"), 12,
         {{LampGroup::PunterLedAlarmaCCD, 1, 1}, {LampGroup::PunterLedFalloCCD, 1, 0},
          {LampGroup::PunterLedFalloGeneralCCD, 10, 1}}},
        {"fault lit, then flashing fast", QStringLiteral("CCD-100 (8 zones)|010020") + rest, 8,
         {{LampGroup::PunterLedFalloCCD, 1, 1}, {LampGroup::PunterLedFalloCCD, 2, 3}}},
        {"alarm flashing with its fault flashing", QStringLiteral("CCD-100 (11 zones)|203") + rest, 12,
         {{LampGroup::PunterLedAlarmaCCD, 1, 2}, {LampGroup::PunterLedFalloCCD, 1, 2}}},
        {"no zone count", QStringLiteral("CCD-100|"), 0, {{LampGroup::PunterLedAlarmaCCD, 1, -1}}},
    };
    for (const auto &c : cases) {
        const PanelStatus st = decode("Detnov CCD-100", c.text);
        EXPECT_EQ(st.texts.value("LDetnovVersio"), c.text.section(u'|', 0, 0)) << c.what;
        for (int z = 1; z <= 12; ++z)
            EXPECT_EQ(st.visible.value(QStringLiteral("PDetnovZ%1").arg(z)), z <= c.shownZones) << c.what << " zone " << z;
        for (const LampCase &l : c.lamps)
            EXPECT_EQ(st.tagOf(l.group, l.index), l.tag) << c.what << " lamp " << l.index;
    }
    const PanelStatus st = decode("Detnov CCD-100", QStringLiteral("CCD-100 (12 zones)|") + rest + QStringLiteral("000-0300000000000-En servicio"));
    EXPECT_EQ(st.texts.value("Edit1"), QStringLiteral("En servicio"));
    EXPECT_TRUE(st.reloadFast);
}

TEST(ZafirStatus, CentralLampsAndTheFourSections)
{
    const PanelStatus st = decode("Cofem-A (Zafir)", QStringLiteral("120000|A001022101008C0203130500FF0101A9"));
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatCofemZafir, 0), 1);
    EXPECT_EQ(st.tagOf(LampGroup::PunterLedEstatCofemZafir, 1), 2);
    EXPECT_TRUE(st.fetch.isEmpty());
    QStringList lines;
    for (const EventLine &l : st.lines)
        lines << (l.heading ? QStringLiteral("# ") : QString()) + l.text;
    // Unknown codes and a record cut short show nothing.
    EXPECT_EQ(lines.join(u'\n').toStdString(), QStringList({
                         "# ALARMAS                                     TIPO:",
                         "01 Bucle  1  Punto 2     SENSOR",
                         "# AVERIAS                                      TIPO:",
                         "01 Bucle  1     COMUNICACIÓN REPETIDORA",
                         "# DISPARO                                      RELE:",
                         "01 Bucle  2  Punto 3     CORTOCIRCUITO",
                         "# ANULADA                                     TIPO:",
                         "01 Zona   5     ZONA ANULADA",
                     }).join(u'\n').toStdString());
    const PanelStatus quiet = decode("Cofem-A (Zafir)", QStringLiteral("000000|"));
    EXPECT_EQ(quiet.lines.size(), 4); // the headings alone
}

} // namespace
