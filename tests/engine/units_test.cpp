#include "engine/rating.h"
#include "engine/units.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace korveld {
namespace {

template <typename Case>
std::string nameOf(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

using U = CapacityUnit;
constexpr Worksheet kCap = Worksheet::Capacity;
constexpr Worksheet kSel = Worksheet::Selection;

// --- Capacity entries ---------------------------------------------------------------------------

struct CapacityCase {
    const char* name;
    double typed;
    CapacityUnit from;
    CapacityUnit to;
    Worksheet sheet;
    std::string_view pattern;
    const char* shown;
};
void PrintTo(const CapacityCase& c, std::ostream* os) {
    *os << c.name;
}

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
    CapacityCase{"BtuToTons",            24000, U::BtuH, U::Tons, kCap, kEntryPattern,     "2.00"},
    CapacityCase{"TonsToKiloWatts",      10,    U::Tons, U::KW,   kCap, kEntryPattern,     "35.20"},
    CapacityCase{"KiloWattsToKiloCal",   3.52,  U::KW,   U::KCal, kCap, kWideEntryPattern, "3024.00"},
    CapacityCase{"KiloWattsToKiloCalSel",3.52,  U::KW,   U::KCal, kSel, kWideEntryPattern, "3024.00"},
    CapacityCase{"KiloCalToKiloWattsSel",3024,  U::KCal, U::KW,   kSel, kWideEntryPattern, "3.52"},
    CapacityCase{"KiloCalToKiloWattsCap",3024,  U::KCal, U::KW,   kCap, kEntryPattern,     "3.52"},
    CapacityCase{"KiloCalToBtuCap",      3024,  U::KCal, U::BtuH, kCap, kWideEntryPattern, "12000.00"},
    CapacityCase{"KiloCalToBtuSel",      3024,  U::KCal, U::BtuH, kSel, kEntryPattern,     "12000.00"},
    CapacityCase{"KiloCalToTonsCap",     6048,  U::KCal, U::Tons, kCap, kWideEntryPattern, "2.00"},
    CapacityCase{"KiloCalToTonsSel",     6048,  U::KCal, U::Tons, kSel, kEntryPattern,     "2.00"},
    CapacityCase{"KiloWattsToBtu",       3.52,  U::KW,   U::BtuH, kCap, kEntryPattern,     "12000.00"},
    CapacityCase{"KiloWattsToTons",      7.04,  U::KW,   U::Tons, kSel, kEntryPattern,     "2.00"},
    CapacityCase{"BtuToKiloCal",         12000, U::BtuH, U::KCal, kCap, kEntryPattern,     "3024.00"},
    CapacityCase{"BtuToKiloWatts",       1,     U::BtuH, U::KW,   kCap, kEntryPattern,     ".00"},
    CapacityCase{"TonsToBtu",            2.5,   U::Tons, U::BtuH, kSel, kEntryPattern,     "30000.00"},
    CapacityCase{"TonsToKiloCal",        0.5,   U::Tons, U::KCal, kCap, kEntryPattern,     "1512.00"}),
    nameOf<CapacityCase>);
// clang-format on

TEST(CapacityEntry, BtuToTonsDividesAndTheOthersMultiplyByTheirFactor) {
    // 5 / 12000 and 5 × (1 / 12000) differ in the last bit of the double.
    EXPECT_EQ(CapacityConversion(U::BtuH, U::Tons, kCap).Apply(5.0), 5.0 / 12000.0);
    EXPECT_EQ(CapacityConversion(U::KCal, U::KW, kSel).Apply(3024.0), 3024.0 * (3.52 / 3024.0));
    EXPECT_EQ(CapacityConversion(U::KW, U::KW, kCap).Apply(3.25), 3.25);
}

TEST(CapacityEntry, OverflowingASingleIsNoNumber) {
    EXPECT_FALSE(ConvertCapacityEntry(3e38, U::Tons, U::KCal, kCap).has_value());
    EXPECT_FALSE(ConvertCapacityEntry(1e300, U::BtuH, U::BtuH, kCap).has_value());
    EXPECT_TRUE(ConvertCapacityEntry(3e38, U::BtuH, U::KCal, kCap).has_value());
}

// The rating's kW factor (0.000293) is not the entry's (3.52 / 12000): the loading moves by ~0.1 %.
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
    EXPECT_GT(kwLoading / btuLoading - 1.0, 0.001);
}

// --- Text with 15 significant digits, read back as a Single ------------------------------------

