// The one reader and writer of row files: what it takes as text, what it
// refuses, and the bytes it writes.
#include "core/files/RowFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmar::files;

namespace {

struct DecodeCase {
    const char *what;
    QByteArray bytes;
    QStringList lines; // empty: refused
};

class Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, TextIsReadInItsEncodingAndAnythingElseIsRefused)
{
    const DecodeCase &c = GetParam();
    QStringList lines;
    const ParsedRows r = decodeLines(c.bytes, lines);
    EXPECT_EQ(r.ok, !c.lines.isEmpty());
    if (r.ok) {
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(r.lines, c.lines.size());
    } else {
        EXPECT_FALSE(r.reason.isEmpty());
    }
}

const QString kCafe = QStringLiteral("Café €");

INSTANTIATE_TEST_SUITE_P(
    Files, Decode,
    ::testing::Values(
        DecodeCase{"windows", QByteArray("N. Texto\r\nCaf\xE9 \x80\r\n"), {QStringLiteral("N. Texto"), kCafe}},
        DecodeCase{"no final break", QByteArray("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        DecodeCase{"unix breaks", QByteArray("a\nb\n\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        DecodeCase{"utf8 mark", QByteArray("\xEF\xBB\xBFh\r\nCaf\xC3\xA9 \xE2\x82\xAC\r\n"), {QStringLiteral("h"), kCafe}},
        DecodeCase{"utf16 mark", QByteArray("\xFF\xFEh\0\r\0\n\0\xE9\0", 10), {QStringLiteral("h"), QStringLiteral("é")}},
        DecodeCase{"empty", QByteArray(), {}},
        DecodeCase{"only breaks", QByteArray("\r\n\r\n"), {}},
        DecodeCase{"only a mark", QByteArray("\xEF\xBB\xBF"), {}},
        DecodeCase{"nul byte", QByteArray("a\r\nb\0c\r\n", 7), {}},
        DecodeCase{"byte with no character", QByteArray("a\r\nb\x81\r\n"), {}},
        DecodeCase{"bad utf8 after its mark", QByteArray("\xEF\xBB\xBF" "a\xC3\r\n"), {}},
        DecodeCase{"too large", QByteArray(kMaxFileBytes + 1, 'a'), {}}),
    [](const auto &info) {
        std::string n = info.param.what;
        for (char &ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(RowFile, SplitsByTheFormatAndRefusesTheFirstBadLine)
{
    RowFormat comma;
    comma.separator = u',';
    comma.fields = 3;
    const ParsedRows good = parseRows("h\r\na,b,c\r\n,,\r\n", comma);
    ASSERT_TRUE(good.ok);
    EXPECT_EQ(good.lines, 3);
    EXPECT_EQ(good.rows, (QList<QStringList>{{"a", "b", "c"}, {"", "", ""}}));
    // The heading is never read: it may have any shape.
    EXPECT_TRUE(parseRows("whatever it says\r\n", comma).ok);

    const ParsedRows bad = parseRows("h\r\na,b,c\r\na,b\r\n", comma);
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(bad.reason.contains(u'3')) << bad.reason.toStdString();
    EXPECT_TRUE(bad.rows.isEmpty());
    EXPECT_FALSE(parseRows("h\r\na,b,c,d\r\n", comma).ok);

    RowFormat text;
    text.separator = u' ';
    text.fields = 3;
    text.restIsText = true;
    text.maxLineChars = 10;
    EXPECT_EQ(parseRows("h\r\n1 2 a  b/c\r\n", text).rows, (QList<QStringList>{{"1", "2", "a  b/c"}}));
    EXPECT_FALSE(parseRows("h\r\n1 2\r\n", text).ok);
    EXPECT_FALSE(parseRows("h\r\n1 2 345678901\r\n", text).ok);
}

TEST(RowFile, WritesWindowsLinesAndSavesWholeOrNotAtAll)
{
    const QByteArray bytes = writeRows({{"N.", "Texto"}, {"1", kCafe}}, u' ');
    EXPECT_EQ(bytes, QByteArray("N. Texto\r\n1 Caf\xE9 \x80\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath("l.txt");
    ASSERT_TRUE(saveFile(path, bytes).isEmpty());
    RowFormat f;
    f.separator = u' ';
    f.fields = 2;
    f.restIsText = true;
    EXPECT_EQ(readRowFile(path, f).rows, (QList<QStringList>{{"1", kCafe}}));
    EXPECT_FALSE(saveFile(dir.filePath("no/such/folder/l.txt"), bytes).isEmpty());
    EXPECT_FALSE(readRowFile(dir.filePath("missing.txt"), f).ok);
}

} // namespace
