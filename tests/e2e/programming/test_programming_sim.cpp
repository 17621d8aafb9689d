// The program's core (the engine of one window) reading and writing the
// programming of velmar-sim over a real pseudo-terminal. The simulator's
// transcript shows what crossed the line.

#include "core/shell/Engine.h"

#include "support/SimProcess.h"
#include "support/Wait.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

struct Yes : Prompts {
    QList<Question> asked;
    bool ask(const Question &q) override
    {
        asked << q;
        return true;
    }
};

Endpoints testEndpoints()
{
    Endpoints e;
    e.publicMqttHost = QStringLiteral("mqtt.public.test");
    return e;
}

// A simulated module with a transcript, and one window's engine linked to it.
class Session {
public:
    explicit Session(const QStringList &scenario = {}, const QStringList &extra = {})
        : m_sim(arguments(scenario, extra))
    {
        engine.programming.setPrompts(&yes);
        QObject::connect(&engine.programming, &ProgrammingState::message, &engine,
                         [this](const QString &, const QString &text, const QString &, int) {
                             messages << text;
                         });
    }

    bool started() const { return m_sim.ok(); }
    QString error() const { return m_sim.errorText(); }

    // The first probe at start-up, then identification and the stream (a
    // locked module refuses the stream).
    bool link(bool stream = true)
    {
        engine.channel.probe(m_sim.devicePath());
        return waitFor([this, stream] {
            return engine.identification.connectedShown() && (engine.state.inf || !stream);
        }, 10000);
    }

    // Waits for a full read (or the end of a write) to be over.
    bool readDone()
    {
        return waitFor([this] {
            return engine.programming.progllegida && !engine.programming.busy()
                   && !engine.reader.fullReadRunning();
        }, 15000);
    }
    bool writeDone()
    {
        return waitFor([this] { return !engine.writer.running(); }, 15000);
    }
    // Runs a whole write ("Programar") to its end; the lines the module
    // received for it, from "vm+inf" to the closing "vm+vEr" (empty when it
    // did not end).
    QStringList write()
    {
        const qsizetype mark = received().size();
        engine.writer.BBGravarClick();
        const auto lines = [&] { return receivedBetween(mark, QStringLiteral("vm+inf"), QStringLiteral("vm+vEr")); };
        if (!writeDone() || !waitFor([&] { return lines().endsWith(QStringLiteral("vm+vEr")); }))
            return {};
        return lines();
    }

    // Lines the simulator received, from the given position on.
    QStringList received(qsizetype from = 0) const
    {
        return SimProcess::receivedLines(m_dir.filePath(QStringLiteral("transcript.txt"))).mid(from);
    }
    // Waits until the simulator has received `line` after position `from`.
    bool receives(const QString &line, qsizetype from = 0)
    {
        return waitFor([&] { return received(from).contains(line); }, 10000);
    }
    // The lines received after `from`, from the first `first` up to the
    // next `last`, both included.
    QStringList receivedBetween(qsizetype from, const QString &first, const QString &last) const
    {
        QStringList out;
        for (const QString &l : received(from)) {
            if (out.isEmpty() && l != first)
                continue;
            out << l;
            if (l == last)
                break;
        }
        return out;
    }

    EditField *edit(const char *name) { return engine.fields.edit(QString::fromLatin1(name)); }
    GridModel *grid(const char *name) { return engine.fields.grid(QString::fromLatin1(name)); }
    QStringList row(const char *name, int r, int from = 0)
    {
        QStringList cells;
        for (int c = from; c < grid(name)->columns(); ++c)
            cells << grid(name)->cell(c, r);
        return cells;
    }

