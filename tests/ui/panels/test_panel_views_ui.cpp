// The panel status views in the window: the view identification chooses,
// fed by the panel's records through the interpreter; and pictures of every
// view at rest and in alarm.
#include "core/panels/PanelCatalogue.h"
#include "ui/panels/PanelView.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/BlinkLamp.h"
#include "core/panels/PanelOrders.h"
#include "support/Dialogs.h"

#include "PanelWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using namespace velmar::ui;

namespace {

struct Window : velmar::test::PanelWindow {
    QStringList shownViews() const
    {
        QStringList shown;
        for (PanelView *v : w->findChildren<PanelView *>())
            if (v->isVisible())
                shown << v->objectName();
        return shown;
    }
};

TEST(PanelViewsUi, EveryViewHasItsFrontAndTheAttachedOneIsShown)
{
    Window win;
    // One view for every model of the catalogue that has a status view of its own here.
    for (const panels::PanelModel &m : panels::catalogue()) {
        const QString view = QLatin1String(m.statusView);
        if (view == QLatin1String("PEstatAgui") || view == QLatin1String("PEstatAgui2")
            || view == QLatin1String("PEstatPortes"))
            continue; // drawn by the bridge and door views
        EXPECT_NE(win.w->findChild<PanelView *>(view), nullptr) << m.model;
    }
    EXPECT_TRUE(win.shownViews().isEmpty());
    const struct {
        const char *central;
        const char *view;
    } cases[] = {{"ID3000", "PEstatID3000"}, {"Cofem CLVR", "PEstatCofem"}, {"Cofem-A", "PEstatCofemZafir"},
                 {"Detnov CCD-100", "PEstatDetnov"}, {"Velmar", nullptr}};
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        EXPECT_EQ(win.shownViews(), c.view ? QStringList{QLatin1String(c.view)} : QStringList()) << c.central;
    }
}

TEST(PanelViewsUi, RecordsDriveTheViewAndItGreysWhenThePanelIsNotLive)
{
    Window win;
    win.attach(QStringLiteral("ID3000"));
    auto *view = win.w->findChild<PanelView *>(QStringLiteral("PEstatID3000"));
    ASSERT_TRUE(view->live());
    win.record(QStringLiteral("{#A7|2|0|0|0|0|0|3|0|0|1}"));
    const LampSlot &fault = win.engine().blink.lamp(LampGroup::PunterLedEstatID3000, 2);
    EXPECT_EQ(fault.Tag, 2);
    auto *faults = win.w->findChild<QPushButton *>(QStringLiteral("LAvariaID3000"));
    EXPECT_TRUE(faults->isVisible());
    EXPECT_TRUE(faults->font().bold());
    EXPECT_FALSE(win.w->findChild<QPushButton *>(QStringLiteral("LAlarmaID3000"))->isVisible());

    win.record(QStringLiteral("{#C7|6|0147|003|1|0|0010210001000000\"Lazo 1\"}"));
    EXPECT_TRUE(view->displayText().contains(QStringLiteral("Fallo Comunicaciones"))) << view->displayText().toStdString();
    // A record for another model while an ID3000 is attached changes nothing shown.
    win.record(QStringLiteral("{#A5|100000000|A9}"));
    EXPECT_EQ(win.shownViews(), QStringList{"PEstatID3000"});

    // The module reports the panel link down: the view greys.
    win.record(QStringLiteral("{#8710:0}"));
    EXPECT_EQ(win.engine().state.connex_velmar_Agui, 1);
    EXPECT_FALSE(view->live());
}

