#include "core/update/Base64.h"

namespace velmar {

namespace {

int sextet(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c >= u'a' && c <= u'z')
        return c - u'a' + 26;
    if (c >= u'0' && c <= u'9')
        return c - u'0' + 52;
    if (c == u'+')
        return 62;
    if (c == u'/')
        return 63;
    return -1;
}

} // namespace

QByteArray base64Encode(QByteArrayView bytes)
{
    return bytes.toByteArray().toBase64(QByteArray::Base64Encoding);
}

std::optional<QByteArray> base64Decode(QStringView text)
{
    QByteArray digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        const int v = sextet(c.unicode());
        if (v >= 0)
            digits.append(static_cast<char>(v));
    }
    if (digits.size() % 4 == 1)
        return std::nullopt;

    QByteArray out;
    out.reserve(digits.size() / 4 * 3 + 2);
    quint32 acc = 0;
    int bits = 0;
    for (char d : digits) {
        acc = (acc << 6) | static_cast<quint32>(d);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.append(static_cast<char>((acc >> bits) & 0xFF));
        }
    }
    return out;
}

} // namespace velmar
