#include "core/editor/CellMarking.h"
#include "core/params/ControlTable.h"
#include "core/programming/ModuleCommands.h"
#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/Wait.h"

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::waitFor;

namespace {

const char *const kPages[] = {"PConfig", "PConfigSoft", "PUsuari"};

struct Options {
    QTemporaryDir dir;
    StartOptions opts;
    Options()
    {
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = QStringLiteral("/nonexistent/velmar-port");
    }
};

// A message box the program showed, answered by the test.
struct Shown {
    QString title;
    QString text;
    QStringList buttons;
};

// Runs trigger and answers the first message box that opens with `answer`;
// nothing when none opened while the events were processed.
std::optional<Shown> dialogFrom(const std::function<void()> &trigger,
                                QMessageBox::StandardButton answer = QMessageBox::Ok,
                                bool expectOne = true)
{
    std::optional<Shown> shown;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        Shown s{box->windowTitle(), box->text(), {}};
        for (QAbstractButton *b : box->buttons())
            s.buttons << b->text();
        shown = s;
        poll.stop();
        box->done(answer);
    });
    poll.start();
    trigger();
    if (expectOne)
        waitFor([&] { return shown.has_value(); });
    else
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    return shown;
}

class Pages : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.emplace(options.opts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
        window->showProgramming();
        view = window->programming();
        ASSERT_NE(view, nullptr);
        // The tests say whether a module is there (link().circuit); the
        // search for one on the missing port must not take it back when a
        // slow run lets its timer fire.
        window->engine().identification.halt();
    }

    void TearDown() override
    {
        view->setBusy(false);
        window.reset();
    }

    FieldModel &fields() { return window->engine().fields; }
    LinkState &link() { return window->engine().state; }

    template <typename T>
    T *find(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    GridEditor *grid(const char *name) const { return find<GridEditor>(name); }

    // The programming view's tabs as with this panel attached.
    void attach(const char *central)
    {
        Engine &e = window->engine();
        e.state.central = QString::fromLatin1(central);
        const ModuleCommands::PanelTab t = ModuleCommands::panelTabFor(e.state.central);
        e.programming.arrangeTabs(t.tab, t.caption, t.title);
    }

    void showTab(const char *tab)
    {
        QTabWidget *tabs = view->tabs();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->objectName() == QLatin1String(tab))
                tabs->setCurrentIndex(i);
        ASSERT_EQ(view->currentTab(), QLatin1String(tab));
    }

    // The widget that takes the keys now: the open cell editor, or the grid.
    static QWidget *keyTarget(GridEditor *g)
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && g->isAncestorOf(focus) && qobject_cast<QLineEdit *>(focus) ? focus : g;
    }

    // Closes the cell editor (Enter).
    static void finishCell(GridEditor *g)
    {
        QTest::keyClick(keyTarget(g), Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor closes queued
    }

    // Selects a cell and types into it; "\b" is backspace.
    static void typeInCell(GridEditor *g, int column, int row, const QString &keys)
    {
        g->setFocus();
        g->setCurrentIndex(g->cellIndex(column, row));
        for (QChar c : keys) {
            if (c == u'\b')
                QTest::keyClick(keyTarget(g), Qt::Key_Backspace);
            else
                QTest::keyClick(keyTarget(g), c.toLatin1());
        }
    }

    static void clickCell(GridEditor *g, int column, int row)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier,
                          g->visualRect(g->cellIndex(column, row)).center());
    }

    // The colour a cell is drawn with, near its top-left corner (unselected).
    static QColor cellColour(GridEditor *g, int column, int row)
    {
        g->selectionModel()->clearSelection();
        const QImage image = g->viewport()->grab().toImage();
        const QPoint at = g->visualRect(g->cellIndex(column, row)).topLeft() + QPoint(3, 3);
        return image.pixelColor(at * image.devicePixelRatio());
    }

    static QColor baseOf(const QWidget *w) { return w->palette().color(QPalette::Base); }
    static bool isRed(const QColor &c) { return c.red() >= 0xE0 && c.green() <= 0x40 && c.blue() <= 0x40; }

    // The offscreen platform does not give the window back its activation
    // when a dialog closes, as a desktop does.
    void reactivate()
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&*window)) << "the window did not become active again";
    }

    Options options;
    std::optional<MainWindow> window;
    ProgrammingView *view = nullptr;
};

