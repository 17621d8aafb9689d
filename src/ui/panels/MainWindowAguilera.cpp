// The two Aguilera status views on the status page and their wiring to the
// panel monitor and orders of the core; kept apart from MainWindow.cpp.
#include "ui/shell/MainWindow.h"

#include "core/panels/PanelCatalogue.h"
#include "ui/panels/AguileraViews.h"
#include "ui/status/StatusBarPanel.h"
#include "ui/status/StatusPage.h"

#include <QVBoxLayout>

namespace velmar::ui {

void MainWindow::wireAguilera()
{
    Engine &e = m_engine;
    auto *sa = new AguileraSaView(e.state, m_statusPage);
    auto *c5 = new AguileraC5View(e.blink, m_statusPage);
    for (QWidget *v : {static_cast<QWidget *>(sa), static_cast<QWidget *>(c5)}) {
        v->hide();
        m_statusPage->panelViews()->addWidget(v);
    }
    const auto press = [this](const QString &button) { m_engine.panelOrders.press(button); };
    connect(sa, &AguileraSaView::orderPressed, this, press);
    connect(c5, &AguileraC5View::orderPressed, this, press);

    const auto live = [this] { return panels::panelLive(m_engine.state); };
    const auto choose = [sa, c5, live](const panels::PanelModel *m) {
        const QLatin1String model(m ? m->model : "");
        sa->setVisible(model == QLatin1String("Aguilera AE/SA"));
        c5->setVisible(model == QLatin1String("Aguilera AE/C5"));
        sa->showListAgain();
        c5->setLive(live());
    };
    connect(&e.identification, &Identification::panelViewChosen, this,
            [choose](const QString &central) { choose(panels::statusModel(central)); });
    connect(&e.offlineStatus, &OfflineStatus::panelViewChosen, this,
            [choose](const QString &central) { choose(panels::cloudStatusModel(central)); });
    connect(&e.fields, &FieldModel::disconnectedReset, this, [sa, c5] {
        sa->hide();
        c5->hide();
    });

    // The panel link greys the views and, for AE/SA, empties its list.
    const auto followLink = [sa, c5, live] {
        sa->showListAgain();
        c5->setLive(live());
    };
    connect(&e.interpreter, &InfoInterpreter::panelLinkChanged, this, followLink);
    connect(&e.display, &StatusDisplay::panelLinkShown, this, followLink);
    connect(&e.fields, &FieldModel::disconnectedReset, this, followLink);
    // The status bar's panel state 1 chooses the alarm list.
    connect(static_cast<StatusBarPanel *>(m_status[2]), &StatusBarPanel::aguileraAlarmViewRequested, sa,
            [sa] { sa->showList(panels::AguiList::Alarm); });

    connect(&e.panelMonitor, &panels::PanelMonitor::aesaDecoded, sa, &AguileraSaView::applyStatus);
    connect(&e.panelMonitor, &panels::PanelMonitor::statusDecoded, this,
            [this, c5, live](const QString &model, const panels::PanelStatus &st) {
                if (model != QLatin1String("Aguilera AE/C5"))
                    return;
                const auto iface = st.named.constFind(QStringLiteral("REInterCentral"));
                if (m_engine.state.connex_velmar_Agui == 2 && iface != st.named.cend())
                    m_engine.display.setInterCentral(panels::interfaceLook(*iface != 0));
                if (c5->live() != live())
                    c5->setLive(live());
            });
    // An open session of the panel maker's tool turns both views busy.
    connect(&e.bridge, &TelecontrolBridge::telecontrolChanged, this, &MainWindow::AguileraTelecontrol);
    connect(&e.monitor, &StatusMonitor::lampsPainted, c5, [c5] {
        if (!c5->isHidden())
            c5->refreshLamps();
    });
}

void MainWindow::AguileraTelecontrol(bool on)
{
    if (auto *sa = findChild<AguileraSaView *>())
        sa->setTelecontrol(on);
    if (auto *c5 = findChild<AguileraC5View *>())
        c5->setTelecontrol(on);
}

} // namespace velmar::ui
