#include "support/SimProcess.h"
#include "support/SimTranscript.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace velmar::test {

namespace {
const QString kPrefix = QStringLiteral("velmar-sim: ");
}

QString SimProcess::binary()
{
    return QStringLiteral(VELMAR_SIM_BINARY);
}

QStringList SimProcess::receivedLines(const QString &transcriptPath)
{
    QStringList rx;
    for (const TranscriptLine &l : test::receivedLines(transcriptPath))
        rx << l.text;
    return rx;
}

SimProcess::SimProcess(const QStringList &args, Launch launch, int startTimeoutMs)
{
    QStringList all = args;
    if (launch == Launch::ModulePty)
        all = QStringList{QStringLiteral("module"), QStringLiteral("--pty")} + args;
    start(binary(), all, startTimeoutMs);
}

SimProcess::SimProcess(const QString &program, const QStringList &args, int startTimeoutMs)
{
    start(program, args, startTimeoutMs);
}

void SimProcess::start(const QString &program, const QStringList &args, int startTimeoutMs)
{
    // Its complaints (sanitizer reports included) belong in the test's own output.
    m_proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_proc.start(program, args);
    if (!m_proc.waitForStarted(startTimeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(program, m_proc.errorString());
        return;
    }
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!m_proc.canReadLine()) {
        if (m_proc.state() != QProcess::Running || deadline.hasExpired()) {
            m_proc.waitForFinished(100);
            m_error = QStringLiteral("velmar-sim did not announce itself (state %1, exit code %2)")
                          .arg(int(m_proc.state()))
                          .arg(m_proc.exitCode());
            return;
        }
        m_proc.waitForReadyRead(int(qMax<qint64>(1, qMin<qint64>(deadline.remainingTime(), 200))));
    }
    const QString line = QString::fromLocal8Bit(m_proc.readLine()).trimmed();
    if (!line.startsWith(kPrefix)) {
        m_error = QStringLiteral("unexpected first line: ") + line;
        return;
    }
    m_ready = line.mid(kPrefix.size());
    m_ok = true;
}

SimProcess::~SimProcess()
{
    stop();
}

QString SimProcess::devicePath() const
{
    return m_ready.startsWith(QLatin1String("pty ")) ? m_ready.mid(4) : QString();
}

void SimProcess::signal(int sig)
{
    if (m_proc.state() == QProcess::Running)
        ::kill(pid_t(m_proc.processId()), sig);
}

int SimProcess::finishedCode()
{
    if (m_proc.exitStatus() != QProcess::NormalExit)
        return -1;
    const int code = m_proc.exitCode();
    if (code == VELMAR_SANITIZER_EXIT && !m_findingReported) {
        m_findingReported = true;
        ADD_FAILURE() << "velmar-sim ended by a sanitizer finding (exit status " << code
                      << "); its report is in the standard error above";
    }
    return code;
}

int SimProcess::waitForExit(int timeoutMs)
{
    if (m_proc.state() != QProcess::NotRunning && !m_proc.waitForFinished(timeoutMs))
        return -1;
    return finishedCode();
}

int SimProcess::stop(int timeoutMs)
{
    if (m_proc.state() == QProcess::NotRunning)
        return finishedCode();
    m_proc.terminate();
    if (m_proc.waitForFinished(timeoutMs))
        return finishedCode();
    m_proc.kill();
    m_proc.waitForFinished(timeoutMs);
    return -1;
}

} // namespace velmar::test
