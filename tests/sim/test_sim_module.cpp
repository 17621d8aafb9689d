// velmar-sim seen from the program's side of the line: plain bytes through
// the pseudo-terminal, no program code involved.

#include "SimLine.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

using velmar::test::SimProcess;

namespace {

// A running simulator and a line to it.
struct Sim {
    explicit Sim(const QStringList &args) : proc(args), line(proc.devicePath()) {}
    SimProcess proc;
    SimLine line;
};

#define START_SIM(name, ...)                                                                       \
    Sim name(QStringList{__VA_ARGS__});                                                            \
    ASSERT_TRUE(name.proc.ok()) << name.proc.errorText().toStdString();                            \
    ASSERT_TRUE(name.line.ok())

std::string str(const QByteArray &b)
{
    return b.toStdString();
}

QString code(int c)
{
    return QStringLiteral("%1").arg(c, 4, 16, QLatin1Char('0')).toUpper();
}

void addRun(QSet<QString> &s, int first, int count)
{
    for (int i = 0; i < count; ++i)
        s.insert(code(first + i));
}

// The module's own parameters and blocks, as the catalogue lists them.
QSet<QString> moduleCodes()
{
    QSet<QString> s;
    for (int c : {0x0101, 0x0102, 0x0103, 0x0104, 0x0105, 0x0106, 0x0108, 0x0110, 0x0111, 0x0120, 0x0200,
                  0x0201, 0x0309, 0x1001, 0x1010, 0x1131, 0x1132, 0x1141, 0x1500, 0x1590, 0x2101, 0x2102,
                  0x6600})
        s.insert(code(c));
    addRun(s, 0x0211, 6);
    addRun(s, 0x0301, 6);
    addRun(s, 0x1101, 4);
    addRun(s, 0x1111, 4);
    addRun(s, 0x1121, 4);
    addRun(s, 0x2001, 4);
    addRun(s, 0x3001, 16);
    addRun(s, 0x3101, 4);
    addRun(s, 0x3111, 4);
    addRun(s, 0x3201, 16);
    addRun(s, 0x3301, 4);
    addRun(s, 0x3311, 4);
    addRun(s, 0x3321, 4);
    addRun(s, 0x3401, 4);
    addRun(s, 0x3502, 3);
    addRun(s, 0x3601, 9);
    addRun(s, 0x4001, 4);
    addRun(s, 0x4010, 16);
    addRun(s, 0x4040, 4);
    addRun(s, 0x6855, 3);
    addRun(s, 0x8501, 16);
    return s;
}

// Segments of an information record "{#a#b#c}" by their type character.
QMap<QChar, QString> segments(const QByteArray &record)
{
    QMap<QChar, QString> out;
    QString body = QString::fromLatin1(record).trimmed();
    if (!body.startsWith(QLatin1String("{#")) || !body.endsWith(u'}'))
        return out;
    body = body.mid(2).chopped(1);
    for (const QString &seg : body.split(u'#'))
        if (!seg.isEmpty())
            out.insert(seg.at(0), seg.mid(1));
    return out;
}

// Reads records until a main record (one with a status segment) arrives.
QMap<QChar, QString> nextMainRecord(SimLine &line)
{
    for (int i = 0; i < 50; ++i) {
        line.readUntil("{#", 5000);
        const QByteArray rec = "{#" + line.readUntil("}", 5000);
        const auto segs = segments(rec);
        if (segs.contains(u'2'))
            return segs;
    }
    return {};
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

} // namespace

TEST(SimModule, IdentificationRepliesCarryTheConfiguredIdentity)
{
    struct Case {
        QStringList args;
        const char *ver;
        const char *vEr;
    };
    const Case cases[] = {
        {{}, "+ver:Velmar_v8.7 [x1.2],<1000123>,<>", "+vEr:Velmar_v8.7 [x1.2],<1000123>,VLM-H3 r2,1111"},
        {{"--id", "4711", "--panel", "BC600", "--firmware", "Velmar_v8.7 [x2.0]", "--hardware", "H4",
          "--parts", "1101"},
         "+ver:Velmar_v8.7 [x2.0],<4711>,<BC600>",
         "+vEr:Velmar_v8.7 [x2.0],<4711>,H4,1101"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        Sim sim(c.args);
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        EXPECT_EQ(str(sim.line.ask("vm+ver")), c.ver);
        EXPECT_EQ(str(sim.line.ask("vm+vEr")), c.vEr);
    }
}

TEST(SimModule, FullDumpListsEveryParameterOnceInOrderAndEndsWithOk)
{
    struct Case {
        const char *panel;
        QList<std::pair<int, int>> extra; // runs of panel codes
    };
    const Case cases[] = {
        {"", {}},
        {"BC600", {{0x9500, 1}, {0x9601, 255}}},
        {"AGE44", {{0x9000, 1}, {0x9001, 9}, {0x9101, 1023}}},
        {"ID3000", {{0x9500, 1}, {0x9601, 255}, {0x9750, 1}}},
        {"Cofem CLVR", {{0x9500, 1}, {0x9701, 29}, {0x9750, 1}}},
    };
    const QRegularExpression lineForm(QStringLiteral("^\\+([0-9A-F]{4}):"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.panel);
        QStringList args;
        if (*c.panel)
            args << QStringLiteral("--panel") << QLatin1String(c.panel);
        Sim sim(args);
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        QSet<QString> expected = moduleCodes();
        for (const auto &[first, count] : c.extra)
            addRun(expected, first, count);

        const QList<QByteArray> lines = sim.line.askLines("vm+Xxxx", "x:Ok", 20000);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(str(lines.last()), "+Xxxx:Ok");
        EXPECT_EQ(lines.size(), expected.size() + 1);
        QSet<QString> seen;
        QString previous;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const auto m = lineForm.match(QString::fromLatin1(lines[i]));
            ASSERT_TRUE(m.hasMatch()) << str(lines[i]);
            const QString code = m.captured(1);
            EXPECT_LT(previous, code) << "out of order or repeated: " << code.toStdString();
            previous = code;
            seen.insert(code);
        }
        EXPECT_EQ(seen, expected);
    }
}

TEST(SimModule, ReadsAndWritesAnswerWithTheStoredValue)
{
    START_SIM(sim);
    struct Case {
        QByteArray command;
        QByteArray reply;
    };
    const QByteArray longValue(300, 'a');
    const Case cases[] = {
        {"vm+0102", "+0102:Velmar Demo"},
        {"vm+0102=Acme", "+0102:Acme"},
        {"vm+0102", "+0102:Acme"},
        {"vm+300A=5;2;1;Puerta garaje", "+300A:5;2;1;Puerta garaje"},
        {"vm+300A", "+300A:5;2;1;Puerta garaje"},
        {"vm+8503=", "+8503:"},
        {"vm+8503", "+8503:"},
        // One byte per character on the wire.
        {"vm+0103=Pe\xf1" "a", "+0103:Pe\xf1" "a"},
        // The module keeps 250 characters of a value.
        {"vm+0104=" + longValue, "+0104:" + longValue.left(250)},
        // Read-only: the echo shows the value that stays.
        {"vm+0101=FFFF", "+0101:3A0F21C94B7E55D2"},
        {"vm+0999", "+0999:NO_PAR"},
        {"vm+0999=1", "+0999:errprg"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(str(sim.line.ask(c.command)), str(c.reply)) << str(c.command);
}

TEST(SimModule, BlockReadsEndWithTheirOkLine)
{
    struct Case {
        const char *panel;
        QByteArray command;
        int records;
        QByteArray end;
    };
    const Case cases[] = {
        {"", "vm+85xx", 16, "+85xx:Ok"},
        {"", "vm+30xx", 16, "+30xx:Ok"},
        {"", "vm+40xx", 24, "+40xx:Ok"},
        {"AGE", "vm+9xxx", 1023, "+9xxx:Ok"},
        {"BC600", "vm+96xx", 255, "+96xx:Ok"},
        {"", "vm+77xx", 0, "+77xx:NO_PAR"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(str(c.command));
        Sim sim(*c.panel ? QStringList{QStringLiteral("--panel"), QLatin1String(c.panel)} : QStringList{});
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        const QList<QByteArray> lines = sim.line.askLines(c.command, c.end, 20000);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(str(lines.last()), str(c.end));
        EXPECT_EQ(lines.size(), c.records + 1);
    }
}

TEST(SimModule, AccessCodeLocksProgrammingUntilGiven)
{
    START_SIM(sim, "--lock", "1234");
    struct Step {
        QByteArray command;
        QByteArray reply;
    };
    const Step steps[] = {
        {"vm+0102", "+0102:Protect"},
        {"vm+0102=Acme", "+0102:Protect"},
        {"vm+Xxxx", "+Xxxx:Protect"},
        {"vm+85xx", "+85xx:Protect"},
        {"vm+INf", "+INf:Protect"},
        // Identification is always answered.
        {"vm+ver", "+ver:Velmar_v8.7 [x1.2],<1000123>,<>"},
        {"vm+cdp=9999", "+cdp:Protect"},
        {"vm+0102", "+0102:Protect"},
        {"vm+cdp=1234", "+cdp:Ok"},
        {"vm+INf", "+Inf:On"},
        {"vm+inf", "+inf:Dis"},
        {"vm+0102", "+0102:Velmar Demo"},
        {"vm+0111", "+0111:1234"},
        {"vm+cdp=*", "+cdp:Protect"},
        {"vm+0102", "+0102:Protect"},
    };
    for (const Step &s : steps) {
        // Records of the stream, while it was on, are not replies.
        QByteArray line = sim.line.ask(s.command);
        while (line.startsWith("{#"))
            line = sim.line.readLine();
        EXPECT_EQ(str(line), str(s.reply)) << str(s.command);
    }
}

TEST(SimModule, ModuleWithoutAccessCodeNeverLocks)
{
    START_SIM(sim);
    EXPECT_EQ(str(sim.line.ask("vm+cdp=*")), "+cdp:Ok");
    EXPECT_EQ(str(sim.line.ask("vm+0102")), "+0102:Velmar Demo");
}

TEST(SimModule, PatternEraseClearsWhatItMatchesOnly)
{
    struct Case {
        const char *panel;
        QByteArray command;
        QByteArray reply;
        QList<QByteArray> cleared;
        QList<QByteArray> kept;
    };
    const Case cases[] = {
        {"BC600", "vm+96xx=0", "+96xx:Erased", {"9601", "96FF"}, {"9500", "1141"}},
        {"Cofem", "vm+970x=0", "+970x:Erased", {"9701", "9706"}, {"9710", "9750"}},
        {"Cofem", "vm+971x=0", "+971x:Erased", {"9710", "971D"}, {"9701", "9706"}},
        {"AGE", "vm+91xx=0", "+91xx:Erased", {"9101", "91FF"}, {"9201", "9001"}},
        {"", "vm+85xx=0", "+85xx:Erased", {"8501", "8504"}, {"3001"}},
        {"BC600", "vm+96xx=1", "+96xx:errprg", {}, {"9601"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(str(c.command));
        Sim sim(*c.panel ? QStringList{QStringLiteral("--panel"), QLatin1String(c.panel)} : QStringList{});
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        // Give every code a value first, so that clearing shows.
        for (const QByteArray &code : c.cleared + c.kept)
            ASSERT_EQ(str(sim.line.ask("vm+" + code + "=v" + code)), "+" + str(code) + ":v" + str(code));
        EXPECT_EQ(str(sim.line.ask(c.command)), str(c.reply));
        for (const QByteArray &code : c.cleared)
            EXPECT_EQ(str(sim.line.ask("vm+" + code)), "+" + str(code) + ":");
        for (const QByteArray &code : c.kept)
            EXPECT_EQ(str(sim.line.ask("vm+" + code)), "+" + str(code) + ":v" + str(code));
    }
}

TEST(SimModule, FactoryResetRestoresEveryValue)
{
    START_SIM(sim, "--lock", "1234");
    ASSERT_EQ(str(sim.line.ask("vm+cdp=1234")), "+cdp:Ok");
    const QList<QByteArray> factory = sim.line.askLines("vm+Xxxx", "x:Ok");
    ASSERT_EQ(str(factory.last()), "+Xxxx:Ok");

    EXPECT_EQ(str(sim.line.ask("vm+0102=Acme")), "+0102:Acme");
    EXPECT_EQ(str(sim.line.ask("vm+0111=5678")), "+0111:5678");
    EXPECT_EQ(str(sim.line.ask("vm+85xx=0")), "+85xx:Erased");
    EXPECT_EQ(str(sim.line.ask("vm+Xxxx=7")), "+Xxxx:errprg");

    const QByteArray reply = sim.line.ask("vm+Xxxx=0");
    EXPECT_TRUE(reply.contains("xxx:Initialized")) << str(reply);
    EXPECT_EQ(sim.line.askLines("vm+Xxxx", "x:Ok"), factory);
}

TEST(SimModule, InformationStreamReportsTheStoredProgramming)
{
    START_SIM(sim, "--panel", "BC600", "--id", "4711", "--period", "100");
    ASSERT_EQ(str(sim.line.ask("vm+3001=0;0;0;Garaje")), "+3001:0;0;0;Garaje");
    ASSERT_EQ(str(sim.line.ask("vm+3324=0;0;0;0;Sirena")), "+3324:0;0;0;0;Sirena");
    ASSERT_EQ(str(sim.line.ask("vm+0102=Acme")), "+0102:Acme");
    ASSERT_EQ(str(sim.line.ask("vm+0120=5")), "+0120:5");

    EXPECT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");
    const auto segs = nextMainRecord(sim.line);
    ASSERT_FALSE(segs.isEmpty());
    EXPECT_EQ(segs.value(u'0').size(), 16);
    EXPECT_TRUE(segs.value(u'0').endsWith(QLatin1String("|005"))) << segs.value(u'0').toStdString();
    EXPECT_EQ(segs.value(u'1'), QStringLiteral("Acme|Instalador|REF-4711|4711:861234567890123|BC600"));
    const QStringList status = segs.value(u'2').split(u'|');
    ASSERT_EQ(status.size(), 8) << segs.value(u'2').toStdString();
    EXPECT_EQ(status[0], QStringLiteral("0000000000000000"));
    EXPECT_EQ(status[1], QStringLiteral("0000"));
    EXPECT_EQ(status[2], QStringLiteral("5631")); // GPRS internet, ADSL centre, panel connected, I/O on
    EXPECT_EQ(segs.value(u'3').split(u'|').value(0), QStringLiteral("Garaje"));
    EXPECT_EQ(segs.value(u'3').split(u'|').size(), 16);
    EXPECT_EQ(segs.value(u'4'), QStringLiteral("Salida 1|Salida 2|Salida 3|Sirena"));
    EXPECT_EQ(segs.value(u'5').split(u':').size(), 4);

    // The panel's status record follows the module's own.
    EXPECT_FALSE(sim.line.readUntil("{#A4|0|0|0|0|0|0|0}\r\n").isEmpty());

    sim.line.send("vm+inf");
    EXPECT_FALSE(sim.line.readUntil("+inf:Dis").isEmpty());
    // Once off, no more records come (several periods pass).
    EXPECT_FALSE(sim.line.drain(500).contains("{#0"));
}

TEST(SimModule, OrdersShowTheirEffectInTheStream)
{
    START_SIM(sim, "--period", "200", "--restart-ms", "100");
    ASSERT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");

    sim.line.send("vm+sor=.1..");
    EXPECT_FALSE(sim.line.readUntil("{#8623:2}").isEmpty());
    EXPECT_EQ(nextMainRecord(sim.line).value(u'2').section(u'|', 1, 1), QStringLiteral("0100"));
    sim.line.send("vm+sor=00.1");
    EXPECT_FALSE(sim.line.readUntil("{#8624:2}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#8623:4}").isEmpty());
    EXPECT_EQ(nextMainRecord(sim.line).value(u'2').section(u'|', 1, 1), QStringLiteral("0001"));
    sim.line.send("vm+sor=2...");
    EXPECT_FALSE(sim.line.readUntil("+sor:errprg").isEmpty());

    sim.line.send("vm+TST");
    EXPECT_FALSE(sim.line.readUntil("{#8209:").isEmpty());
    sim.line.send("vm+cra");
    EXPECT_FALSE(sim.line.readUntil("{#8210:").isEmpty());

    // A restart reports itself, comes back with the outputs at rest.
    sim.line.send("vm+rst");
    EXPECT_FALSE(sim.line.readUntil("{#8100:").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#8001:").isEmpty());
    EXPECT_EQ(nextMainRecord(sim.line).value(u'2').section(u'|', 1, 1), QStringLiteral("0000"));
}

TEST(SimModule, DoorsOpenAndCloseThroughTheirStates)
{
    START_SIM(sim, "--panel", "Puertas", "--period", "200");
    ASSERT_EQ(str(sim.line.ask("vm+4041=0;0;0")), "+4041:0;0;0");
    ASSERT_EQ(str(sim.line.ask("vm+4015=1;0;0;0")), "+4015:1;0;0;0"); // button 2 switches output 2
    ASSERT_EQ(str(sim.line.ask("vm+4002=Garaje")), "+4002:Garaje");
    ASSERT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");
    EXPECT_FALSE(sim.line.readUntil("{#A1|Puerta 1|Garaje|Puerta 3|Puerta 4}").isEmpty());

    sim.line.send("vm+Obrir2");
    for (const char *record : {"{#8623:2}", "{#dPuerta 2 Obrint}", "{#dPuerta 2 Obert}",
                               "{#dPuerta 2 Tancant}", "{#8624:2}", "{#dPuerta 2 Tancat}"})
        EXPECT_FALSE(sim.line.readUntil(record).isEmpty()) << record;
}

TEST(SimModule, ScenarioDrivesInputsAndThePanel)
{
    QTemporaryDir dir;
    const QString scenario = writeFile(dir, QStringLiteral("s.txt"),
                                       "# a fire on a BC600\n"
                                       "on vm+INf input 3 on\n"
                                       "on vm+INf panel-status 3|1|0|0|2|0|0\n"
                                       "on vm+INf panel-event 0001\n"
                                       "on vm+ord=* text orden recibida\n");
    START_SIM(sim, "--panel", "BC600", "--period", "200", "--scenario", scenario);
    ASSERT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");
    EXPECT_FALSE(sim.line.readUntil("{#8611:3}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#A4|3|1|0|0|2|0|0}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#C4|0001}").isEmpty());
    const auto segs = nextMainRecord(sim.line);
    EXPECT_EQ(segs.value(u'2').left(4), QStringLiteral("0010"));

    sim.line.send("vm+ord=Rearme");
    EXPECT_FALSE(sim.line.readUntil("{#8761:Rearme}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#A4|0|0|0|0|0|0|0}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#dorden recibida}").isEmpty());
}

TEST(SimModule, PanelStatesInEachModelsOwnRecord)
{
    const struct {
        const char *panel;
        const char *step;
        const char *record;
    } cases[] = {
        {"ID3000", "panel alarm", "{#A7|1|1|0|0|0|0|0|0|0|0}"},
        {"ID3000", "panel disable", "{#A7|0|0|0|0|0|0|0|1|0|0}"},
        {"BC216", "panel test", "{#A4|0|0|0|0|0|0|1|1}"},
        {"Cofem CLVR", "panel alarm", "{#A5|100000000|A9" "0000000000000000000000}"},
        {"Urano", "panel fault", "{#A6|0000|012002002002002002002002002002002002}"},
        {"JadeBird", "panel alarm", "{#A7|20000000000000000000000000000000|1|10000000000|0|0|0|0|0|0|0|0|0|0|0|0|0}"},
        {"C-TecXFP", "panel test", "{#A7|00000000000000000000000000000000|0|0|0|0|0|0|0|0|1}"},
        {"Bosch", "panel fault", "{#A8|0|1|0|0|0}"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.panel) + " " + c.step);
        const QString scenario =
            writeFile(dir, QStringLiteral("s.txt"), QByteArray("on vm+INf ") + c.step + "\n");
        START_SIM(sim, "--panel", c.panel, "--period", "5000", "--scenario", scenario);
        ASSERT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");
        EXPECT_FALSE(sim.line.readUntil(c.record).isEmpty());
    }
}

TEST(SimModule, PanelOrdersSilenceAndReset)
{
    QTemporaryDir dir;
    const QString scenario = writeFile(dir, QStringLiteral("s.txt"), "on vm+INf panel alarm\n");
    START_SIM(sim, "--panel", "MA-2000", "--period", "5000", "--scenario", scenario);
    ASSERT_EQ(str(sim.line.ask("vm+INf")), "+Inf:On");
    EXPECT_FALSE(sim.line.readUntil("{#A7|1|1|0|0|0|0|0|0|0|0}").isEmpty());
    sim.line.send("vm+ord=Silenbuz");
    EXPECT_FALSE(sim.line.readUntil("{#A7|0|1|0|0|0|0|0|0|0|0}").isEmpty());
    sim.line.send("vm+ord=Rearme");
    EXPECT_FALSE(sim.line.readUntil("{#A7|0|0|0|0|0|0|0|0|0|0}").isEmpty());
}

TEST(SimModule, TimedScenarioStepsRunByTheClock)
{
    QTemporaryDir dir;
    const QString scenario = writeFile(dir, QStringLiteral("s.txt"),
                                       "at 0.2 stream on\n"
                                       "after 0.1 input 5 on\n"
                                       "every 0.2 text tick\n");
    START_SIM(sim, "--scenario", scenario);
    EXPECT_FALSE(sim.line.readUntil("{#8611:5}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#dtick}").isEmpty());
    EXPECT_FALSE(sim.line.readUntil("{#dtick}").isEmpty());
}

TEST(SimModule, BadScenarioLinesStopTheStartWithTheirLineNumber)
{
    const QByteArray lines[] = {
        "input 17 on",
        "at soon input 1 on",
        "output 2 sideways",
        "panel-status",
        "fault drop 2",
        "fault nonsense 1",
        "set 12345 x",
        "record not-a-record",
        "raw",
        "raw 4",
        "raw zz",
        "raw 41*0",
        "panel-bytes",
        "panel-bytes 0g",
        "teleport 3",
        "panel on-fire",
    };
    QTemporaryDir dir;
    for (const QByteArray &line : lines) {
        SCOPED_TRACE(str(line));
        const QString path = writeFile(dir, QStringLiteral("bad.txt"), "# fine\n" + line + "\n");
        SimProcess sim({QStringLiteral("--scenario"), path});
        EXPECT_FALSE(sim.ok());
        EXPECT_EQ(sim.waitForExit(), 1);
    }
}

TEST(SimModule, FaultOptionsChangeTheAnswers)
{
    struct Case {
        QStringList args;
        QByteArray command;
        QByteArray reply; // empty: no answer at all
    };
    const Case cases[] = {
        {{"--errprg", "0104"}, "vm+0104", "+0104:errprg"},
        {{"--errprg", "0104"}, "vm+0104=x", "+0104:errprg"},
        {{"--errprg", "0104"}, "vm+0103", "+0103:Instalador"},
        {{"--corrupt", "0102"}, "vm+0102=Acme", "+0102:Acm0"},
        {{"--corrupt", "0102"}, "vm+0102", "+0102:Velmar Demo"},
        {{"--drop", "1"}, "vm+ver", ""},
        {{"--silent-for", "60"}, "vm+ver", ""},
        {{"--silent-after", "0"}, "vm+ver", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString() + " " + str(c.command));
        Sim sim(c.args);
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        if (c.reply.isEmpty())
            EXPECT_EQ(str(sim.line.ask(c.command, 500)), "");
        else
            EXPECT_EQ(str(sim.line.ask(c.command)), str(c.reply));
    }
}

TEST(SimModule, SilenceAfterRepliesEndsAfterItsLength)
{
    START_SIM(sim, "--silent-after", "2", "--silent-for", "2");
    EXPECT_EQ(str(sim.line.ask("vm+0102")), "+0102:Velmar Demo");
    EXPECT_EQ(str(sim.line.ask("vm+0103")), "+0103:Instalador");
    EXPECT_EQ(str(sim.line.ask("vm+0102", 300)), "");
    // Ask again until the silence is over.
    QByteArray reply;
    for (int i = 0; i < 60 && reply.isEmpty(); ++i)
        reply = sim.line.ask("vm+0102", 250);
    EXPECT_EQ(str(reply), "+0102:Velmar Demo");
}

TEST(SimModule, DroppedRepliesFollowTheSeed)
{
    // Which of sixteen reads were answered, from the transcript: it notes
    // every reply as sent (TX) or lost (dropped) as the command is handled.
    QTemporaryDir dir;
    const auto survivors = [&dir](const QStringList &args) {
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        Sim sim(args + QStringList{QStringLiteral("--transcript"), path});
        QSet<QString> got;
        if (!sim.proc.ok())
            return got;
        for (int i = 1; i <= 16; ++i)
            sim.line.send("vm+30" + QByteArray::number(i, 16).rightJustified(2, '0').toUpper());
        const QRegularExpression outcome(QStringLiteral(" (TX|-- dropped) \\+(30[0-9A-F]{2}):"));
        for (int tries = 0; tries < 100; ++tries) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                return got;
            const QString text = QString::fromUtf8(f.readAll());
            got.clear();
            int decided = 0;
            for (auto it = outcome.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                ++decided;
                if (m.captured(1) == QLatin1String("TX"))
                    got.insert(m.captured(2));
            }
            if (decided == 16)
                break;
            sim.line.drain(100);
        }
        return got;
    };
    const QStringList args = {QStringLiteral("--drop"), QStringLiteral("0.5"), QStringLiteral("--seed"),
                              QStringLiteral("7")};
    const QSet<QString> first = survivors(args);
    EXPECT_GT(first.size(), 0);
    EXPECT_LT(first.size(), 16);
    EXPECT_EQ(survivors(args), first);
}

TEST(SimModule, NoiseComesBetweenRepliesWithoutOpeningOne)
{
    START_SIM(sim, "--noise", "8", "--seed", "3");
    sim.line.send("vm+ver");
    const QByteArray upToReply = sim.line.readUntil("+ver:");
    ASSERT_EQ(upToReply.size(), 8 + 5) << str(upToReply.toHex());
    for (char c : upToReply.left(8))
        EXPECT_TRUE(c != '+' && c != '{' && c != '}');
    EXPECT_EQ(str(sim.line.readLine()), "Velmar_v8.7 [x1.2],<1000123>,<>");
}

TEST(SimModule, RawBytesAndSlowAnswersReachTheLineAsAsked)
{
    QTemporaryDir dir;
    // NUL, a repeated byte and a line end exactly as written, after the answer.
    const QString scenario = writeFile(dir, QStringLiteral("s.txt"), "on vm+0102 raw 00 2b 41*3 0d0a\n");
    START_SIM(sim, "--scenario", scenario, "--reply-delay", "3000");
    sim.line.send("vm+0102");
    // Held back well past a prompt answer, then whole.
    EXPECT_EQ(str(sim.line.drain(300)), "");
    EXPECT_EQ(str(sim.line.readUntil("AAA\r\n", 20000)), str(QByteArray("+0102:Velmar Demo\r\n") + '\0' + "+AAA\r\n"));
}

TEST(SimModule, PacedAndSplitOutputStillCarriesWholeReplies)
{
    for (const QStringList &args : {QStringList{QStringLiteral("--baud-timing")},
                                    QStringList{QStringLiteral("--split-writes"), QStringLiteral("7")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        Sim sim(args + QStringList{QStringLiteral("--panel"), QStringLiteral("BC600")});
        ASSERT_TRUE(sim.proc.ok()) << sim.proc.errorText().toStdString();
        const QList<QByteArray> lines = sim.line.askLines("vm+Xxxx", "x:Ok", 30000);
        EXPECT_EQ(lines.size(), moduleCodes().size() + 256 + 1);
        EXPECT_EQ(str(lines.value(lines.size() - 1)), "+Xxxx:Ok");
    }
}

TEST(SimModule, TranscriptRecordsBothDirections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    {
        START_SIM(sim, "--transcript", path);
        ASSERT_FALSE(sim.line.ask("vm+ver").isEmpty());
        ASSERT_FALSE(sim.line.ask("vm+0102").isEmpty());
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    const QRegularExpression rx(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} RX vm\\+ver$"),
                                QRegularExpression::MultilineOption);
    EXPECT_TRUE(rx.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String(" TX +ver:Velmar_v8.7 [x1.2],<1000123>,<>\n")));
    EXPECT_TRUE(text.contains(QLatin1String(" TX +0102:Velmar Demo\n")));
}

TEST(SimModule, SignalsStopItCleanlyAndRemoveTheLink)
{
    for (int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyVELMAR"));
        SimProcess sim({QStringLiteral("--link"), link});
        ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.devicePath());
        {
            SimLine line(link);
            EXPECT_EQ(str(line.ask("vm+ver")), "+ver:Velmar_v8.7 [x1.2],<1000123>,<>");
        }
        sim.signal(sig);
        EXPECT_EQ(sim.waitForExit(), 0);
        EXPECT_FALSE(QFileInfo(link).isSymLink());
    }
}

TEST(SimModule, ClosingAndReopeningThePortKeepsTheLine)
{
    SimProcess sim;
    ASSERT_TRUE(sim.ok()) << sim.errorText().toStdString();
    for (int round = 0; round < 3; ++round) {
        SimLine line(sim.devicePath());
        ASSERT_TRUE(line.ok());
        EXPECT_EQ(str(line.ask("vm+0102")), "+0102:Velmar Demo") << "round " << round;
    }
}

TEST(SimModule, CommandLineIsChecked)
{
    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{"module", "--pty", "--help"}, 0},
        {{"--help"}, 0},
        {{}, 2},
        {{"module"}, 2},
        {{"gadget"}, 2},
        {{"module", "--pty", "--parts", "12"}, 2},
        {{"module", "--pty", "--period", "0"}, 2},
        {{"module", "--pty", "--errprg", "XYZ"}, 2},
        {{"module", "--pty", "--drop", "1.5"}, 2},
        {{"module", "--pty", "--id", "<1>"}, 2},
        {{"module", "--pty", "--scenario", "/nonexistent/s.txt"}, 1},
        {{"module", "--mqtt", "localhost"}, 2},
        {{"module", "--mqtt", ":1883"}, 2},
        {{"module", "--mqtt", "localhost:70000"}, 2},
        {{"module", "--mqtt", "localhost:1883", "--id", "12/+"}, 2},
        {{"module", "--mqtt", "localhost:1883", "--mqtt-drop-at", "-1"}, 2},
        {{"module", "--mqtt", "localhost:1883", "--mqtt-drop-for", "soon"}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        SimProcess sim(c.args, SimProcess::Launch::AsGiven);
        EXPECT_FALSE(sim.ok());
        EXPECT_EQ(sim.waitForExit(), c.exitCode);
    }
}

TEST(SimModule, ExampleScenariosLoad)
{
    const QDir dir(QStringLiteral(VELMAR_SIM_SCENARIOS));
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        SimProcess sim({QStringLiteral("--panel"), QStringLiteral("BC600"), QStringLiteral("--scenario"),
                        dir.filePath(file)});
        EXPECT_TRUE(sim.ok()) << sim.errorText().toStdString();
    }
}
