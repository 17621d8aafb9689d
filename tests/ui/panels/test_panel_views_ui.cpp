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
