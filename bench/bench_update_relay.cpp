// A 512 KiB firmware image relayed from the simulated update server to the
// simulated module on a pseudo-terminal timed at 115200 baud both ways.
// ratio_to_wire: the transfer's wall time against the wire time of the
// image's frames and the module's requests at 115200 baud (10 bits a byte).
// ratio_to_wire_and_pauses: against that plus the 200 ms the relay waits
// before each write to the update server (the transfer request, every block
// request and the last word); 1.0 would be a relay that costs nothing
// beyond the cable and its pauses.
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

void BM_UpdateRelay512KiB(benchmark::State &state)
{
    for (auto _ : state) {
        UpdateRig rig(kImageBytes, {}, {QStringLiteral("--baud-timing")});
        if (!rig.started() || !rig.link()) {
            state.SkipWithError("simulators not linked");
            return;
        }
        QElapsedTimer t;
        t.start();
        if (!rig.start()) {
            state.SkipWithError("transfer did not start");
            return;
        }
        const QString done = QStringLiteral("ACTUALIZACION|\r\nVelmar actualizado a la versión ") + UpdateRig::kNewFirmware;
        if (!sleepUntil([&] { return rig.messages.contains(done); }, 30 * 60 * 1000)) {
            state.SkipWithError("transfer did not end");
            return;
        }
        const double seconds = t.elapsed() / 1000.0;
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

} // namespace

BENCHMARK(BM_UpdateRelay512KiB)->Iterations(1)->Unit(benchmark::kSecond);