TEST_F(Pages, EveryControlOfTheThreePagesIsThereByItsName)
{
    auto onPages = [](const QString &page) {
        for (const char *p : kPages)
            if (page == QLatin1String(p))
                return true;
        return false;
    };
    int checked = 0;
    for (const ControlDesign &d : ControlTable::edits()) {
        if (!onPages(d.page))
            continue;
        auto *e = window->findChild<QLineEdit *>(d.name);
        ASSERT_NE(e, nullptr) << qPrintable(d.name);
        EXPECT_TRUE(window->findChild<QWidget *>(d.page)->isAncestorOf(e)) << qPrintable(d.name);
        ++checked;
    }
    EXPECT_EQ(checked, 41);
    for (const GridDesign &d : ControlTable::grids()) {
        if (!onPages(d.page))
            continue;
        GridEditor *g = view->gridEditor(d.name);
        ASSERT_NE(g, nullptr) << qPrintable(d.name);
        EXPECT_TRUE(window->findChild<QWidget *>(d.page)->isAncestorOf(g)) << qPrintable(d.name);
        ++checked;
    }
    EXPECT_EQ(checked, 41 + 16);
    for (const char *name : {"CBConfigADSLDHCP", "CBHexaCra", "CBConfigVPN"})
        EXPECT_NE(find<QCheckBox>(name), nullptr) << name;
    for (const char *name : {"SPConfigADSLDHCP", "SPHexaCRA", "SPConfigVPN", "PEntrades",
                             "PSortides", "PSistema", "PConfigEntrades", "PConfigSortides",
                             "LErrorRest", "LModusPulsant", "BBPassword", "BBEsborraOperadores"})
        EXPECT_NE(find<QWidget>(name), nullptr) << name;
    for (const char *name : {"CBSGEntrades", "CBSGSortides", "CBSGTamper", "CBSGAlim", "CBSGTest",
                             "CBSGPerduaCOM", "CBSGInici", "CBSGCra"})
        EXPECT_NE(find<QComboBox>(name), nullptr) << name;
    EXPECT_EQ(find<QComboBox>("CBHora")->count(), 24);
    EXPECT_EQ(find<QListWidget>("CLBPartsActives")->count(), 4);
    EXPECT_EQ(find<QLabel>("PEntrades")->text(), "ENTRADAS");
    EXPECT_EQ(find<QLabel>("PSortides")->text(), "SALIDAS");
    EXPECT_EQ(find<QLabel>("PSistema")->text(), "SISTEMA");
    EXPECT_EQ(find<QPushButton>("BBLlegirPag")->text(), "Leer");
    EXPECT_EQ(find<QPushButton>("BBGravar")->text(), "Programar");
    EXPECT_EQ(view->tabs()->objectName(), "PCProgramacio");
    EXPECT_EQ(grid("SGEntradesOpc")->model()->headerData(3, Qt::Horizontal).toString(),
              QString::fromUtf8("Código CID"));
    EXPECT_EQ(grid("SGEntrades")->model()->data(grid("SGEntrades")->cellIndex(0, 16)).toString(), "16");
}

// Long city lists of the zone selector wrap onto more lines instead of
// being cut: entry 10 (Dublin ... Casablanca) is taller than Hawaii.
TEST_F(Pages, ParameterControlsAreHintedWithTheirSectionCaptionAndNumber)
{
    const auto number = [&](const char *name) { return QString::number(fields().field(QString::fromLatin1(name))->Tag); };
    struct Case {
        const char *control;
        QString hint;
    } cases[] = {
        {"EProgEmpresa", "Identificación\nEmpresa\nParámetro : " + number("EProgEmpresa")},
        // Its own hint stays, the parameter under it.
        {"ETelSMS2", "Varios teléfonos separados por \";\"\nParámetro : " + number("ETelSMS2")},
        // A grid's rows are consecutive parameters from its number on.
        {"SGOperadores", "Operadoras GPRS\nParámetro : a partir de "
                             + QString::number(fields().grid(u"SGOperadores")->Tag)},
    };
    for (const Case &c : cases) {
        ASSERT_NE(find<QWidget>(c.control), nullptr) << c.control;
        EXPECT_EQ(find<QWidget>(c.control)->toolTip().toStdString(), c.hint.toStdString()) << c.control;
    }
    EXPECT_GE(fields().field(u"EProgEmpresa")->Tag, 100);
    // A command is no parameter.
    EXPECT_EQ(find<QWidget>("BBLlegirPag")->toolTip(), QStringLiteral("Lee del equipo los valores de la página mostrada"));
}

TEST_F(Pages, ZoneSelectorEntriesWrapInTheListWidth)
{
    auto *hora = find<QComboBox>("CBHora");
    QAbstractItemView *list = hora->view();
    list->resize(160, 400);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = QRect(0, 0, list->viewport()->width(), 20);
    const auto height = [&](int row) {
        return list->itemDelegate()->sizeHint(option, hora->model()->index(row, 0)).height();
    };
    EXPECT_GT(height(10), height(0));
    EXPECT_GE(height(0), list->fontMetrics().height());
}

