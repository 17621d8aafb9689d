// The panels' programming pages in the real window against the simulated
// module: the attached model's page is the one offered, "Leer" fills it,
// the user changes a message, "Programar página" writes it and the module
// keeps what the echo confirmed.
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include "e2e/window/Linked.h"
#include "support/Wait.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Linked;
using velmar::test::readTranscript;
using velmar::test::waitFor;

namespace {

int tabIndex(QTabWidget *tabs, const QString &name)
{
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->objectName() == name)
            return i;
    return -1;
}

// What the module sent back for a code: its echo of the stored record.
bool moduleSent(const Linked &l, const QString &line)
{
    return waitFor([&] {
        for (const auto &t : readTranscript(l.transcript()))
            if (t.kind == u"TX" && t.text == line)
                return true;
        return false;
    }, 20000);
}

struct PageCase {
    const char *panel;
    const char *tab;
    const char *title;
    const char *grid;
    int row;             // the row the user changes
    QStringList before;  // that row as read, from column 1
    const char *written; // the command the page write sends
};

class PanelPageSim : public ::testing::TestWithParam<PageCase> {};

TEST_P(PanelPageSim, PageOfTheAttachedModelIsReadEditedAndWritten)
{
    const PageCase &c = GetParam();
    Linked l({QStringLiteral("--panel"), QString::fromLatin1(c.panel)});
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    MainWindow &w = *l.w;
    const Engine &e = w.engine();

    // "Prog.": the module's programming is read once and the panel's tab offered.
    l.find<QPushButton>("BBProg")->click();
    ASSERT_TRUE(waitFor([&] { return w.programmingShown(); }));
    ASSERT_TRUE(waitFor([&] { return !e.programming.busy() && e.programming.progllegida; }, 20000));
    QTabWidget *tabs = w.programming()->tabs();
    const int tab = tabIndex(tabs, QString::fromLatin1(c.tab));
    ASSERT_GE(tab, 0);
    EXPECT_TRUE(tabs->isTabVisible(tab));
    for (const char *other : {"TSCentralBC600", "TSCentralCofem", "TSCentralSyncro", "TSPortes",
                              "TSCentralAguilera", "TSCentralID3000"})
        if (qstrcmp(other, c.tab) != 0) {
            EXPECT_FALSE(tabs->isTabVisible(tabIndex(tabs, QString::fromLatin1(other)))) << other;
        }
    tabs->setCurrentIndex(tab);
    EXPECT_EQ(tabs->currentWidget()->findChild<QLabel *>(QStringLiteral("L") + QString::fromLatin1(c.tab).mid(9))->text(),
              QString::fromUtf8(c.title));

    // "Leer" asks for the page and fills its grid.
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("BBLlegirPag")->click();
    GridEditor *grid = w.programming()->gridEditor(QString::fromLatin1(c.grid));
    ASSERT_NE(grid, nullptr);
    GridModel &g = grid->grid();
    ASSERT_TRUE(waitFor([&] { return !e.programming.busy() && !g.cell(1, c.row).isEmpty(); }, 20000));
    QStringList cells;
    for (int col = 1; col < g.columns(); ++col)
        cells << g.cell(col, c.row);
    EXPECT_EQ(cells, c.before);
    EXPECT_TRUE(l.receives(QStringLiteral("vm+vEr"), mark));

    // The user changes the message text; the row is written with its echo checked.
    grid->setCellByUser(grid->cellIndex(g.columns() - 1, c.row),
                        QStringLiteral("Sirena activa/Sirena parada"));
    EXPECT_TRUE(g.cellDiffers(g.columns() - 1, c.row));
    const qsizetype beforeWrite = l.received().size();
    l.find<QPushButton>("BBGravarPag")->click();
    ASSERT_TRUE(l.receives(QString::fromUtf8(c.written), beforeWrite, 20000));
    ASSERT_TRUE(waitFor([&] { return !e.programming.busy() && !g.cellDiffers(g.columns() - 1, c.row); }, 20000));
    EXPECT_EQ(g.stored(g.columns() - 1, c.row), QStringLiteral("Sirena activa/Sirena parada"));
    // The module keeps the new text: its echo carries it back.
    const QString code = QString::fromUtf8(c.written).mid(3, 4);
    EXPECT_TRUE(moduleSent(l, u'+' + code + u':' + QString::fromUtf8(c.written).mid(8)));
    // Only the changed row travelled; nothing was erased.
    for (const QString &line : l.received(beforeWrite))
        EXPECT_FALSE(line.endsWith(QLatin1String("=0")) && line.contains(u'x')) << qPrintable(line);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeForms, PanelPageSim,
    ::testing::Values(
        // Numbered, four-digit kinds for an exact "BC600".
        PageCase{"BC600", "TSCentralBC600", "CENTRAL DE INCENDIOS BC600/216", "SGCentralBC600", 2,
                 {"0002", "1", "0", "0", "1373", "Avería/Fin de avería"},
                 "vm+9602=0002:1;0;0;1373;Sirena activa/Sirena parada"},
        // Fixed captions, no event kind.
        PageCase{"Cofem CLVR", "TSCentralCofem", "CENTRAL DE INCENDIOS COFEM", "SGCentralCofem", 3,
                 {"1", "0", "0", "1570", "Anulación/Fin de anulación"},
                 "vm+9703=1;0;0;1570;Sirena activa/Sirena parada"},
        // Numbered, two-digit kinds.
        PageCase{"Syncro", "TSCentralSyncro", "CENTRAL DE INCENDIOS SYNCRO", "SGCentralSyncro", 1,
                 {"01", "1", "0", "0", "1110", "Alarma/Fin de alarma"},
                 "vm+9601=01:1;0;0;1110;Sirena activa/Sirena parada"}),
    [](const ::testing::TestParamInfo<PageCase> &info) { return std::string(info.param.tab).substr(2); });

} // namespace
