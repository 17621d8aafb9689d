// The window's side of the diagnostics console: the console itself and the
// hidden way in.
#include "ui/diagnostics/InfoWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/status/ServiceReveal.h"

#include <QAction>
#include <QMenuBar>

namespace velmar::ui {

namespace {
// Clicks in a row on the caption-less first menu entry that show the console.
constexpr int kConsoleClicks = 10;
} // namespace

void MainWindow::buildConsole()
{
    m_console = new InfoWindow(m_engine, this);
    // The service console stays out of the installer's way: the main menu's
    // first entry has no caption and shows it after ten clicks in a row (one,
    // should it get a caption); a keyboard shortcut shows it too.
    auto toggleConsole = [this] { m_console->setVisible(!m_console->isVisible()); };
    QAction *informacio = menuBar()->addAction(QStringLiteral("    "));
    informacio->setObjectName(QStringLiteral("Informacio"));
    auto *picar = new ServiceReveal(toggleConsole, informacio, kConsoleClicks - 1);
    connect(informacio, &QAction::triggered, picar, [informacio, picar, toggleConsole] {
        if (informacio->text().trimmed().isEmpty())
            picar->click();
        else
            toggleConsole();
    });
    auto *consoleKey = new QAction(this);
    consoleKey->setObjectName(QStringLiteral("AConsola"));
    consoleKey->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    connect(consoleKey, &QAction::triggered, this, toggleConsole);
    addAction(consoleKey);
}

} // namespace velmar::ui
