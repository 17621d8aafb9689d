#include "support/SimTranscript.h"

#include <QFile>

namespace velmar::test {

QList<TranscriptLine> readTranscript(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<TranscriptLine> lines;
    for (const QByteArray &raw : f.readAll().split('\n')) {
        // "yyyy-MM-ddTHH:mm:ss.zzz KIND text"
        const QString line = QString::fromUtf8(raw);
        const qsizetype first = line.indexOf(u' ');
        const qsizetype second = first < 0 ? -1 : line.indexOf(u' ', first + 1);
        if (second < 0)
            continue;
        const QDateTime at = QDateTime::fromString(line.left(first), QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
        if (!at.isValid())
            continue;
        lines.append({at, line.mid(first + 1, second - first - 1), line.mid(second + 1)});
    }
    return lines;
}

QList<TranscriptLine> receivedLines(const QString &path)
{
    QList<TranscriptLine> rx;
    for (const TranscriptLine &l : readTranscript(path))
        if (l.kind == QLatin1String("RX"))
            rx << l;
    return rx;
}

} // namespace velmar::test
