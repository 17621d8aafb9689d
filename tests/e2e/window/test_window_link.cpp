// The real window finding, keeping and losing the simulated module: what the
// user sees and what reaches the module over the wire.
#include "core/status/Colours.h"
#include "ui/shell/MainWindow.h"

#include "Linked.h"
#include "support/Wait.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Linked;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

// A window on port without a simulator of the fixture's, with settings in folder.
StartOptions optionsOn(const QTemporaryDir &folder, const QString &port)
{
    StartOptions opts;
    opts.settings.file = folder.filePath(QStringLiteral("settings.ini"));
    opts.settings.secretFile = folder.filePath(QStringLiteral("secret.key"));
    opts.port = port;
    return opts;
}

bool linked(MainWindow &w)
{
    return w.engine().state.circuittrobat && w.statusText() == QStringLiteral("CONECTADO");
}

// Watches the window from inside any event loop: how often the link dropped
// and how many "communication cut" messages came up.
struct LinkWatch {
    int drops = 0;
    int cutMessages = 0;
    QTimer timer;
    explicit LinkWatch(MainWindow &w)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, &w] {
            drops += !linked(w);
            for (QMessageBox *box : w.findChildren<QMessageBox *>()) {
                if (!box->isVisible() || box->property("seen").toBool()
                    || !box->text().contains(QString::fromUtf8("Se ha cortado la comunicación con el equipo Velmar")))
                    continue;
                box->setProperty("seen", true);
                ++cutMessages;
            }
        });
        timer.start(20);
    }
    // Runs the event loop for ms (or until the link drops or a message shows).
    bool holdsFor(int ms)
    {
        QElapsedTimer t;
        t.start();
        waitFor([&] { return t.elapsed() >= ms || drops > 0 || cutMessages > 0; }, ms + 5000);
        return drops == 0 && cutMessages == 0;
    }
};

TEST(WindowLink, AForeignFirmwareShowsOneConflictDialogAndTheModuleIsStillRecognised)
{
    Linked l({QStringLiteral("--firmware"), QStringLiteral("Other_v2.0 [x1.0]")});
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;

    // Watch the dialogs from inside any modal loop: how many, how many at once.
    int dialogs = 0, mostAtOnce = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        int open = 0;
        for (QMessageBox *box : w.findChildren<QMessageBox *>()) {
            if (!box->isVisible() || !box->text().contains(QStringLiteral("CONFLICTO DE HARDWARE")))
                continue;
            ++open;
            if (!box->property("seen").toBool()) {
                box->setProperty("seen", true);
                ++dialogs;
            }
        }
        mostAtOnce = std::max(mostAtOnce, open);
        // Dialogs nesting without end would never give the test back.
        if (dialogs > 3) {
            w.engine().identification.stop();
            for (QMessageBox *box : w.findChildren<QMessageBox *>())
                box->done(QMessageBox::Cancel);
        }
    });
    watch.start(20);

    ASSERT_TRUE(waitFor([&] { return linked(w); }, 20000)) << dialogs << " dialogs";
    // Two more "+ver:" answers of the same module are taken without a new dialog.
    int verAnswers = 0;
    QObject::connect(&w.engine().identification, &Identification::identificationShown,
                     [&](const QStringList &lines) { verAnswers += lines.size() == 1; });
    EXPECT_TRUE(waitFor([&] { return verAnswers >= 2; }, 15000));
    EXPECT_TRUE(linked(w));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(mostAtOnce, 1);
}

TEST(WindowLink, LocalStaysCheckedAndRestartsIdentificationOnThePort)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return linked(w); }, 15000));
    auto *local = w.findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"));
    ASSERT_NE(local, nullptr);
    ASSERT_TRUE(local->isChecked());

    const qsizetype before = l.received().size();
    local->trigger();
    EXPECT_TRUE(local->isChecked());
    EXPECT_TRUE(w.engine().identification.view().localChosen);
    // As a port choice: the module is locked behind us, then asked who it is.
    ASSERT_TRUE(waitFor(
        [&] {
            const QStringList after = l.received().mid(before);
            const qsizetype lock = after.indexOf(QStringLiteral("vm+cdp=*"));
            return lock >= 0 && after.indexOf(QStringLiteral("vm+ver"), lock) > lock;
        },
        10000))
        << l.received().mid(before).join(u' ').toStdString();
    EXPECT_TRUE(waitFor([&] { return linked(w); }, 15000));
    // A second click does not take the choice back either.
    local->trigger();
    EXPECT_TRUE(local->isChecked());
}

