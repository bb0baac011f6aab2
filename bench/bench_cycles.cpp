#include <benchmark/benchmark.h>

#include "simulation/cycles/drivers.h"
#include "state/defaults.h"

namespace {

nk::Model* startedModel(int system, nk::Integer cycle) {
    auto* m = new nk::Model;
    nk::Alapertekek(*m);
    nk::initialCalculationChoices(*m);
    m->s.Rendszerszam = system;
    m->s.Szamitasmod = cycle;
    return m;
}

// The annual run the calculation window makes on every activation.
void BM_AnnualRun(benchmark::State& state) {
    nk::Model* m = startedModel(int(state.range(0)), 3);
    for (auto _ : state) {
        nk::runCalculation(*m);
        benchmark::DoNotOptimize(m->res.EredmKollHo(1));
    }
    delete m;
}
BENCHMARK(BM_AnnualRun)->DenseRange(11, 16)->DenseRange(21, 22)->DenseRange(41, 45)->Unit(benchmark::kMillisecond);

void BM_DailyRun(benchmark::State& state) {
    nk::Model* m = startedModel(11, 1);
    for (auto _ : state) {
        nk::runCalculation(*m);
        benchmark::DoNotOptimize(m->res.EredmKollHo(1));
    }
    delete m;
}
BENCHMARK(BM_DailyRun)->Unit(benchmark::kMicrosecond);

}  // namespace