TEST_F(Pages, ValuesFromTheModelAreShown)
{
    const FieldContext none;
    fields().deliver(102, QStringLiteral("Velmar SL"), none);
    fields().deliver(120, QStringLiteral("3"), none);
    fields().deliver(106, QStringLiteral("1011"), none);
    fields().deliver(211, QStringLiteral("1"), none);
    fields().deliver(200, QStringLiteral("00:11:22:33:44:55"), none);
    GridModel &inputs = *fields().grid(u"SGEntrades");
    inputs.load(1, 16, QStringLiteral("Door"));
    inputs.setFlagWord(4, 16, 1);

    EXPECT_EQ(find<QLineEdit>("EProgEmpresa")->text(), "Velmar SL");
    EXPECT_EQ(find<QComboBox>("CBHora")->currentIndex(), 13);
    auto *parts = find<QListWidget>("CLBPartsActives");
    EXPECT_EQ(parts->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(parts->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(parts->item(3)->checkState(), Qt::Checked);
    EXPECT_TRUE(find<QCheckBox>("CBConfigADSLDHCP")->isChecked());
    EXPECT_EQ(find<QWidget>("SPConfigADSLDHCP")->palette().color(QPalette::Window), lightBlueColour());
    auto *mac = find<QLineEdit>("EMAC");
    EXPECT_EQ(mac->text(), "00:11:22:33:44:55");
    EXPECT_TRUE(mac->isReadOnly());
    EXPECT_EQ(baseOf(mac), inactiveCaptionColour());
    GridEditor *g = grid("SGEntrades");
    EXPECT_EQ(g->model()->data(g->cellIndex(1, 16)).toString(), "Door");
    EXPECT_EQ(g->model()->data(g->cellIndex(4, 16), Qt::CheckStateRole).toInt(), Qt::Checked);

    // Clearing (a lost link) empties them again.
    window->engine().Esborra_Camps();
    EXPECT_TRUE(find<QLineEdit>("EProgEmpresa")->text().isEmpty());
    EXPECT_EQ(find<QComboBox>("CBHora")->currentIndex(), -1);
}

TEST_F(Pages, AFieldTheUserChangesIsRedAndCountedOnce)
{
    link().circuit = true;
    auto *ref = find<QLineEdit>("EProgRef");
    const QColor normal = baseOf(ref);
    ref->setFocus();
    QTest::keyClicks(ref, "Obra 7");
    EXPECT_EQ(fields().edit(u"EProgRef")->text(), "Obra 7");
    EXPECT_EQ(baseOf(ref), changedColour());
    EXPECT_EQ(fields().ncampsModificats, 1);
    QTest::keyClicks(ref, "b");
    EXPECT_EQ(fields().ncampsModificats, 1);
    // A read or write returns it to the window colour.
    fields().CampsPantallaCLWindow();
    EXPECT_EQ(baseOf(ref), normal);

    // Without a module the text changes but nothing is marked.
    link().circuit = false;
    auto *inst = find<QLineEdit>("EProgInstal");
    inst->setFocus();
    QTest::keyClicks(inst, "Juan");
    EXPECT_EQ(fields().edit(u"EProgInstal")->text(), "Juan");
    EXPECT_EQ(baseOf(inst), normal);
    EXPECT_EQ(fields().ncampsModificats, 1);
}

TEST_F(Pages, NothingIsMarkedWhileTheProgramIsBusy)
{
    link().circuit = true;
    view->setBusy(true);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    auto *ref = find<QLineEdit>("EProgRef");
    ref->setFocus();
    QTest::keyClicks(ref, "x");
    GridEditor *g = grid("SGOperadores");
    typeInCell(g, 1, 2, "apn");
    EXPECT_EQ(fields().ncampsModificats, 0);
    EXPECT_NE(baseOf(ref), changedColour());
    view->setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Pages, CheckBoxesAreTakenBackUntilRead)
{
    link().circuit = true;
    auto *dhcp = find<QCheckBox>("CBConfigADSLDHCP");
    fields().checkBox(u"CBConfigADSLDHCP")->setColour(FieldColour::ButtonFace);
    const QPoint box(6, dhcp->height() / 2);
    QTest::mouseClick(dhcp, Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_FALSE(dhcp->isChecked());
    EXPECT_EQ(fields().ncampsModificats, 0);

    fields().deliver(211, QStringLiteral("0"), FieldContext{});
    QTest::mouseClick(dhcp, Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_TRUE(dhcp->isChecked());
    EXPECT_TRUE(fields().checkBox(u"CBConfigADSLDHCP")->checked());
    EXPECT_EQ(find<QWidget>("SPConfigADSLDHCP")->palette().color(QPalette::Window), changedColour());
    EXPECT_EQ(fields().ncampsModificats, 1);
}

TEST_F(Pages, ActivePartsAndTimeZoneGoToTheModel)
{
    link().circuit = true;
    auto *parts = find<QListWidget>("CLBPartsActives");
    parts->item(2)->setCheckState(Qt::Checked); // as a click on the item's box does
    EXPECT_TRUE(fields().checkList(u"CLBPartsActives")->isChecked(2));
    EXPECT_EQ(baseOf(parts), changedColour());

    auto *hora = find<QComboBox>("CBHora");
    hora->setFocus();
    QTest::keyClick(hora, Qt::Key_End); // a user's choice: the last entry
    EXPECT_EQ(fields().comboBox(u"CBHora")->currentIndex(), 23);
    EXPECT_EQ(fields().comboBox(u"CBHora")->value(), "+13");
    EXPECT_EQ(fields().ncampsModificats, 2);
}

TEST_F(Pages, TypingIntoTheDescribedCells)
{
    link().circuit = true;
    showTab("TSUsuari");

    // Código CID: hexadecimal only, eight digits at most.
    GridEditor *opc = grid("SGEntradesOpc");
    typeInCell(opc, 3, 2, "1a2G34567890");
    EXPECT_EQ(fields().grid(u"SGEntradesOpc")->cell(3, 2), "1a234567");
    finishCell(opc);
    EXPECT_TRUE(isRed(cellColour(opc, 3, 2)));

    // Alias: twelve characters, then only backspace.
    GridEditor *inputs = grid("SGEntrades");
    typeInCell(inputs, 1, 1, "Puerta garaje");
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(1, 1), "Puerta garaj");
    QTest::keyClick(keyTarget(inputs), Qt::Key_Backspace);
    QTest::keyClick(keyTarget(inputs), 'X');
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(1, 1), "Puerta garaX");
    finishCell(inputs);
    // A cell opens with its text selected: typing replaces it, but a full
    // alias takes no character at all.
    fields().grid(u"SGEntrades")->load(1, 5, QStringLiteral("Puerta"));
    typeInCell(inputs, 1, 5, "Sala");
    finishCell(inputs);
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(1, 5), "Sala");
    typeInCell(inputs, 1, 1, "Z");
    finishCell(inputs);
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(1, 1), "Puerta garaX");
    // Delays: digits only.
    typeInCell(inputs, 2, 1, "1a5");
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(2, 1), "15");

    // Hora: 2 then 4 is refused at the 4; 23:59 goes in, a colon first does not.
    view->PSistemaClick();
    GridEditor *test = grid("SGTest");
    typeInCell(test, 2, 1, "24");
    EXPECT_EQ(fields().grid(u"SGTest")->cell(2, 1), "2");
    QTest::keyClicks(keyTarget(test), "3:59");
    EXPECT_EQ(fields().grid(u"SGTest")->cell(2, 1), "23:59");
    finishCell(test);
    fields().grid(u"SGTest")->load(2, 1, QString());
    typeInCell(test, 2, 1, ":0");
    EXPECT_EQ(fields().grid(u"SGTest")->cell(2, 1), "0");
}

