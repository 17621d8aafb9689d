// The firmware update end to end over the cable: the program's engine lists
// the versions of the simulated update server and relays a transfer to the
// simulated module on a pseudo-terminal, which checks every frame and the
// whole image and comes back with the new firmware.
#include "UpdateRig.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace velmar;
using velmar::test::UpdateRig;
using velmar::test::waitFor;

namespace {

const QString kDone = QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión Velmar_v9.0");
const QString kUpdateError = QStringLiteral("ERROR EN LA ACTUALIZACION\r\n");

bool nonDecreasing(const QList<int> &v)
{
    return std::is_sorted(v.begin(), v.end());
}

} // namespace

TEST(UpdateOverCable, TheModuleComesBackWithTheNewFirmwareHoweverTheServerCutsItsWrites)
{
    struct Case {
        const char *name;
        QStringList serverArgs;
    };
    const std::vector<Case> cases = {
        {"one write per message", {}},
        {"messages split into small writes", {QStringLiteral("--split-writes"), QStringLiteral("7")}},
        {"two messages in one write", {QStringLiteral("--coalesce")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRig rig(3000, c.serverArgs);
        ASSERT_TRUE(rig.started()) << rig.error().toStdString();
        ASSERT_TRUE(rig.link());
        EXPECT_NE(rig.engine->state.firmware, UpdateRig::kNewFirmware);

        ASSERT_TRUE(rig.start()) << rig.messages.join(u'\n').toStdString();
        ASSERT_EQ(rig.listed.size(), 1);
        EXPECT_EQ(rig.listed[0].description, QStringLiteral("Nueva version"));
        EXPECT_EQ(rig.listed[0].bytes, QStringLiteral("3000"));
        EXPECT_EQ(rig.engine->firmwareUpdate.totalPacks(), 3);
        EXPECT_TRUE(rig.engine->programming.working()); // the window's lock holds meanwhile

        ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, 20000)) << rig.messages.join(u'\n').toStdString();
        // Block by block, never backwards, up to the last one.
        EXPECT_TRUE(nonDecreasing(rig.progress)) << c.name;
        EXPECT_TRUE(rig.progress.contains(1) && rig.progress.contains(2)) << c.name;
        EXPECT_EQ(rig.progress.last(), 3);
        EXPECT_TRUE(rig.texts.contains(QStringLiteral("VERSION : Velmar_v9.0\r\n\r\nEnvío ... (Bloque 2 / 3)")));
        EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
        EXPECT_FALSE(rig.engine->firmwareUpdate.progressShown());
        EXPECT_FALSE(rig.engine->programming.working());
        EXPECT_EQ(rig.engine->state.tempsActu, 0);

        // After its restart the module is identified again with the new firmware.
        EXPECT_TRUE(waitFor([&] { return rig.engine->state.firmware == UpdateRig::kNewFirmware; }, 20000))
            << rig.engine->state.firmware.toStdString();
    }
}

TEST(UpdateOverCable, LateIdentificationAnswersWriteNothingBetweenTheFrames)
{
    // Answers to polls sent before the transfer took the line arrive once it
    // runs; TimerCircuit must not wake up and poll into the binary frames.
    // Nor may a panel's return (event 8782) switch the stream on meanwhile.
    UpdateRig rig(8 * 1024);
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    ASSERT_TRUE(rig.link());
    // The stream on, so that the module's records reach the interpreter.
    ASSERT_TRUE(waitFor([&] { return rig.engine->state.inf; }, 15000));
    ASSERT_TRUE(rig.start());
    int streamAsked = 0;
    QObject::connect(&rig.engine->interpreter, &InfoInterpreter::commandRequested, rig.engine.get(),
                     [&](const QString &) { ++streamAsked; });
    rig.engine->channel.receive("+ver:Velmar_v8.7 [x1.2],<1000123>,<>\r\n"
                                "+vEr:Velmar_v8.7 [x1.2],<1000123>,VLM-H3 r2,1111\r\n"
                                "{#8782:0}\r\n");
    EXPECT_EQ(streamAsked, 1);
    ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, 30000)) << rig.messages.join(u'\n').toStdString();
    const QString frameError = QStringLiteral("trama");
    for (const QString &t : rig.texts)
        EXPECT_FALSE(t.contains(frameError)) << t.toStdString();
    QFile module(rig.transcript);
    ASSERT_TRUE(module.open(QIODevice::ReadOnly));
    EXPECT_FALSE(module.readAll().contains("refused"));
}

TEST(UpdateOverCable, AFrameErrorOfTheModuleIsShownAndTheTransferGoesOn)
{
    UpdateRig rig(3000, {}, {QStringLiteral("--update-reply"), QStringLiteral("FFC@1")});
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    ASSERT_TRUE(rig.link());
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, 20000)) << rig.messages.join(u'\n').toStdString();
    EXPECT_TRUE(rig.texts.contains(QStringLiteral("VERSION : Velmar_v9.0\r\n\r\nError CRC de la trama: 1")))
        << rig.texts.join(u'\n').toStdString();
}

