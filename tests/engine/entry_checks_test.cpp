// The entry checks of both worksheets: Select's and Calculate's, in their own orders, over one
// table of temperature ranges and one set of shared messages.
#include "engine/capacity_checks.h"
#include "engine/selection_checks.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
constexpr testing_support::RowName kRowName;

using E = CheckedEntry;

enum class Sheet { Capacity, Selection };

struct Typed {
    const char* evap = "40";
    const char* cond = "100";
    const char* liq = "90";
    const char* cap = "12000";
    const char* drop = "";
    const char* ref = "R-22";
    const char* valve = "KO";
};

struct Flags {
    bool metric = false;
    bool userDefined = false; // DistUserDefined
    bool loading = false;     // Calculate: optYES chosen
    bool narrow = false;      // Select: CA charge or KOD
};

std::optional<EntryFailure> firstFailure(Sheet sheet, const Typed& t, const Flags& f) {
    if (sheet == Sheet::Capacity) {
        return CheckCapacityEntries({t.ref, t.valve, t.evap, t.cond, t.liq, t.cap, t.drop},
                                    {f.metric, f.loading, f.userDefined})
            .failure;
    }
    return CheckSelectionEntries({t.ref, t.valve, t.evap, t.cond, t.liq, t.cap, t.drop},
                                 {f.metric, f.narrow, f.userDefined})
        .failure;
}

struct CheckCase {
    const char* name;
    Sheet sheet;
    Typed typed;
    Flags flags;
    const char* title; // nullptr: the entries pass
    E cleared;
    E focused;
};

class EntryChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(EntryChecks, FirstFailureWins) {
    const CheckCase& row = GetParam();
    const std::optional<EntryFailure> failure = firstFailure(row.sheet, row.typed, row.flags);
    if (row.title == nullptr) {
        EXPECT_FALSE(failure.has_value()) << failure->title;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, row.title);
    EXPECT_EQ(failure->cleared, row.cleared);
    EXPECT_EQ(failure->focused, row.focused);
}

constexpr Sheet S = Sheet::Selection;
constexpr Sheet C = Sheet::Capacity;
constexpr Flags kEnglish{};
constexpr Flags kMetric{.metric = true};
constexpr Flags kUser{.userDefined = true};
constexpr Flags kMetricUser{.metric = true, .userDefined = true};
constexpr Flags kNarrow{.narrow = true};
constexpr Flags kLoading{.loading = true};
constexpr Flags kLoadingUser{.userDefined = true, .loading = true};

