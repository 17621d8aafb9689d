// The whole program against the simulated module: the real window reads the
// programming, the user changes a field, the window writes it back.
#include "ui/editor/FieldColours.h"
#include "ui/editor/GridEditor.h"
#include "ui/shell/MainWindow.h"

#include "support/SimProcess.h"
#include "support/Transcript.h"
#include "support/Wait.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::waitFor;

namespace {

// The simulated module with these options, and the program's window on its
// port with settings of its own.
struct Linked {
    test::SimProcess sim;
    QTemporaryDir dir;
    std::optional<MainWindow> w;
    explicit Linked(const QStringList &simArgs = {}) : sim(simArgs)
    {
        if (!sim.ok())
            return;
        StartOptions opts;
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = sim.devicePath();
        w.emplace(opts);
        w->show();
    }
};

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
    QTemporaryDir dir;
    const QString transcript = dir.filePath(QStringLiteral("transcript.txt"));
    Linked l({QStringLiteral("--transcript"), transcript});
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
    const QStringList received = test::transcriptReceived(transcript);
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
