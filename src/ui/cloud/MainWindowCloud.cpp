// The window's part of the account: the sign-in at start with the stored
// credentials, the account dialog when they do not do, and "Cerrar sesión".
#include "ui/shell/MainWindow.h"

#include "core/cloud/AccountSession.h"
#include "core/diagnostics/Trace.h"
#include "ui/cloud/AccountDataDialog.h"
#include "ui/cloud/AccountDialog.h"
#include "ui/cloud/CircuitSearchPage.h"
#include "ui/update/UpdatePage.h"
#include "ui/shell/MessageDialogs.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QEventLoop>
#include <QMenu>

namespace velmar::ui {

void MainWindow::buildCloud(const StartOptions &options)
{
    m_engine.cloud.setAccount(m_config.EmpresaEmail, m_config.EmpresaPassword);
    connect(&m_engine.account, &AccountSession::credentialsToStore, this,
            [this](const QString &email, const QString &password, const QString &uid) {
                m_config.EmpresaEmail = email;
                m_config.EmpresaPassword = password;
                m_config.CodiReg = uid;
                if (!m_store.GuardarCompte(email, password, uid))
                    m_engine.trace.write(tr("No se ha podido guardar la configuración"), TraceColour::Red);
            });

    // "Cerrar sesión" sits above "Salir": no credentials stay, the program ends.
    QAction *quit = findChild<QAction *>(QStringLiteral("MIISortir"));
    auto *file = quit ? qobject_cast<QMenu *>(quit->parent()) : nullptr;
    auto *signOut = m_texts.text(new QAction(this), [] { return tr("Cerrar sesión"); });
    signOut->setObjectName(QStringLiteral("MITancarSessio"));
    connect(signOut, &QAction::triggered, this, [this] {
        m_engine.account.MITancarSessioClick();
        close();
    });
    if (file)
        file->insertAction(quit, signOut);

    // "Acerca de": the account's data; not while an update or a remote session holds the module.
    QAction *about = m_texts.text(menuBar()->addAction(QString()), [] { return tr("Acerca de"); });
    about->setObjectName(QStringLiteral("MIInfo"));
    connect(about, &QAction::triggered, this, &MainWindow::MIInfoClick);

    if (options.cloud || !options.useCloud)
        return;
    m_cloudSession = std::make_unique<CloudStartupSession>(m_engine.cloud);
    m_cloudSession->setAccountDialog([this] { return accountExecute(); });
    m_cloud = m_cloudSession.get();
}

void MainWindow::buildCircuitSearch()
{
    CircuitSearch &search = m_engine.circuitSearch;
    m_searchPage = new CircuitSearchPage(search, m_views);
    m_views->addWidget(m_searchPage);
    connect(m_searchPage, &CircuitSearchPage::wanted, this, [this] {
        m_views->setCurrentWidget(m_searchPage);
        m_engine.programming.mostraestat = false;
        m_engine.programming.panelmostrat = QStringLiteral("LlistaCircuits");
        emit m_engine.programming.viewChanged();
    });
    search.setUpdateShown([this] { return m_views->currentWidget() == m_updatePage; });
    search.setAsk([this](const QString &title, const QString &text, const QString &yes, const QString &no) {
        return ElMeuMessageDlg(title, text, DlgType::Confirmation, {yes, no}, QMessageBox::Yes | QMessageBox::No,
                               this) == QMessageBox::Yes;
    });
    connect(&search, &CircuitSearch::message, this, [this](const QString &title, const QString &text) {
        ElMeuMessageDlgOpen(title, text, DlgType::Warning, 0, {tr("    Aceptar   ")}, QMessageBox::Ok, this);
    });
    connect(&search, &CircuitSearch::busyChanged, this, &MainWindow::setBusy);
    connect(&search, &CircuitSearch::internetLost, this, [this] { setCloudReachable(false); });
    connect(&search, &CircuitSearch::internetBack, this, [this] { setCloudReachable(true); });

    // "Buscar": the button beside "Prog." and the menu entry.
    auto *find = m_texts.text(new QPushButton(this), [] { return tr("Buscar"); });
    find->setObjectName(QStringLiteral("BBBuscar"));
    m_texts.tip(find, [] { return tr("Buscar los equipos de la empresa"); });
    if (auto *bar = qobject_cast<QBoxLayout *>(findChild<QWidget *>(QStringLiteral("PUSB"))->layout()))
        bar->insertWidget(bar->indexOf(findChild<QWidget *>(QStringLiteral("BBProg"))), find);
    QAction *menu = m_texts.text(menuBar()->addAction(QString()), [] { return tr("Buscar"); });
    menu->setObjectName(QStringLiteral("MIBuscar"));
    connect(find, &QPushButton::clicked, &search, &CircuitSearch::MIBuscarClick);
    connect(menu, &QAction::triggered, &search, &CircuitSearch::MIBuscarClick);
}

void MainWindow::MIInfoClick()
{
    if (m_views->currentWidget() == m_updatePage || m_engine.state.isRemote())
        return;
    auto *dialog = new AccountDataDialog(m_engine.account, m_engine.cloud.EmpresaEmail(),
                                         !m_engine.cloud.token().isEmpty(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &AccountDataDialog::siteChanged, this, [this] {
        setCloudReachable(true);
        m_engine.monitor.BBLlegirEstatClick();
    });
    connect(dialog, &AccountDataDialog::signInWanted, this, [this] {
        if (accountExecute())
            setCloudReachable(!m_engine.cloud.token().isEmpty());
    });
    dialog->open();
}

// Execute: the stored credentials first; the dialog only when they do not do.
bool MainWindow::accountExecute()
{
    std::optional<AccountSession::Start> start;
    AccountSession::DialogOpening opening;
    QEventLoop loop;
    m_engine.account.startUp(m_config.CodiReg, [&](AccountSession::Start s, const AccountSession::DialogOpening &d) {
        start = s;
        opening = d;
        loop.quit();
    });
    // Every request ends by its time-out, so this wait does too.
    if (!start)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    switch (*start) {
    case AccountSession::Start::Ready:
        return true;
    case AccountSession::Start::Refused:
        ElMeuMessageDlg(QString(), opening.error, DlgType::Error, {}, QMessageBox::Ok, this);
        return false;
    case AccountSession::Start::Dialog:
        break;
    }
    if (opening.email.isEmpty() && opening.password.isEmpty()) {
        opening.email = m_accountEmail;
        opening.password = m_accountPassword;
    }
    AccountDialog dialog(m_engine.account, opening, this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velmar::ui
