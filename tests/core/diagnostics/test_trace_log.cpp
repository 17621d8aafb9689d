// The console's trace as the core keeps it: stamped lines within the
// documented bounds, whole entries dropped oldest first, pause, clear, the
// saved text; and the console's commands as they reach the module's port.
#include "core/diagnostics/TraceLog.h"
#include "core/shell/Engine.h"

#include "support/Pty.h"
#include "support/Wait.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace velmar;

namespace {

struct Log {
    Trace trace;
    TraceLog log;
    explicit Log(TraceLimits limits = {}) : log(trace, limits)
    {
        log.setClock([] { return QTime(10, 11, 12, 13); });
    }
    void add(const QString &entry) { trace.write(entry); }
    QStringList lines() const { return log.text().split(u'\n'); }
};

TEST(TraceLog, EntriesAreStampedSplitAndNumbered)
{
    Log t;
    t.add(QStringLiteral("ComPortRx --> : +ver:X\r\n"));
    t.add(QStringLiteral("uno\rdos"));
    EXPECT_EQ(t.lines(), (QStringList{"10:11:12.013 ComPortRx --> : +ver:X", "10:11:12.013 uno",
                                      "10:11:12.013 dos   "}));
    EXPECT_EQ(t.log.firstNumber(), 0u);
    EXPECT_EQ(t.log.endNumber(), 3u);
    // An entry that gives no line adds nothing.
    t.add(QStringLiteral("\r\n"));
    EXPECT_EQ(t.log.endNumber(), 3u);
}

TEST(TraceLog, StampIsThePcsLocalTimeInTheLongFormat)
{
    Trace trace;
    TraceLog log(trace);
    const QTime before = QTime::currentTime();
    trace.write(QStringLiteral("x"));
    const QTime after = QTime::currentTime();
    const QString line = log.text();
    ASSERT_EQ(line.size(), 12 + 1 + 1 + 3) << line.toStdString();
    const QTime stamped = QTime::fromString(line.left(12), QStringLiteral("hh:mm:ss.zzz"));
    ASSERT_TRUE(stamped.isValid()) << line.toStdString();
    if (before <= after) { // not across midnight
        EXPECT_TRUE(before <= stamped && stamped <= after) << line.toStdString();
    }
}

TEST(TraceLog, KeepsTheNewestLinesWithinItsLineLimit)
{
    Log t({10, kTraceMaxChars});
    for (int i = 0; i < 25; ++i)
        t.add(QStringLiteral("e%1").arg(i));
    EXPECT_EQ(t.log.lineCount(), 10);
    EXPECT_EQ(t.log.firstNumber(), 15u);
    EXPECT_EQ(t.log.endNumber(), 25u);
    EXPECT_EQ(t.lines().first(), QStringLiteral("10:11:12.013 e15   "));
    EXPECT_EQ(t.lines().last(), QStringLiteral("10:11:12.013 e24   "));
}

TEST(TraceLog, DropsWholeEntriesSoNoHexFormStaysWithoutItsEntry)
{
    // With "Hexa" every entry is three lines: itself, its form, a blank line.
    Log t({5, kTraceMaxChars});
    t.log.setHexa(true);
    for (const char *e : {"a: 1", "b: 2", "c: 3"})
        t.add(QString::fromLatin1(e));
    EXPECT_EQ(t.lines(), (QStringList{"10:11:12.013 c: 3   ", "10:11:12.013 c: 33", " "}));
    EXPECT_EQ(t.log.line(t.log.firstNumber()).colour, TraceColour::Default);
    EXPECT_EQ(t.log.line(t.log.firstNumber() + 1).colour, TraceColour::Red);
}

TEST(TraceLog, KeepsWithinItsCharacterLimitAndCutsAHugeLine)
{
    Log t({1000, 100});
    for (int i = 0; i < 20; ++i)
        t.add(QStringLiteral("entry %1").arg(i, 10, 10, QChar(u'0')));
    EXPECT_LE(t.log.charCount(), 100);
    EXPECT_TRUE(t.lines().last().contains(QStringLiteral("entry 0000000019")));

    // A payload bigger than the whole trace: one line, cut to the limit.
    t.add(QString(500, u'x'));
    ASSERT_EQ(t.log.lineCount(), 1);
    EXPECT_EQ(t.log.charCount(), 100);
    EXPECT_TRUE(t.log.text().endsWith(QChar(0x2026)));

    // An entry of more lines than the limit keeps its last ones.
    Log few({3, kTraceMaxChars});
    few.add(QStringLiteral("1\r2\r3\r4\r5"));
    EXPECT_EQ(few.lines(), (QStringList{"10:11:12.013 3", "10:11:12.013 4", "10:11:12.013 5   "}));
}

TEST(TraceLog, TheDocumentedBoundsHoldUnderAFlood)
{
    Trace trace;
    TraceLog log(trace);
    const QString record = QStringLiteral("ComPortRx --> : {#0150326101500|060#1Obra|Instal|Ref|1000123:35698|BC600#2"
                                          "0000000000000000|0000|6530|18:41.38,2.17|1:0:0:0|1:0:0:0|12|34}");
    for (int i = 0; i < 3 * kTraceMaxLines; ++i)
        trace.write(record);
    EXPECT_EQ(log.lineCount(), kTraceMaxLines);
    EXPECT_EQ(log.endNumber(), quint64(3 * kTraceMaxLines));
    // Entries long enough to meet the character bound first.
    const QString big(kTraceMaxChars / 100, u'y');
    for (int i = 0; i < 300; ++i)
        trace.write(big);
    EXPECT_LE(log.charCount(), kTraceMaxChars);
    EXPECT_LT(log.lineCount(), 100);
}

TEST(TraceLog, PausedDropsEntriesAndClearKeepsCounting)
{
    Log t;
    t.log.setHexa(true);
    t.add(QStringLiteral("a"));
    t.log.setPaused(true);
    t.add(QStringLiteral("b: dropped"));
    EXPECT_EQ(t.log.endNumber(), 3u); // "a", its form and the blank line; nothing of "b"
    EXPECT_FALSE(t.log.text().contains(QStringLiteral("dropped")));
    t.log.setPaused(false);

    int cleared = 0;
    QObject::connect(&t.log, &TraceLog::cleared, [&] { ++cleared; });
    t.log.clear();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(t.log.lineCount(), 0);
    EXPECT_EQ(t.log.charCount(), 0);
    EXPECT_TRUE(t.log.text().isEmpty());
    t.log.setHexa(false);
    t.add(QStringLiteral("c"));
    EXPECT_EQ(t.log.firstNumber(), 3u);
    EXPECT_EQ(t.log.line(3).text, QStringLiteral("10:11:12.013 c   "));
}

TEST(TraceLog, OneNoticePerTurnOfTheEventLoop)
{
    Log t;
    int notices = 0;
    QObject::connect(&t.log, &TraceLog::linesAdded, [&] { ++notices; });
    for (int i = 0; i < 500; ++i)
        t.add(QStringLiteral("x"));
    EXPECT_EQ(notices, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 1);
    t.add(QStringLiteral("y"));
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 2);
}

