// How long the mesh check takes on the cut outlines: the default pair must stay well inside a
// frame (under 5 ms), building both outlines included.
#include <benchmark/benchmark.h>

#include "gear/pair_mesh.h"

static PairInput DefaultPair(int mateTeeth) {
    PairInput in = {};
    in.gear = DefaultGearParameters();
    in.mateToothCount = mateTeeth;
    in.kind = kExternalPair;
    return in;
}

// The default gear (24 teeth, divisions 30/20) with a 48-tooth mate, tight.
static void BM_CheckDefaultPairMesh(benchmark::State& state) {
    const PairInput in = DefaultPair(48);
    PairData data;
    ComputePairData(in, &data);
    for (auto _ : state) {
        MeshCheck check;
        CheckPairMesh(in, &data, &check);
        benchmark::DoNotOptimize(check.smallestGap);
    }
}
BENCHMARK(BM_CheckDefaultPairMesh)->Unit(benchmark::kMillisecond);

// With backlash: the flanks never touch, so fewer points can be passed over.
static void BM_CheckDefaultPairMeshWithBacklash(benchmark::State& state) {
    PairInput in = DefaultPair(48);
    in.centreDistance = 72.3;
    PairData data;
    ComputePairData(in, &data);
    for (auto _ : state) {
        MeshCheck check;
        CheckPairMesh(in, &data, &check);
        benchmark::DoNotOptimize(check.smallestGap);
    }
}
BENCHMARK(BM_CheckDefaultPairMeshWithBacklash)->Unit(benchmark::kMillisecond);

// The largest ratio the program draws: the default gear with a 9999-tooth mate.
static void BM_CheckPairMeshWithLargestMate(benchmark::State& state) {
    const PairInput in = DefaultPair(9999);
    PairData data;
    ComputePairData(in, &data);
    for (auto _ : state) {
        MeshCheck check;
        CheckPairMesh(in, &data, &check);
        benchmark::DoNotOptimize(check.smallestGap);
    }
}
BENCHMARK(BM_CheckPairMeshWithLargestMate)->Unit(benchmark::kMillisecond);
