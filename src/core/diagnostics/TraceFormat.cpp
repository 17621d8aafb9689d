#include "core/diagnostics/TraceFormat.h"

namespace velmar {

QString traceHexForm(const QString &entry, const QString &stamp)
{
    const qsizetype sep = entry.indexOf(QLatin1String(": "));
    QString out = stamp + u' ';
    qsizetype from;
    if (sep >= 0) {
        out += entry.left(sep + 1);
        from = sep + 2;
    } else {
        from = 1;
    }
    for (qsizetype i = from; i < entry.size(); ++i)
        out += u' ' + QString::number(entry.at(i).unicode(), 16).toUpper().rightJustified(2, u'0');
    return out;
}

QList<TraceLine> formatTraceEntry(const QString &entry, const QString &stamp, bool hexa,
                                  TraceColour suggested)
{
    QString text = entry;
    text.replace(QChar(0), QChar(1));
    QList<TraceLine> lines;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        const bool last = end >= text.size();
        const QString piece = text.mid(start, end - start);
        if (!piece.isEmpty()) {
            TraceColour c = suggested;
            if (piece.contains(QLatin1String("APayload")))
                c = TraceColour::Blue;
            else if (piece.contains(QLatin1String("AGE44")))
                c = TraceColour::Green;
            lines.append({stamp + u' ' + piece + (last ? QStringLiteral("   ") : QString()), c});
        }
        if (last)
            break;
        start = end + 1;
    }
    if (hexa) {
        lines.append({traceHexForm(entry, stamp), TraceColour::Red});
        lines.append({QStringLiteral(" "), TraceColour::Default});
    }
    return lines;
}

} // namespace velmar