TEST_F(Pages, AppColumnsAreChosenFromTheirList)
{
    link().circuit = true;
    showTab("TSUsuari");
    GridEditor *opc = grid("SGEntradesOpc");
    QComboBox *list = opc->optionList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->objectName(), "CBSGEntrades");

    // Selecting an App cell drops the list over it with "1" preselected.
    opc->setFocus();
    opc->setCurrentIndex(opc->cellIndex(0, 3));
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentText(), "1");
    EXPECT_TRUE(opc->visualRect(opc->cellIndex(0, 3)).contains(list->geometry().topLeft()));
    list->hidePopup();

    // Typing toggles the list instead of writing into the cell.
    QTest::keyClick(opc, '7');
    EXPECT_FALSE(list->isVisible());
    QTest::keyClick(opc, '7');
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(fields().grid(u"SGEntradesOpc")->cell(0, 3).isEmpty());

    // Choosing an item writes it into the cell and hides the list.
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(fields().grid(u"SGEntradesOpc")->cell(0, 3), "3");
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(isRed(cellColour(opc, 0, 3)));
    EXPECT_EQ(fields().ncampsModificats, 1);

    // Another column hides it; in the outputs' grid a key only closes it.
    opc->setCurrentIndex(opc->cellIndex(1, 3));
    EXPECT_TRUE(list->isVisible());
    opc->setCurrentIndex(opc->cellIndex(4, 3));
    EXPECT_FALSE(list->isVisible());
    view->PSortidesClick();
    GridEditor *outputs = grid("SGSortidesOpc");
    outputs->setFocus();
    outputs->setCurrentIndex(outputs->cellIndex(2, 1));
    EXPECT_TRUE(outputs->optionList()->isVisible());
    outputs->optionList()->hidePopup();
    QTest::keyClick(outputs, '2');
    EXPECT_FALSE(outputs->optionList()->isVisible());
    QTest::keyClick(outputs, '2');
    EXPECT_FALSE(outputs->optionList()->isVisible());
}

TEST_F(Pages, TheBC600AppCellOpensItsListAtEveryClick)
{
    link().circuit = true;
    attach("BC600");
    showTab("TSCentralBC600");
    GridEditor *app = grid("SGBCApp");
    ASSERT_NE(app, nullptr);
    QComboBox *list = app->optionList();
    ASSERT_NE(list, nullptr);
    // The one cell is the current cell from the first click on: every
    // click opens the list again all the same.
    for (int click = 1; click <= 3; ++click) {
        clickCell(app, 0, 1);
        EXPECT_TRUE(list->isVisible()) << click;
        EXPECT_EQ(list->currentText(), "1") << click;
        list->hidePopup();
        list->hide();
    }
}

TEST_F(Pages, TheAD300GridColoursAKindsCellsByTheKind)
{
    attach("AD300");
    showTab("TSCentralAD300");
    GridEditor *g = grid("SGCentralAD300");
    ASSERT_NE(g, nullptr);
    GridModel &m = *fields().grid(u"SGCentralAD300");
    const std::pair<const char *, QColor> rows[] = {
        {"0245", QColor(0x00, 0xFF, 0x00)}, {"0633", QColor(0xFF, 0xFF, 0x00)},
        {"0134", QColor(0xC0, 0xC0, 0xC0)}, {"0036", QColor(0xFF, 0x00, 0x00)},
    };
    int r = 0;
    for (const auto &[kind, colour] : rows) {
        ++r;
        m.load(1, r, QString::fromLatin1(kind));
        m.load(6, r, QStringLiteral("Texto"));
        EXPECT_EQ(cellColour(g, 1, r), colour) << kind;
        EXPECT_EQ(cellColour(g, 6, r), colour) << kind;
        EXPECT_NE(cellColour(g, 2, r), colour) << kind;
    }
    m.load(1, 5, QStringLiteral("0001"));
    EXPECT_EQ(cellColour(g, 1, 5), cellColour(g, 2, 5)) << "no colour for other kinds";
}

