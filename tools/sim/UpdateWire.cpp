#include "UpdateWire.h"

#include <array>
#include <vector>

namespace velmar::sim::wire {

namespace {

constexpr quint32 kDelta = 0x9E3779B9u;
constexpr qsizetype kMaxMessage = 16 * 1024;

std::array<quint32, 4> keyWords(QByteArrayView key)
{
    std::array<quint32, 4> k{};
    for (qsizetype i = 0; i < std::min<qsizetype>(key.size(), 16); ++i)
        k[size_t(i / 4)] |= quint32(quint8(key[i])) << (8 * (i % 4));
    return k;
}

quint32 mx(quint32 sum, quint32 y, quint32 z, size_t p, quint32 e, const std::array<quint32, 4> &k)
{
    return (((z >> 5) ^ (y << 2)) + ((y >> 3) ^ (z << 4))) ^ ((sum ^ y) + (k[(p & 3) ^ e] ^ z));
}

void code(std::vector<quint32> &v, const std::array<quint32, 4> &k, bool forward)
{
    const size_t n = v.size();
    if (n < 2)
        return;
    quint32 rounds = 6 + 52 / quint32(n);
    if (forward) {
        quint32 sum = 0;
        quint32 z = v[n - 1];
        while (rounds-- > 0) {
            sum += kDelta;
            const quint32 e = (sum >> 2) & 3;
            for (size_t p = 0; p < n; ++p) {
                const quint32 y = v[(p + 1) % n];
                z = v[p] += mx(sum, y, z, p, e, k);
            }
        }
    } else {
        quint32 sum = rounds * kDelta;
        quint32 y = v[0];
        while (rounds-- > 0) {
            const quint32 e = (sum >> 2) & 3;
            for (size_t p = n; p-- > 0;) {
                const quint32 z = v[(p + n - 1) % n];
                y = v[p] -= mx(sum, y, z, p, e, k);
            }
            sum -= kDelta;
        }
    }
}

std::vector<quint32> words(QByteArrayView bytes)
{
    std::vector<quint32> w(size_t((bytes.size() + 3) / 4), 0);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        w[size_t(i / 4)] |= quint32(quint8(bytes[i])) << (8 * (i % 4));
    return w;
}

QByteArray bytesOf(const std::vector<quint32> &w)
{
    QByteArray out;
    for (quint32 x : w)
        for (int b = 0; b < 4; ++b)
            out.append(char((x >> (8 * b)) & 0xFF));
    return out;
}

} // namespace

quint32 crc32(QByteArrayView bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (char ch : bytes) {
        c ^= quint8(ch);
        for (int i = 0; i < 8; ++i)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

QByteArray crcHex(QByteArrayView bytes)
{
    return QByteArray::number(crc32(bytes), 16).toUpper().rightJustified(8, '0');
}

QByteArray sealed(QByteArrayView body)
{
    return body.toByteArray() + "{=}" + crcHex(body);
}

bool suffixOk(QByteArrayView text)
{
    const qsizetype at = text.indexOf(QByteArrayView("{=}"));
    return at >= 0 && text.sliced(at + 3) == QByteArrayView(crcHex(text.first(at)));
}

QByteArray encipher(QByteArrayView plain, QByteArrayView key)
{
    if (plain.isEmpty())
        return {};
    std::vector<quint32> v = words(plain);
    v.push_back(quint32(plain.size()));
    code(v, keyWords(key), true);
    return bytesOf(v);
}

QByteArray decipher(QByteArrayView cipher, QByteArrayView key)
{
    if (cipher.size() < 8 || cipher.size() % 4 != 0)
        return {};
    std::vector<quint32> v = words(cipher);
    code(v, keyWords(key), false);
    const qint64 m = v.back();
    const qint64 have = cipher.size();
    if (m < have - 7 || m > have - 4)
        return {};
    return bytesOf(v).left(qsizetype(m));
}

std::optional<QByteArray> Splitter::next()
{
    for (qsizetype len = 8; len <= m_buffer.size() && len <= kMaxMessage; len += 4) {
        QByteArray plain = decipher(QByteArrayView(m_buffer).first(len), m_key);
        if (!plain.isEmpty()) {
            m_buffer.remove(0, len);
            return plain;
        }
    }
    if (m_buffer.size() > kMaxMessage)
        m_buffer.clear();
    return std::nullopt;
}

} // namespace velmar::sim::wire
