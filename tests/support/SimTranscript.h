#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace velmar::test {

// One line of velmar-sim's --transcript file: when, "RX" (received), "TX"
// (sent) or "--" (a note), and the text.
struct TranscriptLine {
    QDateTime at;
    QString kind;
    QString text;
};

// The lines of a transcript file so far (none when it cannot be read).
QList<TranscriptLine> readTranscript(const QString &path);

// The lines the module received, in order.
QList<TranscriptLine> receivedLines(const QString &path);

} // namespace velmar::test
