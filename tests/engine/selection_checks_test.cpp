#include "engine/selection_checks.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

using testing_support::PrintTo;

using E = SelectionEntry;

struct CheckCase {
    const char* name;
    const char* evap;
    const char* cond;
    const char* liq;
    const char* cap;
    const char* drop;
    bool metric;
    bool narrow;       // CA charge or KOD
    bool userDefined;  // DistUserDefined
    const char* title; // nullptr: the entries pass
    E cleared;
    E focused;
};

class EntryChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(EntryChecks, FirstFailureWins) {
    const CheckCase& row = GetParam();
    const SelectionEntries entries{"R-22", "KO", row.evap, row.cond, row.liq, row.cap, row.drop};
    const EntryCheckResult result = CheckSelectionEntries(entries, {row.metric, row.narrow, row.userDefined});
    if (row.title == nullptr) {
        EXPECT_FALSE(result.failure.has_value()) << result.failure->title;
        return;
    }
    ASSERT_TRUE(result.failure.has_value());
    EXPECT_EQ(result.failure->title, row.title);
    EXPECT_EQ(result.failure->cleared, row.cleared);
    EXPECT_EQ(result.failure->focused, row.focused);
}

constexpr const char* kEvapRange = "EVAPORATOR TEMPERATURE ERROR";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Order, EntryChecks, ::testing::Values(
    CheckCase{"all_good",              "40",  "100",  "90",  "12000", "",     false, false, false, nullptr, E::None, E::None},
    CheckCase{"evap_empty_first",      "",    "",     "",    "",      "",     false, false, true,  "EVAPORATOR TEMPERATURE ERROR", E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"cond_empty",            "x",   "",     "",    "",      "",     false, false, false, "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp},
    CheckCase{"liq_empty",             "x",   "y",    "",    "",      "",     false, false, false, "LIQUID TEMPERATURE INPUT ERROR", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"capacity_empty",        "x",   "y",    "z",   "",      "",     false, false, true,  "NO CAPACITY INPUT", E::None, E::txtInputCap},
    CheckCase{"drop_empty",            "x",   "y",    "z",   "w",     "",     false, false, true,  "NO DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop},
    CheckCase{"drop_ignored",          "40",  "100",  "90",  "1",     "",     false, false, false, nullptr, E::None, E::None},
    CheckCase{"evap_not_number",       "x",   "y",    "z",   "w",     "v",    false, false, true,  "Evaporator Temperature Input Error", E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"blank_is_no_number",    " ",   "100",  "90",  "1",     "",     false, false, false, "Evaporator Temperature Input Error", E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"cond_not_number",       "40",  "1,00", "z",   "w",     "v",    false, false, true,  "INCORRECT CONDENSOR TEMPERATURE ENTRY", E::txtCondTemp, E::txtCondTemp},
    CheckCase{"liq_not_number",        "40",  "100",  "9O",  "w",     "v",    false, false, true,  "INCORRECT LIQUID TEMPERATURE ENTRY", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"capacity_not_number",   "400", "100",  "90",  "12k",   "v",    false, false, true,  "INCORRECT CAPACITY ENTRY", E::txtInputCap, E::txtInputCap},
    CheckCase{"capacity_beyond_single","40",  "100",  "90",  "1e39",  "",     false, false, false, "INCORRECT CAPACITY ENTRY", E::txtInputCap, E::txtInputCap},
    CheckCase{"drop_not_number",       "400", "100",  "90",  "1",     "abc",  false, false, true,  "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop},
    CheckCase{"drop_beyond_single",    "40",  "100",  "90",  "1",     "4e38", false, false, true,  "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop},
    CheckCase{"drop_overflows_as_psi", "4",   "38",   "30",  "1",     "3e38", true,  false, true,  "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", E::txtPressureDrop, E::txtPressureDrop},
    CheckCase{"F_evap_at_M40",         "-40", "50",   "0",   "1",     "",     false, false, false, nullptr, E::None, E::None},
    CheckCase{"F_evap_below_M40",      "-40.01", "50", "0",  "1",     "",     false, false, false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"F_evap_at_60",          "60",  "150",  "150", "1",     "",     false, false, false, nullptr, E::None, E::None},
    CheckCase{"F_evap_above_60",       "60.01", "150", "150", "1",    "",     false, false, false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"F_evap_beyond_single",  "1e40", "100", "90",  "1",     "",     false, false, false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"F_KOD_refuses_M5",      "-5",  "100",  "90",  "1",     "",     false, true,  false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"F_KOD_takes_0",         "0",   "100",  "90",  "1",     "",     false, true,  false, nullptr, E::None, E::None},
    CheckCase{"C_evap_at_16",          "16",  "66",   "66",  "1",     "",     true,  false, false, nullptr, E::None, E::None},
    CheckCase{"C_evap_above_16",       "16.1", "66",  "66",  "1",     "",     true,  false, false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"C_CA_refuses_M18_1",    "-18.1", "10", "-18", "1",     "",     true,  true,  false, kEvapRange, E::txtEvapTemp, E::txtEvapTemp},
    CheckCase{"C_CA_takes_M18",        "-18", "10",   "-18", "1",     "",     true,  true,  false, nullptr, E::None, E::None},
    CheckCase{"F_cond_below_50",       "40",  "49.9", "0",   "1",     "",     false, false, false, "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp},
    CheckCase{"F_cond_above_150",      "40",  "150.5", "90", "1",     "",     false, false, false, "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp},
    CheckCase{"C_cond_below_10",       "4",   "9.9",  "0",   "1",     "",     true,  false, false, "CONDENSING TEMPERATURE INPUT ERROR", E::txtCondTemp, E::txtCondTemp},
    CheckCase{"C_cond_at_66",          "4",   "66",   "0",   "1",     "",     true,  false, false, nullptr, E::None, E::None},
    CheckCase{"F_liq_below_0",         "40",  "100",  "-0.1", "1",    "",     false, false, false, "Liquid Temperature Input Error", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"C_liq_below_M18",       "4",   "40",   "-18.5", "1",   "",     true,  false, false, "Liquid Temperature Input Error", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"C_liq_above_66",        "4",   "40",   "66.5", "1",    "",     true,  false, false, "Liquid Temperature Input Error", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"negative_drop",         "40",  "100",  "90",  "1",     "-1",   false, false, true,  "NEGATIVE DISTRIBUTOR PRESSURE DROP", E::txtPressureDrop, E::txtPressureDrop},
    CheckCase{"zero_drop",             "40",  "100",  "90",  "1",     "0",    false, false, true,  nullptr, E::None, E::None},
    CheckCase{"liquid_above_cond",     "40",  "100",  "100.1", "1",   "",     false, false, false, "INCORRECT LIQUID TEMPERATURE ENTRY", E::txtLiqTemp, E::txtLiqTemp},
    CheckCase{"liquid_equal_cond",     "40",  "100",  "100", "1",     "",     false, false, false, nullptr, E::None, E::None},
    CheckCase{"C_liquid_above_cond",   "4",   "40",   "40.05", "1",   "",     true,  false, false, "INCORRECT LIQUID TEMPERATURE ENTRY", E::txtLiqTemp, E::txtLiqTemp}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(EntryChecksChoice, RefrigerantThenValveAreAskedForFirst) {
    SelectionEntries entries{"", "", "", "", "", "", ""};
    EntryCheckResult result = CheckSelectionEntries(entries, {});
    EXPECT_EQ(result.failure->title, "REFRIGERATION SELECTION");
    EXPECT_EQ(result.failure->text, "You have not made a refrigerant selection!  Please do so at this time.");
    EXPECT_EQ(result.failure->cleared, E::None);
    EXPECT_EQ(result.failure->focused, E::txtSelRefrig);
    entries.txtSelRefrig = "R-22";
    result = CheckSelectionEntries(entries, {});
    EXPECT_EQ(result.failure->title, "VALVE SELECTION");
    EXPECT_EQ(result.failure->focused, E::txtSelValve);
}

TEST(EntryChecksText, PressureDropPromptQuotesTheTextAsTyped) {
    const SelectionEntries entries{"R-22", "KO", "40", "100", "90", "1", " 1.5 psi"};
    const EntryCheckResult result = CheckSelectionEntries(entries, {false, false, true});
    EXPECT_EQ(result.failure->text, "You have entered an invalid number for a pressure drop.   1.5 psi is not a "
                                    "number, please reenter a valid number!");
}

TEST(EntryChecksValues, MetricEntriesAreTurnedIntoFahrenheitAndPsi) {
    const SelectionEntries entries{"R-22", "KO", "4.4", "37.8", "-18", "35.2", "2"};
    const EntryCheckResult result = CheckSelectionEntries(entries, {true, false, true});
    ASSERT_FALSE(result.failure.has_value());
    EXPECT_EQ(result.accepted.EvapTemp, static_cast<float>(4.4 * 9.0 / 5.0 + 32.0));
    EXPECT_EQ(result.accepted.CondTemp, static_cast<float>(37.8 * 9.0 / 5.0 + 32.0));
    EXPECT_EQ(result.accepted.LiqTemp, -0.4f);
    EXPECT_EQ(result.accepted.DistPressDrop, 29.0f);
    EXPECT_EQ(result.accepted.capacity, 35.2);
}

TEST(EntryChecksValues, EnglishEntriesAreStoredAsTyped) {
    const SelectionEntries entries{"R-22", "KO", "40", "100", "90", "12000", "7.5"};
    const EntryCheckResult noDrop = CheckSelectionEntries(entries, {});
    EXPECT_FALSE(noDrop.accepted.DistPressDrop.has_value());
    const EntryCheckResult withDrop = CheckSelectionEntries(entries, {false, false, true});
    EXPECT_EQ(withDrop.accepted.EvapTemp, 40.0f);
    EXPECT_EQ(withDrop.accepted.DistPressDrop, 7.5f);
}

} // namespace
} // namespace korveld
