#include "Rig.h"

#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::Rig;

namespace {

const ChangeContext kUser{true, false};

// The user types into a box of the editor pages.
void type(Rig &r, const char *name, const QString &text)
{
    EditField *e = r.edit(name);
    e->setTextByUser(text);
    r.fields.EditChange(e, kUser);
}

// Runs TimerGravar's steps, playing a module that answers each command with
// `echo(code, value)` (no answer when it returns nothing), until the write
// ends. Returns the commands sent.
template <typename Echo>
QStringList runWrite(Rig &r, Echo echo, int maxSteps = 100)
{
    QStringList all;
    for (int step = 0; step < maxSteps && r.writer.running(); ++step) {
        r.writer.TimerGravarTimer();
        r.scheduler.advance(1000); // the pause inside the VPN pair, if any
        const QStringList words = r.sent();
        all << words;
        for (const QString &w : words) {
            const qsizetype eq = w.indexOf(u'=');
            if (!w.startsWith(u"vm+") || eq < 0)
                continue;
            const std::optional<QString> answer = echo(w.mid(3, eq - 3), w.mid(eq + 1));
            if (answer)
                r.reply(answer->toLatin1().constData());
        }
    }
    return all;
}

// A module that stores what it is given and echoes it.
std::optional<QString> faithful(const QString &code, const QString &value)
{
    return u'+' + code + u':' + value + QStringLiteral("\r\n");
}

TEST(Write, OnlyTheChangedFieldsAreSentAndEachEchoChecked)
{
    Rig r;
    r.edit("EProgRef")->setText(QStringLiteral("Old"));
    type(r, "EProgRef", QStringLiteral("New ref"));
    r.grid("SGEntrades")->load(1, 16, QStringLiteral("Door"));
    r.grid("SGEntrades")->setCell(1, 16, QStringLiteral("Gate"));
    r.grid("SGOperadores")->load(0, 3, QStringLiteral("Op"));
    r.grid("SGOperadores")->setCell(0, 3, QString()); // the row emptied
    r.fields.ncampsModificats = 3;

    r.writer.BBGravarClick();
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"});
    EXPECT_TRUE(r.view.busy());
    EXPECT_EQ(r.view.statusText(), QStringLiteral("Programando"));
    EXPECT_FALSE(r.view.commandsEnabled());
    EXPECT_EQ(r.writer.interval(), 100);

    const QStringList sent = runWrite(r, faithful);
    EXPECT_EQ(sent, QStringList({"vm+0104=New ref", "vm+8503=", "vm+3010=;;0;Gate", "vm+vEr"}));
    EXPECT_EQ(r.edit("EProgRef")->colour(), FieldColour::Window);
    EXPECT_EQ(r.edit("EProgRef")->store(), QStringLiteral("New ref"));
    EXPECT_EQ(r.grid("SGEntrades")->stored(1, 16), QStringLiteral("Gate"));
    EXPECT_FALSE(r.view.busy());
    EXPECT_TRUE(r.view.commandsEnabled());
    EXPECT_EQ(r.fields.ncampsModificats, 0);
    EXPECT_EQ(r.state.espero, QStringLiteral("+ver"));
    EXPECT_EQ(r.ident.interval(), 2000);
    EXPECT_TRUE(r.ident.active());
}

TEST(Write, NothingChangedGoesThroughEveryStageToTheEnd)
{
    Rig r;
    r.writer.BBGravarClick();
    r.sent();
    EXPECT_EQ(runWrite(r, faithful), QStringList{"vm+vEr"});
    EXPECT_EQ(r.state.puntercamp, QStringLiteral("final"));
}

TEST(Write, ThreeDifferentEchoesSkipTheFieldWhichStaysRed)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));
    type(r, "EProgTel", QStringLiteral("600"));
    r.writer.BBGravarClick();
    r.sent();
    const QStringList sent = runWrite(r, [](const QString &code, const QString &value) {
        if (code == u"0104") // the module keeps something else
            return std::optional<QString>(QStringLiteral("+0104:REF\r\n"));
        return faithful(code, value);
    });
    EXPECT_EQ(sent, QStringList({"vm+0104=Ref", "vm+0104=Ref", "vm+0104=Ref", "vm+0105=600", "vm+vEr"}));
    EXPECT_EQ(r.edit("EProgRef")->colour(), FieldColour::Changed);
    EXPECT_EQ(r.edit("EProgTel")->colour(), FieldColour::Window);
    // The end of the write says which field the module did not take.
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
    EXPECT_EQ(r.messages[0].text,
              QStringLiteral("No se han podido programar los campos marcados en rojo:\r\n0104"));
}

