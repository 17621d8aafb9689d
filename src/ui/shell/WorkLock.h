#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QWidget;

namespace velmar::ui {

// While the program works on the module (a read, a write, a factory reset,
// a firmware update) the window lets nothing else talk to it: every control
// the lock holds is disabled until the work is over. Held controls are
// enabled and disabled through WorkLock::setEnabled, so that whatever asks
// for one of them meanwhile (a recognition, the end of "Estado", the cloud
// session) takes effect when the lock opens, not before.
class WorkLock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The controls of the window that wait for the work: the status,
    // programming, search, update and events buttons, the port chooser, the
    // module's orders, the programming commands, and the system, status,
    // programming, search, bridge, communication and information menus.
    static const std::vector<const char *> &heldNames();
    // Holds every control of heldNames() present under root (a widget or
    // an action); their present enabled state is what they want.
    void holdNamed(QObject *root);
    void hold(QObject *control);

    // Enables or disables a control; one the lock holds gets it once the
    // lock is open.
    static void setEnabled(QObject *control, bool on);

    bool locked() const { return m_locked; }

public slots:
    void setLocked(bool on);

private:
    struct Held {
        QPointer<QObject> control;
        bool wanted = true;
    };
    void want(QObject *control, bool on);
    void apply(const Held &h) const;

    std::vector<Held> m_held;
    bool m_locked = false;
};

} // namespace velmar::ui
