// The capacity rating: one full rating of the largest series and a sweep over every refrigerant
// and series.
#include "bench/fastest.h"
#include "engine/rating.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

// R-22 at 40 / 100 / 90 °F with the orifice distributor.
korveld::RatingInputs workedConditions(std::int16_t SeriesNo) {
    korveld::RatingInputs in;
    in.EvapTemp = 40.0f;
    in.CondTemp = 100.0f;
    in.LiqTemp = 90.0f;
    in.RefIndex = 2;
    in.SeriesNo = SeriesNo;
    in.distributor = korveld::Distributor::Orifice;
    return in;
}

constexpr std::int16_t kQZ = 8;

// Into one result kept across calls, as a worksheet would hold it.
void BM_RateQZ12Rows(benchmark::State& state) {
    korveld::RatingInputs in = workedConditions(kQZ);
    in.systemCapacity = 12000.0;
    korveld::Rating rating;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        korveld::RateCapacity(in, rating);
        benchmark::DoNotOptimize(rating);
    }
    state.counters["rows"] = rating.RowCount;
}
BENCHMARK(BM_RateQZ12Rows)->ComputeStatistics("min", korveld::bench::Fastest);

// A fresh result on every call.
void BM_RateQZ12RowsByValue(benchmark::State& state) {
    korveld::RatingInputs in = workedConditions(kQZ);
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        korveld::Rating rating = korveld::RateCapacity(in);
        benchmark::DoNotOptimize(rating);
    }
}
BENCHMARK(BM_RateQZ12RowsByValue)->ComputeStatistics("min", korveld::bench::Fastest);

// The ten refrigerants in menu order (R-502 and R-507 share set 8) × the eighteen series.
void BM_RateSweepAllRefrigerantsAndSeries(benchmark::State& state) {
    constexpr std::array<std::int16_t, 10> kMenuRefIndex{1, 2, 8, 3, 4, 5, 7, 6, 9, 8};
    korveld::RatingInputs in = workedConditions(1);
    korveld::Rating rating;
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (std::int16_t RefIndex : kMenuRefIndex) {
            for (std::int16_t SeriesNo = 1; SeriesNo <= korveld::kSeriesCount; ++SeriesNo) {
                in.RefIndex = RefIndex;
                in.SeriesNo = SeriesNo;
                benchmark::DoNotOptimize(in);
                korveld::RateCapacity(in, rating);
                rows += rating.RowCount;
            }
        }
        benchmark::DoNotOptimize(rating);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kMenuRefIndex.size()) *
                            korveld::kSeriesCount);
    state.counters["rows/sweep"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RateSweepAllRefrigerantsAndSeries)->ComputeStatistics("min", korveld::bench::Fastest);

} // namespace
