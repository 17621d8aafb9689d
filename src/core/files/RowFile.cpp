#include "core/files/RowFile.h"

#include "core/update/CodePage.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace velmar::files {

namespace {

ParsedRows refused(const QString &reason)
{
    ParsedRows r;
    r.reason = reason;
    return r;
}

ParsedRows tooLarge()
{
    return refused(RowFileText::tr("El fichero es demasiado grande (más de %1 KB)").arg(kMaxFileBytes / 1024));
}

// Text with a byte-order mark is read in the marked encoding; any other
// text is Windows-1252, as the installations' files are.
bool decodeText(const QByteArray &bytes, QString &text)
{
    struct Mark {
        const char *bytes;
        QStringConverter::Encoding encoding;
    };
    static const Mark marks[] = {
        {"\xEF\xBB\xBF", QStringConverter::Utf8},
        {"\xFF\xFE", QStringConverter::Utf16LE},
        {"\xFE\xFF", QStringConverter::Utf16BE},
    };
    for (const Mark &m : marks) {
        const QByteArray mark(m.bytes);
        if (!bytes.startsWith(mark))
            continue;
        QStringDecoder decoder(m.encoding, QStringConverter::Flag::Stateless);
        text = QString(decoder.decode(bytes.mid(mark.size())));
        return !decoder.hasError();
    }
    text = fromAnsi(bytes);
    return true;
}

// Control characters never belong to these files: they are what a binary
// file decodes to (bytes with no Windows-1252 character give C1 controls).
bool isText(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\r' || u == u'\n')
            continue;
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xFFFD)
            return false;
    }
    return true;
}

} // namespace

QString RowFileText::badLine(int line, const QString &what)
{
    return tr("Línea %1: %2").arg(line).arg(what);
}

ParsedRows decodeLines(const QByteArray &bytes, QStringList &lines)
{
    lines.clear();
    if (bytes.size() > kMaxFileBytes)
        return tooLarge();
    QString text;
    if (!decodeText(bytes, text) || !isText(text))
        return refused(RowFileText::tr("El fichero no es un fichero de texto"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return refused(RowFileText::tr("El fichero está vacío"));
    ParsedRows r;
    r.ok = true;
    r.lines = int(lines.size());
    return r;
}

ParsedRows parseRows(const QByteArray &bytes, const RowFormat &format)
{
    QStringList lines;
    ParsedRows result = decodeLines(bytes, lines);
    if (!result.ok)
        return result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int number = int(i + 1);
        QString line = lines.at(i);
        if (line.size() > format.maxLineChars)
            return refused(RowFileText::tooLong(number));
        if (!format.skippedLine.isNull() && line == format.skippedLine) {
            result.rows << QStringList();
            continue;
        }
        if (format.tabsAsBlanks)
            line.replace(u'\t', u' ');
        QStringList parts = line.split(format.separator);
        if (format.restIsText) {
            if (parts.size() < format.fields)
                return refused(RowFileText::wrongFieldCount(number));
            const QString rest = parts.mid(format.fields - 1).join(format.separator);
            parts = parts.mid(0, format.fields - 1);
            parts << rest;
        } else if (parts.size() != format.fields) {
            return refused(RowFileText::wrongFieldCount(number));
        }
        if (format.check) {
            const QString why = format.check(parts);
            if (!why.isEmpty())
                return refused(RowFileText::badLine(number, why));
        }
        result.rows << parts;
    }
    return result;
}

ParsedRows readRowFile(const QString &path, const RowFormat &format)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return refused(f.errorString());
    // A huge file is refused by its size, without reading it.
    if (f.size() > kMaxFileBytes)
        return tooLarge();
    // Read one byte more than allowed: a file that grows meanwhile is still refused.
    const QByteArray bytes = f.read(kMaxFileBytes + 1);
    if (f.error() != QFile::NoError)
        return refused(f.errorString());
    return parseRows(bytes, format);
}

QByteArray writeRows(const QList<QStringList> &rows, QChar separator)
{
    QString text;
    for (const QStringList &row : rows)
        text += row.join(separator) + QStringLiteral("\r\n");
    return toAnsi(text);
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        return why;
    }
    if (!f.commit())
        return f.errorString();
    return {};
}

} // namespace velmar::files