TEST(PanelViewsUi, EveryOrderButtonPublishesOnTheStatusTopicInARemoteSession)
{
    Window win;
    Engine &e = win.engine();
    win.attach(QStringLiteral("ID3000"));
    e.state.connex_remota = QStringLiteral("MQTT");
    QSignalSpy published(&e.panelOrders, &panels::PanelCommands::publishStatus);
    int pressed = 0;
    bool guardedReset = false;
    for (const Front &front : fronts()) {
        for (const FrontItem &b : front.buttons) {
            const panels::PanelOrder *order = panels::orderFor(b.name);
            // A reset within 3 s of another is dropped by design: one is enough here.
            if (!order || (order->resetGuard && guardedReset))
                continue;
            guardedReset = guardedReset || order->resetGuard;
            auto *button = win.w->findChild<QPushButton *>(b.name);
            ASSERT_NE(button, nullptr) << b.name.toStdString();
            const qsizetype before = published.count();
            if (*order->question)
                velmar::test::answerWith(QString::fromUtf8("     Sí    "));
            button->click();
            ASSERT_EQ(published.count(), before + 1) << front.model.toStdString() << " " << b.name.toStdString();
            QString word = QLatin1String(order->word);
            if (word == QLatin1String("BotoZona"))
                word += b.name.mid(b.name.startsWith(u'S') ? 3 : 2);
            EXPECT_EQ(published.last().at(0).toString(), QStringLiteral("{#") + word + u'}') << b.name.toStdString();
            ++pressed;
            // The logged orders' notes are not waited for: close them.
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(top); box && box->isVisible())
                    box->close();
        }
    }
    EXPECT_GT(pressed, 30);
}

TEST(PanelViewsUi, TheCCD100StatusWritesItsVersionAndTextField)
{
    Window win;
    win.attach(QStringLiteral("CCD-100"));
    auto *view = win.w->findChild<PanelView *>(QStringLiteral("PEstatDetnovCCD"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());
    win.record(QStringLiteral("{#A6|CCD-100 v2.1 (12 zones)|101") + QStringLiteral("000").repeated(11)
               + QStringLiteral("-0000000000100-En servicio}"));
    EXPECT_EQ(win.w->findChild<QLabel *>(QStringLiteral("LDetnovVersio"))->text(), QStringLiteral("CCD-100 v2.1 (12 zones)"));
    EXPECT_EQ(win.w->findChild<QLabel *>(QStringLiteral("Edit1"))->text(), QStringLiteral("En servicio"));
    EXPECT_EQ(win.engine().blink.lamp(LampGroup::PunterLedAlarmaCCD, 1).Tag, 1);
}

QColor background(QWidget *w) { return w->palette().color(QPalette::Window); }

TEST(PanelViewsUi, TheCCD100ZonePanelsFollowTheZoneCountOfItsVersion)
{
    Window win;
    win.attach(QStringLiteral("CCD-100"));
    auto *view = win.w->findChild<PanelView *>(QStringLiteral("PEstatDetnovCCD"));
    ASSERT_TRUE(view->isVisible());
    // Each zone panel holds that zone's alarm and fault lamps.
    auto *panel3 = view->findChild<QWidget *>(QStringLiteral("PDetnovZ3"));
    ASSERT_NE(panel3, nullptr);
    EXPECT_NE(panel3->findChild<BlinkLamp *>(QStringLiteral("SPDetnovAlarmaZ3")), nullptr);
    EXPECT_NE(panel3->findChild<BlinkLamp *>(QStringLiteral("SPDetnovFalloZ3")), nullptr);
    const struct {
        const char *version;
        int shown;
    } cases[] = {{"CCD-100 v2.1 (4 zones)", 4}, {"CCD-100 v2.1 (12 zones)", 12}, {"CCD-100 v2.1 (11 zones)", 12},
                 {"CCD-100 v2.1 (1 zones)", 1}, {"CCD-100 v2.1", 0}};
    for (const auto &c : cases) {
        win.record(QStringLiteral("{#A6|%1|%2-0000000000100-}").arg(QLatin1String(c.version), QStringLiteral("000").repeated(12)));
        for (int z = 1; z <= 12; ++z) {
            auto *panel = view->findChild<QWidget *>(QStringLiteral("PDetnovZ%1").arg(z));
            ASSERT_NE(panel, nullptr) << z;
            EXPECT_EQ(panel->isVisible(), z <= c.shown) << c.version << " zone " << z;
        }
    }
}

TEST(PanelViewsUi, GeneralIndicatorsLightInTheirOwnColours)
{
    const QColor red(0xFF, 0x00, 0x00), amber(0xFF, 0xBF, 0x00), green(0x00, 0x80, 0x00), orange(0xFF, 0x80, 0x00);
    const QColor grey(0xA0, 0xA0, 0xA4), white(Qt::white);
    // Zone text with the given characters set to "1" (positions from 1), 90 long.
    const auto zones = [](std::initializer_list<int> ones) {
        QString z = QStringLiteral("002").repeated(12) + QString(54, u'0');
        for (int p : ones)
            z[p - 1] = u'1';
        return z;
    };
    const struct {
        const char *central;
        QString record;
        const char *indicator;
        QColor colour;
    } cases[] = {
        {"Supra", "A6|pw|" + zones({49}), "SLSupraAlarma", red},
        {"Supra", "A6|pw|" + zones({}), "SLSupraAlarma", grey},
        {"Supra", "A6|pw|" + zones({51}), "SLSupraLed51", amber},
        {"Supra", "A6|pw|" + zones({66}), "SLSupraLed66", amber},
        {"Supra", "A6|pw|" + zones({83}), "SLSupraZAnul", amber},
        {"Supra", "A6|pw|" + zones({}), "SLSupraServei", green},
        {"Komttech", "A6|pw|" + zones({52}), "SKLedFalloTerra", amber},
        {"Komttech", "A6|pw|" + zones({}), "SKLedFalloTerra", white}, // absent: white on this panel
        {"Komttech", "A6|pw|" + zones({66}), "SKLedSilSir", amber},
        {"Komttech", "A6|pw|" + zones({}), "SKLedAlim", green},
        {"Urano", "A6|pw|" + zones({}), "SLedFalloServei", green},
        {"Syncro", "A7|1|1|0|0|0|0|0|0|0|0", "SSyncroFoc", red},
        {"Syncro", "A7|0|0|0|0|1|0|0|0|0|0", "SSyncroPrealarma", orange},
        {"Syncro", "A7|0|0|0|0|0|0|0|0|0|0", "SSyncroFoc", grey},
        {"AD300", "A7|0|0|0|0|0|0|0|1|0|0", "SAD300Desconnex", orange},
    };
    Window win;
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        win.record(QStringLiteral("{#") + c.record + u'}');
        auto *w = win.w->findChild<QLabel *>(QLatin1String(c.indicator));
        ASSERT_NE(w, nullptr) << c.indicator;
        EXPECT_TRUE(w->isVisible()) << c.indicator;
        EXPECT_EQ(background(w), c.colour) << c.central << " " << c.indicator << " " << background(w).name().toStdString();
    }
}

