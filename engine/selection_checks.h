// The entry checks of the Select button, in their fixed order: the first failure gives its message,
// the entry to empty and the entry to focus. Passing entries are turned into the selection's units.
#pragma once

#include "entry_checks.h"
#include "message_pattern.h"
#include "number_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

struct SelectionEntries {
    std::string_view txtSelRefrig;
    std::string_view txtSelValve;
    std::string_view txtEvapTemp;
    std::string_view txtCondTemp;
    std::string_view txtLiqTemp;
    std::string_view txtInputCap;
    std::string_view txtPressureDrop;
};

struct SelectionCheckState {
    bool metric = false;          // kW or kCal: temperatures in °C, the pressure drop in bars
    bool caChargeOrKOD = false;   // optMOPCA chosen or the KOD series: the narrow evaporator range
    bool DistUserDefined = false; // the pressure-drop entry is read
};

// The entries once accepted: temperatures in °F, the user-defined drop in psi (Singles), and the
// required capacity as typed.
struct AcceptedEntries {
    float EvapTemp = 0.0f;
    float CondTemp = 0.0f;
    float LiqTemp = 0.0f;
    std::optional<float> DistPressDrop; // only with the user-defined distributor
    double capacity = 0.0;
};

struct EntryCheckResult {
    std::optional<EntryFailure> failure;
    AcceptedEntries accepted; // meaningful only without a failure
};

// The messages only these checks give (SharedEntryMessages has the rest).
std::vector<MessagePattern> SelectionCheckMessages();

EntryCheckResult CheckSelectionEntries(const SelectionEntries& entries, const SelectionCheckState& state,
                                       const NumberLocale& locale = {});

} // namespace korveld
