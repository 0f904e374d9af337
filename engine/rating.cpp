#include "rating.h"

#include "engine/number_text.h"
#include "engine/refconts.h"

#include <charconv>
#include <cmath>

namespace korveld {
namespace {

enum class LabelRule {
    CodeSuffixSizeNo, // "NYF" & DistSuffix & " " & SizeNo
    CodeSuffixName,   // "KO" & DistSuffix & " " & ValName
    CodeName,         // "VULK " & ValName: no distributor letter whatever the distributor
    NameAlone,        // ValName, which already carries the series code
};

// clang-format off
constexpr std::array<LabelRule, kSeriesCount> kLabelRules{
    LabelRule::CodeSuffixSizeNo, // 1  NYF
    LabelRule::CodeSuffixName,   // 2  KO
    LabelRule::CodeSuffixName,   // 3  KOD
    LabelRule::CodeSuffixName,   // 4  KOT
    LabelRule::CodeName,         // 5  KUBS
    LabelRule::CodeSuffixName,   // 6  KIM
    LabelRule::NameAlone,        // 7  OBN
    LabelRule::CodeSuffixName,   // 8  QZ
    LabelRule::NameAlone,        // 9  DQQ
    LabelRule::CodeSuffixName,   // 10 GL
    LabelRule::CodeSuffixName,   // 11 VA
    LabelRule::CodeName,         // 12 VULK
    LabelRule::CodeSuffixName,   // 13 VMP
    LabelRule::CodeSuffixName,   // 14 VRK
    LabelRule::CodeName,         // 15 VRD
    LabelRule::CodeName,         // 16 VOS
    LabelRule::CodeName,         // 17 VAN
    LabelRule::CodeName,         // 18 VEB
};
// clang-format on

constexpr std::string_view kDistributorLetter = "E";

LabelRule labelRuleOf(std::int16_t SeriesNo) {
    return kLabelRules[static_cast<std::size_t>(SeriesNo - 1)];
}

// SizeNo as decimal text, into a buffer large enough for any 16-bit number.
std::string_view decimalText(std::int16_t value, std::array<char, 8>& buffer) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

void buildLabel(std::string& label, LabelRule rule, std::string_view code, std::string_view DistSuffix,
                std::int16_t SizeNo, std::string_view ValName) {
    std::array<char, 8> digits{};
    label.clear();
    switch (rule) {
    case LabelRule::CodeSuffixSizeNo:
        label.append(code).append(DistSuffix).append(" ").append(decimalText(SizeNo, digits));
        break;
    case LabelRule::CodeSuffixName:
        label.append(code).append(DistSuffix).append(" ").append(ValName);
        break;
    case LabelRule::CodeName:
        label.append(code).append(" ").append(ValName);
        break;
    case LabelRule::NameAlone:
        label.append(ValName);
        break;
    }
}

bool finite(float value) {
    return std::isfinite(value);
}

// A double stored as a Single, unless it is no number or beyond a Single's range. Kept here, inline,
// because it runs several times for every row.
inline bool storeSingle(double value, float& single) {
    if (!(std::fabs(value) <= kSingleLimit)) {
        return false;
    }
    single = static_cast<float>(value);
    return true;
}

// The properties, drop and pressure difference are all finite numbers.
bool conditionsFinite(const Conditions& c) {
    return finite(c.PEvap) && finite(c.HVap) && finite(c.PCond) && finite(c.HLiq) && finite(c.LiqDensity) &&
           finite(c.DistPressDrop) && finite(c.DeltaP);
}

// Temperatures, properties, unit factors, distributor, pressure difference, mass flow and the
// low-temperature factor, in this order; Rated when sizes can be rated under them.
RatingOutcome workOutConditions(const RatingInputs& inputs, Rating& rating) {
    Conditions& c = rating.conditions;
    c.EvapTemp = inputs.EvapTemp;
    c.CondTemp = inputs.CondTemp;
    c.LiqTemp = inputs.LiqTemp;

    // Without a property set nothing would be written; there is nothing to rate.
    if (inputs.RefIndex < kFirstRefIndex || inputs.RefIndex > kLastRefIndex) {
        return RatingOutcome::OutsideModel;
    }
    RefProperties(inputs.RefIndex, c.EvapTemp, c.CondTemp, c.LiqTemp, c.PEvap, c.HVap, c.PCond, c.HLiq, c.LiqDensity);

    const std::optional<RatingUnitFactors> factors = RatingFactors(inputs.capacityUnit);
    if (!factors) {
        return RatingOutcome::OutsideModel;
    }
    c.UnitMultiplier = factors->UnitMultiplier;
    c.FlowMultiplier = factors->FlowMultiplier;

    // Any distributor that is not one of the three fixed ones is the user-defined one.
    switch (inputs.distributor) {
    case Distributor::None:
    case Distributor::Venturi:
    case Distributor::Orifice:
        c.DistPressDrop = DistributorDrop(inputs.distributor, 0.0f);
        rating.DistSuffix = inputs.distributor == Distributor::None ? "" : kDistributorLetter;
        break;
    default:
        c.DistPressDrop = inputs.userDefinedDrop;
        rating.DistSuffix = c.DistPressDrop != 0.0f ? kDistributorLetter : "";
        break;
    }

    c.DeltaP = PressureDifference(c.PCond, c.PEvap, c.DistPressDrop);
    // A NaN would slip through the minimum check below, an infinity would be refused for the wrong
    // reason: temperatures far outside the polynomials' range are no conditions at all.
    if (!conditionsFinite(c)) {
        return RatingOutcome::OutsideModel;
    }
    if (DeltaPTooSmall(c.DeltaP)) {
        return RatingOutcome::DeltaPTooSmall;
    }

    rating.Enthalpy = static_cast<float>(static_cast<double>(c.HVap) - c.HLiq);
    // No refrigerating effect, or one so small the mass flow per ton overflows: nothing flows per ton.
    if (rating.Enthalpy == 0.0f || !storeSingle(kBtuPerMinutePerTon / rating.Enthalpy, c.MassFlow)) {
        return RatingOutcome::OutsideModel;
    }

    c.Sensit = Series(inputs.SeriesNo).usesSensitivity ? Sensitivity(c.EvapTemp, inputs.RefIndex) : 1.0f;
    // Finite pressures can still differ by more than a Single holds; the rows would catch it, a
    // series without rows would not.
    return finite(c.Sensit) ? RatingOutcome::Rated : RatingOutcome::OutsideModel;
}

// One row per size that the series offers for the refrigerant, in catalog order and without gaps.
RatingOutcome rateSizes(const RatingInputs& inputs, Rating& rating) {
    const Conditions& c = rating.conditions;
    const SeriesInfo& series = Series(inputs.SeriesNo);
    const CatalogProcedure catalog = ValveDataProcedure(inputs.SeriesNo);
    if (catalog == nullptr) {
        return RatingOutcome::Rated; // a series with no sizes
    }
    const LabelRule rule = labelRuleOf(inputs.SeriesNo);
    // The same for every size: flow through a size is its constant times this root.
    const double root = std::sqrt(static_cast<double>(c.LiqDensity) * c.DeltaP);
    for (std::int16_t SizeNo = 1; SizeNo <= series.sizeCount && rating.RowCount < kMaxSizes; ++SizeNo) {
        RatingRow& row = rating.rows[static_cast<std::size_t>(rating.RowCount)];
        catalog(SizeNo, inputs.RefIndex, row.ValConstant, row.ValName);
        if (row.ValName.empty()) {
            continue;
        }
        // Flow through the valve (lb/min) over the mass flow per ton (lb/min per ton) gives tons.
        float q = 0.0f;
        float RowCapacity = 0.0f;
        if (!storeSingle(static_cast<double>(row.ValConstant) * root / c.MassFlow * kBtuPerHourPerTon * c.Sensit, q) ||
            !storeSingle(static_cast<double>(c.UnitMultiplier) * q, RowCapacity) || !(RowCapacity > 0.0f)) {
            // A negative refrigerating effect or density, a factor of zero or an overflow: no size
            // carries an infinite, vanishing or negative capacity (and the loading divides by it).
            return RatingOutcome::OutsideModel;
        }
        row.SizeNo = SizeNo;
        row.RowCapacity = RowCapacity;
        row.loading.reset();
        if (inputs.systemCapacity) {
            float loading = 0.0f;
            if (!storeSingle(*inputs.systemCapacity / RowCapacity * 100.0, loading)) {
                return RatingOutcome::SystemCapacityOutOfRange;
            }
            row.loading = loading;
        }
        buildLabel(row.label, rule, series.code, rating.DistSuffix, SizeNo, row.ValName);
        ++rating.RowCount;
    }
    return RatingOutcome::Rated;
}

} // namespace

std::optional<RatingUnitFactors> RatingFactors(CapacityUnit unit) {
    switch (unit) {
    case CapacityUnit::BtuH:
        return RatingUnitFactors{1.0f, 1.0f};
    case CapacityUnit::Tons:
        return RatingUnitFactors{static_cast<float>(1.0 / kBtuPerHourPerTon), 1.0f};
    case CapacityUnit::KW:
        return RatingUnitFactors{0.000293f, 2.2f};
    case CapacityUnit::KCal:
        return RatingUnitFactors{0.252f, 2.2f};
    }
    return std::nullopt;
}

std::string RowLabel(std::int16_t SeriesNo, std::string_view DistSuffix, std::int16_t SizeNo,
                     std::string_view ValName) {
    std::string label;
    if (SeriesNo >= 1 && SeriesNo <= kSeriesCount) {
        buildLabel(label, labelRuleOf(SeriesNo), Series(SeriesNo).code, DistSuffix, SizeNo, ValName);
    }
    return label;
}

Rating RateCapacity(const RatingInputs& inputs) {
    Rating rating;
    RateCapacity(inputs, rating);
    return rating;
}

void RateCapacity(const RatingInputs& inputs, Rating& rating) {
    rating.RowCount = 0;
    rating.conditions = Conditions{};
    rating.DistSuffix = {};
    rating.Enthalpy = 0.0f;
    rating.outcome = workOutConditions(inputs, rating);
    if (rating.outcome == RatingOutcome::Rated) {
        rating.outcome = rateSizes(inputs, rating);
    }
    if (rating.outcome != RatingOutcome::Rated) {
        rating.RowCount = 0;
    }
    if (rating.outcome == RatingOutcome::OutsideModel) {
        rating.conditions = Conditions{}; // no half-computed infinity reaches a caller
        rating.DistSuffix = {};
        rating.Enthalpy = 0.0f;
    }
}

void StoreConditions(const Rating& rating, Universal_Variables& variables) {
    if (rating.outcome == RatingOutcome::OutsideModel) {
        return;
    }
    Conditions& stored = variables.conditions;
    const float MassFlow = stored.MassFlow;
    const float Sensit = stored.Sensit;
    stored = rating.conditions;
    if (rating.refused()) { // the refusal comes before these two are worked out
        stored.MassFlow = MassFlow;
        stored.Sensit = Sensit;
    }
}

} // namespace korveld