TEST(PanelViewsUi, CountersTakeTheColoursOfTheirKind)
{
    const QColor red(0xFF, 0x00, 0x00), orange(0xFF, 0x80, 0x00), grey(0xA0, 0xA0, 0xA4);
    const QColor black(Qt::black), white(Qt::white);
    const struct {
        const char *central;
        const char *record;
        const char *counter;
        QColor colour;
        QColor text;
        const char *caption; // a part of the caption shown
    } cases[] = {
        {"Bosch", "A8|1|2|0|0|0", "PAvenarBoschFoc", red, white, "1"},
        {"Bosch", "A8|1|2|0|0|0", "PAvenarBoschFallo", orange, black, "2"},
        {"Bosch", "A8|1|2|0|0|0", "PAvenarBoschAnullat", black, white, "0"},
        {"Bosch", "A8|0|0|0|3|0", "PAvenarBoschControl", red, white, "3"},
        {"Bosch", "A8|0|0|0|3|0", "PAvenarBoschFoc", black, white, "0"},
        // BC600: flags, then Alarm, Output, Message, Fault, Disable, Test.
        {"BC600", "A4|3|1|5|0|2|0|0", "PBC600Alarmes", red, white, "1"},
        {"BC600", "A4|3|1|5|0|2|0|0", "PBC600Fallos", orange, black, "2"},
        {"BC600", "A4|3|1|5|0|2|0|0", "PBC600Sortides", grey, black, "5"},
        {"BC600", "A4|0|0|0|0|0|0|0", "PBC600Alarmes", grey, black, "0"},
        {"BC216", "A4|0|0|0|0|4|0|0|1", "PBC216Fallos", orange, black, "4"},
        // AD600: a fault shows on its panel whatever the technical alarms, which show without one.
        {"AD600", "A7|0|1|0|0|0|0|0|0|0|0", "PAD600AlarmesFoc", red, white, "1"},
        {"AD600", "A7|0|0|0|0|0|0|3|0|0|0", "PAD600Avaries", orange, black, "3"},
        {"AD600", "A7|0|0|0|0|0|0|0|0|2|0", "PAD600Avaries", orange, black, "2"},
        {"AD600", "A7|0|0|0|0|0|0|0|1|0|0", "PAD600Desconnexions", orange, black, "1"},
        {"AD600", "A7|0|0|0|0|0|0|0|0|0|0", "PAD600AlarmesFoc", QColor(0x32, 0x32, 0x32), white, "0"},
    };
    Window win;
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        win.record(QStringLiteral("{#%1}").arg(QLatin1String(c.record)));
        auto *b = win.w->findChild<QPushButton *>(QLatin1String(c.counter));
        ASSERT_NE(b, nullptr) << c.counter;
        SCOPED_TRACE(std::string(c.record) + " " + c.counter);
        EXPECT_EQ(background(b), c.colour) << background(b).name().toStdString();
        EXPECT_EQ(b->palette().color(QPalette::ButtonText), c.text);
        EXPECT_TRUE(b->text().contains(QLatin1String(c.caption))) << b->text().toStdString();
    }
    // The buzzer and element flags light only while the panel is live.
    const QColor amber(0xFF, 0xBF, 0x00);
    for (const int link : {2, 1}) {
        win.attach(QStringLiteral("BC600"), link);
        win.record(QStringLiteral("{#A4|3|0|0|0|0|0|0}"));
        for (const char *flag : {"PBC600ResetZumb", "PBC600Equips"}) {
            auto *l = win.w->findChild<QLabel *>(QLatin1String(flag));
            ASSERT_NE(l, nullptr) << flag;
            EXPECT_EQ(background(l), link == 2 ? amber : grey) << flag << " link " << link;
        }
    }
    // The module gone: counters back to 0 in their resting colours.
    win.attach(QStringLiteral("Bosch"));
    win.record(QStringLiteral("{#A8|4|0|0|0|0}"));
    emit win.engine().fields.disconnectedReset();
    auto *fire = win.w->findChild<QPushButton *>(QStringLiteral("PAvenarBoschFoc"));
    EXPECT_EQ(background(fire), black);
    EXPECT_FALSE(fire->text().contains(u'4')) << fire->text().toStdString();
}

