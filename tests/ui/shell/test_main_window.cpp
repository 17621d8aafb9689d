#include "ui/diagnostics/InfoWindow.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MainWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

#include "support/Pty.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;

TEST(MainWindow, StartsDisconnectedWithItsNamedControls)
{
    MainWindow w{Endpoints{}};
    EXPECT_EQ(w.objectName(), QStringLiteral("TFPrincipalVelmarES"));
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_NE(w.findChild<QComboBox *>(QStringLiteral("CCBPort")), nullptr);
    EXPECT_NE(w.findChild<Lamp *>(QStringLiteral("ComLedTX")), nullptr);
    EXPECT_NE(w.findChild<Lamp *>(QStringLiteral("ComLedRX")), nullptr);
}

TEST(MainWindow, TrafficLampGoesOffOnTheSecondTick)
{
    MainWindow w{Endpoints{}};
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
    MainWindow w{Endpoints{}};
    w.engine().channel.receive("\r\n+ver:Velmar_v8.7\r");
    const QString text = w.console()->trace()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("ComPortRx --> : +ver:Velmar_v8.7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("-> identification")));
}

TEST(MainWindow, LostPortReturnsToTheDisconnectedState)
{
    MainWindow w{Endpoints{}};
    w.setStatusText(QStringLiteral("CONECTADO"));
    w.engine().channel.send(QStringLiteral("vm+ver")); // no port open
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
}

TEST(MainWindow, ClosesAtOnceWithoutAModuleAndStoresSettingsFirst)
{
    MainWindow w{Endpoints{}};
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
    MainWindow w{Endpoints{}};
    w.show();
    ASSERT_TRUE(w.engine().channel.openPort(pty.slavePath()));
    w.engine().state.circuittrobat = true;
    w.close();
    QElapsedTimer t;
    t.start();
    while (w.isVisible() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(pty.read(1000, "\rvm+inf\r"), QByteArray("\rvm+cdp=*\r\rvm+inf\r"));
    EXPECT_FALSE(w.engine().channel.serial().isOpen());
}