TEST_F(Pages, TickingNoTwiceLeavesItUntickedButRed)
{
    link().circuit = true;
    showTab("TSUsuari");
    GridEditor *g = grid("SGEntrades");
    GridModel &m = *fields().grid(u"SGEntrades");
    const QColor before = cellColour(g, 4, 2);
    clickCell(g, 4, 2);
    EXPECT_EQ(m.flagWord(4, 2), 3);
    EXPECT_EQ(m.stored(4, 2), "1");
    clickCell(g, 4, 2);
    EXPECT_EQ(m.flagWord(4, 2), 2);
    EXPECT_EQ(m.stored(4, 2), "0");
    EXPECT_EQ(m.data(m.index(1, 4), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(isRed(cellColour(g, 4, 2)));
    EXPECT_FALSE(isRed(before));
    EXPECT_EQ(fields().ncampsModificats, 1);
}

// What the user changes back to its value from the module is drawn as
// unchanged again and no longer counted: an edit box, a check box, the list
// of active parts, the time zone and a grid cell, as the pages change them.
TEST_F(Pages, AFieldChangedBackToItsValueIsNormalAgain)
{
    link().circuit = true;
    fields().deliver(104, QStringLiteral("Nave"), FieldContext{});
    fields().deliver(211, QStringLiteral("0"), FieldContext{});
    fields().deliver(106, QStringLiteral("1000"), FieldContext{});
    fields().deliver(120, QStringLiteral("1"), FieldContext{});
    auto *ref = find<QLineEdit>("EProgRef");
    const QColor normal = baseOf(ref);
    ref->setFocus();
    ref->end(false);
    QTest::keyClick(ref, 'X');
    EXPECT_EQ(baseOf(ref), changedColour());
    QTest::keyClick(ref, Qt::Key_Backspace);
    EXPECT_EQ(baseOf(ref), normal);

    auto *dhcp = find<QCheckBox>("CBConfigADSLDHCP");
    auto *shape = find<QWidget>("SPConfigADSLDHCP");
    const QColor rest = shape->palette().color(QPalette::Window);
    const QPoint box(6, dhcp->height() / 2);
    QTest::mouseClick(dhcp, Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_EQ(shape->palette().color(QPalette::Window), changedColour());
    QTest::mouseClick(dhcp, Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_FALSE(dhcp->isChecked());
    EXPECT_EQ(shape->palette().color(QPalette::Window), rest);

    auto *parts = find<QListWidget>("CLBPartsActives");
    parts->item(2)->setCheckState(Qt::Checked);
    EXPECT_EQ(baseOf(parts), changedColour());
    parts->item(2)->setCheckState(Qt::Unchecked);
    EXPECT_NE(baseOf(parts), changedColour());

    auto *hora = find<QComboBox>("CBHora");
    hora->setFocus();
    QTest::keyClick(hora, Qt::Key_Down);
    EXPECT_EQ(baseOf(hora), changedColour());
    QTest::keyClick(hora, Qt::Key_Up);
    EXPECT_EQ(fields().comboBox(u"CBHora")->currentIndex(), 11);
    EXPECT_NE(baseOf(hora), changedColour());
    EXPECT_EQ(fields().ncampsModificats, 0);

    showTab("TSUsuari");
    GridEditor *g = grid("SGEntrades");
    fields().grid(u"SGEntrades")->load(1, 2, QStringLiteral("Sala"));
    typeInCell(g, 1, 2, "Salon");
    finishCell(g);
    EXPECT_TRUE(isRed(cellColour(g, 1, 2)));
    EXPECT_EQ(fields().ncampsModificats, 1);
    typeInCell(g, 1, 2, "Sala");
    finishCell(g);
    EXPECT_FALSE(isRed(cellColour(g, 1, 2)));
    EXPECT_EQ(fields().ncampsModificats, 0);
}

TEST_F(Pages, WithoutAModuleAnEditedCellStaysUncoloured)
{
    link().circuit = false;
    showTab("TSUsuari");
    GridEditor *g = grid("SGEntrades");
    typeInCell(g, 2, 3, "25");
    finishCell(g);
    EXPECT_EQ(fields().grid(u"SGEntrades")->cell(2, 3), "25");
    EXPECT_FALSE(isRed(cellColour(g, 2, 3)));
    clickCell(g, 4, 3);
    EXPECT_FALSE(isRed(cellColour(g, 4, 3)));
    EXPECT_EQ(fields().ncampsModificats, 0);
}

TEST_F(Pages, PastingIntoAContactIdCell)
{
    link().circuit = true;
    showTab("TSUsuari");
    GridEditor *g = grid("SGEntradesOpc");
    GridModel &m = *fields().grid(u"SGEntradesOpc");
    g->setFocus();
    g->setCurrentIndex(g->cellIndex(3, 4));
    for (const auto &[clip, expected] : {std::pair{"1A2B", "1A2B"}, std::pair{"12G4", "1A2B"},
                                         std::pair{"123456789", "1A2B"}}) {
        QApplication::clipboard()->setText(QString::fromLatin1(clip));
        QTest::keyClick(g, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(m.cell(3, 4), QLatin1String(expected)) << clip;
    }
    QApplication::clipboard()->clear();
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1A2B");
}

TEST_F(Pages, AddressesAreCheckedWhenTheBoxIsLeft)
{
    auto *ip = find<QLineEdit>("EConfigADSLIP");
    auto *other = find<QLineEdit>("EProgEmpresa");
    auto leave = [&](QLineEdit *box, const char *text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        const std::optional<Shown> shown = dialogFrom([&] { other->setFocus(); }, QMessageBox::Ok, false);
        reactivate();
        return shown;
    };
    const std::optional<Shown> bad = leave(ip, "192.168.1.300");
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->title, QString::fromUtf8("¡ ATENCIÓN !"));
    EXPECT_EQ(bad->text, QString::fromUtf8(
                             "Esta dirección IP no es válida\rPor favor, entre una dirección correcta"));
    EXPECT_EQ(bad->buttons, QStringList{"    Aceptar   "});
    EXPECT_TRUE(ip->hasFocus());
    EXPECT_EQ(ip->text(), "192.168.1.300");
    EXPECT_FALSE(leave(ip, "192.168.1.30").has_value());

    showTab("TSConfigSoft");
    auto *mail = find<QLineEdit>("EEmail2");
    other = find<QLineEdit>("EEMailUser");
    EXPECT_FALSE(leave(mail, "uno@velmar.es;dos@velmar.es").has_value());
    const std::optional<Shown> badMail = leave(mail, "uno@velmar.es;dos");
    ASSERT_TRUE(badMail.has_value());
    EXPECT_EQ(badMail->text,
              QString::fromUtf8(
                  "Esta dirección e-mail no es válida\rPor favor, entre una dirección correcta"));
    EXPECT_TRUE(mail->hasFocus());
}

TEST_F(Pages, ShortAccessCodeIsRefusedWhenLeft)
{
    auto *code = find<QLineEdit>("ECodiProg");
    code->setFocus();
    QTest::keyClicks(code, "123");
    const std::optional<Shown> shown =
        dialogFrom([&] { find<QLineEdit>("EProgEmpresa")->setFocus(); }, QMessageBox::Ok, false);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, QString::fromUtf8(
                               "\r\nCódigo de programación demasiado corto. Mínimo 4 caracteres\r\n"));
    EXPECT_EQ(shown->buttons, QStringList{"    Cerrar   "});
}

TEST_F(Pages, EditBoxKeyFilters)
{
    showTab("TSConfigSoft");
    struct Case {
        const char *box;
        const char *typed;
        const char *kept;
    };
    for (const Case c : {Case{"EEmailPort", "25a5", "255"}, Case{"EAbonatCra11", "12AG", "12A"},
                         Case{"ETelSMS1", "+34 600;611", "+34600;611"},
                         Case{"EEMailUser", "tecnico 1", "tecnico 1"}}) {
        auto *box = find<QLineEdit>(c.box);
        box->setFocus();
        QTest::keyClicks(box, c.typed);
        EXPECT_EQ(box->text(), QLatin1String(c.kept)) << c.box;
    }
}

TEST_F(Pages, SectionsOfTheUserPage)
{
    showTab("TSUsuari");
    auto *inputs = find<QWidget>("PConfigEntrades");
    auto *outputs = find<QWidget>("PConfigSortides");
    EXPECT_EQ(view->currentSection(), "PConfigEntrades");
    QTest::mouseClick(find<QLabel>("PSortides"), Qt::LeftButton);
    EXPECT_EQ(view->currentSection(), "PConfigSortides");
    EXPECT_TRUE(outputs->isVisible());
    EXPECT_FALSE(inputs->isVisible());
    EXPECT_TRUE(find<QLabel>("PSortides")->font().bold());
    EXPECT_FALSE(find<QLabel>("PEntrades")->font().bold());
    QTest::mouseClick(find<QLabel>("PSistema"), Qt::LeftButton);
    EXPECT_FALSE(outputs->isVisible());
    EXPECT_FALSE(inputs->isVisible());
    EXPECT_TRUE(grid("SGPerduaCOM")->isVisible());

    // A module without inputs and outputs opens the user page on the system.
    link().circuittrobat = true;
    view->setSectionsAvailable(false, false);
    EXPECT_EQ(view->currentSection(), "PConfigSistema");
    EXPECT_FALSE(find<QLabel>("PEntrades")->isVisible());
    view->setSectionsAvailable(true, true);
    EXPECT_EQ(view->currentSection(), "PConfigEntrades");
}

TEST_F(Pages, HiddenRevealsOfTheMacAndThePanelModel)
{
    ProgrammingState &p = window->engine().programming;
    // A page read or a write leaves both boxes read-only and disabled, and
    // starts the counting again.
    auto lockBoxes = [&] {
        for (const char *name : {"EMAC", "ECentral"}) {
            fields().edit(QString::fromLatin1(name))->setReadOnly(true);
            fields().edit(QString::fromLatin1(name))->setEnabled(false);
        }
        emit p.panelPollReset();
    };
    auto editable = [&](const char *name) {
        auto *box = find<QLineEdit>(name);
        return !box->isReadOnly() && box->isEnabled();
    };
    auto click = [&](const char *label, int times) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(find<QLabel>(label), Qt::LeftButton);
    };
    struct Case {
        const char *label;
        const char *box;
    };
    for (const Case c : {Case{"LMac", "EMAC"}, Case{"LCentral", "ECentral"}, Case{"Label142", "ECentral"}}) {
        lockBoxes();
        click(c.label, 10);
        EXPECT_FALSE(editable(c.box)) << c.label;
        click(c.label, 1);
        EXPECT_TRUE(editable(c.box)) << c.label;
        EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(c.box)) << c.label;
        // The MAC and the panel model count apart.
        EXPECT_FALSE(editable(QByteArray(c.box) == "EMAC" ? "ECentral" : "EMAC")) << c.label;
    }

    // Both labels of the panel model count together.
    lockBoxes();
    click("LCentral", 5);
    click("Label142", 6);
    EXPECT_TRUE(editable("ECentral"));

    // A page read or a write starts the counting again.
    lockBoxes();
    click("LMac", 10);
    emit p.panelPollReset();
    click("LMac", 1);
    EXPECT_FALSE(editable("EMAC"));
}

TEST_F(Pages, CommandsAreSignalsEnabledOnRecognition)
{
    auto *read = find<QPushButton>("BBLlegirPag");
    auto *write = find<QPushButton>("BBGravar");
    // This test looks at the view's own signals: without a module the cycles
    // they drive would end the link at the first click.
    Engine &e = window->engine();
    for (QObject *cycle : std::initializer_list<QObject *>{&e.reader, &e.writer})
        QObject::disconnect(view, nullptr, cycle, nullptr);
    EXPECT_FALSE(read->isEnabled());
    emit window->engine().identification.recognised();
    EXPECT_TRUE(read->isEnabled());
    QSignalSpy pageRead(view, &ProgrammingView::pageReadRequested);
    QSignalSpy writeAll(view, &ProgrammingView::writeRequested);
    QSignalSpy reset(view, &ProgrammingView::factoryResetRequested);
    QTest::mouseClick(read, Qt::LeftButton);
    QTest::mouseClick(write, Qt::LeftButton);
    find<QAction>("MIIDefecte")->trigger();
    EXPECT_EQ(pageRead.count(), 1);
    EXPECT_EQ(writeAll.count(), 1);
    EXPECT_EQ(reset.count(), 1);

    // Back to the disconnected state: commands off, first tab.
    showTab("TSUsuari");
    window->engine().Esborra_Camps();
    EXPECT_FALSE(read->isEnabled());
    EXPECT_FALSE(find<QAction>("MILlegirCircuit")->isEnabled());
    EXPECT_EQ(view->currentTab(), "TSConfiguracio");
}

// The factory reset asks through the window first; only "Sí" restores.
TEST_F(Pages, FactoryResetAsksFirst)
{
    auto *reset = find<QAction>("MIIDefecte");
    emit window->engine().identification.recognised();
    ASSERT_TRUE(reset->isEnabled());
    const std::optional<Shown> asked = dialogFrom([&] { reset->trigger(); }, QMessageBox::No);
    ASSERT_TRUE(asked.has_value());
    EXPECT_FALSE(window->engine().writer.running());
    EXPECT_EQ(asked->title, "CONFIRMACION");
    EXPECT_EQ(asked->text, QString::fromUtf8("Se borrarán los valores actuales y se restaurarán los "
                                             "valores de fábrica\r\n\r\n¿Está  usted de acuerdo?"));
    EXPECT_TRUE(asked->buttons.contains(QString::fromUtf8("     Sí    ")));
    EXPECT_TRUE(asked->buttons.contains("    No    "));
    dialogFrom([&] { reset->trigger(); }, QMessageBox::Yes);
    EXPECT_TRUE(window->engine().writer.running());
    window->engine().writer.abort();
}

TEST_F(Pages, StatusBarProgressAndBusyCursor)
{
    auto *progress = find<QProgressBar>("PBEstat");
    EXPECT_FALSE(progress->isVisible());
    window->setProgressText(QStringLiteral("Leyendo"));
    window->setProgressVisible(true);
    window->setProgress(40);
    window->setPercentText(QStringLiteral("40%"));
    window->setBusy(true);
    EXPECT_EQ(find<QLabel>("SBEstat1")->text(), "Leyendo");
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->value(), 40);
    EXPECT_EQ(find<QLabel>("LEstat")->text(), "40%");
    EXPECT_TRUE(view->busy());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    window->setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    window->engine().Esborra_Camps();
    EXPECT_FALSE(progress->isVisible());
}

