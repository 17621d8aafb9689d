// The panel status views on the status page and their wiring to the panel
// monitor and orders of the core; kept apart from MainWindow.cpp.
#include "ui/shell/MainWindow.h"

#include "core/panels/PanelCatalogue.h"
#include "ui/panels/PanelView.h"
#include "ui/status/StatusPage.h"

#include <QVBoxLayout>

namespace velmar::ui {

namespace {

QList<PanelView *> viewsOf(QWidget *page)
{
    return page->findChildren<PanelView *>();
}

} // namespace

void MainWindow::wirePanels()
{
    Engine &e = m_engine;
    StatusPage *page = m_statusPage;
    for (const Front &front : fronts()) {
        auto *view = new PanelView(front, e.blink, page);
        view->hide();
        page->panelViews()->addWidget(view);
        connect(view, &PanelView::orderPressed, this, [this](const QString &button) {
            const bool sirensSilenced = m_engine.blink.lamp(LampGroup::PunterLedEstatCofem, 8).Tag != 0;
            m_engine.panelOrders.press(button, sirensSilenced);
        });
        connect(view, &PanelView::kindChosen, this,
                [this, model = front.model](const QString &kind) { m_engine.panelMonitor.chooseKind(model, kind); });
    }
    const auto shown = [page]() -> PanelView * {
        for (PanelView *v : viewsOf(page))
            if (!v->isHidden())
                return v;
        return nullptr;
    };
    const auto live = [this] { return panels::panelLive(m_engine.state); };

    // The attached model's view above the module's own; a module shown
    // from its stored record picks its view from the record's model.
    const auto choose = [page, live](const panels::PanelModel *m, const QString &central) {
        for (PanelView *v : viewsOf(page)) {
            const bool chosen = m && v->front().model == QLatin1String(m->model);
            v->setVisible(chosen);
            if (chosen) {
                v->setCentral(central);
                v->setLive(live());
            }
        }
    };
    connect(&e.identification, &Identification::panelViewChosen, this,
            [choose](const QString &central) { choose(panels::statusModel(central), central); });
    connect(&e.offlineStatus, &OfflineStatus::panelViewChosen, this,
            [choose](const QString &central) { choose(panels::cloudStatusModel(central), central); });
    connect(&e.fields, &FieldModel::disconnectedReset, this, [page] {
        for (PanelView *v : viewsOf(page)) {
            v->hide();
            v->resetFront();
        }
    });
    // The panel link comes from the module's COM state and from the
    // panel-communication events.
    const auto followLink = [shown, live] {
        if (PanelView *v = shown(); v && v->live() != live())
            v->setLive(live());
    };
    connect(&e.interpreter, &InfoInterpreter::panelLinkChanged, this, followLink);
    connect(&e.display, &StatusDisplay::panelLinkShown, this, followLink);
    connect(&e.fields, &FieldModel::disconnectedReset, this, followLink);
    connect(&e.monitor, &StatusMonitor::lampsPainted, this, [shown] {
        if (PanelView *v = shown())
            v->refreshLamps();
    });
    const auto viewOf = [page](const QString &model) -> PanelView * {
        for (PanelView *v : viewsOf(page))
            if (v->front().model == model)
                return v;
        return nullptr;
    };
    connect(&e.panelMonitor, &panels::PanelMonitor::statusDecoded, this,
            [viewOf, live](const QString &model, const panels::PanelStatus &st) {
                if (PanelView *v = viewOf(model)) {
                    v->applyStatus(st);
                    if (v->live() != live())
                        v->setLive(live());
                }
            });
    connect(&e.panelMonitor, &panels::PanelMonitor::eventLines, this,
            [viewOf](const QString &model, const QList<panels::EventLine> &lines, bool replace) {
                if (PanelView *v = viewOf(model))
                    v->showEvents(lines, replace);
            });
    connect(&e.panelMonitor, &panels::PanelMonitor::consoleLine, this,
            [this](const QString &line) { m_engine.trace.write(line, TraceColour::Blue); });
}

} // namespace velmar::ui
