// The two Aguilera views in the window: chosen by the attached model, fed
// by the "A2"/"A3" records and the stored cloud record, greyed when the
// panel is not live, busy in telecontrol; and their pictures.
#include "core/cloud/CloudRecords.h"
#include "core/status/Colours.h"
#include "ui/panels/AguileraViews.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/BlinkLamp.h"

#include "PanelWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;

namespace {

struct Window : velmar::test::PanelWindow {
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            engine().monitor.TimerLedsTimer();
    }
    template <typename T>
    T *find(const char *name) const
    {
        return w->findChild<T *>(QLatin1String(name));
    }
    QString list() const { return find<QPlainTextEdit>("MAguiInfo")->toPlainText(); }
    QString heading() const { return find<QLabel>("LAguiInfo")->text(); }
    bool lampOn(const char *name) const { return find<Lamp>(name)->isOn(); }
    QColor buttonText(const char *name) const
    {
        return find<QPushButton>(name)->palette().color(QPalette::ButtonText);
    }
};

const char *const kThreeAlarms = "{#A2|3|0|0|0:12=Pasillo;15=Cocina;9999=Sistema|||}";

TEST(AguileraViewsUi, TheAttachedModelChoosesItsView)
{
    Window win;
    auto *sa = win.find<AguileraSaView>("PEstatAgui");
    auto *c5 = win.find<AguileraC5View>("PEstatAgui2");
    ASSERT_NE(sa, nullptr);
    ASSERT_NE(c5, nullptr);
    const struct {
        const char *central;
        bool sa, c5;
    } cases[] = {{"AE/SA", true, false}, {"AGE44", true, false}, {"AE/C5", false, true}, {"ID3000", false, false},
                 {"", false, false}};
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        EXPECT_EQ(sa->isVisible(), c.sa) << c.central;
        EXPECT_EQ(c5->isVisible(), c.c5) << c.central;
    }
    win.attach(QStringLiteral("AE/SA"));
    emit win.engine().fields.disconnectedReset();
    EXPECT_FALSE(sa->isVisible());
}

TEST(AguileraViewsUi, SaListsKeepTheChosenStateAcrossRecords)
{
    Window win;
    win.attach(QStringLiteral("AE/SA"));
    win.record(QLatin1String(kThreeAlarms));
    EXPECT_TRUE(win.lampOn("SAguiLedsAlarma"));
    EXPECT_FALSE(win.lampOn("SAguiLedsAvaria"));
    EXPECT_EQ(win.heading(), QStringLiteral(" ESTADO DE ALARMA: 3 zonas"));
    EXPECT_EQ(win.list(), QStringLiteral("\n 1/3 ZONA EN ALARMA\n   0012  Pasillo\n\n 2/3 ZONA EN ALARMA\n   0015  Cocina\n\n"
                                         " 3/3 ZONA EN ALARMA\n   9999 Zona de sistema\n"));
    EXPECT_EQ(win.buttonText("BBAguiAlarma"), QColor(0x00, 0x80, 0x00));

    win.find<QPushButton>("BbAguiAvaria")->click();
    EXPECT_EQ(win.heading(), QStringLiteral(" ESTADO DE AVERIA: 0 zonas"));
    EXPECT_TRUE(win.list().isEmpty());
    EXPECT_EQ(win.buttonText("BbAguiAvaria"), QColor(0x00, 0x80, 0x00));
    EXPECT_NE(win.buttonText("BBAguiAlarma"), QColor(0x00, 0x80, 0x00));
    EXPECT_TRUE(win.lampOn("SAguiLedsAvaria")); // the chosen state's lamp

    // The next record keeps the fault list.
    win.record(QStringLiteral("{#A2|1|2|0|0:4=Hall|7=Norte;8=*Sur||}"));
    EXPECT_EQ(win.find<AguileraSaView>("PEstatAgui")->shownList(), panels::AguiList::Fault);
    EXPECT_EQ(win.heading(), QStringLiteral(" ESTADO DE AVERIA: 2 zonas"));
    EXPECT_TRUE(win.list().contains(QStringLiteral(" 2/2 ZONA EN AVERIA (PRUEBAS)\n   0008  Sur")))
        << win.list().toStdString();

    // The panel link down: the list goes, the lamps and buttons grey.
    win.record(QStringLiteral("{#8710:0}"));
    EXPECT_EQ(win.engine().state.connex_velmar_Agui, 1);
    EXPECT_TRUE(win.heading().isEmpty());
    EXPECT_FALSE(win.find<QPlainTextEdit>("MAguiInfo")->isVisible());
    EXPECT_FALSE(win.lampOn("SAguiLedsAlarma"));
    EXPECT_FALSE(win.lampOn("SAguiLedsAvaria"));
    // A list button while the panel is down does not change the choice.
    win.find<QPushButton>("BBAguiProva")->click();
    EXPECT_EQ(win.find<AguileraSaView>("PEstatAgui")->shownList(), panels::AguiList::Fault);
}

