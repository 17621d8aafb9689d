#include "ui/cloud/AccountDataDialog.h"

#include "ui/shell/MessageDialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace velmar::ui {

namespace {

QLineEdit *field(const char *name, const QString &text, QWidget *parent)
{
    // No length limit here: a stored name longer than a new one may be must
    // be shown (and kept) whole.
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

} // namespace

AccountDataDialog::AccountDataDialog(AccountSession &account, const QString &email, bool signedIn, QWidget *parent)
    : QDialog(parent), m_account(account)
{
    setObjectName(QStringLiteral("TFAjuda"));
    setWindowTitle(tr("Acerca de"));
    const AccountSite &site = account.site();
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_email = field("EEmail", email, this);
    m_email->setReadOnly(true);
    m_nickname = field("EAlias", site.nickname, this);
    m_company = field("EEmpresa", site.empresa, this);
    m_installer = field("EInstalador", site.instal, this);
    m_reference = field("EReferencia", site.ref, this);
    form->addRow(tr("E-mail:"), m_email);
    form->addRow(tr("Alias:"), m_nickname);
    form->addRow(tr("Empresa:"), m_company);
    form->addRow(tr("Instalador:"), m_installer);
    form->addRow(tr("Referencia:"), m_reference);
    layout->addLayout(form);
    for (QLineEdit *e : {m_nickname, m_company, m_installer, m_reference})
        e->setReadOnly(!signedIn);

    auto *notice = new QPlainTextEdit(this);
    notice->setObjectName(QStringLiteral("MProteccioDades"));
    notice->setReadOnly(true);
    notice->setPlainText(tr("Protección de datos: la dirección de correo, el alias y la empresa, instalador y "
                            "referencia de esta cuenta se guardan en la nube del servicio para dar acceso a los "
                            "equipos de la instalación. Solo se usan para este fin y se borran al darse de baja."));
    notice->setMaximumHeight(90);
    layout->addWidget(notice);

    // PMesdades: the key of the site the account moves to.
    m_keyPanel = new QFrame(this);
    m_keyPanel->setObjectName(QStringLiteral("PMesdades"));
    auto *keyRow = new QHBoxLayout(m_keyPanel);
    keyRow->setContentsMargins(0, 0, 0, 0);
    auto *keyLabel = new QLabel(tr("Clave:"), m_keyPanel);
    m_key = field("EClau", {}, m_keyPanel);
    m_key->setEchoMode(QLineEdit::Password);
    m_key->setMaxLength(AccountSession::kMaximumLength);
    keyLabel->setBuddy(m_key);
    auto *acceptKey = new QPushButton(tr("Aceptar"), m_keyPanel);
    acceptKey->setObjectName(QStringLiteral("BBAcceptar"));
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(m_key, 1);
    keyRow->addWidget(acceptKey);
    m_keyPanel->hide();
    layout->addWidget(m_keyPanel);
    connect(acceptKey, &QPushButton::clicked, this, &AccountDataDialog::BBAcceptarClick);
    connect(m_key, &QLineEdit::returnPressed, this, &AccountDataDialog::BBAcceptarClick);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Cerrar"));
    if (signedIn) {
        auto *save = buttons->addButton(tr("Guardar cambios"), QDialogButtonBox::ActionRole);
        save->setObjectName(QStringLiteral("BBGuardarCanvis"));
        connect(save, &QPushButton::clicked, this, &AccountDataDialog::BBGuardarCanvisClick);
    } else {
        auto *signIn = buttons->addButton(tr("Iniciar sesión"), QDialogButtonBox::ActionRole);
        signIn->setObjectName(QStringLiteral("BIniciaSessio"));
        connect(signIn, &QPushButton::clicked, this, [this] {
            accept();
            emit signInWanted();
        });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(&m_account, &AccountSession::message, this, [this](const QString &text, AccountSession::Kind kind) {
        if (!isVisible())
            return;
        showAccountMessage(this, text, kind);
    });
}

void AccountDataDialog::BBGuardarCanvisClick()
{
    m_key->clear();
    m_keyPanel->show();
    m_key->setFocus();
}

void AccountDataDialog::BBAcceptarClick()
{
    if (m_wait.waiting())
        return;
    AccountSite site{m_company->text(), m_installer->text(), m_reference->text(), m_key->text(),
                     m_nickname->text()};
    m_wait.set(true);
    m_account.moveToSite(site, [self = QPointer<AccountDataDialog>(this)](AccountSession::Outcome outcome) {
        // The dialog may have been closed while the server answered.
        if (!self)
            return;
        self->finish(outcome);
    });
}

void AccountDataDialog::finish(AccountSession::Outcome outcome)
{
    m_wait.set(false);
    if (outcome.close) {
        m_key->clear();
        emit siteChanged();
        accept();
        return;
    }
    QLineEdit *focus = outcome.focus == AccountSession::Field::Company ? m_company
                       : outcome.focus == AccountSession::Field::Key   ? m_key
                                                                       : nullptr;
    if (focus)
        focus->setFocus();
}

} // namespace velmar::ui
