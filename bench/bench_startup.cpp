#include <benchmark/benchmark.h>

#include "state/defaults.h"

// Start-up: a fresh model and every default value.
static void BM_Startup(benchmark::State& state) {
    for (auto _ : state) {
        nk::Model m;
        nk::Alapertekek(m);
        benchmark::DoNotOptimize(m.pipe.Csohejellenallas);
    }
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMicrosecond);
