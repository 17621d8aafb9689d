// The panel pages in the window: the tab the attached model selects, its
// caption and title, and the address fields' keys.
#include "core/panels/PanelCatalogue.h"
#include "core/programming/ModuleCommands.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include "PanelWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::ui;

namespace {

struct Window : velmar::test::PanelWindow {
    // The programming view opened with this panel attached.
    void attach(const char *central)
    {
        Engine &e = w->engine();
        e.state.central = QString::fromLatin1(central);
        const ModuleCommands::PanelTab t = ModuleCommands::panelTabFor(e.state.central);
        e.programming.arrangeTabs(t.tab, t.caption, t.title);
    }
    QTabWidget *tabs() const { return w->programming()->tabs(); }
    QStringList visiblePanelTabs() const
    {
        QStringList shown;
        for (int i = 3; i < tabs()->count(); ++i)
            if (tabs()->isTabVisible(i))
                shown << tabs()->widget(i)->objectName() + u'=' + tabs()->tabText(i);
        return shown;
    }
};

TEST(PanelPagesUi, OnlyTheAttachedModelsTabIsOffered)
{
    Window win;
    EXPECT_TRUE(win.visiblePanelTabs().isEmpty()); // nothing before a module is known
    const struct {
        const char *central;
        const char *shown;
    } cases[] = {
        {"Cofem-A", "TSCentralZafir=Cofem-A"},
        {"Komttech", "TSCentralSupra=Komttech"},
        {"Supra", "TSCentralSupra=Supra"},
        {"Detnov CCD-100", "TSCentralDetnovCCD=CCD-100"},
        {"Puertas", "TSPortes=Accesos"},
        {"EasyDetect", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        win.attach(c.central);
        EXPECT_EQ(win.visiblePanelTabs().join(u' '), QLatin1String(c.shown)) << c.central;
    }
}

TEST(PanelPagesUi, KomttechRecaptionsTheSupraPageAndSupraRestoresIt)
{
    Window win;
    auto *title = win.w->findChild<QLabel *>(QStringLiteral("LSupra"));
    ASSERT_NE(title, nullptr);
    win.attach("Komttech");
    EXPECT_EQ(title->text(), QStringLiteral("CENTRAL DE INCENDIOS KOMTTECH"));
    win.attach("Supra");
    EXPECT_EQ(title->text(), QStringLiteral("CENTRAL DE INCENDIOS SUPRA"));
    EXPECT_EQ(win.visiblePanelTabs(), QStringList{"TSCentralSupra=Supra"});
}

TEST(PanelPagesUi, AddressTakesHexadecimalDigitsAndIsPaddedOnLeaving)
{
    Window win;
    win.attach("AD300");
    win.tabs()->setCurrentWidget(win.w->findChild<QWidget *>(QStringLiteral("TSCentralAD300")));
    auto *address = win.w->findChild<QLineEdit *>(QStringLiteral("EAdrAD300"));
    auto *baud = win.w->findChild<QLineEdit *>(QStringLiteral("EBaudsAD300"));
    ASSERT_NE(address, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*win.w));
    address->setFocus();
    QTest::keyClicks(address, "g7z");
    EXPECT_EQ(address->text(), QStringLiteral("7"));
    baud->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(address->text(), QStringLiteral("07"));
    EXPECT_EQ(win.w->engine().fields.edit(u"EAdrAD300")->text(), QStringLiteral("07"));
    // Its own hint, with its parameter under it.
    EXPECT_EQ(baud->toolTip(), QStringLiteral("BaudRate,paritat (por ejemplo 19200,e)\nParámetro : ")
                                   + QString::number(win.w->engine().fields.field(baud->objectName())->Tag));
}

// The door lists' commands: save and delete hidden until the list is edited
// or a row marked, hidden again when that list (and only it) is cleared.
TEST(PanelPagesUi, DoorListCommandsFollowEditsMarksAndClearing)
{
    Window win;
    win.attach("Puertas");
    win.w->showProgramming();
    win.tabs()->setCurrentWidget(win.w->findChild<QWidget *>(QStringLiteral("TSPortes")));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*win.w));
    Engine &e = win.w->engine();
    e.state.circuit = true;
    auto button = [&](const char *name) { return win.w->findChild<QPushButton *>(QLatin1String(name)); };
    // Shown on the page (the view in front may change under the test).
    auto shown = [&](const char *name) { return !button(name)->isHidden(); };
    auto grid = [&](const char *name) { return win.w->findChild<GridEditor *>(QLatin1String(name)); };
    const struct {
        const char *grid;
        const char *read;
        const char *save;
        const char *remove;
        int option;
    } lists[] = {{"SGTelefons", "BBLlegirTel", "BBGuardarTel", "BBEliminarTel", 1},
                 {"SGUsuaris", "BBLlegirUsuaris", "BbGuardarUsuaris", "BBEliminarUsuaris", 2}};
    for (const auto &l : lists) {
        SCOPED_TRACE(l.grid);
        ASSERT_NE(button(l.read), nullptr);
        EXPECT_TRUE(shown(l.read));
        EXPECT_FALSE(shown(l.save));
        EXPECT_FALSE(shown(l.remove));
        GridEditor *g = grid(l.grid);
        g->grid().load(1, 1, QStringLiteral("600000001"));
        g->grid().load(2, 1, QStringLiteral("Ref"));
        EXPECT_FALSE(shown(l.save)) << "what was read is no change";
        g->setCellByUser(g->cellIndex(4, 1), QStringLiteral("2"));
        EXPECT_TRUE(shown(l.save));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->cellIndex(0, 1)).center());
        EXPECT_TRUE(shown(l.remove));
    }
    // Each list's clearing hides its own commands.
    for (const auto &l : lists) {
        e.fields.Esborra_Portes(l.option);
        EXPECT_FALSE(shown(l.save)) << l.save;
        EXPECT_FALSE(shown(l.remove)) << l.remove;
        for (const auto &other : lists)
            if (other.option > l.option) {
                EXPECT_TRUE(shown(other.save)) << other.save;
                EXPECT_TRUE(shown(other.remove)) << other.remove;
            }
    }
    // The user list's key column stays hidden after a clearing.
    EXPECT_TRUE(grid("SGUsuaris")->isColumnHidden(5));
    EXPECT_EQ(grid("SGUsuaris")->grid().heading(1), QStringLiteral("Email"));
}

