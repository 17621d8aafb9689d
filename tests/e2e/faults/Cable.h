#pragma once

#include "ui/shell/MainWindow.h"

#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <optional>

namespace velmar::test {

// The window on a fixed port path (a symbolic link), and the simulated module
// plugged in behind it: pulled out, the module dies with its pseudo-terminal;
// plugged in again, a new one answers on the same path, with its own
// transcript.
struct Cable {
    QTemporaryDir dir;
    std::optional<SimProcess> sim;
    std::optional<ui::MainWindow> w;
    int plugs = 0;

    explicit Cable(const QStringList &simArgs = {}, const QStringList &scenario = {})
    {
        if (!plugIn(simArgs, scenario))
            return;
        ui::StartOptions opts;
        opts.settings.file = dir.filePath(QStringLiteral("settings.ini"));
        opts.settings.secretFile = dir.filePath(QStringLiteral("secret.key"));
        opts.port = port();
        w.emplace(opts);
        w->show();
    }

    QString port() const { return dir.filePath(QStringLiteral("velmar-port")); }
    // The transcript of the module plugged in last.
    QString transcript() const { return dir.filePath(QStringLiteral("transcript-%1.txt").arg(plugs)); }

    bool plugIn(const QStringList &simArgs = {}, const QStringList &scenario = {})
    {
        sim.reset();
        ++plugs;
        QStringList args{QStringLiteral("--link"), port(), QStringLiteral("--transcript"), transcript()};
        if (!scenario.isEmpty()) {
            QFile f(dir.filePath(QStringLiteral("scenario-%1.txt").arg(plugs)));
            if (f.open(QIODevice::WriteOnly))
                f.write((scenario.join(u'\n') + u'\n').toUtf8());
            args << QStringLiteral("--scenario") << f.fileName();
        }
        sim.emplace(args + simArgs);
        return sim->ok();
    }
    // Killed outright: no goodbye on the line, the device gone at once.
    void pull()
    {
        sim->signal(SIGKILL);
        sim->waitForExit();
    }

    QList<TranscriptLine> lines() const { return readTranscript(transcript()); }
    // What the module plugged in last received ("vm+ver", "vm+0104=Obra 7", ...).
    QStringList received() const
    {
        QStringList texts;
        for (const TranscriptLine &l : receivedLines(transcript()))
            texts << l.text;
        return texts;
    }
    bool linked()
    {
        return w->engine().state.circuittrobat && w->statusText() == QStringLiteral("CONECTADO");
    }
    template <typename T>
    T *find(const char *name) const
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }
};

} // namespace velmar::test