TEST(Write, AParameterTheModuleDoesNotKnowIsPutOutOfUse)
{
    for (const char *refusal : {"errprg", "NO_PAR"}) {
        Rig r;
        type(r, "EPinSIM", QStringLiteral("1234"));
        type(r, "EProgRef", QStringLiteral("Ref"));
        r.writer.BBGravarClick();
        r.sent();
        const QStringList sent = runWrite(r, [&](const QString &code, const QString &value) {
            if (code == u"6600")
                return std::optional<QString>(QStringLiteral("+6600:%1\r\n").arg(QLatin1String(refusal)));
            return faithful(code, value);
        });
        EXPECT_EQ(sent, QStringList({"vm+0104=Ref", "vm+6600=1234", "vm+vEr"})) << refusal;
        EditField *pin = r.edit("EPinSIM");
        EXPECT_TRUE(pin->text().isEmpty());
        EXPECT_EQ(pin->colour(), FieldColour::ButtonFace);
        EXPECT_FALSE(pin->enabled());
    }
}

TEST(Write, SixTimeOutsAbandonTheWriteSilently)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));
    type(r, "EProgTel", QStringLiteral("600"));
    r.writer.BBGravarClick();
    r.sent();
    const QStringList sent = runWrite(r, [](const QString &, const QString &) {
        return std::optional<QString>();
    });
    QStringList expected(6, QStringLiteral("vm+0104=Ref"));
    expected << QStringLiteral("vm+vEr");
    EXPECT_EQ(sent, expected);
    EXPECT_FALSE(r.writer.running());
    EXPECT_FALSE(r.view.busy());
    EXPECT_TRUE(r.view.commandsEnabled());
    EXPECT_EQ(r.ident.interval(), 1000);
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_EQ(r.edit("EProgRef")->colour(), FieldColour::Changed);
    EXPECT_EQ(r.edit("EProgTel")->colour(), FieldColour::Changed);
}

TEST(Write, VpnBoxWritesBothServerParameters)
{
    for (const bool vpn : {false, true}) {
        Rig r;
        CheckBoxField *box = r.box("CBConfigVPN");
        box->setColour(FieldColour::LightBlue);
        box->setChecked(vpn);
        r.fields.CheckBoxClick(box, kUser);
        r.fields.ConfigVPN = !vpn;
        r.writer.BBGravarClick();
        r.sent();

        r.writer.TimerGravarTimer(); // edit stage: nothing
        r.writer.TimerGravarTimer(); // combo box
        r.writer.TimerGravarTimer(); // check list
        r.writer.TimerGravarTimer(); // check box: the pair
        const QString host = vpn ? QString() : QStringLiteral("mqtt.public.test");
        EXPECT_EQ(r.sent(), QStringList{"vm+0301=" + host});
        r.scheduler.advance(999);
        EXPECT_TRUE(r.sent().isEmpty());
        r.scheduler.advance(1);
        EXPECT_EQ(r.sent(), QStringList{"vm+0309=" + host});
        EXPECT_EQ(r.fields.ConfigVPN, vpn);
        r.reply(QByteArray("+0309:" + host.toLatin1() + "\r\n").constData());
        EXPECT_EQ(runWrite(r, faithful), QStringList{"vm+vEr"});
        EXPECT_EQ(box->colour(), FieldColour::LightBlue) << vpn;
    }
}

TEST(Write, RecordCodesCountInHexadecimal)
{
    Rig r;
    r.grid("SGEntradesOpc")->setCell(4, 10, QStringLiteral("Texto"));
    r.grid("SGBoto4")->setCell(2, 4, QStringLiteral("3"));
    r.writer.BBGravarClick();
    r.sent();
    EXPECT_EQ(runWrite(r, faithful),
              QStringList({"vm+320A=;;;;Texto", "vm+401F=0;3;;", "vm+vEr"}));
}

