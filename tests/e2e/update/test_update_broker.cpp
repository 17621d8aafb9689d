// The firmware update end to end over the remote session: the program's
// engine and the simulated module are both clients of a throw-away mosquitto
// broker; the engine lists the versions of the simulated update server and
// relays the blocks on the module's command topic, byte for byte.
#include "UpdateRig.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

using namespace velmar;
using velmar::test::UpdateRig;
using velmar::test::waitFor;

namespace {

constexpr int kWaitMs = 20000;
const QString kDone = QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión Velmar_v9.0");
const QString kCut = QStringLiteral("ERROR EN LA ACTUALIZACION\r\nSe ha cortado la comunicación entre el equipo "
                                    "Velmar y el servidor de actualizaciones");

const UpdateRig::Link broker = UpdateRig::Link::Broker;

QString fileText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Linked over the broker, the versions listed and the transfer started.
#define START_OVER_BROKER(rig)                                                           \
    ASSERT_TRUE((rig).started()) << (rig).error().toStdString();                         \
    ASSERT_TRUE((rig).link()) << fileText((rig).transcript).toStdString();                \
    ASSERT_TRUE((rig).engine->state.isRemote());                                         \
    ASSERT_TRUE((rig).start()) << (rig).messages.join(u'\n').toStdString()

} // namespace

TEST(UpdateOverBroker, TheModuleTakesEveryBlockAndTheSessionIsClosedAtTheEnd)
{
    // The rig's image runs through every byte value, so bytes 80 to 9F (which
    // have no one-to-one character in the 8-bit code page) travel too: a
    // block that went through a text conversion fails the module's CRC.
    // Six blocks outlast the status request's delayed "vm+INf" of the
    // session's start, which must not land between them.
    UpdateRig rig(6000, {}, {}, true, broker);
    START_OVER_BROKER(rig);
    EXPECT_NE(rig.engine->state.firmware, UpdateRig::kNewFirmware);
    ASSERT_EQ(rig.listed.size(), 1);
    EXPECT_EQ(rig.engine->firmwareUpdate.totalPacks(), 6);
    EXPECT_TRUE(rig.engine->programming.working());

    ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, kWaitMs))
        << rig.messages.join(u'\n').toStdString() << fileText(rig.transcript).toStdString();
    EXPECT_TRUE(std::is_sorted(rig.progress.begin(), rig.progress.end()));
    EXPECT_TRUE(rig.progress.contains(1) && rig.progress.contains(2));
    EXPECT_EQ(rig.progress.last(), 6);
    EXPECT_TRUE(rig.texts.contains(QStringLiteral("VERSION : Velmar_v9.0\r\n\r\nPetición bloque 2 / 6")));
    EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
    EXPECT_FALSE(rig.engine->programming.working());
    EXPECT_EQ(rig.engine->state.tempsActu, 0);

    // The module checked the whole image, and the session went instead of a
    // new identification on the cable.
    const QString module = fileText(rig.transcript);
    EXPECT_TRUE(module.contains(QStringLiteral("update: image good"))) << module.toStdString();
    EXPECT_FALSE(module.contains(QStringLiteral("refused"))) << module.toStdString();
    EXPECT_TRUE(waitFor([&] { return !rig.engine->remote.client().isConnected(); }, kWaitMs));
    EXPECT_FALSE(rig.engine->state.isRemote());
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join(u'\n').toStdString();

    // Opened again, the module is asked its versions over the session (as
    // "Actual." does when they are not known) and has the new firmware.
    const qsizetype mark = rig.moduleLines().size();
    rig.openSession();
    ASSERT_TRUE(waitFor([&] { return rig.moduleLines().mid(mark).contains(QStringLiteral("vm+ver")); }, kWaitMs));
    rig.engine->state.espero = QStringLiteral("+vEr");
    rig.engine->channel.send(QStringLiteral("vm+vEr"));
    rig.engine->identification.start(1000);
    EXPECT_TRUE(waitFor([&] { return rig.engine->state.firmware == UpdateRig::kNewFirmware; }, kWaitMs))
        << rig.engine->state.firmware.toStdString();
}

TEST(UpdateOverBroker, AFrameErrorOfTheModuleIsShownAndTheTransferGoesOn)
{
    UpdateRig rig(3000, {}, {QStringLiteral("--update-reply"), QStringLiteral("FF2@1")}, true, broker);
    START_OVER_BROKER(rig);
    ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, kWaitMs))
        << rig.messages.join(u'\n').toStdString();
    EXPECT_TRUE(rig.texts.contains(QStringLiteral("VERSION : Velmar_v9.0\r\n\r\nError al final de la trama: 1")))
        << rig.texts.join(u'\n').toStdString();
}

