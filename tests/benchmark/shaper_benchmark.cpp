// How long the core takes for the largest profile of a shaper-cut gear, an external gear and
// a ring, beside the rack-cut one in core_benchmark.
#include <benchmark/benchmark.h>

#include "gear/shaper_profile.h"

static void ComputeLargestShaperProfile(benchmark::State& state, bool ring) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = ring ? 50 : 24;
    p.filletDivisions = 70;
    p.involuteDivisions = 100;
    const ShaperSetup setup = {ring, 25, 0, 0};
    GearGeometry geometry;
    static ToothProfile profile;
    for (auto _ : state) {
        ComputeShaperProfileOf(p, setup, &geometry, &profile);
        benchmark::DoNotOptimize(profile.profileX[170]);
    }
}

static void BM_ComputeLargestShaperProfile(benchmark::State& state) {
    ComputeLargestShaperProfile(state, false);
}
BENCHMARK(BM_ComputeLargestShaperProfile);

static void BM_ComputeLargestRingProfile(benchmark::State& state) {
    ComputeLargestShaperProfile(state, true);
}
BENCHMARK(BM_ComputeLargestRingProfile);
