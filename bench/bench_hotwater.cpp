#include <benchmark/benchmark.h>

#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/poolcombined/combined_systems.h"
#include "simulation/poolcombined/pool_systems.h"
#include "state/defaults.h"

namespace {

using DayFn = void (*)(nk::Model&);
constexpr DayFn kDays[] = {nk::Melegvizrendszer11, nk::Melegvizrendszer12, nk::Melegvizrendszer13,
                           nk::Melegvizrendszer14, nk::Melegvizrendszer15, nk::Melegvizrendszer16};

// One recorded June day of a system, as the annual cycle runs it.
void runDays(benchmark::State& state, DayFn day) {
    nk::Model m;
    nk::Alapertekek(m);
    m.s.Naptipus = 1;
    m.s.Szamitasmod = 3;
    m.clock.Honap = 6;
    m.clock.Nap = 1;
    m.s.Hetnapja = 1;
    nk::countDrawHours(m);
    nk::setStartState(m);
    nk::buildRings(m);
    for (auto _ : state) {
        day(m);
        benchmark::DoNotOptimize(m.res.NapiKollHo);
    }
}

void BM_HotWaterDay(benchmark::State& state) { runDays(state, kDays[state.range(0) - 11]); }
BENCHMARK(BM_HotWaterDay)->DenseRange(11, 16)->Unit(benchmark::kMicrosecond);

void BM_PoolDay(benchmark::State& state) {
    runDays(state, state.range(0) == 21 ? nk::Medencerendszer21 : nk::Medencerendszer22);
}
BENCHMARK(BM_PoolDay)->DenseRange(21, 22)->Unit(benchmark::kMicrosecond);

constexpr DayFn kCombinedDays[] = {nk::Rendszer41, nk::Kombinalt42, nk::Kombinalt43, nk::Kombinalt44,
                                   nk::Kombinalt45};

void BM_CombinedDay(benchmark::State& state) { runDays(state, kCombinedDays[state.range(0) - 41]); }
BENCHMARK(BM_CombinedDay)->DenseRange(41, 45)->Unit(benchmark::kMicrosecond);

}  // namespace
