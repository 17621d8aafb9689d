// The main window's firmware-update page and its wiring to the update core;
// kept apart from MainWindow.cpp so that each page of the window has its own
// file.
#include "ui/shell/MainWindow.h"

#include "ui/shell/MessageDialogs.h"
#include "ui/status/ServiceReveal.h"
#include "ui/update/UpdatePage.h"

#include <QPushButton>
#include <QStackedWidget>

namespace velmar::ui {

QPushButton *MainWindow::buildUpdateButton(QWidget *bar)
{
    auto *button = m_texts.text(new QPushButton(bar), [] { return tr("Actual."); });
    button->setObjectName(QStringLiteral("BBActualitzar"));
    m_texts.tip(button, [] { return tr("Actualizar el firmware del equipo"); });
    connect(button, &QPushButton::clicked, this, &MainWindow::BBActualitzarClick);
    // Service (picarActu): clicks on the bar's background open the page with
    // the module's versions, without asking the server anything.
    installServiceReveal(bar, [this] {
        if (!m_engine.state.circuittrobat || m_updatePage->progressShown())
            return;
        m_updatePage->setCurrent(m_engine.state.firmware, m_engine.state.hardware);
        m_views->setCurrentWidget(m_updatePage);
    });
    return button;
}

QWidget *MainWindow::buildUpdatePage()
{
    Engine &e = m_engine;
    FirmwareUpdate &u = e.firmwareUpdate;
    m_updatePage = new UpdatePage(this);
    UpdatePage *page = m_updatePage;

    connect(page, &UpdatePage::listRequested, this, [this, page] {
        if (m_engine.programming.busy())
            return;
        page->clearVersions();
        if (!m_engine.state.circuittrobat)
            page->setCurrent(QString(), QString());
        m_engine.firmwareUpdate.BBuscarVersionsClick();
    });
    connect(page, &UpdatePage::downloadRequested, &u, &FirmwareUpdate::startTransfer);
    connect(page, &UpdatePage::abortRequested, &u, &FirmwareUpdate::abort);
    connect(&u, &FirmwareUpdate::versionsListed, page, [this, page](const QList<update::VersionEntry> &l) {
        page->setVersions(l);
        m_views->setCurrentWidget(page);
    });
    connect(&u, &FirmwareUpdate::progressText, page, &UpdatePage::setProgressText);
    connect(&u, &FirmwareUpdate::progressChanged, page, &UpdatePage::setProgress);
    connect(&u, &FirmwareUpdate::progressShownChanged, page, &UpdatePage::setProgressShown);
    connect(&u, &FirmwareUpdate::message, this, [this](const QString &title, const QString &text) {
        ElMeuMessageDlgOpen(title, text, DlgType::Warning, 0, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    });
    return page;
}

void MainWindow::BBActualitzarClick()
{
    if (m_updatePage->progressShown() || m_updateProbe)
        return;
    // The page needs the update server: first whether the internet answers.
    m_updateProbe = true;
    m_engine.cloud.ConnexioInternet([this](bool reachable) {
        m_updateProbe = false;
        if (!reachable) {
            setCloudReachable(false);
            ElMeuMessageDlgOpen(tr("¡ ATENCIÓN !"), tr("No hay conexión a internet"), DlgType::Warning, 0,
                                {tr("    Aceptar   ")}, QMessageBox::Ok, this);
            return;
        }
        openUpdatePage();
    });
}

void MainWindow::openUpdatePage()
{
    Engine &e = m_engine;
    if (m_updatePage->progressShown())
        return;
    if (!e.state.circuit) {
        ElMeuMessageDlgOpen(tr("¡ ATENCIÓN !"), tr(" No hay ningún equipo conectado"), DlgType::Warning, 0,
                            {tr("    Aceptar   ")}, QMessageBox::Ok, this);
        return;
    }
    if (e.state.protegit) {
        e.programming.showAccessPanel();
        return;
    }
    m_updatePage->allVersionsButton()->hide();
    m_updatePage->setCurrent(e.state.firmware, e.state.hardware);
    m_views->setCurrentWidget(m_updatePage);
    if (!e.state.firmware.isEmpty() && !e.state.hardware.isEmpty()) {
        m_updatePage->clearVersions();
        e.firmwareUpdate.BBuscarVersionsClick();
    } else {
        // The versions come with the next identification reply.
        e.state.espero = QStringLiteral("+vEr");
        e.channel.send(QStringLiteral("vm+vEr"));
        e.identification.start(1000);
    }
}

} // namespace velmar::ui
