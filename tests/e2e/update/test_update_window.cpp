// The update page of the real window, clicked: "Actual." lists the versions
// of the simulated server, a row's download button relays the image to the
// simulated module while the progress bar moves and the window's lock holds
// the module's commands, and the module comes back with the new firmware.
#include "UpdateRig.h"

#include "core/shell/CloudStartup.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

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

} // namespace

TEST(UpdateWindow, ActualListsAndTheDownloadButtonUpdatesTheModuleBlockByBlock)
{
    UpdateRig rig(5000, {}, {}, false);
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    SignedIn cloud;
    ui::StartOptions opts;
    opts.settings.file = rig.dir.filePath("settings.ini");
    opts.settings.secretFile = rig.dir.filePath("secret.key");
    opts.port = rig.module->devicePath();
    opts.endpoints = rig.endpoints();
    opts.cloud = &cloud;
    ui::MainWindow w(opts);
    w.show();
    Engine &e = w.engine();
    ASSERT_TRUE(waitFor([&] { return e.state.circuittrobat && e.state.inf; }, 15000));
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
    EXPECT_TRUE(page->isVisible());
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
