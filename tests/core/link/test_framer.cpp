#include "core/link/ReplyFramer.h"
#include "core/link/ProtocolTimes.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {

struct Capture {
    QStringList replies;
    QList<QPair<QString, TraceColour>> console;
    QList<int> colourFrom;
    ReplyFramer framer{[this](const QString &r) { replies << r; }, [this](const QString &l, TraceColour c, int from) {
                           console.append({l, c});
                           colourFrom.append(from);
                       }};
};

struct FramingCase {
    const char *name;
    std::vector<QByteArray> chunks; // successive receive events
    QStringList replies;
};

class FramingTest : public ::testing::TestWithParam<FramingCase> {};

TEST_P(FramingTest, YieldsExactlyTheseReplies)
{
    Capture c;
    for (const QByteArray &chunk : GetParam().chunks)
        c.framer.feed(chunk);
    EXPECT_EQ(c.replies, GetParam().replies);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramingTest,
    ::testing::Values(
        FramingCase{"CrLfNoiseBeforeReply", {"\r\n+0102:abc\r"}, {"+0102:abc\r"}},
        FramingCase{"BraceTerminates", {"{#ab}"}, {"{#ab}"}},
        FramingCase{"NoiseBeforePlus", {"xx?+ver:a\r"}, {"+ver:a\r"}},
        FramingCase{"SplitOverEvents", {"+01", "02:a", "bc", "\r"}, {"+0102:abc\r"}},
        FramingCase{"PlusInsideDoesNotRestart", {"+a+b{c\r"}, {"+a+b{c\r"}},
        FramingCase{"TwoRepliesOneEvent", {"+a:1\r+b:2\r"}, {"+a:1\r", "+b:2\r"}},
        FramingCase{"NoReplyWithoutOpener", {"abc\r\r\n"}, {}},
        FramingCase{"UnterminatedStaysOpen", {"+abc"}, {}},
        FramingCase{"Latin1BytesKept", {QByteArray("+0102:Se\xF1or\r")},
                    {QString::fromLatin1("+0102:Se\xF1or\r")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Framer, BraceThenCrLogsAnEmptyLine)
{
    Capture c;
    c.framer.feed(QByteArray("{#ab}\r"));
    ASSERT_EQ(c.replies, QStringList{"{#ab}"});
    ASSERT_EQ(c.console.size(), 2);
    EXPECT_EQ(c.console[1].first, QStringLiteral("ComPortRx --> : \r"));
    EXPECT_EQ(c.console[1].second, TraceColour::Maroon);
}

TEST(Framer, ConsoleColoursFollowTheReply)
{
    Capture c;
    c.framer.feed(QByteArray("junk\r+in5:x\r+0102:abc\r+\r"));
    ASSERT_EQ(c.console.size(), 4);
    EXPECT_EQ(c.console[0].second, TraceColour::Maroon);  // no reply open
    EXPECT_EQ(c.console[1].second, TraceColour::Blue);    // "+in" and a digit
    EXPECT_EQ(c.console[2].second, TraceColour::Fuchsia); // any other reply
    EXPECT_EQ(c.console[3].second, TraceColour::Maroon);  // reply of two characters
    EXPECT_EQ(c.console[2].first, QStringLiteral("ComPortRx --> : +0102:abc\r"));
    // The input report is blue from its digit; "+in" and the prefix keep the plain colour.
    EXPECT_EQ(c.console[1].first.mid(c.colourFrom[1]), QStringLiteral("5:x\r"));
    EXPECT_EQ(c.colourFrom[2], 0);
    // Noise before the reply on the same line does not move it.
    c.framer.feed(QByteArray("??+in12:y\r"));
    EXPECT_EQ(c.console.last().first.mid(c.colourFrom.last()), QStringLiteral("12:y\r"));
}

TEST(Framer, OverlongReplyIsDiscardedAndTheNextOneSurvives)
{
    Capture c;
    QByteArray huge = "+" + QByteArray(proto::kMaxReplyChars + 50, 'a');
    huge.insert(100, "+0102:inside"); // a "+" inside must not open a reply after the cut
    c.framer.feed(huge);
    c.framer.feed("\r+0102:next\r");
    EXPECT_EQ(c.framer.discarded(), 1);
    EXPECT_EQ(c.replies, QStringList{"+0102:next\r"});
    EXPECT_EQ(c.framer.position(), 0);
}

TEST(Framer, ReplyOfExactlyTheLimitIsKept)
{
    Capture c;
    const QByteArray body = "+" + QByteArray(proto::kMaxReplyChars - 2, 'b') + "\r";
    ASSERT_EQ(body.size(), proto::kMaxReplyChars);
    c.framer.feed(body);
    ASSERT_EQ(c.replies.size(), 1);
    EXPECT_EQ(c.replies[0].size(), proto::kMaxReplyChars);
    EXPECT_EQ(c.framer.discarded(), 0);
}

TEST(Framer, EndlessNoiseKeepsTheConsoleLineBounded)
{
    Capture c;
    c.framer.feed(QByteArray(3 * proto::kMaxReplyChars, 'n'));
    for (const auto &line : c.console)
        EXPECT_LE(line.first.size(), proto::kMaxReplyChars + 32);
    EXPECT_TRUE(c.replies.isEmpty());
}

} // namespace
