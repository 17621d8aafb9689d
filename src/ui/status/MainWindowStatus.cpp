// The main window's status page and its wiring to the status monitor; kept
// apart from MainWindow.cpp so that each page of the window has its own file.
#include "ui/shell/MainWindow.h"

#include "ui/programming/ProgrammingView.h"
#include "ui/shell/Lamp.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/shell/WorkLock.h"
#include "ui/status/StatusPage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QBoxLayout>
#include <QPushButton>
#include <QStackedWidget>

namespace velmar::ui {

namespace {

constexpr int kTimedErrorSeconds = 5;

// ElMeuMessageDlgTemps for the supervision tick: shown without waiting for
// it, so that the tick and the link go on while it is on screen.
void showTimedError(QWidget *parent, const QString &text)
{
    ElMeuMessageDlgOpen(QStringLiteral("ERROR"), text, DlgType::Error, kTimedErrorSeconds,
                             {MainWindow::tr("    Cerrar   ")}, QMessageBox::Ok, parent);
}

void bringToFront(QWidget *page)
{
    if (auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget()))
        stack->setCurrentWidget(page);
    page->show();
    page->raise();
}

} // namespace

QWidget *MainWindow::buildStatusPage()
{
    Engine &e = m_engine;
    auto *page = new StatusPage(e, this);
    m_statusPage = page;
    // As at the first activation: no module yet.
    page->setCaption(tr("SIN   CONEXION"));

    connect(&e.monitor, &StatusMonitor::trafficLampsChanged, this, [this] {
        m_tx->setOn(m_engine.lamps.txOn());
        m_rx->setOn(m_engine.lamps.rxOn());
    });
    connect(&e.monitor, &StatusMonitor::timedError, this, [this](const QString &text) { showTimedError(this, text); });
    connect(&e.monitor, &StatusMonitor::statusPageShown, page, [page] { bringToFront(page); });
    connect(&e.monitor, &StatusMonitor::statusPanelsShown, page, [page] { page->showStatusPanels(true); });
    connect(&e.fields, &FieldModel::disconnectedReset, this, &MainWindow::onDisconnected);

    // mostraestat and the programming view, as the identification timer sees them.
    connect(m_views, &QStackedWidget::currentChanged, this, [this, page] {
        ProgrammingState &view = m_engine.programming;
        view.mostraestat = m_views->currentWidget() == page;
        if (view.mostraestat)
            view.panelmostrat = ProgrammingState::estat();
        else if (m_views->currentWidget() == static_cast<QWidget *>(m_programming))
            view.panelmostrat = ProgrammingState::programacio();
        emit view.viewChanged();
    });

    // The second status-bar panel, PBEstat and the busy cursor back to rest;
    // the core's busy state too, or the window would stay locked.
    auto clearProgress = [this] {
        setProgressText(QString());
        setProgress(0);
        setProgressVisible(false);
        m_engine.programming.setBusy(false);
        setBusy(false);
    };
    connect(&e.monitor, &StatusMonitor::progressCleared, this, clearProgress);
    connect(&e.monitor, &StatusMonitor::readingIndicationExpired, this, [this, clearProgress] {
        if (m_status[1]->text().contains(tr("Leyendo")))
            clearProgress();
    });

    // Estado: the page's own part of the action, before the requests...
    connect(&e.monitor, &StatusMonitor::estatPageReset, this, [this, page, clearProgress] {
        const bool noModule = m_status[0]->text() == tr("SIN   CONEXION");
        page->setCaption(noModule ? tr("SIN   CONEXION") : QString());
        if (noModule) {
            if (auto *remote = findChild<QAbstractButton *>(QStringLiteral("BBConnectarRemot"))) {
                m_texts.text(remote, [] { return tr("Conectar"); });
                remote->hide();
            }
            page->showStatusPanels(false);
            if (auto *usb = findChild<QWidget *>(QStringLiteral("PUSB"))) {
                usb->show();
                usb->raise();
            }
        }
        page->restoreLook();
        if (auto *res = findChild<QLabel *>(QStringLiteral("PRes"))) {
            res->clear();
            res->lower();
        }
        clearProgress();
    });
    // ...and after them: its commands enabled again.
    // (The console's "Info" turns red in the core: ConsoleCommands::setInfoRed.)
    connect(&e.monitor, &StatusMonitor::estatCommandsEnabled, this, [this] {
        for (const char *name : {"BBLlegirEstat", "BBBuscar", "BBActualitzar", "BBEvents"})
            WorkLock::setEnabled(findChild<QWidget *>(QLatin1String(name)), true);
        for (const char *name : {"MISistema", "MIEstat", "MIProgramacio", "MIBuscar", "MIBidi", "MIComunicacio", "MIInfo"})
            WorkLock::setEnabled(findChild<QAction *>(QLatin1String(name)), true);
        if (auto *b = findChild<QWidget *>(QStringLiteral("BBLlegirEstat")))
            b->setFocus();
    });

    // The Estado menu entry, and its button beside "Prog." in the port bar.
    auto *estat = m_texts.text(new QAction(this), [] { return tr("Estado"); });
    estat->setObjectName(QStringLiteral("MIEstat"));
    menuBar()->addAction(estat);
    auto *button = m_texts.text(new QPushButton, [] { return tr("Estado"); });
    button->setObjectName(QStringLiteral("BBLlegirEstat"));
    m_texts.tip(button, [] { return tr("Estado del equipo"); });
    if (auto *row = qobject_cast<QBoxLayout *>(findChild<QWidget *>(QStringLiteral("PUSB"))->layout())) {
        const int prog = row->indexOf(findChild<QWidget *>(QStringLiteral("BBProg")));
        row->insertWidget(prog < 0 ? row->count() : prog, button);
    }
    connect(estat, &QAction::triggered, &e.monitor, &StatusMonitor::BBLlegirEstatClick);
    connect(button, &QPushButton::clicked, &e.monitor, &StatusMonitor::BBLlegirEstatClick);

    // The link watchdog acts on the local link only while "Local" is chosen.
    if (auto *local = findChild<QAction *>(QStringLiteral("MIIComunicacioLocal"))) {
        connect(local, &QAction::toggled, this, [this](bool chosen) {
            m_engine.programming.localChosen = chosen;
            emit m_engine.programming.viewChanged();
        });
    }
    return page;
}

} // namespace velmar::ui
