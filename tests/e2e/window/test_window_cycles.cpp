// The whole program against the simulated module: the real window reads the
// programming, the user changes a field, the window writes it back.
#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Wait.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Linked;
using velmar::test::waitFor;

namespace {

TEST(WindowCycles, ReadThenWriteThroughTheWindowMarksAndClearsTheChange)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return w.engine().state.circuittrobat; }, 15000));

    // "Prog." and then "Leer el circuito".
    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    ASSERT_TRUE(waitFor([&] { return w.programmingShown(); }));
    auto *readAll = w.findChild<QAction *>(QStringLiteral("MILlegirCircuit"));
    ASSERT_NE(readAll, nullptr);
    ASSERT_TRUE(waitFor([&] { return readAll->isEnabled(); }));
    readAll->trigger();
    auto *empresa = w.findChild<QLineEdit *>(QStringLiteral("EProgEmpresa"));
    ASSERT_TRUE(waitFor([&] { return !empresa->text().isEmpty() && !w.engine().programming.busy(); }, 20000));
    EXPECT_EQ(empresa->text(), QStringLiteral("Velmar Demo"));

    // The user's change is drawn red and counted.
    auto *ref = w.findChild<QLineEdit *>(QStringLiteral("EProgRef"));
    const QColor normal = ref->palette().color(QPalette::Base);
    ref->setFocus();
    ref->selectAll();
    QTest::keyClicks(ref, "Obra 7");
    EXPECT_EQ(ref->palette().color(QPalette::Base), changedColour());
    EXPECT_EQ(w.engine().fields.ncampsModificats, 1);

    // "Programar" writes it; the module's echo clears the mark.
    w.findChild<QPushButton *>(QStringLiteral("BBGravar"))->click();
    ASSERT_TRUE(waitFor([&] { return !w.engine().programming.busy() && w.engine().fields.ncampsModificats == 0; },
                        20000));
    EXPECT_EQ(ref->palette().color(QPalette::Base), normal);
    EXPECT_EQ(w.engine().fields.edit(u"EProgRef")->store(), QStringLiteral("Obra 7"));
}

} // namespace

namespace {

TEST(WindowCycles, ALockedModuleAsksForItsCodeInTheWindow)
{
    Linked l({QStringLiteral("--lock"), QStringLiteral("4321")});
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return w.engine().state.circuittrobat && w.engine().state.protegit; }, 15000));

    auto *panel = w.findChild<QWidget *>(QStringLiteral("PBloqueig"));
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    EXPECT_TRUE(panel->isVisible());

    auto *code = w.findChild<QLineEdit *>(QStringLiteral("ECodiDesbloqueig"));
    QTest::keyClicks(code, "4321");
    w.findChild<QPushButton *>(QStringLiteral("BBDesbloqueigAcceptar"))->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(code->text().isEmpty());
    EXPECT_TRUE(waitFor([&] { return !w.engine().state.protegit; }, 10000));
}

} // namespace

namespace {

TEST(WindowCycles, ClickingAnOutputSwitchesItAfterTheQuestion)
{
    Linked l({QStringLiteral("--period"), QStringLiteral("300")});
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    const Engine &e = w.engine();
    ASSERT_TRUE(waitFor([&] { return e.display.sortides().at(0).caption != QLatin1String("---"); }, 15000));
    ASSERT_NE(e.display.sortides().at(0).background, colours::Red);

    // Answer the confirmation with its first button ("Cambiar").
    QTimer::singleShot(100, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->buttons().size() > 1 ? box->button(QMessageBox::Yes)->click() : box->accept();
    });
    QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("ES1")), Qt::LeftButton);
    EXPECT_TRUE(waitFor([&] { return e.display.sortides().at(0).background == colours::Red; }, 10000));
}

} // namespace

namespace {

TEST(WindowCycles, ProgAloneReadsTheModuleIntoThePages)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    ASSERT_TRUE(l.settled());
    const qsizetype mark = l.received().size();

