#include "core/shell/CommandLine.h"

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
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
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
    return QStringLiteral("usage: velmar [--port NAME] [--config FILE]\n"
                          "  --port NAME    serial port to use instead of the stored one\n"
                          "  --config FILE  endpoint settings (INI): broker, cloud, update server\n");
}

} // namespace velmar
