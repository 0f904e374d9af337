#include "engine/rating.h"
#include "engine/units.h"
#include "tests/support/named_rows.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace korveld {
namespace {

using testing_support::RowName;
using U = CapacityUnit;
constexpr Worksheet kCap = Worksheet::Capacity;
constexpr Worksheet kSel = Worksheet::Selection;

// Capacity entries: converted, turned into text and back, shown with the pattern of their cell.
struct CapacityCase {
    const char* name;
    double typed;
    U from;
    U to;
    Worksheet sheet;
    std::string_view pattern;
    const char* shown;
};

class CapacityEntry : public testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityEntry, ConvertedThroughTextAndShown) {
    const CapacityCase& c = GetParam();
    EXPECT_EQ(CapacityConversion(c.from, c.to, c.sheet).pattern, c.pattern);
    const std::optional<ConvertedEntry> converted = ConvertCapacityEntry(c.typed, c.from, c.to, c.sheet);
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(converted->text, c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, CapacityEntry, testing::Values(
    CapacityCase{"BtuToTons",             24000, U::BtuH, U::Tons, kCap, kEntryPattern,     "2.00"},
    CapacityCase{"TonsToKiloWatts",       10,    U::Tons, U::KW,   kCap, kEntryPattern,     "35.20"},
    CapacityCase{"KiloWattsToKiloCal",    3.52,  U::KW,   U::KCal, kSel, kWideEntryPattern, "3024.00"},
    CapacityCase{"KiloCalToKiloWattsSel", 3024,  U::KCal, U::KW,   kSel, kWideEntryPattern, "3.52"},
    CapacityCase{"KiloCalToKiloWattsCap", 3024,  U::KCal, U::KW,   kCap, kEntryPattern,     "3.52"},
    CapacityCase{"KiloCalToBtuCap",       3024,  U::KCal, U::BtuH, kCap, kWideEntryPattern, "12000.00"},
    CapacityCase{"KiloCalToTonsSel",      6048,  U::KCal, U::Tons, kSel, kEntryPattern,     "2.00"},
    CapacityCase{"KiloWattsToTons",       7.04,  U::KW,   U::Tons, kSel, kEntryPattern,     "2.00"},
    CapacityCase{"BtuToKiloWatts",        1,     U::BtuH, U::KW,   kCap, kEntryPattern,     ".00"}),
    RowName{});
// clang-format on

TEST(CapacityEntry, BtuToTonsDividesTheOthersMultiplyByTheirFactor) {
    // 5 / 12000 and 5 × (1 / 12000) differ in the last bit of the double.
    EXPECT_EQ(CapacityConversion(U::BtuH, U::Tons, kCap).Apply(5.0), 5.0 / 12000.0);
    EXPECT_EQ(CapacityConversion(U::KCal, U::KW, kSel).Apply(3024.0), 3024.0 * (3.52 / 3024.0));
    EXPECT_EQ(CapacityConversion(U::KW, U::KW, kCap).Apply(3.25), 3.25);
    EXPECT_FALSE(ConvertCapacityEntry(3e38, U::Tons, U::KCal, kCap).has_value());
}

// The rating's kW factor (0.000293) is not the entry's (3.52 / 12000): the loading moves by ~0.1 %,
// while in tons it stays as in Btu/h.
TEST(CapacityEntry, KiloWattLoadingDiffersFromBtuByATenthOfAPerCent) {
    RatingInputs in{40.0f, 100.0f, 90.0f, 2, 2, Distributor::Orifice, 0.0f, U::BtuH, 12000.0};
    const float btuLoading = *RateCapacity(in).rows[3].loading;
    in.capacityUnit = U::Tons;
    in.systemCapacity = ConvertCapacityEntry(12000.0, U::BtuH, U::Tons, kCap)->value;
    EXPECT_NEAR(*RateCapacity(in).rows[3].loading, btuLoading, 1e-4);
    in.capacityUnit = U::KW;
    in.systemCapacity = ConvertCapacityEntry(12000.0, U::BtuH, U::KW, kCap)->value;
    const float kwLoading = *RateCapacity(in).rows[3].loading;
    EXPECT_NEAR(kwLoading / btuLoading, (3.52 / 12000.0) / 0.000293, 1e-5);
}

// Fifteen significant digits, read back as a Single.
struct TextCase {
    const char* name;
    double value;
    std::optional<float> expected;
};

class ThroughTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ThroughTextTest, ReadBackAsSingle) {
    const TextCase& c = GetParam();
    EXPECT_EQ(ThroughText(c.value), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ThroughTextTest, testing::Values(
    // Just above the midpoint of 1 and the next Single; the 15 digits fall below it.
    TextCase{"FifteenDigitsDecide", 1.0 + 0x1p-24 + 0x1p-52,               1.0f},
    TextCase{"SumOfTenths",         0.1 + 0.2,                             0.3f},
    TextCase{"LargestSingle",       3.4028234663852886e38,                 std::numeric_limits<float>::max()},
    TextCase{"BeyondASingle",       3.5e38,                                std::nullopt},
    TextCase{"Infinite",            std::numeric_limits<double>::infinity(), std::nullopt},
    TextCase{"NotANumber",          std::nan(""),                          std::nullopt},
    TextCase{"TooSmallIsZero",      1e-50,                                 0.0f}),
    RowName{});
// clang-format on

// Temperatures (stored as Singles, "###.0") and the pressure drop (through text, "####.0").
struct EntryCase {
    const char* name;
    bool temperature;
    double typed;
    bool toMetric;
    double value;
    const char* shown;
};

class EntryConversion : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryConversion, ValueAndText) {
    const EntryCase& c = GetParam();
    const UnitSystem system = c.toMetric ? UnitSystem::Metric : UnitSystem::English;
    const PressureUnit from = c.toMetric ? PressureUnit::Psi : PressureUnit::Bars;
    const PressureUnit to = c.toMetric ? PressureUnit::Bars : PressureUnit::Psi;
    const auto converted =
        c.temperature ? ConvertTemperatureEntry(c.typed, system) : ConvertPressureDropEntry(c.typed, from, to);
    ASSERT_TRUE(converted.has_value());
    EXPECT_NEAR(converted->value, c.value, 1e-4);
    EXPECT_EQ(converted->text, c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, EntryConversion, testing::Values(
    EntryCase{"FortyF",               true,  40,    true,  4.44444,   "4.4"},
    EntryCase{"HundredF",             true,  100,   true,  37.77778,  "37.8"},
    EntryCase{"ShownTextCarriesOver", true,  4.4,   false, 39.92,     "39.9"},
    EntryCase{"BelowFreezingKeepsSign",true, 31.99, true,  -0.005556, "-.0"},
    EntryCase{"ThirtyPsi",            false, 30,    true,  2.0689655, "2.1"},
    EntryCase{"ShownBarsBack",        false, 2.1,   false, 30.45,     "30.5"}),
    RowName{});
// clang-format on

// Typed beyond a Single, or converted beyond it.
TEST(EntryConversion, BeyondASingleIsNoNumber) {
    EXPECT_FALSE(ConvertCapacityEntry(1e39, U::BtuH, U::KCal, kCap).has_value());
    EXPECT_FALSE(ConvertPressureDropEntry(5e38, PressureUnit::Psi, PressureUnit::Bars).has_value());
    EXPECT_FALSE(ConvertTemperatureEntry(4e38, UnitSystem::Metric).has_value());
    EXPECT_FALSE(RatingPressureDrop(5e38, UnitSystem::English).has_value());
    EXPECT_FALSE(ConvertTemperatureEntry(5e38, UnitSystem::English).has_value());
    EXPECT_FALSE(ConvertPressureDropEntry(3e38, PressureUnit::Bars, PressureUnit::Psi).has_value());
    EXPECT_FALSE(RatingTemperature(2e38, UnitSystem::Metric).has_value());
    EXPECT_FALSE(RatingPressureDrop(1e38, UnitSystem::Metric).has_value());
}

TEST(EntryConversion, IntoTheRatingsFahrenheitAndPsi) {
    EXPECT_EQ(RatingTemperature(40.5, UnitSystem::English), 40.5f);
    EXPECT_EQ(RatingTemperature(4.4, UnitSystem::Metric), 39.92f);
    EXPECT_EQ(RatingPressureDrop(2, UnitSystem::Metric), 29.0f);
}

// The unit decides the system, the pressure unit and, per worksheet, the capacity caption.
struct UnitCase {
    const char* name;
    U unit;
    bool metric;
    const char* capacityCaption;
    const char* selectionCaption;
};

class UnitState : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitState, SystemPressureUnitAndCaption) {
    const UnitCase& c = GetParam();
    EXPECT_EQ(SystemChanges(UnitSystem::English, c.unit), c.metric);
    EXPECT_EQ(SystemChanges(UnitSystem::Metric, c.unit), !c.metric);
    EXPECT_EQ(PressureUnitOf(c.unit), c.metric ? PressureUnit::Bars : PressureUnit::Psi);
    EXPECT_EQ(CapacityUnitCaption(c.unit, kCap), c.capacityCaption);
    EXPECT_EQ(CapacityUnitCaption(c.unit, kSel), c.selectionCaption);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitState,
                         testing::Values(UnitCase{"Btu", U::BtuH, false, "Btu/h", "Btu/h"},
                                         UnitCase{"Tons", U::Tons, false, "Tons", "Tons"},
                                         UnitCase{"KiloWatts", U::KW, true, "kW", "kW"},
                                         UnitCase{"KiloCal", U::KCal, true, "KiloCal", "kCal."}),
                         RowName{});

TEST(UnitMessages, QuoteTheEntry) {
    EXPECT_EQ(PressureDropEntryMessage("3x").text, "You have entered an invalid Distributor Pressure Drop entry; the "
                                                   "value 3x is not a true number!  Please enter a correct value.");
    EXPECT_EQ(CapacityEntryMessage("").text, "You have entered an invalid System Capacity entry; the value  is not a "
                                             "true number!  Please enter a correct value.");
}

} // namespace
} // namespace korveld