TEST(PanelViewsUi, TheCofemFrontNamesItsVariant)
{
    Window win;
    const struct {
        const char *central;
        const char *badge;
        const char *title;
    } cases[] = {{"Cofem CLVR", "     CLVR", "CENTRAL DE INCENDIOS CLVR"},
                 {"Cofem", "K-CONECTA", "CENTRAL DE INCENDIOS K-CONECTA"},
                 {"Cofem K-CONECTA", "K-CONECTA", "CENTRAL DE INCENDIOS K-CONECTA"}};
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        auto *view = win.w->findChild<PanelView *>(QStringLiteral("PEstatCofem"));
        ASSERT_TRUE(view->isVisible()) << c.central;
        EXPECT_EQ(view->findChild<QLabel *>(QStringLiteral("LCofemVariant"))->text(), QLatin1String(c.badge));
        EXPECT_EQ(view->findChild<QLabel *>(QStringLiteral("PEstatCofemTitol"))->text(), QLatin1String(c.title));
    }
}

TEST(PanelViewsUi, TheID3000HeadingIsBigBoldAndInTheLiveColour)
{
    Window win;
    win.attach(QStringLiteral("ID3000"));
    auto *view = win.w->findChild<PanelView *>(QStringLiteral("PEstatID3000"));
    auto *display = view->findChild<QTextEdit *>(QStringLiteral("REID3000Pantalla"));
    ASSERT_NE(display, nullptr);
    const auto heading = [&] {
        QTextCursor c(display->document());
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat();
    };
    const auto body = [&] {
        QTextCursor c(display->document()->findBlockByNumber(1));
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat();
    };
    const QString event = QStringLiteral("{#C7|1|0001|012|2|5|0010203001000000\"Pasillo norte\"}");
    const struct {
        int link;
        QColor colour;
    } cases[] = {{2, QColor(0x00, 0x80, 0x80)}, {1, QColor(0xC0, 0xC0, 0xC0)}};
    for (const auto &c : cases) {
        win.engine().state.connex_velmar_Agui = c.link;
        emit win.engine().interpreter.panelLinkChanged(c.link);
        display->clear();
        win.record(event);
        ASSERT_TRUE(display->toPlainText().startsWith(QStringLiteral("Alarma: ZONA"))) << display->toPlainText().toStdString();
        EXPECT_EQ(heading().fontWeight(), QFont::Bold);
        EXPECT_EQ(heading().fontPointSize(), 14);
        EXPECT_EQ(heading().foreground().color(), c.colour) << c.link;
        // The lines under it in the display's own look.
        EXPECT_EQ(body().fontWeight(), QFont::Normal);
        EXPECT_NE(body().fontPointSize(), 14);
    }
}

