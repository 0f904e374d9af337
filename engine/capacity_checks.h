// The entry checks of the Calculate button, in their fixed order: the form of what is typed, then
// presence and range, then the menu choices, then the liquid below the condensing temperature.
// The first failure gives its message, the entry to empty and the entry to focus.
#pragma once

#include "entry_checks.h"
#include "message_pattern.h"
#include "number_text.h"

#include <optional>
#include <string_view>
#include <vector>

namespace korveld {

struct CapacityEntries {
    std::string_view txtSelectRefrig;
    std::string_view txtSelValve;
    std::string_view txtEvapTemp;
    std::string_view txtCondTemp;
    std::string_view txtLiqTemp;
    std::string_view txtSystemCapacity;
    std::string_view txtPressureDrop;
};

struct CapacityCheckState {
    bool metric = false;          // kW or kCal: temperatures in °C, the pressure drop in bars
    bool loading = false;         // optYES chosen: the system capacity entry is read
    bool DistUserDefined = false; // the pressure-drop entry is read
};

// The temperatures in °F and the user-defined drop in psi (Singles), once the checks up to the
// menu choices passed; the system capacity as typed.
struct CapacityAccepted {
    float EvapTemp = 0.0f;
    float CondTemp = 0.0f;
    float LiqTemp = 0.0f;
    std::optional<float> DistPressDrop;   // with the user-defined distributor
    std::optional<double> systemCapacity; // with loading on
};

struct CapacityCheckResult {
    std::optional<EntryFailure> failure;
    // The temperatures were turned into °F (and the drop into psi, when it fits): the worksheet
    // stores them even when the last check then fails.
    bool converted = false;
    CapacityAccepted accepted;
};

// The messages only these checks give (SharedEntryMessages has the rest).
std::vector<MessagePattern> CapacityCheckMessages();

// The message that the rating's loading beyond a Single gives, as check 4's "not a number".
EntryFailure SystemCapacityInvalid();

CapacityCheckResult CheckCapacityEntries(const CapacityEntries& entries, const CapacityCheckState& state,
                                         const NumberLocale& locale = {});

} // namespace korveld
