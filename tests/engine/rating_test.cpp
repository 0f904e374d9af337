#include "engine/rating.h"
#include "engine/refconts.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace korveld {
namespace {

constexpr std::int16_t kR12 = 1, kR22 = 2, kR404A = 6, kR502 = 8;
constexpr std::int16_t kNYF = 1, kKO = 2, kKUBS = 5, kOBN = 7, kQZ = 8, kDQQ = 9, kVULK = 12, kVRD = 15, kVAN = 17;

RatingInputs inputs(std::int16_t RefIndex, std::int16_t SeriesNo, float evap, float cond, float liq,
                    Distributor distributor, float drop = 0.0f, CapacityUnit unit = CapacityUnit::BtuH,
                    std::optional<double> system = std::nullopt) {
    return RatingInputs{evap, cond, liq, RefIndex, SeriesNo, distributor, drop, unit, system};
}

// R-22 at 40 / 100 / 90 °F, the conditions of the worked example.
RatingInputs workedExample(std::int16_t SeriesNo, Distributor distributor, float drop = 0.0f) {
    return inputs(kR22, SeriesNo, 40.0f, 100.0f, 90.0f, distributor, drop);
}

const RatingRow* rowOfSize(const Rating& rating, std::int16_t SizeNo) {
    for (const RatingRow& row : rating.Rows()) {
        if (row.SizeNo == SizeNo) {
            return &row;
        }
    }
    return nullptr;
}

std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

template <typename Case>
std::string nameOf(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// --- The worked example: R-22, 40/100/90 °F, KO size 4 (R-22 name 1-1/2) -----------------------

struct WorkedCase {
    const char* name;
    Distributor distributor;
    float drop;
    double DeltaP;
    const char* label;
    double capacity;
};
void PrintTo(const WorkedCase& c, std::ostream* os) {
    *os << c.name;
}

class WorkedExample : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExample, SizeFourOfKo) {
    const WorkedCase& c = GetParam();
    const Rating rating = RateCapacity(workedExample(kKO, c.distributor, c.drop));
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    EXPECT_NEAR(rating.conditions.PEvap, 83.22, 0.01);
    EXPECT_NEAR(rating.conditions.PCond, 210.59, 0.01);
    EXPECT_NEAR(rating.conditions.DeltaP, c.DeltaP, 0.01);
    EXPECT_NEAR(rating.conditions.MassFlow, 2.778, 0.001);
    EXPECT_NEAR(rating.conditions.LiqDensity, 72.71, 0.01);
    EXPECT_EQ(rating.conditions.Sensit, 1.0f);
    const RatingRow* row = rowOfSize(rating, 4);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->label, c.label);
    EXPECT_NEAR(row->RowCapacity, c.capacity, 0.5);
    EXPECT_FALSE(row->loading.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Distributors, WorkedExample,
    testing::Values(WorkedCase{"Orifice", Distributor::Orifice, 0, 77.37, "KOE 1-1/2", 14840},
                    WorkedCase{"Venturi", Distributor::Venturi, 0, 97.37, "KOE 1-1/2", 16648},
                    WorkedCase{"None", Distributor::None, 0, 112.37, "KO 1-1/2", 17884},
                    WorkedCase{"UserDefinedLikeOrifice", Distributor::UserDefined, 35, 77.37, "KOE 1-1/2", 14840},
                    WorkedCase{"UserDefinedZeroLikeNone", Distributor::UserDefined, 0, 112.37, "KO 1-1/2", 17884}),
    nameOf<WorkedCase>);

TEST(WorkedExample, LoadingAtTwelveThousand) {
    RatingInputs in = workedExample(kKO, Distributor::Orifice);
    in.systemCapacity = 12000.0;
    const Rating rating = RateCapacity(in);
    const RatingRow* row = rowOfSize(rating, 4);
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->loading.has_value());
    EXPECT_NEAR(*row->loading, 80.9, 0.05);
    for (const RatingRow& each : rating.Rows()) {
        EXPECT_TRUE(each.loading.has_value()) << each.label;
    }
}

