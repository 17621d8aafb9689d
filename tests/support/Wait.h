#pragma once

#include "support/Pty.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace velmar::test {

// Runs the event loop until pred holds or the deadline passes (a deadline
// for a real process or port, never a timing assertion).
template <typename Pred>
bool waitFor(Pred pred, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return pred();
}

// Reads the module's side of a pseudo-terminal while the program's event
// loop runs, until `until` has arrived or the deadline passes.
inline QByteArray readWhilePumping(Pty &pty, const QByteArray &until, int ms = 5000)
{
    QByteArray got;
    waitFor(
        [&] {
            got += pty.read(10);
            return got.contains(until);
        },
        ms);
    return got;
}

} // namespace velmar::test
