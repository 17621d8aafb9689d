#include "ui/cloud/AccountDialog.h"

#include "ui/shell/MessageDialogs.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmar::ui {

namespace {

QLineEdit *lineEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

// A masked field with its "show" button: clear while the button is held,
// masked again on release or when the pointer leaves it.
QWidget *maskedRow(QLineEdit *edit, const char *buttonName, QWidget *parent)
{
    edit->setEchoMode(QLineEdit::Password);
    auto *row = new QWidget(parent);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(edit, 1);
    auto *show = new QToolButton(row);
    show->setObjectName(QLatin1String(buttonName));
    show->setText(AccountDialog::tr("Ver"));
    show->setToolTip(AccountDialog::tr("Mantenga pulsado para ver el texto"));
    QObject::connect(show, &QToolButton::pressed, edit, [edit] { edit->setEchoMode(QLineEdit::Normal); });
    QObject::connect(show, &QToolButton::released, edit, [edit] { edit->setEchoMode(QLineEdit::Password); });
    h->addWidget(show);
    return row;
}

} // namespace

AccountDialog::AccountDialog(AccountSession &account, const AccountSession::DialogOpening &opening, QWidget *parent)
    : QDialog(parent), m_account(account)
{
    setObjectName(QStringLiteral("TFRegistre"));
    setWindowTitle(tr("Cuenta de usuario"));
    setModal(true);
    constexpr int kMax = AccountSession::kMaximumLength;

    m_email = lineEdit("EEMail", 0, this);
    m_password = lineEdit("EPassword", kMax, this);
    auto *top = new QFormLayout;
    top->addRow(tr("Correo electrónico (*)"), m_email);
    top->addRow(tr("Contraseña (*)"), maskedRow(m_password, "BBMostraPassword", this));

    m_signIn = new QWidget(this);
    m_signIn->setObjectName(QStringLiteral("PIniciaSessio"));
    auto *signInLayout = new QVBoxLayout(m_signIn);
    auto *buttons = new QHBoxLayout;
    auto *signIn = new QPushButton(tr("Iniciar sesión"), m_signIn);
    signIn->setObjectName(QStringLiteral("BIniciaSessio"));
    signIn->setDefault(true);
    auto *newUser = new QPushButton(tr("Nuevo usuario"), m_signIn);
    newUser->setObjectName(QStringLiteral("BNouUsuari"));
    buttons->addWidget(signIn);
    buttons->addWidget(newUser);
    signInLayout->addLayout(buttons);
    auto *forgotten = new QLabel(QStringLiteral("<a href=\"#\">") + tr("¿Olvidó la contraseña?") + QStringLiteral("</a>"), m_signIn);
    forgotten->setObjectName(QStringLiteral("LNovaContrasenya"));
    forgotten->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    signInLayout->addWidget(forgotten);

    m_newUser = new QWidget(this);
    m_newUser->setObjectName(QStringLiteral("PNouUsuari"));
    m_company = lineEdit("EEmpresa", kMax, m_newUser);
    m_installer = lineEdit("EInstal", kMax, m_newUser);
    m_reference = lineEdit("ERef", 0, m_newUser);
    m_key = lineEdit("EClau", kMax, m_newUser);
    m_nickname = lineEdit("ENickname", 0, m_newUser);
    auto *form = new QFormLayout(m_newUser);
    form->addRow(tr("Empresa (*)"), m_company);
    form->addRow(tr("Instalador"), m_installer);
    form->addRow(tr("Referencia"), m_reference);
    form->addRow(tr("Clave (*)"), maskedRow(m_key, "BBMostraClau", m_newUser));
    form->addRow(tr("Alias"), m_nickname);
    auto *create = new QPushButton(tr("Nuevo usuario"), m_newUser);
    create->setObjectName(QStringLiteral("BAltaUsuari"));
    form->addRow(QString(), create);
    form->addRow(new QLabel(tr("(*) Campos obligatorios"), m_newUser));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_signIn);
    layout->addWidget(m_newUser);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(signIn, &QPushButton::clicked, this, &AccountDialog::BIniciaSessioClick);
    connect(newUser, &QPushButton::clicked, this, &AccountDialog::BNouUsuariClick);
    connect(create, &QPushButton::clicked, this, &AccountDialog::BAltaUsuariClick);
    connect(forgotten, &QLabel::linkActivated, this, &AccountDialog::LNovaContrasenyaClick);
    connect(&m_account, &AccountSession::message, this, &AccountDialog::showMessage);

    // On opening the site fields are empty; the installer starts unassigned.
    showNewUser(opening.panel == AccountSession::Panel::NewUser);
    m_email->setText(opening.email);
    m_password->setText(opening.password);
    if (!opening.error.isEmpty())
        QTimer::singleShot(0, this, [this, text = opening.error] { showMessage(text, AccountSession::Kind::Error); });
}

AccountDialog::~AccountDialog() = default;

void AccountDialog::showMessage(const QString &text, AccountSession::Kind kind)
{
    showAccountMessage(this, text, kind);
}

void AccountDialog::showNewUser(bool shown)
{
    for (QLineEdit *e : {m_company, m_installer, m_reference, m_key})
        e->clear();
    m_installer->setText(QStringLiteral("sin_asignar"));
    m_signIn->setVisible(!shown);
    m_newUser->setVisible(shown);
}

QLineEdit *AccountDialog::field(AccountSession::Field f) const
{
    switch (f) {
    case AccountSession::Field::Email:
        return m_email;
    case AccountSession::Field::Password:
        return m_password;
    case AccountSession::Field::Company:
        return m_company;
    case AccountSession::Field::Key:
        return m_key;
    case AccountSession::Field::None:
        break;
    }
    return nullptr;
}

void AccountDialog::finish(AccountSession::Outcome outcome)
{
    m_wait.set(false);
    if (outcome.close) {
        accept();
        return;
    }
    if (QLineEdit *e = field(outcome.focus))
        e->setFocus();
}

void AccountDialog::BIniciaSessioClick()
{
    if (m_wait.waiting())
        return;
    m_wait.set(true);
    QPointer<AccountDialog> self(this);
    m_account.BIniciaSessioClick(m_email->text().trimmed(), m_password->text(), [self](AccountSession::Outcome o) {
        if (self)
            self->finish(o);
    });
}

void AccountDialog::BNouUsuariClick()
{
    showNewUser(true);
    (m_email->text().isEmpty() ? m_email : m_company)->setFocus();
}

void AccountDialog::BAltaUsuariClick()
{
    if (m_wait.waiting())
        return;
    m_wait.set(true);
    const NewUserForm form{{m_company->text(), m_installer->text(), m_reference->text(), m_key->text(),
                            m_nickname->text()},
                           m_email->text(),
                           m_password->text()};
    QPointer<AccountDialog> self(this);
    m_account.BAltaUsuariClick(form, [self](AccountSession::Outcome o) {
        if (self)
            self->finish(o);
    });
}

void AccountDialog::LNovaContrasenyaClick()
{
    if (m_wait.waiting())
        return;
    m_wait.set(true);
    QPointer<AccountDialog> self(this);
    m_account.LNovaContrasenyaClick(m_email->text(), [self] {
        if (self)
            self->m_wait.set(false);
    });
}

} // namespace velmar::ui