constexpr const char* kEvapErr = "EVAPORATOR TEMPERATURE ERROR";
constexpr const char* kCondErr = "CONDENSING TEMPERATURE INPUT ERROR";
constexpr const char* kLiqRange = "Liquid Temperature Input Error";
constexpr const char* kDropInvalid = "INVALID DISTRIBUTOR PRESSURE DROP ENTRY";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Order, EntryChecks, ::testing::Values(
    // Select: the choices, then presence, then form, then range, then the liquid above condensing.
    CheckCase{"S_all_good",              S, {},                                                   kEnglish,     nullptr, E::None, E::None},
    CheckCase{"S_refrigerant_first",     S, {.evap = "", .cond = "", .liq = "", .cap = "", .ref = "", .valve = ""}, kEnglish, "REFRIGERATION SELECTION", E::None, E::Refrigerant},
    CheckCase{"S_then_valve",            S, {.evap = "", .valve = ""},                            kEnglish,     "VALVE SELECTION", E::None, E::Valve},
    CheckCase{"S_evap_empty_first",      S, {.evap = "", .cond = "", .liq = "", .cap = ""},       kUser,        kEvapErr, E::EvapTemp, E::EvapTemp},
    CheckCase{"S_cond_empty",            S, {.evap = "x", .cond = "", .liq = "", .cap = ""},      kEnglish,     kCondErr, E::CondTemp, E::CondTemp},
    CheckCase{"S_liq_empty",             S, {.evap = "x", .cond = "y", .liq = "", .cap = ""},     kEnglish,     "LIQUID TEMPERATURE INPUT ERROR", E::LiqTemp, E::LiqTemp},
    CheckCase{"S_capacity_empty",        S, {.evap = "x", .cond = "y", .liq = "z", .cap = ""},    kUser,        "NO CAPACITY INPUT", E::None, E::Capacity},
    CheckCase{"S_drop_empty",            S, {.evap = "x", .cond = "y", .liq = "z", .cap = "w"},   kUser,        "NO DISTRIBUTOR PRESSURE DROP ENTRY", E::PressureDrop, E::PressureDrop},
    CheckCase{"S_drop_ignored",          S, {.cap = "1", .drop = ""},                             kEnglish,     nullptr, E::None, E::None},
    CheckCase{"S_evap_not_number",       S, {.evap = "x", .cond = "y", .liq = "z", .cap = "w", .drop = "v"}, kUser, "Evaporator Temperature Input Error", E::EvapTemp, E::EvapTemp},
    CheckCase{"S_blank_is_no_number",    S, {.evap = " "},                                        kEnglish,     "Evaporator Temperature Input Error", E::EvapTemp, E::EvapTemp},
    CheckCase{"S_cond_not_number",       S, {.cond = "1,00", .liq = "z", .cap = "w", .drop = "v"}, kUser,       "INCORRECT CONDENSOR TEMPERATURE ENTRY", E::CondTemp, E::CondTemp},
    CheckCase{"S_liq_not_number",        S, {.liq = "9O", .cap = "w", .drop = "v"},               kUser,        "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp},
    CheckCase{"S_capacity_not_number",   S, {.evap = "400", .cap = "12k", .drop = "v"},           kUser,        "INCORRECT CAPACITY ENTRY", E::Capacity, E::Capacity},
    CheckCase{"S_capacity_beyond_single",S, {.cap = "1e39"},                                      kEnglish,     "INCORRECT CAPACITY ENTRY", E::Capacity, E::Capacity},
    CheckCase{"S_drop_not_number",       S, {.evap = "400", .cap = "1", .drop = "abc"},           kUser,        kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"S_drop_beyond_single",    S, {.cap = "1", .drop = "4e38"},                         kUser,        kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"S_drop_overflows_as_psi", S, {.evap = "4", .cond = "38", .liq = "30", .drop = "3e38"}, kMetricUser, kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"S_evap_beyond_single",    S, {.evap = "1e40"},                                     kEnglish,     kEvapErr, E::EvapTemp, E::EvapTemp},
    CheckCase{"S_negative_drop",         S, {.drop = "-1"},                                       kUser,        "NEGATIVE DISTRIBUTOR PRESSURE DROP", E::PressureDrop, E::PressureDrop},
    CheckCase{"S_zero_drop",             S, {.drop = "0"},                                        kUser,        nullptr, E::None, E::None},
    CheckCase{"S_liquid_above_cond",     S, {.liq = "100.1"},                                     kEnglish,     "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp},
    CheckCase{"S_liquid_equal_cond",     S, {.liq = "100"},                                       kEnglish,     nullptr, E::None, E::None},
    CheckCase{"S_C_liquid_above_cond",   S, {.evap = "4", .cond = "40", .liq = "40.05"},          kMetric,      "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp},
    // Calculate: form, then presence and range, then the choices, then the liquid below condensing.
    CheckCase{"C_all_good",              C, {},                                                   kEnglish,     nullptr, E::None, E::None},
    CheckCase{"C_every_entry_empty",     C, {.evap = "", .cond = "", .liq = "", .ref = "", .valve = ""}, kEnglish, kEvapErr, E::EvapTemp, E::EvapTemp},
    CheckCase{"C_evap_form_first",       C, {.evap = "4O", .cond = ""},                           kEnglish,     "Evaporator Temperature Input Error", E::EvapTemp, E::EvapTemp},
    CheckCase{"C_cond_form",             C, {.evap = "", .cond = "1,00"},                         kEnglish,     "INCORRECT CONDENSOR TEMPERATURE ENTRY", E::CondTemp, E::CondTemp},
    CheckCase{"C_liq_form",              C, {.evap = "", .liq = "9 0"},                           kEnglish,     "INCORRECT LIQUID TEMPERATURE ENTRY", E::LiqTemp, E::LiqTemp},
    CheckCase{"C_loading_no_capacity",   C, {.evap = "", .cap = ""},                              kLoading,     "NO SYSTEM CAPACITY ENTRY", E::Capacity, E::Capacity},
    CheckCase{"C_capacity_form",         C, {.cap = "12,000"},                                    kLoading,     "INCORRECT SYSTEM CAPACITY ENTRY", E::Capacity, E::Capacity},
    CheckCase{"C_capacity_beyond_single",C, {.cap = "1e39"},                                      kLoading,     "INCORRECT SYSTEM CAPACITY ENTRY", E::Capacity, E::Capacity},
    CheckCase{"C_capacity_unread",       C, {.cap = "12,000"},                                    kEnglish,     nullptr, E::None, E::None},
    CheckCase{"C_drop_form_before_evap", C, {.evap = "", .drop = "x5"},                           kLoadingUser, kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"C_drop_beyond_single",    C, {.drop = "4e38"},                                     kUser,        kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"C_drop_overflows_as_psi", C, {.evap = "4", .cond = "38", .liq = "32", .drop = "3e38"}, kMetricUser, kDropInvalid, E::PressureDrop, E::PressureDrop},
    CheckCase{"C_drop_unread",           C, {.drop = "x5"},                                       kEnglish,     nullptr, E::None, E::None},
    CheckCase{"C_evap_beyond_single",    C, {.evap = "1e39"},                                     kEnglish,     kEvapErr, E::EvapTemp, E::EvapTemp},
    CheckCase{"C_cond_empty",            C, {.cond = ""},                                         kEnglish,     kCondErr, E::CondTemp, E::CondTemp},
    CheckCase{"C_liq_empty",             C, {.liq = ""},                                          kEnglish,     "LIQUID TEMPERATURE INPUT ERROR", E::LiqTemp, E::LiqTemp},
    CheckCase{"C_drop_empty",            C, {},                                                   kUser,        "NO DISTRIBUTOR PRESSURE DROP ENTRY", E::PressureDrop, E::PressureDrop},
    CheckCase{"C_drop_negative",         C, {.drop = "-1"},                                       kUser,        "NEGATIVE DISTRIBUTOR PRESSURE DROP", E::PressureDrop, E::PressureDrop},
    CheckCase{"C_drop_zero",             C, {.drop = "0"},                                        kUser,        nullptr, E::None, E::None},
    CheckCase{"C_range_before_choices",  C, {.liq = "-1", .ref = ""},                             kEnglish,     kLiqRange, E::LiqTemp, E::LiqTemp},
    CheckCase{"C_no_refrigerant",        C, {.ref = "", .valve = ""},                             kEnglish,     "REFRIGERATION SELECTION", E::None, E::Refrigerant},
    CheckCase{"C_no_valve",              C, {.valve = ""},                                        kEnglish,     "VALVE SELECTION", E::None, E::Valve},
    CheckCase{"C_liquid_equal_cond",     C, {.liq = "100"},                                       kEnglish,     "INCORRECT SYSEM CAPACITY ENTRY", E::LiqTemp, E::LiqTemp},
    CheckCase{"C_liquid_just_below",     C, {.liq = "99"},                                        kEnglish,     nullptr, E::None, E::None},
    CheckCase{"C_C_liquid_equal_cond",   C, {.evap = "4", .cond = "38", .liq = "38"},             kMetric,      "INCORRECT SYSEM CAPACITY ENTRY", E::LiqTemp, E::LiqTemp},
    CheckCase{"C_narrow_is_selection_only", C, {.evap = "-5"},                                    kNarrow,      nullptr, E::None, E::None}
), kRowName);
// clang-format on

TEST(EntryCheckTexts, BothSheetsGiveTheSameWordsForTheSameFault) {
    const Typed typed{.evap = "", .cond = "", .liq = ""};
    const std::optional<EntryFailure> select = firstFailure(Sheet::Selection, typed, kEnglish);
    const std::optional<EntryFailure> calculate = firstFailure(Sheet::Capacity, typed, kEnglish);
    ASSERT_TRUE(select && calculate);
    EXPECT_EQ(*select, *calculate);
    EXPECT_EQ(select->text, "You have not entered a value for the Evaporator Temperature.  Please enter a value!");
}

TEST(EntryCheckTexts, PressureDropPromptQuotesTheTextAsTyped) {
    for (const Sheet sheet : {Sheet::Selection, Sheet::Capacity}) {
        const std::optional<EntryFailure> failure = firstFailure(sheet, {.drop = " 1.5 psi"}, kUser);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->text, "You have entered an invalid number for a pressure drop.   1.5 psi is not a "
                                 "number, please reenter a valid number!");
    }
}

TEST(EntryChecksValues, SelectTurnsMetricEntriesIntoFahrenheitAndPsi) {
    const SelectionEntries entries{"R-22", "KO", "4.4", "37.8", "-18", "35.2", "2"};
    const EntryCheckResult result = CheckSelectionEntries(entries, {true, false, true});
    ASSERT_FALSE(result.failure.has_value());
    EXPECT_EQ(result.accepted.EvapTemp, static_cast<float>(4.4 * 9.0 / 5.0 + 32.0));
    EXPECT_EQ(result.accepted.CondTemp, static_cast<float>(37.8 * 9.0 / 5.0 + 32.0));
    EXPECT_EQ(result.accepted.LiqTemp, -0.4f);
    EXPECT_EQ(result.accepted.DistPressDrop, 29.0f);
    EXPECT_EQ(result.accepted.capacity, 35.2);
}

TEST(EntryChecksValues, SelectStoresEnglishEntriesAsTyped) {
    const SelectionEntries entries{"R-22", "KO", "40", "100", "90", "12000", "7.5"};
    const EntryCheckResult noDrop = CheckSelectionEntries(entries, {});
    EXPECT_FALSE(noDrop.accepted.DistPressDrop.has_value());
    const EntryCheckResult withDrop = CheckSelectionEntries(entries, {false, false, true});
    EXPECT_EQ(withDrop.accepted.EvapTemp, 40.0f);
    EXPECT_EQ(withDrop.accepted.DistPressDrop, 7.5f);
}

TEST(EntryChecksValues, CalculateConvertsOnlyOnceTheChoicesAreMade) {
    const CapacityEntries entries{"R-22", "KO", "4.4", "37.8", "-18", "35.2", "2"};
    const CapacityCheckResult result = CheckCapacityEntries(entries, {true, true, true});
    ASSERT_FALSE(result.failure.has_value());
    ASSERT_TRUE(result.converted);
    EXPECT_EQ(result.accepted.EvapTemp, static_cast<float>(4.4 * 9.0 / 5.0 + 32.0));
    EXPECT_EQ(result.accepted.LiqTemp, -0.4f);
    EXPECT_EQ(result.accepted.DistPressDrop, 29.0f);
    EXPECT_EQ(result.accepted.systemCapacity, 35.2);

    // Check 12 fails after the conversion: the worksheet still stores the temperatures.
    const CapacityCheckResult equal = CheckCapacityEntries({"R-22", "KO", "40", "100", "100", "", ""}, {});
    EXPECT_TRUE(equal.converted);
    EXPECT_EQ(equal.accepted.LiqTemp, 100.0f);
    EXPECT_FALSE(equal.accepted.systemCapacity.has_value());
    EXPECT_FALSE(CheckCapacityEntries({"", "KO", "40", "100", "90", "", ""}, {}).converted);
}

} // namespace
} // namespace korveld
