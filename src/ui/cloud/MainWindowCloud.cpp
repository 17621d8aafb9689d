// The window's part of the account: the sign-in at start with the stored
// credentials, the account dialog when they do not do, and "Cerrar sesión".
#include "ui/shell/MainWindow.h"

#include "core/cloud/AccountSession.h"
#include "core/diagnostics/Trace.h"
#include "ui/cloud/AccountDialog.h"
#include "ui/shell/MessageDialogs.h"

#include <QAction>
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

    if (options.cloud || !options.useCloud)
        return;
    m_cloudSession = std::make_unique<CloudStartupSession>(m_engine.cloud);
    m_cloudSession->setAccountDialog([this] { return accountExecute(); });
    m_cloud = m_cloudSession.get();
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
    AccountDialog dialog(m_engine.account, opening, this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velmar::ui
