#include "engine/rating.h"
#include "engine/refconts.h"
#include "tests/support/named_rows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <span>
#include <vector>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using testing_support::RowName;

constexpr std::int16_t kR12 = 1, kR22 = 2, kR404A = 6, kR502 = 8, kR407C = 9;
constexpr std::int16_t kNYF = 1, kKO = 2, kOBN = 7, kQZ = 8, kDQQ = 9, kVAN = 17;
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
using D = Distributor;
using U = CapacityUnit;

RatingInputs inputs(std::int16_t RefIndex, std::int16_t SeriesNo, float evap, float cond, float liq, D distributor,
                    float drop = 0.0f, U unit = U::BtuH, std::optional<double> system = std::nullopt) {
    return RatingInputs{evap, cond, liq, RefIndex, SeriesNo, distributor, drop, unit, system};
}

// R-22 at 40 / 100 / 90 °F.
RatingInputs worked(std::int16_t SeriesNo, D distributor, float drop = 0.0f, std::optional<double> system = {}) {
    return inputs(kR22, SeriesNo, 40.0f, 100.0f, 90.0f, distributor, drop, U::BtuH, system);
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

bool allFinite(const Rating& rating) {
    const Conditions& c = rating.conditions;
    const std::array values{c.EvapTemp,      c.CondTemp, c.LiqTemp,       c.PEvap,          c.HVap,
                            c.PCond,         c.HLiq,     c.LiqDensity,    c.UnitMultiplier, c.FlowMultiplier,
                            c.DistPressDrop, c.DeltaP,   rating.Enthalpy, c.MassFlow,       c.Sensit};
    const auto finiteRow = [](const RatingRow& row) {
        return std::isfinite(row.RowCapacity) && row.RowCapacity > 0.0f &&
               (!row.loading.has_value() || std::isfinite(*row.loading));
    };
    const std::span<const RatingRow> rows = rating.Rows();
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); }) &&
           std::all_of(rows.begin(), rows.end(), finiteRow);
}

// The worked example: R-22, 40/100/90 °F, KO size 4 (R-22 name 1-1/2).
struct WorkedCase {
    const char* name;
    D distributor;
    float drop;
    double DeltaP;
    const char* label;
    double capacity;
    std::optional<double> system;
    double loading;
};

class WorkedExample : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExample, SizeFourOfKo) {
    const WorkedCase& c = GetParam();
    const Rating rating = RateCapacity(worked(kKO, c.distributor, c.drop, c.system));
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
    ASSERT_EQ(row->loading.has_value(), c.system.has_value());
    if (c.system) {
        EXPECT_NEAR(*row->loading, c.loading, 0.05);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Distributors, WorkedExample, testing::Values(
    WorkedCase{"Orifice",                 D::Orifice,     0,  77.37,  "KOE 1-1/2", 14840, {},      0},
    WorkedCase{"OrificeLoading",          D::Orifice,     0,  77.37,  "KOE 1-1/2", 14840, 12000.0, 80.9},
    WorkedCase{"Venturi",                 D::Venturi,     0,  97.37,  "KOE 1-1/2", 16648, {},      0},
    WorkedCase{"None",                    D::None,        0,  112.37, "KO 1-1/2",  17884, {},      0},
    WorkedCase{"UserDefinedLikeOrifice",  D::UserDefined, 35, 77.37,  "KOE 1-1/2", 14840, {},      0},
    WorkedCase{"UserDefinedZeroLikeNone", D::UserDefined, 0,  112.37, "KO 1-1/2",  17884, 0.0,     0}),
    RowName{});
// clang-format on

// Bit-exact Singles, worked out independently by reference/float32_rating.py. The later rows were picked
// because they change when a step is rounded differently: the drop subtracted in Singles, MassFlow
// from an unrounded Enthalpy, the root taken in Singles, q kept in double, the loading from q.
struct ExactCase {
    const char* name;
    RatingInputs in;
    std::int16_t SizeNo;
    std::uint32_t DeltaP, MassFlow, Sensit, RowCapacity, loading;
};

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
    ExactCase{"WorkedExampleOrifice",      inputs(kR22,   kKO, 40.0f,  100.0f, 90.0f, D::Orifice, 0, U::BtuH, 12000.0),
              4,  0x429abd26, 0x4031cf0f, 0x3f800000, 0x4667e04c, 0x42a1b969},
    ExactCase{"R404aKiloWattsRootInDouble",inputs(kR404A, kKO, 54.8f,  89.5f,  4.3f,  D::Orifice, 0, U::KW,   1.0),
              4,  0x421eabc0, 0x4017d92c, 0x3f800000, 0x406d3885, 0x41d7d52b},
    ExactCase{"R404aQzEnthalpyStored",     inputs(kR404A, kQZ, 58.6f,  118.3f, 44.6f, D::None,    0, U::BtuH, 10.0),
              12, 0x43288028, 0x403386cd, 0x3f800000, 0x489e0466, 0x3b4a8277},
    ExactCase{"R404aTonsQStoredFirst",     inputs(kR404A, kKO, -0.2f,  89.4f,  42.6f, D::Venturi, 0, U::Tons, 12000.0),
              4,  0x430c076c, 0x404744a5, 0x3f712e9b, 0x3fb0499e, 0x4954b87a},
    ExactCase{"R404aTonsDeltaPInDouble",   inputs(kR404A, kKO, -14.8f, 57.4f,  15.0f, D::Orifice, 0, U::Tons, 10.0),
              1,  0x42499165, 0x40333029, 0x3f3f0f94, 0x3e3d7074, 0x45a8eb69}),
    RowName{});