    Engine engine{testEndpoints()};
    Yes yes;
    QStringList messages;

private:
    QStringList arguments(const QStringList &scenario, const QStringList &extra)
    {
        QStringList args{QStringLiteral("--transcript"), m_dir.filePath(QStringLiteral("transcript.txt"))};
        if (!scenario.isEmpty()) {
            QFile f(m_dir.filePath(QStringLiteral("scenario.txt")));
            if (f.open(QIODevice::WriteOnly))
                f.write((scenario.join(u'\n') + u'\n').toUtf8());
            args << QStringLiteral("--scenario") << f.fileName();
        }
        return args + extra;
    }

    QTemporaryDir m_dir;
    SimProcess m_sim;
};

const ChangeContext kUser{true, false};

#define START(s)                                                                                   \
    ASSERT_TRUE((s).started()) << (s).error().toStdString();                                       \
    ASSERT_TRUE((s).link())

TEST(ProgrammingSim, IdentificationThenTheStream)
{
    Session s;
    START(s);
    const QStringList rx = s.received();
    ASSERT_GE(rx.size(), 2);
    EXPECT_EQ(rx.first(), QStringLiteral("vm+ver"));
    EXPECT_TRUE(rx.contains(QStringLiteral("vm+INf")));
    EXPECT_EQ(s.engine.state.identConnectar, QStringLiteral("1000123"));
}