TEST(GridWheel, TheWheelScrollsNoGrid)
{
    FieldModel fields;
    fields.Esborra_param();
    GridEditor g(*fields.grid(u"SGOperadores"), fields, [] { return ChangeContext{}; });
    g.setVisibleRows(4);
    g.resize(g.sizeHint());
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    ASSERT_GT(g.verticalScrollBar()->maximum(), 0);
    QWheelEvent wheel(QPointF(10, 10), g.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &wheel);
    EXPECT_EQ(g.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(wheel.isAccepted());
}

TEST_F(Pages, TheVpnBoxIsForTheSerialLinkOnly)
{
    auto *vpn = find<QWidget>("SPConfigVPN");
    EXPECT_TRUE(vpn->isVisible());
    link().connex_remota = QStringLiteral("MQTT");
    showTab("TSConfigSoft");
    showTab("TSConfiguracio");
    EXPECT_FALSE(vpn->isVisible());
}

// Sorting the door phone list by its heading (the door page itself comes
// with the panel pages; the grid editor is the same).
TEST(DoorList, SortingByPhoneTwice)
{
    FieldModel fields;
    fields.Esborra_param();
    GridModel &phones = *fields.grid(u"SGTelefons");
    const char *numbers[] = {"600000003", "+34600000001", "600000002", "600000001"};
    for (int r = 0; r < 4; ++r) {
        phones.load(1, r + 1, QString::fromLatin1(numbers[r]));
        phones.load(2, r + 1, QStringLiteral("ref%1").arg(r));
    }
    phones.load(1, 6, QStringLiteral("100")); // after the first empty row
    GridEditor g(phones, fields, [] { return ChangeContext{true, false}; });
    g.resize(600, 300);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    auto clickHeading = [&](int column) {
        QHeaderView *h = g.horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
    };
    const QStringList sorted = {"+34600000001", "600000001", "600000002", "600000003"};
    for (int round = 0; round < 2; ++round) {
        clickHeading(1);
        QStringList got;
        for (int r = 1; r <= 4; ++r)
            got << phones.cell(1, r);
        EXPECT_EQ(got, sorted) << round;
        EXPECT_TRUE(phones.cell(1, 5).isEmpty());
        EXPECT_EQ(phones.cell(1, 6), "100");
    }
    EXPECT_EQ(phones.cell(2, 1), "ref1");
    auto *marker = g.findChild<QWidget *>(QStringLiteral("BBFletxa"));
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(marker->isVisible());
    for (int r = 1; r <= 6; ++r)
        for (int c = 0; c < phones.columns(); ++c)
            EXPECT_FALSE(phones.cellDiffers(c, r)) << c << "," << r;
}

} // namespace

