#pragma once

#include "ui/shell/MainWindow.h"

#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace velmar::test {

// A broker, velmar-sim on it (with a transcript and `simArgs`), and the
// window started for that module (velmar --remote 1000123), its settings in
// a folder of its own; `options` may change what the window starts with.
struct RemoteRig {
    static constexpr int kWaitMs = 20000;

    MosquittoBroker broker;
    QTemporaryDir dir;
    QString transcript = dir.filePath(QStringLiteral("transcript.txt"));
    std::optional<SimProcess> sim;
    std::optional<ui::MainWindow> w;

    // Linked through the broker: the status bar reads "CONECTADO".
    bool start(const QStringList &simArgs = {}, const std::function<void(ui::StartOptions &)> &options = {})
    {
        if (!broker.ok())
            return false;
        sim.emplace(QStringList{QStringLiteral("--transcript"), transcript, QStringLiteral("--mqtt"),
                                QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()),
                                QStringLiteral("--mqtt-user"), broker.user(), QStringLiteral("--mqtt-password"),
                                broker.password()}
                    + simArgs);
        if (!sim->ok() || !waitFor([&] { return broker.log().contains(QStringLiteral("velmar-module-1000123")); },
                                   kWaitMs))
            return false;
        ui::StartOptions opts;
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.endpoints = brokerEndpoints(broker);
        opts.remoteId = QStringLiteral("1000123");
        if (options)
            options(opts);
        w.emplace(opts);
        w->show();
        return waitFor([&] { return w->statusText() == QStringLiteral("CONECTADO"); }, kWaitMs);
    }
    template <typename T>
    T *find(const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
};

} // namespace velmar::test