    l.find<QPushButton>("BBProg")->click();
    EXPECT_TRUE(w.programmingShown());
    auto *empresa = l.find<QLineEdit>("EProgEmpresa");
    ASSERT_TRUE(waitFor([&] { return empresa->text() == QLatin1String("Velmar Demo") && !w.engine().programming.busy(); },
                        20000));
    EXPECT_EQ(w.engine().fields.grid(u"SGOperadores")->cell(0, 3), QStringLiteral("Orange"));
    EXPECT_TRUE(w.engine().programming.progllegida);

    // The stream goes off first, then the dump is asked for, once.
    const QStringList rx = l.received(mark);
    const qsizetype off = rx.indexOf(QStringLiteral("vm+inf"));
    ASSERT_GE(off, 0) << rx.join(u' ').toStdString();
    EXPECT_GT(rx.indexOf(QStringLiteral("vm+Xxxx")), off) << rx.join(u' ').toStdString();
    EXPECT_EQ(rx.count(QStringLiteral("vm+Xxxx")), 1);

    // A second "Prog." with the pages read does not read again.
    l.find<QPushButton>("BBLlegirEstat")->click();
    ASSERT_TRUE(waitFor([&] { return !w.programmingShown(); }));
    l.find<QPushButton>("BBProg")->click();
    EXPECT_TRUE(w.programmingShown());
    EXPECT_FALSE(w.engine().reader.fullReadRunning());
    EXPECT_FALSE(w.engine().programming.busy());
}

} // namespace

namespace {

// Everything that would talk to the module besides the cycle at work.
const char *const kLockedWidgets[] = {"BBLlegirEstat", "BBProg", "CCBPort", "BBGravar", "BBLlegirPag"};
const char *const kLockedActions[] = {"MIEstat", "MIComunicacio", "MIProgramacio", "MILlegirCircuit",
                                      "MIGravarCircuit", "MIIDefecte"};

TEST(WindowCycles, AWriteLocksTheWindowUntilItEnds)
{
    // Once the first field is written the module answers slowly, so that
    // the write is still going when the test looks at the window.
    Linked l({}, {QStringLiteral("on vm+0102=* fault split-gap 40"),
                  QStringLiteral("on vm+0102=* fault split-writes 1")});
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    const Engine &e = w.engine();
    ASSERT_TRUE(l.settled());
    for (const char *name : kLockedWidgets)
        ASSERT_NE(l.find<QWidget>(name), nullptr) << name;
    for (const char *name : kLockedActions)
        ASSERT_NE(l.find<QAction>(name), nullptr) << name;
    const qsizetype beforeRead = l.received().size();
    l.find<QPushButton>("BBProg")->click();
    ASSERT_TRUE(waitFor([&] { return e.programming.progllegida && !e.programming.busy(); }, 20000));
    // The read's closing request may still be on its way to the module.
    ASSERT_TRUE(l.receives(QStringLiteral("vm+vEr"), beforeRead));

    for (const char *name : {"EProgEmpresa", "EProgInstal", "EProgRef", "EProgTel"}) {
        auto *edit = l.find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "7");
    }
    ASSERT_EQ(e.fields.ncampsModificats, 4);
    const qsizetype mark = l.received().size();
    l.find<QPushButton>("BBGravar")->click();
    auto writing = [&](const char *prefix) {
        for (const QString &line : l.received(mark))
            if (line.startsWith(QLatin1String(prefix)))
                return true;
        return false;
    };
    ASSERT_TRUE(waitFor([&] { return writing("vm+0103="); }, 15000));

    // Mid-write: nothing else can be started, and clicking sends nothing.
    ASSERT_TRUE(e.writer.running());
    for (const char *name : kLockedWidgets)
        EXPECT_FALSE(l.find<QWidget>(name)->isEnabled()) << name;
    for (const char *name : kLockedActions)
        EXPECT_FALSE(l.find<QAction>(name)->isEnabled()) << name;
    QTest::mouseClick(l.find<QWidget>("BBLlegirEstat"), Qt::LeftButton);
    QTest::mouseClick(l.find<QWidget>("BBProg"), Qt::LeftButton);
    l.find<QAction>("MIEstat")->trigger();
    EXPECT_TRUE(w.programmingShown());

