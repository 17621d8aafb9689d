#include "core/link/EventLog.h"
#include "core/link/InfoInterpreter.h"
#include "core/link/LinkState.h"
#include "core/link/ModuleStatus.h"
#include "core/params/InfoTexts.h"
#include "core/params/NamedTexts.h"
#include "core/status/StatusBarLook.h"
#include "core/status/StatusDisplay.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::colours;

namespace {

struct Fixture {
    LinkState link;
    ModuleStatus status;
    StatusDisplay display{link, status};
};

TEST(StatusDisplay, InputsFadeButOutputsLoseTheirStateWhenNotReported)
{
    const struct {
        QChar first, then;
        Rgb input, inputText, output, outputText;
    } cases[] = {
        {u'1', u'1', Red, Window, Red, Window},
        {u'0', u'0', Green, Window, Green, Window},
        {u'1', u' ', LightRed, WindowText, InactiveCaption, WindowText},
        {u'0', u'x', LightGreen, WindowText, InactiveCaption, WindowText},
        {u' ', u' ', Window, WindowText, InactiveCaption, WindowText}, // never reported
    };
    for (const auto &c : cases) {
        Fixture f;
        f.display.Estat_Entrades(2, c.first);
        f.display.Estat_Entrades(2, c.then);
        f.display.Estat_Sortides(1, c.first);
        f.display.Estat_Sortides(1, c.then);
        EXPECT_EQ(f.display.entrades()[2].background, c.input) << QString(c.first).toStdString();
        EXPECT_EQ(f.display.entrades()[2].text, c.inputText);
        EXPECT_EQ(f.display.sortides()[1].background, c.output);
        EXPECT_EQ(f.display.sortides()[1].text, c.outputText);
    }
    Fixture f; // out of range is ignored
    f.display.Estat_Entrades(16, u'1');
    f.display.Estat_Sortides(-1, u'1');
}

TEST(StatusDisplay, LinkLinesFollowTheirCodeTables)
{
    const struct {
        const char *code;
        Rgb gprs;
        const char *gprsText;
        Rgb adsl;
        const char *adslText;
    } cases[] = {
        {"0", Silver, "DESACTIVADO", Silver, "DESACTIVADO"},
        {"1", Red, "Buscando módulo", Red, "SIN   CONEXION"},
        {"2", Red, "Buscando SIM", Red, "SIN   CONEXION"},
        {"3", Orange, "Registrándose", Red, "SIN   CONEXION"},
        {"4", Orange, "CONECTADO A LA RED", Orange, "SIN CONEXIÓN A RECEPTORA"},
        {"5", Green, "CONECTADO A INTERNET", Green, "CONECTADO A INTERNET"},
        {"6", Lime, "CONECTADO A RECEPTORA", Lime, "CONECTADO A RECEPTORA"},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.display.PintaREEstatGPRS(QString::fromLatin1(c.code));
        f.display.PintaREEstatADSL(QString::fromLatin1(c.code));
        EXPECT_EQ(f.display.gprs().background, c.gprs) << c.code;
        EXPECT_EQ(f.display.gprs().line, QStringLiteral(" GPRS: ") + QString::fromUtf8(c.gprsText));
        EXPECT_EQ(f.display.adsl().background, c.adsl) << c.code;
        EXPECT_EQ(f.display.adsl().line, QStringLiteral(" ADSL: ") + QString::fromUtf8(c.adslText));
    }
    // A code outside the table, or no number at all, keeps the colour and
    // empties the text.
    for (const char *code : {"7", "x", ""}) {
        Fixture f;
        f.display.PintaREEstatGPRS(QStringLiteral("6"));
        f.display.PintaREEstatGPRS(QString::fromLatin1(code));
        EXPECT_EQ(f.display.gprs().background, Lime) << code;
        EXPECT_EQ(f.display.gprs().line, QStringLiteral(" GPRS: ")) << code;
    }
}

TEST(StatusDisplay, LinkFontsFollowTheBackground)
{
    const struct {
        Rgb background, font;
        bool bold;
    } cases[] = {
        {Window, Blue, false}, {Silver, Black, true}, {Lime, Black, false},
        {Red, White, false},   {Orange, White, false}, {Green, White, false},
    };
    for (const auto &c : cases) {
        LinkPanelLook l;
        l.background = c.background;
        l.bold = !c.bold;
        StatusDisplay::fontFor(l);
        EXPECT_EQ(l.font, c.font) << std::hex << c.background;
        EXPECT_EQ(l.bold, c.bold) << std::hex << c.background;
    }
}

TEST(StatusDisplay, ThePanelPortLineSetsThePanelLinkState)
{
    const struct {
        const char *code;
        Rgb background;
        const char *line;
        int agui;
        int lampTicks;
        bool shown; // a numeric code redraws the status bar
    } cases[] = {
        {"0", Silver, " COM: DESACTIVADO", 0, 0, true},
        {"1", Silver, " COM: Central no programada", 0, 0, true},
        {"2", Red, " COM: BC600-X desconectado", 1, 0, true},
        {"3", Lime, " COM: BC600-X CONECTADA", 2, 8, true},
        {"9", Window, " ", 5, 0, true},
        {"x", Window, " ", 5, 0, false},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.link.central = QStringLiteral("Bc600-x");
        f.link.connex_velmar_Agui = 5;
        f.display.setInterCentral({true, QStringLiteral("INTERFACE OK"), Green});
        QSignalSpy shown(&f.display, &StatusDisplay::panelLinkShown);
        f.display.PintaREEstatCOM(QString::fromLatin1(c.code));
        EXPECT_EQ(f.display.com().background, c.background) << c.code;
        EXPECT_EQ(f.display.com().line, QString::fromLatin1(c.line)) << c.code;
        EXPECT_EQ(f.link.connex_velmar_Agui, c.agui) << c.code;
        EXPECT_EQ(f.link.tempsRXAgui, c.lampTicks) << c.code;
        EXPECT_EQ(f.link.tempsTXAgui, c.lampTicks) << c.code;
        EXPECT_EQ(shown.count(), c.shown ? 1 : 0) << c.code;
        // Codes 0 to 2 hide the panel-interface line; 3 and others leave it.
        EXPECT_EQ(f.display.interCentral().shown, c.agui > 1) << c.code;
    }
}

TEST(StatusDisplay, AvailabilityCoversTheInputsAndOutputs)
{
    const struct {
        const char *code;
        const char *central;
        bool area, labelShown, inShown;
        const char *inCaption;
        Rgb inColour;
        bool outShown;
        const char *outCaption;
    } cases[] = {
        {"0", "", false, true, true, "DESACTIVADO", Silver, true, "DESACTIVADO"},
        {"1", "", true, true, false, "", Silver, false, ""},
        {"1", "Puertas", true, true, false, "", Silver, false, ""},
        {"1", "BC600", true, false, true, "", PaleBlue, false, ""},
        {"F", "", false, true, true, "NO DISPONIBLE", Silver, true, "NO DISPONIBLE"},
        {"x", "", true, true, false, "", Silver, false, ""},
        {"", "", true, true, false, "", Silver, false, ""},
    };
    for (const auto &c : cases) {
        Fixture f;
        f.link.central = QString::fromLatin1(c.central);
        f.display.PintaREEstatES(QString::fromLatin1(c.code));
        const QString what = QStringLiteral("%1/%2").arg(c.code, c.central);
        EXPECT_EQ(f.display.esActivades(), c.area) << what.toStdString();
        EXPECT_EQ(f.display.entradesLabelShown(), c.labelShown) << what.toStdString();
        EXPECT_EQ(f.display.entradesCover().shown, c.inShown) << what.toStdString();
        EXPECT_EQ(f.display.entradesCover().caption, QString::fromLatin1(c.inCaption)) << what.toStdString();
        EXPECT_EQ(f.display.entradesCover().colour, c.inColour) << what.toStdString();
        EXPECT_EQ(f.display.sortidesCover().shown, c.outShown) << what.toStdString();
        EXPECT_EQ(f.display.sortidesCover().caption, QString::fromLatin1(c.outCaption)) << what.toStdString();
    }
    // An empty code sends shown covers away again.
    Fixture f;
    f.display.PintaREEstatES(QStringLiteral("F"));
    f.display.PintaREEstatES(QString());
    EXPECT_FALSE(f.display.entradesCover().shown);
    EXPECT_FALSE(f.display.sortidesCover().front);
}

TEST(StatusDisplay, GaugesPlaceTheirMarkersAndLabels)
{
    Fixture f;
    f.display.Tamper(QStringLiteral("1"), 200, 128, 51);
    const GaugeLook &t = f.display.tamper();
    EXPECT_EQ(t.bar, Lime);
    EXPECT_EQ(t.value, 200);
    EXPECT_EQ(t.restoreX, 75); // 128 x 150 / 255
    EXPECT_EQ(t.restoreLabelX, 65);
    EXPECT_EQ(t.restoreLabel, QStringLiteral("50%"));
    EXPECT_EQ(t.triggerX, 30);
    EXPECT_EQ(t.triggerLabel, QStringLiteral("20%"));

    f.display.Alimentacio(QStringLiteral("1"), 100, 100, 90);
    const GaugeLook &p = f.display.power();
    EXPECT_EQ(p.bar, Lime);
    EXPECT_EQ(p.voltage, QStringLiteral("12,3 V")); // 12.26 V
    EXPECT_EQ(p.value, 12);
    EXPECT_EQ(p.restoreX, 60); // 12 x 150 / 30
    EXPECT_EQ(p.restoreLabelX, 30);
    EXPECT_EQ(p.restoreLabel, QStringLiteral("I: 12,3V"));
    EXPECT_EQ(p.triggerX, 55); // 11.07 V -> 11
    EXPECT_EQ(p.triggerLabelX, 45);
    EXPECT_EQ(p.triggerLabel, QStringLiteral("B: 11,1V"));

    // Any state but "1" is an alarm; 10.5 V rounds to even.
    f.display.Alimentacio(QStringLiteral("11"), 85, 0, 0);
    EXPECT_EQ(f.display.power().bar, Red);
    EXPECT_EQ(f.display.power().voltage, QStringLiteral("10,5 V"));
    EXPECT_EQ(f.display.power().value, 10);
}

TEST(StatusDisplay, GarbledGaugeValuesStayOnTheGauge)
{
    Fixture f;
    f.display.Tamper(QStringLiteral("0"), -1, 0x7FFFFFFF, -5);
    EXPECT_EQ(f.display.tamper().value, 0);
    EXPECT_EQ(f.display.tamper().restoreX, 150);
    EXPECT_EQ(f.display.tamper().restoreLabel, QStringLiteral("100%"));
    EXPECT_EQ(f.display.tamper().triggerX, 0);
    f.display.Alimentacio(QStringLiteral("1"), 0x7FFFFFFF, 0x7FFFFFFF, -1);
    EXPECT_EQ(f.display.power().value, StatusDisplay::kPowerMaxVolts);
    EXPECT_EQ(f.display.power().restoreX, 150);
    EXPECT_EQ(f.display.power().voltage, QStringLiteral("30,6 V"));
}

TEST(StatusDisplay, ARecordOfTheStreamPaintsThePageThroughTheInterpreter)
{
    Fixture f;
    NamedTexts named;
    InfoTexts texts(named);
    EventLog log;
    InfoInterpreter interpreter(f.link, texts, f.status, log);
    f.link.central = QStringLiteral("BC600");
    QSignalSpy changed(&f.display, &StatusDisplay::changed);
    interpreter.interpret(QStringLiteral(
        "{#31|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16#4a|b|c|d"
        "#21010000000000000|01|5631|20:41.1,2.3|1:C0:80:40|1:64:5A:64|12,3|40}"));
    EXPECT_GE(changed.count(), 1);
    const StatusDisplay &d = f.display;
    EXPECT_EQ(d.entrades()[0].background, Red);
    EXPECT_EQ(d.entrades()[1].background, Green);
    EXPECT_EQ(d.entrades()[0].caption, QStringLiteral("1"));
    EXPECT_EQ(d.sortides()[1].background, Red);
    EXPECT_EQ(d.sortides()[2].background, InactiveCaption); // not reported
    EXPECT_EQ(d.sortides()[3].caption, QStringLiteral("d"));
    EXPECT_EQ(d.gprs().background, Green);
    EXPECT_EQ(d.adsl().background, Lime);
    EXPECT_EQ(d.com().line, QStringLiteral(" COM: BC600 CONECTADA"));
    EXPECT_EQ(f.link.connex_velmar_Agui, 2);
    EXPECT_TRUE(d.esActivades());
    EXPECT_FALSE(d.entradesLabelShown()); // the inputs belong to the panel
    EXPECT_EQ(d.tamper().value, 0xC0);
    EXPECT_EQ(d.power().voltage, QStringLiteral("12,3 V"));
    EXPECT_EQ(d.power().restoreLabel, QStringLiteral("I: 12,3V"));

    // The available parts of "+vEr:" grey what the module lacks.
    f.display.partsActives(QStringLiteral("0100"));
    EXPECT_EQ(d.gprs().line, QStringLiteral("GPRS: No disponible"));
    EXPECT_EQ(d.gprs().background, Silver);
    EXPECT_EQ(d.adsl().background, Lime);
    EXPECT_FALSE(d.esActivades());
    EXPECT_EQ(d.sortidesCover().caption, QStringLiteral("NO DISPONIBLE"));

    // Disconnected: every indicator back to "---".
    f.status.reset();
    f.display.reset();
    EXPECT_EQ(d.entrades()[0].caption, QStringLiteral("---"));
    EXPECT_EQ(d.entrades()[0].background, Window);
    EXPECT_EQ(d.gprs().line, QString());
    EXPECT_TRUE(d.esActivades());
}

TEST(StatusBarLook, PanelLinkTextNamesThePanelModel)
{
    const QString velmar = QStringLiteral("  Velmar");
    auto text = [&](int blanks, const char *label) {
        return velmar + QString(blanks, u' ') + QString::fromLatin1(label);
    };
    const struct {
        const char *central;
        int state;
        QString text;
    } cases[] = {
        {"Cofem", 2, text(12, "K-CONECTA")},
        {"Cofem CLVR", 1, text(12, "CLVR")},
        {"Cofem-A", 2, text(12, "Cofem-A")},
        {"BC600", 1, text(12, "BC600")},
        {"AGE44", 2, text(12, "Aguilera")},
        {"AE/C5", 1, text(12, "Aguilera")},
        {"Supra", 1, text(12, "Supra")},
        {"JadeBird", 2, text(10, "JadeBird")},
        {"C-TecXFP", 1, text(13, "C-TEC XFP")},
        {"C-TecXFP", 2, text(11, "C-TEC XFP")},
        {"PL-1000", 1, text(12, "PL-1000")},
        {"PL-1000", 2, text(11, "PL-1000")},
        {"EasyDetect", 2, text(11, "EasyDetect")},
        {"Unknown", 2, QStringLiteral("before")}, // no model: the text stays
    };
    for (const auto &c : cases) {
        const StatusBarPanelLook l =
            statusbar::panelLinkPanel(c.state, QString::fromLatin1(c.central), QStringLiteral("before"));
        EXPECT_EQ(l.text, c.text) << c.central << " " << c.state;
        EXPECT_EQ(l.background, c.state == 1 ? Orange : Olive) << c.central;
        EXPECT_EQ(l.icon, c.state == 1 ? StatusIcon::PanelConnecting : StatusIcon::PanelConnected);
        EXPECT_TRUE(l.panelLamps);
    }
    const StatusBarPanelLook none = statusbar::panelLinkPanel(0, QStringLiteral("BC600"), QStringLiteral("x"));
    EXPECT_EQ(none.text, QStringLiteral("  "));
    EXPECT_EQ(none.background, Silver);
    EXPECT_EQ(none.icon, StatusIcon::None);
    EXPECT_FALSE(none.panelLamps);

    EXPECT_TRUE(statusbar::panelLinkPanel(1, QStringLiteral("AE/SA"), {}).aguileraAlarmView);
    EXPECT_FALSE(statusbar::panelLinkPanel(2, QStringLiteral("AE/SA"), {}).aguileraAlarmView);
    EXPECT_TRUE(statusbar::panelLinkPanel(2, QStringLiteral("JadeBird"), {}).jadeBirdOnline);
    EXPECT_FALSE(statusbar::panelLinkPanel(1, QStringLiteral("JadeBird"), {}).jadeBirdOnline);
}

TEST(StatusBarLook, LinkPanelAndFonts)
{
    EXPECT_EQ(statusbar::linkPanel(QStringLiteral("CONECTADO")).background, Lime);
    EXPECT_EQ(statusbar::linkPanel(QStringLiteral("CONECTADO")).icon, StatusIcon::ModuleLinked);
    EXPECT_EQ(statusbar::linkPanel(QStringLiteral("SIN   CONEXION")).background, Silver);
    EXPECT_EQ(statusbar::linkPanel(QStringLiteral("SIN   CONEXION")).icon, StatusIcon::ModuleNotLinked);
    EXPECT_EQ(statusbar::progressPanel(QStringLiteral("Leyendo")).icon, StatusIcon::None);
    const int dpis[][2] = {{96, 11}, {120, 10}, {168, 8}, {144, 9}, {72, 9}};
    for (const auto &d : dpis)
        EXPECT_EQ(statusbar::fontPoints(d[0]), d[1]) << d[0];
}

} // namespace
