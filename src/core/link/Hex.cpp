#include "core/link/Hex.h"

namespace velmar {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

qint64 Hextoint(QStringView text)
{
    quint32 acc = 0;
    for (QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return 0;
        acc = (acc << 4) | quint32(digit);
    }
    return static_cast<qint64>(static_cast<qint32>(acc));
}

QString TrimLeadingZeros(const QString &text)
{
    qsizetype i = 0;
    while (i + 1 < text.size() && text.at(i) == u'0')
        ++i;
    return text.mid(i);
}

QByteArray toWire(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(text.at(i).unicode() & 0xFF);
    return out;
}

QString fromWire(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace velmar
