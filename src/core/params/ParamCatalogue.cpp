#include "core/params/ParamCatalogue.h"

#include "core/link/Hex.h"

#include <QFile>

namespace velmar {

namespace {

// The firmware header is written in Windows-1252; 0x80-0x9F differ from
// Latin-1 (five of them are unassigned and stay as their own code).
QString fromWindows1252(const QByteArray &bytes)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *d++ = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return out;
}

// Blanks and control characters at both ends go, as the header's own
// tooling trims them.
QString trimBlanks(QStringView s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && s.at(to - 1).unicode() <= 0x20)
        --to;
    return s.sliced(from, to - from).toString();
}

// Strict conversions: any character out of place is an error, never 0.
std::optional<int> hexValue(QStringView s)
{
    if (s.isEmpty() || s.size() > 7)
        return std::nullopt;
    int v = 0;
    for (QChar c : s) {
        const int dgt = hexDigit(c);
        if (dgt < 0)
            return std::nullopt;
        v = v * 16 + dgt;
    }
    return v;
}

std::optional<int> decimalValue(QStringView s)
{
    if (s.isEmpty() || s.size() > 9)
        return std::nullopt;
    int v = 0;
    for (QChar c : s) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

} // namespace

QString ParamCatalogue::resourcePath()
{
    return QStringLiteral(":/core/param/PARAM.h");
}

bool ParamCatalogue::Llegir_parametres()
{
    QFile f(resourcePath());
    if (!f.open(QIODevice::ReadOnly)) {
        m_pairs.clear();
        return false;
    }
    parse(f.readAll());
    return true;
}

void ParamCatalogue::parse(const QByteArray &header)
{
    m_pairs.clear();
    const QString text = fromWindows1252(header);
    const QStringView all(text);
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = start;
        while (end < all.size() && all.at(end) != u'\r' && all.at(end) != u'\n')
            ++end;
        const QStringView line = all.sliced(start, end - start);
        if (end < all.size() && all.at(end) == u'\r' && end + 1 < all.size()
            && all.at(end + 1) == u'\n')
            ++end;
        start = end + 1;

        if (!line.contains(u" _"))
            continue;
        // Field 1 is the name; field 2 starts " 0x" and the code runs from
        // its fourth character to the character before its first TAB. A
        // line without a TAB there (a "+N" followed by blanks, a guard line)
        // gives an empty code; one with a TAB keeps whatever precedes it.
        const QList<QStringView> fields = line.split(u'_');
        const QStringView name = fields.size() > 1 ? fields.at(1) : QStringView();
        const QStringView field2 = fields.size() > 2 ? fields.at(2) : QStringView();
        const qsizetype tab = field2.indexOf(u'\t');
        const QStringView code = tab > 3 ? field2.sliced(3, tab - 3) : QStringView();
        m_pairs.append({trimBlanks(name), trimBlanks(code)});
    }
}

QString ParamCatalogue::code(QStringView name) const
{
    for (const ParamPair &p : m_pairs) {
        if (QStringView(p.name).compare(name, Qt::CaseInsensitive) == 0)
            return p.code;
    }
    return QString();
}

std::optional<int> ParamCatalogue::numberFromCode(QStringView code, bool aguileraPageShown)
{
    if (code.size() != 4)
        return std::nullopt;
    const char16_t c1 = code.at(0).unicode();
    const char16_t c2 = code.at(1).unicode();
    const char16_t c3 = code.at(2).unicode();
    const QStringView low = code.sliced(2); // c3c4

    auto hexBlock = [&](int base) -> std::optional<int> {
        const auto h = hexValue(low);
        if (!h)
            return std::nullopt;
        return base + *h;
    };

    switch (c1) {
    case u'3':
        // Inputs, input texts and system texts run through hexadecimal
        // record indexes; the other 3xxx codes are plain.
        if (c2 == u'0' || c2 == u'2' || c2 == u'6')
            return hexBlock(100 * (30 + (c2 - u'0')));
        return decimalValue(code);
    case u'4':
        // Door times (404x) are plain; everything else is the button block.
        if (c3 == u'4')
            return decimalValue(code);
        return hexBlock(4000);
    case u'8':
        if (c2 == u'5')
            return hexBlock(8500);
        return decimalValue(code);
    case u'9':
        if (aguileraPageShown && c2 >= u'1' && c2 <= u'5') {
            // The zone list: 91xx-95xx as one run of 1000+ records.
            const auto h = hexValue(code.sliced(1));
            if (!h)
                return std::nullopt;
            return 9100 + *h - 256;
        }
        if (c2 == u'6' || (c2 == u'7' && c3 < u'5'))
            return hexBlock(100 * (90 + (c2 - u'0')));
        if (c2 == u'7' && c3 > u'5')
            return hexBlock(9760 - 96);
        if (aguileraPageShown && code == u"9750")
            return std::nullopt;
        return decimalValue(code);
    default:
        return decimalValue(code);
    }
}

QString ParamCatalogue::codeFromNumber(int number)
{
    return QString::number(number).rightJustified(4, u'0');
}

QString ParamCatalogue::blockReadCode(int firstNumber, BlockRead shape)
{
    const QString code = codeFromNumber(firstNumber);
    if (shape == BlockRead::OneDigit)
        return code.left(1) + QStringLiteral("xxx");
    return code.left(2) + QStringLiteral("xx");
}

QString ParamCatalogue::recordCode(int firstNumber, int index, int recordsInBlock)
{
    const QString code = codeFromNumber(firstNumber);
    if (recordsInBlock > 4)
        return code.left(2) + QString::number(index, 16).toUpper().rightJustified(2, u'0');
    return code.left(3) + QString::number(index, 16).toUpper();
}

QString ParamCatalogue::recordCode(QStringView firstCode, int row)
{
    const auto first = hexValue(firstCode);
    if (!first || firstCode.size() != 4 || row < 1 || row > 0x10000)
        return QString();
    const int code = *first + row - 1;
    if (code > 0xFFFF)
        return QString();
    return QString::number(code, 16).toUpper().rightJustified(4, u'0');
}

} // namespace velmar
