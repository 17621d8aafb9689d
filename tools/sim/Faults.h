#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <random>

namespace velmar::sim {

// Misbehaviour on demand. The same names serve the command line
// (--silent-after 3) and the scenario file (fault silent-after 3).
class Faults {
public:
    // The fault names set() understands, with a one-line help each.
    static QStringList names();
    static QString help(const QString &name);
    // Whether the named fault takes a value, and what to call it in help.
    static bool takesValue(const QString &name);
    static QString valueName(const QString &name);

    // Sets one fault; nowMs is the simulator's clock for silences that start
    // now, or -1 before the simulator runs (begin() starts them then).
    // Returns false with a message for an unknown name or value.
    bool set(const QString &name, const QString &value, qint64 nowMs, QString *error);

    // Called once the simulator runs: a --silent-for without --silent-after
    // silences the module from the start.
    void begin(qint64 nowMs);

    // Silence: the module answers nothing and sends no records.
    bool silent(qint64 nowMs) const;
    void silenceFor(qint64 nowMs, qint64 durationMs); // < 0: for good
    // One command was answered (counts towards silent-after).
    void answered(qint64 nowMs);

    // One draw for a reply: true when it is to be lost.
    bool dropReply();
    // Noise bytes to put on the line before a reply (none when off).
    QByteArray noise();

    bool errprg(quint16 code) const { return m_errprg.contains(code); }
    bool corrupts(quint16 code) const { return m_corrupt.contains(code); }
    // The echo as the faulty line delivers it: the last character changed.
    static QString corrupted(const QString &value);

    int splitBytes() const { return m_splitBytes; }
    int splitGapMs() const { return m_splitGapMs; }
    // How long the module thinks before the first line of an answer.
    int replyDelayMs() const { return m_replyDelayMs; }

private:
    int m_silentAfter = -1;      // answers before going silent, -1 off
    qint64 m_silentForMs = -1;   // length of that silence, -1 for good
    int m_answered = 0;
    qint64 m_silentFromMs = -1;
    qint64 m_silentUntilMs = -1; // -1 with m_silentFromMs >= 0: for good
    QSet<quint16> m_errprg;
    QSet<quint16> m_corrupt;
    double m_drop = 0;
    int m_noise = 0;
    int m_splitBytes = 0;
    int m_splitGapMs = 3;
    int m_replyDelayMs = 0;
    std::mt19937 m_rng{1};
};

} // namespace velmar::sim