TEST(UpdateOverBroker, FaultsEndTheTransferWithTheCutMessageAndCloseTheSession)
{
    struct Case {
        const char *name;
        QStringList serverArgs;
        QStringList moduleArgs;
        // Drives the fault once block 0 has gone out; the transfer then ends
        // on the next supervision tick.
        std::function<void(UpdateRig &)> fault;
    };
    const auto holdsTheEnd = [](UpdateRig &rig) {
        ASSERT_TRUE(waitFor([&] { return rig.engine->firmwareUpdate.ending(); }, kWaitMs));
        rig.ticks(1);
    };
    const std::vector<Case> cases = {
        {"the server drops after block 1", {QStringLiteral("--drop-after-block"), QStringLiteral("1")}, {},
         holdsTheEnd},
        {"the module goes silent", {}, {QStringLiteral("--update-silent-at"), QStringLiteral("1")},
         [](UpdateRig &rig) {
             ASSERT_TRUE(waitFor([&] {
                 return rig.progress.contains(1) && !rig.texts.isEmpty()
                        && rig.texts.last().contains(QStringLiteral("Envío"));
             }, kWaitMs));
             rig.ticks(299);
             EXPECT_TRUE(rig.engine->firmwareUpdate.transferOpen());
             EXPECT_TRUE(rig.errors.isEmpty());
             rig.ticks(1);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRig rig(5000, c.serverArgs, c.moduleArgs, true, broker);
        START_OVER_BROKER(rig);
        c.fault(rig);
        EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
        ASSERT_TRUE(waitFor([&] { return !rig.errors.isEmpty(); }, 5000));
        EXPECT_EQ(rig.errors, QStringList{kCut});
        EXPECT_FALSE(rig.messages.contains(kDone));
        EXPECT_FALSE(rig.engine->programming.working());
        // Over the session, its close takes the place of the cable's new identification.
        EXPECT_TRUE(waitFor([&] { return !rig.engine->remote.client().isConnected(); }, kWaitMs));
        EXPECT_FALSE(rig.engine->state.isRemote());
    }
}

// Every other end of a transfer that ran over the session closes it too: a
// session left open kept the module's stream off and nothing polling it.
TEST(UpdateOverBroker, TheAbortAndAnEndCodeNotShownCloseTheSession)
{
    struct Case {
        const char *name;
        QStringList moduleArgs;
        bool userAborts;
    };
    const std::vector<Case> cases = {
        {"the user aborts", {}, true},
        {"the module gives up with +UFF5", {QStringLiteral("--update-reply"), QStringLiteral("FF5@1")}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRig rig(8000, {}, c.moduleArgs, true, broker);
        START_OVER_BROKER(rig);
        ASSERT_TRUE(waitFor([&] { return rig.progress.contains(1); }, kWaitMs));
        const qsizetype mark = rig.moduleLines().size();
        if (c.userAborts)
            rig.engine->firmwareUpdate.abort();
        ASSERT_TRUE(waitFor([&] { return !rig.engine->firmwareUpdate.transferOpen(); }, kWaitMs));
        EXPECT_TRUE(waitFor([&] { return !rig.engine->remote.client().isConnected(); }, kWaitMs));
        EXPECT_FALSE(rig.engine->state.isRemote());
        // The module is locked and its stream switched off, as at any close;
        // an aborted module still waits for blocks and takes them as frames.
        EXPECT_TRUE(waitFor([&] { return rig.moduleHeard(mark, "vm+cdp=*") && rig.moduleHeard(mark, "vm+inf"); },
                            kWaitMs))
            << fileText(rig.transcript).toStdString();
        EXPECT_FALSE(rig.engine->programming.working());
        EXPECT_FALSE(rig.messages.contains(kDone));
        EXPECT_EQ(rig.engine->state.tempsActu, 0);
    }
}

TEST(UpdateOverBroker, TheBrokerKilledMidTransferEndsItWithTheCutMessage)
{
    UpdateRig rig(8000, {}, {}, true, broker);
    START_OVER_BROKER(rig);
    ASSERT_TRUE(waitFor([&] { return rig.progress.contains(2); }, kWaitMs));
    rig.broker->kill();
    // The session's loss asks the end of the next tick.
    ASSERT_TRUE(waitFor([&] { return rig.engine->firmwareUpdate.ending(); }, kWaitMs));
    EXPECT_FALSE(rig.engine->state.isRemote());
    rig.ticks(1);
    EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
    ASSERT_TRUE(waitFor([&] { return !rig.errors.isEmpty(); }, 5000));
    EXPECT_EQ(rig.errors, QStringList{kCut});
    EXPECT_FALSE(rig.messages.contains(kDone));
    EXPECT_FALSE(rig.engine->programming.working());
    EXPECT_EQ(rig.engine->state.tempsActu, 0);
}
