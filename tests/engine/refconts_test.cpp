#include "engine/refconts.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using testing_support::RowName;

struct Properties {
    float PEvap = -1, HVap = -1, PCond = -1, HLiq = -1, LiqDensity = -1;
};

Properties propertiesOf(std::int16_t RefIndex, float evap, float cond, float liq) {
    Properties p;
    RefProperties(RefIndex, evap, cond, liq, p.PEvap, p.HVap, p.PCond, p.HLiq, p.LiqDensity);
    return p;
}

TEST(RefPoly, RoundsTheRunningSumToSingleAfterEachTerm) {
    // 1 + 1e-8 vanishes in a Single; summed in double first it would survive the last term.
    EXPECT_EQ(RefPoly(1.0f, 1.0f, 1e-8f, 1e-8f, 1e-8f, 1e-8f), 1.0f);
    EXPECT_EQ(RefPoly(0.0f, 2.5f, 7.0f, 7.0f, 7.0f, 7.0f), 2.5f);
    EXPECT_EQ(RefPoly(2.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f), 31.0f);
    EXPECT_EQ(RefPoly(-2.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f), -8.0f);
}

struct Reference {
    const char* name;
    std::int16_t RefIndex;
    float Properties::*property;
    float temperature;
    double expected;
    double tolerance;
};

class RefPropertiesReference : public testing::TestWithParam<Reference> {};

TEST_P(RefPropertiesReference, MatchesPublishedValue) {
    const Reference& r = GetParam();
    const Properties p = propertiesOf(r.RefIndex, r.temperature, r.temperature, r.temperature);
    EXPECT_NEAR(p.*(r.property), r.expected, r.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Refrigerants, RefPropertiesReference,
                         testing::Values(Reference{"R22_PEvap_40F", 2, &Properties::PEvap, 40.0f, 83.2, 0.1},
                                         Reference{"R22_PCond_100F", 2, &Properties::PCond, 100.0f, 210.6, 0.5},
                                         Reference{"R22_HVap_40F", 2, &Properties::HVap, 40.0f, 108.1, 0.1},
                                         Reference{"R22_HLiq_100F", 2, &Properties::HLiq, 100.0f, 39.3, 0.1},
                                         Reference{"R22_LiqDensity_100F", 2, &Properties::LiqDensity, 100.0f, 71.2,
                                                   0.1},
                                         Reference{"R134a_PCond_100F", 3, &Properties::PCond, 100.0f, 139.0, 0.5}),
                         RowName{});

TEST(RefProperties, PureRefrigerantsShareTheirCurveAndBlendsBubbleAboveDew) {
    for (std::int16_t set = 1; set <= 9; ++set) {
        const Properties p = propertiesOf(set, 35.0f, 35.0f, 35.0f);
        const bool pure = set == 1 || set == 2 || set == 3 || set == 8;
        if (pure) {
            EXPECT_EQ(p.PCond, p.PEvap) << "set " << set;
        } else {
            EXPECT_GT(p.PCond, p.PEvap) << "set " << set;
        }
    }
}

TEST(RefProperties, UnknownSetWritesNothing) {
    for (std::int16_t set : {std::int16_t{0}, std::int16_t{10}, std::int16_t{-1}}) {
        const Properties p = propertiesOf(set, 40.0f, 100.0f, 90.0f);
        EXPECT_EQ(p.PEvap, -1);
        EXPECT_EQ(p.HVap, -1);
        EXPECT_EQ(p.PCond, -1);
        EXPECT_EQ(p.HLiq, -1);
        EXPECT_EQ(p.LiqDensity, -1);
    }
}

struct SensitivityCase {
    const char* name;
    float EvapTemp;
    std::int16_t RefIndex;
    double expected;
    double tolerance;
};

class SensitivityFactor : public testing::TestWithParam<SensitivityCase> {};

TEST_P(SensitivityFactor, Value) {
    const SensitivityCase& c = GetParam();
    EXPECT_NEAR(Sensitivity(c.EvapTemp, c.RefIndex), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, SensitivityFactor,
                         testing::Values(SensitivityCase{"JustAboveZeroIsOne", 0.1f, 2, 1.0, 0.0},
                                         SensitivityCase{"R22AtZero", 0.0f, 2, 0.93, 0.01},
                                         SensitivityCase{"R134aAtZero", 0.0f, 3, 0.86, 0.01},
                                         SensitivityCase{"R22AtMinus40", -40.0f, 2, 0.45, 0.01},
                                         SensitivityCase{"UnknownSetAboveZeroIsOne", 10.0f, 0, 1.0, 0.0},
                                         SensitivityCase{"UnknownSetAtZeroIsZero", 0.0f, 10, 0.0, 0.0},
                                         SensitivityCase{"UnknownSetBelowZeroIsZero", -20.0f, 0, 0.0, 0.0}),
                         RowName{});

} // namespace
} // namespace korveld