TEST(WindowLink, TheStatusPagePollsAndAModuleBackFromSilenceIsLinkedAgain)
{
    QTemporaryDir dir;
    const QString scenario = dir.filePath(QStringLiteral("silence.txt"));
    {
        QFile f(scenario);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("# silent long enough to be declared lost, then streaming again\n"
                "at 9 silent 12\n");
    }
    Linked l({QStringLiteral("--period"), QStringLiteral("500"), QStringLiteral("--scenario"), scenario});
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return linked(w) && w.engine().state.inf; }, 15000));

    // With the stream on and the status page in front, the poll still asks
    // "vm+ver" (after the last stream request).
    EXPECT_TRUE(waitFor(
        [&] {
            const QStringList rx = l.received();
            return rx.lastIndexOf(QStringLiteral("vm+ver")) > rx.lastIndexOf(QStringLiteral("vm+INf"));
        },
        12000))
        << l.received().join(u' ').toStdString();

    // Lost during the silence...
    ASSERT_TRUE(waitFor([&] { return !w.engine().state.circuittrobat; }, 25000));
    EXPECT_EQ(w.statusText(), QStringLiteral("SIN   CONEXION"));
    // ...and linked again once it streams, without any action of the user.
    EXPECT_TRUE(waitFor([&] { return linked(w); }, 25000)) << l.received().join(u' ').toStdString();
}

TEST(WindowLink, AModuleMissedAtStartUpIsFoundLater)
{
    // The port appears only after the program started.
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("velmar-port"));
        MainWindow w{optionsOn(dir, link)};
        w.show();
        // Probing a port that is not there yet.
        EXPECT_TRUE(waitFor([&] { return w.engine().identification.active(); }, 5000));
        SimProcess sim({QStringLiteral("--link"), link});
        ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
        EXPECT_TRUE(waitFor([&] { return linked(w); }, 20000));
    }
    // The first answer is lost: the module is silent for its first seconds.
    {
        Linked l({QStringLiteral("--silent-for"), QStringLiteral("3")});
        ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
        EXPECT_TRUE(waitFor([&] { return linked(*l.w); }, 20000)) << l.received().join(u' ').toStdString();
    }
}

TEST(WindowLink, ALinkLostAfterSixPollsBringsTheStatusPageToTheFront)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return linked(w) && w.engine().state.inf; }, 15000));
    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    ASSERT_TRUE(waitFor([&] { return w.programmingShown(); }));

    l.sim.signal(SIGSTOP);
    // The steps run one after the other, well before the 10 s watchdog.
    Engine &e = w.engine();
    const bool lost = waitFor(
        [&] {
            e.identification.TimerCircuitTimer();
            return !e.state.circuittrobat;
        },
        8000);
    l.sim.signal(SIGCONT);
    ASSERT_TRUE(lost);
    EXPECT_FALSE(w.programmingShown());
    EXPECT_TRUE(e.programming.mostraestat);
    EXPECT_EQ(e.programming.panelmostrat, QStringLiteral("Estat"));
}

// A locked module refuses the stream (":Protect"), yet it answers every poll:
// it stays linked, and once given its code it streams and stays linked.
TEST(WindowLink, ALockedModuleStaysLinkedBeforeAndAfterItsAccessCode)
{
    Linked l({QStringLiteral("--lock"), QStringLiteral("1234")});
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    const Engine &e = w.engine();
    ASSERT_TRUE(waitFor([&] { return linked(w) && e.state.protegit; }, 15000));
    ASSERT_TRUE(e.programming.mostraestat);
    EXPECT_FALSE(e.state.inf);

    LinkWatch watch(w);
    EXPECT_TRUE(watch.holdsFor(25000)) << watch.drops << " drops, " << watch.cutMessages << " messages; "
                                       << l.received().join(u' ').toStdString();
    EXPECT_TRUE(e.state.circuittrobat);
    EXPECT_TRUE(e.state.protegit);

    // Prog. still asks for the code; the right one switches the stream on.
    auto *panel = w.findChild<QWidget *>(QStringLiteral("PBloqueig"));
    ASSERT_NE(panel, nullptr);
    w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
    ASSERT_TRUE(panel->isVisible());
    QTest::keyClicks(w.findChild<QLineEdit *>(QStringLiteral("ECodiDesbloqueig")), "1234");
    w.findChild<QPushButton *>(QStringLiteral("BBDesbloqueigAcceptar"))->click();
    ASSERT_TRUE(waitFor([&] { return e.state.inf && !e.state.protegit; }, 10000))
        << l.received().join(u' ').toStdString();
    EXPECT_TRUE(watch.holdsFor(12000)) << watch.drops << " drops, " << watch.cutMessages << " messages";
    EXPECT_TRUE(e.state.inf);
}

