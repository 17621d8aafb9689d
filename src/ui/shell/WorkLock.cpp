#include "ui/shell/WorkLock.h"

#include <QAction>
#include <QWidget>

namespace velmar::ui {

namespace {

// The lock that holds a control, kept on the control itself so that the
// pages enabling their commands need not know the window's lock.
constexpr char kLockProperty[] = "velmarWorkLock";

void enable(QObject *control, bool on)
{
    if (auto *w = qobject_cast<QWidget *>(control))
        w->setEnabled(on);
    else if (auto *a = qobject_cast<QAction *>(control))
        a->setEnabled(on);
}

bool enabledNow(QObject *control)
{
    if (auto *w = qobject_cast<QWidget *>(control))
        return !w->testAttribute(Qt::WA_ForceDisabled);
    if (auto *a = qobject_cast<QAction *>(control))
        return a->isEnabled();
    return true;
}

} // namespace

const std::vector<const char *> &WorkLock::heldNames()
{
    static const std::vector<const char *> names = {
        // buttons
        "BBLlegirEstat", "BBProg", "BBBuscar", "BBActualitzar", "BBEvents", "CCBPort",
        "BBReset", "BBProvaTest", "BBCRA",
        "BBLlegirPag", "BBGravarPag", "BBGravar", "BBEsborraOperadores",
        // menus and their entries
        "MISistema", "MIEstat", "MIProgramacio", "MIBuscar", "MIBidi", "MIComunicacio", "MIInfo",
        "MILlegirCircuit", "MIGravarCircuit", "MIIDefecte"};
    return names;
}

void WorkLock::holdNamed(QObject *root)
{
    for (const char *name : heldNames()) {
        const QString n = QString::fromLatin1(name);
        if (auto *w = root->findChild<QWidget *>(n))
            hold(w);
        else if (auto *a = root->findChild<QAction *>(n))
            hold(a);
    }
}

void WorkLock::hold(QObject *control)
{
    if (!control || control->property(kLockProperty).value<QObject *>() == this)
        return;
    control->setProperty(kLockProperty, QVariant::fromValue<QObject *>(this));
    m_held.push_back({control, enabledNow(control)});
    apply(m_held.back());
}

void WorkLock::setEnabled(QObject *control, bool on)
{
    if (!control)
        return;
    if (auto *lock = qobject_cast<WorkLock *>(control->property(kLockProperty).value<QObject *>()))
        lock->want(control, on);
    else
        enable(control, on);
}

void WorkLock::want(QObject *control, bool on)
{
    for (Held &h : m_held) {
        if (h.control == control) {
            h.wanted = on;
            apply(h);
            return;
        }
    }
}

void WorkLock::setLocked(bool on)
{
    if (m_locked == on)
        return;
    m_locked = on;
    for (const Held &h : m_held)
        apply(h);
}

void WorkLock::apply(const Held &h) const
{
    if (h.control)
        enable(h.control, h.wanted && !m_locked);
}

} // namespace velmar::ui
