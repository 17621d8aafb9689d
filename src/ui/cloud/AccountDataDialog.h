#pragma once

#include "core/cloud/AccountSession.h"
#include "ui/cloud/DialogWait.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;

namespace velmar::ui {

// TFAjuda ("Acerca de"): the account's data. Signed in, the site can be
// changed to another whose key the user proves ("Guardar cambios", then the
// key and "Aceptar"); signed out, everything is read-only and a button
// opens the account dialog.
class AccountDataDialog : public QDialog {
    Q_OBJECT
public:
    AccountDataDialog(AccountSession &account, const QString &email, bool signedIn, QWidget *parent = nullptr);

    void BBGuardarCanvisClick();
    void BBAcceptarClick();

signals:
    // The account moved to the site entered (the window's caption and a status read follow).
    void siteChanged();
    // No account: the account dialog is wanted.
    void signInWanted();

private:
    void finish(AccountSession::Outcome outcome);

    AccountSession &m_account;
    QLineEdit *m_email;
    QLineEdit *m_nickname;
    QLineEdit *m_company;
    QLineEdit *m_installer;
    QLineEdit *m_reference;
    QFrame *m_keyPanel;
    QLineEdit *m_key;
    DialogWait m_wait{this};
};

} // namespace velmar::ui
