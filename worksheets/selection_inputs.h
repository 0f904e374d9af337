// Everything a user enters on the selection worksheet for one selection, read off the worksheet
// and entered again on a worksheet as a user would: the unit, the refrigerant and series picks,
// the distributor, equalizer, connection, strainer, the typed texts, the charge and the bleed.
#pragma once

#include "engine/conditions.h"
#include "worksheets/controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace korveld {

class frmkorveld;
class Program;

enum class DistributorPick : std::uint8_t { None, Orifice, Venturi, UserDefined };

// The distributor option of either worksheet (both name them alike).
template <typename Worksheet>
OptionButton& DistributorOption(Worksheet& sheet, DistributorPick pick) {
    switch (pick) {
    case DistributorPick::None:
        return sheet.optDistNone;
    case DistributorPick::Venturi:
        return sheet.optDistVenturi;
    case DistributorPick::UserDefined:
        return sheet.optUserDefined;
    case DistributorPick::Orifice:
        break;
    }
    return sheet.optDistOrifice;
}

// The bleed dialog's percentages, in the order of its options.
inline constexpr std::array<int, 7> kBleedPercents = {10, 15, 20, 25, 30, 40, 50};

struct SelectionInputs {
    CapacityUnit unit = CapacityUnit::BtuH;
    std::string refrigerant;   // as the refrigerant box shows it; empty: none picked
    std::int16_t SeriesNo = 0; // 0: none picked
    DistributorPick distributor = DistributorPick::Orifice;
    std::string pressureDrop; // as typed, with the user-defined distributor
    bool internalEqualizer = false;
    bool flare = false;
    bool strainer = false;
    std::string evap;
    std::string cond;
    std::string liquid;
    std::string capacity;
    // The chosen charge option's caption, "none" for the option without MOP; empty: the charge the
    // worksheet chooses itself.
    std::string charge;
    int bleedPercent = 0; // 0 or one of kBleedPercents
    bool operator==(const SelectionInputs&) const = default;
};

// What the worksheet shows now.
SelectionInputs ReadSelectionInputs(const frmkorveld& sheet);

// Enters the inputs on the worksheet, each step as one user event in this order: the unit, the
// refrigerant, the series, the distributor and its pressure drop, the equalizer, the connection,
// the strainer, the three temperatures and the capacity, the charge, the bleed. A step whose
// control the user cannot reach at that moment (hidden, disabled, or no charge of that caption)
// is left out, so each series takes the options as far as it offers them. Message boxes are the
// platform's, as for any user.
void EnterSelectionInputs(Program& program, frmkorveld& sheet, const SelectionInputs& inputs);

// The same from the series pick on: the worksheet keeps its unit and refrigerant.
void EnterFromSeriesPick(Program& program, frmkorveld& sheet, const SelectionInputs& inputs);

// As a user starts a selection afresh: Close on the worksheet (when it shows), Valve Selection on
// the start screen, then the inputs entered. A worksheet keeps state from earlier picks that the
// next pick does not set (an equalizer frame a series left hidden, a refrigerant its series
// refuses), so this is how the answer is the one a fresh worksheet gives. Nothing happens while
// the results dialog holds the worksheet disabled; false then.
bool EnterOnFreshWorksheet(Program& program, frmkorveld& sheet, const SelectionInputs& inputs);

} // namespace korveld
