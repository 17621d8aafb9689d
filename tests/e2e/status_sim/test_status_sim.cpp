// The real main window against the simulated module: the status page shows
// what the module's stream says, a module that falls silent is reported lost
// after ten seconds of real time, and it is found again when it answers.
#include "core/status/Colours.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/Gauge.h"
#include "ui/status/StatusPage.h"

#include "support/SimProcess.h"
#include "support/Wait.h"

#include <QLabel>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

QColor qc(Rgb c)
{
    return QColor::fromRgb(c);
}

struct Files {
    QTemporaryDir dir;
    StartOptions opts;
    QString scenario;
    Files()
    {
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        scenario = dir.filePath("status.txt");
        QFile f(scenario);
        f.open(QIODevice::WriteOnly);
        f.write("# inputs, outputs and gauges away from rest\n"
                "input 3 on\n"
                "output 2 on\n"
                "tamper on\n");
    }
};

TEST(StatusWithSimulator, ThePageShowsTheModuleAndALostModuleIsFoundAgain)
{
    Files s;
    SimProcess sim({QStringLiteral("--scenario"), s.scenario, QStringLiteral("--period"), QStringLiteral("500")});
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    s.opts.port = sim.devicePath();
    MainWindow w{s.opts};
    w.show();
    Engine &e = w.engine();
    auto *ee3 = w.findChild<Indicator *>(QStringLiteral("EE3"));
    ASSERT_NE(ee3, nullptr);

    // Linked, and the page filled from the stream.
    ASSERT_TRUE(waitFor([&] { return w.statusText() == QStringLiteral("CONECTADO"); }, 15000));
    ASSERT_TRUE(waitFor([&] { return ee3->background() == qc(colours::Red); }, 15000));
    EXPECT_TRUE(ee3->text().startsWith(QStringLiteral("Entrada"))) << ee3->text().toStdString();
    EXPECT_EQ(w.findChild<Indicator *>(QStringLiteral("EE1"))->background(), qc(colours::Green));
    EXPECT_EQ(w.findChild<Indicator *>(QStringLiteral("ES2"))->background(), qc(colours::Red));
    EXPECT_EQ(w.findChild<Indicator *>(QStringLiteral("ES1"))->background(), qc(colours::Green));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("REGPRS"))->text(), QStringLiteral(" GPRS: CONECTADO A INTERNET"));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("READSL"))->text(), QStringLiteral(" ADSL: CONECTADO A RECEPTORA"));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("RECOM"))->text(), QStringLiteral(" COM: Central no programada"));
    auto *tamper = w.findChild<Gauge *>(QStringLiteral("GTamper"));
    EXPECT_EQ(tamper->barColour(), qc(colours::Red)); // triggered
    EXPECT_EQ(tamper->value(), 0xE6);
    auto *power = w.findChild<Gauge *>(QStringLiteral("GAlimentacio"));
    EXPECT_EQ(power->barColour(), qc(colours::Lime));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("LVAlim"))->text(), QStringLiteral("13,8 V")); // raw 0x71
    EXPECT_FALSE(w.findChild<QWidget *>(QStringLiteral("PEstatES"))->isHidden());

    // The module falls silent right after the record that answers a poll:
    // the silence counts from its last reply, and the identification timer
    // has just run, so the watchdog is the one to notice.
    bool polled = false, stopped = false;
    QObject::connect(&e.channel, &CommandChannel::transmitted, &w, [&] { polled = true; });
    QObject::connect(&e.channel, &CommandChannel::replyRouted, &w,
                     [&](const QString &, ReplyRouter::Rule rule) {
                         if (polled && !stopped && rule == ReplyRouter::Rule::InfoRecord) {
                             sim.signal(SIGSTOP);
                             stopped = true;
                         }
                     });
    ASSERT_TRUE(waitFor([&] { return stopped; }, 15000));
    auto lostMessage = [&] {
        for (QMessageBox *box : w.findChildren<QMessageBox *>())
            if (box->isVisible()
                && box->text() == QString::fromUtf8("Se ha cortado la comunicación con el equipo Velmar"))
                return true;
        return false;
    };
    const bool lost = waitFor(lostMessage, 20000);
    sim.signal(SIGCONT);
    ASSERT_TRUE(lost);
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_EQ(ee3->text(), QStringLiteral("---"));

    // Back: identification finds it without any action of the user.
    ASSERT_TRUE(waitFor([&] { return w.statusText() == QStringLiteral("CONECTADO"); }, 20000));
    EXPECT_TRUE(waitFor([&] { return ee3->background() == qc(colours::Red); }, 15000));
    EXPECT_TRUE(e.state.circuittrobat);
}

} // namespace
