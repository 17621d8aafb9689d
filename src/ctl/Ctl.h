#pragma once

#include "ctl/CtlOptions.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velmar {
class Engine;
}

namespace velmar::ctl {

// One run of velmarctl: links to the module through the engine's channel
// (or its MQTT session), runs the command with the engine's own cycles and
// returns the exit code. Messages go to standard error, results to
// standard output.
class Ctl : public QObject {
    Q_OBJECT
public:
    Ctl(const CtlOptions &options, Engine &engine);

    int run();
    // A request to stop (SIGINT/SIGTERM during status --watch).
    void interrupt() { m_interrupted = true; }

private:
    // Runs the event loop until pred holds or ms pass.
    bool until(const std::function<bool()> &pred, int ms);
    int fail(int code, const QString &text);

    int link();
    int unlock();
    // Waits for the status read that follows recognition.
    void settle();
    void unlink();

    int identify();
    int get();
    int set();
    int read();
    int write();
    int status();
    int send();

    // Sends one command and waits for the reply that begins with prefix.
    std::optional<QString> ask(const QString &command, const QString &prefix);
    int fullRead();
    // Runs the event loop until done holds, showing the cycle's progress on
    // standard error; false when it did not end in time.
    bool progress(const QString &what, const std::function<bool()> &done);
    QString statusText() const;
    QString statusJson() const;

    CtlOptions m_o;
    Engine &m_e;
    QStringList m_replies; // every reply, in order, while collecting
    bool m_collect = false;
    bool m_interrupted = false;
    bool m_live = false; // a live-status record arrived
    QElapsedTimer m_lastAnswer; // since the module's last answer that was no record
    QStringList m_messages; // what the cycles wanted the user told
};

} // namespace velmar::ctl
