#pragma once

#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"

#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace velmar::test {

// The simulated module with these options (and a transcript of what crossed
// the line, and an optional scenario), and the program's window on its port
// with settings of its own.
struct Linked {
    QTemporaryDir dir;
    SimProcess sim;
    std::optional<ui::MainWindow> w;
    // `options` may change what the window is started with (endpoints, the cloud).
    explicit Linked(const QStringList &simArgs = {}, const QStringList &scenario = {},
                    const std::function<void(ui::StartOptions &)> &options = {})
        : sim(arguments(simArgs, scenario))
    {
        if (!sim.ok())
            return;
        ui::StartOptions opts;
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = sim.devicePath();
        if (options)
            options(opts);
        w.emplace(opts);
        w->show();
    }

    QString transcript() const { return dir.filePath(QStringLiteral("transcript.txt")); }

    // The lines the module has received, from line `from` on, with their times.
    QList<TranscriptLine> receivedTimed(qsizetype from = 0) const { return receivedLines(transcript()).mid(from); }
    // The same, text only ("vm+ver", "vm+0104=Obra 7", ...).
    QStringList received(qsizetype from = 0) const
    {
        QStringList texts;
        for (const TranscriptLine &l : receivedTimed(from))
            texts << l.text;
        return texts;
    }
    bool receives(const QString &line, qsizetype from = 0, int ms = 10000) const
    {
        return waitFor([&] { return received(from).contains(line); }, ms);
    }
    // Recognised with its stream on, and the status read that follows
    // recognition sent.
    bool settled()
    {
        const Engine &e = w->engine();
        return waitFor([&] { return e.state.circuittrobat && e.state.inf; }, 15000)
               && receives(QStringLiteral("vm+vEr")) && receives(QStringLiteral("vm+INf"));
    }
    // Recognised, its programming read once ("Prog.") and the named tab in front.
    bool programmingOn(const char *tab)
    {
        if (!sim.ok() || !settled())
            return false;
        const Engine &e = w->engine();
        find<QPushButton>("BBProg")->click();
        if (!waitFor([&] { return w->programmingShown() && !e.programming.busy() && e.programming.progllegida; },
                     20000))
            return false;
        QTabWidget *tabs = w->programming()->tabs();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->objectName() == QLatin1String(tab)) {
                tabs->setCurrentIndex(i);
                return true;
            }
        return false;
    }
    template <typename T>
    T *find(const char *name) const
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }

private:
    QStringList arguments(const QStringList &simArgs, const QStringList &scenario)
    {
        QStringList args = QStringList{QStringLiteral("--transcript"), transcript()} + simArgs;
        if (!scenario.isEmpty()) {
            QFile f(dir.filePath("scenario.txt"));
            if (f.open(QIODevice::WriteOnly))
                f.write((scenario.join(u'\n') + u'\n').toUtf8());
            args << QStringLiteral("--scenario") << f.fileName();
        }
        return args;
    }
};

} // namespace velmar::test
