// The panel monitor's cloud reads against velmar-sim: a simulated module
// with its panel in a state keeps its event lists in the cloud emulator, and
// the monitor's lists and status reads bring them to the display.
#include "core/panels/PanelLists.h"
#include "core/panels/PanelMonitor.h"
#include "core/programming/ProgrammingState.h"
#include "core/status/LampBoard.h"
#include "e2e/cloud/CloudRig.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::panels;
using namespace velmar::test;

namespace {

constexpr int kWaitMs = 20000;
const QString kModule = QStringLiteral("1000123");

// The emulator, the monitor on its directory and what the display shows.
struct ListRig {
    CloudRig cloud;
    LampBoard board;
    ProgrammingState view;
    PanelMonitor monitor{cloud.state, board, view};
    PanelLists lists{monitor, *cloud.cloud};
    QSignalSpy lines{&monitor, &PanelMonitor::eventLines};
    QSignalSpy told{&lists, &PanelLists::message};
    QTemporaryDir dir;
    std::optional<SimProcess> module;

    explicit ListRig(const QStringList &args = {}) : cloud(args)
    {
        cloud.state.identConnectar = kModule;
        view.panelmostrat = ProgrammingState::estat();
    }
    // The module with its panel in `state`, its list (NODE/Events/KIND) written.
    bool startModule(const char *panel, const char *state, const char *list)
    {
        const QString scenario = dir.filePath(QStringLiteral("scenario.txt"));
        QFile f(scenario);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QByteArray("panel ") + state + '\n');
        f.close();
        cloud.state.central = QLatin1String(panel);
        module.emplace(QStringList{"--id", kModule, "--panel", QLatin1String(panel), "--cloud",
                                   cloud.endpoints.cloudDatabaseUrl, "--scenario", scenario});
        const QString path = QStringLiteral("Equipments/") + kModule + u'/' + QLatin1String(list);
        return module->ok() && waitFor([&] { return cloud.get(path).isObject(); }, kWaitMs);
    }
    void record(const char *code, const QString &payload) { monitor.panelRecord(QChar(code[0]), QChar(code[1]), payload); }
    // The display as the view would show it: a replacing emission clears it.
    QString display() const
    {
        QStringList shown;
        for (const auto &args : lines) {
            if (args.at(2).toBool())
                shown.clear();
            for (const EventLine &l : args.at(1).value<QList<EventLine>>())
                shown << l.text;
        }
        return shown.join(u'\n');
    }
    bool shows(const QString &text)
    {
        return waitFor([&] { return !lists.busy() && display().contains(text); }, kWaitMs);
    }
};

TEST(PanelListsCloud, TheSimulatedModulesListsReachTheDisplay)
{
    const struct {
        const char *panel; // as the module reports it
        const char *model; // catalogue name
        const char *state;
        const char *list; // the list its state makes
        const char *code;
        const char *status; // what its status record says in that state ("" to choose a kind instead)
        const char *chosen; // the kind then chosen
        const char *shown;
    } cases[] = {
        {"ID3000", "ID3000", "alarm", "Syncro/Events/Fire", "A7", "1|1|0|0|0|0|0|0|0|0", "", "Alarma: ZONA   5   10:20:30\nPasillo norte"},
        {"MA-2000", "MA-2000", "fault", "Syncro/Events/Fault", "A7", "2|0|0|0|0|0|1|0|1|0", "", "Pasillo norte"},
        {"BC600", "BC600", "alarm", "BC600/Events/Alarm", "A4", "1|1|0|0|0|0|0", "", "Detector 11"},
        {"JadeBird", "JadeBird", "test", "Syncro/Events/Test", "A7",
         "00000000000000000000000000000000|0|00000001000|0|0|0|0|0|1|0|0|0|0|0|0|0", "", "Prueba zona 1"},
        {"Bosch", "Avenar (Bosch)", "disable", "Bosch/Events/Disable", "", "", "Disable", "00161-003"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.panel);
        ListRig rig;
        ASSERT_TRUE(rig.cloud.started());
        ASSERT_TRUE(rig.cloud.signUp(QStringLiteral("panel@example.com")));
        ASSERT_TRUE(rig.startModule(c.panel, c.state, c.list));
        if (*c.status)
            rig.record(c.code, QLatin1String(c.status));
        else
            rig.monitor.chooseKind(QLatin1String(c.model), QLatin1String(c.chosen));
        EXPECT_TRUE(rig.shows(QString::fromUtf8(c.shown))) << rig.display().toStdString();
        EXPECT_EQ(rig.told.count(), 0);
    }
}

TEST(PanelListsCloud, AnAD300EventRecordReadsItsStatusBackAndItsFireList)
{
    ListRig rig;
    ASSERT_TRUE(rig.cloud.started());
    ASSERT_TRUE(rig.cloud.signUp(QStringLiteral("panel@example.com")));
    ASSERT_TRUE(rig.startModule("AD300", "alarm", "Syncro/Events/Fire"));
    QSignalSpy status{&rig.monitor, &PanelMonitor::statusDecoded};
    rig.record("C7", QStringLiteral("anything"));
    ASSERT_TRUE(waitFor([&] { return !status.isEmpty(); }, kWaitMs));
    EXPECT_TRUE(rig.shows(QStringLiteral("Evento: 1 de 1"))) << rig.display().toStdString();
    EXPECT_EQ(rig.board.lamp(LampGroup::SAD300Alarma, 0).Tag, 2);
    EXPECT_EQ(rig.board.lamp(LampGroup::PunterLedAlarmaAD300, 3).Tag, 2);
}

TEST(PanelListsCloud, AFailedReadIsToldOnceAndShowsNothing)
{
    ListRig rig({QStringLiteral("--down")});
    ASSERT_TRUE(rig.cloud.started());
    rig.cloud.state.central = QStringLiteral("ID3000");
    for (int i = 0; i < 3; ++i) {
        const qsizetype before = rig.lines.count();
        rig.record("A7", QStringLiteral("1|1|0|0|0|0|0|0|0|0"));
        ASSERT_TRUE(waitFor([&] { return !rig.lists.busy() && rig.lines.count() > before; }, kWaitMs));
    }
    ASSERT_EQ(rig.told.count(), 1);
    EXPECT_EQ(rig.told.at(0).at(0).toString(), QStringLiteral("ERROR"));
    EXPECT_TRUE(rig.told.at(0).at(1).toString().endsWith(QStringLiteral("\rCompruebe la conexión a internet")));
    EXPECT_TRUE(rig.display().isEmpty());

    // Without the module's identifier there is nothing to read and nothing to tell.
    ListRig unknown({QStringLiteral("--down")});
    unknown.cloud.state.identConnectar.clear();
    unknown.cloud.state.central = QStringLiteral("AD300");
    unknown.monitor.chooseKind(QStringLiteral("AD300"), QStringLiteral("Fire"));
    EXPECT_FALSE(unknown.lists.busy());
    EXPECT_EQ(unknown.told.count(), 0);
}

} // namespace