// Three wrong echoes give up one record only: the other changed rows of the
// same grid and of the grids after it are still written, and the user is
// told at the end which records stayed unwritten (they stay red).
TEST(Write, AGridRowEchoedDifferentlyThreeTimesSkipsOnlyThatRow)
{
    const struct {
        const char *name;
        QStringList refused; // codes whose echo the module garbles
        QStringList sent;
        QString unwritten;
    } cases[] = {
        {"first row of a grid", {"8502"},
         {"vm+8502=;apn;;", "vm+8502=;apn;;", "vm+8502=;apn;;", "vm+8505=;apn5;;", "vm+3001=;;0;Door",
          "vm+vEr"},
         "8502"},
        {"last changed row of a grid", {"8505"},
         {"vm+8502=;apn;;", "vm+8505=;apn5;;", "vm+8505=;apn5;;", "vm+8505=;apn5;;", "vm+3001=;;0;Door",
          "vm+vEr"},
         "8505"},
        {"rows of two grids", {"8502", "3001"},
         {"vm+8502=;apn;;", "vm+8502=;apn;;", "vm+8502=;apn;;", "vm+8505=;apn5;;", "vm+3001=;;0;Door",
          "vm+3001=;;0;Door", "vm+3001=;;0;Door", "vm+vEr"},
         "8502, 3001"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.grid("SGOperadores")->setCell(1, 2, QStringLiteral("apn"));
        r.grid("SGOperadores")->setCell(1, 5, QStringLiteral("apn5"));
        r.grid("SGEntrades")->setCell(1, 1, QStringLiteral("Door"));
        r.writer.BBGravarClick();
        r.sent();
        const QStringList sent = runWrite(r, [&](const QString &code, const QString &value) {
            if (c.refused.contains(code))
                return std::optional<QString>(u'+' + code + QStringLiteral(":x;y;z;w\r\n"));
            return faithful(code, value);
        });
        EXPECT_EQ(sent, c.sent);
        GridModel *ops = r.grid("SGOperadores");
        EXPECT_EQ(ops->cellDiffers(1, 2), c.refused.contains(QStringLiteral("8502")));
        EXPECT_EQ(ops->cellDiffers(1, 5), c.refused.contains(QStringLiteral("8505")));
        EXPECT_EQ(r.grid("SGEntrades")->cellDiffers(1, 1), c.refused.contains(QStringLiteral("3001")));
        EXPECT_FALSE(r.view.busy());
        ASSERT_EQ(r.messages.size(), 1);
        EXPECT_EQ(r.messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
        EXPECT_EQ(r.messages[0].text,
                  QStringLiteral("No se han podido programar los campos marcados en rojo:\r\n")
                      + c.unwritten);
    }
}

TEST(Write, AWriteThatTookEveryValueSaysNothing)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));
    r.grid("SGOperadores")->setCell(1, 2, QStringLiteral("apn"));
    r.writer.BBGravarClick();
    r.sent();
    runWrite(r, faithful);
    EXPECT_TRUE(r.messages.isEmpty());
    // Nor does the next write repeat an earlier one's failures.
    type(r, "EProgTel", QStringLiteral("600"));
    r.writer.BBGravarClick();
    r.sent();
    runWrite(r, [](const QString &code, const QString &) {
        return std::optional<QString>(u'+' + code + QStringLiteral(":other\r\n"));
    });
    ASSERT_EQ(r.messages.size(), 1);
    r.edit("EProgTel")->setText(QStringLiteral("600"));
    r.writer.BBGravarClick();
    r.sent();
    runWrite(r, faithful);
    EXPECT_EQ(r.messages.size(), 1);
}

TEST(Write, PageWriteSendsOnlyThePageShown)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));          // PConfig
    type(r, "EEMailSMTP", QStringLiteral("smtp.test"));  // PConfigSoft
    r.view.setCurrentTab(QStringLiteral("TSConfigSoft"));
    r.writer.BBGravarPagClick();
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"});
    EXPECT_EQ(r.state.camp_final, 0);
    EXPECT_EQ(runWrite(r, faithful), QStringList({"vm+2001=smtp.test", "vm+vEr"}));
    EXPECT_EQ(r.edit("EProgRef")->colour(), FieldColour::Changed);
}

TEST(Write, GuardsOfTheWrite)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));
    r.view.setBusy(true);
    r.writer.BBGravarClick();
    EXPECT_FALSE(r.writer.running());
    r.view.setBusy(false);
    r.state.protegit = true;
    QSignalSpy access(&r.view, &ProgrammingState::accessPanelShown);
    r.writer.BBGravarClick();
    r.writer.MIIDefecteClick();
    EXPECT_EQ(access.count(), 2);
    EXPECT_FALSE(r.writer.running());
    EXPECT_TRUE(r.sent().isEmpty());
}

