#include "operating_windows.h"

namespace korveld {

OperatingWindows SelectionWindows(const SelectionRequest& request, const NumberLocale& locale) {
    OperatingWindows chart;
    chart.refrigerant = request.entries.txtSelRefrig;
    chart.series = request.entries.txtSelValve;
    chart.evapTemp = request.entries.txtEvapTemp;
    chart.condTemp = request.entries.txtCondTemp;
    chart.liqTemp = request.entries.txtLiqTemp;
    chart.metric = IsMetric(request.capacityUnit);
    chart.unitCaption = request.unitCaption;
    chart.UnitMultiplier = SelectionUnitMultiplier(request.capacityUnit);

    SelectionAnswer answer;
    NameLetters letters;
    if (!PrepareSelection(request, locale, answer, letters)) {
        chart.entryFailure = std::move(answer.entryFailure);
        chart.message = std::move(answer.message);
        return chart;
    }
    const Conditions& c = answer.conditions;
    chart.InputCapacity = answer.InputCapacity;
    chart.UnitMultiplier = c.UnitMultiplier;

    // Every size is rated for the picture; the walk takes them in the same order and keeps the
    // answer it reaches first, as Select does.
    const SizeRater rater(request, c);
    SizeSearch search(Series(request.SeriesNo).sizeCount, answer.InputCapacity);
    std::string_view ValName;
    for (std::int16_t SizeNo = 1; SizeNo <= rater.sizeCount(); ++SizeNo) {
        const std::optional<float> capacity = rater.rate(SizeNo, ValName);
        search.offer(SizeNo, capacity);
        if (capacity) {
            chart.sizes.push_back({SizeNo, std::string(ValName), *capacity, WindowOf(*capacity)});
        }
    }
    const SizeSearchResult found = search.result();
    chart.outcome = found.outcome;
    if (found.outcome == SizeOutcome::Selected) {
        chart.selectedSize = found.SizeNo;
    } else {
        chart.message = OutcomeMessage(found.outcome, request.entries.txtSelValve);
    }
    return chart;
}

} // namespace korveld
