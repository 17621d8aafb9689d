// One window's engine and velmar-sim, both clients of a real mosquitto
// broker: the cycles of the cable, over the remote session. The
// simulator's transcript shows what reached the module.

#include "core/shell/Engine.h"

#include "support/BrokerEndpoints.h"
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"
#include "support/SimTranscript.h"
#include "support/Wait.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::MosquittoBroker;
using velmar::test::SimProcess;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;
const QString kId = QStringLiteral("1000123"); // the simulator's identifier

// A change typed by the user while linked and idle.
const ChangeContext kUser{true, false};

struct Yes : Prompts {
    bool ask(const Question &) override { return true; }
};

class Remote {
public:
    explicit Remote(const QStringList &simExtra = {})
        : m_sim(simArguments(simExtra)), engine(velmar::test::brokerEndpoints(broker))
    {
        engine.programming.setPrompts(&yes);
        QObject::connect(&engine.programming, &ProgrammingState::message, &engine,
                         [this](const QString &, const QString &text, const QString &, int) { messages << text; });
        QObject::connect(&engine, &Engine::warning, &engine,
                         [this](const QString &, const QString &text) { messages << text; });
    }
    bool started() const { return broker.ok() && m_sim.ok(); }
    QString error() { return broker.errorText() + m_sim.errorText(); }

    // The session opened to the simulator's identifier, the module
    // recognised over it and its stream on.
    bool link()
    {
        // The module is on the broker once it has taken its first command.
        engine.state.identConnectar = kId;
        engine.remote.BConnectarMQTTClick();
        return waitFor([this] { return engine.identification.connectedShown() && engine.state.inf; }, kWaitMs);
    }
    bool readDone()
    {
        return waitFor([this] {
            return engine.programming.progllegida && !engine.programming.busy() && !engine.reader.fullReadRunning();
        }, kWaitMs);
    }