// --- Bit-exact Singles, worked out independently with a float32 emulation ----------------------
// Each row pins the stored Singles of one size; the later rows were picked because they change
// when a step is rounded differently (the drop subtracted in Singles, MassFlow from an unrounded
// Enthalpy, the square root in Singles, q kept in double, the loading from q instead of the row).

struct ExactCase {
    const char* name;
    RatingInputs in;
    std::int16_t SizeNo;
    std::uint32_t DeltaP, MassFlow, Sensit, RowCapacity, loading;
};
void PrintTo(const ExactCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactSingles : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactSingles, MatchBitForBit) {
    const ExactCase& c = GetParam();
    const Rating rating = RateCapacity(c.in);
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    EXPECT_EQ(bitsOf(rating.conditions.DeltaP), c.DeltaP);
    EXPECT_EQ(bitsOf(rating.conditions.MassFlow), c.MassFlow);
    EXPECT_EQ(bitsOf(rating.conditions.Sensit), c.Sensit);
    const RatingRow* row = rowOfSize(rating, c.SizeNo);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(bitsOf(row->RowCapacity), c.RowCapacity) << row->RowCapacity;
    ASSERT_TRUE(row->loading.has_value());
    EXPECT_EQ(bitsOf(*row->loading), c.loading) << *row->loading;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conditions, ExactSingles, testing::Values(
    ExactCase{"WorkedExampleOrifice",
              inputs(kR22,   kKO, 40.0f,  100.0f, 90.0f, Distributor::Orifice, 0, CapacityUnit::BtuH, 12000.0),
              4,  0x429abd26, 0x4031cf0f, 0x3f800000, 0x4667e04c, 0x42a1b969},
    ExactCase{"R404aKiloWattsSquareRootInDouble",
              inputs(kR404A, kKO, 54.8f,  89.5f,  4.3f,  Distributor::Orifice, 0, CapacityUnit::KW,   1.0),
              4,  0x421eabc0, 0x4017d92c, 0x3f800000, 0x406d3885, 0x41d7d52b},
    ExactCase{"R404aQzEnthalpyStoredFirst",
              inputs(kR404A, kQZ, 58.6f,  118.3f, 44.6f, Distributor::None,    0, CapacityUnit::BtuH, 10.0),
              12, 0x43288028, 0x403386cd, 0x3f800000, 0x489e0466, 0x3b4a8277},
    ExactCase{"R404aTonsQStoredBeforeTheUnit",
              inputs(kR404A, kKO, -0.2f,  89.4f,  42.6f, Distributor::Venturi, 0, CapacityUnit::Tons, 12000.0),
              4,  0x430c076c, 0x404744a5, 0x3f712e9b, 0x3fb0499e, 0x4954b87a},
    ExactCase{"R404aTonsDeltaPInDouble",
              inputs(kR404A, kKO, -14.8f, 57.4f,  15.0f, Distributor::Orifice, 0, CapacityUnit::Tons, 10.0),
              1,  0x42499165, 0x40333029, 0x3f3f0f94, 0x3e3d7074, 0x45a8eb69}),
    nameOf<ExactCase>);
// clang-format on

// --- The minimum pressure difference ------------------------------------------------------------

// The user-defined drop that leaves exactly 20 psi across the valve at the worked conditions.
float dropForExactTwenty() {
    const Rating none = RateCapacity(workedExample(kKO, Distributor::None));
    return static_cast<float>(static_cast<double>(none.conditions.PCond) - none.conditions.PEvap - 35.0);
}

struct BoundaryCase {
    const char* name;
    float extraDrop;
    bool refused;
};
void PrintTo(const BoundaryCase& c, std::ostream* os) {
    *os << c.name;
}

class MinimumDeltaP : public testing::TestWithParam<BoundaryCase> {};