TEST(ProgrammingSim, FullReadFillsTheModulesPages)
{
    Session s({QStringLiteral("set 3010 10;3;0;Door"), QStringLiteral("set 3301 0101000000"),
               QStringLiteral("set 850A Op10;apn10;u10;p10"), QStringLiteral("set 8510 Op16;apn16;u16;p16")});
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit("EProgEmpresa")->text(), QStringLiteral("Velmar Demo"));
    EXPECT_EQ(s.row("SGEntrades", 16, 1), QStringList({"Door", "10", "3", "0"}));
    EXPECT_EQ(s.row("SGEntrades", 1, 1), QStringList({"Entrada 1", "0", "0", "0"}));
    EXPECT_EQ(s.row("SGSortides", 1, 1), QStringList({"0", "1", "0", "1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(s.row("SGOperadores", 10), QStringList({"Op10", "apn10", "u10", "p10"}));
    EXPECT_EQ(s.row("SGOperadores", 16), QStringList({"Op16", "apn16", "u16", "p16"}));
    EXPECT_EQ(s.row("SGOperadores", 4), QStringList({"Yoigo", "internet", "", ""}));
    EXPECT_EQ(s.row("SGAlim", 1), QStringList({"Alimentación", "93", "102", "30", "30", "0"}));
    EXPECT_TRUE(s.engine.fields.checkBox(u"CBConfigVPN")->checked()); // 0301 and 0309 empty
    // The dump was asked for once, and identification took over after it.
    EXPECT_EQ(s.received().count(QStringLiteral("vm+Xxxx")), 1);
    EXPECT_TRUE(waitFor([&] {
        return s.receivedBetween(0, QStringLiteral("vm+Xxxx"), QStringLiteral("vm+vEr"))
            .endsWith(QStringLiteral("vm+vEr"));
    }));
    EXPECT_TRUE(s.messages.isEmpty());
}

TEST(ProgrammingSim, WritingSendsExactlyTheChangedFieldsAndChecksTheirEchoes)
{
    Session s;
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    ASSERT_EQ(s.row("SGOperadores", 3), QStringList({"Orange", "orangeworld", "orange", "orange"}));

    EditField *ref = s.edit("EProgRef");
    ref->setTextByUser(QStringLiteral("Obra 7"));
    s.engine.fields.EditChange(ref, kUser);
    s.grid("SGEntrades")->setCell(1, 3, QStringLiteral("Puerta"));
    for (int c = 0; c < 4; ++c)
        s.grid("SGOperadores")->setCell(c, 3, QString());

    EXPECT_EQ(s.write(),
              QStringList({"vm+inf", "vm+0104=Obra 7", "vm+8503=", "vm+3003=0;0;0;Puerta", "vm+vEr"}));
    EXPECT_EQ(ref->colour(), FieldColour::Window);
    EXPECT_FALSE(s.grid("SGEntrades")->cellDiffers(1, 3));
    EXPECT_FALSE(s.engine.programming.busy());
    EXPECT_TRUE(s.messages.isEmpty());

    // Read back: the module kept what was written.
    s.engine.programming.progllegida = false;
    s.engine.reader.BBLlegirClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit("EProgRef")->text(), QStringLiteral("Obra 7"));
    EXPECT_EQ(s.row("SGOperadores", 3), QStringList({"", "", "", ""}));
    EXPECT_EQ(s.grid("SGEntrades")->cell(1, 3), QStringLiteral("Puerta"));
}

// A module that garbles the echo of one input record: the write gives that
// record up after three tries, still writes the other changed rows of the
// grid and the fields after it, and says at the end which record failed.
TEST(ProgrammingSim, ARecordWhoseEchoIsWrongIsReportedAndTheRestIsWritten)
{
    Session s({}, {QStringLiteral("--corrupt"), QStringLiteral("3003")});
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    GridModel *inputs = s.grid("SGEntrades");
    inputs->setCell(1, 3, QStringLiteral("Puerta"));
    inputs->setCell(1, 7, QStringLiteral("Ventana"));
    s.grid("SGSortidesTemps")->setCell(1, 2, QStringLiteral("Sirena"));

    EXPECT_EQ(s.write(),
              QStringList({"vm+inf", "vm+3003=0;0;0;Puerta", "vm+3003=0;0;0;Puerta", "vm+3003=0;0;0;Puerta",
                           "vm+3007=0;0;0;Ventana", "vm+3322=0;0;0;0;Sirena", "vm+vEr"}));
    EXPECT_TRUE(inputs->cellDiffers(1, 3)); // still red
    EXPECT_FALSE(inputs->cellDiffers(1, 7));
    EXPECT_FALSE(s.grid("SGSortidesTemps")->cellDiffers(1, 2));
    EXPECT_FALSE(s.engine.programming.busy());
    EXPECT_EQ(s.messages,
              QStringList{QStringLiteral("No se han podido programar los campos marcados en rojo:\r\n3003")});
}

TEST(ProgrammingSim, LeavingVpnWritesThePublicServerIntoBothParameters)
{
    Session s;
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    CheckBoxField *vpn = s.engine.fields.checkBox(u"CBConfigVPN");
    ASSERT_TRUE(vpn->checked());
    vpn->setChecked(false);
    s.engine.fields.CheckBoxClick(vpn, kUser);

    EXPECT_EQ(s.write(),
              QStringList({"vm+inf", "vm+0301=mqtt.public.test", "vm+0309=mqtt.public.test", "vm+vEr"}));
    EXPECT_EQ(vpn->colour(), FieldColour::LightBlue);

    s.engine.programming.progllegida = false;
    s.engine.reader.BBLlegirClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_FALSE(s.engine.fields.ConfigVPN);
    EXPECT_FALSE(vpn->checked());
}

TEST(ProgrammingSim, ALockedModuleAsksForTheCodeAndTheRightOneOpensIt)
{
    Session s({}, {QStringLiteral("--lock"), QStringLiteral("4321")});
    ASSERT_TRUE(s.started()) << s.error().toStdString();
    ASSERT_TRUE(s.link(false));
    ASSERT_TRUE(waitFor([&] { return s.engine.state.protegit; }));
    QSignalSpy access(&s.engine.programming, &ProgrammingState::accessPanelShown);
    s.engine.reader.BBLlegirClick();
    EXPECT_EQ(access.count(), 1);
    EXPECT_FALSE(s.engine.reader.fullReadRunning());

    // A wrong code leaves it locked.
    const qsizetype mark = s.received().size();
    s.engine.commands.BBDesbloqueigAcceptarClick(QStringLiteral("9999"));
    ASSERT_TRUE(s.receives(QStringLiteral("vm+INf"), mark));
    // Polls may interleave; the code goes out before the stream request.
    const QStringList sent = s.received(mark);
    EXPECT_LT(sent.indexOf(QStringLiteral("vm+cdp=9999")), sent.indexOf(QStringLiteral("vm+INf")));
    EXPECT_GE(sent.indexOf(QStringLiteral("vm+cdp=9999")), 0);
    waitFor([] { return false; }, 300); // the module's answer
    EXPECT_TRUE(s.engine.state.protegit);

    s.engine.commands.BBDesbloqueigAcceptarClick(QStringLiteral("4321"));
    ASSERT_TRUE(waitFor([&] { return !s.engine.state.protegit; }));
    s.engine.reader.BBLlegirClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit("EProgEmpresa")->text(), QStringLiteral("Velmar Demo"));
    EXPECT_EQ(s.edit("ECodiProg")->text(), QStringLiteral("4321"));
}

