#pragma once

#include "ui/shell/MainWindow.h"

#include <QTemporaryDir>

#include <optional>

namespace velmar::test {

// The real window with settings of its own and no module on its port.
struct PanelWindow {
    QTemporaryDir dir;
    std::optional<ui::MainWindow> w;
    PanelWindow()
    {
        ui::StartOptions opts;
        opts.settings.file = dir.filePath("settings.ini");
        opts.settings.secretFile = dir.filePath("secret.key");
        opts.port = QStringLiteral("/nonexistent/velmar-port");
        w.emplace(opts);
        w->show();
    }
};

} // namespace velmar::test
