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
    Engine &engine() { return w->engine(); }
    // A module with this panel identified, the panel talking to it.
    void attach(const QString &central, int panelLink = 2)
    {
        Engine &e = engine();
        e.state.central = central;
        e.state.identConnectar = QStringLiteral("1000123");
        e.state.circuit = true;
        e.state.connex_velmar_Agui = panelLink;
        emit e.identification.panelViewChosen(central);
    }
    // A record of the module's information stream.
    void record(const QString &text) { engine().interpreter.interpret(text); }
};

} // namespace velmar::test