TEST(TraceLog, FileBytesAreUtf8LinesEndedByCrLf)
{
    Log t;
    t.add(QString::fromUtf8("Connectar TCP Actualització"));
    t.add(QStringLiteral("b\rc"));
    EXPECT_EQ(t.log.fileBytes(), QByteArray("10:11:12.013 Connectar TCP Actualitzaci\xC3\xB3   \r\n"
                                            "10:11:12.013 b\r\n10:11:12.013 c   \r\n"));
}

// The console's commands on a local link: what reaches the port, and the
// captions after each.
TEST(ConsoleCommands, ButtonsSendTheirCommandsAndToggleTheirCaptions)
{
    test::Pty pty;
    ASSERT_TRUE(pty.ok());
    Engine e{Endpoints{}};
    ASSERT_TRUE(e.channel.openPort(pty.slavePath()));
    ConsoleCommands &c = e.console;

    struct Case {
        const char *name;
        std::function<void()> press;
        QByteArray sent;
        bool info, gsm, uart;
    };
    const Case cases[] = {
        {"Info while off", [&] { c.BInfoClick(); }, "\rvm+Inf\r", true, false, false},
        {"Info while on", [&] { c.BInfoClick(); }, "\rvm+inf\r", false, false, false},
        {"Gsm", [&] { c.BGsmClick(); }, "\rvm+Sgsm\r", false, true, false},
        {"Gsm again", [&] { c.BGsmClick(); }, "\rvm+Sgsm\r", false, false, false},
        {"Uart while off", [&] { c.BUartClick(); }, "\rvm+Suar\r", false, false, true},
        {"Uart while on", [&] { c.BUartClick(); }, "\rvm+Nuar\r", false, false, false},
        {"Test", [&] { c.BTestClick(); }, "\rvm+POL\r", false, false, false},
        {"Enviar al Velmar", [&] { c.BEnviarVelmarClick(QStringLiteral("0102")); }, "\rvm+0102\r", false, false,
         false},
        {"Enviar al GSM", [&] { c.BEnviarModulClick(QStringLiteral("AT+CSQ")); }, "\rmv=AT+CSQ\r", false, false,
         false},
    };
    for (const Case &k : cases) {
        k.press();
        EXPECT_EQ(pty.read(2000, k.sent), k.sent) << k.name;
        EXPECT_EQ(c.infoRed(), k.info) << k.name;
        EXPECT_EQ(c.gsmRed(), k.gsm) << k.name;
        EXPECT_EQ(c.uartRed(), k.uart) << k.name;
    }
    // Empty fields send nothing.
    c.BEnviarVelmarClick(QString());
    c.BEnviarModulClick(QString());
    EXPECT_TRUE(pty.read(200).isEmpty());

    // Showing the console: "Info" red, and the status page no longer counts as shown.
    ASSERT_TRUE(e.programming.mostraestat);
    c.FormActivate();
    EXPECT_TRUE(c.infoRed());
    EXPECT_FALSE(e.programming.mostraestat);
}

} // namespace
