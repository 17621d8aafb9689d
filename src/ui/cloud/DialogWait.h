#pragma once

#include "core/cloud/AccountSession.h"

class QWidget;

namespace velmar::ui {

// A cloud dialog waiting for the server's answer: the busy cursor shows and
// its buttons are held; the cursor comes back when the wait ends or the
// dialog goes.
class DialogWait {
public:
    explicit DialogWait(QWidget *dialog) : m_dialog(dialog) {}
    ~DialogWait();
    DialogWait(const DialogWait &) = delete;
    DialogWait &operator=(const DialogWait &) = delete;

    bool waiting() const { return m_waiting; }
    void set(bool waiting);

private:
    QWidget *m_dialog;
    bool m_waiting = false;
};

// An account message over a cloud dialog, not waited for: the step goes on,
// and the box outlives a dialog that closes.
void showAccountMessage(QWidget *dialog, const QString &text, AccountSession::Kind kind);

} // namespace velmar::ui
