// How long the core takes for the largest profile and for the script of a large gear.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "export/script_text.h"
#include "model/tooth_profile.h"

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

static bool DiscardBytes(void*, const char* bytes, size_t) {
    benchmark::DoNotOptimize(bytes);
    return true;
}

static void BM_ScriptOfThousandTeeth(benchmark::State& state) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 1000;
    GearGeometry geometry;
    static ToothProfile profile;
    ComputeProfileOf(p, &geometry, &profile);
    const DrawingScript script = {&geometry, &profile, 50, 1000, 0.0, 0.0};
    static OutputSink sink;
    for (auto _ : state) {
        OpenSink(&sink, DiscardBytes, nullptr);
        WriteDrawingScript(&sink, script);
        CloseSink(&sink);
    }
}
BENCHMARK(BM_ScriptOfThousandTeeth)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
