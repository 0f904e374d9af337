// Refrigerant property model (module REFCONTS): fourth-degree polynomials in °F for the
// evaporator and condenser saturation pressures, vapour and liquid enthalpy and liquid density.
#pragma once

#include <cstdint>

namespace korveld {

// Property sets, the RefIndex of every refrigerant (R-502 and R-507 share set 8).
inline constexpr std::int16_t kFirstRefIndex = 1;
inline constexpr std::int16_t kLastRefIndex = 9;

// c0 + c1·T + c2·T² + c3·T³ + c4·T⁴, the running sum rounded to Single after each term.
float RefPoly(float T, float c0, float c1, float c2, float c3, float c4);

// Writes the five properties of set RefIndex; for a RefIndex outside 1..9 writes nothing.
void RefProperties(std::int16_t RefIndex, float EvapTemp, float CondTemp, float LiqTemp, float& PEvap, float& HVap,
                   float& PCond, float& HLiq, float& LiqDensity);

// Low-temperature correction: 1 above 0 °F; at or below, the rise of the evaporator pressure
// over 6.5 °F above EvapTemp against its rise from 40 to 44 °F; 0 for an unknown set.
float Sensitivity(float EvapTemp, std::int16_t RefIndex);

} // namespace korveld
