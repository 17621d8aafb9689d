#pragma once

// The simulated module and the program's real window on its port, with
// settings of their own; the module keeps a transcript of what it received.
#include "ui/shell/MainWindow.h"

#include "support/SimProcess.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace velmar::test {

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
        opts.settings.file = dir.filePath(QStringLiteral("settings.ini"));
        opts.settings.secretFile = dir.filePath(QStringLiteral("secret.key"));
        opts.port = sim.devicePath();
        w.emplace(opts);
        w->show();
    }

    // The lines the module received so far, in order ("vm+ver", ...).
    QStringList received() const
    {
        QFile f(dir.filePath(QStringLiteral("transcript.txt")));
        QStringList lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray &l : f.readAll().split('\n')) {
            // "stamp RX text"
            const QList<QByteArray> parts = l.split(' ');
            if (parts.size() >= 3 && parts.at(1) == "RX")
                lines << QString::fromUtf8(l.mid(parts.at(0).size() + 4));
        }
        return lines;
    }
};

} // namespace velmar::test
