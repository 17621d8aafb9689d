#include "core/shell/CommandLine.h"
#include "core/base/Endpoints.h"

#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velmar;

TEST(CommandLine, Table)
{
    const struct {
        QStringList args;
        QString port, config;
        bool error;
    } cases[] = {
        {{"velmar"}, "", "", false},
        {{"velmar", "--port", "/dev/pts/3"}, "/dev/pts/3", "", false},
        {{"velmar", "--port=/tmp/velmar", "--config", "a.ini"}, "/tmp/velmar", "a.ini", false},
        {{"velmar", "--port"}, "", "", true},
        {{"velmar", "--bogus"}, "", "", true},
    };
    for (const auto &c : cases) {
        const CommandLine cl = CommandLine::parse(c.args);
        EXPECT_EQ(cl.port, c.port) << c.args.join(' ').toStdString();
        EXPECT_EQ(cl.configFile, c.config);
        EXPECT_EQ(!cl.error.isEmpty(), c.error);
    }
}

// The remote module's identifier becomes a topic level: a wildcard or a
// level separator in it would reach other modules' topics.
TEST(CommandLine, RemoteSessionAtStart)
{
    const struct {
        QStringList args;
        QString remote;
        bool adsl;
        bool error;
    } cases[] = {
        {{"velmar", "--remote", "1000123"}, "1000123", false, false},
        {{"velmar", "--remote=1000123", "--link", "adsl"}, "1000123", true, false},
        {{"velmar", "--remote", "1000123", "--link=gprs"}, "1000123", false, false},
        {{"velmar", "--remote", "1000123", "--link", "wifi"}, "1000123", false, true},
        {{"velmar", "--remote"}, "", false, true},
        {{"velmar", "--remote", "+"}, "+", false, true},
        {{"velmar", "--remote", "#"}, "#", false, true},
        {{"velmar", "--remote", "12/34"}, "12/34", false, true},
    };
    for (const auto &c : cases) {
        const CommandLine cl = CommandLine::parse(c.args);
        EXPECT_EQ(cl.remote, c.remote) << c.args.join(' ').toStdString();
        EXPECT_EQ(cl.adsl, c.adsl) << c.args.join(' ').toStdString();
        EXPECT_EQ(!cl.error.isEmpty(), c.error) << c.args.join(' ').toStdString();
    }
}

TEST(Endpoints, FileThenEnvironmentOverrideTheDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("endpoints.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[broker]\nhost=127.0.0.1\nport=18830\n[update]\nhost=127.0.0.1\n");
    f.close();

    Endpoints e;
    const int defaultUpdatePort = e.updatePort;
    QString error;
    ASSERT_TRUE(e.load(path, &error)) << error.toStdString();
    EXPECT_EQ(e.brokerHost, "127.0.0.1");
    EXPECT_EQ(e.brokerPort, 18830);
    EXPECT_EQ(e.updatePort, defaultUpdatePort);

    qputenv("VELMAR_UPDATE_PORT", "15009");
    e.applyEnvironment();
    qunsetenv("VELMAR_UPDATE_PORT");
    EXPECT_EQ(e.updatePort, 15009);
}

TEST(Endpoints, BadFilesAreRefusedWithAReason)
{
    Endpoints e;
    QString error;
    EXPECT_FALSE(e.load("/nonexistent/velmar.ini", &error));
    EXPECT_FALSE(error.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath("bad.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[broker]\nport=http\n");
    f.close();
    const int before = e.brokerPort;
    EXPECT_FALSE(e.load(path, &error));
    EXPECT_TRUE(error.contains("broker/port"));
    EXPECT_EQ(e.brokerPort, before);
}
