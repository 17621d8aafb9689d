#pragma once

#include "ui/shell/MainWindow.h"

#include "support/SimProcess.h"
#include "support/SimTranscript.h"

#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace velmar::test {

// The simulated module with these options (and a transcript of what crossed
// the line), and the program's window on its port with settings of its own.
struct Linked {
    QTemporaryDir dir;
    SimProcess sim;
    std::optional<ui::MainWindow> w;
    explicit Linked(const QStringList &simArgs = {})
        : sim(QStringList{QStringLiteral("--transcript"), dir.filePath(QStringLiteral("transcript.txt"))} + simArgs)
    {
        if (!sim.ok())
            return;
        ui::StartOptions opts;
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = sim.devicePath();
        w.emplace(opts);
        w->show();
    }

    // The lines the module has received so far.
    QList<TranscriptLine> received() const { return receivedLines(dir.filePath(QStringLiteral("transcript.txt"))); }
};

} // namespace velmar::test
