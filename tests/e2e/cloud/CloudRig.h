#pragma once

#include "core/cloud/CloudDirectory.h"
#include "core/diagnostics/Trace.h"
#include "core/link/LinkState.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

namespace velmar::test {

#ifdef VELMAR_DEMO_CLOUD
// The emulator's arguments for the demo data. It writes its data back, so
// it gets a copy in `dir` (as cloud.json).
inline QStringList demoCloudData(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("cloud.json"));
    QFile::remove(path);
    EXPECT_TRUE(dir.isValid() && QFile::copy(QStringLiteral(VELMAR_DEMO_CLOUD), path));
    return {QStringLiteral("--data"), path};
}
#endif

// velmar-sim's cloud emulator on a free loopback port and one cloud
// directory pointed at it, with what it traced and told the user.
class CloudRig {
public:
    static inline const QString kApiKey = QStringLiteral("AIzaSyVelmarTestKey0123456789abcdefghi");

    explicit CloudRig(const QStringList &args = {})
        : sim(QStringList{QStringLiteral("cloud"), QStringLiteral("--port"), QStringLiteral("0")} + args,
              SimProcess::Launch::AsGiven)
    {
        const QString base = QStringLiteral("http://127.0.0.1:") + sim.readyLine().section(u' ', -1);
        endpoints.cloudApiKey = kApiKey;
        endpoints.cloudDatabaseUrl = base;
        endpoints.cloudAuthBase = base;
        endpoints.cloudTokenBase = base;
        cloud = std::make_unique<CloudDirectory>(endpoints, state, trace);
        QObject::connect(&trace, &Trace::entry, [this](const QString &t, TraceColour) { traced << t; });
        QObject::connect(cloud.get(), &CloudDirectory::message,
                         [this](const QString &title, const QString &text, int) { messages << title + u'|' + text; });
    }

    bool started() const { return sim.ok(); }
    cloud::FirebaseClient &client() { return cloud->client(); }

    // Runs one request of the client to its end.
    template <typename Call>
    cloud::CloudResult call(Call start)
    {
        cloud::CloudResult result;
        bool done = false;
        start([&](const cloud::CloudResult &r) {
            result = r;
            done = true;
        });
        waitFor([&] { return done; }, 20000);
        return result;
    }

    // A new account, signed in by the client and known to the directory.
    bool signUp(const QString &email, const QString &password = QStringLiteral("secreto1"))
    {
        const auto r = call([&](auto done) { client().signUp(email, password, done); });
        cloud->setAccount(email, password, QStringLiteral("Alias ") + email.section(u'@', 0, 0));
        return r.ok && !cloud->token().isEmpty();
    }

    QJsonValue get(const QString &path) { return call([&](auto done) { client().get(path, {}, done); }).value; }
    bool patch(const QString &path, const QJsonObject &o)
    {
        return call([&](auto done) { client().patch(path, o, done); }).ok;
    }

    Endpoints endpoints;
    LinkState state;
    Trace trace;
    SimProcess sim;
    std::unique_ptr<CloudDirectory> cloud;
    QStringList traced;
    QStringList messages;
};

// Starts an operation and waits for the spied signal that ends it.
template <typename Start>
bool ends(QSignalSpy &spy, Start start, int ms = 20000)
{
    const qsizetype before = spy.size();
    start();
    return waitFor([&] { return spy.size() > before; }, ms);
}

} // namespace velmar::test
