#include "core/shell/CommandLine.h"
#include "core/base/Endpoints.h"
#include "core/shell/Languages.h"
#include "core/shell/SettingsStore.h"
#include "core/shell/SingleInstance.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar Q7R2T CLOUD"));
    QApplication::setApplicationVersion(QStringLiteral(VELMAR_VERSION));

    const velmar::CommandLine cl = velmar::CommandLine::parse(QApplication::arguments());
    if (cl.help || !cl.error.isEmpty()) {
        if (!cl.error.isEmpty())
            std::fprintf(stderr, "velmar: %s\n", qPrintable(cl.error));
        std::fputs(qPrintable(velmar::CommandLine::usage()), cl.help ? stdout : stderr);
        return cl.help ? 0 : 2;
    }

    velmar::ui::StartOptions options;
    options.port = cl.port;
    options.remoteId = cl.remote;
    options.remoteAdsl = cl.adsl;
    options.useCloud = true;
    options.locale = QLocale::system();
    if (!cl.configFile.isEmpty()) {
        QString error;
        if (!options.endpoints.load(cl.configFile, &error)) {
            std::fprintf(stderr, "velmar: %s\n", qPrintable(error));
            return 2;
        }
    }
    options.endpoints.applyEnvironment();
    // Pre-filled into the account dialog when no account is stored (demos, support).
    options.accountEmail = qEnvironmentVariable("VELMAR_ACCOUNT_EMAIL");
    options.accountPassword = qEnvironmentVariable("VELMAR_ACCOUNT_PASSWORD");

    // One copy per user: a second start raises the first copy's window and ends.
    velmar::SingleInstance instance;
    if (!instance.acquire()) {
        instance.notifyFirst();
        // Told in the language the user chose, as the running copy shows it.
        velmar::LanguageModules languages;
        const velmar::SettingsStore store(velmar::SettingsLocation::perUser(), QString());
        velmar::ConfigInicial stored;
        const bool firstStart = !store.holdsLanguage();
        store.LLegirConfigInicial(stored);
        if (const velmar::Language *l = velmar::languages::atStartUp(stored.Idioma, firstStart, options.locale))
            languages.switchTo(l->identifier);
        velmar::ui::ElMeuMessageDlg(QString(), velmar::SingleInstance::alreadyRunningText(),
                                    velmar::ui::DlgType::Information, {}, QMessageBox::Ok);
        return 0;
    }

    velmar::ui::MainWindow window(options);
    QObject::connect(&instance, &velmar::SingleInstance::raiseRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
