// Valve catalog (module VALCONTS): per series and size the flow constant and the size name per
// refrigerant property set, plus the bleed-part and cage-part tables of the selection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korveld {

inline constexpr std::int16_t kSeriesCount = 18;
inline constexpr std::int16_t kMaxSizes = 12;
inline constexpr std::int16_t kBleedOptionCount = 7; // 10, 15, 20, 25, 30, 40 and 50 per cent

enum class BleedTable { None, A, B };

struct SeriesInfo {
    std::int16_t SeriesNo;
    std::string_view code;        // "KO", "GL", "DQQ"
    std::string_view menuCaption; // "KO/KE", "G/GY", "DQQ/DQ"; empty for KUBS, which has no menu entry
    std::int16_t sizeCount;       // the N of the size loops
    bool fixedNames;              // NYF, OBN, DQQ: one name for every refrigerant
    bool usesSensitivity;         // false: rated with Sensit = 1
    BleedTable bleed;             // bleed table of the selection's bleed series
    bool hasAssemblies;           // series 13..18: power and cage assemblies
};

// Series 1..18; any other number gives an empty record with no sizes.
const SeriesInfo& Series(std::int16_t SeriesNo);

// The catalog procedure of one series: sets the constant and the name of size SizeNo for
// property set RefIndex; an empty name means the size is not offered for that refrigerant.
// Outside the catalog (a size or set that does not exist) it gives 0 and the empty name.
using CatalogProcedure = void (*)(std::int16_t SizeNo, std::int16_t RefIndex, float& ValConstant, std::string& ValName);

// The procedure of series SeriesNo (one per series, in series order); nullptr outside 1..18.
CatalogProcedure ValveDataProcedure(std::int16_t SeriesNo);

// The same catalog read without copying the name: a size's constant and its name, which is empty
// when the size is not offered for the property set (or lies outside the catalog).
struct CatalogSize {
    float ValConstant = 0.0f;
    std::string_view ValName;
};
using CatalogLookup = CatalogSize (*)(std::int16_t SizeNo, std::int16_t RefIndex);
// The lookup of series SeriesNo; nullptr outside 1..18.
CatalogLookup CatalogLookupOf(std::int16_t SeriesNo);

// Shorthand for calling the procedure of SeriesNo; outside 1..18 gives 0 and the empty name.
void ValveData(std::int16_t SeriesNo, std::int16_t SizeNo, std::int16_t RefIndex, float& ValConstant,
               std::string& ValName);

// Bleed part of a size for BleedOption 1..7; any other option (or size) leaves BleedPart unchanged.
void BleedPartA(std::int16_t SizeNo, std::int16_t BleedOption, std::string& BleedPart);
void BleedPartB(std::int16_t SizeNo, std::int16_t BleedOption, std::string& BleedPart);

// Cage assembly part of a size of series 13..18; empty for every other series or size.
std::string_view CagePart(std::int16_t SeriesNo, std::int16_t SizeNo);

// Power assembly base part of series 13..18 (13..15 base part 1, 16..18 base part 2); empty otherwise.
std::string_view PowerBase(std::int16_t SeriesNo);

} // namespace korveld
