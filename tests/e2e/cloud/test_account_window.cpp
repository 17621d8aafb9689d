// The real window signing in to velmar-sim's cloud emulator (demo data): the
// account dialog at the first start, the stored credentials afterwards, and
// "Cerrar sesión" bringing the dialog back.
#include "CloudRig.h"

#include "core/shell/SettingsStore.h"
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::ui;
using namespace velmar::test;

namespace {

const QString kEmail = QStringLiteral("instalador@velmar-demo.es");
const QString kPassword = QStringLiteral("demo2026");
const QString kUid = QStringLiteral("DemoInstaller0000000000000001");

struct WindowRig {
    WindowRig() : data(folder.filePath("cloud.json")), cloud(demoCloudData(folder))
    {
        settings.file = folder.filePath("settings.ini");
        settings.secretFile = folder.filePath("secret.key");
    }

    StartOptions options() const
    {
        StartOptions o;
        o.settings = settings;
        o.endpoints = cloud.endpoints;
        o.endpoints.probeUrl = cloud.endpoints.cloudDatabaseUrl + "/";
        o.port = folder.filePath("no-module");
        o.useCloud = true;
        return o;
    }

    ConfigInicial stored() const
    {
        ConfigInicial c;
        SettingsStore(settings, "127.0.0.1").LLegirConfigInicial(c);
        return c;
    }

    QTemporaryDir folder;
    QString data;
    CloudRig cloud;
    SettingsLocation settings;
};

// Runs `act` on the account dialog once it is up; counts how often one came.
struct DialogWatch {
    explicit DialogWatch(std::function<void(QDialog *)> act)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, act] {
            // Looked for among the windows: a message over it may be the modal one.
            QDialog *d = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == "TFRegistre" && top->isVisible())
                    d = qobject_cast<QDialog *>(top);
            if (!d || d == seen)
                return;
            seen = d;
            ++count;
            act(d);
        });
        timer.start(50);
    }
    QTimer timer;
    QDialog *seen = nullptr;
    int count = 0;
};

bool signedInCaption(const MainWindow &w)
{
    return w.windowTitle().contains("Registrado por:") && w.windowTitle().endsWith('<' + kEmail + '>');
}

} // namespace

TEST(AccountWindow, FirstStartAsksThenRemembersUntilSignedOut)
{
    WindowRig rig;
    ASSERT_TRUE(rig.cloud.started()) << rig.cloud.sim.errorText().toStdString();

    // First start: no account stored, the dialog opens on its sign-in panel.
    {
        bool panelShown = false;
        DialogWatch watch([&](QDialog *d) {
            panelShown = d->findChild<QWidget *>("PIniciaSessio")->isVisible()
                         && !d->findChild<QWidget *>("PNouUsuari")->isVisible();
            d->findChild<QLineEdit *>("EEMail")->setText(kEmail);
            d->findChild<QLineEdit *>("EPassword")->setText(kPassword);
            d->findChild<QPushButton *>("BIniciaSessio")->click();
        });
        MainWindow w(rig.options());
        w.show();
        ASSERT_TRUE(waitFor([&] { return signedInCaption(w); }, 30000)) << w.windowTitle().toStdString();
        EXPECT_EQ(watch.count, 1);
        EXPECT_TRUE(panelShown);
        EXPECT_EQ(w.engine().account.site().empresa, "Velmar Demo");
        EXPECT_EQ(w.engine().account.site().clau, "instal2026");
        const ConfigInicial c = rig.stored();
        EXPECT_EQ(c.EmpresaEmail, kEmail);
        EXPECT_EQ(c.CodiReg, kUid);
        EXPECT_FALSE(c.EmpresaPassword.isEmpty());
        w.close();
        waitFor([&] { return !w.isVisible(); }, 10000);
    }

    // Next start: the stored account signs in without a dialog.
    {
        DialogWatch watch([](QDialog *d) { d->reject(); });
        MainWindow w(rig.options());
        w.show();
        ASSERT_TRUE(waitFor([&] { return signedInCaption(w); }, 30000)) << w.windowTitle().toStdString();
        EXPECT_EQ(watch.count, 0);

        // "Cerrar sesión" ends the program and keeps no credentials.
        auto *signOut = w.findChild<QAction *>("MITancarSessio");
        ASSERT_NE(signOut, nullptr);
        signOut->trigger();
        EXPECT_TRUE(waitFor([&] { return !w.isVisible(); }, 10000));
        const ConfigInicial c = rig.stored();
        EXPECT_TRUE(c.EmpresaEmail.isEmpty());
        EXPECT_TRUE(c.EmpresaPassword.isEmpty());
    }

    // After signing out: the sign-in panel with empty fields; leaving it ends the program.
    {
        QString email = "?";
        bool panelShown = false;
        DialogWatch watch([&](QDialog *d) {
            email = d->findChild<QLineEdit *>("EEMail")->text();
            panelShown = d->findChild<QWidget *>("PIniciaSessio")->isVisible();
            QTimer::singleShot(200, d, &QDialog::reject);
        });
        MainWindow w(rig.options());
        w.show();
        EXPECT_TRUE(waitFor([&] { return watch.count == 1 && !w.isVisible(); }, 30000));
        EXPECT_TRUE(email.isEmpty());
        EXPECT_TRUE(panelShown);
    }
}
