#include "support/SimProcess.h"
#include "support/SimTranscript.h"

#include <QDeadlineTimer>

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
    // Its complaints belong in the test's own output.
    m_proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_proc.start(binary(), all);
    if (!m_proc.waitForStarted(startTimeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(binary(), m_proc.errorString());
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

int SimProcess::waitForExit(int timeoutMs)
{
    if (m_proc.state() != QProcess::NotRunning && !m_proc.waitForFinished(timeoutMs))
        return -1;
    return m_proc.exitStatus() == QProcess::NormalExit ? m_proc.exitCode() : -1;
}

int SimProcess::stop(int timeoutMs)
{
    if (m_proc.state() == QProcess::NotRunning)
        return m_proc.exitStatus() == QProcess::NormalExit ? m_proc.exitCode() : -1;
    m_proc.terminate();
    if (m_proc.waitForFinished(timeoutMs))
        return m_proc.exitStatus() == QProcess::NormalExit ? m_proc.exitCode() : -1;
    m_proc.kill();
    m_proc.waitForFinished(timeoutMs);
    return -1;
}

} // namespace velmar::test
