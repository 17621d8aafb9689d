#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace velmar::test {

// The simulator (velmar-sim) as a child process of a test. By default it runs
// "velmar-sim module --pty" followed by the given arguments and waits for the
// line "velmar-sim: pty DEVICE"; the program under test then opens
// devicePath() as its serial port. The destructor stops it (SIGTERM, then a
// kill if it does not end).
class SimProcess {
public:
    enum class Launch {
        ModulePty, // "module --pty" + arguments
        AsGiven,   // the arguments exactly as given (other commands, bad options)
    };

    explicit SimProcess(const QStringList &args = {}, Launch launch = Launch::ModulePty,
                        int startTimeoutMs = 15000);
    // Another program in the simulator's place, started with the arguments as
    // given (to check this helper itself).
    SimProcess(const QString &program, const QStringList &args, int startTimeoutMs = 15000);
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // The simulator announced itself and is running.
    bool ok() const { return m_ok; }
    // Why it did not start (exit code and what it printed), for test messages.
    QString errorText() const { return m_error; }
    // Its first line without "velmar-sim: " ("pty /dev/pts/3").
    QString readyLine() const { return m_ready; }
    // The device of a module ("/dev/pts/3"), empty for other commands.
    QString devicePath() const;

    qint64 pid() const { return m_proc.processId(); }
    // Sends a signal (SIGINT, SIGTERM, ...) without waiting.
    void signal(int sig);
    // Waits for the process to end; returns its exit code, or -1 when it did
    // not end in time or crashed. An end by a sanitizer finding (exit status
    // VELMAR_SANITIZER_EXIT) also fails the running test, once.
    int waitForExit(int timeoutMs = 10000);
    // SIGTERM, wait, kill if needed. Returns the exit code as waitForExit.
    int stop(int timeoutMs = 5000);

    static QString binary();

    // The lines a simulator started with "--transcript path" has received
    // so far, in order ("vm+ver", "vm+0104=Obra 7", ...).
    static QStringList receivedLines(const QString &transcriptPath);

private:
    void start(const QString &program, const QStringList &args, int startTimeoutMs);
    int finishedCode();

    QProcess m_proc;
    bool m_ok = false;
    bool m_findingReported = false;
    QString m_ready;
    QString m_error;
};

} // namespace velmar::test