TEST(AguileraViewsUi, SaFromTheStoredCloudRecord)
{
    Window win;
    Engine &e = win.engine();
    cloud::ModuleRecord r;
    r.set(QStringLiteral("comCentral"), QStringLiteral("AE/SA"));
    r.set(QStringLiteral("comStat"), QStringLiteral("3"));
    r.set(QStringLiteral("numAlarm"), QStringLiteral("0"));
    r.set(QStringLiteral("numFault"), QStringLiteral("0"));
    r.set(QStringLiteral("numDisconn"), QStringLiteral("1"));
    r.set(QStringLiteral("numTest"), QStringLiteral("0"));
    r.set(QStringLiteral("zonesDisconn"), QStringLiteral("21=Garaje"));
    e.state.connex_velmar_Agui = 2;
    e.state.equipdesconnectat = true;
    e.offlineStatus.show(r);
    EXPECT_TRUE(win.find<AguileraSaView>("PEstatAgui")->isVisible());
    EXPECT_TRUE(win.lampOn("SAguiLedsDesconnex"));
    win.find<QPushButton>("BBAguiDesconnec")->click();
    EXPECT_EQ(win.heading(), QStringLiteral(" ESTADO DE DESCONEXION: 1 zonas"));
    EXPECT_TRUE(win.list().contains(QStringLiteral(" 1/1 ZONA DESCONECTADA\n   0021  Garaje")));
    // Shown from the stored state: silver, not the live teal.
    EXPECT_EQ(win.find<QPlainTextEdit>("MAguiInfo")->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
}

TEST(AguileraViewsUi, TelecontrolShowsOnlyTheBusyTexts)
{
    Window win;
    win.attach(QStringLiteral("AE/SA"));
    win.record(QLatin1String(kThreeAlarms));
    auto *sa = win.find<AguileraSaView>("PEstatAgui");
    const char *const working[] = {"PAguiInfo", "PAguiLeds", "SAguiLedsAlarma", "SBSilenci", "SBReposicio", "SBRearme"};
    const char *const busy[] = {"LAguiProces", "LAguiEspere", "LAguiTelecontrol"};
    for (const bool on : {true, false}) {
        sa->setTelecontrol(on);
        for (const char *name : working)
            EXPECT_EQ(win.find<QWidget>(name)->isVisible(), !on) << name;
        for (const char *name : busy)
            EXPECT_EQ(win.find<QWidget>(name)->isVisible(), on) << name;
        EXPECT_EQ(sa->palette().color(QPalette::Window), on ? QColor(0x00, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
    }
    EXPECT_EQ(win.find<QLabel>("LAguiProces")->text(), QStringLiteral("  PROCESO EN CURSO"));
    EXPECT_EQ(win.find<QLabel>("LAguiEspere")->text(), QStringLiteral("  Espere un momento, por favor ..."));

    win.attach(QStringLiteral("AE/C5"));
    win.record(QStringLiteral("{#A3|00|0|0000001|81}"));
    auto *c5 = win.find<AguileraC5View>("PEstatAgui2");
    c5->setTelecontrol(true);
    for (const char *name : {"SEstatAlarma", "SZona1", "IZona1", "PZona1", "PConnectar", "PSirenes"})
        EXPECT_FALSE(win.find<QWidget>(name)->isVisible()) << name;
    EXPECT_TRUE(win.find<QWidget>("LAgui2Telecontrol")->isVisible());
    // The module's own interface line is not the view's: it stays.
    EXPECT_FALSE(win.find<QLabel>("REInterCentral")->isHidden());
    c5->setTelecontrol(false);
    EXPECT_TRUE(win.find<QWidget>("PConnectar")->isVisible());
    EXPECT_FALSE(win.find<QWidget>("LAgui2Telecontrol")->isVisible());
}

TEST(AguileraViewsUi, C5LampsZonesAndInterfaceFromItsRecord)
{
    Window win;
    win.attach(QStringLiteral("AE/C5"));
    auto *iface = win.find<QLabel>("REInterCentral");
    EXPECT_TRUE(iface->isHidden());
    // Zone 1 alarm lit, zone 2 absent, zone 3 a marked call point in fault.
    win.record(QStringLiteral("{#A3|20|0|1000001|8100E4}"));
    EXPECT_FALSE(iface->isHidden());
    EXPECT_EQ(iface->text(), QStringLiteral("ERROR INTERFACE"));
    win.ticks(2);
    const auto colour = [&](const char *lamp) { return win.find<BlinkLamp>(lamp)->colour(); };
    const auto visible = [&](const char *name) { return win.find<QWidget>(name)->isVisible(); };
    EXPECT_EQ(colour("SEstatAlarma"), QColor::fromRgb(colours::Red));
    EXPECT_EQ(colour("SEstat220"), QColor::fromRgb(colours::Lime));
    EXPECT_EQ(colour("SEstatAvaria"), QColor::fromRgb(colours::Silver));
    EXPECT_EQ(colour("SZona1"), QColor::fromRgb(colours::Red));
    EXPECT_EQ(colour("SSZona1"), QColor::fromRgb(colours::Silver));
    EXPECT_TRUE(visible("SSZona1"));
    EXPECT_TRUE(visible("IZona1"));
    EXPECT_EQ(win.find<QLabel>("PZona1")->text(), QStringLiteral("1"));
    for (const char *gone : {"SZona2", "SSZona2", "IZona2"})
        EXPECT_FALSE(visible(gone)) << gone;
    EXPECT_EQ(colour("SSZona3"), QColor::fromRgb(colours::Yellow));
    EXPECT_EQ(win.find<QLabel>("PZona3")->text(), QStringLiteral(">3"));
    EXPECT_TRUE(win.find<QLabel>("PZona3")->font().bold());

    win.record(QStringLiteral("{#A3|00|0|1000001|8100E4}"));
    EXPECT_EQ(iface->text(), QStringLiteral("INTERFACE OK"));
    // With the panel link down the interface text is left as it was.
    win.record(QStringLiteral("{#8710:0}"));
    win.record(QStringLiteral("{#A3|20|0|1000001|8100E4}"));
    EXPECT_EQ(iface->text(), QStringLiteral("INTERFACE OK"));
    EXPECT_FALSE(win.find<AguileraC5View>("PEstatAgui2")->live());
}

// Pictures of both views at rest and in alarm, and in telecontrol, for
// scripts/screenshots.sh.
TEST(Screenshots, DISABLED_AguileraViews)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Window win;
    win.w->resize(1180, 900);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*win.w));
    const auto shot = [&](const char *view, const QString &name) {
        for (int tick = 0; tick < 3; ++tick)
            win.engine().monitor.TimerLedsTimer();
        QCoreApplication::processEvents();
        win.find<QWidget>(view)->grab().save(dir + QStringLiteral("/view-") + name + QStringLiteral(".png"));
    };
    win.attach(QStringLiteral("AE/SA"));
    win.record(QStringLiteral("{#A2|0|0|0|0:|||}"));
    shot("PEstatAgui", QStringLiteral("agui-rest"));
    win.record(QLatin1String(kThreeAlarms));
    shot("PEstatAgui", QStringLiteral("agui-alarm"));
    win.find<AguileraSaView>("PEstatAgui")->setTelecontrol(true);
    shot("PEstatAgui", QStringLiteral("agui-telecontrol"));
    win.find<AguileraSaView>("PEstatAgui")->setTelecontrol(false);

    win.attach(QStringLiteral("AE/C5"));
    win.record(QStringLiteral("{#A3|00|0|0000001|80808080808080808080808080808080}"));
    shot("PEstatAgui2", QStringLiteral("agui2-rest"));
    win.record(QStringLiteral("{#A3|00|1|1000001|81A2C4888080808080808080808000}"));
    shot("PEstatAgui2", QStringLiteral("agui2-alarm"));
}

} // namespace