// Pictures of every panel view, at rest and in alarm, for
// scripts/screenshots.sh.
TEST(Screenshots, DISABLED_PanelViews)
{
    const QString dir = qEnvironmentVariable("VELMAR_SCREENSHOT_DIR", QStringLiteral("."));
    Window win;
    win.w->resize(1180, 900);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*win.w));
    // An alarm in each record layout (zone 1 where the front has zones).
    const struct {
        const char *central;
        const char *record;
        const char *alarm;
        const char *event; // "" when none
    } cases[] = {
        {"BC600", "A4", "3|1|0|0|2|0|0", ""},
        {"BC216", "A4", "3|1|0|0|2|0|0|2", ""},
        {"Cofem CLVR", "A5", "100000000|A7", ""},
        {"Detnov", "", "", ""},
        {"Urano", "A6", "0000|102012000001", ""},
        {"Syncro", "A7", "1|1|0|0|0|0|2|0|0|0", "1|12|0A|1|0|x"},
        {"Bosch", "A8", "1|2|0|0|0", ""},
        {"AD300", "A7", "1|1|0|0|0|0|1|0|0|0", ""},
        {"Supra", "A6", "0000|102012000001", ""},
        {"Cofem-A", "A5", "100000|A00101", ""},
        {"Komttech", "A6", "0000|102012000001", ""},
        {"ID3000", "A7", "1|1|0|0|0|0|1|0|0|1", "1|0001|012|2|5|0010203001000000\"Pasillo norte\""},
        {"CCD-100", "A6", "CCD-100 v2.1 (12 zones)|101010000-0000000000100-", ""},
        {"AD600", "A7", "0|1|1|0|0|1|1|0|0|0", ""},
        {"MA-2000", "A7", "1|1|0|0|1|0|0|0|0|0", "1|0001|A12|2|5|0010203001000000\"Sala\""},
        {"JadeBird", "A7", "20000000000000000000000000000000|1|10000000000|0|0|0|0|0|0|0|0", "0|1|[Fuego zona 1]"},
        {"C-TecXFP", "A7", "21000000000000000000000000000000|1|0|1|0|0|0|0|0|0", ""},
        {"PL-1000", "A7", "0|2|0|0|0|0|0|0|1|0", "1|0001|A12|0|2|0010203001000000"},
        {"EasyDetect", "", "", ""},
    };
    for (const auto &c : cases) {
        win.attach(QLatin1String(c.central));
        const panels::PanelModel *m = panels::statusModel(QString::fromLatin1(c.central));
        ASSERT_NE(m, nullptr) << c.central;
        auto *view = win.w->findChild<PanelView *>(QLatin1String(m->statusView));
        ASSERT_NE(view, nullptr) << c.central;
        const QString name = QString::fromLatin1(m->statusView).mid(6).toLower();
        for (int tick = 0; tick < 3; ++tick)
            win.engine().monitor.TimerLedsTimer();
        QCoreApplication::processEvents();
        view->grab().save(dir + QStringLiteral("/view-") + name + QStringLiteral("-rest.png"));
        if (*c.record)
            win.record(QStringLiteral("{#%1|%2}").arg(QLatin1String(c.record), QLatin1String(c.alarm)));
        if (*c.event)
            win.record(QStringLiteral("{#C7|") + QString::fromUtf8(c.event) + u'}');
        win.engine().monitor.TimerLedsTimer();
        QCoreApplication::processEvents();
        view->grab().save(dir + QStringLiteral("/view-") + name + QStringLiteral("-alarm.png"));
    }
}

} // namespace