// Pictures of every panel page with sample values (scripts/screenshots.sh).
TEST(Screenshots, DISABLED_PanelPages)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Window win;
    MainWindow &w = *win.w;
    w.resize(1180, 860);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.showProgramming();
    Engine &e = w.engine();
    e.state.circuit = true;
    const FieldContext none;
    e.fields.deliver(1500, QStringLiteral("19200,e"), none);
    e.fields.deliver(9500, QStringLiteral("eventos-central.txt"), none);
    e.fields.deliver(9750, QStringLiteral("01"), none);
    e.fields.deliver(9000, QStringLiteral("zonas.txt"), none);
    const char *texts[][2] = {{"1110", "Fuego/Fin de fuego"},
                              {"1373", "Avería/Fin de avería"},
                              {"1570", "Anulación/Fin de anulación"},
                              {"1607", "Prueba/Fin de prueba"},
                              {"1118", "Prealarma/Fin de prealarma"}};
    for (GridModel *g : e.fields.grids()) {
        if (!g->design().panelTab.startsWith(QLatin1String("TSCentral")) || g->columns() < 6)
            continue;
        const bool kind = g->columns() == 7;
        for (int r = 1; r <= 5; ++r) {
            int c = 1;
            if (kind)
                g->load(c++, r, QString::number(r * 11).rightJustified(3, u'0'));
            g->load(c++, r, QStringLiteral("1"));
            g->load(c++, r, QString::number(r % 2));
            g->load(c++, r, QStringLiteral("0"));
            g->load(c++, r, QString::fromLatin1(texts[r - 1][0]));
            g->load(c, r, QString::fromUtf8(texts[r - 1][1]));
        }
    }
    for (const panels::PanelModel &m : panels::catalogue()) {
        if (!*m.tab || qstrcmp(m.model, "BC216") == 0 || qstrcmp(m.model, "Aguilera AE/C5") == 0)
            continue;
        win.attach(m.selectedBy.first());
        w.programming()->tabs()->setCurrentWidget(w.findChild<QWidget *>(QString::fromLatin1(m.tab)));
        QCoreApplication::processEvents();
        QString name = QString::fromLatin1(m.selectedBy.first()).remove(u'/').toLower();
        w.grab().save(dir + QStringLiteral("/panel-") + name + QStringLiteral(".png"));
    }
}

} // namespace