struct TextCase {
    const char* name;
    double value;
    std::optional<float> expected;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class ThroughTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ThroughTextTest, ReadBackAsSingle) {
    const TextCase& c = GetParam();
    const std::optional<float> value = ThroughText(c.value);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_EQ(*value, *c.expected);
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ThroughTextTest, testing::Values(
    // Just above the midpoint of 1 and the next Single: the 15 digits fall below it.
    TextCase{"FifteenDigitsDecideTheRounding", 1.0 + 0x1p-24 + 0x1p-52, 1.0f},
    TextCase{"SumOfTenths",                    0.1 + 0.2,               0.3f},
    TextCase{"Exact",                          3024.0,                  3024.0f},
    TextCase{"Negative",                       -2.0689655172413794,     -2.06896552f},
    TextCase{"LargestSingle",                  3.4028234663852886e38,   std::numeric_limits<float>::max()},
    TextCase{"BeyondASingle",                  3.5e38,                  std::nullopt},
    TextCase{"Infinite",                       kInfinity,                 std::nullopt},
    TextCase{"NotANumber",                     std::nan(""),            std::nullopt},
    TextCase{"TooSmallReadsAsZero",            1e-50,                   0.0f}),
    nameOf<TextCase>);
// clang-format on

// --- Temperatures and the pressure drop ----------------------------------------------------------

struct EntryCase {
    const char* name;
    double typed;
    bool toMetric;
    double value;
    const char* shown;
};
void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class TemperatureEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(TemperatureEntryTest, StoredAsSingleShownWithOneDecimal) {
    const EntryCase& c = GetParam();
    const auto converted = ConvertTemperatureEntry(c.typed, c.toMetric ? UnitSystem::Metric : UnitSystem::English);
    ASSERT_TRUE(converted.has_value());
    EXPECT_NEAR(converted->value, c.value, 1e-4);
    EXPECT_EQ(converted->text, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Examples, TemperatureEntryTest,
                         testing::Values(EntryCase{"FortyF", 40, true, 4.44444, "4.4"},
                                         EntryCase{"HundredF", 100, true, 37.77778, "37.8"},
                                         EntryCase{"ShownTextCarriesOver", 4.4, false, 39.92, "39.9"},
                                         EntryCase{"MinusForty", -40, true, -40.0, "-40.0"},
                                         EntryCase{"ZeroF", 0, true, -17.77778, "-17.8"},
                                         EntryCase{"JustBelowFreezingKeepsSign", 31.99, true, -0.005556, "-.0"},
                                         EntryCase{"SixtySixC", 66, false, 150.8, "150.8"}),
                         nameOf<EntryCase>);

class PressureDropEntryTest : public testing::TestWithParam<EntryCase> {};

TEST_P(PressureDropEntryTest, ConvertedThroughTextShownWithOneDecimal) {
    const EntryCase& c = GetParam();
    const PressureUnit from = c.toMetric ? PressureUnit::Psi : PressureUnit::Bars;
    const PressureUnit to = c.toMetric ? PressureUnit::Bars : PressureUnit::Psi;
    const auto converted = ConvertPressureDropEntry(c.typed, from, to);
    ASSERT_TRUE(converted.has_value());
    EXPECT_NEAR(converted->value, c.value, 1e-5);
    EXPECT_EQ(converted->text, c.shown);
}

INSTANTIATE_TEST_SUITE_P(Examples, PressureDropEntryTest,
                         testing::Values(EntryCase{"ThirtyPsi", 30, true, 2.0689655, "2.1"},
                                         EntryCase{"ShownBarsBack", 2.1, false, 30.45, "30.5"},
                                         EntryCase{"Zero", 0, true, 0.0, ".0"},
                                         EntryCase{"LargeDrop", 14500, true, 1000.0, "1000.0"}),
                         nameOf<EntryCase>);

TEST(PressureDropEntryTest, SameUnitOnlyGoesThroughText) {
    EXPECT_EQ(ConvertPressureDropEntry(12.34, PressureUnit::Psi, PressureUnit::Psi)->text, "12.3");
    EXPECT_FALSE(ConvertPressureDropEntry(1e39, PressureUnit::Bars, PressureUnit::Bars).has_value());
}

TEST(EntriesBeyondASingle, AreNoNumber) {
    EXPECT_FALSE(ConvertTemperatureEntry(5e38, UnitSystem::English).has_value());
    EXPECT_FALSE(ConvertTemperatureEntry(1e39, UnitSystem::Metric).has_value());
    EXPECT_FALSE(ConvertPressureDropEntry(3e38, PressureUnit::Bars, PressureUnit::Psi).has_value());
    EXPECT_FALSE(RatingTemperature(2e38, UnitSystem::Metric).has_value());
    EXPECT_FALSE(RatingPressureDrop(1e38, UnitSystem::Metric).has_value());
}

struct RatingEntryCase {
    const char* name;
    double typed;
    UnitSystem system;
    float temperature;
    float drop;
};
void PrintTo(const RatingEntryCase& c, std::ostream* os) {
    *os << c.name;
}

class RatingEntries : public testing::TestWithParam<RatingEntryCase> {};

TEST_P(RatingEntries, InFahrenheitAndPsi) {
    const RatingEntryCase& c = GetParam();
    EXPECT_EQ(RatingTemperature(c.typed, c.system), c.temperature);
    EXPECT_EQ(RatingPressureDrop(c.typed, c.system), c.drop);
}

INSTANTIATE_TEST_SUITE_P(Systems, RatingEntries,
                         testing::Values(RatingEntryCase{"EnglishAsTyped", 40.5, UnitSystem::English, 40.5f, 40.5f},
                                         RatingEntryCase{"MetricFour", 4.4, UnitSystem::Metric, 39.92f, 63.8f},
                                         RatingEntryCase{"MetricMinusForty", -40, UnitSystem::Metric, -40.0f, -580.0f},
                                         RatingEntryCase{"MetricTwoBars", 2, UnitSystem::Metric, 35.6f, 29.0f}),
                         nameOf<RatingEntryCase>);

// --- The unit state and the captions -------------------------------------------------------------

struct UnitCase {
    const char* name;
    CapacityUnit unit;
    bool changesFromEnglish;
    PressureUnit pressure;
    const char* capacityCaption;
    const char* selectionCaption;
    const char* pressureCaption;
};
void PrintTo(const UnitCase& c, std::ostream* os) {
    *os << c.name;
}

class UnitState : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitState, SystemPressureUnitAndCaptions) {
    const UnitCase& c = GetParam();
    EXPECT_EQ(SystemChanges(UnitSystem::English, c.unit), c.changesFromEnglish);
    EXPECT_EQ(SystemChanges(UnitSystem::Metric, c.unit), !c.changesFromEnglish);
    EXPECT_EQ(PressureUnitOf(c.unit), c.pressure);
    EXPECT_EQ(CapacityUnitCaption(c.unit, kCap), c.capacityCaption);
    EXPECT_EQ(CapacityUnitCaption(c.unit, kSel), c.selectionCaption);
    EXPECT_EQ(PressureUnitCaption(PressureUnitOf(c.unit)), c.pressureCaption);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitState,
                         testing::Values(UnitCase{"Btu", U::BtuH, false, PressureUnit::Psi, "Btu/h", "Btu/h", "psi"},
                                         UnitCase{"Tons", U::Tons, false, PressureUnit::Psi, "Tons", "Tons", "psi"},
                                         UnitCase{"KiloWatts", U::KW, true, PressureUnit::Bars, "kW", "kW", "bars"},
                                         UnitCase{"KiloCal", U::KCal, true, PressureUnit::Bars, "KiloCal", "kCal.",
                                                  "bars"}),
                         nameOf<UnitCase>);

