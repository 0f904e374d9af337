// What the entry checks of both worksheets share: the entries they name, the failure they give,
// the messages both word alike and the inclusive ranges of the temperature entries.
#pragma once

#include "message_pattern.h"

#include <string>
#include <string_view>
#include <vector>

namespace korveld {

// The entries a check reads, empties or focuses; each worksheet maps them to its own boxes.
enum class CheckedEntry { None, Refrigerant, Valve, EvapTemp, CondTemp, LiqTemp, Capacity, PressureDrop };

struct EntryFailure {
    std::string text;
    std::string_view title;
    CheckedEntry cleared; // CheckedEntry::None: nothing is emptied
    CheckedEntry focused;

    bool operator==(const EntryFailure&) const = default;
};

struct CheckMessage {
    std::string_view text;
    std::string_view title;
    CheckedEntry cleared;
    CheckedEntry focused;

    EntryFailure failure() const { return {std::string(text), title, cleared, focused}; }
    MessagePattern pattern() const { return {title, {std::string(text)}}; }
};

namespace entry_messages {

using E = CheckedEntry;
inline constexpr std::string_view kOutsideRange =
    "You have entered a value outside the allowed Range.  Please enter a correct value!";

// clang-format off
inline constexpr CheckMessage kNoRefrigerant  {"You have not made a refrigerant selection!  Please do so at this time.", "REFRIGERATION SELECTION", E::None, E::Refrigerant};
inline constexpr CheckMessage kNoValve        {"You have not made a Valve selection!  Please do so at this time.", "VALVE SELECTION", E::None, E::Valve};
inline constexpr CheckMessage kNoEvap         {"You have not entered a value for the Evaporator Temperature.  Please enter a value!", "EVAPORATOR TEMPERATURE ERROR", E::EvapTemp, E::EvapTemp};
inline constexpr CheckMessage kNoCond         {"You have you have not enter a value for the Condensing Temperature.  Please do so at this time!", "CONDENSING TEMPERATURE INPUT ERROR", E::CondTemp, E::CondTemp};
inline constexpr CheckMessage kNoLiq          {"You have not entered a value for Liquid Temperature.  Please do so at this time!", "LIQUID TEMPERATURE INPUT ERROR", E::LiqTemp, E::LiqTemp};
inline constexpr CheckMessage kNoPressureDrop {"You have not entered a distributor pressure drop!  You will have to enter a value or select a distributor type.", "NO DISTRIBUTOR PRESSURE DROP ENTRY", E::PressureDrop, E::PressureDrop};
inline constexpr CheckMessage kInvalidEvap    {"You have entered an invalid value for the Evaporator Temperature.  You need to do so now!", "Evaporator Temperature Input Error", E::EvapTemp, E::EvapTemp};
inline constexpr CheckMessage kInvalidCond    {"You have entered an invalid Condensor Temperature entry!  Please try again.", "INCORRECT CONDENSOR TEMPERATURE ENTRY", E::CondTemp, E::CondTemp};
inline constexpr CheckMessage kInvalidLiq     {"You have entered an invalid Liquid Temperature entry!  Please try again.", "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp};
inline constexpr CheckMessage kEvapOutOfRange {kOutsideRange, "EVAPORATOR TEMPERATURE ERROR", E::EvapTemp, E::EvapTemp};
inline constexpr CheckMessage kCondOutOfRange {kOutsideRange, "CONDENSING TEMPERATURE INPUT ERROR", E::CondTemp, E::CondTemp};
inline constexpr CheckMessage kLiqOutOfRange  {kOutsideRange, "Liquid Temperature Input Error", E::LiqTemp, E::LiqTemp};
inline constexpr CheckMessage kNegativeDrop   {"You have entered a negative pressure drop for the distributor!  This is not acceptable, please enter a positive pressure drop.", "NEGATIVE DISTRIBUTOR PRESSURE DROP", E::PressureDrop, E::PressureDrop};
// clang-format on

// The text typed stands between the two parts.
inline constexpr std::string_view kInvalidDropTitle = "INVALID DISTRIBUTOR PRESSURE DROP ENTRY";
inline constexpr std::string_view kInvalidDropBefore = "You have entered an invalid number for a pressure drop.  ";
inline constexpr std::string_view kInvalidDropAfter = " is not a number, please reenter a valid number!";

} // namespace entry_messages

// The pressure-drop entry is no number (or none a Single holds, in psi).
EntryFailure InvalidDropFailure(std::string_view typed);

// The messages both worksheets give alike, the pressure-drop pattern included.
std::vector<MessagePattern> SharedEntryMessages();

// Inclusive, in the unit system's own degrees: English °F, metric °C.
struct EntryRange {
    double low;
    double high;
    bool holds(double value) const { return value >= low && value <= high; }
};

struct TemperatureRanges {
    EntryRange evap;
    EntryRange evapNarrow; // the selection's CA charge and KOD series
    EntryRange cond;
    EntryRange liq;
};

const TemperatureRanges& EntryRanges(bool metric);

} // namespace korveld
