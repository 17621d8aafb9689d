#include "core/shell/CommandLine.h"
#include "core/shell/Endpoints.h"
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

    velmar::Endpoints endpoints;
    if (!cl.configFile.isEmpty()) {
        QString error;
        if (!endpoints.load(cl.configFile, &error)) {
            std::fprintf(stderr, "velmar: %s\n", qPrintable(error));
            return 2;
        }
    }
    endpoints.applyEnvironment();

    velmar::ui::MainWindow window(endpoints);
    window.setStartPort(cl.port);
    window.show();
    return app.exec();
}
