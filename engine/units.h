// Units of measure on the engine side: which system a capacity unit belongs to, the conversions of
// entries already typed when the user switches units, the conversions of the entries into the
// rating's °F and psi, and the captions and messages that follow the unit.
#pragma once

#include "engine/conditions.h"
#include "engine/message_pattern.h"
#include "engine/number_text.h"
#include "engine/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

enum class UnitSystem : std::int16_t { English = 0, Metric = 1 }; // the values of UnitsMetric

inline constexpr UnitSystem SystemOf(CapacityUnit unit) {
    return IsMetric(unit) ? UnitSystem::Metric : UnitSystem::English;
}
inline constexpr PressureUnit PressureUnitOf(CapacityUnit unit) {
    return IsMetric(unit) ? PressureUnit::Bars : PressureUnit::Psi;
}
// A switch to `to` converts the temperatures and the pressure drop only when the system changes.
inline constexpr bool SystemChanges(UnitSystem current, CapacityUnit to) {
    return SystemOf(to) != current;
}

// One cell of the capacity-entry table: x × operand, or x / operand, shown with its pattern.
struct CapacityEntryConversion {
    enum class Operation { Multiply, Divide };
    Operation operation;
    double operand;
    std::string_view pattern;

    double Apply(double x) const { return operation == Operation::Divide ? x / operand : x * operand; }
};
// The conversion of a capacity entry from one unit to another on a worksheet; from == to is the
// identity (the worksheets neither convert nor test the entry then).
CapacityEntryConversion CapacityConversion(CapacityUnit from, CapacityUnit to, Worksheet sheet);

// A converted value as the unit switch keeps it: the Single and the text the entry then shows.
struct ConvertedEntry {
    float value;
    std::string text;
};

// A double turned into text with 15 significant digits and read back as a Single; nullopt when the
// value does not fit a Single (the entry that caused it is then "not a true number").
std::optional<float> ThroughText(double value);

// Each conversion below gives nullopt when the value typed or the value converted is beyond a Single:
// such an entry never reaches a calculation and is treated as not a number.

// The capacity entry x (already a number) converted for a unit switch.
std::optional<ConvertedEntry> ConvertCapacityEntry(double x, CapacityUnit from, CapacityUnit to, Worksheet sheet,
                                                   const NumberLocale& locale = {});
// The distributor pressure drop converted between psi and bars, shown with "####.0".
std::optional<ConvertedEntry> ConvertPressureDropEntry(double drop, PressureUnit from, PressureUnit to,
                                                       const NumberLocale& locale = {});
// A temperature entry converted into the system `to` (°F to °C or °C to °F), stored as a Single and
// shown with "###.0".
std::optional<ConvertedEntry> ConvertTemperatureEntry(double temperature, UnitSystem to,
                                                      const NumberLocale& locale = {});

// The entries as the rating takes them: a temperature in °F (°C entries converted) and the
// user-defined distributor drop in psi (bar entries × 14.5), each stored as a Single.
std::optional<float> RatingTemperature(double entry, UnitSystem system);
std::optional<float> RatingPressureDrop(double entry, UnitSystem system);

// Captions that follow the unit, as the unit switch writes them.
std::string_view CapacityUnitCaption(CapacityUnit unit, Worksheet sheet);
std::string_view PressureUnitCaption(PressureUnit unit);
// mopCA: the selection worksheet's charge option optMOPCA is chosen.
std::string_view EvapRangeCaption(UnitSystem system, bool mopCA = false);
std::string_view CondRangeCaption(UnitSystem system);
std::string_view LiqRangeCaption(UnitSystem system);

// The messages of a unit switch for an entry that is not a number.
struct UnitMessage {
    std::string text;
    std::string_view title;
};
enum class TemperatureEntry { Evaporator, Condensing, Liquid };

UnitMessage TemperatureEntryMessage(TemperatureEntry entry);
UnitMessage PressureDropEntryMessage(std::string_view entry);
UnitMessage CapacityEntryMessage(std::string_view entry);
// Every message a unit switch can give.
std::vector<MessagePattern> UnitSwitchMessages();

// A pressure as the printed reports show it: turned into decimal text first (a Single with its
// shortest digits; in metric units the quotient by 14.5, a double, with 15 significant digits),
// that text read back, then shown with "###.0".
std::string ReportPressureText(float psi, bool metric, const NumberLocale& locale);

} // namespace korveld
