#include "ui/diagnostics/InfoWindow.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MainWindow.h"
#include "core/shell/Version.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "support/Pty.h"
#include "support/Wait.h"

using velmar::test::readWhilePumping;
using velmar::test::waitFor;

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;

namespace {
// Each window gets settings of its own in a temporary folder.
struct Options {
    QTemporaryDir dir;
    StartOptions opts;
    explicit Options(const QString &port = {})
    {
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = port;
    }
    operator const StartOptions &() const { return opts; }
};
} // namespace

TEST(MainWindow, StartsDisconnectedWithItsNamedControls)
{
    Options o;
    MainWindow w{o};
    EXPECT_EQ(w.objectName(), QStringLiteral("TFPrincipalVelmarES"));
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_NE(w.findChild<QComboBox *>(QStringLiteral("CCBPort")), nullptr);
    EXPECT_NE(w.findChild<Lamp *>(QStringLiteral("ComLedTX")), nullptr);
    EXPECT_NE(w.findChild<Lamp *>(QStringLiteral("ComLedRX")), nullptr);
}

TEST(MainWindow, TrafficLampGoesOffOnTheSecondTick)
{
    Options o;
    MainWindow w{o};
    auto *rx = w.findChild<Lamp *>(QStringLiteral("ComLedRX"));
    w.engine().channel.receive("+x");
    EXPECT_TRUE(rx->isOn());
    w.TimerLedsTimer();
    EXPECT_TRUE(rx->isOn());
    w.TimerLedsTimer();
    EXPECT_FALSE(rx->isOn());
}

TEST(MainWindow, ReceivedLinesReachTheConsole)
{
    Options o;
    MainWindow w{o};
    w.engine().channel.receive("\r\n+ver:Velmar_v8.7\r");
    const QString text = w.console()->text();
    EXPECT_TRUE(text.contains(QStringLiteral("ComPortRx --> : +ver:Velmar_v8.7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("-> identification")));
}

TEST(MainWindow, LostPortReturnsToTheDisconnectedState)
{
    Options o;
    MainWindow w{o};
    w.setStatusText(QStringLiteral("CONECTADO"));
    w.engine().channel.send(QStringLiteral("vm+ver")); // no port open
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
}

TEST(MainWindow, ClosesAtOnceWithoutAModuleAndStoresSettingsFirst)
{
    Options o;
    MainWindow w{o};
    w.show();
    int stored = 0;
    QObject::connect(&w, &MainWindow::closing, [&] { ++stored; });
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(stored, 1);
}

TEST(MainWindow, ClosingLocksALinkedModuleBeforeThePortGoes)
{
    test::Pty pty;
    Options o(pty.slavePath());
    MainWindow w{o};
    w.show();
    EXPECT_EQ(readWhilePumping(pty, "ver\r"), QByteArray("\rvm+ver\r")); // the start-up probe
    w.engine().state.circuittrobat = true;
    w.close();
    EXPECT_EQ(readWhilePumping(pty, "inf\r"), QByteArray("\rvm+cdp=*\r\rvm+inf\r"));
    EXPECT_TRUE(waitFor([&] { return !w.isVisible(); }));
    EXPECT_FALSE(w.engine().channel.serial().isOpen());
}

TEST(MainWindow, FirstStartStoresDefaultsAndShowsTheRunningTitleOffline)
{
    Options o;
    {
        MainWindow w{o};
        EXPECT_EQ(w.settings().ComUSB, QStringLiteral("COM1"));
        EXPECT_EQ(w.windowTitle(), titolPrograma());
        w.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.windowTitle(), titolPrograma() + QStringLiteral("        sin internet"));
        EXPECT_TRUE(w.console()->text().contains(QStringLiteral("Servidor : ")));
    }
    SettingsStore store(o.opts.settings, QString());
    ConfigInicial read;
    EXPECT_TRUE(store.LLegirConfigInicial(read));
    EXPECT_EQ(read.ComUSB, QStringLiteral("COM1"));
}

TEST(MainWindow, ChosenPortIsStoredButAGivenPortIsNot)
{
    test::Pty pty;
    Options o(pty.slavePath());
    {
        MainWindow w{o};
        w.show();
        EXPECT_EQ(readWhilePumping(pty, "ver\r"), QByteArray("\rvm+ver\r")); // probed at first activation
        w.close();
    }
    SettingsStore store(o.opts.settings, QString());
    ConfigInicial read;
    store.LLegirConfigInicial(read);
    EXPECT_EQ(read.ComUSB, QStringLiteral("COM1"));
    {
        MainWindow w{o};
        w.engine().channel.choosePort(pty.slavePath());
        w.close();
    }
    store.LLegirConfigInicial(read);
    EXPECT_EQ(read.ComUSB, pty.slavePath());
}

namespace {
// The first activation's questions answered as a test wants.
struct ScriptedCloud : CloudStartup {
    bool online = true, versionOk = true, signedIn = true;
    int signIns = 0;
    bool ConnexioInternet() override { return online; }
    bool ComprovaVersioRTDB() override { return versionOk; }
    QString ErrorFirebase() const override { return {}; }
    bool signIn() override { ++signIns; return signedIn; }
    QString token() const override { return signedIn ? QStringLiteral("tok") : QString(); }
    QString EmpresaEmail() const override { return QStringLiteral("ana@example.com"); }
};
} // namespace

TEST(MainWindow, SignedInCaptionAndOnlyOneLoginAcrossActivations)
{
    Options o;
    ScriptedCloud cloud;
    o.opts.cloud = &cloud;
    MainWindow w{o};
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.windowTitle(),
              titolPrograma() + QStringLiteral("        Registrado por:     <ana@example.com>"));
    w.hide();
    w.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(cloud.signIns, 1);
}

TEST(MainWindow, RefusedVersionEndsTheProgramWithoutProbingThePort)
{
    test::Pty pty;
    Options o(pty.slavePath());
    ScriptedCloud cloud;
    cloud.versionOk = false;
    o.opts.cloud = &cloud;
    MainWindow w{o};
    w.show();
    EXPECT_TRUE(waitFor([&] { return !w.isVisible(); }));
    EXPECT_TRUE(pty.read(200).isEmpty());
}

TEST(MainWindow, WorkLocksTheWindowAndWhatAsksToEnableItMeanwhileWaits)
{
    Options o;
    MainWindow w{o};
    Engine &e = w.engine();
    ProgrammingState &p = e.programming;
    auto widget = [&](const char *name) { return w.findChild<QWidget *>(QString::fromLatin1(name)); };
    auto action = [&](const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); };
    const char *const widgets[] = {"BBLlegirEstat", "BBProg", "CCBPort", "BBGravar", "BBLlegirPag"};
    const char *const actions[] = {"MIEstat", "MIComunicacio", "MIProgramacio", "MILlegirCircuit"};
    emit e.identification.recognised(); // the commands are the user's

    // The ways the cycles say they work on the module.
    struct Work {
        const char *what;
        std::function<void(bool)> set;
    };
    const Work works[] = {
        {"read or factory reset (busy)", [&](bool on) { p.setBusy(on); }},
        {"write (busy, commands away)", [&](bool on) {
             if (on) {
                 p.setBusy(true);
                 p.setCommandsEnabled(false);
             } else {
                 p.setBusy(false);
                 p.setCommandsEnabled(true);
             }
         }},
        {"commands away alone (update)", [&](bool on) { p.setCommandsEnabled(!on); }},
    };
    for (const Work &work : works) {
        work.set(true);
        // A recognition and the end of an Estado ask for the commands now.
        emit e.identification.recognised();
        emit e.monitor.estatCommandsEnabled();
        for (const char *name : widgets)
            EXPECT_FALSE(widget(name)->isEnabled()) << work.what << " " << name;
        for (const char *name : actions)
            EXPECT_FALSE(action(name)->isEnabled()) << work.what << " " << name;
        auto *views = w.findChild<QStackedWidget *>(QStringLiteral("PVistes"));
        QWidget *shown = views->currentWidget();
        static_cast<QPushButton *>(widget("BBProg"))->click();
        EXPECT_EQ(views->currentWidget(), shown) << work.what;

        work.set(false);
        for (const char *name : widgets)
            EXPECT_TRUE(widget(name)->isEnabled()) << work.what << " " << name;
        for (const char *name : actions)
            EXPECT_TRUE(action(name)->isEnabled()) << work.what << " " << name;
    }

    // A link lost during the work leaves the commands off when it ends.
    p.setBusy(true);
    e.Esborra_Camps();
    p.setBusy(false);
    EXPECT_FALSE(widget("BBGravar")->isEnabled());
    EXPECT_FALSE(action("MILlegirCircuit")->isEnabled());
    EXPECT_TRUE(widget("BBLlegirEstat")->isEnabled());
}