TEST_P(MinimumDeltaP, TwentyRatedBelowRefused) {
    const BoundaryCase& c = GetParam();
    const float drop = dropForExactTwenty();
    const Rating exact = RateCapacity(workedExample(kKO, Distributor::UserDefined, drop));
    ASSERT_EQ(exact.conditions.DeltaP, 20.0f);
    const Rating rating = RateCapacity(workedExample(kKO, Distributor::UserDefined, drop + c.extraDrop));
    EXPECT_EQ(rating.refused(), c.refused) << rating.conditions.DeltaP;
    EXPECT_EQ(rating.outcome, c.refused ? RatingOutcome::DeltaPTooSmall : RatingOutcome::Rated);
    EXPECT_EQ(rating.RowCount, c.refused ? 0 : 9);
}

INSTANTIATE_TEST_SUITE_P(Drops, MinimumDeltaP,
                         testing::Values(BoundaryCase{"ExactlyTwenty", 0.0f, false},
                                         BoundaryCase{"NineteenPointNineNine", 0.01f, true},
                                         BoundaryCase{"TwentyPointZeroOne", -0.01f, false},
                                         BoundaryCase{"FarBelow", 50.0f, true}),
                         nameOf<BoundaryCase>);

TEST(MinimumDeltaP, RefusalStopsBeforeMassFlowAndSensit) {
    const Rating rating = RateCapacity(inputs(kR22, kKO, 40.0f, 60.0f, 50.0f, Distributor::Orifice));
    ASSERT_TRUE(rating.refused());
    Universal_Variables variables;
    variables.MassFlow = 7.0f;
    variables.Sensit = 0.5f;
    StoreConditions(rating, variables);
    EXPECT_EQ(variables.DeltaP, rating.conditions.DeltaP);
    EXPECT_EQ(variables.DistPressDrop, 35.0f);
    EXPECT_EQ(variables.PCond, rating.conditions.PCond);
    EXPECT_EQ(variables.MassFlow, 7.0f);
    EXPECT_EQ(variables.Sensit, 0.5f);
}

// --- Row labels: the distributor letter and the label rule of every series ----------------------

struct LabelCase {
    const char* name;
    std::int16_t RefIndex;
    std::int16_t SeriesNo;
    Distributor distributor;
    float drop;
    int rows;
    const char* first;
    const char* last;
};
void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << c.name;
}

class RowLabels : public testing::TestWithParam<LabelCase> {};

TEST_P(RowLabels, FirstAndLastRow) {
    const LabelCase& c = GetParam();
    const Rating rating = RateCapacity(inputs(c.RefIndex, c.SeriesNo, 40.0f, 100.0f, 90.0f, c.distributor, c.drop));
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    ASSERT_EQ(rating.RowCount, c.rows);
    EXPECT_EQ(rating.Rows().front().label, c.first);
    EXPECT_EQ(rating.Rows().back().label, c.last);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, RowLabels, testing::Values(
    LabelCase{"NYF",              kR22, 1,  Distributor::Orifice,     0,  9,  "NYFE 1",   "NYFE 9"},
    LabelCase{"NYFWithoutDrop",   kR22, 1,  Distributor::None,        0,  9,  "NYF 1",    "NYF 9"},
    LabelCase{"KO",               kR22, 2,  Distributor::Orifice,     0,  9,  "KOE 1/4",  "KOE 5"},
    LabelCase{"KOD",              kR22, 3,  Distributor::Venturi,     0,  9,  "KODE 1/4", "KODE 5"},
    LabelCase{"KOT",              kR22, 4,  Distributor::Orifice,     0,  9,  "KOTE 1/4", "KOTE 5"},
    LabelCase{"KUBS",             kR22, 5,  Distributor::Orifice,     0,  7,  "KUBS 1",   "KUBS 5"},
    LabelCase{"KIM",              kR22, 6,  Distributor::Orifice,     0,  8,  "KIME 1/4", "KIME 5"},
    LabelCase{"OBN",              kR22, 7,  Distributor::Orifice,     0,  6,  "OBN 1",    "OBN 10"},
    LabelCase{"QZ",               kR22, 8,  Distributor::Orifice,     0,  12, "QZE 1/4",  "QZE 20"},
    LabelCase{"DQQ",              kR22, 9,  Distributor::Venturi,     0,  8,  "DQQ 1/2",  "DQ 6"},
    LabelCase{"GL",               kR22, 10, Distributor::Orifice,     0,  9,  "GLE 1/2",  "GLE 6"},
    LabelCase{"VA",               kR22, 11, Distributor::Orifice,     0,  7,  "VAE 1/3",  "VAE 5"},
    LabelCase{"VULK",             kR22, 12, Distributor::Orifice,     0,  8,  "VULK 10",  "VULK 70"},
    LabelCase{"VMP",              kR22, 13, Distributor::Orifice,     0,  8,  "VMPE 1/2", "VMPE 12"},
    LabelCase{"VRK",              kR22, 14, Distributor::Orifice,     0,  2,  "VRKE 11",  "VRKE 14"},
    LabelCase{"VRD",              kR22, 15, Distributor::Venturi,     0,  2,  "VRD 14",   "VRD 18"},
    LabelCase{"VOS",              kR22, 16, Distributor::Orifice,     0,  4,  "VOS 22",   "VOS 45"},
    LabelCase{"VAN",              kR22, 17, Distributor::Orifice,     0,  1,  "VAN 55",   "VAN 55"},
    LabelCase{"VEB",              kR22, 18, Distributor::Orifice,     0,  2,  "VEB 75",   "VEB 100"},
    LabelCase{"UserDropGivesE",   kR22, 2,  Distributor::UserDefined, 10, 9,  "KOE 1/4",  "KOE 5"},
    LabelCase{"UserDropZeroNoE",  kR22, 2,  Distributor::UserDefined, 0,  9,  "KO 1/4",   "KO 5"},
    LabelCase{"R12KoSkipsSize5",  kR12, 2,  Distributor::None,        0,  8,  "KO 1/8",   "KO 3"},
    LabelCase{"R502Ko",           kR502, 2, Distributor::None,        0,  8,  "KO 1/8",   "KO 3-1/2"}),
    nameOf<LabelCase>);
