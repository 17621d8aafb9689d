#include "core/update/Crc32.h"
#include "core/update/XXtea.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <vector>

using namespace velmar;

TEST(XXtea, PublishedWordVectors)
{
    struct Case { XXteaKey key; std::vector<quint32> plain, cipher; };
    const XXteaKey k1{0x00112233, 0x44556677, 0x8899AABB, 0xCCDDEEFF};
    const Case cases[] = {
        {{0, 0, 0, 0}, {0x00000000, 0x00000000}, {0x053704AB, 0x575D8C80}},
        {{0, 0, 0, 0}, {0x01020304, 0x05060708}, {0xE6911910, 0x0C35DCDA}},
        {k1, {0x01234567, 0x89ABCDEF}, {0x34354989, 0xDD7D1A7A}},
        {k1, {0x00010203, 0x04050607, 0x08090A0B, 0x0C0D0E0F},
         {0x3EA0E16C, 0x9969535A, 0xE4796D50, 0xF217EEEA}},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}, {0xA8137C15, 0x575EBA50, 0x91776D30},
         {0xEF1C60B2, 0x72B778B0, 0x6ABACCAB}},
    };
    for (const Case &c : cases) {
        std::vector<quint32> v = c.plain;
        xxteaEncipherWords(v, c.key);
        EXPECT_EQ(v, c.cipher);
        xxteaDecipherWords(v, c.key);
        EXPECT_EQ(v, c.plain);
    }
    std::vector<quint32> one{0x12345678};
    xxteaEncipherWords(one, k1);
    EXPECT_EQ(one[0], 0x12345678u);
}

TEST(XXtea, KeyBytesAreZeroPaddedLittleEndianWords)
{
    const XXteaKey want{0x33323130, 0x37363534, 0x00003938, 0};
    EXPECT_EQ(xxteaKey("0123456789"), want);
}

TEST(XXtea, MessagesCarryTheirLength)
{
    const QByteArray key = "k3y0v3rs1z";
    const QByteArray five = "vm+nv";
    const QByteArray sealed = xxteaEncipher(five, key);
    ASSERT_EQ(sealed.size(), 12);  // two data words and the length word
    EXPECT_EQ(xxteaDecipher(sealed, key), five);

    // Length words inside the last two words' worth of bytes pass, others not.
    for (quint32 m = 0; m <= 12; ++m) {
        std::vector<quint32> v{0x64636261, 0x68676665, m};
        xxteaEncipherWords(v, xxteaKey(key));
        QByteArray bytes(12, Qt::Uninitialized);
        for (int i = 0; i < 3; ++i)
            qToLittleEndian<quint32>(v[i], bytes.data() + 4 * i);
        const QByteArray plain = xxteaDecipher(bytes, key);
        if (m >= 5 && m <= 8)
            EXPECT_EQ(plain, QByteArray("abcdefgh").left(m)) << m;
        else
            EXPECT_TRUE(plain.isEmpty()) << m;
    }

    EXPECT_TRUE(xxteaEncipher(QByteArray(), key).isEmpty());
    EXPECT_TRUE(xxteaDecipher(QByteArray(), key).isEmpty());
    EXPECT_TRUE(xxteaDecipher(sealed, "another key").isEmpty());
    for (int len : {1, 3, 4, 7, 8, 100})
        EXPECT_EQ(xxteaDecipher(xxteaEncipher(QByteArray(len, 'q'), key), key), QByteArray(len, 'q'));
}

TEST(Crc32, CheckValues)
{
    const std::pair<const char *, quint32> cases[] = {
        {"123456789", 0xCBF43926u},
        {"", 0u},
        {"a", 0xE8B7BE43u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const auto &[text, crc] : cases) {
        EXPECT_EQ(CalcCRC32(QByteArrayView(text)), crc) << text;
        EXPECT_EQ(CalcCRC32(QString::fromLatin1(text)), crc) << text;
    }
}