// clang-format on

// The minimum pressure difference, around a user-defined drop that leaves exactly 20 psi.
struct BoundaryCase {
    const char* name;
    float extraDrop;
    bool refused;
};

class MinimumDeltaP : public testing::TestWithParam<BoundaryCase> {};

TEST_P(MinimumDeltaP, TwentyRatedBelowRefused) {
    const BoundaryCase& c = GetParam();
    const Conditions none = RateCapacity(worked(kKO, D::None)).conditions;
    const auto drop = static_cast<float>(static_cast<double>(none.PCond) - none.PEvap - 35.0);
    ASSERT_EQ(RateCapacity(worked(kKO, D::UserDefined, drop)).conditions.DeltaP, 20.0f);
    const Rating rating = RateCapacity(worked(kKO, D::UserDefined, drop + c.extraDrop));
    EXPECT_EQ(rating.refused(), c.refused) << rating.conditions.DeltaP;
    EXPECT_EQ(rating.RowCount, c.refused ? 0 : 9);
}

INSTANTIATE_TEST_SUITE_P(Drops, MinimumDeltaP,
                         testing::Values(BoundaryCase{"ExactlyTwenty", 0.0f, false},
                                         BoundaryCase{"NineteenPointNineNine", 0.01f, true},
                                         BoundaryCase{"TwentyPointZeroOne", -0.01f, false}),
                         RowName{});

// Row labels: the distributor letter and the label rule of every series, rows without gaps.
struct LabelCase {
    const char* name;
    std::int16_t RefIndex;
    std::int16_t SeriesNo;
    D distributor;
    float drop;
    int rows;
    const char* first;
    const char* last;
};

class RowLabels : public testing::TestWithParam<LabelCase> {};

