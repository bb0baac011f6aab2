#include <benchmark/benchmark.h>

#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/hotwater_systems.h"
#include "state/defaults.h"

namespace {

using DayFn = void (*)(nk::Model&);
constexpr DayFn kDays[] = {nk::Melegvizrendszer11, nk::Melegvizrendszer12, nk::Melegvizrendszer13,
                           nk::Melegvizrendszer14, nk::Melegvizrendszer15, nk::Melegvizrendszer16};

// One recorded June day of a system, as the annual cycle runs it.
void BM_HotWaterDay(benchmark::State& state) {
    nk::Model m;
    nk::Alapertekek(m);
    m.s.Naptipus = 1;
    m.s.Szamitasmod = 3;
    m.clock.Honap = 6;
    m.clock.Nap = 1;
    m.s.Hetnapja = 1;
    nk::countDrawHours(m);
    nk::setStartState(m);
    const DayFn day = kDays[state.range(0) - 11];
    for (auto _ : state) {
        day(m);
        benchmark::DoNotOptimize(m.res.NapiKollHo);
    }
}
BENCHMARK(BM_HotWaterDay)->DenseRange(11, 16)->Unit(benchmark::kMicrosecond);

}  // namespace