TEST(FactoryReset, ConfirmedResetIsFollowedByAFullRead)
{
    Rig r;
    r.view.panelmostrat = ProgrammingState::estat();
    r.writer.MIIDefecteClick();
    ASSERT_EQ(r.answers.asked.size(), 1);
    const Question &q = r.answers.asked[0];
    EXPECT_EQ(q.title, QStringLiteral("CONFIRMACION"));
    EXPECT_EQ(q.text, QStringLiteral("Se borrarán los valores actuales y se restaurarán los valores "
                                     "de fábrica\r\n\r\n¿Está  usted de acuerdo?"));
    EXPECT_EQ(q.yes, QStringLiteral("     Sí    "));
    EXPECT_EQ(q.no, QStringLiteral("    No    "));
    EXPECT_TRUE(r.view.programmingShown()); // shown without a read
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"});
    EXPECT_EQ(r.view.statusText(), QStringLiteral("Restaurando"));

    r.writer.TimerGravarTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx=0"});
    r.reply("+Xxxx:Initialized\r\n");
    EXPECT_FALSE(r.writer.timerActive());
    EXPECT_TRUE(r.view.busy()); // the read that follows takes over
    r.scheduler.advance(4999);
    EXPECT_TRUE(r.sent().isEmpty());
    r.scheduler.advance(1);
    EXPECT_EQ(r.sent(), QStringList{"vm+inf"});
    r.scheduler.advance(1000);
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx"});
    r.reply("+Xxxx:Ok\r\n");
    EXPECT_FALSE(r.view.busy());
    EXPECT_TRUE(r.messages.isEmpty());
}

TEST(FactoryReset, AnsweredNoSendsNothing)
{
    Rig r;
    r.answers.answer = false;
    r.writer.MIIDefecteClick();
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_FALSE(r.writer.running());
}

TEST(FactoryReset, ThreeRoundsWithoutSuccessReportTheFailure)
{
    Rig r;
    r.writer.GravarperDefecte();
    r.sent();
    r.writer.TimerGravarTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx=0"});
    r.writer.TimerGravarTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx=0"});
    r.writer.TimerGravarTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+Xxxx=0"});
    EXPECT_TRUE(r.messages.isEmpty());
    r.writer.TimerGravarTimer();
    EXPECT_EQ(r.sent(), QStringList{"vm+vEr"});
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages[0].title, QStringLiteral("¡ ATENCIÓN !"));
    EXPECT_EQ(r.messages[0].text, QStringLiteral("No se han podido restaurar los valores de fábrica"));
    EXPECT_FALSE(r.writer.running());
    EXPECT_FALSE(r.view.busy());
    EXPECT_EQ(r.ident.interval(), 1000);
}

TEST(FactoryReset, ARefusalFromTheModuleCountsAsAFailedRound)
{
    Rig r;
    r.writer.GravarperDefecte();
    r.sent();
    for (int round = 0; round < 3; ++round) {
        r.writer.TimerGravarTimer();
        r.sent();
        r.state.StrCom = QStringLiteral("+xxxx:errprg\r"); // an answer that is not "Initialized"
        r.writer.TimerGravarTimer();
    }
    EXPECT_EQ(r.messages.size(), 1);
    EXPECT_FALSE(r.writer.running());
}

TEST(Write, ErasedReplyStopsTheWriteAndFreesTheWindow)
{
    Rig r;
    type(r, "EProgRef", QStringLiteral("Ref"));
    r.writer.BBGravarClick();
    r.writer.TimerGravarTimer();
    r.sent();
    r.reply("+80xy:Erased\r\n");
    EXPECT_FALSE(r.writer.running());
    EXPECT_FALSE(r.view.busy());
    EXPECT_TRUE(r.view.commandsEnabled());
}

// The time-outs of a write and of a page read must not expire early: a
// coarse timer may fire up to 5 % before its interval.
TEST(Timers, WriteAndPageReadTimeOutsArePrecise)
{
    Rig r;
    const std::pair<const QObject *, const char *> timers[] = {{&r.writer, "TimerGravar"},
                                                               {&r.reader, "TimerLlegir"}};
    for (const auto &[cycle, name] : timers) {
        const auto *timer = cycle->findChild<QTimer *>(QString::fromLatin1(name));
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer) << name;
    }
}

} // namespace