TEST_P(RowLabels, FirstAndLastRow) {
    const LabelCase& c = GetParam();
    const Rating rating = RateCapacity(inputs(c.RefIndex, c.SeriesNo, 40.0f, 100.0f, 90.0f, c.distributor, c.drop));
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    ASSERT_EQ(rating.RowCount, c.rows);
    if (c.rows > 0) {
        EXPECT_EQ(rating.Rows().front().label, c.first);
        EXPECT_EQ(rating.Rows().back().label, c.last);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, RowLabels, testing::Values(
    LabelCase{"NYF",             kR22,   1,  D::Orifice,     0,  9,  "NYFE 1",   "NYFE 9"},
    LabelCase{"NYFWithoutDrop",  kR22,   1,  D::None,        0,  9,  "NYF 1",    "NYF 9"},
    LabelCase{"KO",              kR22,   2,  D::Orifice,     0,  9,  "KOE 1/4",  "KOE 5"},
    LabelCase{"KUBS",            kR22,   5,  D::Orifice,     0,  7,  "KUBS 1",   "KUBS 5"},
    LabelCase{"OBN",             kR22,   7,  D::Orifice,     0,  6,  "OBN 1",    "OBN 10"},
    LabelCase{"DQQ",             kR22,   9,  D::Venturi,     0,  8,  "DQQ 1/2",  "DQ 6"},
    LabelCase{"VULK",            kR22,   12, D::Orifice,     0,  8,  "VULK 10",  "VULK 70"},
    LabelCase{"VRD",             kR22,   15, D::Venturi,     0,  2,  "VRD 14",   "VRD 18"},
    LabelCase{"VAN",             kR22,   17, D::Orifice,     0,  1,  "VAN 55",   "VAN 55"},
    LabelCase{"UserDropGivesE",  kR22,   2,  D::UserDefined, 10, 9,  "KOE 1/4",  "KOE 5"},
    LabelCase{"UserDropZeroNoE", kR22,   2,  D::UserDefined, 0,  9,  "KO 1/4",   "KO 5"},
    LabelCase{"R12KoSkipsSize5", kR12,   2,  D::None,        0,  8,  "KO 1/8",   "KO 3"},
    LabelCase{"R502Ko",          kR502,  2,  D::None,        0,  8,  "KO 1/8",   "KO 3-1/2"},
    LabelCase{"R407cQzNoSize",   kR407C, 8,  D::None,        0,  0,  "",         ""}),
    RowName{});
// clang-format on

TEST(RowLabels, SkippedSizesLeaveNoGap) {
    const Rating rating = RateCapacity(inputs(kR12, kKO, 40.0f, 100.0f, 90.0f, D::None));
    std::vector<int> sizes;
    for (const RatingRow& row : rating.Rows()) {
        sizes.push_back(row.SizeNo);
    }
    EXPECT_EQ(sizes, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(rating.Rows()[4].label, "KO 1-1/2");
    EXPECT_EQ(rating.Rows()[4].ValConstant, 0.094716f);
    EXPECT_EQ(RowLabel(kNYF, "E", 7, "NYF 7"), "NYFE 7");
    EXPECT_EQ(RowLabel(0, "E", 1, "1/4"), "");
}

// The low-temperature factor: 1 for NYF, OBN and DQQ at any temperature.
struct SensitCase {
    const char* name;
    std::int16_t SeriesNo;
    float evap;
    bool isOne;
};

class LowTemperatureFactor : public testing::TestWithParam<SensitCase> {};

TEST_P(LowTemperatureFactor, OneOnlyWhereTheSeriesIgnoresIt) {
    const SensitCase& c = GetParam();
    const Rating rating = RateCapacity(inputs(kR22, c.SeriesNo, c.evap, 100.0f, 90.0f, D::None));
    ASSERT_EQ(rating.outcome, RatingOutcome::Rated);
    if (c.isOne) {
        EXPECT_EQ(rating.conditions.Sensit, 1.0f);
    } else {
        EXPECT_LT(rating.conditions.Sensit, 0.95f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, LowTemperatureFactor,
    testing::Values(SensitCase{"NYFAtMinus40", kNYF, -40.0f, true}, SensitCase{"OBNAtZero", kOBN, 0.0f, true},
                    SensitCase{"DQQAtMinus20", kDQQ, -20.0f, true}, SensitCase{"KOAtZero", kKO, 0.0f, false},
                    SensitCase{"QZAtMinus40", kQZ, -40.0f, false}, SensitCase{"KOJustAboveZero", kKO, 0.1f, true}),
    RowName{});

// The rating's unit factors: each row is the Btu/h capacity times UnitMultiplier, as a Single.
struct FactorCase {
    const char* name;
    U unit;
    float UnitMultiplier;
    float FlowMultiplier;
};

class UnitFactors : public testing::TestWithParam<FactorCase> {};

TEST_P(UnitFactors, ScaleEveryRowFromBtuPerHour) {
    const FactorCase& c = GetParam();
    const Rating btu = RateCapacity(worked(kQZ, D::Orifice));
    RatingInputs in = worked(kQZ, D::Orifice);
    in.capacityUnit = c.unit;
    const Rating shown = RateCapacity(in);
    EXPECT_EQ(shown.conditions.UnitMultiplier, c.UnitMultiplier);
    EXPECT_EQ(shown.conditions.FlowMultiplier, c.FlowMultiplier);
    ASSERT_EQ(shown.RowCount, btu.RowCount);
    for (std::size_t i = 0; i < shown.Rows().size(); ++i) {
        const double expected = static_cast<double>(c.UnitMultiplier) * btu.Rows()[i].RowCapacity;
        EXPECT_EQ(shown.Rows()[i].RowCapacity, static_cast<float>(expected)) << shown.Rows()[i].label;
    }
}

INSTANTIATE_TEST_SUITE_P(Units, UnitFactors,
                         testing::Values(FactorCase{"BtuPerHour", U::BtuH, 1.0f, 1.0f},
                                         FactorCase{"Tons", U::Tons, static_cast<float>(1.0 / 12000.0), 1.0f},
                                         FactorCase{"KiloWatts", U::KW, 0.000293f, 2.2f},
                                         FactorCase{"KiloCalories", U::KCal, 0.252f, 2.2f}),
                         RowName{});

// What the program-wide variables keep: everything after a rating, the conditions up to DeltaP
// after a refusal, nothing when the conditions left the model.
struct StoreCase {
    const char* name;
    RatingInputs in;
    bool storesDeltaP;
    bool storesMassFlow;
};

class StoringConditions : public testing::TestWithParam<StoreCase> {};

TEST_P(StoringConditions, AsFarAsTheRatingGot) {
    const StoreCase& c = GetParam();
    const Rating rating = RateCapacity(c.in);
    Universal_Variables variables;
    Conditions& stored = variables.conditions;
    stored.DeltaP = stored.MassFlow = stored.Sensit = stored.PEvap = 7.0f;
    StoreConditions(rating, variables);
    EXPECT_EQ(stored.DeltaP, c.storesDeltaP ? rating.conditions.DeltaP : 7.0f);
    EXPECT_EQ(stored.PEvap, c.storesDeltaP ? rating.conditions.PEvap : 7.0f);
    EXPECT_EQ(stored.EvapTemp, c.storesDeltaP ? c.in.EvapTemp : 0.0f);
    EXPECT_EQ(stored.FlowMultiplier, c.storesDeltaP ? rating.conditions.FlowMultiplier : 0.0f);
    EXPECT_EQ(stored.MassFlow, c.storesMassFlow ? rating.conditions.MassFlow : 7.0f);
    EXPECT_EQ(stored.Sensit, c.storesMassFlow ? rating.conditions.Sensit : 7.0f);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, StoringConditions,
                         testing::Values(StoreCase{"Rated", worked(kKO, D::Venturi), true, true},
                                         StoreCase{"Refused", inputs(kR22, kKO, 40, 60, 50, D::Orifice), true, false},
                                         StoreCase{"Outside", inputs(kR22, kKO, kNaN, 100, 90, D::None), false, false}),
                         RowName{});

// Inputs no worksheet passes: an outcome that says so, and never an infinity or a NaN.
struct GuardCase {
    const char* name;
    RatingInputs in;
    RatingOutcome outcome;
};

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

constexpr RatingOutcome kOutside = RatingOutcome::OutsideModel;
constexpr RatingOutcome kCapacity = RatingOutcome::SystemCapacityOutOfRange;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, Guards, testing::Values(
    // NYF names its sizes whatever the refrigerant, so without a property set it would rate zeros.
    GuardCase{"NoPropertySet",     inputs(0,    kNYF, 40.0f, 100.0f, 90.0f,  D::UserDefined, -500.0f), kOutside},
    GuardCase{"NaNTemperature",    inputs(kR22, kKO,  kNaN,  100.0f, 90.0f,  D::None),                kOutside},
    GuardCase{"InfiniteCondenser", inputs(kR22, kKO,  40.0f, kInf,   90.0f,  D::None),                kOutside},
    GuardCase{"PolynomialOverflow",inputs(kR22, kKO,  40.0f, 1e30f,  90.0f,  D::None),                kOutside},
    GuardCase{"NaNUserDrop",       inputs(kR22, kKO,  40.0f, 100.0f, 90.0f,  D::UserDefined, kNaN),   kOutside},
    GuardCase{"LiquidAboveVapour", inputs(kR22, kKO,  40.0f, 100.0f, 400.0f, D::UserDefined, -1e3f),  kOutside},
    GuardCase{"CapacityOverflow",  inputs(4,    kVAN, 1e9f,  100.0f, 90.0f,  D::UserDefined, -3e38f), kOutside},
    GuardCase{"UnknownUnit",       inputs(kR22, kKO,  40.0f, 100.0f, 90.0f,  D::None, 0, U{7}),       kOutside},
    GuardCase{"HugeSystem",        inputs(kR22, kKO,  40.0f, 100.0f, 90.0f,  D::None, 0, U::BtuH, 1e300), kCapacity},
    GuardCase{"NaNSystem",         inputs(kR22, kKO,  40.0f, 100.0f, 90.0f,  D::None, 0, U::BtuH, std::nan("")),
              kCapacity},
    GuardCase{"UnknownSeries",     inputs(kR22, 19,   40.0f, 100.0f, 90.0f,  D::None),                RatingOutcome::Rated}),
    RowName{});
// clang-format on

// R-407C with QZ offers no size, so only the mass flow itself can catch a refrigerating effect of
// exactly zero: a liquid temperature at which HLiq equals HVap, found by bisection and a short walk.
TEST(Guards, NoRefrigeratingEffectGivesNoMassFlow) {
    bool found = false;
    for (float evap = 40.0f; evap <= 60.0f && !found; evap += 0.5f) {
        auto effect = [&](float liq) {
            float PEvap;
            float HVap;
            float PCond;
            float HLiq;
            float LiqDensity;
            RefProperties(kR407C, evap, 150.0f, liq, PEvap, HVap, PCond, HLiq, LiqDensity);
            return static_cast<double>(HVap) - HLiq;
        };
        float lo = 100.0f;
        float hi = 400.0f;
        for (float mid = lo + (hi - lo) / 2; mid > lo && mid < hi; mid = lo + (hi - lo) / 2) {
            (effect(mid) > 0 ? lo : hi) = mid;
        }
        float liq = std::nextafter(lo, 0.0f);
        for (int step = 0; step < 64 && !found; ++step, liq = std::nextafter(liq, 1000.0f)) {
            found = effect(liq) == 0.0;
        }
        if (found) {
            const Rating rating = RateCapacity(inputs(kR407C, kQZ, evap, 150.0f, liq, D::UserDefined, -1e3f));
            EXPECT_EQ(rating.outcome, RatingOutcome::OutsideModel);
            EXPECT_TRUE(allFinite(rating));
        }
    }
    EXPECT_TRUE(found);
}

TEST(Guards, WildInputsNeverGiveInfinityOrNaN) {
    std::mt19937 random(20240611);
    const std::vector<float> extremes{0.0f, -0.0f, kInf, -kInf, kNaN, 1e-45f, 3.4e38f, -3.4e38f, 1e10f, -1e10f};
    auto anyFloat = [&](float lo, float hi) {
        return random() % 5 == 0 ? extremes[random() % extremes.size()]
                                 : std::uniform_real_distribution<float>(lo, hi)(random);
    };
    Rating rating;
    for (int i = 0; i < 20000; ++i) {
        RatingInputs in;
        in.EvapTemp = anyFloat(-300.0f, 300.0f);
        in.CondTemp = anyFloat(-300.0f, 600.0f);
        in.LiqTemp = anyFloat(-300.0f, 600.0f);
        in.RefIndex = static_cast<std::int16_t>(static_cast<int>(random() % 12) - 1);
        in.SeriesNo = static_cast<std::int16_t>(static_cast<int>(random() % 21) - 1);
        in.distributor = static_cast<D>(random() % 5);
        in.userDefinedDrop = anyFloat(-1e6f, 1e6f);
        in.capacityUnit = static_cast<U>(random() % 6);
        if (random() % 2 == 0) {
            in.systemCapacity = static_cast<double>(anyFloat(-1e6f, 1e6f)) * (random() % 3 == 0 ? 1e300 : 1.0);
        }
        RateCapacity(in, rating);
        ASSERT_TRUE(allFinite(rating)) << "case " << i;
    }
}

} // namespace
} // namespace korveld
