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

// A designer's series of variants: 20 annual runs in a row on one model,
// the tank heater's temperature changed before each. The time per run must
// stay that of a single run, whatever the length of the series.
void BM_AnnualSeries(benchmark::State& state) {
    nk::Model* m = startedModel(int(state.range(0)), 3);
    constexpr int kRuns = 20;
    for (auto _ : state) {
        for (int run = 0; run < kRuns; ++run) {
            m->s.Tarolofuteshofok = 45 + run % 10;
            nk::runCalculation(*m);
            benchmark::DoNotOptimize(m->res.EredmKollHo(1));
        }
    }
    // Seconds per run of the series, shown with an SI prefix (m for ms).
    state.counters["s_per_run"] =
        benchmark::Counter(kRuns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    delete m;
}
BENCHMARK(BM_AnnualSeries)->Arg(16)->Arg(45)->Unit(benchmark::kMillisecond);

}  // namespace
