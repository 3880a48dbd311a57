// How long the core takes for the largest profile, against the floor of the trigonometry
// that any profile of as many points needs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "gear/tooth_profile.h"

static void BM_ComputeLargestProfile(benchmark::State& state) {
    GearParameters p = DefaultGearParameters();
    p.filletDivisions = 70;
    p.involuteDivisions = 100;
    GearGeometry geometry;
    static ToothProfile profile;
    for (auto _ : state) {
        ComputeProfileOf(p, &geometry, &profile);
        benchmark::DoNotOptimize(profile.profileX[170]);
    }
}
BENCHMARK(BM_ComputeLargestProfile);

// The floor: each of the 171 points turned by its own roll angle, one sine and one cosine.
static void BM_ProfileFloorOneRotationPerPoint(benchmark::State& state) {
    static ToothProfile profile;
    double start = 0.1;
    for (auto _ : state) {
        for (int i = 0; i <= 170; i++) {
            const double theta = start + i * 0.003;
            profile.profileX[i] = 2 * sin(theta);
            profile.profileY[i] = 2 * cos(theta);
        }
        benchmark::DoNotOptimize(profile.profileX[170]);
        benchmark::ClobberMemory();
        start += 1e-9;
    }
}
BENCHMARK(BM_ProfileFloorOneRotationPerPoint);

BENCHMARK_MAIN();
