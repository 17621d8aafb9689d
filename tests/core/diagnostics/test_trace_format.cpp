#include "core/diagnostics/TraceFormat.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {
QStringList texts(const QList<TraceLine> &lines)
{
    QStringList out;
    for (const auto &l : lines)
        out << l.text;
    return out;
}
} // namespace

TEST(TraceFormat, EntryEndingInCarriageReturnGivesOneLine)
{
    EXPECT_EQ(texts(formatTraceEntry(QStringLiteral("abc\r"), QStringLiteral("T"), false)),
              QStringList{"T abc"});
}

TEST(TraceFormat, PiecesSplitAtLineEndsAndTheLastGetsThreeBlanks)
{
    EXPECT_EQ(texts(formatTraceEntry(QStringLiteral("a\r\nb\rc"), QStringLiteral("T"), false)),
              (QStringList{"T a", "T b", "T c   "}));
}

TEST(TraceFormat, HexFormWithAndWithoutColon)
{
    EXPECT_EQ(traceHexForm(QStringLiteral("Rx: AB"), QStringLiteral("T")), QStringLiteral("T Rx: 41 42"));
    // Without ": " every character from the second on.
    EXPECT_EQ(traceHexForm(QStringLiteral("xA\r"), QStringLiteral("T")), QStringLiteral("T  41 0D"));
    // Codes past one byte keep all their digits; a line end before the
    // first ": " must not break the form's line.
    EXPECT_EQ(traceHexForm(QString::fromUtf8("a\rb\0: \xC3\xB3\xE2\x82\xAC", 11), QStringLiteral("T")),
              QStringLiteral("T a b\x01: F3 20AC"));
}

TEST(TraceFormat, HexaAddsTheRedFormAndABlankLine)
{
    const auto lines = formatTraceEntry(QStringLiteral("ab"), QStringLiteral("T"), true);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].colour, TraceColour::Red);
    EXPECT_EQ(lines[2].text, QStringLiteral(" "));
}

TEST(TraceFormat, AColourThatBeginsInsideTheEntryBeginsThereInItsLine)
{
    // "ComPortRx --> : +in5:x" blue from the "5"; the line before it stays plain.
    const QString entry = QStringLiteral("head\rComPortRx --> : +in5:x");
    const int from = int(entry.indexOf(u'5'));
    const auto lines = formatTraceEntry(entry, QStringLiteral("T"), false, TraceColour::Blue, from);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].colour, TraceColour::Default);
    EXPECT_EQ(lines[1].colour, TraceColour::Blue);
    EXPECT_EQ(lines[1].text.mid(lines[1].colourFrom), QStringLiteral("5:x   "));
}

TEST(TraceFormat, ColoursByContentAndNulBecomesOne)
{
    const auto lines = formatTraceEntry(QStringLiteral("APayload x\nAGE44 y\n") + QChar(0),
                                        QStringLiteral("T"), false);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].colour, TraceColour::Blue);
    EXPECT_EQ(lines[1].colour, TraceColour::Green);
    EXPECT_EQ(lines[2].text, QStringLiteral("T ") + QChar(1) + QStringLiteral("   "));
}
