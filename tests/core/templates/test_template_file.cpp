// Reading template files: what a damaged file is refused for, and how the
// entries of a sound one are found.
#include "core/templates/TemplateFile.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {

const QByteArray kHead = "PLANTILLA COMPLETA\r\n";

TEST(TemplateFile, DamagedFilesAreRefusedAsAWhole)
{
    const QByteArray huge = kHead + QByteArray("102=") + QByteArray(kTemplateMaxBytes, 'a') + " {x}\r\n";
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"huge", huge},
        {"binary garbage", kHead + "1590=Estandar {x}\r\n" + QByteArray("\x00\x01\xff\x02garbage", 11)},
        {"a line that is no entry", kHead + "1590=Estandar {x}\r\nthis is not an entry\r\n"},
        {"a key that is no number", kHead + "1590=Estandar {x}\r\nabcz=1 {x}\r\n"},
        {"a comment never closed", kHead + "1590=Estandar {x}\r\n102=Velmar {EProg\r\n104=r {x}\r\n"},
        {"cut in the middle of its last line", kHead + "1590=Estandar {x}\r\n102=Velm"},
        {"cut inside a comment", kHead + "1590=Estandar {x}\r\n102=Velmar {EProgEm"},
        {"no header", "1590=Estandar {x}\r\n"},
        {"a different first line", "PLANTILLA\r\n1590=Estandar {x}\r\n"},
    };
    for (const auto &c : cases) {
        const TemplateRead r = parseTemplate(c.bytes);
        EXPECT_FALSE(r.content.has_value()) << c.what;
        EXPECT_FALSE(r.error.isEmpty()) << c.what;
    }
}

TEST(TemplateFile, EntriesAreFoundByKeyFirstLineWinningWhateverTheCase)
{
    const QByteArray bytes = "PLANTILLA PARCIAL\r\n"
                             "1590=Estandar {ECentral}\r\n"
                             "960a=first {SGCentralSyncro 10}\r\n"
                             "960A=second {SGCentralSyncro 10}\r\n"
                             "102=A {B} c {EProgEmpresa}\r\n"
                             "\r\n"
                             "103=no comment\r\n"
                             "104=\xd1" "and\xfa {EProgRef}"; // the last line needs no break when whole
    const TemplateRead r = parseTemplate(bytes);
    ASSERT_TRUE(r.content) << r.error.toStdString();
    EXPECT_TRUE(r.content->partial);
    EXPECT_EQ(r.content->value(QStringLiteral("960A")), QStringLiteral("first"));
    EXPECT_EQ(r.content->value(QStringLiteral("102")), QStringLiteral("A {B} c"));
    EXPECT_FALSE(r.content->value(QStringLiteral("103"))); // no " {": not applied
    EXPECT_EQ(r.content->value(QStringLiteral("104")), QStringLiteral("Ñandú"));
    EXPECT_FALSE(r.content->value(QStringLiteral("105")));
}

TEST(TemplateFile, AByteOrderMarkChoosesTheEncoding)
{
    const QString text = QStringLiteral("PLANTILLA COMPLETA\r\n102=Ñandú € {EProgEmpresa}\r\n");
    QByteArray utf16 = "\xff\xfe";
    for (QChar c : text)
        utf16 += char(c.unicode() & 0xff), utf16 += char(c.unicode() >> 8);
    for (const QByteArray &bytes : {QByteArray("\xef\xbb\xbf") + text.toUtf8(), utf16}) {
        const TemplateRead r = parseTemplate(bytes);
        ASSERT_TRUE(r.content) << r.error.toStdString();
        EXPECT_EQ(r.content->value(QStringLiteral("102")), QStringLiteral("Ñandú €"));
    }
}

TEST(TemplateFile, WrittenFilesReadBackToTheSameEntries)
{
    const QList<TemplateEntry> entries = {
        {QStringLiteral("1590"), QStringLiteral("Estandar"), QStringLiteral("ECentral")},
        {QStringLiteral("102"), QStringLiteral("Ñandú {x} €"), QStringLiteral("EProgEmpresa")},
        {QStringLiteral("8501"), QStringLiteral("Mov\r\nistar;apn;;;"), QStringLiteral("SGOperadores 1")},
        {QStringLiteral("103"), QString(), QStringLiteral("EProgInstal")},
    };
    const QByteArray bytes = encodeTemplate(false, entries);
    EXPECT_TRUE(bytes.startsWith("PLANTILLA COMPLETA\r\n1590=Estandar {ECentral}\r\n102=\xd1" "and\xfa {x} \x80 {"));
    EXPECT_TRUE(bytes.endsWith("}\r\n"));
    const TemplateRead r = parseTemplate(bytes);
    ASSERT_TRUE(r.content) << r.error.toStdString();
    EXPECT_FALSE(r.content->partial);
    ASSERT_EQ(r.content->entries.size(), entries.size());
    EXPECT_EQ(r.content->value(QStringLiteral("102")), QStringLiteral("Ñandú {x} €"));
    // A line break would end the entry: it is left out.
    EXPECT_EQ(r.content->value(QStringLiteral("8501")), QStringLiteral("Movistar;apn;;;"));
    EXPECT_EQ(r.content->value(QStringLiteral("103")), QString());
    EXPECT_EQ(encodeTemplate(false, r.content->entries), bytes);
}

} // namespace
