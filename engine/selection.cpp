#include "selection.h"

#include "choice_rules.h"
#include "refconts.h"
#include "series_numbers.h"
#include "valconts.h"

#include <array>
#include <cmath>
#include <utility>

namespace korveld {
namespace {

constexpr std::string_view kTooSmallText =
    "The desired capacity is to SMALL for any of the valves in the valve type that you have chosen!";
constexpr std::string_view kTooSmallTitle = "INPUT CAPACITY TO SMALL";
constexpr std::string_view kBetweenText =
    "The capacity that you desire falls between two valves.  A correctly sized valve can not be chosen!";
constexpr std::string_view kBetweenTitle = "NO VALVE AVAILABLE";
constexpr std::string_view kTooLargeText =
    "The capacity that you desire is to LARGE for the family of expansion valve that you have chosen!";
constexpr std::string_view kTooLargeTitle = "INPUT CAPACITY TO LARGE";
constexpr std::string_view kNoSizeTitle = "Valve Selection";

constexpr std::string_view kUnitGap = "  ";
constexpr std::string_view kPerCentSuffix = "  %";

} // namespace

SelectionMessage OutcomeMessage(SizeOutcome outcome, std::string_view seriesText) {
    switch (outcome) {
    case SizeOutcome::TooSmall:
        return {SelectionMessageKind::CapacityTooSmall, std::string(kTooSmallText), kTooSmallTitle};
    case SizeOutcome::BetweenTwoValves:
        return {SelectionMessageKind::BetweenTwoValves, std::string(kBetweenText), kBetweenTitle};
    case SizeOutcome::TooLarge:
        return {SelectionMessageKind::CapacityTooLarge, std::string(kTooLargeText), kTooLargeTitle};
    case SizeOutcome::NoSizeOffered:
    case SizeOutcome::Selected:
        break;
    }
    // A series without a size for the refrigerant: the message its refrigerant pick would give.
    return {SelectionMessageKind::NoSizeOffered, NotAvailableForRefrigerantPrompt(seriesText), kNoSizeTitle};
}

namespace {

// Distributor drop and the equalizer every distributor choice forces (external chosen; internal
// left enabled only without a distributor).
void applyDistributor(Distributor distributor, Conditions& c, ForcedOptions& forced) {
    forced.add(ForcedControl::optExternal, true, true);
    forced.add(ForcedControl::optInternal, false, distributor == Distributor::None);
    c.DistPressDrop = DistributorDrop(distributor, c.DistPressDrop);
}

} // namespace

std::vector<MessagePattern> SelectionOutcomeMessages() {
    std::vector<MessagePattern> patterns{
        {kDeltaPTooSmallTitle, {kDeltaPTooSmallText}},
        {kTooSmallTitle, {std::string(kTooSmallText)}},
        {kBetweenTitle, {std::string(kBetweenText)}},
        {kTooLargeTitle, {std::string(kTooLargeText)}},
    };
    for (const SeriesMenuEntry& series : SeriesMenu()) {
        patterns.push_back({kNoSizeTitle, {NotAvailableForRefrigerantPrompt(series.text)}});
    }
    return patterns;
}

ResultsLayout ResultsLayoutFor(bool adviceGiven, std::int16_t SeriesNo) {
    const bool assemblies = Series(SeriesNo).hasAssemblies;
    if (!adviceGiven) {
        return assemblies ? ResultsLayout{3930, 2880, std::nullopt} : ResultsLayout{2600, 1550, std::nullopt};
    }
    return assemblies ? ResultsLayout{5250, 4200, 2880} : ResultsLayout{4170, 2920, 1560};
}

float SelectionUnitMultiplier(CapacityUnit unit) {
    switch (unit) {
    case CapacityUnit::BtuH:
        return static_cast<float>(1.0 / kBtuPerHourPerTon);
    case CapacityUnit::Tons:
        return 1.0f;
    case CapacityUnit::KW:
        return static_cast<float>(1.0 / 3.52);
    case CapacityUnit::KCal:
        return static_cast<float>(1.0 / 3024.0);
    }
    return 1.0f;
}

float RatedTons(float ValConstant, double root, float MassFlow, float Sensit) {
    return static_cast<float>(static_cast<double>(ValConstant) * root / MassFlow * Sensit);
}

float WithBleed(float ValCapacity, std::int16_t SeriesNo, std::int16_t BleedOption, float BleedFraction) {
    if (Series(SeriesNo).bleed == BleedTable::None || BleedOption == 0) {
        return ValCapacity;
    }
    return static_cast<float>(static_cast<double>(ValCapacity) * BleedFraction + ValCapacity);
}

bool PrepareSelection(const SelectionRequest& request, const NumberLocale& locale, SelectionAnswer& answer,
                      NameLetters& letters) {
    answer.EqualizerCode = request.EqualizerCode;
    answer.ChargeCode = request.ChargeCode;
    const std::int16_t SeriesNo = request.SeriesNo;
    const bool metric = IsMetric(request.capacityUnit);

    // Entry checks and the conditions in °F and psi.
    const SelectionCheckState checkState{metric,
                                         SeriesNo == series::KOD || request.charge.chosen == ChargeOption::MOPCA,
                                         request.distributor == Distributor::UserDefined};
    EntryCheckResult checked = CheckSelectionEntries(request.entries, checkState, locale);
    if (checked.failure) {
        answer.entryFailure = std::move(checked.failure);
        return false;
    }
    Conditions& c = answer.conditions;
    c.EvapTemp = checked.accepted.EvapTemp;
    c.CondTemp = checked.accepted.CondTemp;
    c.LiqTemp = checked.accepted.LiqTemp;
    c.DistPressDrop = checked.accepted.DistPressDrop.value_or(0.0f);

    // Letters of the name; the options some series force do not change this selection's letters.
    answer.ChargeCode = ChargeDesignation(SeriesNo, request.charge, c.EvapTemp, request.ChargeCode);
    letters = NameLettersFor({SeriesNo, request.equalizerFrameVisible, request.externalChosen,
                              request.connectionFrameVisible, request.sweatChosen, request.EqualizerCode});
    answer.EqualizerCode = letters.EqualizerCode;
    SeriesOverrideOptions(SeriesNo, answer.forced);

    RefProperties(request.RefIndex, c.EvapTemp, c.CondTemp, c.LiqTemp, c.PEvap, c.HVap, c.PCond, c.HLiq, c.LiqDensity);
    c.UnitMultiplier = SelectionUnitMultiplier(request.capacityUnit);
    answer.InputCapacity = static_cast<float>(checked.accepted.capacity * c.UnitMultiplier);
    applyDistributor(request.distributor, c, answer.forced);
    c.DeltaP = PressureDifference(c.PCond, c.PEvap, c.DistPressDrop);
    if (DeltaPTooSmall(c.DeltaP)) {
        answer.message = {SelectionMessageKind::DeltaPTooSmall, std::string(kDeltaPTooSmallText), kDeltaPTooSmallTitle};
        return false;
    }
    c.MassFlow = static_cast<float>(kBtuPerMinutePerTon / (static_cast<double>(c.HVap) - c.HLiq));
    c.Sensit = Series(SeriesNo).usesSensitivity ? Sensitivity(c.EvapTemp, request.RefIndex) : 1.0f;
    return true;
}

SizeRater::SizeRater(const SelectionRequest& request, const Conditions& conditions)
    : m_catalog(CatalogLookupOf(request.SeriesNo)),
      m_sizeCount(m_catalog != nullptr ? Series(request.SeriesNo).sizeCount : std::int16_t{0}),
      m_SeriesNo(request.SeriesNo), m_RefIndex(request.RefIndex), m_BleedOption(request.BleedOption),
      m_BleedFraction(request.BleedFraction), m_MassFlow(conditions.MassFlow), m_Sensit(conditions.Sensit),
      m_root(std::sqrt(static_cast<double>(conditions.LiqDensity) * conditions.DeltaP)) {}

std::optional<float> SizeRater::rate(std::int16_t SizeNo, std::string_view& ValName) const {
    ValName = {};
    if (m_catalog == nullptr) {
        return std::nullopt;
    }
    const CatalogSize size = m_catalog(SizeNo, m_RefIndex);
    ValName = size.ValName;
    if (ValName.empty()) {
        return std::nullopt;
    }
    return WithBleed(RatedTons(size.ValConstant, m_root, m_MassFlow, m_Sensit), m_SeriesNo, m_BleedOption,
                     m_BleedFraction);
}

SelectionAnswer SelectValve(const SelectionRequest& request, const NumberLocale& locale) {
    SelectionAnswer answer;
    NameLetters letters;
    if (!PrepareSelection(request, locale, answer, letters)) {
        return answer;
    }
    const std::int16_t SeriesNo = request.SeriesNo;
    const Conditions& c = answer.conditions;
    const SeriesInfo& series = Series(SeriesNo);

    // Rate the sizes in catalog order until one window holds the requirement or none can.
    const SizeRater rater(request, c);
    SizeSearch search(series.sizeCount, answer.InputCapacity);
    std::string_view ValName;
    for (std::int16_t SizeNo = 1; SizeNo <= rater.sizeCount(); ++SizeNo) {
        if (search.offer(SizeNo, rater.rate(SizeNo, ValName))) {
            break;
        }
    }
    const SizeSearchResult found = search.result();
    if (found.outcome != SizeOutcome::Selected) {
        answer.message = OutcomeMessage(found.outcome, request.entries.txtSelValve);
        return answer;
    }

    SelectedValve& valve = answer.selected.emplace();
    valve.SizeNo = found.SizeNo;
    valve.ValCapacity = found.ValCapacity;
    valve.ValName = ValName; // the walk stopped at the selected size
    switch (series.bleed) {
    case BleedTable::A:
        BleedPartA(valve.SizeNo, request.BleedOption, answer.BleedPart);
        break;
    case BleedTable::B:
        BleedPartB(valve.SizeNo, request.BleedOption, answer.BleedPart);
        break;
    case BleedTable::None:
        break;
    }
    QZLargeSizeOptions(SeriesNo, valve.SizeNo, answer.forced);

    valve.PerCentLoading = static_cast<float>(static_cast<double>(answer.InputCapacity) * 100.0 / valve.ValCapacity);
    valve.loadingText = FormatNumber(valve.PerCentLoading, kOneDecimalPattern, locale);
    valve.loadingText += kPerCentSuffix;
    valve.capacityInUnit = static_cast<float>(static_cast<double>(valve.ValCapacity) / c.UnitMultiplier);
    valve.capacityText = FormatNumber(valve.capacityInUnit, kCapacityPattern, locale);
    valve.capacityText.append(kUnitGap).append(request.unitCaption);
    valve.SelectedName = SelectedName({SeriesNo, request.entries.txtSelValve, letters.EqualizerCode,
                                       letters.ConnectionCode, request.StrainerCode, valve.SizeNo, valve.ValName,
                                       request.RefLetter, answer.ChargeCode, answer.BleedPart});

    // The cage letter is read after the distributor has forced its equalizer.
    const bool internalChosen = answer.forced.chosenAfter(ForcedControl::optInternal, !request.externalChosen);
    valve.assemblies = AssembliesFor(SeriesNo, valve.SizeNo, request.RefLetter, answer.ChargeCode, internalChosen);
    valve.advice =
        AdviseReplacement(SeriesNo, request.RefIndex, request.R507Flag, request.RefLetter, answer.ChargeCode);
    answer.ReplaceAdvice = valve.advice.ReplaceAdvice;
    answer.AdviceClear = valve.advice.AdviceClear;
    valve.layout = ResultsLayoutFor(valve.advice.AdviceClear == 0, SeriesNo);
    return answer;
}

} // namespace korveld
