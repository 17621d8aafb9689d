#include "core/update/XXtea.h"

#include <QtEndian>

#include <vector>

namespace velmar {

namespace {

constexpr quint32 kDelta = 0x9E3779B9u;

inline quint32 mx(quint32 sum, quint32 y, quint32 z, std::size_t p, quint32 e, const XXteaKey &k)
{
    return (((z >> 5) ^ (y << 2)) + ((y >> 3) ^ (z << 4))) ^ ((sum ^ y) + (k[(p & 3) ^ e] ^ z));
}

std::vector<quint32> packWords(QByteArrayView data, std::size_t extra)
{
    std::vector<quint32> words((static_cast<std::size_t>(data.size()) + 3) / 4 + extra, 0);
    for (qsizetype i = 0; i < data.size(); ++i)
        words[i / 4] |= static_cast<quint32>(static_cast<unsigned char>(data[i])) << (8 * (i % 4));
    return words;
}

QByteArray unpackWords(const std::vector<quint32> &words)
{
    QByteArray out(static_cast<qsizetype>(words.size() * 4), Qt::Uninitialized);
    for (std::size_t i = 0; i < words.size(); ++i)
        qToLittleEndian<quint32>(words[i], out.data() + 4 * i);
    return out;
}

} // namespace

void xxteaEncipherWords(std::span<quint32> v, const XXteaKey &k)
{
    const std::size_t n = v.size();
    if (n < 2)
        return;
    quint32 rounds = 6 + 52 / static_cast<quint32>(n);
    quint32 sum = 0;
    quint32 z = v[n - 1];
    quint32 y;
    do {
        sum += kDelta;
        const quint32 e = (sum >> 2) & 3;
        std::size_t p = 0;
        for (; p < n - 1; ++p) {
            y = v[p + 1];
            z = v[p] += mx(sum, y, z, p, e, k);
        }
        y = v[0];
        z = v[n - 1] += mx(sum, y, z, p, e, k);
    } while (--rounds);
}

void xxteaDecipherWords(std::span<quint32> v, const XXteaKey &k)
{
    const std::size_t n = v.size();
    if (n < 2)
        return;
    quint32 rounds = 6 + 52 / static_cast<quint32>(n);
    quint32 sum = rounds * kDelta;
    quint32 y = v[0];
    quint32 z;
    do {
        const quint32 e = (sum >> 2) & 3;
        std::size_t p = n - 1;
        for (; p > 0; --p) {
            z = v[p - 1];
            y = v[p] -= mx(sum, y, z, p, e, k);
        }
        z = v[n - 1];
        y = v[0] -= mx(sum, y, z, p, e, k);
        sum -= kDelta;
    } while (--rounds);
}

XXteaKey xxteaKey(QByteArrayView key)
{
    XXteaKey k{};
    for (qsizetype i = 0; i < key.size() && i < 16; ++i)
        k[i / 4] |= static_cast<quint32>(static_cast<unsigned char>(key[i])) << (8 * (i % 4));
    return k;
}

QByteArray xxteaEncipher(QByteArrayView data, QByteArrayView key)
{
    if (data.isEmpty())
        return {};
    std::vector<quint32> words = packWords(data, 1);
    words.back() = static_cast<quint32>(data.size());
    xxteaEncipherWords(words, xxteaKey(key));
    return unpackWords(words);
}

QByteArray xxteaDecipher(QByteArrayView data, QByteArrayView key) noexcept
{
    try {
        if (data.isEmpty())
            return {};
        std::vector<quint32> words = packWords(data, 0);
        xxteaDecipherWords(words, xxteaKey(key));
        const qint64 have = 4 * static_cast<qint64>(words.size());
        const qint64 m = words.back();
        if (m < have - 7 || m > have - 4)
            return {};
        return unpackWords(words).left(m);
    } catch (...) {
        return {};
    }
}

} // namespace velmar
