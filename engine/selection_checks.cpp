#include "selection_checks.h"

#include "conditions.h"

namespace korveld {
namespace {

using E = CheckedEntry;
using namespace entry_messages;

// clang-format off
constexpr CheckMessage kNoCapacity      {"You have not entered a capacity!  Please do so at this time.", "NO CAPACITY INPUT", E::None, E::Capacity};
constexpr CheckMessage kInvalidCapacity {"You have entered an invalid Capacity entry!  Please try again.", "INCORRECT CAPACITY ENTRY", E::Capacity, E::Capacity};
constexpr CheckMessage kLiqAboveCond    {"You have entered a liquid temperature higher than the condensing temperature.  This is not practical!  Please enter a new value.", "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp};
// clang-format on

EntryCheckResult fail(const CheckMessage& message) {
    return {message.failure(), {}};
}

EntryCheckResult fail(EntryFailure failure) {
    return {std::move(failure), {}};
}

float toFahrenheit(double typed, bool metric) {
    return static_cast<float>(metric ? FahrenheitFromCelsius(typed) : typed);
}

} // namespace

std::vector<MessagePattern> SelectionCheckMessages() {
    std::vector<MessagePattern> patterns;
    for (const CheckMessage* message : {&kNoCapacity, &kInvalidCapacity, &kLiqAboveCond}) {
        patterns.push_back(message->pattern());
    }
    return patterns;
}

EntryCheckResult CheckSelectionEntries(const SelectionEntries& entries, const SelectionCheckState& state,
                                       const NumberLocale& locale) {
    if (entries.txtSelRefrig.empty()) {
        return fail(kNoRefrigerant);
    }
    if (entries.txtSelValve.empty()) {
        return fail(kNoValve);
    }
    if (entries.txtEvapTemp.empty()) {
        return fail(kNoEvap);
    }
    if (entries.txtCondTemp.empty()) {
        return fail(kNoCond);
    }
    if (entries.txtLiqTemp.empty()) {
        return fail(kNoLiq);
    }
    if (entries.txtInputCap.empty()) {
        return fail(kNoCapacity);
    }
    if (state.DistUserDefined && entries.txtPressureDrop.empty()) {
        return fail(kNoPressureDrop);
    }
    const std::optional<double> evap = ParseNumber(entries.txtEvapTemp, locale);
    if (!evap) {
        return fail(kInvalidEvap);
    }
    const std::optional<double> cond = ParseNumber(entries.txtCondTemp, locale);
    if (!cond) {
        return fail(kInvalidCond);
    }
    const std::optional<double> liq = ParseNumber(entries.txtLiqTemp, locale);
    if (!liq) {
        return fail(kInvalidLiq);
    }
    // A capacity or a drop beyond a Single is no usable number.
    const std::optional<double> capacity = ParseNumber(entries.txtInputCap, locale);
    if (!capacity || !FitsSingle(*capacity)) {
        return fail(kInvalidCapacity);
    }
    std::optional<double> drop;
    if (state.DistUserDefined) {
        drop = ParseNumber(entries.txtPressureDrop, locale);
        if (!drop || !FitsSingle(*drop)) {
            return fail(InvalidDropFailure(entries.txtPressureDrop));
        }
    }
    const TemperatureRanges& ranges = EntryRanges(state.metric);
    if (!ranges.evap.holds(*evap)) {
        return fail(kEvapOutOfRange);
    }
    if (state.caChargeOrKOD && !ranges.evapNarrow.holds(*evap)) {
        return fail(kEvapOutOfRange);
    }
    if (!ranges.cond.holds(*cond)) {
        return fail(kCondOutOfRange);
    }
    if (!ranges.liq.holds(*liq)) {
        return fail(kLiqOutOfRange);
    }
    if (drop && *drop < 0.0) {
        return fail(kNegativeDrop);
    }

    EntryCheckResult result;
    AcceptedEntries& accepted = result.accepted;
    accepted.EvapTemp = toFahrenheit(*evap, state.metric);
    accepted.CondTemp = toFahrenheit(*cond, state.metric);
    accepted.LiqTemp = toFahrenheit(*liq, state.metric);
    accepted.capacity = *capacity;
    if (drop) {
        // A drop in bars that fits a Single may still overflow one once turned into psi.
        accepted.DistPressDrop = ToSingle(state.metric ? PsiFromBars(*drop) : *drop);
        if (!accepted.DistPressDrop) {
            return fail(InvalidDropFailure(entries.txtPressureDrop));
        }
    }
    if (accepted.LiqTemp > accepted.CondTemp) {
        return fail(kLiqAboveCond);
    }
    return result;
}

} // namespace korveld
