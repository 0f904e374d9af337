// Series numbers by code, for the rules that name a series.
#pragma once

#include <cstdint>

namespace korveld::series {

// clang-format off
inline constexpr std::int16_t NYF = 1,  KO = 2,   KOD = 3,  KOT = 4,  KUBS = 5, KIM = 6,
                              OBN = 7,  QZ = 8,   DQQ = 9,  GL = 10,  VA = 11,  VULK = 12,
                              VMP = 13, VRK = 14, VRD = 15, VOS = 16, VAN = 17, VEB = 18;
// clang-format on

} // namespace korveld::series
