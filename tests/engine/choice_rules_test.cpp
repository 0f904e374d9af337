#include "engine/choice_rules.h"
#include "engine/valconts.h"
#include "named_rows.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korveld {
namespace {

using testing_support::PrintTo;

// ---- Refusals of both worksheets ----

struct RefusalCase {
    std::string name;
    Worksheet worksheet;
    bool seriesPick;         // a series pick; otherwise a refrigerant pick
    std::int16_t SeriesNo;   // the series picked, or the one whose text is shown
    std::string refrigerant; // the refrigerant picked, or the text shown
    std::optional<Refusal> expected;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, RefuseExactlyTheUnsupportedPicks) {
    const RefusalCase& row = GetParam();
    const std::optional<Refusal> refusal =
        row.seriesPick ? SeriesPickRefusal(row.worksheet, row.SeriesNo, row.refrigerant)
                       : RefrigerantPickRefusal(row.worksheet, row.refrigerant, SeriesText(row.SeriesNo));
    EXPECT_EQ(refusal, row.expected);
}

constexpr auto kCap = Worksheet::Capacity;
constexpr auto kSel = Worksheet::Selection;
constexpr auto kSeriesBox = ChoiceBox::SeriesText;
constexpr auto kRefBox = ChoiceBox::RefrigerantText;

std::string notSetUp(std::string_view code) {
    return "The " + std::string(code) +
           " valve is not set up for R-407C.  Please select another refrigerant or another valve.";
}
std::string notAvailable(std::string_view code) {
    return "The " + std::string(code) +
           " is not available for this refrigerant.  You must chose either another valve or the correct refrigerant.";
}
const std::string kKODNotAvailable = "The KOD is not available for this refrigerant.  The KOD is only available for "
                                     "R-22 and R-407C.  You must chose either another valve or the correct "
                                     "refrigerant.";

std::vector<RefusalCase> refusalCases() {
    std::vector<RefusalCase> rows;
    const char* ws[] = {"Cap", "Sel"};
    // KOD picked: only R-22 or no refrigerant yet.
    for (Worksheet w : {kCap, kSel}) {
        const bool cap = w == kCap;
        const Refusal kod{cap ? kSeriesBox : kRefBox, "Refrigerant Selection",
                          cap ? "The KOD is only available for R-22.  Please select either R-22 or another valve."
                              : "The KOD is only suitable for R-22.  Please select either R-22 or another valve.",
                          true};
        rows.push_back({std::string(ws[cap ? 0 : 1]) + "_KOD_with_R12", w, true, 3, "R-12", kod});
        rows.push_back({std::string(ws[cap ? 0 : 1]) + "_KOD_with_R407C", w, true, 3, "R-407C", kod});
        rows.push_back({std::string(ws[cap ? 0 : 1]) + "_KOD_with_R22", w, true, 3, "R-22", std::nullopt});
        rows.push_back({std::string(ws[cap ? 0 : 1]) + "_KOD_first", w, true, 3, "", std::nullopt});
    }
    // A series picked while R-407C is chosen.
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        if (entry.SeriesNo == 3) {
            continue;
        }
        const bool capRefuses =
            entry.SeriesNo != 2 && entry.SeriesNo != 9 && entry.SeriesNo != 7 && entry.SeriesNo != 1;
        const bool selRefuses = capRefuses && entry.SeriesNo != 8;
        const std::string code(entry.text);
        rows.push_back({"Cap_" + code + "_after_R407C", kCap, true, entry.SeriesNo, "R-407C",
                        capRefuses
                            ? std::optional<Refusal>(Refusal{kSeriesBox, "Refrigerant Selection", notSetUp(entry.text)})
                            : std::nullopt});
        rows.push_back({"Sel_" + code + "_after_R407C", kSel, true, entry.SeriesNo, "R-407C",
                        selRefuses
                            ? std::optional<Refusal>(Refusal{kRefBox, "Refrigerant Selection", notSetUp(entry.text)})
                            : std::nullopt});
        rows.push_back({"Sel_" + code + "_after_R404A", kSel, true, entry.SeriesNo, "R-404A", std::nullopt});
    }
    // A refrigerant picked while KOD is shown.
    for (const RefrigerantInfo& refrigerant : Refrigerants()) {
        const std::string name(refrigerant.name);
        const bool refused = name != "R-22" && name != "R-407C";
        for (Worksheet w : {kCap, kSel}) {
            rows.push_back({std::string(ws[w == kCap ? 0 : 1]) + "_" + name + "_with_KOD", w, false, 3, name,
                            refused ? std::optional<Refusal>(Refusal{kRefBox, "Valve Selection", kKODNotAvailable})
                                    : std::nullopt});
        }
    }
    // R-407C picked while another series is shown.
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        const std::int16_t n = entry.SeriesNo;
        const std::string code(entry.text);
        std::optional<Refusal> cap;
        if (n == 4) {
            cap = Refusal{kRefBox, "Valve Selection", notAvailable("KOT")};
        } else if (n == 6 || n == 8 || n == 10 || n == 13 || n == 14 || n == 16 || n == 17 || n == 18 || n == 12) {
            cap = Refusal{kSeriesBox, "Valve Selection", notAvailable(code)};
        }
        std::optional<Refusal> sel;
        if (n == 4 || n == 6 || n == 8 || n == 10 || (n >= 12 && n <= 18)) {
            sel = Refusal{kRefBox, "Valve Selection", notAvailable(code)};
        }
        if (code == "VULK") {
            const std::string single = "The VULK is not available for this refrigerant. You must chose either "
                                       "another valve or the correct refrigerant.";
            cap->prompt = single;
            sel->prompt = single;
        }
        rows.push_back({"Cap_R407C_with_" + code, kCap, false, n, "R-407C", cap});
        rows.push_back({"Sel_R407C_with_" + code, kSel, false, n, "R-407C", sel});
        rows.push_back({"Cap_R22_with_" + code, kCap, false, n, "R-22", std::nullopt});
    }
    for (RefusalCase& row : rows) {
        for (char& c : row.name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(BothWorksheets, Refusals, ::testing::ValuesIn(refusalCases()),
                         [](const auto& info) { return info.param.name; });

// ---- Refrigerants and series texts ----

TEST(RefrigerantTable, MenuOrderNumbersAndLetters) {
    const std::vector<std::string> names{"R-12",   "R-22",   "R-502",  "R-134a", "R-401A",
                                         "R-402A", "R-402B", "R-404A", "R-407C", "R-507"};
    const std::vector<int> indices{1, 2, 8, 3, 4, 5, 7, 6, 9, 8};
    const std::string letters = "FHRMXLJSNP";
    ASSERT_EQ(Refrigerants().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const RefrigerantInfo& r = Refrigerants()[i];
        EXPECT_EQ(r.name, names[i]);
        EXPECT_EQ(r.RefIndex, indices[i]) << names[i];
        EXPECT_EQ(r.RefLetter, letters.substr(i, 1)) << names[i];
        EXPECT_EQ(r.R507Flag, names[i] == "R-507" ? 8 : 0);
        EXPECT_EQ(r.choosesNoCharge, names[i] == "R-12");
        EXPECT_EQ(r.menuControl, "mnuRef" + names[i].substr(0, 1) + names[i].substr(2));
        EXPECT_EQ(FindRefrigerant(names[i]), &r);
    }
    EXPECT_EQ(FindRefrigerant("R-410A"), nullptr);
}

TEST(SeriesTexts, CodesExceptGLAndDQQ) {
    ASSERT_EQ(SeriesMenu().size(), 17u);
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        const std::string_view code = Series(entry.SeriesNo).code;
        EXPECT_EQ(entry.text, entry.SeriesNo == 9 ? "DQQ/DQ" : code);
        EXPECT_EQ(entry.caption, Series(entry.SeriesNo).menuCaption);
        EXPECT_EQ(SeriesNoOfText(entry.text), entry.SeriesNo);
    }
    EXPECT_EQ(SeriesText(10), "GL");
    EXPECT_EQ(FindSeriesMenuEntry(10)->menuControl, "mnuR");
    EXPECT_EQ(SeriesText(5), "");
    EXPECT_EQ(SeriesNoOfText("KUBS"), 5);
    EXPECT_EQ(SeriesNoOfText("DQQ"), 0);
    EXPECT_EQ(SeriesMenu().front().group, SeriesMenuGroup::KSeries);
    EXPECT_EQ(FindSeriesMenuEntry(17)->group, SeriesMenuGroup::VSeries);
}

// ---- Series set-up of the selection worksheet ----

struct FlowCase {
    const char* name;
    std::int16_t SeriesNo;
    bool external;
    std::array<bool, 4> on; // Standard, Check, Byflow, BalPorted
};

class FlowBoxes : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowBoxes, CheckAndEnableTogether) {
    const FlowCase& row = GetParam();
    const std::array<CheckBoxState, 4> states = FlowBoxStates(*SetUpOf(row.SeriesNo), row.external);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(states[i], (CheckBoxState{row.on[i], row.on[i]})) << i;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, FlowBoxes, ::testing::Values(
    FlowCase{"KO",           2,  true,  {true,  false, false, false}},
    FlowCase{"KOD",          3,  true,  {true,  true,  false, false}},
    FlowCase{"QZ",           8,  true,  {true,  false, false, true}},
    FlowCase{"GL_external",  10, true,  {false, false, true,  true}},
    FlowCase{"GL_internal",  10, false, {true,  false, false, true}},
    FlowCase{"VMP_external", 13, true,  {false, false, true,  false}},
    FlowCase{"VMP_internal", 13, false, {true,  false, false, false}},
    FlowCase{"OBN",          7,  true,  {false, false, true,  false}},
    FlowCase{"VRK",          14, false, {false, false, true,  false}},
    FlowCase{"VULK",         12, true,  {false, false, true,  true}},
    FlowCase{"VEB",          18, true,  {false, false, true,  true}},
    FlowCase{"DQQ",          9,  false, {true,  false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SeriesSetUp, EveryMenuSeriesHasOne) {
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        ASSERT_NE(SetUpOf(entry.SeriesNo), nullptr) << entry.text;
        EXPECT_EQ(SetUpOf(entry.SeriesNo)->SeriesNo, entry.SeriesNo);
        // Only the series without a charge frame after the pick skip the charge update, NYF aside.
        EXPECT_EQ(SetUpOf(entry.SeriesNo)->updatesChargeOptions,
                  entry.SeriesNo != 3 && entry.SeriesNo != 7 && entry.SeriesNo != 9);
    }
    EXPECT_EQ(SetUpOf(5), nullptr);
}

TEST(SeriesSetUp, EqualizerFollowsTheDistributorOrIsForced) {
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(2)->equalizer, true),
              (EqualizerChange{true, {std::nullopt, true}, {std::nullopt, true}}));
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(10)->equalizer, false),
              (EqualizerChange{true, {std::nullopt, true}, {std::nullopt, false}}));
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(13)->equalizer, true), (EqualizerChange{true, {}, {std::nullopt, true}}));
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(15)->equalizer, true), (EqualizerChange{true, {true, true}, {false, false}}));
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(9)->equalizer, false), (EqualizerChange{false, {true, true}, {false, true}}));
    EXPECT_EQ(EqualizerChangeFor(SetUpOf(1)->equalizer, true), EqualizerChange{});
}

TEST(SeriesSetUp, AChosenConnectionIsNeverLeftDisabled) {
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(6)->connection), (ConnectionChange{{false, false}, {true, true}}));
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(7)->connection), (ConnectionChange{{true, true}, {false, false}}));
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(9)->connection), (ConnectionChange{{true, true}, {false, true}}));
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(10)->connection), (ConnectionChange{{true, true}, {false, false}}));
}

TEST(SeriesSetUp, RangeHints) {
    EXPECT_EQ(SeriesRangeHint(2, false), "Range:-40 to 60 deg F.");
    EXPECT_EQ(SeriesRangeHint(2, true), "Range:-40 to 16 deg C.");
    EXPECT_EQ(SeriesRangeHint(3, false), "Range: 0 to 60 deg F.");
    EXPECT_EQ(SeriesRangeHint(3, true), "Range:-18 to 16 deg C.");
}

} // namespace
} // namespace korveld
