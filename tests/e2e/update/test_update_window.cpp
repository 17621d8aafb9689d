// The update page of the real window, clicked: "Actual." lists the versions
// of the simulated server, a row's download button relays the image to the
// simulated module while the progress bar moves and the window's lock holds
// the module's commands, and the module comes back with the new firmware;
// over the remote session as well, which the end closes.
#include "UpdateRig.h"

#include "core/shell/CloudStartup.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace velmar;
using velmar::test::UpdateRig;
using velmar::test::waitFor;

namespace {

// A signed-in cloud session: the update needs the internet.
struct SignedIn : CloudStartup {
    bool ConnexioInternet() override { return true; }
    bool ComprovaVersioRTDB() override { return true; }
    QString ErrorFirebase() const override { return {}; }
    bool signIn() override { return true; }
    QString token() const override { return QStringLiteral("tok"); }
    QString EmpresaEmail() const override { return QStringLiteral("ana@example.com"); }
};

QString boxText(const QString &containing)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible() && box->text().contains(containing))
            return box->windowTitle() + u'|' + box->text();
    return {};
}

// The window's options for the rig's module: on its pseudo-terminal, or
// opened through the broker when the rig has one.
ui::StartOptions windowOptions(const UpdateRig &rig, CloudStartup &cloud)
{
    ui::StartOptions opts;
    opts.settings.file = rig.dir.filePath("settings.ini");
    opts.settings.secretFile = rig.dir.filePath("secret.key");
    if (rig.over == UpdateRig::Link::Broker)
        opts.remoteId = UpdateRig::kModuleId;
    else
        opts.port = rig.module->devicePath();
    opts.endpoints = rig.endpoints();
    opts.cloud = &cloud;
    return opts;
}

// The window on the rig's module over the cable, the module recognised.
struct CabledWindow {
    explicit CabledWindow(int imageBytes) : rig(imageBytes, {}, {}, false) {}
    bool open()
    {
        if (!rig.started())
            return false;
        w.emplace(windowOptions(rig, cloud));
        w->show();
        return waitFor([&] { return w->engine().state.circuittrobat && w->engine().state.inf; }, 15000);
    }

    UpdateRig rig;
    SignedIn cloud;
    std::optional<ui::MainWindow> w;
};

} // namespace

