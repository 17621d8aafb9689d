#pragma once

#include "core/cloud/AccountSession.h"
#include "ui/cloud/DialogWait.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QWidget;

namespace velmar::ui {

// TFRegistre: the account dialog. E-mail and password on top; below them the
// sign-in panel (PIniciaSessio) or the new user's site fields. Each button
// runs one step of the account session; the dialog stays usable (busy
// cursor, buttons held) while the server answers, and closes with OK when
// the step says so.
class AccountDialog : public QDialog {
    Q_OBJECT
public:
    AccountDialog(AccountSession &account, const AccountSession::DialogOpening &opening, QWidget *parent = nullptr);
    ~AccountDialog() override;

    void BIniciaSessioClick();
    void BNouUsuariClick();
    void BAltaUsuariClick();
    void LNovaContrasenyaClick();

private:
    void showNewUser(bool shown);
    void finish(AccountSession::Outcome outcome);
    QLineEdit *field(AccountSession::Field f) const;
    void showMessage(const QString &text, AccountSession::Kind kind);

    AccountSession &m_account;
    QLineEdit *m_email;
    QLineEdit *m_password;
    QLineEdit *m_company;
    QLineEdit *m_installer;
    QLineEdit *m_reference;
    QLineEdit *m_key;
    QLineEdit *m_nickname;
    QWidget *m_signIn;
    QWidget *m_newUser;
    DialogWait m_wait{this};
};

} // namespace velmar::ui