// Not a check: pictures of the pages with sample values, for people to look
// at. scripts/screenshots.sh runs it under Xvfb.
TEST(Screenshots, DISABLED_ProgrammingPages)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Options options;
    MainWindow w(options.opts);
    w.resize(1180, 860);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.showProgramming();
    w.engine().state.circuit = true;
    w.setStatusText(QStringLiteral("CONECTADO"));
    emit w.engine().identification.recognised();
    FieldModel &f = w.engine().fields;
    const FieldContext none;
    const std::pair<int, const char *> values[] = {
        {102, "Instalaciones Norte"}, {103, "J. Pérez"}, {104, "Nave 3"}, {105, "+34600111222"},
        {108, "clave"}, {111, "4321"}, {6600, "1234"}, {1590, "AE/SA-C8"}, {120, "1"},
        {106, "1111"}, {211, "0"}, {212, "192.168.1.50"}, {213, "255.255.255.0"},
        {214, "192.168.1.1"}, {215, "8.8.8.8"}, {216, "8.8.4.4"}, {200, "00:1E:C0:12:34:56"},
        {2001, "smtp.velmar.es"}, {2002, "587"}, {2003, "avisos"}, {2004, "secreto"},
        {2101, "avisos@velmar.es"}, {2102, "Aviso Velmar"}, {3111, "+34600111222;600333444"},
        {3101, "tecnico@velmar.es"}, {1101, "cra.ejemplo.es"}, {1111, "5001"},
        {1121, "1234"}, {1010, "60"}, {1132, "1"},
    };
    for (const auto &[number, value] : values)
        f.deliver(number, QString::fromUtf8(value), none);
    GridModel &ops = *f.grid(u"SGOperadores");
    const char *operators[][4] = {{"Movistar", "movistar.es", "MOVISTAR", "MOVISTAR"},
                                  {"Vodafone", "airtelwap.es", "wap@wap", "wap125"},
                                  {"Orange", "orangeworld", "orange", "orange"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            ops.load(c, r + 1, QString::fromUtf8(operators[r][c]));
    GridModel &in = *f.grid(u"SGEntrades");
    GridModel &inOpc = *f.grid(u"SGEntradesOpc");
    for (int r = 1; r <= 16; ++r) {
        in.load(1, r, QStringLiteral("Entrada %1").arg(r));
        in.load(2, r, QStringLiteral("0"));
        in.load(3, r, QStringLiteral("5"));
        in.load(4, r, QStringLiteral("0"));
        for (int c = 0; c < 3; ++c)
            inOpc.load(c, r, QStringLiteral("1"));
        inOpc.load(3, r, QStringLiteral("E13%1").arg(r % 10));
        inOpc.load(4, r, QStringLiteral("Alarma entrada %1/Fin alarma entrada %1").arg(r));
    }
    in.setCell(1, 2, QStringLiteral("Puerta"));
    velmar::editor::userEdited(f, in, 1, 2, ChangeContext{true, false});
    w.findChild<QLineEdit *>(QStringLiteral("EProgRef"))->setFocus();
    f.edit(u"EProgRef")->setTextByUser(QStringLiteral("Nave 3B"));
    f.EditChange(f.edit(u"EProgRef"), ChangeContext{true, false});

    ProgrammingView *view = w.programming();
    auto shoot = [&](const QString &name) {
        QCoreApplication::processEvents();
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    view->tabs()->setCurrentIndex(0);
    shoot(QStringLiteral("programming-config"));
    view->tabs()->setCurrentIndex(1);
    shoot(QStringLiteral("programming-configsoft"));
    view->tabs()->setCurrentIndex(2);
    shoot(QStringLiteral("programming-user-inputs"));
    view->PSortidesClick();
    shoot(QStringLiteral("programming-user-outputs"));
    view->PSistemaClick();
    shoot(QStringLiteral("programming-user-system"));
}
