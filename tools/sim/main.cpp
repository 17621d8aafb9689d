// velmar-sim: a counterpart of the Velmar module for tests, benchmarks and the
// demo. It speaks the module's side of the command language on a
// pseudo-terminal and is written apart from the program's own protocol code.

#include "CloudServer.h"
#include "Faults.h"
#include "Module.h"
#include "UpdateServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

// SIGINT and SIGTERM end the event loop through a pipe, so that the
// shutdown (removing the symlink) runs outside the signal handler.
bool catchSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return false;
    auto *n = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(n, &QSocketNotifier::activated, &app, [&app] {
        char c;
        [[maybe_unused]] const ssize_t r = ::read(g_signalPipe[0], &c, 1);
        app.quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    return true;
}

void say(const QString &text, FILE *to = stderr)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

const char *const kGeneralHelp =
    "Usage: velmar-sim COMMAND [options]\n"
    "\n"
    "Simulated counterparts of what the Velmar configurator talks to.\n"
    "\n"
    "Commands:\n"
    "  module         a Velmar module on a pseudo-terminal (velmar-sim module --help)\n"
    "  update-server  the firmware update server on loopback (velmar-sim update-server --help)\n"
    "  cloud          the cloud accounts and database on loopback (velmar-sim cloud --help)\n";

int runModule(QCoreApplication &app, const QStringList &args)
{
    using velmar::sim::Faults;
    using velmar::sim::Module;
    using velmar::sim::ModuleOptions;

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "A simulated Velmar module on a pseudo-terminal. The first line on standard output is\n"
        "\"velmar-sim: pty DEVICE\"; open DEVICE (or the --link path) as the serial port.\n"
        "SIGINT or SIGTERM stop it cleanly."));
    const ModuleOptions defaults;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption pty(QStringLiteral("pty"), QStringLiteral("Serve the line on a pseudo-terminal."));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also make a symbolic link PATH to the device."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption id(QStringLiteral("id"), QStringLiteral("Module identifier (default %1).")
                                                          .arg(defaults.identity.identifier),
                                QStringLiteral("ID"));
    const QCommandLineOption panel(QStringLiteral("panel"),
                                   QStringLiteral("Attached panel type as the module reports it, e.g. BC600 "
                                                  "(default none)."),
                                   QStringLiteral("TYPE"));
    const QCommandLineOption lock(QStringLiteral("lock"), QStringLiteral("Programming access code; the module starts locked."),
                                  QStringLiteral("CODE"));
    const QCommandLineOption scenario(QStringLiteral("scenario"), QStringLiteral("Run the steps of a scenario file."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption baud(QStringLiteral("baud-timing"),
                                  QStringLiteral("Send at the byte rate of 115200 baud."));
    const QCommandLineOption transcript(QStringLiteral("transcript"),
                                        QStringLiteral("Write every line received and sent, time-stamped."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption period(QStringLiteral("period"),
                                    QStringLiteral("Period of the information records (default %1).")
                                        .arg(defaults.periodMs),
                                    QStringLiteral("MS"));
    const QCommandLineOption burst(QStringLiteral("burst"),
                                   QStringLiteral("Sets of information records sent at each period (default 1)."),
                                   QStringLiteral("N"));
    const QCommandLineOption firmware(QStringLiteral("firmware"),
                                      QStringLiteral("Firmware text (default \"%1\").").arg(defaults.identity.firmware),
                                      QStringLiteral("TEXT"));
    const QCommandLineOption hardware(QStringLiteral("hardware"),
                                      QStringLiteral("Hardware text (default \"%1\").").arg(defaults.identity.hardware),
                                      QStringLiteral("TEXT"));
    const QCommandLineOption parts(QStringLiteral("parts"),
                                   QStringLiteral("Available parts: four 0/1 for GPRS, ADSL, COM, inputs/outputs "
                                                  "(default %1).")
                                       .arg(defaults.identity.parts),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption imei(QStringLiteral("imei"), QStringLiteral("IMEI of the modem."), QStringLiteral("TEXT"));
    const QCommandLineOption restartMs(QStringLiteral("restart-ms"),
                                       QStringLiteral("How long a restart keeps the module quiet (default %1).")
                                           .arg(defaults.restartMs),
                                       QStringLiteral("MS"));
    const QCommandLineOption mqtt(QStringLiteral("mqtt"),
                                  QStringLiteral("Also connect to the MQTT broker at HOST:PORT as the module does."),
                                  QStringLiteral("HOST:PORT"));
    const QCommandLineOption mqttUser(QStringLiteral("mqtt-user"), QStringLiteral("User name on the broker."),
                                      QStringLiteral("NAME"));
    const QCommandLineOption mqttPassword(QStringLiteral("mqtt-password"), QStringLiteral("Password on the broker."),
                                          QStringLiteral("TEXT"));
    const QCommandLineOption mqttDropAt(QStringLiteral("mqtt-drop-at"),
                                        QStringLiteral("Fault: drop off the broker without a clean disconnect "
                                                       "this long after start (the broker sends the will)."),
                                        QStringLiteral("MS"));
    const QCommandLineOption mqttDropFor(QStringLiteral("mqtt-drop-for"),
                                         QStringLiteral("Come back to the broker this long after dropping off "
                                                        "(default %1).")
                                             .arg(defaults.mqttDropForMs),
                                         QStringLiteral("MS"));
    const QCommandLineOption updateReply(QStringLiteral("update-reply"),
                                         QStringLiteral("Fault: answer block N of a firmware transfer once with "
                                                        "\"+U\" + CODE (FF0 to FFD); FF0, FF1, FF2 and FFC are "
                                                        "frame errors, the others give the transfer up; "
                                                        "repeatable."),
                                         QStringLiteral("CODE@N"));
    const QCommandLineOption updateSilentAt(QStringLiteral("update-silent-at"),
                                            QStringLiteral("Fault: stop answering a firmware transfer at block N."),
                                            QStringLiteral("N"));
    const QCommandLineOption updateFrameMs(QStringLiteral("update-frame-ms"),
                                           QStringLiteral("How long the module waits for a whole frame before "
                                                          "\"+UFF0\" (default %1).")
                                               .arg(defaults.update.frameTimeoutMs),
                                           QStringLiteral("MS"));
    const QCommandLineOption cloud(QStringLiteral("cloud"),
                                   QStringLiteral("Also keep the module's record in the cloud database at URL "
                                                  "(its root, e.g. http://127.0.0.1:9099)."),
                                   QStringLiteral("URL"));
    p.addOptions({help, pty, link, id, cloud, panel, lock, scenario, baud, transcript, period, burst, firmware, hardware, parts,
                  imei, restartMs, mqtt, mqttUser, mqttPassword, mqttDropAt, mqttDropFor, updateReply,
                  updateSilentAt, updateFrameMs});
    const QStringList faultNames = Faults::names();
    for (const QString &name : faultNames) {
        if (Faults::takesValue(name))
            p.addOption(QCommandLineOption(name, QStringLiteral("Fault: ") + Faults::help(name), Faults::valueName(name)));
    }

    if (!p.parse(args)) {
        say(QStringLiteral("velmar-sim: %1\n").arg(p.errorText()));
        return 2;
    }
    if (p.isSet(help)) {
        QString text = p.helpText();
        // The first line names the binary as it was called; name the command.
        text = QStringLiteral("Usage: velmar-sim module --pty [options]") + text.mid(text.indexOf(u'\n'));
        say(text, stdout);
        return 0;
    }
    if (!p.positionalArguments().isEmpty()) {
        say(QStringLiteral("velmar-sim: unexpected \"%1\"\n").arg(p.positionalArguments().join(u' ')));
        return 2;
    }
    if (!p.isSet(pty) && !p.isSet(mqtt) && !p.isSet(cloud)) {
        say(QStringLiteral("velmar-sim: module needs --pty, --mqtt or --cloud\n"));
        return 2;
    }

    ModuleOptions o;
    if (p.isSet(id))
        o.identity.identifier = p.value(id);
    if (p.isSet(panel))
        o.identity.panelType = p.value(panel);
    if (p.isSet(firmware))
        o.identity.firmware = p.value(firmware);
    if (p.isSet(hardware))
        o.identity.hardware = p.value(hardware);
    if (p.isSet(imei))
        o.identity.imei = p.value(imei);
    if (p.isSet(parts)) {
        o.identity.parts = p.value(parts);
        const bool ok = o.identity.parts.size() == 4
                        && o.identity.parts.count(u'0') + o.identity.parts.count(u'1') == 4;
        if (!ok) {
            say(QStringLiteral("velmar-sim: --parts wants four characters 0 or 1\n"));
            return 2;
        }
    }
    for (const QString *field : {&o.identity.identifier, &o.identity.panelType}) {
        if (field->contains(u',') || field->contains(u'<') || field->contains(u'>')) {
            say(QStringLiteral("velmar-sim: \"%1\" cannot hold \",\", \"<\" or \">\"\n").arg(*field));
            return 2;
        }
    }
    if (p.isSet(cloud)) {
        o.cloud = QUrl(p.value(cloud), QUrl::StrictMode);
        const QString scheme = o.cloud.scheme();
        if (!o.cloud.isValid() || o.cloud.host().isEmpty()
            || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
            say(QStringLiteral("velmar-sim: --cloud wants an http or https URL\n"));
            return 2;
        }
        // The identifier is a key of the database.
        if (o.identity.identifier.isEmpty()
            || o.identity.identifier.contains(QRegularExpression(QStringLiteral("[.$#\\[\\]/\\x00-\\x1f\\x7f]")))) {
            say(QStringLiteral("velmar-sim: with --cloud the identifier cannot hold \".\", \"$\", \"#\", \"[\", \"]\" or \"/\"\n"));
            return 2;
        }
    }
    o.lockCode = p.value(lock);
    o.linkPath = p.value(link);
    o.scenarioPath = p.value(scenario);
    o.transcriptPath = p.value(transcript);
    o.baudTiming = p.isSet(baud);
    bool ok = true;
    if (p.isSet(period)) {
        o.periodMs = p.value(period).toInt(&ok);
        if (!ok || o.periodMs < 10) {
            say(QStringLiteral("velmar-sim: --period wants milliseconds, at least 10\n"));
            return 2;
        }
    }
    if (p.isSet(burst)) {
        o.burst = p.value(burst).toInt(&ok);
        if (!ok || o.burst < 1 || o.burst > 1000) {
            say(QStringLiteral("velmar-sim: --burst wants a count from 1 to 1000\n"));
            return 2;
        }
    }
    if (p.isSet(restartMs)) {
        o.restartMs = p.value(restartMs).toInt(&ok);
        if (!ok || o.restartMs < 0) {
            say(QStringLiteral("velmar-sim: --restart-ms wants milliseconds\n"));
            return 2;
        }
    }

    if (p.isSet(mqtt)) {
        const QString hp = p.value(mqtt);
        const qsizetype colon = hp.lastIndexOf(u':');
        const int port = colon > 0 ? hp.mid(colon + 1).toInt(&ok) : 0;
        if (colon <= 0 || !ok || port < 1 || port > 65535) {
            say(QStringLiteral("velmar-sim: --mqtt wants HOST:PORT\n"));
            return 2;
        }
        // The identifier is a level of the module's topics.
        for (QChar c : o.identity.identifier) {
            if (c == u'/' || c == u'+' || c == u'#') {
                say(QStringLiteral("velmar-sim: with --mqtt the identifier cannot hold \"/\", \"+\" or \"#\"\n"));
                return 2;
            }
        }
        o.mqtt.host = hp.left(colon);
        o.mqtt.port = port;
        o.mqtt.user = p.value(mqttUser);
        o.mqtt.password = p.value(mqttPassword);
    }
    for (const auto &[opt, into] : {std::pair{&mqttDropAt, &o.mqttDropAtMs}, std::pair{&mqttDropFor, &o.mqttDropForMs}}) {
        if (!p.isSet(*opt))
            continue;
        *into = p.value(*opt).toInt(&ok);
        if (!ok || *into < 0) {
            say(QStringLiteral("velmar-sim: --%1 wants milliseconds\n").arg(opt->names().first()));
            return 2;
        }
    }

    for (const QString &v : p.values(updateReply)) {
        const QString code = v.section(u'@', 0, 0).toUpper();
        const int block = v.section(u'@', 1).toInt(&ok);
        static const QRegularExpression codes(QStringLiteral("^FF[0-9A-D]$"));
        if (!ok || block < 0 || !codes.match(code).hasMatch()) {
            say(QStringLiteral("velmar-sim: --update-reply wants CODE@N with CODE from FF0 to FFD\n"));
            return 2;
        }
        o.update.replyAt.insert(block, code);
    }
    if (p.isSet(updateSilentAt)) {
        o.update.silentAt = p.value(updateSilentAt).toInt(&ok);
        if (!ok || o.update.silentAt < 0) {
            say(QStringLiteral("velmar-sim: --update-silent-at wants a block number\n"));
            return 2;
        }
    }

    if (p.isSet(updateFrameMs)) {
        o.update.frameTimeoutMs = p.value(updateFrameMs).toInt(&ok);
        if (!ok || o.update.frameTimeoutMs < 10) {
            say(QStringLiteral("velmar-sim: --update-frame-ms wants milliseconds, at least 10\n"));
            return 2;
        }
    }

    Module module(o);
    for (const QString &name : faultNames) {
        if (!Faults::takesValue(name))
            continue;
        for (const QString &value : p.values(name)) {
            QString error;
            if (!module.faults().set(name, value, -1, &error)) {
                say(QStringLiteral("velmar-sim: --%1\n").arg(error));
                return 2;
            }
        }
    }

    if (!catchSignals(app)) {
        say(QStringLiteral("velmar-sim: cannot catch signals\n"));
        return 1;
    }
    QString error;
    if (!module.start(&error)) {
        say(QStringLiteral("velmar-sim: %1\n").arg(error));
        module.stop();
        return 1;
    }
    say(QStringLiteral("velmar-sim: pty %1\n").arg(module.devicePath()), stdout);
    const int rc = app.exec();
    module.stop();
    return rc;
}

// The loopback servers share their start: parse, catch signals, listen and
// announce "velmar-sim: NAME port P".
template <typename Server, typename Options>
int runServer(QCoreApplication &app, const QStringList &args, const char *name)
{
    Options o;
    QString error;
    bool help = false;
    if (!Server::parse(args, &o, &help, &error)) {
        say(QStringLiteral("velmar-sim: %1\n").arg(error));
        return 2;
    }
    if (help) {
        say(error, stdout);
        return 0;
    }
    if (!catchSignals(app)) {
        say(QStringLiteral("velmar-sim: cannot catch signals\n"));
        return 1;
    }
    Server server(o);
    if (!server.start(&error)) {
        say(QStringLiteral("velmar-sim: %1\n").arg(error));
        return 1;
    }
    say(QStringLiteral("velmar-sim: %1 port %2\n").arg(QLatin1String(name)).arg(server.port()), stdout);
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmar-sim"));
    const QStringList args = app.arguments();
    if (args.size() < 2 || args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h")) {
        say(QString::fromLatin1(kGeneralHelp), args.size() < 2 ? stderr : stdout);
        return args.size() < 2 ? 2 : 0;
    }
    if (args[1] == QLatin1String("module"))
        return runModule(app, QStringList{args[0]} + args.mid(2));
    if (args[1] == QLatin1String("update-server"))
        return runServer<velmar::sim::UpdateServer, velmar::sim::UpdateServerOptions>(
            app, QStringList{args[0]} + args.mid(2), "update-server");
    if (args[1] == QLatin1String("cloud"))
        return runServer<velmar::sim::CloudServer, velmar::sim::CloudServerOptions>(
            app, QStringList{args[0]} + args.mid(2), "cloud");
    say(QStringLiteral("velmar-sim: unknown command \"%1\"\n%2").arg(args[1], QString::fromLatin1(kGeneralHelp)));
    return 2;
}
