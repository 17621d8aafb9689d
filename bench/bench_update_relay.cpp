// A 512 KiB firmware image relayed from the simulated update server to the
// simulated module on a pseudo-terminal that sends at 115200 baud. The
// counter is the transfer's wall time as a ratio to the wire time of the
// image's frames at 115200 baud (10 bits a byte); 1.0 would be a relay that
// costs nothing beyond the cable.
#include "e2e/update/UpdateRig.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

namespace {

using velmar::test::UpdateRig;
using velmar::test::waitFor;

constexpr int kImageBytes = 512 * 1024;
constexpr int kBlock = 1024;
constexpr double kBytesPerSecond = 11520.0;

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
        if (!waitFor([&] { return rig.messages.contains(done); }, 30 * 60 * 1000)) {
            state.SkipWithError("transfer did not end");
            return;
        }
        const double seconds = t.elapsed() / 1000.0;
        const int frames = kImageBytes / kBlock;
        const double wire = (double(kImageBytes) + frames * (5 + 8)) / kBytesPerSecond;
        state.counters["ratio_to_wire"] = seconds / wire;
        state.counters["seconds"] = seconds;
    }
}

} // namespace

BENCHMARK(BM_UpdateRelay512KiB)->Iterations(1)->Unit(benchmark::kSecond);
