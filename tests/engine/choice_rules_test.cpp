#include "engine/choice_rules.h"
#include "engine/series_numbers.h"
#include "engine/valconts.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

using namespace series;
using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using testing_support::RowName;

// ---- Refusals of both worksheets ----

struct RefusalCase {
    const char* name;
    Worksheet worksheet;
    bool seriesPick;         // a series pick; otherwise a refrigerant pick
    std::int16_t SeriesNo;   // the series picked, or the one whose text is shown
    const char* refrigerant; // the refrigerant picked, or the text shown
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
constexpr std::optional<Refusal> kAccepted;

std::string notSetUp(std::string_view code) {
    return "The " + std::string(code) +
           " valve is not set up for R-407C.  Please select another refrigerant or another valve.";
}
std::string notAvailable(std::string_view code) {
    return "The " + std::string(code) +
           " is not available for this refrigerant.  You must chose either another valve or the correct refrigerant.";
}
const Refusal kCapKOD{kSeriesBox, "Refrigerant Selection",
                      "The KOD is only available for R-22.  Please select either R-22 or another valve.", true};
const Refusal kSelKOD{kRefBox, "Refrigerant Selection",
                      "The KOD is only suitable for R-22.  Please select either R-22 or another valve.", true};
const Refusal kWithKOD{kRefBox, "Valve Selection",
                       "The KOD is not available for this refrigerant.  The KOD is only available for R-22 and "
                       "R-407C.  You must chose either another valve or the correct refrigerant."};
const std::string kVULKSingleSpace = "The VULK is not available for this refrigerant. You must chose either another "
                                     "valve or the correct refrigerant.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(BothWorksheets, Refusals, ::testing::Values(
    RefusalCase{"Cap_KOD_with_R12",       kCap, true,  KOD, "R-12",   kCapKOD},
    RefusalCase{"Sel_KOD_with_R407C",     kSel, true,  KOD, "R-407C", kSelKOD},
    RefusalCase{"Cap_KOD_with_R22",       kCap, true,  KOD, "R-22",   kAccepted},
    RefusalCase{"Sel_KOD_first",          kSel, true,  KOD, "",       kAccepted},
    RefusalCase{"Cap_VMP_after_R407C",    kCap, true,  VMP, "R-407C", Refusal{kSeriesBox, "Refrigerant Selection", notSetUp("VMP")}},
    RefusalCase{"Sel_VMP_after_R407C",    kSel, true,  VMP, "R-407C", Refusal{kRefBox, "Refrigerant Selection", notSetUp("VMP")}},
    RefusalCase{"Cap_QZ_after_R407C",     kCap, true,  QZ,  "R-407C", Refusal{kSeriesBox, "Refrigerant Selection", notSetUp("QZ")}},
    RefusalCase{"Sel_QZ_after_R407C",     kSel, true,  QZ,  "R-407C", kAccepted},
    RefusalCase{"Cap_DQQ_after_R407C",    kCap, true,  DQQ, "R-407C", kAccepted},
    RefusalCase{"Sel_VMP_after_R404A",    kSel, true,  VMP, "R-404A", kAccepted},
    RefusalCase{"Cap_R12_with_KOD",       kCap, false, KOD, "R-12",   kWithKOD},
    RefusalCase{"Sel_R507_with_KOD",      kSel, false, KOD, "R-507",  kWithKOD},
    RefusalCase{"Sel_R407C_with_KOD",     kSel, false, KOD, "R-407C", kAccepted},
    RefusalCase{"Cap_R407C_with_KOT",     kCap, false, KOT, "R-407C", Refusal{kRefBox, "Valve Selection", notAvailable("KOT")}},
    RefusalCase{"Cap_R407C_with_QZ",      kCap, false, QZ,  "R-407C", Refusal{kSeriesBox, "Valve Selection", notAvailable("QZ")}},
    RefusalCase{"Sel_R407C_with_QZ",      kSel, false, QZ,  "R-407C", Refusal{kRefBox, "Valve Selection", notAvailable("QZ")}},
    RefusalCase{"Cap_R407C_with_VRD",     kCap, false, VRD, "R-407C", kAccepted},
    RefusalCase{"Sel_R407C_with_VRD",     kSel, false, VRD, "R-407C", Refusal{kRefBox, "Valve Selection", notAvailable("VRD")}},
    RefusalCase{"Cap_R407C_with_VULK",    kCap, false, VULK, "R-407C", Refusal{kSeriesBox, "Valve Selection", kVULKSingleSpace}},
    RefusalCase{"Sel_R407C_with_KO",      kSel, false, KO,  "R-407C", kAccepted},
    RefusalCase{"Cap_R22_with_VEB",       kCap, false, VEB, "R-22",   kAccepted}
), RowName{});
// clang-format on

// ---- Texts the menus and the command line look series and refrigerants up by ----

TEST(SeriesTexts, DQQHasItsOwnTextAndKUBSNone) {
    EXPECT_EQ(SeriesText(DQQ), "DQQ/DQ");
    EXPECT_EQ(SeriesNoOfText("DQQ/DQ"), DQQ);
    EXPECT_EQ(SeriesNoOfText("DQQ"), 0);
    EXPECT_EQ(SeriesText(KUBS), "");
    EXPECT_EQ(FindSeriesMenuEntry(GL)->menuControl, "mnuR");
    EXPECT_EQ(FindRefrigerant("R-507")->RefIndex, 8);
    EXPECT_EQ(FindRefrigerant("R-410A"), nullptr);
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
    FlowCase{"KOD",          KOD, true,  {true,  true,  false, false}},
    FlowCase{"GL_external",  GL,  true,  {false, false, true,  true}},
    FlowCase{"GL_internal",  GL,  false, {true,  false, false, true}},
    FlowCase{"VMP_internal", VMP, false, {true,  false, false, false}},
    FlowCase{"VRK",          VRK, false, {false, false, true,  false}}),
    RowName{});
// clang-format on

TEST(SeriesSetUp, EveryMenuSeriesHasOne) {
    for (const SeriesMenuEntry& entry : SeriesMenu()) {
        ASSERT_NE(SetUpOf(entry.SeriesNo), nullptr) << entry.text;
        EXPECT_EQ(SetUpOf(entry.SeriesNo)->SeriesNo, entry.SeriesNo);
    }
    EXPECT_EQ(SetUpOf(KUBS), nullptr);
}

TEST(SeriesSetUp, AChosenConnectionIsNeverLeftDisabled) {
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(KIM)->connection), (ConnectionChange{{false, false}, {true, true}}));
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(OBN)->connection), (ConnectionChange{{true, true}, {false, false}}));
    EXPECT_EQ(ConnectionChangeFor(SetUpOf(DQQ)->connection), (ConnectionChange{{true, true}, {false, true}}));
}

} // namespace
} // namespace korveld
