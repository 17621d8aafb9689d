// velmarctl run as a separate program against the simulated module: what it
// prints, what reaches the module, and its exit codes.
#include "support/MosquittoBroker.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using velmar::test::MosquittoBroker;
using velmar::test::SimProcess;

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

Outcome velmarctl(const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(QStringLiteral(VELMARCTL_BINARY), args);
    Outcome r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("did not end");
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// A simulated module with a transcript, and velmarctl on its port.
struct Module {
    QTemporaryDir dir;
    SimProcess sim;
    explicit Module(const QStringList &simArgs = {}, const QStringList &scenario = {})
        : sim(arguments(simArgs, scenario))
    {
    }
    Outcome ctl(const QStringList &args) { return velmarctl(QStringList{"--port", sim.devicePath()} + args); }
    QStringList received() const { return SimProcess::receivedLines(dir.filePath("transcript.txt")); }
    QByteArray bytes(const QString &name) const
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QStringList arguments(const QStringList &simArgs, const QStringList &scenario)
    {
        QStringList args = QStringList{"--transcript", dir.filePath("transcript.txt")} + simArgs;
        if (!scenario.isEmpty()) {
            QFile f(dir.filePath("scenario.txt"));
            if (f.open(QIODevice::WriteOnly))
                f.write((scenario.join(u'\n') + u'\n').toUtf8());
            args << "--scenario" << f.fileName();
        }
        return args;
    }
};

#define DESCRIBE(r) "exit " << (r).code << "\nout: " << (r).out.toStdString() << "\nerr: " << (r).err.toStdString()

TEST(Velmarctl, BadUseAndNoModuleHaveTheirExitCodes)
{
    const struct {
        QStringList args;
        int code;
    } cases[] = {
        {{"--port", "/dev/null"}, 2},                                   // no command
        {{"--port", "/dev/null", "fly"}, 2},                            // unknown command
        {{"identify"}, 2},                                              // no way to the module
        {{"--port", "/dev/null", "--remote", "7", "identify"}, 2},      // both ways
        {{"--port", "/dev/null", "get", "12"}, 2},                      // not a code
        {{"--port", "/dev/null", "set", "0102"}, 2},                    // no value
        {{"--port", "/dev/null", "read"}, 2},                           // no -o
        {{"--port", "/dev/null", "send", "ver"}, 2},                    // not a command
        {{"--port", "/dev/null", "identify", "--json"}, 2},             // --json is for status
        {{"--remote", "7", "--config", "/nonexistent.ini", "identify"}, 2},
        {{"--port", "/nonexistent/tty", "identify"}, 3},
    };
    for (const auto &c : cases) {
        const Outcome r = velmarctl(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(u' ').toStdString() << "\n" << DESCRIBE(r);
    }
    const Outcome help = velmarctl({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("exit codes: 0 done, 1 module refused or echo mismatch, 2 bad use,"));
}

TEST(Velmarctl, IdentifyTellsWhatTheModuleIs)
{
    Module m({"--panel", "BC600", "--parts", "1011"});
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    const Outcome r = m.ctl({"identify"});
    ASSERT_EQ(r.code, 0) << DESCRIBE(r);
    for (const char *line : {"firmware: Velmar_v8.7 [x1.2]\n", "identificador: 1000123\n", "hardware: VLM-H3 r2\n",
                             "central: BC600\n", "partes: GPRS COM E/S\n"})
        EXPECT_TRUE(r.out.contains(QLatin1String(line))) << line << "\n" << DESCRIBE(r);
}

TEST(Velmarctl, SetChecksEachEchoAndGetReadsTheValuesBack)
{
    Module m;
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    const Outcome set = m.ctl({"set", "0104=Obra 7", "0102=Ñandú S.L."});
    ASSERT_EQ(set.code, 0) << DESCRIBE(set);
    EXPECT_TRUE(m.received().contains("vm+0104=Obra 7"));
    EXPECT_EQ(set.out, QStringLiteral("0104=Obra 7\n0102=Ñandú S.L.\n"));

    const Outcome get = m.ctl({"get", "0104", "0102"});
    ASSERT_EQ(get.code, 0) << DESCRIBE(get);
    EXPECT_EQ(get.out, QStringLiteral("0104=Obra 7\n0102=Ñandú S.L.\n"));

    // A refusal or an echo that differs is an error, and the rest still goes.
    const struct {
        QStringList args;
        const char *says;
    } refused[] = {
        {{"set", "7777=1", "0103=Ana"}, "7777: the module refused the value (errprg)"},
        {{"set", "0101=other"}, "0101: the module stored"},
        {{"get", "7777", "0103"}, "7777: the module has no such parameter (NO_PAR)"},
    };
    for (const auto &c : refused) {
        const Outcome r = m.ctl(c.args);
        EXPECT_EQ(r.code, 1) << DESCRIBE(r);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << DESCRIBE(r);
    }
    EXPECT_TRUE(m.received().contains("vm+0103=Ana"));
    EXPECT_EQ(m.ctl({"get", "0103"}).out, QStringLiteral("0103=Ana\n"));
}

TEST(Velmarctl, ATemplateReadBeforeAFactoryResetWritesTheModuleBack)
{
    Module m({}, {"set 0104 Obra 7", "set 3010 10;3;1;Puerta", "set 3301 0101000001", "set 8503 Orange;internet;;"});
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    const Outcome first = m.ctl({"read", "-o", m.dir.filePath("first.pla")});
    ASSERT_EQ(first.code, 0) << DESCRIBE(first);
    EXPECT_TRUE(first.err.contains("leyendo 100%")) << DESCRIBE(first);
    const QByteArray before = m.bytes("first.pla");
    ASSERT_TRUE(before.contains("\r\n3016=Puerta;10;3;1 {"));

    const Outcome reset = m.ctl({"send", "vm+Xxxx=0"});
    ASSERT_EQ(reset.code, 0) << DESCRIBE(reset);
    // Its own reply only: not the status read's nor the polls'.
    EXPECT_EQ(reset.out, QStringLiteral("+Xxxx:Initialized\n")) << DESCRIBE(reset);
    ASSERT_NE(m.ctl({"get", "0104"}).out, QStringLiteral("0104=Obra 7\n"));

    const Outcome write = m.ctl({"write", m.dir.filePath("first.pla")});
    ASSERT_EQ(write.code, 0) << DESCRIBE(write);
    for (const char *sent : {"vm+0104=Obra 7", "vm+3010=10;3;1;Puerta", "vm+3301=0101000001", "vm+8503=Orange;internet;;"})
        EXPECT_TRUE(m.received().contains(QLatin1String(sent))) << sent;

    const Outcome second = m.ctl({"read", "-o", m.dir.filePath("second.pla")});
    ASSERT_EQ(second.code, 0) << DESCRIBE(second);
    EXPECT_EQ(m.bytes("second.pla"), before);

    // A damaged file never reaches the module.
    QFile bad(m.dir.filePath("bad.pla"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("PLANTILLA COMPLETA\r\n1590=Estandar {ECentral}\r\n0104=Otra {EProgRef");
    bad.close();
    const qsizetype mark = m.received().size();
    const Outcome refused = m.ctl({"write", bad.fileName()});
    EXPECT_EQ(refused.code, 2) << DESCRIBE(refused);
    EXPECT_FALSE(m.received().mid(mark).contains("vm+0104=Otra"));
}

TEST(Velmarctl, StatusAsJson)
{
    Module m;
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    const Outcome r = m.ctl({"status", "--json"});
    ASSERT_EQ(r.code, 0) << DESCRIBE(r);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << DESCRIBE(r);
    const QJsonObject o = doc.object();
    EXPECT_EQ(o["module"].toObject()["id"].toString(), QStringLiteral("1000123"));
    ASSERT_EQ(o["inputs"].toArray().size(), 16);
    ASSERT_EQ(o["outputs"].toArray().size(), 4);
    EXPECT_EQ(o["inputs"].toArray()[0].toObject()["n"].toInt(), 1);
    EXPECT_FALSE(o["inputs"].toArray()[0].toObject()["state"].toString().trimmed().isEmpty());
    EXPECT_TRUE(o["links"].toObject().contains("gprs"));
    EXPECT_FALSE(o["tamper"].toObject()["state"].toString().isEmpty()) << DESCRIBE(r);
    EXPECT_TRUE(o["panel"].toObject().contains("type"));
}

TEST(Velmarctl, ALockedModuleWantsItsCode)
{
    Module m({"--lock", "4321"});
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    const struct {
        QStringList args;
        int code;
        const char *says;
    } cases[] = {
        {{"get", "0102"}, 1, "the module is locked: give its access code with --code CODE"},
        {{"--code", "9999", "get", "0102"}, 1, "the module refused the access code"},
        {{"--code", "4321", "get", "0102"}, 0, ""},
        {{"identify"}, 0, ""},
    };
    for (const auto &c : cases) {
        const Outcome r = m.ctl(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(u' ').toStdString() << "\n" << DESCRIBE(r);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << DESCRIBE(r);
    }
    EXPECT_TRUE(m.received().contains("vm+cdp=4321"));
    // Left locked again behind it.
    EXPECT_EQ(m.received().last(), QStringLiteral("vm+inf"));
    EXPECT_TRUE(m.received().contains("vm+cdp=*"));
}

TEST(Velmarctl, TheSameCommandsThroughTheBroker)
{
    MosquittoBroker broker;
    ASSERT_TRUE(broker.ok()) << broker.errorText().toStdString();
    Module m({"--mqtt", QStringLiteral("%1:%2").arg(broker.host()).arg(broker.port()), "--mqtt-user", broker.user(),
              "--mqtt-password", broker.password()});
    ASSERT_TRUE(m.sim.ok()) << m.sim.errorText().toStdString();
    QFile ini(m.dir.filePath("endpoints.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[broker]\nhost=%1\nport=%2\nuser=%3\npassword=%4\n")
                  .arg(broker.host()).arg(broker.port()).arg(broker.user(), broker.password()).toUtf8());
    ini.close();
    const QStringList remote{"--remote", "1000123", "--config", ini.fileName()};

    const Outcome set = velmarctl(remote + QStringList{"set", "0104=Remota"});
    ASSERT_EQ(set.code, 0) << DESCRIBE(set);
    const Outcome get = velmarctl(remote + QStringList{"get", "0104"});
    ASSERT_EQ(get.code, 0) << DESCRIBE(get);
    EXPECT_EQ(get.out, QStringLiteral("0104=Remota\n"));
    const Outcome absent = velmarctl(QStringList{"--remote", "999", "--config", ini.fileName(), "identify"});
    EXPECT_EQ(absent.code, 3) << DESCRIBE(absent);
}

} // namespace
