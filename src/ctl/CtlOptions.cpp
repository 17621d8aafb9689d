#include "ctl/CtlOptions.h"

#include <QRegularExpression>

namespace velmar::ctl {

namespace {

const QStringList kCommands = {QStringLiteral("identify"), QStringLiteral("get"), QStringLiteral("set"),
                               QStringLiteral("read"),     QStringLiteral("write"), QStringLiteral("status"),
                               QStringLiteral("send")};

bool isCode(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    return code.match(text).hasMatch();
}

// What the command's arguments must be; empty when they are right.
QString checkArguments(const CtlOptions &o)
{
    const QString &c = o.command;
    if ((c == u"identify" || c == u"status" || c == u"read") && !o.args.isEmpty())
        return QStringLiteral("%1 takes no argument").arg(c);
    if (c == u"read" && o.output.isEmpty())
        return QStringLiteral("read needs -o FILE");
    if (c != u"read" && !o.output.isEmpty())
        return QStringLiteral("-o is for read");
    if (c != u"status" && (o.watch || o.json))
        return QStringLiteral("--watch and --json are for status");
    if (c == u"get") {
        if (o.args.isEmpty())
            return QStringLiteral("get needs at least one CODE");
        for (const QString &a : o.args)
            if (!isCode(a))
                return QStringLiteral("not a parameter code: %1").arg(a);
    }
    if (c == u"set") {
        if (o.args.isEmpty())
            return QStringLiteral("set needs at least one CODE=VALUE");
        for (const QString &a : o.args) {
            const qsizetype eq = a.indexOf(u'=');
            if (eq < 0 || !isCode(a.left(eq)))
                return QStringLiteral("not CODE=VALUE: %1").arg(a);
            if (a.contains(u'\r') || a.contains(u'\n'))
                return QStringLiteral("a value cannot hold a line break: %1").arg(a.left(eq));
        }
    }
    if ((c == u"write" || c == u"send") && o.args.size() != 1)
        return QStringLiteral("%1 takes exactly one argument").arg(c);
    if (c == u"send" && (!o.args.first().startsWith(u"vm+") || o.args.first().contains(u'\r')
                         || o.args.first().contains(u'\n')))
        return QStringLiteral("send takes one command beginning with vm+");
    return QString();
}

} // namespace

CtlOptions CtlOptions::parse(const QStringList &arguments)
{
    CtlOptions o;
    auto value = [&](qsizetype &i, const QString &name) -> QString {
        if (i + 1 >= arguments.size()) {
            o.error = QStringLiteral("%1 needs a value").arg(name);
            return QString();
        }
        return arguments.at(++i);
    };
    for (qsizetype i = 1; i < arguments.size() && o.error.isEmpty(); ++i) {
        const QString &a = arguments.at(i);
        if (a == u"--help" || a == u"-h")
            o.help = true;
        else if (a == u"--port")
            o.port = value(i, a);
        else if (a == u"--remote")
            o.remote = value(i, a);
        else if (a == u"--config")
            o.config = value(i, a);
        else if (a == u"--code")
            o.code = value(i, a);
        else if (a == u"--link") {
            const QString link = value(i, a);
            if (link != u"adsl" && link != u"gprs" && o.error.isEmpty())
                o.error = QStringLiteral("--link is adsl or gprs");
            o.adsl = link == u"adsl";
        } else if (a == u"-o" || a == u"--output")
            o.output = value(i, a);
        else if (a == u"--watch")
            o.watch = true;
        else if (a == u"--json")
            o.json = true;
        else if (o.command.isEmpty() && !a.startsWith(u'-'))
            o.command = a;
        else if (!o.command.isEmpty() && (!a.startsWith(u'-') || o.command == u"set"))
            o.args << a;
        else
            o.error = QStringLiteral("unknown option %1").arg(a);
    }
    if (o.help || !o.error.isEmpty())
        return o;
    if (o.command.isEmpty())
        o.error = QStringLiteral("no command given");
    else if (!kCommands.contains(o.command))
        o.error = QStringLiteral("unknown command %1").arg(o.command);
    else if (o.port.isEmpty() == o.remote.isEmpty())
        o.error = QStringLiteral("give either --port DEV or --remote ID");
    else if (!o.config.isEmpty() && o.remote.isEmpty())
        o.error = QStringLiteral("--config is for --remote");
    else
        o.error = checkArguments(o);
    return o;
}

QString CtlOptions::usage()
{
    return QStringLiteral(
        "usage: velmarctl (--port DEV | --remote ID [--config FILE] [--link adsl|gprs])\n"
        "                 [--code CODE] COMMAND [ARGUMENTS]\n"
        "\n"
        "commands:\n"
        "  identify                 firmware, identifier, hardware, panel and parts\n"
        "  get CODE...              the values of parameters (four hexadecimal digits)\n"
        "  set CODE=VALUE...        writes parameters; each echo must equal the value\n"
        "  read -o FILE.pla         full read of the programming into a template\n"
        "  write FILE.pla           writes a template (after a full read)\n"
        "  status [--watch] [--json]  the live status, once or as a stream\n"
        "  send \"vm+...\"            a raw command; prints the replies\n"
        "\n"
        "options:\n"
        "  --port DEV      the module's serial port\n"
        "  --remote ID     the module with this identifier, through the MQTT broker\n"
        "  --config FILE   endpoint settings (INI: [broker] host port user password)\n"
        "  --link L        remote link: gprs (default) or adsl\n"
        "  --code CODE     programming access code of a locked module\n"
        "  --help          this text\n"
        "\n"
        "exit codes: 0 done, 1 module refused or echo mismatch, 2 bad use,\n"
        "            3 no module\n");
}

} // namespace velmar::ctl
