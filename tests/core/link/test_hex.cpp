#include "core/link/Hex.h"

#include <gtest/gtest.h>

using namespace velmar;

TEST(Hextoint, Table)
{
    const struct {
        const char *in;
        qint64 out;
    } cases[] = {
        {"1f", 31}, {"1F", 31}, {"1G", 0}, {"", 0}, {"0", 0}, {"FF", 255},
        {"7FFFFFFF", 2147483647}, {"80000000", -2147483648LL}, {"FFFFFFFF", -1},
        {"100000000", 0},   // 33 bits: the 32-bit accumulator wraps
        {" 1", 0}, {"-1", 0}, {"0x10", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Hextoint(QString::fromLatin1(c.in)), c.out) << c.in;
}

TEST(TrimLeadingZeros, Table)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {{"0102", "102"}, {"0000", "0"}, {"", ""}, {"7", "7"}, {"0", "0"}, {"00a0", "a0"}};
    for (const auto &c : cases)
        EXPECT_EQ(TrimLeadingZeros(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(Wire, OneBytePerCharacterBothWays)
{
    const QString text = QStringLiteral("\rvm+0102=Se\u00F1or\u20AC\r");
    const QByteArray bytes = toWire(text);
    ASSERT_EQ(bytes.size(), text.size());
    EXPECT_EQ(uchar(bytes.at(11)), 0xF1);
    EXPECT_EQ(uchar(bytes.at(14)), 0xAC); // low 8 bits of U+20AC
    EXPECT_EQ(fromWire(QByteArray("\xF1")), QString(QChar(0xF1)));
}
