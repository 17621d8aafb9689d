#pragma once

#include "core/shell/Engine.h"
#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

namespace velmar::test {

// A simulated update server with one firmware image, a simulated module on a
// pseudo-terminal (with transcript), and one program engine linked to the
// module and pointed at the server: over the cable, or through a throw-away
// broker the module is a client of as well.
class UpdateRig {
public:
    static inline const QString kNewFirmware = QStringLiteral("Velmar_v9.0");
    static inline const QString kModuleId = QStringLiteral("1000123"); // the simulator's identifier
    enum class Link { Cable, Broker };

    // withEngine false: only the simulators (a window makes its own engine).
    UpdateRig(int imageBytes, const QStringList &serverArgs = {}, QStringList moduleArgs = {},
              bool withEngine = true, Link via = Link::Cable)
        : over(via)
    {
        // The internet check of "Actual." finds a web server here.
        probe.listen(QHostAddress::LocalHost);
        QObject::connect(&probe, &QTcpServer::newConnection, &probe, [this] {
            while (QTcpSocket *s = probe.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [s] {
                    s->write("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n");
                    s->disconnectFromHost();
                });
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        if (over == Link::Broker) {
            broker = std::make_unique<MosquittoBroker>();
            moduleArgs += {QStringLiteral("--mqtt"), QStringLiteral("%1:%2").arg(broker->host()).arg(broker->port()),
                           QStringLiteral("--mqtt-user"), broker->user(), QStringLiteral("--mqtt-password"),
                           broker->password()};
        }
        QByteArray image;
        for (int i = 0; i < imageBytes; ++i)
            image.append(char((i * 31 + 7) & 0xFF));
        write(kNewFirmware + QStringLiteral(".bin"), image);
        write(kNewFirmware + QStringLiteral(".txt"), "Nueva version\n");
        transcript = dir.filePath(QStringLiteral("module.txt"));
        serverTranscript = dir.filePath(QStringLiteral("server.txt"));
        server = std::make_unique<SimProcess>(
            QStringList{QStringLiteral("update-server"), QStringLiteral("--port"), QStringLiteral("0"),
                        QStringLiteral("--firmware-dir"), dir.path(), QStringLiteral("--transcript"),
                        serverTranscript} + serverArgs,
            SimProcess::Launch::AsGiven);
        module = std::make_unique<SimProcess>(QStringList{QStringLiteral("--transcript"), transcript,
                                                          QStringLiteral("--restart-ms"), QStringLiteral("300"),
                                                          QStringLiteral("--update-frame-ms"),
                                                          QStringLiteral("2000")} + moduleArgs);
        if (!withEngine)
            return;
        engine = std::make_unique<Engine>(endpoints());
        FirmwareUpdate &u = engine->firmwareUpdate;
        QObject::connect(&u, &FirmwareUpdate::versionsListed, engine.get(),
                         [this](const QList<update::VersionEntry> &l) { listed = l; });
        QObject::connect(&u, &FirmwareUpdate::message, engine.get(),
                         [this](const QString &title, const QString &text) { messages << title + u'|' + text; });
        QObject::connect(&u, &FirmwareUpdate::progressChanged, engine.get(),
                         [this](int value, int) { progress << value; });
        QObject::connect(&u, &FirmwareUpdate::progressText, engine.get(),
                         [this](const QString &t) { texts << t; });
        QObject::connect(&engine->monitor, &StatusMonitor::timedError, engine.get(),
                         [this](const QString &t) { errors << t; });
        QObject::connect(&engine->trace, &Trace::entry, engine.get(),
                         [this](const QString &t, TraceColour) { trace << t; });
    }

    // The program's settings pointed at the simulated server (and the broker).
    Endpoints endpoints() const
    {
        Endpoints e = broker ? brokerEndpoints(*broker) : Endpoints{};
        e.probeUrl = QStringLiteral("http://127.0.0.1:%1/").arg(probe.serverPort());
        e.updateHost = QStringLiteral("127.0.0.1");
        e.updatePort = server->readyLine().section(u' ', -1).toInt();
        return e;
    }

    bool started() const { return server->ok() && module->ok() && (!broker || broker->ok()); }
    QString error() const
    {
        return server->errorText() + module->errorText() + (broker ? broker->errorText() : QString());
    }

    // The module recognised over the cable, or over a session opened to it.
    bool link()
    {
        if (over == Link::Cable)
            engine->channel.probe(module->devicePath());
        else if (!moduleOnBroker())
            return false;
        else
            openSession();
        return waitFor([this] { return engine->state.circuittrobat && !engine->state.firmware.isEmpty(); }, 15000);
    }
    bool moduleOnBroker() const
    {
        return waitFor([this] {
            QFile f(transcript);
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("mqtt: on the broker");
        }, 15000);
    }
    void openSession()
    {
        engine->state.identConnectar = kModuleId;
        engine->remote.BConnectarMQTTClick();
    }

    // Lists the versions and starts the transfer of the first one.
    bool start()
    {
        engine->firmwareUpdate.BBuscarVersionsClick();
        if (!waitFor([this] { return !listed.isEmpty() || !messages.isEmpty(); }, 15000) || listed.isEmpty())
            return false;
        engine->firmwareUpdate.startTransfer(listed.first());
        return waitFor([this] { return engine->firmwareUpdate.progressShown(); }, 15000);
    }

    // The supervision tick n times, as the window's 100 ms timer would.
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            engine->monitor.TimerLedsTimer();
    }

    QStringList moduleLines() const { return SimProcess::receivedLines(transcript); }
    // The module got the command after line mark, as a command or, while it
    // still waits for blocks, as a frame it refused.
    bool moduleHeard(qsizetype mark, const QByteArray &command) const
    {
        if (moduleLines().mid(mark).contains(QString::fromLatin1(command).trimmed()))
            return true;
        QFile f(transcript);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains("frame began " + command.left(8).toHex(' '));
    }

    Link over;
    QTemporaryDir dir;
    QTcpServer probe;
    std::unique_ptr<MosquittoBroker> broker; // before the module, which is its client
    QString transcript;
    QString serverTranscript;
    std::unique_ptr<SimProcess> server;
    std::unique_ptr<SimProcess> module;
    std::unique_ptr<Engine> engine;
    QList<update::VersionEntry> listed;
    QStringList messages;
    QStringList errors;
    QStringList texts;
    QStringList trace;
    QList<int> progress;

private:
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

} // namespace velmar::test