TEST(MainWindow, TenClicksOnTheCaptionlessFirstMenuEntryShowTheConsole)
{
    Options o;
    MainWindow w{o};
    auto *informacio = w.findChild<QAction *>(QStringLiteral("Informacio"));
    ASSERT_NE(informacio, nullptr);
    auto *bar = w.menuBar();
    ASSERT_FALSE(bar->actions().isEmpty());
    EXPECT_EQ(bar->actions().first(), informacio);
    EXPECT_TRUE(informacio->text().trimmed().isEmpty());

    QWidget *console = w.console();
    for (int round = 0; round < 2; ++round) {
        const bool shown = console->isVisible();
        for (int i = 0; i < 9; ++i)
            informacio->trigger();
        EXPECT_EQ(console->isVisible(), shown) << round;
        informacio->trigger();
        EXPECT_EQ(console->isVisible(), !shown) << round;
    }

    // With a caption every click toggles it.
    informacio->setText(QStringLiteral("Info"));
    informacio->trigger();
    EXPECT_TRUE(console->isVisible());
    informacio->trigger();
    EXPECT_FALSE(console->isVisible());

    // The keyboard shortcut stays.
    bool shortcut = false;
    for (QAction *a : w.actions())
        shortcut |= a->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    EXPECT_TRUE(shortcut);
}

// A message from the core needs no answer: the core's next step (a write
// that gives up after it, the next paced command) runs while it is on
// screen, not once the user has closed it.
TEST(MainWindow, MessagesFromTheCoreDoNotHoldTheCoreUp)
{
    Options o;
    MainWindow w{o};
    w.show();
    const QString texts[] = {QStringLiteral("programming message"), QStringLiteral("engine warning")};
    w.engine().programming.tell(QStringLiteral("T"), texts[0]);
    emit w.engine().warning(QStringLiteral("T"), texts[1]);
    // Both calls returned with their boxes still open.
    for (const QString &text : texts) {
        QMessageBox *shown = nullptr;
        for (QMessageBox *box : w.findChildren<QMessageBox *>())
            if (box->text() == text && box->isVisible())
                shown = box;
        ASSERT_NE(shown, nullptr) << text.toStdString();
        shown->close();
    }
}
