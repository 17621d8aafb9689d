// The window's side of the module link: the chooser's list of ports, the
// "Local" menu entry, the colour of a recognised module's connection panel
// and the stop of the polling before the window closes.
#include "core/status/Colours.h"
#include "ui/link/PortComboBox.h"
#include "ui/shell/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>

namespace velmar::ui {

void MainWindow::wireLink()
{
    Engine &e = m_engine;
    // The list follows the ports present, but not under the user's eyes.
    connect(&e.channel, &CommandChannel::portListRefreshRequested, this, [this] {
        if (!m_port->view()->isVisible())
            CCBPortDropDown();
    });

    if (auto *local = findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"))) {
        // A click chooses the local link; it never takes the choice back.
        connect(local, &QAction::triggered, this, [this, local](bool checked) {
            local->setChecked(!checked);
            m_engine.identification.MIIComunicacioLocalClick(false);
        });
        connect(&e.identification, &Identification::localLinkChosen, local,
                [local] { local->setChecked(true); });
    }

    if (auto *usb = findChild<QWidget *>(QStringLiteral("PUSB"))) {
        connect(&e.identification, &Identification::recognised, usb, [usb] {
            QPalette p = usb->palette();
            p.setColor(QPalette::Window, QColor::fromRgb(colours::LightBlue));
            usb->setPalette(p);
            usb->setAutoFillBackground(true);
        });
    }
}

void MainWindow::stopLinkForClose()
{
    // Nothing but the lock sequence may reach the module from here on.
    m_engine.stopForClose();
}

} // namespace velmar::ui