// clang-format on

TEST(RowLabels, SkippedSizesLeaveNoGap) {
    const Rating rating = RateCapacity(inputs(kR12, kKO, 40.0f, 100.0f, 90.0f, Distributor::None));
    std::vector<int> sizes;
    for (const RatingRow& row : rating.Rows()) {
        sizes.push_back(row.SizeNo);
    }
    EXPECT_EQ(sizes, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(rating.Rows()[4].label, "KO 1-1/2");
    EXPECT_EQ(rating.Rows()[4].ValConstant, 0.094716f);
}

TEST(RowLabels, NoSizeForTheRefrigerantGivesNoRow) {
    const Rating rating = RateCapacity(inputs(9, kQZ, 40.0f, 100.0f, 90.0f, Distributor::None)); // R-407C
    EXPECT_EQ(rating.outcome, RatingOutcome::Rated);
    EXPECT_EQ(rating.RowCount, 0);
}

// --- The low-temperature factor ------------------------------------------------------------------

struct SensitCase {
    const char* name;
    std::int16_t SeriesNo;
    float evap;
    bool isOne;
};
void PrintTo(const SensitCase& c, std::ostream* os) {
    *os << c.name;
}

class LowTemperatureFactor : public testing::TestWithParam<SensitCase> {};

TEST_P(LowTemperatureFactor, OneOnlyWhereTheSeriesIgnoresIt) {
    const SensitCase& c = GetParam();
    const Rating rating = RateCapacity(inputs(kR22, c.SeriesNo, c.evap, 100.0f, 90.0f, Distributor::None));
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    if (c.isOne) {
        EXPECT_EQ(rating.conditions.Sensit, 1.0f);
    } else {
        EXPECT_LT(rating.conditions.Sensit, 0.95f);
        EXPECT_GT(rating.conditions.Sensit, 0.4f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, LowTemperatureFactor,
    testing::Values(SensitCase{"NYFAtMinus40", kNYF, -40.0f, true}, SensitCase{"OBNAtZero", kOBN, 0.0f, true},
                    SensitCase{"DQQAtMinus20", kDQQ, -20.0f, true}, SensitCase{"KOAtZero", kKO, 0.0f, false},
                    SensitCase{"QZAtMinus40", kQZ, -40.0f, false}, SensitCase{"KOJustAboveZero", kKO, 0.1f, true}),
    nameOf<SensitCase>);

// --- Capacity units ------------------------------------------------------------------------------

struct FactorCase {
    const char* name;
    CapacityUnit unit;
    float UnitMultiplier;
    float FlowMultiplier;
};
void PrintTo(const FactorCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitFactors : public testing::TestWithParam<FactorCase> {};

TEST_P(UnitFactors, ScaleEveryRowFromBtuPerHour) {
    const FactorCase& c = GetParam();
    const std::optional<RatingUnitFactors> factors = RatingFactors(c.unit);
    ASSERT_TRUE(factors.has_value());
    EXPECT_EQ(factors->UnitMultiplier, c.UnitMultiplier);
    EXPECT_EQ(factors->FlowMultiplier, c.FlowMultiplier);

    const Rating btu = RateCapacity(workedExample(kQZ, Distributor::Orifice));
    RatingInputs in = workedExample(kQZ, Distributor::Orifice);
    in.capacityUnit = c.unit;
    const Rating shown = RateCapacity(in);
    ASSERT_EQ(shown.RowCount, btu.RowCount);
    for (std::size_t i = 0; i < shown.Rows().size(); ++i) {
        const double expected = static_cast<double>(c.UnitMultiplier) * btu.Rows()[i].RowCapacity;
        EXPECT_EQ(shown.Rows()[i].RowCapacity, static_cast<float>(expected)) << shown.Rows()[i].label;
    }
}

INSTANTIATE_TEST_SUITE_P(Units, UnitFactors,
                         testing::Values(FactorCase{"BtuPerHour", CapacityUnit::BtuH, 1.0f, 1.0f},
                                         FactorCase{"Tons", CapacityUnit::Tons, static_cast<float>(1.0 / 12000.0),
                                                    1.0f},
                                         FactorCase{"KiloWatts", CapacityUnit::KW, 0.000293f, 2.2f},
                                         FactorCase{"KiloCalories", CapacityUnit::KCal, 0.252f, 2.2f}),
                         nameOf<FactorCase>);

TEST(UnitFactors, UnknownUnitRatesNothing) {
    RatingInputs in = workedExample(kKO, Distributor::Orifice);
    in.capacityUnit = static_cast<CapacityUnit>(7);
    EXPECT_EQ(RateCapacity(in).outcome, RatingOutcome::OutsideModel);
}

// --- Inputs no worksheet would pass: never inf, never nan -----------------------------------------

bool allFinite(const Rating& rating) {
    const RatingConditions& c = rating.conditions;
    for (float v : {c.EvapTemp, c.CondTemp, c.LiqTemp, c.PEvap, c.HVap, c.PCond, c.HLiq, c.LiqDensity, c.UnitMultiplier,
                    c.FlowMultiplier, c.DistPressDrop, c.DeltaP, c.Enthalpy, c.MassFlow, c.Sensit}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    for (const RatingRow& row : rating.Rows()) {
        if (!std::isfinite(row.RowCapacity) || !(row.RowCapacity > 0.0f) ||
            (row.loading && !std::isfinite(*row.loading))) {
            return false;
        }
    }
    return true;
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct GuardCase {
    const char* name;
    RatingInputs in;
    RatingOutcome outcome;
};
void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class Guards : public testing::TestWithParam<GuardCase> {};

TEST_P(Guards, OutcomeAndNoInfinity) {
    const GuardCase& c = GetParam();
    const Rating rating = RateCapacity(c.in);
    EXPECT_EQ(rating.outcome, c.outcome);
    EXPECT_TRUE(allFinite(rating));
    if (c.outcome != RatingOutcome::Rated) {
        EXPECT_EQ(rating.RowCount, 0);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, Guards, testing::Values(
    GuardCase{"NoPropertySet",          inputs(0,     kNYF, 40.0f,  100.0f, 90.0f,  Distributor::UserDefined, -500.0f),
              RatingOutcome::OutsideModel},
    GuardCase{"PropertySetTen",         inputs(10,    kNYF, 40.0f,  100.0f, 90.0f,  Distributor::None),
              RatingOutcome::OutsideModel},
    GuardCase{"NaNTemperature",         inputs(kR22,  kKO,  kNaN,   100.0f, 90.0f,  Distributor::None),
              RatingOutcome::OutsideModel},
    GuardCase{"InfiniteCondenser",      inputs(kR22,  kKO,  40.0f,  kInf,   90.0f,  Distributor::None),
              RatingOutcome::OutsideModel},
    GuardCase{"PolynomialOverflow",     inputs(kR22,  kKO,  40.0f,  1e30f,  90.0f,  Distributor::None),
              RatingOutcome::OutsideModel},
    GuardCase{"NaNUserDrop",            inputs(kR22,  kKO,  40.0f,  100.0f, 90.0f,  Distributor::UserDefined, kNaN),
              RatingOutcome::OutsideModel},
    GuardCase{"LiquidHotterThanVapour", inputs(kR22,  kKO,  40.0f,  100.0f, 400.0f, Distributor::UserDefined, -1000.0f),
              RatingOutcome::OutsideModel},
    GuardCase{"CapacityOverflow",       inputs(4,     kVAN, 1e9f,   100.0f, 90.0f,  Distributor::UserDefined, -3e38f),
              RatingOutcome::OutsideModel},
    GuardCase{"HugeSystemCapacity",     inputs(kR22,  kKO,  40.0f,  100.0f, 90.0f,  Distributor::None, 0,
                                               CapacityUnit::BtuH, 1e300),
              RatingOutcome::SystemCapacityOutOfRange},
    GuardCase{"NaNSystemCapacity",      inputs(kR22,  kKO,  40.0f,  100.0f, 90.0f,  Distributor::None, 0,
                                               CapacityUnit::BtuH, std::numeric_limits<double>::quiet_NaN()),
              RatingOutcome::SystemCapacityOutOfRange},
    GuardCase{"ZeroSystemCapacity",     inputs(kR22,  kKO,  40.0f,  100.0f, 90.0f,  Distributor::None, 0,
                                               CapacityUnit::BtuH, 0.0),
              RatingOutcome::Rated},
    GuardCase{"UnknownSeries",          inputs(kR22,  19,   40.0f,  100.0f, 90.0f,  Distributor::None),
              RatingOutcome::Rated}),
    nameOf<GuardCase>);
// clang-format on

// Conditions whose refrigerating effect is exactly zero: a liquid temperature, found by bisection and
// then a walk over neighbouring Singles, at which HLiq equals HVap.
std::optional<RatingInputs> zeroRefrigeratingEffect(std::int16_t RefIndex, std::int16_t SeriesNo) {
    for (float evap = 40.0f; evap <= 60.0f; evap += 0.5f) {
        const RatingInputs base = inputs(RefIndex, SeriesNo, evap, 150.0f, 0.0f, Distributor::UserDefined, -1000.0f);
        auto effect = [&](float liq) {
            float PEvap, HVap, PCond, HLiq, LiqDensity;
            RefProperties(RefIndex, evap, base.CondTemp, liq, PEvap, HVap, PCond, HLiq, LiqDensity);
            return static_cast<double>(HVap) - HLiq;
        };
        float lo = 100.0f, hi = 400.0f;
        if (!(effect(lo) > 0 && effect(hi) < 0)) {
            continue;
        }
        for (float mid = lo + (hi - lo) / 2; mid > lo && mid < hi; mid = lo + (hi - lo) / 2) {
            (effect(mid) > 0 ? lo : hi) = mid;
        }
        float liq = std::nextafter(lo, 0.0f);
        for (int step = 0; step < 64; ++step, liq = std::nextafter(liq, 1000.0f)) {
            if (effect(liq) == 0.0) {
                RatingInputs found = base;
                found.LiqTemp = liq;
                return found;
            }
        }
    }
    return std::nullopt;
}

TEST(Guards, NoRefrigeratingEffectGivesNoMassFlow) {
    // R-407C with QZ offers no size: only the mass flow itself can catch the division by zero.
    const std::optional<RatingInputs> in = zeroRefrigeratingEffect(9, kQZ);
    ASSERT_TRUE(in.has_value());
    const Rating rating = RateCapacity(*in);
    EXPECT_EQ(rating.outcome, RatingOutcome::OutsideModel);
    EXPECT_TRUE(allFinite(rating));
}

TEST(Guards, OutsideTheModelLeavesTheVariablesAlone) {
    Universal_Variables variables;
    variables.DeltaP = 42.0f;
    StoreConditions(RateCapacity(inputs(kR22, kKO, kNaN, 100.0f, 90.0f, Distributor::None)), variables);
    EXPECT_EQ(variables.DeltaP, 42.0f);
    EXPECT_EQ(variables.PEvap, 0.0f);
}

TEST(Guards, WildInputsNeverGiveInfinityOrNaN) {
    std::mt19937 random(20240611);
    const std::vector<float> special{0.0f, -0.0f, kInf, -kInf, kNaN, 1e-45f, 3.4e38f, -3.4e38f, 1e10f, -1e10f};
    auto anyFloat = [&](float lo, float hi) {
        if (random() % 5 == 0) {
            return special[random() % special.size()];
        }
        return std::uniform_real_distribution<float>(lo, hi)(random);
    };
    Rating rating;
    for (int i = 0; i < 20000; ++i) {
        RatingInputs in;
        in.EvapTemp = anyFloat(-300.0f, 300.0f);
        in.CondTemp = anyFloat(-300.0f, 600.0f);
        in.LiqTemp = anyFloat(-300.0f, 600.0f);
        in.RefIndex = static_cast<std::int16_t>(static_cast<int>(random() % 12) - 1);
        in.SeriesNo = static_cast<std::int16_t>(static_cast<int>(random() % 21) - 1);
        in.distributor = static_cast<Distributor>(random() % 5);
        in.userDefinedDrop = anyFloat(-1e6f, 1e6f);
        in.capacityUnit = static_cast<CapacityUnit>(random() % 6);
        if (random() % 2 == 0) {
            in.systemCapacity = static_cast<double>(anyFloat(-1e6f, 1e6f)) * (random() % 3 == 0 ? 1e300 : 1.0);
        }
        RateCapacity(in, rating);
        ASSERT_TRUE(allFinite(rating)) << "case " << i;
        ASSERT_LE(rating.RowCount, kMaxSizes);
    }
}

// --- The program-wide variables ------------------------------------------------------------------

TEST(StoreConditions, CopiesEveryConditionOfARating) {
    const Rating rating = RateCapacity(workedExample(kKO, Distributor::Venturi));
    Universal_Variables variables;
    StoreConditions(rating, variables);
    const RatingConditions& c = rating.conditions;
    EXPECT_EQ(variables.EvapTemp, 40.0f);
    EXPECT_EQ(variables.LiqTemp, 90.0f);
    EXPECT_EQ(variables.PEvap, c.PEvap);
    EXPECT_EQ(variables.HVap, c.HVap);
    EXPECT_EQ(variables.HLiq, c.HLiq);
    EXPECT_EQ(variables.LiqDensity, c.LiqDensity);
    EXPECT_EQ(variables.DistPressDrop, 15.0f);
    EXPECT_EQ(variables.DeltaP, c.DeltaP);
    EXPECT_EQ(variables.MassFlow, c.MassFlow);
    EXPECT_EQ(variables.Sensit, 1.0f);
    EXPECT_EQ(variables.UnitMultiplier, 1.0f);
    EXPECT_EQ(variables.FlowMultiplier, 1.0f);
}

TEST(RowLabel, NamesOutsideTheCatalogGiveNoLabel) {
    EXPECT_EQ(RowLabel(0, "E", 1, "1/4"), "");
    EXPECT_EQ(RowLabel(kNYF, "E", 7, "NYF 7"), "NYFE 7");
    EXPECT_EQ(RowLabel(kVRD, "E", 1, "14"), "VRD 14");
    EXPECT_EQ(RowLabel(kKUBS, "E", 3, "1"), "KUBS 1");
    EXPECT_EQ(RowLabel(kVULK, "", 1, "10"), "VULK 10");
}

} // namespace
} // namespace korveld
