// The names the commands accept for a refrigerant, a valve series, a unit and a distributor.
#pragma once

#include "engine/choice_rules.h"
#include "engine/conditions.h"
#include "worksheets/controls.h"
#include "worksheets/selection_inputs.h"

#include <string>
#include <string_view>
#include <utility>

namespace korveld::cli {

// A refrigerant by its name (R-22, r-134a), case ignored; nullptr when there is none.
const RefrigerantInfo* RefrigerantNamed(std::string_view name);
// A series by the text its menu entry writes (GL, DQQ/DQ), its menu caption (G/GY, KO/KE) or its
// code (DQQ), case ignored; nullptr when there is none.
const SeriesMenuEntry* SeriesNamed(std::string_view name);

// "R-12, R-22, ..." and "KO, KOD, ..." for the usage messages.
std::string RefrigerantNames();
std::string SeriesNames();

// --unit: the Units menu's entries in menu order (CapacityUnit 1..4).
inline constexpr std::pair<std::string_view, CapacityUnit> kUnitNames[] = {
    {"btuh", CapacityUnit::BtuH}, {"tons", CapacityUnit::Tons}, {"kw", CapacityUnit::KW}, {"kcal", CapacityUnit::KCal}};

inline constexpr std::pair<std::string_view, DistributorPick> kDistributorNames[] = {
    {"none", DistributorPick::None},
    {"orifice", DistributorPick::Orifice},
    {"venturi", DistributorPick::Venturi},
    {"user", DistributorPick::UserDefined}};

} // namespace korveld::cli