    QStringList received(qsizetype from = 0) const
    {
        QStringList rx;
        for (const auto &l : velmar::test::receivedLines(m_dir.filePath(QStringLiteral("transcript.txt"))))
            rx << l.text;
        return rx.mid(from);
    }
    QString transcript() const
    {
        QFile f(m_dir.filePath(QStringLiteral("transcript.txt")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Reads the module, then changes its reference as the user would.
    EditField *readAndChangeReference(const QString &text)
    {
        engine.commands.BBProgClick();
        if (!readDone())
            return nullptr;
        EditField *ref = engine.fields.edit(QStringLiteral("EProgRef"));
        ref->setTextByUser(text);
        engine.fields.EditChange(ref, kUser);
        return ref;
    }
    QStringList row(const char *name, int r, int from = 0)
    {
        GridModel *g = engine.fields.grid(QString::fromLatin1(name));
        QStringList cells;
        for (int c = from; c < g->columns(); ++c)
            cells << g->cell(c, r);
        return cells;
    }

    MosquittoBroker broker;

private:
    QStringList simArguments(const QStringList &extra) const
    {
        return QStringList{QStringLiteral("--transcript"), m_dir.filePath(QStringLiteral("transcript.txt")),
                           QStringLiteral("--period"), QStringLiteral("500"), QStringLiteral("--mqtt"),
                           QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()),
                           QStringLiteral("--mqtt-user"), broker.user(), QStringLiteral("--mqtt-password"),
                           broker.password()}
               + extra;
    }

    QTemporaryDir m_dir;
    SimProcess m_sim;

public:
    Engine engine;
    Yes yes;
    QStringList messages;
};

#define START(r)                                                        \
    ASSERT_TRUE((r).started()) << (r).error().toStdString();            \
    ASSERT_TRUE(waitFor([&] { return (r).transcript().contains("mqtt: on the broker"); }, kWaitMs)); \
    ASSERT_TRUE((r).link()) << (r).transcript().toStdString()

TEST(RemoteSim, IdentificationAndAFullReadOverTheBroker)
{
    Remote r;
    START(r);
    EXPECT_TRUE(r.engine.state.isRemote());
    EXPECT_EQ(r.engine.state.identConnectar, kId);
    // Commands reach the module without the cable's CR framing.
    EXPECT_EQ(r.received().first(), QStringLiteral("vm+ver"));
    EXPECT_TRUE(r.received().contains(QStringLiteral("vm+INf")));

    r.engine.commands.BBProgClick();
    ASSERT_TRUE(r.readDone());
    EXPECT_EQ(r.engine.fields.edit(QStringLiteral("EProgEmpresa"))->text(), QStringLiteral("Velmar Demo"));
    EXPECT_EQ(r.row("SGOperadores", 3), QStringList({"Orange", "orangeworld", "orange", "orange"}));
    EXPECT_EQ(r.received().count(QStringLiteral("vm+Xxxx")), 1);
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join(u'|').toStdString();

    // The page shown, read alone: one request a field, answered over the broker.
    r.engine.programming.setCurrentTab(QStringLiteral("TSConfiguracio"));
    r.engine.fields.edit(QStringLiteral("EProgEmpresa"))->setText(QString());
    const qsizetype mark = r.received().size();
    r.engine.reader.BBLlegirPagClick();
    ASSERT_TRUE(waitFor([&] { return r.received(mark).contains(QStringLiteral("vm+0105")); }, kWaitMs));
    ASSERT_TRUE(waitFor([&] { return !r.engine.reader.timerActive() && !r.engine.programming.busy(); }, kWaitMs));
    EXPECT_EQ(r.engine.fields.edit(QStringLiteral("EProgEmpresa"))->text(), QStringLiteral("Velmar Demo"));
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join(u'|').toStdString();
}

TEST(RemoteSim, AWriteIsCheckedAgainstItsEchoesOverTheBroker)
{
    Remote r;
    START(r);
    EditField *ref = r.readAndChangeReference(QStringLiteral("Obra 9"));
    ASSERT_NE(ref, nullptr);
    const qsizetype mark = r.received().size();
    r.engine.writer.BBGravarClick();
    ASSERT_TRUE(waitFor([&] { return !r.engine.writer.running(); }, kWaitMs));
    EXPECT_TRUE(r.received(mark).contains(QStringLiteral("vm+0104=Obra 9")));
    EXPECT_EQ(ref->colour(), FieldColour::Window); // the echo matched
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join(u'|').toStdString();

    // The page shown, written alone ("Programar" of the page).
    r.engine.programming.setCurrentTab(QStringLiteral("TSConfiguracio"));
    ref->setTextByUser(QStringLiteral("Obra 10"));
    r.engine.fields.EditChange(ref, kUser);
    const qsizetype page = r.received().size();
    r.engine.writer.BBGravarPagClick();
    ASSERT_TRUE(waitFor([&] { return !r.engine.writer.running() && r.received(page).contains("vm+0104=Obra 10"); },
                        kWaitMs));
    EXPECT_EQ(ref->colour(), FieldColour::Window);
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join(u'|').toStdString();
}

TEST(RemoteSim, TheStreamFillsTheStatusAndAnOutputIsSwitched)
{
    Remote r;
    START(r);
    ASSERT_TRUE(waitFor([&] { return r.engine.status.live().sortides[1] != u' '; }, kWaitMs));
    const QChar before = r.engine.status.live().sortides[1];
    // The order travels on the status topic in its remote form.
    r.engine.commands.ActivarSortidesClick(2, QString(), before == u'1');
    ASSERT_TRUE(waitFor([&] { return r.engine.status.live().sortides[1] != before; }, kWaitMs))
        << r.transcript().toStdString();
    EXPECT_TRUE(r.transcript().contains(QStringLiteral("mqtt ssts/%1/.").arg(kId)));
}

TEST(RemoteSim, ALockedModuleTakesItsCodeAndAFactoryResetEndsInANewReadOverTheBroker)
{
    Remote r({QStringLiteral("--lock"), QStringLiteral("4321")});
    ASSERT_TRUE(r.started()) << r.error().toStdString();
    ASSERT_TRUE(waitFor([&] { return r.transcript().contains("mqtt: on the broker"); }, kWaitMs));
    // Recognised, but locked: its stream stays off until the code.
    r.engine.state.identConnectar = kId;
    r.engine.remote.BConnectarMQTTClick();
    ASSERT_TRUE(waitFor([&] { return r.engine.identification.connectedShown() && r.engine.state.protegit; }, kWaitMs))
        << r.transcript().toStdString();
    QSignalSpy panel(&r.engine.programming, &ProgrammingState::accessPanelShown);
    r.engine.commands.BBProgClick();
    ASSERT_EQ(panel.size(), 1); // nothing is read from a locked module

    qsizetype mark = r.received().size();
    r.engine.commands.BBDesbloqueigAcceptarClick(QStringLiteral("4321"));
    ASSERT_TRUE(waitFor([&] { return r.received(mark).contains(QStringLiteral("vm+cdp=4321")); }, kWaitMs));
    ASSERT_TRUE(waitFor([&] { return !r.engine.state.protegit; }, kWaitMs));

    r.engine.commands.BBProgClick();
    ASSERT_TRUE(r.readDone());
    mark = r.received().size();
    r.engine.writer.MIIDefecteClick();
    ASSERT_TRUE(waitFor([&] { return r.received(mark).contains(QStringLiteral("vm+Xxxx=0")); }, kWaitMs));
    // The read after the pause, as on the cable.
    ASSERT_TRUE(waitFor([&] { return r.received(mark).contains(QStringLiteral("vm+Xxxx")); }, kWaitMs));
    ASSERT_TRUE(r.readDone());
    EXPECT_EQ(r.engine.fields.edit(QStringLiteral("EProgEmpresa"))->text(), QStringLiteral("Velmar Demo"));
}

TEST(RemoteSim, ABrokerLostInTheMiddleOfAWriteDoesNotReportItDone)
{
    Remote r;
    START(r);
    EditField *ref = r.readAndChangeReference(QStringLiteral("Obra 11"));
    ASSERT_NE(ref, nullptr);
    QSignalSpy lost(&r.engine.remote, &MqttSession::sessionLost);
    QSignalSpy ended(&r.engine.writer, &WriteCycle::finished);
    r.engine.writer.BBGravarClick();
    ASSERT_TRUE(r.engine.writer.running());
    r.broker.kill();
    ASSERT_TRUE(waitFor([&] { return lost.size() == 1; }, kWaitMs));
    EXPECT_FALSE(r.engine.writer.running());
    EXPECT_EQ(ended.size(), 0); // stopped where it was, never ended as written
    EXPECT_FALSE(r.engine.state.isRemote());
    EXPECT_FALSE(r.engine.identification.connectedShown());

    // Back within the reconnection interval, and the module recognised again.
    ASSERT_TRUE(r.broker.start());
    ASSERT_TRUE(waitFor([&] { return r.engine.state.isRemote() && r.engine.identification.connectedShown(); },
                        kWaitMs));
    EXPECT_EQ(r.engine.state.identConnectar, kId);
}

TEST(RemoteSim, AModuleThatDropsOffTheBrokerLeavesItsWillAndComesBack)
{
    Remote r({QStringLiteral("--mqtt-drop-at"), QStringLiteral("6000"), QStringLiteral("--mqtt-drop-for"),
              QStringLiteral("2000")});
    START(r);
    ASSERT_TRUE(waitFor([&] { return r.transcript().contains("mqtt: off the broker"); }, kWaitMs));
    EXPECT_TRUE(waitFor([&] { return r.broker.log().contains(QStringLiteral("Sending PUBLISH to")) &&
                                     r.broker.log().contains(QStringLiteral("gcfg/%1/").arg(kId)); }, kWaitMs));
    ASSERT_TRUE(waitFor([&] { return r.transcript().count("mqtt: on the broker") >= 2; }, kWaitMs));
    // Back: its stream reaches the program again, and the session never broke.
    int records = 0;
    QObject::connect(&r.engine.channel, &CommandChannel::replyRouted, &r.engine,
                     [&](const QString &, ReplyRouter::Rule rule) { records += rule == ReplyRouter::Rule::InfoRecord; });
    EXPECT_TRUE(waitFor([&] { return records >= 2; }, kWaitMs));
    EXPECT_TRUE(r.engine.state.isRemote());
    EXPECT_TRUE(r.engine.identification.connectedShown());
}

} // namespace
