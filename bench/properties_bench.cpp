// The property polynomials: the five properties of one refrigerant and the low-temperature factor.
#include "bench/fastest.h"
#include "engine/refconts.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

void BM_RefProperties(benchmark::State& state) {
    std::int16_t RefIndex = 2;
    float evap = 40.0f;
    float cond = 100.0f;
    float liq = 90.0f;
    float PEvap = 0;
    float HVap = 0;
    float PCond = 0;
    float HLiq = 0;
    float LiqDensity = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RefIndex);
        benchmark::DoNotOptimize(evap);
        korveld::RefProperties(RefIndex, evap, cond, liq, PEvap, HVap, PCond, HLiq, LiqDensity);
        benchmark::DoNotOptimize(PEvap);
        benchmark::DoNotOptimize(HVap);
        benchmark::DoNotOptimize(PCond);
        benchmark::DoNotOptimize(HLiq);
        benchmark::DoNotOptimize(LiqDensity);
    }
}
BENCHMARK(BM_RefProperties)->ComputeStatistics("min", korveld::bench::Fastest);

void BM_Sensitivity(benchmark::State& state) {
    std::int16_t RefIndex = 2;
    float evap = -20.0f; // at or below 0 °F the ratio of four pressures is worked out
    for (auto _ : state) {
        benchmark::DoNotOptimize(evap);
        benchmark::DoNotOptimize(korveld::Sensitivity(evap, RefIndex));
    }
}
BENCHMARK(BM_Sensitivity)->ComputeStatistics("min", korveld::bench::Fastest);

} // namespace
