// A 512 KiB firmware image relayed from the simulated update server to the
// simulated module on a pseudo-terminal timed at 115200 baud both ways.
// ratio_to_wire: the transfer's wall time against the wire time of the
// image's frames and the module's requests at 115200 baud (10 bits a byte).
// ratio_to_wire_and_pauses: against that plus the 200 ms the relay waits
// before each write to the update server (the transfer request, every block
// request and the last word); 1.0 would be a relay that costs nothing
// beyond the cable and its pauses. The transfer over the broker is set
// against the cable below.
#include "BenchSupport.h"
#include "e2e/update/UpdateRig.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace {

using velmar::test::UpdateRig;
using velmar::bench::sleepUntil;

constexpr int kImageBytes = 512 * 1024;
constexpr int kBlock = 1024;
using velmar::bench::kBytesPerSecond;
constexpr double kServerPauseS = 0.200; // before each write to the update server

// Seconds from the listing to the module's last word; negative on failure.
double transferSeconds(UpdateRig &rig, benchmark::State &state)
{
    if (!rig.started() || !rig.link()) {
        state.SkipWithError("simulators not linked");
        return -1;
    }
    QElapsedTimer t;
    t.start();
    if (!rig.start()) {
        state.SkipWithError("transfer did not start");
        return -1;
    }
    const QString done = QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión ") + UpdateRig::kNewFirmware;
    if (!sleepUntil([&] { return rig.messages.contains(done); }, 30 * 60 * 1000)) {
        state.SkipWithError("transfer did not end");
        return -1;
    }
    return t.elapsed() / 1000.0;
}

void BM_UpdateRelay512KiB(benchmark::State &state)
{
    for (auto _ : state) {
        UpdateRig rig(kImageBytes, {}, {QStringLiteral("--baud-timing")});
        const double seconds = transferSeconds(rig, state);
        if (seconds < 0)
            return;
        const int frames = kImageBytes / kBlock;
        // Frames: "+U", three digits, the data, eight CRC digits; requests
        // "+Uhhh" CR LF, one per frame and the closing "+UFFF".
        const double wire = (double(kImageBytes) + frames * (5 + 8) + (frames + 1) * 7) / kBytesPerSecond;
        const int serverWrites = 1 + frames + 1;
        state.counters["ratio_to_wire"] = seconds / wire;
        state.counters["ratio_to_wire_and_pauses"] = seconds / (wire + serverWrites * kServerPauseS);
        state.counters["target_ratio"] = 1.05;
        state.counters["seconds"] = seconds;
    }
}

// The same relay over the remote session: a 64 KiB image through a
// throw-away broker, against the same image over the timed cable in the same
// run. ratio_to_cable below 1 is the cable's wire time saved;
// ratio_to_pauses against the 200 ms waits alone (1.0: the broker costs
// nothing).
constexpr int kBrokerImageBytes = 64 * 1024;

void BM_UpdateRelayOverBroker64KiB(benchmark::State &state)
{
    for (auto _ : state) {
        double cable = 0;
        {
            UpdateRig rig(kBrokerImageBytes, {}, {QStringLiteral("--baud-timing")});
            if ((cable = transferSeconds(rig, state)) < 0)
                return;
        }
        UpdateRig rig(kBrokerImageBytes, {}, {}, true, UpdateRig::Link::Broker);
        const double broker = transferSeconds(rig, state);
        if (broker < 0)
            return;
        const int serverWrites = 1 + kBrokerImageBytes / kBlock + 1;
        state.counters["ratio_to_cable"] = broker / cable;
        state.counters["ratio_to_pauses"] = broker / (serverWrites * kServerPauseS);
        state.counters["cable_seconds"] = cable;
        state.counters["broker_seconds"] = broker;
    }
}

} // namespace

BENCHMARK(BM_UpdateRelay512KiB)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_UpdateRelayOverBroker64KiB)->Iterations(1)->Unit(benchmark::kSecond);
