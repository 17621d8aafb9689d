#include "ui/cloud/DialogWait.h"

#include "ui/shell/MessageDialogs.h"

#include <QApplication>
#include <QPushButton>

namespace velmar::ui {

DialogWait::~DialogWait()
{
    if (m_waiting)
        QApplication::restoreOverrideCursor();
}

void DialogWait::set(bool waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    for (QPushButton *b : m_dialog->findChildren<QPushButton *>())
        b->setEnabled(!waiting);
}

void showAccountMessage(QWidget *dialog, const QString &text, AccountSession::Kind kind)
{
    ElMeuMessageDlgOpen(QString(), text, kind == AccountSession::Kind::Error ? DlgType::Error : DlgType::Information,
                        0, {}, QMessageBox::Ok, dialog->parentWidget() ? dialog->parentWidget() : dialog);
}

} // namespace velmar::ui