TEST(ProgrammingSim, FactoryResetEndsInANewFullRead)
{
    Session s({QStringLiteral("set 0102 Cambiada")});
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    ASSERT_EQ(s.edit("EProgEmpresa")->text(), QStringLiteral("Cambiada"));

    const qsizetype mark = s.received().size();
    s.engine.writer.MIIDefecteClick();
    ASSERT_EQ(s.yes.asked.size(), 1);
    ASSERT_TRUE(s.receives(QStringLiteral("vm+Xxxx=0"), mark));
    ASSERT_TRUE(s.receives(QStringLiteral("vm+Xxxx"), mark)); // the read after the pause
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit("EProgEmpresa")->text(), QStringLiteral("Velmar Demo"));
    EXPECT_TRUE(s.messages.isEmpty());
}

TEST(ProgrammingSim, ASilentModuleEndsAPageReadAfterSixRoundsWithoutAMessage)
{
    Session s({QStringLiteral("on vm+0104 silent 60")});
    START(s);
    s.engine.programming.setCurrentTab(QStringLiteral("TSConfiguracio"));
    const qsizetype mark = s.received().size();
    s.engine.reader.BBLlegirPagClick();
    ASSERT_TRUE(s.receives(QStringLiteral("vm+0105"), mark));
    EXPECT_EQ(s.receivedBetween(mark, QStringLiteral("vm+0102"), QStringLiteral("vm+0105")),
              QStringList({"vm+0102", "vm+0103", "vm+0104", "vm+0105"}));
    // Nothing comes back: each round of TimerLlegir is a time-out.
    waitFor([] { return false; }, 300);
    for (int round = 1; round < 6; ++round) {
        s.engine.reader.TimerLlegirTimer();
        EXPECT_TRUE(s.engine.reader.timerActive()) << round;
    }
    s.engine.reader.TimerLlegirTimer();
    EXPECT_FALSE(s.engine.reader.timerActive());
    EXPECT_FALSE(s.engine.programming.busy());
    EXPECT_FALSE(s.engine.state.llegirpag);
    // The module hears each round's request (a poll may come in between).
    EXPECT_TRUE(waitFor([&] { return s.received(mark).count(QStringLiteral("vm+0105")) >= 6; }, 10000));
    EXPECT_EQ(s.received(mark).count(QStringLiteral("vm+0105")), 6);
    EXPECT_TRUE(s.messages.isEmpty());
    // What came before the silence stays.
    EXPECT_EQ(s.edit("EProgEmpresa")->text(), QStringLiteral("Velmar Demo"));
    EXPECT_EQ(s.edit("EProgRef")->text(), QStringLiteral("REF-1000123"));
}

// The bus address (code 9750) and a record whose code also becomes the
// number 9750 (row 150 of a 96xx block, row 50 of the Zafir grid): a full
// read, a page read and a write each keep them apart.
struct SharedNumberCase {
    const char *panel;
    const char *tab;
    const char *address; // the page's address edit
    const char *grid;
    int row;
    const char *code;    // the row's record code
    const char *kind;    // its event kind as shown
};

