#include "core/diagnostics/TraceFormat.h"

namespace velmar {

namespace {
// A trace line is drawn as one line: what a text view would take for the end
// of a line or a paragraph (the hexadecimal form's leading text may hold a
// line end, a cloud text a paragraph separator) becomes a blank, and NUL
// becomes code 1.
void keepOneLine(QString &line)
{
    for (QChar &c : line) {
        switch (c.unicode()) {
        case 0: c = QChar(1); break;
        case u'\r':
        case u'\n':
        case 0x2029: // paragraph separator
        case 0xFDD0: // text frame marks
        case 0xFDD1: c = u' '; break;
        default: break;
        }
    }
}
} // namespace

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
    keepOneLine(out);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.reserve(out.size() + 3 * (entry.size() - from));
    for (qsizetype i = from; i < entry.size(); ++i) {
        const char16_t code = entry.at(i).unicode();
        out += u' ';
        if (code > 0xFFF)
            out += QLatin1Char(kDigits[code >> 12]);
        if (code > 0xFF)
            out += QLatin1Char(kDigits[(code >> 8) & 0xF]);
        out += QLatin1Char(kDigits[(code >> 4) & 0xF]);
        out += QLatin1Char(kDigits[code & 0xF]);
    }
    return out;
}

QList<TraceLine> formatTraceEntry(const QString &entry, const QString &stamp, bool hexa,
                                  TraceColour suggested, int colourFrom)
{
    const QString &text = entry;
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
            // Where the colour begins in this line: the stamp and its blank come first.
            int from = 0;
            if (colourFrom >= end)
                c = TraceColour::Default;
            else if (colourFrom > start)
                from = int(stamp.size() + 1 + colourFrom - start);
            if (piece.contains(QLatin1String("APayload"))) {
                c = TraceColour::Blue;
                from = 0;
            } else if (piece.contains(QLatin1String("AGE44"))) {
                c = TraceColour::Green;
                from = 0;
            }
            QString line = stamp + u' ' + piece + (last ? QStringLiteral("   ") : QString());
            keepOneLine(line);
            lines.append({std::move(line), c, from});
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
