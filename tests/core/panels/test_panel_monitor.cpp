// The panel monitor on the information stream: which records reach which
// model, when event records are taken, and what each asks for next.
#include "core/link/LinkState.h"
#include "core/panels/PanelMonitor.h"
#include "core/programming/ProgrammingState.h"
#include "core/status/LampBoard.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::panels;

namespace {

struct Monitor {
    LinkState link;
    LampBoard board;
    ProgrammingState view;
    PanelMonitor monitor{link, board, view};
    QSignalSpy lists{&monitor, &PanelMonitor::listWanted};
    QSignalSpy lines{&monitor, &PanelMonitor::eventLines};
    QSignalSpy refresh{&monitor, &PanelMonitor::statusRefreshWanted};

    explicit Monitor(const char *central)
    {
        link.central = QString::fromLatin1(central);
        link.identConnectar = QStringLiteral("1000123");
        view.panelmostrat = ProgrammingState::estat();
    }
    void record(const char *code, const QString &payload) { monitor.panelRecord(QChar(code[0]), QChar(code[1]), payload); }
    QStringList wanted()
    {
        QStringList l;
        for (const auto &args : std::as_const(lists))
            l << args.at(1).toString() + u'/' + args.at(2).toString();
        lists.clear();
        return l;
    }
};

TEST(PanelMonitor, StatusRecordsLightTheLampsAndAskForTheirList)
{
    Monitor m("ID3000");
    m.record("A7", QStringLiteral("1|1|0|0|0|0|0|0|0|0"));
    EXPECT_EQ(m.board.lamp(LampGroup::PunterLedEstatID3000, 0).Tag, 2);
    EXPECT_EQ(m.wanted(), QStringList{"Syncro/Fire"});
    // "A7" goes to the first count-record model central names; none: ignored.
    Monitor none("Velmar");
    none.record("A7", QStringLiteral("1|1|0|0|0|0|0|0|0|0"));
    EXPECT_TRUE(none.wanted().isEmpty());
}

TEST(PanelMonitor, EventRecordsOnlyWhileTheStatusViewShowsTheAttachedModel)
{
    const QString event = QStringLiteral("1|0001|012|2|5|0010203001000000");
    const struct {
        const char *what;
        const char *central;
        bool programmingShown;
        bool identified;
        bool taken;
    } cases[] = {
        {"status view, ID3000 attached", "ID3000", false, true, true},
        {"programming view in front", "ID3000", true, true, false},
        {"module identifier unknown", "ID3000", false, false, false},
        {"a panel without event records attached", "Cofem CLVR", false, true, false},
    };
    for (const auto &c : cases) {
        Monitor m(c.central);
        if (c.programmingShown)
            m.view.panelmostrat = ProgrammingState::programacio();
        if (!c.identified)
            m.link.identConnectar.clear();
        m.record("C7", event);
        EXPECT_EQ(m.lines.count(), c.taken ? 1 : 0) << c.what;
    }
}

TEST(PanelMonitor, EventRecordsRefetchOrRefresh)
{
    Monitor bc("BC600");
    bc.record("C4", QStringLiteral("x001"));
    EXPECT_EQ(bc.wanted(), QStringList{"BC600/Alarm"});
    bc.record("C4", QStringLiteral("x004")); // not the kind shown
    EXPECT_TRUE(bc.wanted().isEmpty());
    bc.monitor.chooseKind(QStringLiteral("BC600"), QStringLiteral("Fault"));
    EXPECT_EQ(bc.wanted(), QStringList{"BC600/Fault"});
    bc.record("C4", QStringLiteral("x004"));
    EXPECT_EQ(bc.wanted(), QStringList{"BC600/Fault"});
    // The next status fetches the kind chosen.
    bc.record("A4", QStringLiteral("0|0|0|0|1|0|0"));
    EXPECT_EQ(bc.wanted(), QStringList{"BC600/Fault"});

    Monitor ad("AD300");
    ad.record("C7", QStringLiteral("anything"));
    EXPECT_EQ(ad.refresh.count(), 1);
    EXPECT_EQ(ad.lines.count(), 0);
}

TEST(PanelMonitor, AFetchedFireListFlashesItsZones)
{
    Monitor m("AD300");
    m.record("A7", QStringLiteral("1|2|0|0|0|0|0|0|0|0"));
    m.board.tempsLedZones = 0;
    m.monitor.listFetched(QStringLiteral("AD300"), QStringLiteral("Fire"),
                          QStringLiteral("000001000A010103\r000001000A010107\r"));
    EXPECT_EQ(m.board.lamp(LampGroup::PunterLedAlarmaAD300, 3).Tag, 2);
    EXPECT_EQ(m.board.lamp(LampGroup::PunterLedAlarmaAD300, 7).Tag, 2);
    EXPECT_EQ(m.board.lamp(LampGroup::PunterLedAlarmaAD300, 4).Tag, 0);
    EXPECT_EQ(m.board.tempsLedZones, LampBoard::kSlowReload);
    ASSERT_EQ(m.lines.count(), 1);
    EXPECT_TRUE(m.lines.at(0).at(2).toBool()); // the list replaces the display
}

// The display lines of every eventLines emission: (replace, texts).
QList<std::pair<bool, QStringList>> shown(QSignalSpy &lines)
{
    QList<std::pair<bool, QStringList>> out;
    for (const auto &args : std::as_const(lines)) {
        QStringList texts;
        for (const EventLine &l : args.at(1).value<QList<EventLine>>())
            texts << l.text;
        out.append({args.at(2).toBool(), texts});
    }
    lines.clear();
    return out;
}

TEST(PanelMonitor, TheListsOfOneStatusShareTheDisplayInOrder)
{
    Monitor m("AD300");
    m.record("A7", QStringLiteral("0|1|0|0|0|0|1|1|0|0"));
    EXPECT_EQ(m.wanted(), QStringList({"Syncro/Fire", "Syncro/Fault", "Syncro/Disablement"}));
    EXPECT_EQ(m.lines.count(), 0); // the first list to come clears the display
    for (const char *kind : {"Fire", "Fault", "Disablement"})
        m.monitor.listFetched(QStringLiteral("AD300"), QLatin1String(kind), QStringLiteral("000033640A010103: {x:Lazo}\r"));
    const auto round = shown(m.lines);
    ASSERT_EQ(round.size(), 3);
    EXPECT_TRUE(round[0].first);
    EXPECT_FALSE(round[1].first);
    EXPECT_FALSE(round[2].first);
    // A list chosen on the view replaces the display.
    m.monitor.chooseKind(QStringLiteral("AD300"), QStringLiteral("Fault"));
    EXPECT_EQ(m.wanted(), QStringList{"Syncro/Fault"});
    m.monitor.listFetched(QStringLiteral("AD300"), QStringLiteral("Fault"), QString());
    const auto chosen = shown(m.lines);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_TRUE(chosen[0].first);
    // A list that could not be read (empty text) leaves the display empty.
    EXPECT_TRUE(chosen[0].second.isEmpty());
}

TEST(PanelMonitor, AStatusWithoutListsRewritesTheDisplay)
{
    Monitor m("ID3000");
    m.record("A7", QStringLiteral("0|0|0|0|0|0|0|0|0|0"));
    EXPECT_TRUE(m.wanted().isEmpty());
    const auto rest = shown(m.lines);
    ASSERT_EQ(rest.size(), 1);
    EXPECT_TRUE(rest[0].first);
    EXPECT_TRUE(rest[0].second.isEmpty());

    Monitor zafir("Cofem-A");
    zafir.record("A5", QStringLiteral("100000|A00101"));
    const auto sections = shown(zafir.lines);
    ASSERT_EQ(sections.size(), 1);
    EXPECT_TRUE(sections[0].first);
    EXPECT_EQ(sections[0].second.size(), 5); // four headings and the alarm
}

TEST(PanelMonitor, TheSyncroScreenIsWrittenWholeOnceItsListsAreBack)
{
    const QString entry = QStringLiteral("00011201000A: {x:Pasillo}\r");
    Monitor m("Syncro");
    m.record("A7", QStringLiteral("1|1|0|0|0|0|2|1|0|0"));
    EXPECT_EQ(m.wanted(), QStringList({"Syncro/Fire", "Syncro/Fault", "Syncro/Disablement"}));
    // The first line at once, from the status's counts.
    EXPECT_EQ(shown(m.lines),
              (QList<std::pair<bool, QStringList>>{{true, {" ZONA EN ALARMA=001  AVER=002  DESACT=001", ""}}}));
    m.monitor.listFetched(QStringLiteral("Syncro"), QStringLiteral("Fire"), entry);
    m.monitor.listFetched(QStringLiteral("Syncro"), QStringLiteral("Fault"), entry + entry);
    EXPECT_EQ(m.lines.count(), 0); // then nothing before the last list
    // The Disablement list came back empty: its count shows 000.
    m.monitor.listFetched(QStringLiteral("Syncro"), QStringLiteral("Disablement"), QString());
    const auto screen = shown(m.lines);
    ASSERT_EQ(screen.size(), 1);
    EXPECT_TRUE(screen[0].first);
    ASSERT_GT(screen[0].second.size(), 2);
    EXPECT_EQ(screen[0].second[0], QStringLiteral(" ZONA EN ALARMA=001  AVER=002  DESACT=000"));
    EXPECT_TRUE(screen[0].second[1].isEmpty());
    // The lists in the order read: the fire entry first.
    EXPECT_EQ(screen[0].second[2], QStringLiteral("* FUEGO:  *"));
    // A late answer of an earlier round does not replace the screen.
    m.monitor.listFetched(QStringLiteral("Syncro"), QStringLiteral("Fire"), entry);
    EXPECT_EQ(m.lines.count(), 0);

    // At rest no list is read and the first line alone is shown.
    m.record("A7", QStringLiteral("0|0|0|0|0|0|0|0|0|0"));
    EXPECT_TRUE(m.wanted().isEmpty());
    EXPECT_EQ(shown(m.lines),
              (QList<std::pair<bool, QStringList>>{{true, {" ZONA EN ALARMA=000  AVER=000  DESACT=000", ""}}}));
}

TEST(PanelMonitor, JadeBirdShowsAKindWithoutEventsWithoutReadingIt)
{
    Monitor m("JadeBird");
    const QString quiet = QStringLiteral("0").repeated(32) + QStringLiteral("|0|") + QStringLiteral("0").repeated(11)
                          + QStringLiteral("|0|0|0|0|0|0|0|0|0|0|0|0|0");
    m.record("A7", quiet);
    EXPECT_TRUE(m.wanted().isEmpty());
    EXPECT_EQ(shown(m.lines), (QList<std::pair<bool, QStringList>>{{true, {"Sin alarmas"}}}));
    m.monitor.chooseKind(QStringLiteral("JadeBird"), QStringLiteral("Fault"));
    EXPECT_TRUE(m.wanted().isEmpty());
    EXPECT_EQ(shown(m.lines), (QList<std::pair<bool, QStringList>>{{true, {"Sin averias"}}}));

    QStringList fault = quiet.split(u'|');
    fault[6] = QStringLiteral("2");
    m.record("A7", fault.join(u'|'));
    EXPECT_EQ(m.wanted(), QStringList{"Syncro/Fault"});
    m.monitor.chooseKind(QStringLiteral("JadeBird"), QStringLiteral("Test"));
    EXPECT_TRUE(m.wanted().isEmpty());
    EXPECT_EQ(shown(m.lines).value(0).second, QStringList{"Sin eventos"});
}

} // namespace
