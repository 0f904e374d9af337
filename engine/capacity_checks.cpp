#include "capacity_checks.h"

#include "units.h"

namespace korveld {
namespace {

using E = CheckedEntry;
using namespace entry_messages;

// clang-format off
constexpr CheckMessage kNoSystemCapacity      {"You have NOT entered a System Capacity Value!  Please try again.", "NO SYSTEM CAPACITY ENTRY", E::Capacity, E::Capacity};
constexpr CheckMessage kInvalidSystemCapacity {"You have entered an invalid System Capacity entry; the value is not a true number!  Please try again.", "INCORRECT SYSTEM CAPACITY ENTRY", E::Capacity, E::Capacity};
constexpr CheckMessage kLiqNotBelowCond       {"You have entered a liquid temperature higher than or equal to the condensing temperature.  This is not practical!  Please enter a new value.", "INCORRECT SYSEM CAPACITY ENTRY", E::LiqTemp, E::LiqTemp};
// clang-format on

CapacityCheckResult fail(const CheckMessage& message) {
    return {message.failure(), false, {}};
}

} // namespace

std::vector<MessagePattern> CapacityCheckMessages() {
    std::vector<MessagePattern> patterns;
    for (const CheckMessage* message : {&kNoSystemCapacity, &kInvalidSystemCapacity, &kLiqNotBelowCond}) {
        patterns.push_back(message->pattern());
    }
    return patterns;
}

EntryFailure SystemCapacityInvalid() {
    return kInvalidSystemCapacity.failure();
}

CapacityCheckResult CheckCapacityEntries(const CapacityEntries& entries, const CapacityCheckState& state,
                                         const NumberLocale& locale) {
    const std::optional<double> evap = ParseNumber(entries.txtEvapTemp, locale);
    const std::optional<double> cond = ParseNumber(entries.txtCondTemp, locale);
    const std::optional<double> liq = ParseNumber(entries.txtLiqTemp, locale);
    const std::optional<double> capacity = ParseNumber(entries.txtSystemCapacity, locale);
    const std::optional<double> drop = ParseNumber(entries.txtPressureDrop, locale);

    // Checks 1 to 5: the form of what is typed.
    if (!entries.txtEvapTemp.empty() && !evap) {
        return fail(kInvalidEvap);
    }
    if (!entries.txtCondTemp.empty() && !cond) {
        return fail(kInvalidCond);
    }
    if (!entries.txtLiqTemp.empty() && !liq) {
        return fail(kInvalidLiq);
    }
    if (state.loading && entries.txtSystemCapacity.empty()) {
        return fail(kNoSystemCapacity);
    }
    // A capacity or drop beyond a Single is no number a calculation could take.
    if (state.loading && (!capacity || !FitsSingle(*capacity))) {
        return fail(kInvalidSystemCapacity);
    }
    if (state.DistUserDefined && !entries.txtPressureDrop.empty() && (!drop || !FitsSingle(*drop))) {
        return {InvalidDropFailure(entries.txtPressureDrop), false, {}};
    }
    // Checks 6 to 9: presence and range.
    const TemperatureRanges& ranges = EntryRanges(state.metric);
    if (!evap || !ranges.evap.holds(*evap)) {
        return fail(evap ? kEvapOutOfRange : kNoEvap);
    }
    if (!cond || !ranges.cond.holds(*cond)) {
        return fail(cond ? kCondOutOfRange : kNoCond);
    }
    if (!liq || !ranges.liq.holds(*liq)) {
        return fail(liq ? kLiqOutOfRange : kNoLiq);
    }
    if (state.DistUserDefined && (!drop || *drop < 0.0)) {
        return fail(drop ? kNegativeDrop : kNoPressureDrop);
    }
    // Checks 10 and 11: the menu choices.
    if (entries.txtSelectRefrig.empty()) {
        return fail(kNoRefrigerant);
    }
    if (entries.txtSelValve.empty()) {
        return fail(kNoValve);
    }

    // Check 12 compares the entries once in °F; range-checked temperatures always fit a Single.
    const UnitSystem system = state.metric ? UnitSystem::Metric : UnitSystem::English;
    CapacityCheckResult result;
    result.converted = true;
    CapacityAccepted& accepted = result.accepted;
    accepted.EvapTemp = RatingTemperature(*evap, system).value_or(0.0f);
    accepted.CondTemp = RatingTemperature(*cond, system).value_or(0.0f);
    accepted.LiqTemp = RatingTemperature(*liq, system).value_or(0.0f);
    if (state.loading) {
        accepted.systemCapacity = capacity;
    }
    if (state.DistUserDefined) {
        accepted.DistPressDrop = RatingPressureDrop(*drop, system);
        if (!accepted.DistPressDrop) { // bars × 14.5 beyond a Single
            result.failure = InvalidDropFailure(entries.txtPressureDrop);
            return result;
        }
    }
    if (accepted.LiqTemp >= accepted.CondTemp) {
        result.failure = kLiqNotBelowCond.failure();
    }
    return result;
}

} // namespace korveld