TEST(RangeCaptions, ExactSpacing) {
    EXPECT_EQ(EvapRangeCaption(UnitSystem::English), "Range:-40 to 60 deg F.");
    EXPECT_EQ(EvapRangeCaption(UnitSystem::Metric), "Range:-40 to 16 deg C.");
    EXPECT_EQ(EvapRangeCaption(UnitSystem::English, true), "Range: 0 to 60 deg F.");
    EXPECT_EQ(EvapRangeCaption(UnitSystem::Metric, true), "Range: -18 to 16 deg C.");
    EXPECT_EQ(CondRangeCaption(UnitSystem::English), "Range: 50 to 150 deg F.");
    EXPECT_EQ(CondRangeCaption(UnitSystem::Metric), "Range: 10 to 60 deg C.");
    EXPECT_EQ(LiqRangeCaption(UnitSystem::English), "Range: 0 to 150 deg F.");
    EXPECT_EQ(LiqRangeCaption(UnitSystem::Metric), "Range: -18 to 66 deg C.");
}

TEST(UnitMessages, QuoteTheEntry) {
    const UnitMessage drop = PressureDropEntryMessage("3x");
    EXPECT_EQ(drop.text, "You have entered an invalid Distributor Pressure Drop entry; the value 3x is not a true "
                         "number!  Please enter a correct value.");
    EXPECT_EQ(drop.title, "INCORRECT PRESSURE DROP ENTRY");
    const UnitMessage capacity = CapacityEntryMessage("");
    EXPECT_EQ(capacity.text, "You have entered an invalid System Capacity entry; the value  is not a true number!  "
                             "Please enter a correct value.");
    EXPECT_EQ(capacity.title, "INCORRECT SYSTEM CAPACITY ENTRY");
    EXPECT_EQ(TemperatureEntryMessage(TemperatureEntry::Condensing).title, "INCORRECT CONDENSOR TEMPERATURE ENTRY");
    EXPECT_EQ(TemperatureEntryMessage(TemperatureEntry::Liquid).title, "INCORRECT LIQUID TEMPERATURE ENTRY");
    EXPECT_EQ(TemperatureEntryMessage(TemperatureEntry::Evaporator).text,
              "You have entered an invalid value for the Evaporator Temperature.  You need to do so now!");
}

} // namespace
} // namespace korveld
