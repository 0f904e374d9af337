// The names the selection commands accept for a refrigerant and a valve series.
#pragma once

#include "engine/choice_rules.h"

#include <string>
#include <string_view>

namespace korveld::cli {

// A refrigerant by its name (R-22, r-134a), case ignored; nullptr when there is none.
const RefrigerantInfo* RefrigerantNamed(std::string_view name);
// A series by the text its menu entry writes (GL, DQQ/DQ), its menu caption (G/GY, KO/KE) or its
// code (DQQ), case ignored; nullptr when there is none.
const SeriesMenuEntry* SeriesNamed(std::string_view name);

// "R-12, R-22, ..." and "KO, KOD, ..." for the usage messages.
std::string RefrigerantNames();
std::string SeriesNames();

} // namespace korveld::cli
