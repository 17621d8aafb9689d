// velmarctl: reaches a Velmar module over a serial port or through the broker
// and reads, writes or watches it from a terminal.
#include "core/base/Endpoints.h"
#include "core/shell/Engine.h"
#include "ctl/Ctl.h"
#include "ctl/CtlOptions.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

velmar::ctl::Ctl *g_ctl = nullptr;

extern "C" void onSignal(int)
{
    if (g_ctl)
        g_ctl->interrupt();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmarctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMAR_VERSION));

    using velmar::ctl::CtlOptions;
    const CtlOptions o = CtlOptions::parse(QCoreApplication::arguments());
    if (o.help) {
        std::fputs(qPrintable(CtlOptions::usage()), stdout);
        return velmar::ctl::Done;
    }
    if (!o.error.isEmpty()) {
        std::fprintf(stderr, "velmarctl: %s\n%s", qPrintable(o.error), qPrintable(CtlOptions::usage()));
        return velmar::ctl::BadUse;
    }

    velmar::Endpoints endpoints;
    if (!o.config.isEmpty()) {
        QString error;
        if (!endpoints.load(o.config, &error)) {
            std::fprintf(stderr, "velmarctl: %s\n", qPrintable(error));
            return velmar::ctl::BadUse;
        }
    }
    endpoints.applyEnvironment();

    velmar::Engine engine(endpoints);
    velmar::ctl::Ctl ctl(o, engine);
    g_ctl = &ctl;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    const int code = ctl.run();
    g_ctl = nullptr;
    return code;
}
