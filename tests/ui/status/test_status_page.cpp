// The status page of the real main window, fed with records through the
// command channel as the module sends them, and driven by the window's own
// supervision tick.
#include "core/status/Colours.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/BlinkLamp.h"
#include "ui/status/Gauge.h"
#include "ui/status/StatusBarPanel.h"
#include "ui/status/StatusPage.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QAbstractButton>
#include <QTimer>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;

namespace {

struct Options {
    QTemporaryDir dir;
    StartOptions opts;
    Options()
    {
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
    }
};

// A linked module's window with the information stream on.
struct Window {
    Options o;
    MainWindow w{o.opts};
    Window()
    {
        w.engine().state.inf = true;
        w.engine().state.circuit = true;
        w.engine().state.circuittrobat = true;
    }
    template <typename T = QWidget>
    T *find(const char *name)
    {
        T *t = w.findChild<T *>(QLatin1String(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
    void record(const QString &r) { w.engine().channel.receive(r.toLatin1() + "\r\n"); }
    QColor linkBackground(const char *name) { return find<QLabel>(name)->palette().color(QPalette::Window); }
    QList<QMessageBox *> messages() { return w.findChildren<QMessageBox *>(); }
};

QColor qc(Rgb c)
{
    return QColor::fromRgb(c);
}

const QString kRecord = QStringLiteral(
    "{#0090326143000|001"
    "#1Instalaciones Sur|Pedro|Nave 3|1000123:356938035643809|BC600"
    "#21000000000000000|01|5631|20:41.1,2.3|1:C0:80:40|1:64:5A:64|12,3|40"
    "#3Puerta|Ventana|||||||||||||Sirena|"
    "#4Luz|Bomba|Riego|Alarma"
    "#5600123456:Movistar:UC20:1.02}");

TEST(StatusPage, RecordsFromTheModuleFillThePage)
{
    Window t;
    t.record(kRecord);

    auto *ee1 = t.find<Indicator>("EE1");
    EXPECT_EQ(ee1->background(), qc(colours::Red));
    EXPECT_EQ(ee1->text(), QStringLiteral("Puerta"));
    EXPECT_EQ(t.find<Indicator>("EE2")->background(), qc(colours::Green));
    EXPECT_EQ(t.find<Indicator>("EE15")->text(), QStringLiteral("Sirena"));
    EXPECT_EQ(t.find<Indicator>("ES1")->background(), qc(colours::Green));
    EXPECT_EQ(t.find<Indicator>("ES2")->background(), qc(colours::Red));
    EXPECT_EQ(t.find<Indicator>("ES3")->background(), qc(colours::InactiveCaption));
    EXPECT_EQ(t.find<Indicator>("ES4")->text(), QStringLiteral("Alarma"));

    EXPECT_EQ(t.find<QLabel>("REGPRS")->text(), QStringLiteral(" GPRS: CONECTADO A INTERNET"));
    EXPECT_EQ(t.linkBackground("REGPRS"), qc(colours::Green));
    EXPECT_EQ(t.find<QLabel>("REGPRS")->palette().color(QPalette::WindowText), qc(colours::White));
    EXPECT_EQ(t.linkBackground("READSL"), qc(colours::Lime));
    EXPECT_EQ(t.find<QLabel>("RECOM")->text(), QStringLiteral(" COM: BC600 CONECTADA"));
    EXPECT_EQ(t.find<QLabel>("RECOM")->palette().color(QPalette::WindowText), qc(colours::Black));

    // A panel is known: the inputs belong to it and are covered.
    EXPECT_FALSE(t.find<QWidget>("PEntradesNoDisp")->isHidden());
    EXPECT_TRUE(t.find<QLabel>("PEntradesNoDisp")->text().isEmpty());
    EXPECT_TRUE(t.find<QWidget>("PSortidesNoDisp")->isHidden());
    EXPECT_FALSE(t.find<QWidget>("PESActivades")->isHidden());

    auto *tamper = t.find<Gauge>("GTamper");
    EXPECT_EQ(tamper->value(), 0xC0);
    EXPECT_EQ(tamper->barColour(), qc(colours::Lime));
    EXPECT_EQ(t.find<QWidget>("STamperRest")->x(), tamper->x() + 0x40 * 150 / 255);
    EXPECT_EQ(t.find<QLabel>("LTamperDisp")->text(), QStringLiteral("50%"));
    auto *power = t.find<Gauge>("GAlimentacio");
    EXPECT_EQ(power->value(), 12);
    EXPECT_EQ(t.find<QLabel>("LVAlim")->text(), QStringLiteral("12,3 V"));
    EXPECT_EQ(t.find<QLabel>("LRestBat")->text(), QStringLiteral("I: 12,3V"));
    EXPECT_EQ(t.find<QWidget>("Srestbat")->x(), power->x() + 60);
    EXPECT_EQ(t.find<QLabel>("LRestBat")->x(), power->x() + 30);

    const QString gsm = t.find<QPlainTextEdit>("REGSM")->toPlainText();
    EXPECT_TRUE(gsm.contains(QStringLiteral("   Operadora: \tMovistar"))) << gsm.toStdString();
    EXPECT_TRUE(gsm.contains(QStringLiteral("Cobertura:\t62 %"))) << gsm.toStdString();
    EXPECT_TRUE(gsm.contains(QStringLiteral("356938035643809")));
    EXPECT_TRUE(t.find<QPlainTextEdit>("REEmpresa")->toPlainText().startsWith(
        QStringLiteral("Empresa: \tInstalaciones Sur")));
    EXPECT_TRUE(t.find<QPlainTextEdit>("REEmpresa2")->toPlainText().contains(QStringLiteral("1000123")));
    EXPECT_EQ(t.find<QLabel>("MDataHora")->text(), QStringLiteral("Fecha: 09/03/26     Hora: 14:30"));

    // The status bar shows the panel link and its traffic lamps.
    auto *panel = t.find<StatusBarPanel>("SBEstat2");
    EXPECT_EQ(panel->text(), QStringLiteral("  Velmar            BC600"));
    EXPECT_EQ(panel->look().background, colours::Olive);
    EXPECT_FALSE(t.find<Lamp>("ComLedRXAgui")->isHidden());
    EXPECT_TRUE(t.find<Lamp>("ComLedRXAgui")->isOn());
}

TEST(StatusPage, ResetAndTheReceivingCentreTestShowOnceTheModuleIdentifiesItself)
{
    Window t;
    auto *reset = t.find<QPushButton>("BBReset");
    auto *cra = t.find<QPushButton>("BBCRA");
    EXPECT_TRUE(reset->isHidden());
    EXPECT_TRUE(cra->isHidden());
    EXPECT_FALSE(t.find<QPushButton>("BBProvaTest")->isHidden());
    t.record(kRecord);
    EXPECT_FALSE(reset->isHidden());
    EXPECT_FALSE(cra->isHidden());
    t.w.engine().Esborra_Camps();
    EXPECT_TRUE(reset->isHidden());
    EXPECT_TRUE(cra->isHidden());
}

TEST(StatusPage, AnInputLeftOutFadesAndAnOutputLosesItsColour)
{
    Window t;
    t.record(kRecord);
    t.record(QStringLiteral("{#2|||||||}"));
    EXPECT_EQ(t.find<Indicator>("EE1")->background(), qc(colours::LightRed));
    EXPECT_EQ(t.find<Indicator>("EE2")->background(), qc(colours::LightGreen));
    EXPECT_EQ(t.find<Indicator>("EE1")->textColour(), qc(colours::WindowText));
    EXPECT_EQ(t.find<Indicator>("ES2")->background(), qc(colours::InactiveCaption));
    // Link codes missing: colours kept, texts emptied.
    EXPECT_EQ(t.linkBackground("REGPRS"), qc(colours::Green));
    EXPECT_EQ(t.find<QLabel>("REGPRS")->text(), QStringLiteral(" GPRS: "));
}

TEST(StatusPage, ClickingAnOutputAsksToSwitchIt)
{
    Window t;
    t.w.show();
    auto *page = t.find<StatusPage>("PEstat");
    QSignalSpy clicked(page, &StatusPage::outputClicked);
    t.record(kRecord);
    page->showStatusPanels(true);
    // The window asks before switching; the test says no.
    QString asked;
    QTimer::singleShot(100, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::No)->click();
        }
    });
    QTest::mouseClick(t.find<Indicator>("ES3"), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
    EXPECT_TRUE(asked.startsWith(QStringLiteral(" Se cambiará el estado de la salida "))) << asked.toStdString();
}

TEST(StatusPage, TenSilentSecondsLoseALocalModuleAndClearThePage)
{
    Window t;
    t.w.setStatusText(QStringLiteral("CONECTADO"));
    t.record(kRecord);
    t.w.engine().eventLog.append(QStringLiteral("10:00 Alarma"), LogColour::Red);
    for (int i = 0; i < 99; ++i)
        t.w.TimerLedsTimer();
    EXPECT_TRUE(t.messages().isEmpty());

    t.w.TimerLedsTimer();
    ASSERT_EQ(t.messages().size(), 1);
    QMessageBox *box = t.messages().first();
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ERROR"));
    EXPECT_EQ(box->text(), QString::fromUtf8("Se ha cortado la comunicación con el equipo Velmar"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_TRUE(box->isVisible()); // shown, and the program goes on meanwhile
    EXPECT_EQ(t.w.statusText(), QStringLiteral("SIN   CONEXION"));
    EXPECT_FALSE(t.w.engine().state.circuit);
    EXPECT_EQ(t.find<Indicator>("EE1")->text(), QStringLiteral("---"));
    EXPECT_EQ(t.find<Indicator>("EE1")->background(), qc(colours::Window));
    EXPECT_EQ(t.find<QListView>("REVelmar")->model()->rowCount(), 0);
    EXPECT_EQ(t.find<StatusBarPanel>("SBEstat2")->look().background, colours::Silver);
    EXPECT_TRUE(t.find<Lamp>("ComLedRXAgui")->isHidden());
    EXPECT_TRUE(t.find<QPlainTextEdit>("REEmpresa")->toPlainText().isEmpty());
    box->done(QMessageBox::Ok);
}

TEST(StatusPage, SilenceOfARemoteModuleClearsOnlyAReadingIndication)
{
    for (const char *progress : {"Leyendo el circuito", "Grabando"}) {
        Window t;
        t.w.engine().state.connex_remota = QStringLiteral("MQTT");
        auto *panel = t.find<StatusBarPanel>("SBEstat1");
        panel->setText(QString::fromLatin1(progress));
        auto *bar = t.find<QProgressBar>("PBEstat");
        bar->setValue(40);
        bar->show();
        t.w.engine().state.tempsllegir = 1;
        t.w.TimerLedsTimer();
        const bool reading = QByteArray(progress).startsWith("Leyendo");
        EXPECT_EQ(panel->text().isEmpty(), reading) << progress;
        EXPECT_EQ(bar->isHidden(), reading) << progress;
        EXPECT_TRUE(t.messages().isEmpty());
        EXPECT_TRUE(t.w.engine().state.circuit);
    }
}

TEST(StatusPage, EstadoWithoutAModuleShowsTheNoLinkCaption)
{
    Window t;
    t.w.engine().state.circuit = false;
    t.w.engine().state.circuittrobat = false;
    auto *page = t.find<StatusPage>("PEstat");
    page->showStatusPanels(true);
    page->setCaption(QString());
    t.find<QPushButton>("BBLlegirEstat")->click();
    EXPECT_EQ(page->caption(), QStringLiteral("SIN   CONEXION"));
    EXPECT_TRUE(t.find<QWidget>("PEstatES")->isHidden());
    EXPECT_TRUE(t.find<QWidget>("PEstatES2")->isHidden());
    EXPECT_TRUE(t.w.engine().identification.active());
    EXPECT_EQ(t.w.engine().identification.interval(), 100);

    // With a module the caption goes and the page's colours come back.
    t.w.setStatusText(QStringLiteral("CONECTADO"));
    t.w.engine().state.circuit = true;
    t.w.engine().identification.recognised();
    EXPECT_FALSE(t.find<QWidget>("PEstatES")->isHidden());
    t.find<QPushButton>("BBLlegirEstat")->click();
    EXPECT_EQ(page->caption(), QString());
    EXPECT_EQ(t.find<QWidget>("PEstatES")->palette().color(QPalette::Window), qc(colours::LightBlue));
    EXPECT_EQ(t.find<QPlainTextEdit>("REGSM")->palette().color(QPalette::Text), qc(colours::Blue));
}

TEST(StatusPage, EstadoBringsThePageBackFromTheProgrammingView)
{
    Window t;
    auto *views = t.find<QStackedWidget>("PVistes");
    auto *page = t.find<StatusPage>("PEstat");
    EXPECT_EQ(views->currentWidget(), page);
    // The programming was read before: "Prog." only shows the view.
    t.w.engine().programming.progllegida = true;
    t.w.engine().fields.edit(u"EProgEmpresa")->setText(QStringLiteral("Velmar Demo"));
    t.find<QPushButton>("BBProg")->click();
    ASSERT_NE(views->currentWidget(), page);
    EXPECT_FALSE(t.w.engine().identification.view().statusShown); // no status polling meanwhile
    t.w.engine().state.circuit = false;
    t.find<QPushButton>("BBLlegirEstat")->click();
    EXPECT_EQ(views->currentWidget(), page);
    EXPECT_TRUE(t.w.engine().identification.view().statusShown);
    EXPECT_FALSE(t.w.engine().identification.view().programmingShown);
}

TEST(StatusPage, TheEleventhClickOnTheHeadingRevealsTheEventsModeToggle)
{
    Window t;
    t.w.show();
    auto *heading = t.find<QLabel>("LEstatVelmar");
    auto *tot = t.find<QToolButton>("BTot");
    EXPECT_TRUE(tot->isHidden());
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(heading, Qt::LeftButton);
    EXPECT_TRUE(tot->isHidden());
    QTest::mouseClick(heading, Qt::LeftButton);
    EXPECT_FALSE(tot->isHidden());
    QTest::mouseClick(heading, Qt::LeftButton); // the twelfth starts counting again
    EXPECT_FALSE(tot->isHidden());
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(heading, Qt::LeftButton);
    EXPECT_TRUE(tot->isHidden());
}

TEST(StatusPage, EventsPaneToggles)
{
    Window t;
    EventLog &log = t.w.engine().eventLog;
    auto *tot = t.find<QToolButton>("BTot");
    tot->click();
    EXPECT_TRUE(log.BTot());
    EXPECT_TRUE(tot->isChecked());
    tot->click();
    EXPECT_FALSE(log.BTot());

    log.append(QStringLiteral("10:00 Fuego"), LogColour::Red);
    auto *pane = t.find<QListView>("REVelmar");
    ASSERT_EQ(pane->model()->rowCount(), 1);
    EXPECT_EQ(pane->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), qc(colours::Red));
    auto *para = t.find<QToolButton>("BPara");
    const QString running = para->text();
    para->click();
    EXPECT_NE(para->text(), running);
    t.find<QToolButton>("BEsborra")->click();
    EXPECT_EQ(pane->model()->rowCount(), 0);
}

TEST(StatusPage, LampsOfAStatusViewFollowTheirTagsOnTheWindowsTick)
{
    Window t;
    Engine &e = t.w.engine();
    BlinkLamp lamp(QStringLiteral("SZona3"), e.blink, LampGroup::PunterLedZones, 3);
    QObject::connect(&e.monitor, &StatusMonitor::lampsPainted, &lamp, &BlinkLamp::refresh);
    t.w.TimerLedsTimer();
    EXPECT_TRUE(lamp.isHidden()); // Tag 0 hides a zone lamp
    e.blink.lamp(LampGroup::PunterLedZones, 3).Tag = 2;
    t.w.TimerLedsTimer();
    EXPECT_FALSE(lamp.isHidden());
    EXPECT_EQ(lamp.colour(), qc(colours::Silver));
    // Slow blinking: the counter, reloaded by the first tick, runs out.
    for (int i = 0; i < 5; ++i)
        t.w.TimerLedsTimer();
    EXPECT_EQ(lamp.colour(), qc(colours::Red));
    for (int i = 0; i < 5; ++i)
        t.w.TimerLedsTimer();
    EXPECT_EQ(lamp.colour(), qc(colours::Red));
    t.w.TimerLedsTimer();
    EXPECT_EQ(lamp.colour(), qc(colours::Silver));
}

TEST(StatusPage, ABridgedPanelLightsItsTrafficLampOnTheNextTick)
{
    Window t;
    t.w.engine().state.central = QStringLiteral("BC600");
    t.record(QStringLiteral("{#8700:}"));
    auto *panel = t.find<StatusBarPanel>("SBEstat2");
    EXPECT_EQ(panel->look().background, colours::Orange);
    auto *rx = t.find<Lamp>("ComLedRXAgui");
    EXPECT_FALSE(rx->isHidden());
    EXPECT_FALSE(rx->isOn());
    t.record(QStringLiteral("{#8711:}")); // the panel answers
    EXPECT_EQ(panel->look().background, colours::Olive);
    t.w.TimerLedsTimer();
    EXPECT_TRUE(rx->isOn());
    for (int i = 0; i < 7; ++i)
        t.w.TimerLedsTimer();
    EXPECT_FALSE(rx->isOn());
}

TEST(StatusPage, StatusBarPanelsDrawTheirStates)
{
    Window t;
    t.w.show();
    t.w.setStatusText(QStringLiteral("CONECTADO"));
    auto *link = t.find<StatusBarPanel>("SBEstat0");
    EXPECT_EQ(link->width(), 250);
    EXPECT_EQ(t.find<StatusBarPanel>("SBEstat1")->width(), 400);
    const QImage img = link->grab().toImage();
    EXPECT_EQ(img.pixelColor(img.width() - 3, img.height() - 3), qc(colours::Lime));
    t.w.setStatusText(QStringLiteral("SIN   CONEXION"));
    const QImage off = link->grab().toImage();
    EXPECT_EQ(off.pixelColor(off.width() - 3, off.height() - 3), qc(colours::Silver));
    EXPECT_EQ(link->look().icon, StatusIcon::ModuleNotLinked);
}

} // namespace

namespace {

// A port that cannot be reached is named in the second panel: a long name
// gives way in its middle so that the message and the name's end both show,
// and the whole text is the panel's tooltip.
TEST(StatusPage, UnusablePortIsShownWholeInTheProgressPanel)
{
    const QString message = QStringLiteral(" No se puede acceder al puerto :");
    const struct {
        QString port;
        bool elided;
    } cases[] = {
        {QStringLiteral("COM3"), false},
        {QStringLiteral("/dev/serial/by-id/usb-Velmar_Q7R2T_Telecontrol_Module_0123456789ABCDEF-if00-port0"), true},
    };
    for (const auto &c : cases) {
        Window t;
        t.w.show();
        auto *panel = t.find<StatusBarPanel>("SBEstat1");
        emit t.w.engine().identification.portUnusable(c.port);
        panel->grab();
        const QString full = message + c.port;
        const QString shown = panel->shownText();
        EXPECT_EQ(panel->text(), full);
        EXPECT_TRUE(shown.startsWith(message)) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(c.port.right(3))) << shown.toStdString();
        EXPECT_LE(QFontMetrics(panel->textFont()).horizontalAdvance(shown), panel->width() - statusbar::kTextLeft)
            << shown.toStdString();
        EXPECT_EQ(shown != full, c.elided) << shown.toStdString();
        EXPECT_EQ(panel->toolTip(), c.elided ? full : QString()) << c.port.toStdString();
    }
}

} // namespace