TEST(WindowLink, ARecognisedModuleColoursItsPanelsLightBlue)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return linked(w); }, 15000));
    const QColor blue = QColor::fromRgb(colours::LightBlue);

    // What is painted, not only what the palette says.
    auto share = [&](QWidget *widget) {
        const QImage img = widget->grab().toImage();
        int hits = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2)
                hits += img.pixelColor(x, y) == blue;
        return double(hits) / ((img.height() + 1) / 2 * ((img.width() + 1) / 2));
    };
    auto *usb = w.findChild<QWidget *>(QStringLiteral("PUSB"));
    auto *events = w.findChild<QListView *>(QStringLiteral("REVelmar"));
    ASSERT_NE(usb, nullptr);
    ASSERT_NE(events, nullptr);
    EXPECT_GT(share(usb), 0.3);
    EXPECT_GT(share(events->viewport()), 0.5);
}

TEST(WindowLink, AnUnusablePortRefreshesThePortList)
{
    QTemporaryDir dir;
    MainWindow w{optionsOn(dir, dir.filePath(QStringLiteral("no-such-port")))};
    auto *chooser = w.findChild<QComboBox *>(QStringLiteral("CCBPort"));
    w.show();
    ASSERT_TRUE(waitFor([&] { return w.windowTitle().contains(QStringLiteral("sin internet")); }));
    // A port that went away since the list was made at the first activation.
    chooser->addItem(QStringLiteral("ttyVELMAR-GONE"));
    EXPECT_TRUE(waitFor([&] { return chooser->findText(QStringLiteral("ttyVELMAR-GONE")) < 0; }, 10000));
}

TEST(WindowLink, ClosingStopsThePollingBeforeTheModuleIsLocked)
{
    Linked l;
    ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
    MainWindow &w = *l.w;
    ASSERT_TRUE(waitFor([&] { return linked(w) && w.engine().state.inf; }, 15000));

    // A poll falls due while the window closes.
    w.engine().identification.start(50);
    w.close();
    ASSERT_TRUE(waitFor([&] { return !w.isVisible(); }, 5000));
    ASSERT_TRUE(waitFor([&] { return l.received().contains(QStringLiteral("vm+inf")); }, 5000));
    const QStringList rx = l.received();
    const qsizetype lock = rx.lastIndexOf(QStringLiteral("vm+cdp=*"));
    ASSERT_GE(lock, 0);
    EXPECT_EQ(rx.mid(lock + 1), QStringList{QStringLiteral("vm+inf")}) << rx.join(u' ').toStdString();
}

// A read or write cycle whose step falls due while the window closes sends
// nothing between the lock and the stream-off command.
TEST(WindowLink, ClosingStopsARunningCycleBeforeTheModuleIsLocked)
{
    const struct {
        const char *button;
        bool write;
    } cases[] = {{"BBLlegirPag", false}, {"BBGravar", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        Linked l;
        ASSERT_TRUE(l.sim.ok()) << l.sim.errorText().toStdString();
        MainWindow &w = *l.w;
        Engine &e = w.engine();
        ASSERT_TRUE(waitFor([&] { return linked(w) && e.state.inf; }, 15000));
        w.findChild<QPushButton *>(QStringLiteral("BBProg"))->click();
        ASSERT_TRUE(waitFor([&] { return w.programmingShown() && e.programming.progllegida && !e.programming.busy(); },
                            20000));
        if (c.write) {
            auto *ref = w.findChild<QLineEdit *>(QStringLiteral("EProgRef"));
            ref->setFocus();
            ref->selectAll();
            QTest::keyClicks(ref, "Obra 7");
            ASSERT_EQ(e.fields.ncampsModificats, 1);
        }

        // The module holds still: the cycle keeps waiting on its timer.
        l.sim.signal(SIGSTOP);
        w.findChild<QPushButton *>(QString::fromLatin1(c.button))->click();
        QObject *cycle = c.write ? static_cast<QObject *>(&e.writer) : static_cast<QObject *>(&e.reader);
        auto *timer = cycle->findChild<QTimer *>(QString::fromLatin1(c.write ? "TimerGravar" : "TimerLlegir"));
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(timer->isActive());
        // Its next step falls due while the window closes.
        timer->start(50);
        w.close();
        const bool closed = waitFor([&] { return !w.isVisible(); }, 5000);
        l.sim.signal(SIGCONT);
        ASSERT_TRUE(closed);

        QStringList rx;
        qsizetype lock = -1;
        ASSERT_TRUE(waitFor(
            [&] {
                rx = l.received();
                lock = rx.lastIndexOf(QStringLiteral("vm+cdp=*"));
                return lock >= 0 && rx.indexOf(QStringLiteral("vm+inf"), lock) > lock;
            },
            10000))
            << rx.join(u' ').toStdString();
        EXPECT_EQ(rx.mid(lock + 1), QStringList{QStringLiteral("vm+inf")}) << rx.join(u' ').toStdString();
    }
}

} // namespace
