// Cost of one tick of the blink engine over every lamp slot, as a share of
// the 100 ms supervision period (the tick must stay far below it).
#include "core/link/ProtocolTimes.h"
#include "core/status/LampBoard.h"

#include <benchmark/benchmark.h>

namespace {

using velmar::LampBoard;
using velmar::LampGroup;
using velmar::LampSlot;

constexpr double kPeriodSeconds = velmar::proto::kTickMs / 1000.0;

// share_of_100ms: seconds per tick divided by the period (1.0 = the whole
// period); the rate counter is inverted to turn ticks per second into that.
void report(benchmark::State &state)
{
    state.counters["share_of_100ms"] = benchmark::Counter(
        kPeriodSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every slot of every group busy: steady, slow, fast, hidden and kept Tags.
void BM_BlinkTickAllBusy(benchmark::State &state)
{
    LampBoard board;
    int tag = 0;
    for (int g = 0; g < velmar::kLampGroupCount; ++g)
        for (LampSlot &l : board.group(LampGroup(g)))
            l.Tag = tag++ % 5;
    for (auto _ : state) {
        board.tick();
        benchmark::DoNotOptimize(board.lamp(LampGroup::PunterLedZonaJadeBird, 32).colour);
    }
    state.counters["slots"] = board.slotCount();
    report(state);
}
BENCHMARK(BM_BlinkTickAllBusy);

// The usual case: every lamp at rest.
void BM_BlinkTickAtRest(benchmark::State &state)
{
    LampBoard board;
    for (auto _ : state) {
        board.tick();
        benchmark::DoNotOptimize(board.lamp(LampGroup::PunterLedEstat, 0).colour);
    }
    report(state);
}
BENCHMARK(BM_BlinkTickAtRest);

} // namespace

BENCHMARK_MAIN();
