// The main window's share of the telecontrol bridge: the menu item MIBidi,
// shown for the Aguilera panels, and its settings panel PBidi.
#include "ui/shell/MainWindow.h"

#include "ui/bridge/BridgePanel.h"
#include "ui/shell/MessageDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>

namespace velmar::ui {

QWidget *MainWindow::buildBridgePanel()
{
    TelecontrolBridge &bridge = m_engine.bridge;
    bridge.BidiIP = m_config.BidiIP;
    bridge.BidiPort = m_config.BidiPort;

    auto *panel = new BridgePanel(this);
    QAction *item = m_texts.text(menuBar()->addAction(QString()), [] { return tr("Bidi"); });
    item->setObjectName(QStringLiteral("MIBidi"));
    item->setVisible(false);
    connect(&m_engine.identification, &Identification::panelViewChosen, item,
            [item](const QString &central) { item->setVisible(TelecontrolBridge::aguilera(central)); });
    // MIBidiClick: the settings are not changed under an open connection.
    connect(item, &QAction::triggered, panel, [panel, &bridge] {
        if (!bridge.connex_prog_Agui())
            panel->open(bridge.BidiIP, bridge.BidiPort);
    });
    connect(panel, &BridgePanel::accepted, this, [this, panel](const QString &ip, const QString &port) {
        switch (m_engine.bridge.BBidiAcceptarClick(ip, port)) {
        case TelecontrolBridge::Accept::EmptyPort:
            panel->port()->setFocus();
            break;
        case TelecontrolBridge::Accept::Done:
            m_config.BidiIP = ip;
            m_config.BidiPort = port;
            GuardarConfigInicial();
            panel->hide();
            break;
        case TelecontrolBridge::Accept::Failed:
            // Taken but not stored; the panel stays for another try.
            m_config.BidiIP = ip;
            m_config.BidiPort = port;
            break;
        }
    });
    connect(&bridge, &TelecontrolBridge::message, this,
            [this](const QString &title, const QString &text, const QString &button, bool error) {
                // Not waited for: it may come from an identification step.
                ElMeuMessageDlgOpen(title, text, error ? DlgType::Error : DlgType::Warning, 0, {button},
                                    QMessageBox::Ok, this);
            });
    connect(this, &MainWindow::closing, &bridge, &TelecontrolBridge::TCPProgAguiDisconnect);
    return panel;
}

} // namespace velmar::ui