TEST(UpdateWindow, ActualListsAndTheDownloadButtonUpdatesTheModuleBlockByBlock)
{
    CabledWindow c(5000);
    ASSERT_TRUE(c.open()) << c.rig.error().toStdString();
    UpdateRig &rig = c.rig;
    ui::MainWindow &w = *c.w;
    Engine &e = w.engine();
    const QString oldFirmware = e.state.firmware;

    auto *actual = w.findChild<QPushButton *>(QStringLiteral("BBActualitzar"));
    ASSERT_NE(actual, nullptr);
    EXPECT_EQ(actual->text(), QStringLiteral("Actual."));
    ASSERT_TRUE(waitFor([&] { return actual->isEnabled(); }, 15000));
    actual->click();

    auto *page = w.findChild<QWidget *>(QStringLiteral("PActualitzacions"));
    auto *current = w.findChild<QTableWidget *>(QStringLiteral("VLEVersioActual"));
    auto *bar = w.findChild<QProgressBar *>(QStringLiteral("PBActualitzacio"));
    auto *label = w.findChild<QLabel *>(QStringLiteral("LActualitzant"));
    ASSERT_TRUE(page && current && bar && label);
    // After the internet check.
    ASSERT_TRUE(waitFor([&] { return page->isVisible(); }, 15000));
    EXPECT_EQ(current->item(0, 0)->text(), oldFirmware);
    EXPECT_EQ(current->verticalHeaderItem(0)->text(), QStringLiteral("FirmWare:"));

    QPushButton *download = nullptr;
    ASSERT_TRUE(waitFor([&] { return (download = w.findChild<QPushButton *>(QStringLiteral("BDescarregar0"))); },
                        15000));
    auto *list = w.findChild<QTableWidget *>(QStringLiteral("SGVersions"));
    EXPECT_EQ(list->item(0, 0)->text(), UpdateRig::kNewFirmware);
    EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("5000"));

    QList<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int v) { values << v; });
    download->click();
    ASSERT_TRUE(waitFor([&] { return bar->isVisible(); }, 15000));
    EXPECT_EQ(bar->maximum(), 5);
    // While the transfer runs nothing else may talk to the module.
    EXPECT_FALSE(actual->isEnabled());
    EXPECT_FALSE(w.findChild<QWidget *>(QStringLiteral("BBProg"))->isEnabled());

    ASSERT_TRUE(waitFor([&] { return !boxText(QStringLiteral("Velmar actualizado")).isEmpty(); }, 20000));
    EXPECT_EQ(boxText(QStringLiteral("Velmar actualizado")),
              QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión Velmar_v9.0"));
    EXPECT_EQ(values.mid(values.indexOf(1)), (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(bar->isVisible());
    // The module got the start of the transfer as the server sent it.
    EXPECT_FALSE(rig.moduleLines().filter(QStringLiteral("vm+act=1024,5000,")).isEmpty());
    EXPECT_TRUE(waitFor([&] { return e.state.firmware == UpdateRig::kNewFirmware; }, 20000));
    EXPECT_TRUE(waitFor([&] { return actual->isEnabled(); }, 5000));
}

TEST(UpdateWindow, TheAbortButtonEndsTheTransferAndTheModuleIsLookedForAgain)
{
    CabledWindow c(20000);
    ASSERT_TRUE(c.open()) << c.rig.error().toStdString();
    UpdateRig &rig = c.rig;
    ui::MainWindow &w = *c.w;
    Engine &e = w.engine();
    auto *actual = w.findChild<QPushButton *>(QStringLiteral("BBActualitzar"));
    ASSERT_TRUE(waitFor([&] { return actual->isEnabled(); }, 15000));
    actual->click();
    QPushButton *download = nullptr;
    ASSERT_TRUE(waitFor([&] { return (download = w.findChild<QPushButton *>(QStringLiteral("BDescarregar0"))); },
                        15000));
    auto *bar = w.findChild<QProgressBar *>(QStringLiteral("PBActualitzacio"));
    download->click();
    ASSERT_TRUE(waitFor([&] { return bar->isVisible() && bar->value() >= 2; }, 15000));

    const qsizetype mark = rig.moduleLines().size();
    auto *abort = w.findChild<QPushButton *>(QStringLiteral("BDesconnectarTCPActu"));
    ASSERT_NE(abort, nullptr);
    abort->click();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(e.firmwareUpdate.transferOpen());
    // The module was left where it was: the link supervision looks for it.
    EXPECT_TRUE(waitFor([&] { return rig.moduleHeard(mark, "\rvm+ver\r"); }, 15000))
        << rig.moduleLines().mid(mark).join(u'\n').toStdString();
    EXPECT_TRUE(waitFor([&] { return actual->isEnabled(); }, 15000));
    EXPECT_TRUE(boxText(QStringLiteral("Velmar actualizado")).isEmpty());
}

TEST(UpdateWindow, OverTheBrokerActualAsksTheVersionsOnTheSessionAndTheEndClosesIt)
{
    UpdateRig rig(3000, {}, {}, false, UpdateRig::Link::Broker);
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    ASSERT_TRUE(rig.moduleOnBroker());
    SignedIn cloud;
    const ui::StartOptions opts = windowOptions(rig, cloud);
    ui::MainWindow w(opts);
    w.show();
    Engine &e = w.engine();
    ASSERT_TRUE(waitFor([&] { return e.state.isRemote() && e.state.circuittrobat && e.state.inf; }, 20000));
    auto *page = w.findChild<QWidget *>(QStringLiteral("PActualitzacions"));
    auto *current = w.findChild<QTableWidget *>(QStringLiteral("VLEVersioActual"));
    auto *actual = w.findChild<QPushButton *>(QStringLiteral("BBActualitzar"));
    ASSERT_TRUE(page && current && actual);

    // The hidden service reveal: the eleventh click on the bar's background
    // opens the page with the module's versions.
    auto *buttonBar = actual->parentWidget();
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(buttonBar, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(page->isVisible());
    QTest::mouseClick(buttonBar, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(current->item(0, 0)->text(), e.state.firmware);

    // The session identified the module without its hardware: "Actual." asks
    // for it over the broker, and lists once it is known.
    ASSERT_TRUE(e.state.hardware.isEmpty());
    ASSERT_TRUE(waitFor([&] { return actual->isEnabled(); }, 15000));
    actual->click();
    ASSERT_TRUE(waitFor([&] { return !e.state.hardware.isEmpty(); }, 20000));
    EXPECT_TRUE(rig.moduleLines().contains(QStringLiteral("vm+vEr")));
    actual->click();
    QPushButton *download = nullptr;
    ASSERT_TRUE(waitFor([&] { return (download = w.findChild<QPushButton *>(QStringLiteral("BDescarregar0"))); },
                        15000));
    download->click();
    ASSERT_TRUE(waitFor([&] { return !boxText(QStringLiteral("Velmar actualizado")).isEmpty(); }, 20000));
    EXPECT_EQ(boxText(QStringLiteral("Velmar actualizado")),
              QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión Velmar_v9.0"));
    // The module got its blocks on the broker, and the session went.
    EXPECT_TRUE(rig.moduleLines().filter(QStringLiteral("vm+act=1024,3000,")).size() == 1);
    EXPECT_TRUE(waitFor([&] { return !e.state.isRemote(); }, 20000));
    auto *remoteButton = w.findChild<QAbstractButton *>(QStringLiteral("BBConnectarRemot"));
    ASSERT_NE(remoteButton, nullptr);
    EXPECT_EQ(remoteButton->text(), QStringLiteral("Conectar"));
}

TEST(UpdateWindow, ActualWithoutInternetSaysSoAndTakesTheCloudCommandsAway)
{
    UpdateRig rig(3000, {}, {}, false);
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    SignedIn cloud;
    const ui::StartOptions opts = windowOptions(rig, cloud);
    rig.probe.close(); // nothing answers the internet check any more
    ui::MainWindow w(opts);
    w.show();
    Engine &e = w.engine();
    // The status read that follows recognition enables the commands again
    // when it ends: the check must come after it.
    QSignalSpy estado(&e.monitor, &StatusMonitor::estatCommandsEnabled);
    ASSERT_TRUE(waitFor([&] { return e.state.circuittrobat && e.state.inf && !estado.isEmpty(); }, 15000));
    auto *actual = w.findChild<QPushButton *>(QStringLiteral("BBActualitzar"));
    ASSERT_TRUE(waitFor([&] { return actual->isEnabled(); }, 15000));
    actual->click();
    ASSERT_TRUE(waitFor([&] { return !boxText(QStringLiteral("No hay conexión a internet")).isEmpty(); }, 15000));
    EXPECT_EQ(boxText(QStringLiteral("No hay conexión a internet")),
              QStringLiteral("¡ ATENCIÓN !|No hay conexión a internet"));
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("        sin internet"))) << w.windowTitle().toStdString();
    EXPECT_FALSE(actual->isEnabled());
    EXPECT_FALSE(w.findChild<QWidget *>(QStringLiteral("PActualitzacions"))->isVisible());
    EXPECT_TRUE(rig.listed.isEmpty());
}
