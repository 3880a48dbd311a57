// How long fitting circular arcs to one flank takes: the default gear and the largest the
// check accepts (9999 teeth; the division counts play no part), at 1e-4 m, and the default
// gear at the least tolerance.
#include <benchmark/benchmark.h>

#include "gear/fitted_flank.h"

namespace {

FittedFlank flank;

void FitFlank(benchmark::State& state, const GearParameters& p, double tolerance) {
    for (auto _ : state) {
        const bool fitted = FitRackFlank(p, tolerance, &flank);
        benchmark::DoNotOptimize(fitted);
        benchmark::DoNotOptimize(flank.arc[0].bulge);
    }
    state.counters["arcs"] = flank.count;
}

void BM_FitDefaultFlank(benchmark::State& state) {
    const GearParameters p = DefaultGearParameters();
    FitFlank(state, p, 1e-4 * p.module);
}
BENCHMARK(BM_FitDefaultFlank);

void BM_FitLargestGearFlank(benchmark::State& state) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 9999;
    FitFlank(state, p, 1e-4 * p.module);
}
BENCHMARK(BM_FitLargestGearFlank);

void BM_FitDefaultFlankAtLeastTolerance(benchmark::State& state) {
    const GearParameters p = DefaultGearParameters();
    FitFlank(state, p, LeastFitTolerance(p));
}
BENCHMARK(BM_FitDefaultFlankAtLeastTolerance)->Unit(benchmark::kMillisecond);

}  // namespace
