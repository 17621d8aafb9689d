// The window's side of the programming cycles: the view's commands go to the
// core, and what the core wants shown (busy cursor, progress, tabs, access
// code, messages, questions) comes back here.
#include "core/panels/PanelPages.h"
#include "ui/programming/AccessCodePanel.h"
#include "ui/programming/ProgrammingView.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MessageDialogs.h"
#include "ui/status/StatusPage.h"

#include <QLineEdit>
#include <QTabWidget>

namespace velmar::ui {

bool MainWindow::ask(const Question &q)
{
    return ElMeuMessageDlg(q.title, q.text, DlgType::Confirmation, {q.yes, q.no},
                           QMessageBox::Yes | QMessageBox::No, this)
           == QMessageBox::Yes;
}

QWidget *MainWindow::buildAccessCodePanel()
{
    m_access = new AccessCodePanel(this);
    connect(m_access, &AccessCodePanel::accepted, &m_engine.commands,
            &ModuleCommands::BBDesbloqueigAcceptarClick);
    connect(m_access, &AccessCodePanel::cancelled, &m_engine.commands,
            &ModuleCommands::BBDesbloqueigCancellarClick);
    return m_access;
}

void MainWindow::wireProgramming()
{
    Engine &e = m_engine;
    ProgrammingState &p = e.programming;
    ProgrammingView *view = m_programming;
    p.setPrompts(this);

    connect(view, &ProgrammingView::fullReadRequested, &e.reader, &ReadCycle::BBLlegirClick);
    connect(view, &ProgrammingView::pageReadRequested, &e.reader, &ReadCycle::BBLlegirPagClick);
    connect(view, &ProgrammingView::writeRequested, &e.writer, &WriteCycle::BBGravarClick);
    connect(view, &ProgrammingView::pageWriteRequested, &e.writer, &WriteCycle::BBGravarPagClick);
    connect(view, &ProgrammingView::factoryResetRequested, &e.writer, &WriteCycle::MIIDefecteClick);
    connect(this, &MainWindow::programmingRequested, &e.commands, &ModuleCommands::BBProgClick);
    connect(&p, &ProgrammingState::broughtToFront, this, &MainWindow::showProgramming);

    // The tab shown, both ways.
    connect(view->tabs(), &QTabWidget::currentChanged, &p, [&p, view] { p.setCurrentTab(view->currentTab()); });
    connect(&p, &ProgrammingState::tabSelected, view, [view](const QString &tab) {
        for (int i = 0; i < view->tabs()->count(); ++i)
            if (view->tabs()->widget(i)->objectName() == tab)
                view->tabs()->setCurrentIndex(i);
    });
    p.setCurrentTab(view->currentTab());

    // The attached panel's tab, as the programming view's opening arranged
    // it; the tab shows what the page control draws for the model.
    connect(&p, &ProgrammingState::tabsChanged, view, [&e, &p, view] {
        panels::refreshCaptions(e.fields, e.state.central);
        const EditField *model = e.fields.edit(u"ECentral");
        const QString drawn = ModuleCommands::PCProgramacioDrawTab(
            3, p.panelTabCaption(), e.state.central, model ? model->text() : QString());
        view->showPanelTab(p.panelTab(), drawn.isEmpty() ? p.panelTabCaption() : drawn, p.panelTitle());
    });

    connect(&p, &ProgrammingState::busyChanged, this, &MainWindow::setBusy);
    connect(&p, &ProgrammingState::statusTextChanged, this, &MainWindow::setProgressText);
    connect(&p, &ProgrammingState::progressChanged, this, &MainWindow::setProgress);
    connect(&p, &ProgrammingState::progressVisibleChanged, this, &MainWindow::setProgressVisible);
    connect(&p, &ProgrammingState::percentTextChanged, this, &MainWindow::setPercentText);
    connect(&p, &ProgrammingState::accessPanelShown, m_access, &AccessCodePanel::open);
    connect(&p, &ProgrammingState::accessPanelHidden, m_access, &AccessCodePanel::close);
    connect(&p, &ProgrammingState::accessCodeRefused, m_access, [this] { m_access->edit()->setFocus(); });
    connect(&p, &ProgrammingState::message, this,
            [this](const QString &title, const QString &text, const QString &button, int seconds, bool error) {
                const QStringList captions = button.isEmpty() ? QStringList() : QStringList{button};
                // A message needs no answer: the core's next steps (a write
                // that gives up, a timed sequence) must not wait for it.
                ElMeuMessageDlgOpen(title, text, error ? DlgType::Error : DlgType::Warning, seconds, captions,
                                    QMessageBox::Ok, this);
            });
    // A click on an output indicator asks to switch it: "active" is the
    // indicator drawn red, the name its caption (the number when empty).
    connect(m_statusPage, &StatusPage::outputClicked, &e.commands, [&e](int output) {
        const IndicatorLook &look = e.display.sortides().at(output - 1);
        const QString caption = look.caption == QLatin1String("---") ? QString() : look.caption;
        e.commands.ActivarSortidesClick(output, caption, look.background == colours::Red);
    });
    // "NO DISPONIBLE" over the inputs and outputs of the status page takes
    // their sections out of the user tab.
    auto availability = [&e, view] {
        auto available = [](const CoverLook &c) {
            return !(c.shown && c.caption == StatusDisplay::tr("NO DISPONIBLE"));
        };
        view->setSectionsAvailable(available(e.display.entradesCover()), available(e.display.sortidesCover()));
    };
    connect(&e.display, &StatusDisplay::changed, view, availability);
    availability();

    // A page read or a write starts the service reveals' counting again.
    connect(&p, &ProgrammingState::panelPollReset, view, &ProgrammingView::resetServiceReveals);

    // What the cycles read or write changes the marks the view draws.
    connect(&p, &ProgrammingState::busyChanged, view, &ProgrammingView::refreshMarks);
}

} // namespace velmar::ui