class SharedNumber : public ::testing::TestWithParam<SharedNumberCase> {};

TEST_P(SharedNumber, AddressAndRecordEachGoToTheirOwnField)
{
    const SharedNumberCase &c = GetParam();
    const QString code = QString::fromLatin1(c.code);
    Session s({QStringLiteral("set 9750 3C"), QStringLiteral("set %1 %2:1;0;0;1234;Fila/Fin").arg(code).arg(c.row)},
              {QStringLiteral("--panel"), QString::fromLatin1(c.panel)});
    START(s);
    s.engine.commands.BBProgClick();
    ASSERT_TRUE(s.readDone());
    const QString tab = QString::fromLatin1(c.tab);
    ASSERT_EQ(s.engine.programming.panelTab(), tab);
    const QStringList record{QString::fromLatin1(c.kind), "1", "0", "0", "1234", "Fila/Fin"};

    // A full read with the panel's page shown.
    s.engine.programming.setCurrentTab(tab);
    s.engine.programming.progllegida = false;
    s.engine.reader.BBLlegirClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit(c.address)->text(), QStringLiteral("3C"));
    EXPECT_EQ(s.row(c.grid, c.row, 1), record);

    // The page read asks for the address alone and the block as a dump.
    s.engine.fields.Esborra_param();
    s.engine.reader.BBLlegirPagClick();
    ASSERT_TRUE(waitFor([&] { return !s.engine.state.llegirpag && !s.engine.programming.busy(); }, 20000));
    EXPECT_EQ(s.edit(c.address)->text(), QStringLiteral("3C"));
    EXPECT_EQ(s.row(c.grid, c.row, 1), record);

    // Both changed and written: each goes back under its own code.
    EditField *address = s.edit(c.address);
    address->setTextByUser(QStringLiteral("3D"));
    ASSERT_TRUE(s.engine.fields.EditChange(address, kUser));
    s.grid(c.grid)->setCell(6, c.row, QStringLiteral("Nueva/Fin"));
    const QStringList sent = s.write();
    EXPECT_TRUE(sent.contains(QStringLiteral("vm+9750=3D"))) << sent.join(u' ').toStdString();
    EXPECT_TRUE(sent.contains(QStringLiteral("vm+%1=%2:1;0;0;1234;Nueva/Fin").arg(code, QString::fromLatin1(c.kind))))
        << sent.join(u' ').toStdString();
    EXPECT_TRUE(s.messages.isEmpty()) << s.messages.join(u' ').toStdString();
    EXPECT_EQ(address->text(), QStringLiteral("3D"));
    EXPECT_EQ(s.grid(c.grid)->cell(6, c.row), QStringLiteral("Nueva/Fin"));

    // Read back: the module kept each where it was written.
    s.engine.programming.progllegida = false;
    s.engine.reader.BBLlegirClick();
    ASSERT_TRUE(s.readDone());
    EXPECT_EQ(s.edit(c.address)->text(), QStringLiteral("3D"));
    EXPECT_EQ(s.grid(c.grid)->cell(1, c.row), QString::fromLatin1(c.kind));
    EXPECT_EQ(s.grid(c.grid)->cell(6, c.row), QStringLiteral("Nueva/Fin"));
}

INSTANTIATE_TEST_SUITE_P(
    Address9750, SharedNumber,
    ::testing::Values(
        SharedNumberCase{"ID3000", "TSCentralID3000", "EAdrID3000", "SGCentralID3000", 150, "9696", "0150"},
        SharedNumberCase{"Cofem-A", "TSCentralZafir", "EAdrecaZafir", "SGCentralZafir", 50, "9732", "50"}),
    [](const ::testing::TestParamInfo<SharedNumberCase> &info) { return std::string(info.param.tab).substr(9); });

} // namespace
