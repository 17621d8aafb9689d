#pragma once

#include "core/diagnostics/TraceFormat.h"

#include <QObject>
#include <QString>
#include <QTime>

#include <deque>
#include <functional>

namespace velmar {

// What the console keeps of its trace: the newest whole entries within
// kTraceMaxLines lines and kTraceMaxChars characters (2 bytes each), older
// ones are dropped as new ones come. A single line longer than
// kTraceMaxChars is cut to it. "Borrar" empties the trace, "Guardar" saves
// what is kept.
inline constexpr qsizetype kTraceMaxLines = 20000;
inline constexpr qsizetype kTraceMaxChars = 4 * 1024 * 1024;

struct TraceLimits {
    qsizetype lines = kTraceMaxLines;
    qsizetype chars = kTraceMaxChars;
};

// The console's trace (Escriure_REPortserie): every entry of the Trace is
// stamped, split into lines and coloured here, whether the console is shown
// or not, and kept within the limits. Lines are numbered from the first
// ever added, so that a viewer can tell which lines it has not drawn yet and
// which were dropped before it drew them.
class TraceLog : public QObject {
    Q_OBJECT
public:
    explicit TraceLog(Trace &trace, TraceLimits limits = {}, QObject *parent = nullptr);

    // Escriure_REPortserie: dropped while paused.
    void add(const QString &entry, TraceColour colour = TraceColour::Default, int colourFrom = 0);

    // "Parar": entries are dropped, not held back.
    bool paused() const { return m_paused; }
    void setPaused(bool paused) { m_paused = paused; }
    // "Hexa": each entry is followed by its hexadecimal form.
    bool hexa() const { return m_hexa; }
    void setHexa(bool hexa) { m_hexa = hexa; }

    // "Borrar".
    void clear();

    // Number of the oldest line kept, and the number the next line will get.
    quint64 firstNumber() const { return m_first; }
    quint64 endNumber() const { return m_first + quint64(m_lines.size()); }
    // firstNumber() <= number < endNumber().
    const TraceLine &line(quint64 number) const { return m_lines[std::size_t(number - m_first)].line; }
    qsizetype lineCount() const { return qsizetype(m_lines.size()); }
    qsizetype charCount() const { return m_chars; }
    TraceLimits limits() const { return m_limits; }

    // The lines kept, one a line ("\n").
    QString text() const;
    // What "Guardar" writes: the lines kept in UTF-8, each ended by CR LF.
    QByteArray fileBytes() const;

    // The clock of the time stamps (tests fix it; by default the PC's local time).
    void setClock(std::function<QTime()> now) { m_now = std::move(now); }

signals:
    // Lines were added; sent once per turn of the event loop however many
    // entries came meanwhile.
    void linesAdded();
    // The trace was emptied.
    void cleared();

private:
    struct Kept {
        TraceLine line;
        bool startsEntry;
    };
    QString stamp();
    void trim();
    void notify();

    TraceLimits m_limits;
    std::deque<Kept> m_lines;
    quint64 m_first = 0;
    quint64 m_newestEntry = 0; // number of the newest entry's first line
    qsizetype m_chars = 0;
    bool m_paused = false;
    bool m_hexa = false;
    bool m_notifyPending = false;
    std::function<QTime()> m_now;
    // The local time of day is looked up once a second, not for every entry.
    qint64 m_stampSecond = -1;
    QString m_stampPrefix; // "hh:mm:ss." of that second
};

} // namespace velmar