    ASSERT_TRUE(waitFor([&] { return !e.writer.running(); }, 20000));
    ASSERT_TRUE(waitFor([&] {
        const QStringList rx = l.received(mark);
        return rx.indexOf(QStringLiteral("vm+vEr"), qMax<qsizetype>(0, rx.indexOf(QStringLiteral("vm+inf")))) > 0;
    }));
    // From the stream going off to the closing identification request,
    // only the fields went out (a poll sent just before the click may
    // precede the write).
    const QStringList rx = l.received(mark);
    const qsizetype start = rx.indexOf(QStringLiteral("vm+inf"));
    ASSERT_GE(start, 0) << rx.join(u' ').toStdString();
    const qsizetype end = rx.indexOf(QStringLiteral("vm+vEr"), start);
    ASSERT_GT(end, start) << rx.join(u' ').toStdString();
    const QStringList during = rx.mid(start, end - start);
    for (const QString &line : during.mid(1))
        EXPECT_TRUE(line.size() > 8 && line.at(7) == u'=') << line.toStdString();
    EXPECT_EQ(during.size(), 5) << during.join(u' ').toStdString();

    // Over: the window is the user's again.
    for (const char *name : kLockedWidgets)
        EXPECT_TRUE(l.find<QWidget>(name)->isEnabled()) << name;
    for (const char *name : kLockedActions)
        EXPECT_TRUE(l.find<QAction>(name)->isEnabled()) << name;
}

} // namespace

namespace {

TEST(WindowCycles, TheModulesOrdersReachItFromTheStatusPage)
{
    Linked l({QStringLiteral("--restart-ms"), QStringLiteral("300")});
    ASSERT_TRUE(l.sim.ok());
    ASSERT_TRUE(l.settled());
    auto *reset = l.find<QPushButton>("BBReset");
    auto *cra = l.find<QPushButton>("BBCRA");
    auto *test = l.find<QPushButton>("BBProvaTest");
    ASSERT_NE(reset, nullptr);
    ASSERT_NE(cra, nullptr);
    ASSERT_NE(test, nullptr);
    // Shown once the module's records have identified it.
    ASSERT_TRUE(waitFor([&] { return reset->isVisible() && cra->isVisible(); }, 10000));

    const struct {
        QPushButton *button;
        const char *command;
    } orders[] = {{test, "vm+TST"}, {cra, "vm+cra"}, {reset, "vm+rst"}};
    for (const auto &o : orders) {
        const qsizetype mark = l.received().size();
        QTest::mouseClick(o.button, Qt::LeftButton);
        EXPECT_TRUE(l.receives(QString::fromLatin1(o.command), mark)) << o.command;
    }
}

} // namespace

namespace {

TEST(WindowCycles, AModuleWithoutInputsAndOutputsKeepsTheirGridsOutOfReach)
{
    Linked l({QStringLiteral("--parts"), QStringLiteral("1110")});
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    ASSERT_TRUE(l.settled());
    ASSERT_TRUE(waitFor([&] { return w.engine().state.PartsActives == QLatin1String("1110"); }, 10000));
    for (const char *cover : {"PEntradesNoDisp", "PSortidesNoDisp"})
        EXPECT_EQ(l.find<QLabel>(cover)->text(), QStringLiteral("NO DISPONIBLE")) << cover;

    l.find<QPushButton>("BBProg")->click();
    ASSERT_TRUE(waitFor([&] { return w.engine().programming.progllegida && !w.engine().programming.busy(); }, 20000));
    QTabWidget *tabs = w.programming()->tabs();
    tabs->setCurrentWidget(l.find<QWidget>("TSUsuari"));
    EXPECT_EQ(w.programming()->currentSection(), QStringLiteral("PConfigSistema"));
    EXPECT_TRUE(l.find<QWidget>("PEntrades")->isHidden());
    EXPECT_TRUE(l.find<QWidget>("PSortides")->isHidden());
    for (const char *grid : {"SGEntrades", "SGEntradesOpc", "SGSortidesTemps", "SGSortidesOpc", "SGSortides",
                             "SGSortidesEnt"})
        EXPECT_FALSE(l.find<QWidget>(grid)->isEnabled()) << grid;
    EXPECT_TRUE(l.find<QWidget>("SGInici")->isEnabled());
}

} // namespace

