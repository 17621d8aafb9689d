#include "core/update/Aes256.h"
#include "core/update/Base64.h"
#include "core/update/TextCipher.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace velmar;

namespace {

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

const QString kStoreKey = QStringLiteral("48315599KWZ7288h");

} // namespace

// The block step against the published AES-256 vectors, both directions.
TEST(Aes256, PublishedVectors)
{
    struct Case { const char *key, *plain, *cipher; };
    const Case cases[] = {
        // FIPS-197 C.3
        {"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
         "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
        // SP 800-38A F.1.5, two blocks in one call
        {"603deb1015ca71be2b73aef0857d77811f352c073b6108d72d9810a30914dff4",
         "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51",
         "f3eed1bdb5d2a03c064b5a7e3db181f8591ccb10d410ed26dc5ba74a31362870"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(aes256EcbEncrypt(hex(c.key), hex(c.plain)).toHex(), QByteArray(c.cipher));
        EXPECT_EQ(aes256EcbDecrypt(hex(c.key), hex(c.cipher)).toHex(), QByteArray(c.plain));
    }
}

TEST(Aes256, RefusesPartialBlocksAndShortKeys)
{
    const QByteArray key(32, '\x01');
    EXPECT_TRUE(aes256EcbEncrypt(key, QByteArray(15, 'a')).isEmpty());
    EXPECT_TRUE(aes256EcbDecrypt(key, QByteArray(17, 'a')).isEmpty());
    EXPECT_TRUE(aes256EcbEncrypt(QByteArray(16, '\x01'), QByteArray(16, 'a')).isEmpty());
}

TEST(OmplirText, PadsAndCuts)
{
    struct Case { const char *text, *fill; bool append; int a; const char *want; };
    const Case cases[] = {
        {"abc", "xy", true, 8, "abcxyxyx"},
        {"abc", "xy", false, 8, "yxyxyabc"},
        {"abcdefghij", "x", true, 4, "abcd"},
        {"abcdefghij", "x", false, 4, "ghij"},
        {"", "xyz", true, 5, "xyzxy"},
        {"abc", "", true, 8, "abc"},  // an empty fill cannot pad, only cut
        {"abc", "", true, 2, "ab"},
        {"abc", "x", true, 3, "abc"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(OmplirText(c.text, c.fill, c.append, c.a), QString::fromUtf8(c.want))
            << c.text << " / " << c.fill << " / " << c.a;
}

TEST(TextCipher, KeyIsEightStretchedCharactersInUtf16PlusZeros)
{
    const QByteArray key = aesKeyFromText(QStringLiteral("abc"));
    EXPECT_EQ(key.toHex(), QByteArray("6100620063006100620063006100620000000000000000000000000000000000"));
    // The first 8 characters after stretching decide everything.
    EXPECT_EQ(aesKeyFromText(QStringLiteral("abc")), aesKeyFromText(QStringLiteral("abcabcabcabcabca")));
    EXPECT_EQ(aesKeyFromText(kStoreKey), aesKeyFromText(QStringLiteral("48315599")));
    EXPECT_EQ(EncriptarCadenaAes(QStringLiteral("COM1"), QStringLiteral("abc")),
              EncriptarCadenaAes(QStringLiteral("COM1"), QStringLiteral("abcabcabcabcabca")));
    // A character beyond Latin-1 keeps both of its bytes.
    EXPECT_EQ(aesKeyFromText(QStringLiteral("\u20ac")).left(4).toHex(), QByteArray("ac20ac20"));
}

// Stored texts written by earlier installations; they must keep decrypting.
TEST(TextCipher, KnownStoredTexts)
{
    struct Case { QString plain; const char *stored; };
    const Case cases[] = {
        {QString(), "AAAAAA=="},
        {QStringLiteral("COM1"), "BAAAALtaoSjiAWpcbt2TTktIVx0="},
        {QStringLiteral("Velmar Q7R2T CLOU"), "EQAAAGm3Z1EcKXwyIV38k7xxSimDEqC7guZ1yNzSurFSsO7n"},
        {QStringLiteral("VLM - Software de programación Ver. 2.5.06.18"),
         "LQAAABcCVDOIOrl6K0x8dk2TXiQdUUhUiEL0U9Vaivg1E9FjnJpDZHi9slRDoIXO0xX9Ew=="},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(EncriptarCadenaAes(c.plain, kStoreKey), QLatin1String(c.stored)) << c.stored;
        EXPECT_EQ(DesencriptarCadenaAes(QLatin1String(c.stored), kStoreKey), c.plain) << c.stored;
    }
}

TEST(TextCipher, LayoutIsLengthThenZeroFilledBlocks)
{
    struct Case { int plainBytes; int rawBytes; };
    for (const Case c : {Case{0, 4}, Case{1, 20}, Case{16, 20}, Case{17, 36}, Case{32, 36}}) {
        const QString plain(c.plainBytes, u'z');
        const std::optional<QByteArray> raw = base64Decode(EncriptarCadenaAes(plain, kStoreKey));
        ASSERT_TRUE(raw);
        ASSERT_EQ(raw->size(), c.rawBytes) << c.plainBytes;
        EXPECT_EQ(qFromLittleEndian<qint32>(raw->constData()), c.plainBytes);
        const QByteArray blocks = aes256EcbDecrypt(aesKeyFromText(kStoreKey), raw->mid(4));
        QByteArray want(c.rawBytes - 4, '\0');
        want.replace(0, c.plainBytes, QByteArray(c.plainBytes, 'z'));
        EXPECT_EQ(blocks, want) << c.plainBytes;
        EXPECT_EQ(DesencriptarCadenaAes(EncriptarCadenaAes(plain, kStoreKey), kStoreKey), plain);
    }
}

TEST(TextCipher, PlaintextIsTheEightBitCodePage)
{
    const QString text = QStringLiteral("Contraseña € año");
    const std::optional<QByteArray> raw = base64Decode(EncriptarCadenaAes(text, kStoreKey));
    ASSERT_TRUE(raw);
    EXPECT_EQ(qFromLittleEndian<qint32>(raw->constData()), text.size());  // one byte each
    EXPECT_EQ(DesencriptarCadenaAes(EncriptarCadenaAes(text, kStoreKey), kStoreKey), text);
    // Outside the code page a character is stored as "?".
    EXPECT_EQ(DesencriptarCadenaAes(EncriptarCadenaAes(QStringLiteral("a\u4e2db"), kStoreKey), kStoreKey),
              QStringLiteral("a?b"));
}

TEST(TextCipher, DecipherRefusesWhatIsNotACipherText)
{
    const QString good = EncriptarCadenaAes(QStringLiteral("COM1"), kStoreKey);  // 4 + 16 bytes
    auto rawText = [](const QByteArray &raw) { return QString::fromLatin1(raw.toBase64()); };
    QByteArray longLength = base64Decode(good).value();
    qToLittleEndian<qint32>(17, longLength.data());
    QByteArray negative = longLength;
    qToLittleEndian<qint32>(-1, negative.data());
    const QString cases[] = {
        QString(),
        QStringLiteral("A"),               // 4k+1 characters
        QStringLiteral("AAAAA"),           // 4k+1 after dropping nothing
        QStringLiteral("AAA="),            // two bytes: no length
        QStringLiteral("COM3"),            // a plain value: three bytes
        QStringLiteral("ENGLISH"),         // a plain value: length and a partial block
        good.left(good.size() - 4),        // last block cut short
        rawText(longLength),               // length beyond the blocks
        rawText(negative),
    };
    for (const QString &c : cases)
        EXPECT_EQ(DesencriptarCadenaAes(c, kStoreKey), QString()) << c.toStdString();
}

TEST(TextCipher, DecipherIgnoresCharactersOutsideTheAlphabet)
{
    const QString good = EncriptarCadenaAes(QStringLiteral("192.168.1.20"), kStoreKey);
    QString noisy = good;
    noisy.insert(10, QStringLiteral("\r\n \u00e9*"));
    noisy.remove(u'=');
    EXPECT_EQ(DesencriptarCadenaAes(noisy, kStoreKey), QStringLiteral("192.168.1.20"));
}