TEST(UpdateOverCable, DamagedControlMessagesAreLoggedTwiceAndTheThirdStops)
{
    struct Case {
        const char *name;
        QStringList before;  // blocks preceded by a damaged control message
        bool stops;
    };
    const std::vector<Case> cases = {
        {"two in a row", {QStringLiteral("1"), QStringLiteral("2")}, false},
        {"three in a row", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList args;
        for (const QString &b : c.before)
            args << QStringLiteral("--bad-crc-before-block") << b;
        UpdateRig rig(5000, args);
        ASSERT_TRUE(rig.started()) << rig.error().toStdString();
        ASSERT_TRUE(rig.link());
        ASSERT_TRUE(rig.start());
        if (!c.stops) {
            ASSERT_TRUE(waitFor([&] { return rig.messages.contains(kDone); }, 20000))
                << rig.trace.join(u'\n').toStdString() << [&] { QFile f(rig.serverTranscript); f.open(QIODevice::ReadOnly); return f.readAll().toStdString(); }();
            EXPECT_EQ(rig.trace.filter(QStringLiteral(" CRC no coincideix: ")).size(), 2);
            continue;
        }
        // The end is asked of the next supervision tick, and kept while the
        // module goes on talking.
        ASSERT_TRUE(waitFor([&] { return rig.engine->firmwareUpdate.ending(); }, 20000));
        // The module, left without its block, says so before the next tick.
        const qsizetype mark = rig.trace.size();
        ASSERT_TRUE(waitFor([&] { return !rig.trace.mid(mark).filter(QStringLiteral("+UFF0")).isEmpty(); }, 15000));
        EXPECT_EQ(rig.engine->state.tempsActu, 1000);
        rig.ticks(1);
        EXPECT_EQ(rig.errors, QStringList{kUpdateError + QStringLiteral(
                                              "La información recibida del servidor de actualizaciones es incorrecta\r\n"
                                              "Se cierra la conexión")});
        EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
        EXPECT_FALSE(rig.messages.contains(kDone));
        EXPECT_FALSE(rig.engine->programming.working());
    }
}

TEST(UpdateOverCable, AServerThatDropsMidTransferEndsItAndTheModuleIsIdentifiedAgain)
{
    UpdateRig rig(5000, {QStringLiteral("--drop-after-block"), QStringLiteral("1")});
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    ASSERT_TRUE(rig.link());
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(waitFor([&] { return rig.engine->firmwareUpdate.ending(); }, 20000));
    rig.ticks(1);
    ASSERT_TRUE(waitFor([&] { return !rig.errors.isEmpty(); }, 5000));
    EXPECT_EQ(rig.errors, QStringList{kUpdateError + QStringLiteral("Se ha cortado la comunicación entre el equipo "
                                                                    "Velmar y el servidor de actualizaciones")});
    EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
    EXPECT_FALSE(rig.engine->programming.working());
    // The module gives the transfer up, restarts with its old firmware and answers again.
    const qsizetype mark = rig.moduleLines().size();
    EXPECT_TRUE(waitFor([&] { return rig.moduleLines().mid(mark).contains(QStringLiteral("vm+ver")); }, 20000));
    EXPECT_TRUE(waitFor([&] { return rig.engine->state.circuit; }, 5000));
    EXPECT_NE(rig.engine->state.firmware, UpdateRig::kNewFirmware);
}

TEST(UpdateOverCable, ASilentModuleEndsTheTransferAfterThirtySecondsOfTicks)
{
    UpdateRig rig(3000, {}, {QStringLiteral("--update-silent-at"), QStringLiteral("1")});
    ASSERT_TRUE(rig.started()) << rig.error().toStdString();
    ASSERT_TRUE(rig.link());
    ASSERT_TRUE(rig.start());
    // Block 0 went out; the module will not ask for block 1.
    ASSERT_TRUE(waitFor([&] { return rig.progress.contains(1) && rig.engine->firmwareUpdate.currentPack() == 0
                                     && rig.texts.last().contains(QStringLiteral("Envío")); }, 15000));
    rig.ticks(299);
    EXPECT_TRUE(rig.engine->firmwareUpdate.transferOpen());
    EXPECT_TRUE(rig.errors.isEmpty());
    rig.ticks(1);
    EXPECT_FALSE(rig.engine->firmwareUpdate.transferOpen());
    ASSERT_TRUE(waitFor([&] { return !rig.errors.isEmpty(); }, 5000));
    EXPECT_EQ(rig.errors, QStringList{kUpdateError + QStringLiteral("Se ha cortado la comunicación entre el equipo "
                                                                    "Velmar y el servidor de actualizaciones")});
}

TEST(UpdateListing, ServerFaultsEndInTheirMessages)
{
    struct Case {
        const char *name;
        QStringList serverArgs;
        bool stopServer;
        QString message;
    };
    const std::vector<Case> cases = {
        {"a damaged reply", {QStringLiteral("--bad-crc-first")}, false,
         QStringLiteral("ACTUALIZACION|Los datos recibidos para la actualización son incorrectos")},
        {"no server on the port", {}, true, QStringLiteral("ACTUALIZACION|No se ha encontrado ninguna actualización")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRig rig(3000, c.serverArgs);
        ASSERT_TRUE(rig.started()) << rig.error().toStdString();
        ASSERT_TRUE(rig.link());
        if (c.stopServer)
            rig.server->stop();
        rig.engine->firmwareUpdate.BBuscarVersionsClick();
        ASSERT_TRUE(waitFor([&] { return !rig.messages.isEmpty(); }, 15000));
        EXPECT_EQ(rig.messages, QStringList{c.message});
        EXPECT_TRUE(rig.listed.isEmpty());
        EXPECT_FALSE(rig.engine->firmwareUpdate.listing());
        EXPECT_FALSE(rig.engine->programming.working());
    }
}
