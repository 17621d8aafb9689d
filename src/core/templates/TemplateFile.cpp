#include "core/templates/TemplateFile.h"

#include "core/update/CodePage.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>

namespace {
// The translation context of these texts (lupdate reads it from here).
struct TemplateFile {
    Q_DECLARE_TR_FUNCTIONS(TemplateFile)
};
} // namespace

namespace velmar {

namespace {

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringDecoder::Utf16LE);
        return d.decode(bytes.sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf16BE);
        return d.decode(bytes.sliced(2));
    }
    return fromAnsi(bytes);
}

// Control characters other than tab and line ends only come with binary data.
bool binary(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || u == 0x7F || u == 0xFFFD
            || c.isSurrogate())
            return true;
    }
    return false;
}

bool validKey(QStringView key)
{
    if (key.isEmpty() || key.size() > 8)
        return false;
    for (QChar c : key)
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

QString oneLine(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

} // namespace

void TemplateContent::add(const TemplateEntry &e)
{
    const QString key = e.key.toUpper();
    if (!m_first.contains(key)) // the first line of a key wins
        m_first.insert(key, entries.size());
    entries << e;
}

std::optional<QString> TemplateContent::value(const QString &key) const
{
    const auto it = m_first.constFind(key.toUpper());
    if (it == m_first.constEnd())
        return std::nullopt;
    return entries.at(it.value()).value;
}

TemplateRead parseTemplate(QByteArrayView bytes)
{
    TemplateRead r;
    if (bytes.isEmpty()) {
        r.error = TemplateFile::tr("el archivo está vacío");
        return r;
    }
    if (bytes.size() > kTemplateMaxBytes) {
        r.error = TemplateFile::tr("el archivo es demasiado grande");
        return r;
    }
    const QString text = decode(bytes);
    if (binary(text)) {
        r.error = TemplateFile::tr("el archivo no es un texto");
        return r;
    }

    QStringList lines = text.split(u'\n');
    // A file ends with its last line's break; without it the file was cut
    // short unless its last entry is whole.
    const bool ended = lines.last().isEmpty();
    if (ended)
        lines.removeLast();
    for (QString &l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);

    const QString header = lines.value(0).trimmed();
    if (header != QLatin1String(kTemplateComplete) && header != QLatin1String(kTemplatePartial)) {
        r.error = TemplateFile::tr("la primera línea no es la de una plantilla");
        return r;
    }

    TemplateContent content;
    content.partial = header.contains(u"PARCIAL");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const QString lineNo = QString::number(i + 1);
        if (eq < 0 || !validKey(QStringView(line).left(eq))) {
            r.error = TemplateFile::tr("la línea %1 no es válida").arg(lineNo);
            return r;
        }
        TemplateEntry e;
        e.key = line.left(eq);
        const qsizetype brace = line.lastIndexOf(u" {");
        if (brace < eq) {
            // An entry without its comment is not applied; a last line
            // without it and without its break was cut short.
            if (i == lines.size() - 1 && !ended) {
                r.error = TemplateFile::tr("el archivo está incompleto");
                return r;
            }
            continue;
        }
        if (!line.endsWith(u'}')) {
            r.error = (i == lines.size() - 1 && !ended) ? TemplateFile::tr("el archivo está incompleto")
                                                         : TemplateFile::tr("la línea %1 no es válida").arg(lineNo);
            return r;
        }
        e.value = line.mid(eq + 1, brace - eq - 1);
        e.comment = line.mid(brace + 2, line.size() - brace - 3);
        content.add(e);
    }
    r.content = std::move(content);
    return r;
}

QByteArray encodeTemplate(bool partial, const QList<TemplateEntry> &entries)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QLatin1String(partial ? kTemplatePartial : kTemplateComplete) + lineEnd;
    for (const TemplateEntry &e : entries)
        text += oneLine(e.key) + u'=' + oneLine(e.value) + QStringLiteral(" {") + oneLine(e.comment) + u'}'
                + lineEnd;
    return toAnsi(text);
}

} // namespace velmar
