#include "core/diagnostics/TraceLog.h"

#include "core/base/Formats.h"

#include <QDateTime>
#include <QMetaObject>

namespace velmar {

TraceLog::TraceLog(Trace &trace, TraceLimits limits, QObject *parent)
    : QObject(parent), m_limits(limits)
{
    connect(&trace, &Trace::entry, this, &TraceLog::add);
}

void TraceLog::add(const QString &entry, TraceColour colour, int colourFrom)
{
    if (m_paused)
        return;
    bool starts = true;
    const quint64 before = endNumber();
    for (TraceLine &l : formatTraceEntry(entry, stamp(), m_hexa, colour, colourFrom)) {
        // A payload of megabytes must not take the whole trace for one line.
        if (l.text.size() > m_limits.chars) {
            l.text.truncate(m_limits.chars - 1);
            l.text += QChar(0x2026);
        }
        m_chars += l.text.size();
        m_lines.push_back({std::move(l), starts});
        starts = false;
    }
    if (endNumber() == before)
        return;
    m_newestEntry = before;
    trim();
    notify();
}

QString TraceLog::stamp()
{
    if (m_now)
        return formats::longTime(m_now());
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = ms / 1000;
    if (second != m_stampSecond) {
        m_stampSecond = second;
        m_stampPrefix = formats::longTime(QDateTime::fromMSecsSinceEpoch(second * 1000).time());
        m_stampPrefix.chop(3);
    }
    return m_stampPrefix + QString::number(ms % 1000).rightJustified(3, u'0');
}

void TraceLog::trim()
{
    const auto over = [this] {
        return qsizetype(m_lines.size()) > m_limits.lines || m_chars > m_limits.chars;
    };
    const auto dropFirst = [this] {
        m_chars -= m_lines.front().line.text.size();
        m_lines.pop_front();
        ++m_first;
    };
    while (over() && m_lines.size() > 1) {
        // Whole entries go, so no hexadecimal form stays without its entry;
        // only the newest entry, left alone, loses single lines.
        if (m_first >= m_newestEntry) {
            dropFirst();
            continue;
        }
        do
            dropFirst();
        while (m_first < m_newestEntry && !m_lines.front().startsEntry);
    }
}

void TraceLog::notify()
{
    if (m_notifyPending)
        return;
    m_notifyPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_notifyPending = false;
            emit linesAdded();
        },
        Qt::QueuedConnection);
}

void TraceLog::clear()
{
    m_first = endNumber();
    m_lines.clear();
    m_chars = 0;
    emit cleared();
}

QString TraceLog::text() const
{
    QString out;
    out.reserve(m_chars + qsizetype(m_lines.size()));
    bool first = true;
    for (const Kept &k : m_lines) {
        if (!first)
            out += u'\n';
        out += k.line.text;
        first = false;
    }
    return out;
}

QByteArray TraceLog::fileBytes() const
{
    QByteArray out;
    out.reserve(m_chars + 2 * qsizetype(m_lines.size()));
    for (const Kept &k : m_lines)
        out += k.line.text.toUtf8() + "\r\n";
    return out;
}

} // namespace velmar
