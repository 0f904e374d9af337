// The capacity rating: from the operating conditions in engine units to the capacity of every size
// that a valve series offers for a refrigerant, one result row per offered size.
#pragma once

#include "engine/conditions.h"
#include "engine/universal_variables.h"
#include "engine/valconts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korveld {

struct RatingInputs {
    float EvapTemp = 0.0f; // °F, as stored from the entries
    float CondTemp = 0.0f;
    float LiqTemp = 0.0f;
    std::int16_t RefIndex = 0;
    std::int16_t SeriesNo = 0;
    Distributor distributor = Distributor::None;
    float userDefinedDrop = 0.0f; // psi; read only with Distributor::UserDefined
    CapacityUnit capacityUnit = CapacityUnit::BtuH;
    std::optional<double> systemCapacity; // loading option on: the system capacity entry, in the chosen unit
};

struct RatingRow {
    std::int16_t SizeNo = 0;
    std::string ValName;
    std::string label; // the row's caption by the series' label rule
    float ValConstant = 0.0f;
    float RowCapacity = 0.0f;     // in the chosen capacity unit
    std::optional<float> loading; // per cent of the system capacity; only with the loading option on
};

enum class RatingOutcome {
    Rated,
    // DeltaP below 20 psi: the worksheet shows kDeltaPTooSmallText; no row.
    DeltaPTooSmall,
    // A loading would not fit a Single: the worksheet treats the system capacity entry as not a
    // number; no row.
    SystemCapacityOutOfRange,
    // The conditions leave the property model (no property set, a value that is not finite, no
    // refrigerating effect, a capacity that is not a positive Single): nothing is rated and the
    // conditions are all zero. The worksheets' input checks keep every calculation away from this.
    OutsideModel,
};

struct Rating {
    RatingOutcome outcome = RatingOutcome::OutsideModel;
    Conditions conditions;       // UnitMultiplier: from Btu/h to the chosen unit
    std::string_view DistSuffix; // "E" while a distributor drop applies
    float Enthalpy = 0.0f;       // refrigerating effect HVap − HLiq, Btu/lb
    std::array<RatingRow, kMaxSizes> rows;
    std::int16_t RowCount = 0;

    bool refused() const { return outcome == RatingOutcome::DeltaPTooSmall; }
    std::span<const RatingRow> Rows() const { return {rows.data(), static_cast<std::size_t>(RowCount)}; }
};

// The rating's own factors from Btu/h to the shown unit; FlowMultiplier enters no result.
struct RatingUnitFactors {
    float UnitMultiplier;
    float FlowMultiplier;
};
std::optional<RatingUnitFactors> RatingFactors(CapacityUnit unit);

// The row caption of series SeriesNo for a size: the code with or without the distributor letter,
// or the size name alone, as each series names its rows.
std::string RowLabel(std::int16_t SeriesNo, std::string_view DistSuffix, std::int16_t SizeNo, std::string_view ValName);

// Rates every offered size. Never divides by zero and never yields inf or nan, whatever the inputs.
Rating RateCapacity(const RatingInputs& inputs);
// The same into an existing result, reusing its strings (no allocation once they hold short texts).
void RateCapacity(const RatingInputs& inputs, Rating& rating);

// Copies the conditions a rating reached into the program-wide variables, as the worksheet leaves
// them: everything after a rating, up to DeltaP after a refusal (MassFlow and Sensit keep theirs),
// nothing when the conditions were outside the model.
void StoreConditions(const Rating& rating, Universal_Variables& variables);

} // namespace korveld