namespace {

// The widget that takes a grid's keys now: its open cell editor, or the grid.
QWidget *keysOf(GridEditor *g)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && g->isAncestorOf(focus) && qobject_cast<QLineEdit *>(focus) ? focus : g;
}

// A ";" typed or pasted into a grid cell would split the row's record on the
// wire (the module would store a record of more fields than its form): the
// key is refused, a paste loses it, and every record written keeps its form.
TEST(WindowCycles, NoRecordWrittenFromAGridHasMoreFieldsThanItsForm)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok());
    MainWindow &w = *l.w;
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_TRUE(waitFor([&] { return w.engine().state.circuittrobat; }, 15000));
    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    auto *readAll = w.findChild<QAction *>(QStringLiteral("MILlegirCircuit"));
    ASSERT_TRUE(waitFor([&] { return w.programmingShown() && readAll->isEnabled(); }));
    readAll->trigger();
    ASSERT_TRUE(waitFor([&] { return w.engine().programming.progllegida && !w.engine().programming.busy(); },
                        20000));

    // The APN of operator 2, being typed, takes a paste (at its cursor)
    // without its ";".
    auto *operators = w.findChild<GridEditor *>(QStringLiteral("SGOperadores"));
    operators->setFocus();
    operators->setCurrentIndex(operators->cellIndex(1, 2));
    QTest::keyClick(operators, 'x'); // opens the cell, replacing its text
    QApplication::clipboard()->setText(QStringLiteral("apn;extra"));
    QTest::keyClick(keysOf(operators), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(keysOf(operators), Qt::Key_Return);

    auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("PCProgramacio"));
    tabs->setCurrentWidget(tabs->findChild<QWidget *>(QStringLiteral("TSUsuari")));
    // The alias of input 5: the ";" is refused as it is typed.
    auto *inputs = w.findChild<GridEditor *>(QStringLiteral("SGEntrades"));
    inputs->setFocus();
    inputs->setCurrentIndex(inputs->cellIndex(1, 5));
    for (char key : {'A', ';', 'B'})
        QTest::keyClick(keysOf(inputs), key);
    QTest::keyClick(keysOf(inputs), Qt::Key_Return);
    // The messages of input 5: a paste onto the cell loses the ";".
    auto *messages = w.findChild<GridEditor *>(QStringLiteral("SGEntradesOpc"));
    messages->setFocus();
    messages->setCurrentIndex(messages->cellIndex(4, 5));
    QApplication::clipboard()->setText(QStringLiteral("Fuego;Fin"));
    QTest::keyClick(messages, Qt::Key_V, Qt::ControlModifier);
    QApplication::clipboard()->clear();

    w.findChild<QPushButton *>(QStringLiteral("BBGravar"))->click();
    ASSERT_TRUE(waitFor([&] { return w.engine().writer.running(); }, 5000));
    ASSERT_TRUE(waitFor([&] { return !w.engine().writer.running(); }, 20000));
    const struct {
        const char *code;
        const char *record;
    } written[] = {
        {"8502", "Vodafone;xapnextra;wap@wap;wap125"},
        {"3005", "0;0;0;AB"},
        {"3205", "1;0;0;;FuegoFin"},
    };
    const QStringList received = l.received();
    for (const auto &r : written) {
        const QString command = QStringLiteral("vm+%1=").arg(QLatin1String(r.code));
        const auto sent = std::find_if(received.begin(), received.end(),
                                       [&](const QString &line) { return line.startsWith(command); });
        ASSERT_NE(sent, received.end()) << r.code;
        const QString record = sent->mid(command.size());
        EXPECT_EQ(record.count(u';'), QString::fromLatin1(r.record).count(u';')) << record.toStdString();
        EXPECT_EQ(record, QString::fromLatin1(r.record));
    }
    EXPECT_EQ(w.engine().fields.ncampsModificats, 0);
}

} // namespace
