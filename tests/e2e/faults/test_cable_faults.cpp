// The real window against a simulated module that misbehaves on the cable:
// it vanishes in the middle of a cycle and comes back on the same port, it
// puts garbage on the line, it answers slowly.
#include "ui/shell/MainWindow.h"

#include "Cable.h"
#include "support/Wait.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>

using namespace velmar;
using namespace velmar::ui;
using velmar::test::Cable;
using velmar::test::waitFor;

namespace {

// The user's changes of the write cases: field, typed value.
const std::pair<const char *, const char *> kChanges[] = {
    {"EProgEmpresa", "Empresa 2"}, {"EProgInstal", "Instal 2"}, {"EProgRef", "Obra 2"}, {"EProgTel", "600100200"}};

bool marked(Cable &c, const char *field)
{
    return c.w->engine().fields.edit(QString::fromLatin1(field))->isChangedMark();
}

void type(Cable &c, const char *field, const char *text)
{
    auto *edit = c.find<QLineEdit>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

// The status commands come back a moment after recognition.
bool clickWhenEnabled(Cable &c, const char *button)
{
    auto *b = c.find<QPushButton>(button);
    if (!waitFor([&] { return b->isEnabled(); }, 15000))
        return false;
    b->click();
    return true;
}

// "Prog." on a module not read yet reads it whole.
bool readThroughProg(Cable &c)
{
    const Engine &e = c.w->engine();
    if (!clickWhenEnabled(c, "BBProg"))
        return false;
    return waitFor([&] { return e.programming.progllegida && !e.programming.busy(); }, 30000)
           && c.find<QLineEdit>("EProgEmpresa")->text() == QLatin1String("Velmar Demo");
}

bool settled(Cable &c)
{
    const Engine &e = c.w->engine();
    return waitFor([&] { return c.linked() && e.state.inf; }, 20000);
}

qsizetype count(const QStringList &lines, const QString &line)
{
    return std::count(lines.begin(), lines.end(), line);
}

// --- the module vanishes ------------------------------------------------------

enum class Cycle { FullRead, Write, PageRead, Idle };

struct Vanish {
    const char *name;
    Cycle cycle;
    // Slows the module down once the cycle has begun, so that it can be
    // pulled out midway.
    QStringList scenario;
    // Starts the cycle through the window.
    std::function<void(Cable &)> start;
    // The cycle is under way: the cable is pulled now.
    std::function<bool(Cable &)> midway;
    // The module stops dead instead, its port left in place, and later
    // carries on where it stopped.
    bool frozen = false;
};

// The full read of the cases below, slowed down once it has begun.
const QStringList kSlowDump = {QStringLiteral("on vm+inf fault split-writes 16"),
                               QStringLiteral("on vm+inf fault split-gap 20")};

void startFullRead(Cable &c)
{
    ASSERT_TRUE(clickWhenEnabled(c, "BBProg"));
}

bool midFullRead(Cable &c)
{
    return c.w->engine().reader.fullReadRunning() && !c.find<QLineEdit>("EProgEmpresa")->text().isEmpty();
}

const Vanish kVanishes[] = {
    {"FullRead", Cycle::FullRead, kSlowDump, startFullRead, midFullRead},
    {"Write", Cycle::Write,
     // The first value is echoed at once, the rest only much later.
     {QStringLiteral("on vm+0102=* fault reply-delay 8000")},
     [](Cable &c) {
         ASSERT_TRUE(readThroughProg(c));
         for (const auto &[field, text] : kChanges)
             type(c, field, text);
         ASSERT_EQ(c.w->engine().fields.ncampsModificats, 4);
         c.find<QPushButton>("BBGravar")->click();
     },
     [](Cable &c) {
         if (marked(c, "EProgEmpresa"))
             return false;
         for (const QString &line : c.received())
             if (line.startsWith(QLatin1String("vm+0103=")))
                 return true;
         return false;
     }},
    {"PageRead", Cycle::PageRead,
     {QStringLiteral("on vm+Xxxx fault split-writes 4"), QStringLiteral("on vm+Xxxx fault split-gap 50")},
     [](Cable &c) {
         ASSERT_TRUE(readThroughProg(c));
         c.find<QPushButton>("BBLlegirPag")->click();
         ASSERT_TRUE(c.w->engine().reader.timerActive());
     },
     [](Cable &c) {
         // The page's first values asked for and answered.
         return c.w->engine().reader.timerActive() && !c.find<QLineEdit>("EProgEmpresa")->text().isEmpty()
                && !c.find<QLineEdit>("EProgInstal")->text().isEmpty();
     }},
    // Half a record on the line, and then nothing more from that module:
    // the status page's poll is answered with records, the stream is off
    // from then on, and the last record stops halfway.
    {"HalfRecord", Cycle::Idle,
     {QStringLiteral("on vm+Inf stream off"), QStringLiteral("on vm+Inf raw 7b2330313231")}, [](Cable &) {},
     [](Cable &c) {
         for (const auto &l : c.lines())
             if (l.kind == QLatin1String("--") && l.text.startsWith(QLatin1String("raw ")))
                 return true;
         return false;
     }},
    {"FrozenMidFullRead", Cycle::FullRead, kSlowDump, startFullRead, midFullRead, true},
};

void PrintTo(const Vanish &v, std::ostream *os)
{
    *os << v.name;
}

class ModuleVanishes : public ::testing::TestWithParam<Vanish> {};

TEST_P(ModuleVanishes, MidCycleAndIsFoundAgainOnThePort)
{
    const Vanish &v = GetParam();
    Cable c({}, v.scenario);
    ASSERT_TRUE(c.sim->ok()) << c.sim->errorText().toStdString();
    MainWindow &w = *c.w;
    Engine &e = w.engine();
    ASSERT_TRUE(settled(c));

    QStringList messages;
    QObject::connect(&e.monitor, &StatusMonitor::timedError, [&](const QString &text) { messages << text; });

    v.start(c);
    if (::testing::Test::HasFatalFailure())
        return;
    ASSERT_TRUE(waitFor([&] { return v.midway(c); }, 30000)) << c.received().join(u' ').toStdString();
    if (v.frozen)
        c.sim->signal(SIGSTOP);
    else
        c.pull();

    // The loss as the window shows it: no cycle left running, the window
    // free again, the status page in front, no module linked.
    ASSERT_TRUE(waitFor([&] { return !e.state.circuittrobat && !e.programming.busy(); }, 30000));
    EXPECT_TRUE(waitFor([&] { return w.statusText() == QStringLiteral("SIN   CONEXION"); }, 15000))
        << w.statusText().toStdString();
    EXPECT_FALSE(e.reader.fullReadRunning());
    EXPECT_FALSE(e.reader.timerActive());
    EXPECT_FALSE(e.writer.running());
    EXPECT_FALSE(w.programmingShown());
    // A module that falls silent is reported by the watchdog, once.
    if (v.frozen)
        EXPECT_EQ(messages.count(StatusMonitor::linkCutText()), 1) << messages.join(u'|').toStdString();

    if (v.cycle == Cycle::Write) {
        // Only the echoed value counts as written; the others keep their
        // text and their red mark.
        EXPECT_FALSE(marked(c, "EProgEmpresa"));
        for (const auto &[field, text] : kChanges) {
            if (QLatin1String(field) == QLatin1String("EProgEmpresa"))
                continue;
            EXPECT_TRUE(marked(c, field)) << field;
            EXPECT_EQ(c.find<QLineEdit>(field)->text(), QLatin1String(text)) << field;
        }
    }

    // A module on the port again: it is found without the user's help.
    if (v.frozen)
        c.sim->signal(SIGCONT);
    else
        ASSERT_TRUE(c.plugIn());
    ASSERT_TRUE(waitFor([&] { return c.linked(); }, 40000)) << c.received().join(u' ').toStdString();

    if (v.cycle == Cycle::Write) {
        // "Programar el circuito" writes what the lost module never echoed.
        c.find<QAction>("MIGravarCircuit")->trigger();
        ASSERT_TRUE(waitFor([&] { return !e.writer.running() && e.fields.ncampsModificats == 0; }, 30000))
            << c.received().join(u' ').toStdString();
        const QStringList rx = c.received();
        for (const auto &[field, text] : kChanges) {
            const bool echoedBefore = QLatin1String(field) == QLatin1String("EProgEmpresa");
            bool sent = false;
            for (const QString &line : rx)
                sent = sent || line.endsWith(u'=' + QLatin1String(text));
            EXPECT_EQ(sent, !echoedBefore) << field << ": " << rx.join(u' ').toStdString();
            EXPECT_FALSE(marked(c, field)) << field;
        }
    } else if (!v.frozen) {
        // The pages can be read from the new module. (A thawed module first
        // sends the rest of the dump it was in, and nothing tells its end
        // line from that of a new read: it is not read again here.)
        EXPECT_TRUE(readThroughProg(c)) << c.received().join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cable, ModuleVanishes, ::testing::ValuesIn(kVanishes),
                         [](const ::testing::TestParamInfo<Vanish> &i) { return std::string(i.param.name); });

// --- garbage on the line --------------------------------------------------------

struct Garbage {
    const char *name;
    QStringList simArgs;
    QStringList scenario;
    // The simulator's note of the garbage going out ("noise ..", "raw ..").
    const char *note;
};

// Each read and write begins by switching the stream off: the garbage
// arrives then, just before the replies the cycle waits for.
const Garbage kGarbage[] = {
    {"RandomBytesBeforeEveryReply", {QStringLiteral("--noise"), QStringLiteral("48"), QStringLiteral("--seed"), QStringLiteral("5")}, {}, "noise "},
    {"OverlongReply", {}, {QStringLiteral("on vm+inf raw 2b303130323a 41*25000 0d0a")}, "raw "},
    {"RepliesWithNul", {}, {QStringLiteral("on vm+inf raw 2b303130323a 410042 0d0a 7b236400787d 0d0a 2b30313034 00 3a 0d0a")}, "raw "},
    {"LoneTerminatorsAndBraces", {}, {QStringLiteral("on vm+inf raw 0d*50 7d*50 0a 2b 0d 7b 7d")}, "raw "},
};

void PrintTo(const Garbage &g, std::ostream *os)
{
    *os << g.name;
}

class LineGarbage : public ::testing::TestWithParam<Garbage> {};

TEST_P(LineGarbage, IsSkippedAndTheNextGoodReplyIsTaken)
{
    const Garbage &g = GetParam();
    Cable c(g.simArgs, g.scenario);
    ASSERT_TRUE(c.sim->ok()) << c.sim->errorText().toStdString();
    Engine &e = c.w->engine();
    ASSERT_TRUE(settled(c));

    ASSERT_TRUE(readThroughProg(c)) << c.received().join(u' ').toStdString();
    EXPECT_EQ(e.fields.grid(u"SGOperadores")->cell(0, 3), QStringLiteral("Orange"));

    type(c, "EProgRef", "Obra 9");
    c.find<QPushButton>("BBGravar")->click();
    ASSERT_TRUE(waitFor([&] { return !e.writer.running() && e.fields.ncampsModificats == 0; }, 30000))
        << c.received().join(u' ').toStdString();
    EXPECT_FALSE(marked(c, "EProgRef"));
    EXPECT_EQ(count(c.received(), QStringLiteral("vm+0104=Obra 9")), 1);
    EXPECT_TRUE(c.linked());
    qsizetype garbage = 0;
    for (const auto &l : c.lines())
        garbage += l.kind == QLatin1String("--") && l.text.startsWith(QLatin1String(g.note));
    EXPECT_GE(garbage, 2) << "the garbage went out during the read and the write";
}

INSTANTIATE_TEST_SUITE_P(Cable, LineGarbage, ::testing::ValuesIn(kGarbage),
                         [](const ::testing::TestParamInfo<Garbage> &i) { return std::string(i.param.name); });

// --- a slow module ------------------------------------------------------------

TEST(SlowModule, CompletesAFullReadAndAWrite)
{
    // The byte rate of the real cable, and a pause before every answer that
    // stays inside the cycles' time-outs.
    Cable c({QStringLiteral("--baud-timing"), QStringLiteral("--reply-delay"), QStringLiteral("1200")});
    ASSERT_TRUE(c.sim->ok()) << c.sim->errorText().toStdString();
    Engine &e = c.w->engine();
    ASSERT_TRUE(settled(c));

    ASSERT_TRUE(readThroughProg(c)) << c.received().join(u' ').toStdString();
    EXPECT_EQ(count(c.received(), QStringLiteral("vm+Xxxx")), 1);

    for (const auto &[field, text] : kChanges)
        type(c, field, text);
    c.find<QPushButton>("BBGravar")->click();
    ASSERT_TRUE(waitFor([&] { return !e.writer.running() && e.fields.ncampsModificats == 0; }, 60000))
        << c.received().join(u' ').toStdString();
    const QStringList rx = c.received();
    for (const auto &[field, text] : kChanges) {
        EXPECT_FALSE(marked(c, field)) << field;
        // The stream-off answer holds the first echo back past its time-out,
        // so a value may go twice; it must go, and be echoed.
        bool sent = false;
        for (const QString &line : rx)
            sent = sent || line.endsWith(u'=' + QLatin1String(text));
        EXPECT_TRUE(sent) << field << ": " << rx.join(u' ').toStdString();
    }
    EXPECT_TRUE(c.linked());
}

} // namespace
