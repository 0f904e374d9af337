#include "selection_checks.h"

#include "charges.h"
#include "conditions.h"

namespace korveld {
namespace {

using E = SelectionEntry;

struct CheckMessage {
    std::string_view text;
    std::string_view title;
    SelectionEntry cleared;
    SelectionEntry focused;
};

constexpr std::string_view kOutsideRange =
    "You have entered a value outside the allowed Range.  Please enter a correct value!";

// clang-format off
constexpr CheckMessage kNoRefrigerant     {"You have not made a refrigerant selection!  Please do so at this time.", "REFRIGERATION SELECTION", E::None, E::txtSelRefrig};
constexpr CheckMessage kNoValve           {"You have not made a Valve selection!  Please do so at this time.", "VALVE SELECTION", E::None, E::txtSelValve};
constexpr CheckMessage kNoEvap            {"You have not entered a value for the Evaporator Temperature.  Please enter a value!", "EVAPORATOR TEMPERATURE ERROR", E::txtEvapTemp, E::txtEvapTemp};
constexpr CheckMessage kNoCond            {"You have you have not enter a value for the Condensing Temperature.  Please do so at this time!", "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp};
constexpr CheckMessage kNoLiq             {"You have not entered a value for Liquid Temperature.  Please do so at this time!", "LIQUID TEMPERATURE INPUT ERROR", E::txtLiqTemp, E::txtLiqTemp};
constexpr CheckMessage kNoCapacity        {"You have not entered a capacity!  Please do so at this time.", "NO CAPACITY INPUT", E::None, E::txtInputCap};
constexpr CheckMessage kNoPressureDrop    {"You have not entered a distributor pressure drop!  You will have to enter a value or select a distributor type.", "NO DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop};
constexpr CheckMessage kInvalidEvap       {"You have entered an invalid value for the Evaporator Temperature.  You need to do so now!", "Evaporator Temperature Input Error", E::txtEvapTemp, E::txtEvapTemp};
constexpr CheckMessage kInvalidCond       {"You have entered an invalid Condensor Temperature entry!  Please try again.", "INCORRECT CONDENSOR TEMPERATURE ENTRY", E::txtCondTemp, E::txtCondTemp};
constexpr CheckMessage kInvalidLiq        {"You have entered an invalid Liquid Temperature entry!  Please try again.", "INCORRECT LIQUID TEMPERATURE ENTRY", E::txtLiqTemp, E::txtLiqTemp};
constexpr CheckMessage kInvalidCapacity   {"You have entered an invalid Capacity entry!  Please try again.", "INCORRECT CAPACITY ENTRY", E::txtInputCap, E::txtInputCap};
constexpr CheckMessage kInvalidDrop       {"", "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop};
constexpr CheckMessage kEvapOutOfRange    {kOutsideRange, "EVAPORATOR TEMPERATURE ERROR", E::txtEvapTemp, E::txtEvapTemp};
constexpr CheckMessage kCondOutOfRange    {kOutsideRange, "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp};
constexpr CheckMessage kLiqOutOfRange     {kOutsideRange, "Liquid Temperature Input Error", E::txtLiqTemp, E::txtLiqTemp};
constexpr CheckMessage kNegativeDrop      {"You have entered a negative pressure drop for the distributor!  This is not acceptable, please enter a positive pressure drop.", "NEGATIVE DISTRIBUTOR PRESSURE DROP", E::txtPressureDrop, E::txtPressureDrop};
constexpr CheckMessage kLiqAboveCond      {"You have entered a liquid temperature higher than the condensing temperature.  This is not practical!  Please enter a new value.", "INCORRECT LIQUID TEMPERATURE ENTRY", E::txtLiqTemp, E::txtLiqTemp};
// clang-format on

constexpr std::string_view kInvalidDropBefore = "You have entered an invalid number for a pressure drop.  ";
constexpr std::string_view kInvalidDropAfter = " is not a number, please reenter a valid number!";

// Inclusive temperature ranges as typed: metric in °C, English in °F.
struct Range {
    double low;
    double high;
    bool holds(double value) const { return value >= low && value <= high; }
};
constexpr Range kCondRangeC{10.0, 66.0};
constexpr Range kCondRangeF{50.0, 150.0};
constexpr Range kLiqRangeC{-18.0, 66.0};
constexpr Range kLiqRangeF{0.0, 150.0};

EntryCheckResult fail(const CheckMessage& message) {
    return {EntryFailure{std::string(message.text), message.title, message.cleared, message.focused}, {}};
}

EntryCheckResult invalidDrop(std::string_view typed) {
    EntryCheckResult result = fail(kInvalidDrop);
    result.failure->text = std::string(kInvalidDropBefore).append(typed).append(kInvalidDropAfter);
    return result;
}

bool inRange(EvapRange range, double value) {
    return value >= range.low && value <= range.high;
}

float toFahrenheit(double typed, bool metric) {
    return static_cast<float>(metric ? FahrenheitFromCelsius(typed) : typed);
}

} // namespace

std::vector<MessagePattern> SelectionCheckMessages() {
    std::vector<MessagePattern> patterns;
    for (const CheckMessage* message :
         {&kNoRefrigerant, &kNoValve, &kNoEvap, &kNoCond, &kNoLiq, &kNoCapacity, &kNoPressureDrop, &kInvalidEvap,
          &kInvalidCond, &kInvalidLiq, &kInvalidCapacity, &kEvapOutOfRange, &kCondOutOfRange, &kLiqOutOfRange,
          &kNegativeDrop, &kLiqAboveCond}) {
        patterns.push_back({message->title, {std::string(message->text)}});
    }
    patterns.push_back({kInvalidDrop.title, {std::string(kInvalidDropBefore), std::string(kInvalidDropAfter)}});
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
            return invalidDrop(entries.txtPressureDrop);
        }
    }
    if (!inRange(EvaporatorRange(false, state.metric), *evap)) {
        return fail(kEvapOutOfRange);
    }
    if (state.caChargeOrKOD && !inRange(EvaporatorRange(true, state.metric), *evap)) {
        return fail(kEvapOutOfRange);
    }
    if (!(state.metric ? kCondRangeC : kCondRangeF).holds(*cond)) {
        return fail(kCondOutOfRange);
    }
    if (!(state.metric ? kLiqRangeC : kLiqRangeF).holds(*liq)) {
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
            return invalidDrop(entries.txtPressureDrop);
        }
    }
    if (accepted.LiqTemp > accepted.CondTemp) {
        return fail(kLiqAboveCond);
    }
    return result;
}

} // namespace korveld
