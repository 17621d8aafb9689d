// The door view on the status page and its wiring to the core's door
// buttons; kept apart from MainWindow.cpp.
#include "ui/shell/MainWindow.h"

#include "core/panels/PanelCatalogue.h"
#include "ui/doors/DoorView.h"
#include "ui/status/StatusPage.h"

#include <QVBoxLayout>

namespace velmar::ui {

void MainWindow::wireDoors()
{
    Engine &e = m_engine;
    auto *view = new DoorView(e.doors, m_statusPage);
    view->hide();
    m_statusPage->panelViews()->addWidget(view);
    connect(view, &DoorView::pictureClicked, &e.doors, &DoorButtons::IPBotoClick);

    const auto choose = [view, &e](const panels::PanelModel *m) {
        if (!m || qstrcmp(m->statusView, "PEstatPortes") != 0) {
            view->hide();
            return;
        }
        if (view->isHidden())
            view->setReference(QString());
        view->show();
        e.doors.MostraPEstatPortes(view->size());
    };
    connect(&e.identification, &Identification::panelViewChosen, view,
            [choose](const QString &central) { choose(panels::statusModel(central)); });
    connect(&e.offlineStatus, &OfflineStatus::panelViewChosen, view,
            [choose](const QString &central) { choose(panels::cloudStatusModel(central)); });
    connect(&e.status, &ModuleStatus::identificationChanged, view,
            [view, &e] { view->setReference(e.status.identification().referencia); });
    connect(&e.fields, &FieldModel::disconnectedReset, view, &QWidget::hide);
}

} // namespace velmar::ui
