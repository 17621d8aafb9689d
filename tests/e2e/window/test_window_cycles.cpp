// The whole program against the simulated module: the real window reads the
// programming, the user changes a field, the window writes it back.
#include "ui/editor/FieldColours.h"
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Wait.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::waitFor;

namespace {

using test::Linked;

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
