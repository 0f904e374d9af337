// One full selection as the Select button makes it: entry checks, conditions, the size search,
// the name, assemblies and advice.
#include "bench/fastest.h"
#include "engine/selection.h"

#include <benchmark/benchmark.h>

namespace {

// R-22 at 40 / 100 / 90 °F with the orifice distributor; the requirement picks a middle size.
korveld::SelectionRequest workedRequest(std::int16_t SeriesNo, std::string_view code, std::string_view capacity) {
    korveld::SelectionRequest request;
    request.entries = {"R-22", code, "40", "100", "90", capacity, ""};
    request.SeriesNo = SeriesNo;
    request.RefIndex = 2;
    request.RefLetter = "H";
    request.unitCaption = "Btu/h";
    request.charge.captions = {"C or Z", "CA", "W35", "W65", "W100"};
    return request;
}

void runSelection(benchmark::State& state, const korveld::SelectionRequest& request) {
    korveld::SelectionAnswer answer;
    for (auto _ : state) {
        benchmark::DoNotOptimize(request);
        answer = korveld::SelectValve(request);
        benchmark::DoNotOptimize(answer);
    }
    if (!answer.selected) {
        state.SkipWithError("the request selects no valve");
        return;
    }
    state.counters["SizeNo"] = answer.selected->SizeNo;
}

void BM_SelectKO(benchmark::State& state) {
    runSelection(state, workedRequest(2, "KO", "24000"));
}
BENCHMARK(BM_SelectKO)->ComputeStatistics("min", korveld::bench::Fastest);

// The longest walk: QZ's twelve sizes with a requirement for the largest.
void BM_SelectQZLargest(benchmark::State& state) {
    runSelection(state, workedRequest(8, "QZ", "200000"));
}
BENCHMARK(BM_SelectQZLargest)->ComputeStatistics("min", korveld::bench::Fastest);

// A V-family valve with assemblies and power-head advice (R-404A).
void BM_SelectVMPWithAdvice(benchmark::State& state) {
    korveld::SelectionRequest request = workedRequest(13, "VMP", "60000");
    request.entries.txtSelRefrig = "R-404A";
    request.RefIndex = 6;
    request.RefLetter = "S";
    request.charge.captions = {"C or Z", "CA", "W35", "W45", "W65"};
    runSelection(state, request);
}
BENCHMARK(BM_SelectVMPWithAdvice)->ComputeStatistics("min", korveld::bench::Fastest);

} // namespace
