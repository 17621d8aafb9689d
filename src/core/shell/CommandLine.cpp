#include "core/shell/CommandLine.h"

#include "core/remote/MqttTopics.h"

namespace velmar {

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine cl;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        auto value = [&](QString &into) {
            if (a.contains(u'=')) {
                into = a.section(u'=', 1);
            } else if (i + 1 < arguments.size()) {
                into = arguments.at(++i);
            } else {
                cl.error = QStringLiteral("%1 needs a value").arg(a);
            }
        };
        if (a == QLatin1String("--port") || a.startsWith(QLatin1String("--port=")))
            value(cl.port);
        else if (a == QLatin1String("--config") || a.startsWith(QLatin1String("--config=")))
            value(cl.configFile);
        else if (a == QLatin1String("--remote") || a.startsWith(QLatin1String("--remote="))) {
            value(cl.remote);
            if (cl.error.isEmpty() && !MqttTopics::usableId(cl.remote))
                cl.error = QStringLiteral("--remote wants a module identifier (no \"/\", \"+\" or \"#\")");
        } else if (a == QLatin1String("--link") || a.startsWith(QLatin1String("--link="))) {
            QString link;
            value(link);
            if (link == QLatin1String("adsl") || link == QLatin1String("gprs"))
                cl.adsl = link == QLatin1String("adsl");
            else if (cl.error.isEmpty())
                cl.error = QStringLiteral("--link wants adsl or gprs");
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            cl.help = true;
        else if (a.startsWith(u'-'))
            cl.error = QStringLiteral("unknown option %1").arg(a);
        // Other arguments (Qt's own, such as -platform) are left to Qt.
        if (!cl.error.isEmpty())
            break;
    }
    return cl;
}

QString CommandLine::usage()
{
    return QStringLiteral("usage: velmar [--port NAME] [--config FILE] [--remote ID [--link adsl|gprs]]\n"
                          "  --port NAME    serial port to use instead of the stored one\n"
                          "  --config FILE  endpoint settings (INI): broker, cloud, update server\n"
                          "  --remote ID    open the session to module ID through the broker at start\n"
                          "  --link KIND    the module's own link, adsl or gprs (default gprs)\n");
}

} // namespace velmar
