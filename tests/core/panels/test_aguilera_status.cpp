// The Aguilera status texts: AE/SA counts and zone lists into the texts of
// the chosen list, AE/C5 lamps and zone flags into the blink engine's Tags,
// and both records routed from the information stream.
#include "core/link/LinkState.h"
#include "core/panels/AguileraStatus.h"
#include "core/panels/PanelMonitor.h"
#include "core/programming/ProgrammingState.h"
#include "core/status/LampBoard.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;

namespace {

QStringList lines(std::initializer_list<const char *> l)
{
    QStringList out;
    for (const char *s : l)
        out << QString::fromUtf8(s);
    return out;
}

TEST(AguileraAesa, CountsAndZoneEntriesAsStored)
{
    const struct {
        const char *text;
        std::array<int, 4> counts;
        QStringList alarm; // zalarma
        QStringList test;  // zprova
    } cases[] = {
        {"3|0|0|0:12=Pasillo;15=Cocina;9999=Sistema|||",
         {3, 0, 0, 0},
         lines({"0012  Pasillo", "0015  Cocina", "9999 Zona de sistema"}),
         {}},
        {"1|0|0|2:7=*Aula||| 4=*Hall;123=Sala", {1, 0, 0, 2}, lines({"0007  *Aula"}), lines({"0004  *Hall", "0123  Sala"})},
        // Three entries at most; empty entries and an entry without "=" kept apart.
        {"9|0|0|0:1=a;;2=b;3=c;4=d|||", {9, 0, 0, 0}, lines({"0001  a", "0002  b", "0003  c"}), {}},
        {"1|0|0|0:56|||", {1, 0, 0, 0}, lines({"0056  "}), {}},
        // Counts that are not numbers, below 0, or missing count 0; no ":" means no lists.
        {"x|-4| 2 ", {0, 0, 2, 0}, {}, {}},
        {"", {0, 0, 0, 0}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const AesaStatus st = Info_Central_AESA(QString::fromUtf8(c.text));
        EXPECT_EQ(st.counts, c.counts);
        EXPECT_EQ(st.entries(AguiList::Alarm), c.alarm);
        EXPECT_EQ(st.entries(AguiList::Test), c.test);
    }
}

TEST(AguileraAesa, ListTextsNumberFirstSecondAndLast)
{
    const struct {
        const char *text;
        AguiList list;
        const char *heading;
        QStringList lines;
    } cases[] = {
        {"3|0|0|0:12=Pasillo;15=Cocina;9999=Sistema|||", AguiList::Alarm, " ESTADO DE ALARMA: 3 zonas",
         lines({"", " 1/3 ZONA EN ALARMA", "   0012  Pasillo", "", " 2/3 ZONA EN ALARMA", "   0015  Cocina", "",
                " 3/3 ZONA EN ALARMA", "   9999 Zona de sistema", ""})},
        // The other states of the same record have none.
        {"3|0|0|0:12=Pasillo;15=Cocina;9999=Sistema|||", AguiList::Disconnection, " ESTADO DE DESCONEXION: 0 zonas",
         {}},
        {"0|2|0|0:|3=Norte;4=Sur||", AguiList::Fault, " ESTADO DE AVERIA: 2 zonas",
         lines({"", " 1/2 ZONA EN AVERIA", "   0003  Norte", "", " 2/2 ZONA EN AVERIA", "   0004  Sur", ""})},
        {"0|0|7|0:||1=a;2=b;7=g|", AguiList::Disconnection, " ESTADO DE DESCONEXION: 7 zonas",
         lines({"", " 1/7 ZONA DESCONECTADA", "   0001  a", "", " 6/7 ZONA DESCONECTADA", "   0002  b", "",
                " 7/7 ZONA DESCONECTADA", "   0007  g", ""})},
        // A zone in test: marked on the other lists, the "*" never shown.
        {"1|0|0|0:7=*Aula|||", AguiList::Alarm, " ESTADO DE ALARMA: 1 zonas",
         lines({"", " 1/1 ZONA EN ALARMA (PRUEBAS)", "   0007  Aula", ""})},
        {"0|0|0|1:|||7=*Aula", AguiList::Test, " ESTADO DE PRUEBAS: 1 zonas",
         lines({"", " 1/1 ZONA EN PRUEBA", "   0007  Aula", ""})},
        // More announced than listed: the missing entries are blank.
        {"2|0|0|0:5=x|||", AguiList::Alarm, " ESTADO DE ALARMA: 2 zonas",
         lines({"", " 1/2 ZONA EN ALARMA", "   0005  x", "", " 2/2 ZONA EN ALARMA", "   ", ""})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " list " + std::to_string(int(c.list)));
        const AguileraListText t = aguileraListText(Info_Central_AESA(QString::fromUtf8(c.text)), c.list);
        EXPECT_EQ(t.heading, QString::fromUtf8(c.heading));
        EXPECT_EQ(t.lines, c.lines);
    }
}

int tagOf(const PanelStatus &st, LampGroup g, int i)
{
    int tag = -1;
    for (const LampTag &l : st.lamps)
        if (l.group == g && l.index == i)
            tag = l.tag;
    return tag;
}

TEST(AguileraAec5, ZoneFlagsIntoTheFourElements)
{
    using G = LampGroup;
    const struct {
        const char *flags;
        int alarm, fault, picture, number;
        bool flashes;
    } cases[] = {
        {"00", 0, 0, 0, 0, false}, {"81", 1, 8, 1, 0, false}, {"82", 2, 8, 1, 0, true},
        {"83", 2, 8, 1, 0, true},  {"84", 8, 3, 1, 0, false}, {"88", 8, 4, 1, 0, true},
        {"C0", 8, 8, 2, 0, false}, {"a0", 8, 8, 1, 1, false}, {"7F", 0, 0, 0, 0, false},
        {"80", 8, 8, 1, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.flags);
        // The zone under test is zone 5; the others are at rest.
        const QString zones = QStringLiteral("80").repeated(4) + QLatin1String(c.flags) + QStringLiteral("80").repeated(11);
        const PanelStatus st = aec5Lamps(Info_Central_AEC5(QStringLiteral("00|0|0000001|") + zones));
        EXPECT_EQ(tagOf(st, G::PunterLedZones, 5), c.alarm);
        EXPECT_EQ(tagOf(st, G::PunterLedZones, 21), c.fault);
        EXPECT_EQ(tagOf(st, G::PunterImatgeZones, 5), c.picture);
        EXPECT_EQ(tagOf(st, G::PunterNumZones, 5), c.number);
        EXPECT_EQ(st.reloadSlow, c.flashes);
        EXPECT_EQ(tagOf(st, G::PunterLedZones, 4), 8);
        EXPECT_EQ(tagOf(st, G::PunterLedZones, 16), 8);
    }
}

TEST(AguileraAec5, PollingFlagsAndFrontLampsInBothForms)
{
    using G = LampGroup;
    const struct {
        const char *text;
        int interface; // REInterCentral: 1 error, 0 ok, -1 not written
        std::array<int, 7> lamps; // -1: not written
        bool estatReload;
        int zonesRead;
    } cases[] = {
        {"00|0|1000001|8180", 0, {1, 0, 0, 0, 0, 0, 1}, false, 2},
        {"20|1|0200000|", 1, {0, 2, 0, 0, 0, 0, 0}, true, 0},
        {"3F|0|01020000000001|", 1, {1, 2, 0, 0, 0, 0, 1}, true, 0},
        // A hexadecimal pair that is not one is off; a short field writes what it has.
        {"x|0|01zz0000000000|", -1, {1, 0, 0, 0, 0, 0, 0}, false, 0},
        {"|||", -1, {-1, -1, -1, -1, -1, -1, -1}, false, 0},
        {"0|0|12|81z0", 0, {1, 2, -1, -1, -1, -1, -1}, true, 1},
        {"", -1, {-1, -1, -1, -1, -1, -1, -1}, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const PanelStatus st = aec5Lamps(Info_Central_AEC5(QString::fromUtf8(c.text)));
        EXPECT_EQ(st.named.value(QStringLiteral("REInterCentral"), -1), c.interface);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(tagOf(st, G::PunterLedEstat, i), c.lamps[i]) << "lamp " << i;
        EXPECT_EQ(st.reloadEstat, c.estatReload);
        int zones = 0;
        for (const LampTag &l : st.lamps)
            zones += l.group == G::PunterImatgeZones;
        EXPECT_EQ(zones, c.zonesRead);
    }
}

TEST(AguileraAec5, AFlashingFrontLampRestartsItsCountdownOnlyWhenItChanges)
{
    LampBoard board;
    board.tempsLedEstat = 2;
    const PanelStatus st = aec5Lamps(Info_Central_AEC5(QStringLiteral("00|0|2000001|")));
    applyLamps(board, st);
    EXPECT_EQ(board.tempsLedEstat, LampBoard::kSlowReload);
    EXPECT_EQ(board.lamp(LampGroup::PunterLedEstat, 0).Tag, 2);
    board.tempsLedEstat = 2;
    applyLamps(board, st);
    EXPECT_EQ(board.tempsLedEstat, 2);
}

struct Monitor {
    LinkState link;
    LampBoard board;
    ProgrammingState view;
    PanelMonitor monitor{link, board, view};
    QSignalSpy aesa{&monitor, &PanelMonitor::aesaDecoded};
    QSignalSpy decoded{&monitor, &PanelMonitor::statusDecoded};
};

TEST(AguileraRecords, A2ForTheListsA3ForTheBoardWhateverIsAttached)
{
    for (const char *central : {"AE/SA", "AE/C5", "ID3000", ""}) {
        SCOPED_TRACE(central);
        Monitor m;
        m.link.central = QString::fromLatin1(central);
        m.monitor.panelRecord(u'A', u'2', QStringLiteral("1|0|0|0:3=Puerta|||"));
        ASSERT_EQ(m.aesa.count(), 1);
        const auto st = m.aesa.at(0).at(0).value<AesaStatus>();
        EXPECT_EQ(st.entries(AguiList::Alarm), QStringList{"0003  Puerta"});
        EXPECT_EQ(m.decoded.count(), 0);

        m.monitor.panelRecord(u'A', u'3', QStringLiteral("20|0|1000001|81"));
        EXPECT_EQ(m.aesa.count(), 1);
        ASSERT_EQ(m.decoded.count(), 1);
        EXPECT_EQ(m.decoded.at(0).at(0).toString(), QStringLiteral("Aguilera AE/C5"));
        EXPECT_EQ(m.board.lamp(LampGroup::PunterLedEstat, 0).Tag, 1);
        EXPECT_EQ(m.board.lamp(LampGroup::PunterLedZones, 1).Tag, 1);
        EXPECT_EQ(m.board.lamp(LampGroup::PunterLedZones, 17).Tag, 8);
    }
}

} // namespace
