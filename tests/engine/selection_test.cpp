#include "engine/selection.h"
#include "engine/valconts.h"
#include "tests/support/named_rows.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

// R-22 at 40 / 100 / 90 °F with an orifice distributor and the KO series, as a user leaves the
// worksheet after picking them: external equalizer, sweat, charge W35, Btu/h.
SelectionRequest koRequest(const char* capacity = "14840") {
    SelectionRequest r;
    r.entries = {"R-22", "KO", "40", "100", "90", capacity, ""};
    r.SeriesNo = 2;
    r.RefIndex = 2;
    r.RefLetter = "H";
    r.unitCaption = "Btu/h";
    r.charge = {true, ChargeOption::MOP1, {"C or Z", "CA", "W35", "W65", "W100"}};
    r.EqualizerCode = "E";
    r.ChargeCode = "C";
    return r;
}

SelectionRequest withSeries(SelectionRequest r, std::int16_t SeriesNo, const char* text) {
    r.SeriesNo = SeriesNo;
    r.entries.txtSelValve = text;
    return r;
}

std::string asText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

// ---- Paths through the selection ----

struct PathCase {
    const char* name;
    std::function<SelectionRequest()> request;
    const char* title; // the message box's title; nullptr: a valve is selected
    const char* name_or_text;
};

class Paths : public ::testing::TestWithParam<PathCase> {};

TEST_P(Paths, EndInTheirMessageOrValve) {
    const PathCase& row = GetParam();
    const SelectionAnswer answer = SelectValve(row.request());
    const std::array shown{answer.entryFailure.has_value(), answer.message.has_value(), answer.selected.has_value()};
    EXPECT_EQ(std::count(shown.begin(), shown.end(), true), 1);
    if (row.title == nullptr) {
        ASSERT_TRUE(answer.selected.has_value()) << (answer.message ? answer.message->title : "entry failure");
        EXPECT_EQ(answer.selected->SelectedName, row.name_or_text);
    } else if (answer.message) {
        EXPECT_EQ(answer.message->title, row.title);
        EXPECT_EQ(answer.message->text, row.name_or_text);
    } else {
        ASSERT_TRUE(answer.entryFailure.has_value());
        EXPECT_EQ(answer.entryFailure->title, row.title);
        EXPECT_EQ(answer.entryFailure->text, row.name_or_text);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, Paths, ::testing::Values(
    PathCase{"KO_worked_example", [] { return koRequest(); }, nullptr, "KOE - 1-1/2 - HW35 "},
    PathCase{"KOD_carries_CA", [] { return withSeries(koRequest(), 3, "KOD"); }, nullptr, "KODE - 1-1/2 - HCA "},
    PathCase{"too_small", [] { return koRequest("100"); }, "INPUT CAPACITY TO SMALL",
             "The desired capacity is to SMALL for any of the valves in the valve type that you have chosen!"},
    PathCase{"too_large", [] { return koRequest("1e7"); }, "INPUT CAPACITY TO LARGE",
             "The capacity that you desire is to LARGE for the family of expansion valve that you have chosen!"},
    PathCase{"QZ_without_R407C_sizes", [] {
                 SelectionRequest r = withSeries(koRequest(), 8, "QZ");
                 r.entries.txtSelRefrig = "R-407C";
                 r.RefIndex = 9;
                 return r; },
             "Valve Selection",
             "The QZ is not available for this refrigerant.  You must chose either another valve or the correct refrigerant."},
    PathCase{"delta_p_too_small", [] {
                 SelectionRequest r = koRequest();
                 r.entries.txtCondTemp = "60";
                 r.entries.txtEvapTemp = "40";
                 r.entries.txtLiqTemp = "60";
                 return r; },
             "PRESSURE DROP ACROSS VALVE TO SMALL",
             "The pressure drop across is two small.  Check your inputs to make sure they are valid."},
    PathCase{"KOD_refuses_M5F", [] {
                 SelectionRequest r = withSeries(koRequest(), 3, "KOD");
                 r.entries.txtEvapTemp = "-5";
                 return r; },
             "EVAPORATOR TEMPERATURE ERROR",
             "You have entered a value outside the allowed Range.  Please enter a correct value!"},
    PathCase{"CA_refuses_M5F", [] {
                 SelectionRequest r = koRequest();
                 r.entries.txtEvapTemp = "-5";
                 r.charge.chosen = ChargeOption::MOPCA;
                 return r; },
             "EVAPORATOR TEMPERATURE ERROR",
             "You have entered a value outside the allowed Range.  Please enter a correct value!"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The worked example in detail ----

TEST(SelectionWorkedExample, ConditionsCapacityAndLoading) {
    const SelectionAnswer answer = SelectValve(koRequest());
    ASSERT_TRUE(answer.selected.has_value());
    const Conditions& c = answer.conditions;
    EXPECT_NEAR(c.DeltaP, 77.37, 0.05);
    EXPECT_NEAR(c.MassFlow, 2.778, 0.001);
    EXPECT_EQ(c.Sensit, 1.0f);
    EXPECT_EQ(c.DistPressDrop, 35.0f);
    EXPECT_EQ(c.UnitMultiplier, static_cast<float>(1.0 / 12000.0));
    EXPECT_EQ(answer.InputCapacity, static_cast<float>(14840.0 * c.UnitMultiplier));
    const SelectedValve& valve = *answer.selected;
    EXPECT_EQ(valve.SizeNo, 4);
    EXPECT_EQ(valve.ValName, "1-1/2");
    EXPECT_NEAR(valve.ValCapacity * 12000.0, 14840.0, 10.0);
    EXPECT_EQ(valve.capacityText.substr(0, 4), "14,8");
    EXPECT_EQ(valve.capacityText.substr(valve.capacityText.size() - 7), "  Btu/h");
    EXPECT_EQ(valve.loadingText.substr(valve.loadingText.size() - 3), "  %");
    EXPECT_FALSE(valve.assemblies.shown);
    EXPECT_EQ(valve.advice.AdviceClear, 1);
    EXPECT_EQ(answer.AdviceClear, 1);
    EXPECT_EQ(valve.layout, (ResultsLayout{2600, 1550, std::nullopt}));
    EXPECT_EQ(answer.ChargeCode, "W35");
    EXPECT_EQ(answer.EqualizerCode, "E");
    const auto steps = answer.forced.steps();
    ASSERT_EQ(steps.size(), 2u); // the orifice distributor's equalizer
    EXPECT_EQ(steps[0], (ForcedOption{ForcedControl::optExternal, true, true}));
    EXPECT_EQ(steps[1], (ForcedOption{ForcedControl::optInternal, false, false}));
}

TEST(SelectionLoading, ASizeRatedAtTheRequirementIsLoadedOneHundredPerCent) {
    SelectionRequest probe = koRequest();
    const float rated = SelectValve(probe).selected->ValCapacity;
    const std::string tons = asText(rated);
    SelectionRequest r = koRequest(tons.c_str());
    r.capacityUnit = CapacityUnit::Tons;
    r.unitCaption = "Tons";
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.selected.has_value());
    EXPECT_EQ(answer.selected->PerCentLoading, 100.0f);
    EXPECT_EQ(answer.selected->loadingText, "100.0  %");
    EXPECT_EQ(answer.selected->capacityText, FormatNumber(rated, kCapacityPattern) + "  Tons");
}

TEST(SelectionUnits, KilowattsAreDividedBy352) {
    const float rated = SelectValve(koRequest()).selected->ValCapacity;
    const std::string kw = asText(static_cast<float>(rated * 3.52 * 0.9));
    SelectionRequest r = koRequest(kw.c_str());
    r.capacityUnit = CapacityUnit::KW;
    r.unitCaption = "kW";
    r.entries.txtEvapTemp = "4.4";
    r.entries.txtCondTemp = "37.8";
    r.entries.txtLiqTemp = "32.2";
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.selected.has_value());
    EXPECT_EQ(answer.conditions.UnitMultiplier, static_cast<float>(1.0 / 3.52));
    EXPECT_EQ(answer.selected->SizeNo, 4);
    const float shown = answer.selected->capacityInUnit;
    EXPECT_NEAR(shown, answer.selected->ValCapacity * 3.52f, 1e-4);
    EXPECT_EQ(answer.selected->capacityText, FormatNumber(shown, kCapacityPattern) + "  kW");
    EXPECT_NEAR(answer.selected->PerCentLoading, 90.0f, 0.5f);
    EXPECT_EQ(SelectionUnitMultiplier(CapacityUnit::KCal), static_cast<float>(1.0 / 3024.0));
}

// ---- Bleed ----

TEST(SelectionBleed, TwentyPerCentRaisesKOButNotVA) {
    SelectionRequest ko = koRequest("14840");
    const SelectionAnswer plain = SelectValve(ko);
    ko.BleedOption = 3;
    ko.BleedFraction = 0.20f;
    const SelectionAnswer bled = SelectValve(ko);
    ASSERT_TRUE(plain.selected && bled.selected);
    EXPECT_EQ(plain.selected->SizeNo, bled.selected->SizeNo);
    const float base = plain.selected->ValCapacity;
    EXPECT_EQ(bled.selected->ValCapacity, static_cast<float>(double(base) * 0.2f + base));
    std::string part;
    BleedPartA(bled.selected->SizeNo, 3, part);
    EXPECT_EQ(bled.BleedPart, part);
    EXPECT_EQ(bled.selected->SelectedName, "KOE - 1-1/2 - HW35 " + part);

    SelectionRequest va = withSeries(koRequest("14840"), 11, "VA");
    const SelectionAnswer vaPlain = SelectValve(va);
    va.BleedOption = 3;
    va.BleedFraction = 0.20f;
    const SelectionAnswer vaBled = SelectValve(va);
    ASSERT_TRUE(vaPlain.selected && vaBled.selected);
    EXPECT_EQ(vaBled.selected->ValCapacity, vaPlain.selected->ValCapacity);
    EXPECT_EQ(vaBled.BleedPart, "");
    EXPECT_EQ(WithBleed(10.0f, 11, 3, 0.2f), 10.0f);
    EXPECT_EQ(WithBleed(10.0f, 10, 7, 0.5f), 15.0f);
    EXPECT_EQ(WithBleed(10.0f, 2, 0, 0.5f), 10.0f);
}

// ---- Forced options and what survives a message ----

TEST(SelectionForcedOptions, DistributorForcesTheExternalEqualizerEvenOnAMessage) {
    SelectionRequest r = withSeries(koRequest("1e7"), 10, "GL");
    r.distributor = Distributor::None;
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.message.has_value());
    const auto steps = answer.forced.steps();
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0], (ForcedOption{ForcedControl::optInternal, false, false})); // GL's override
    EXPECT_EQ(steps[1], (ForcedOption{ForcedControl::optExternal, true, true}));
    EXPECT_EQ(steps[2], (ForcedOption{ForcedControl::optExternal, true, true})); // no distributor
    EXPECT_EQ(steps[3], (ForcedOption{ForcedControl::optInternal, false, true}));
    EXPECT_EQ(answer.conditions.DistPressDrop, 0.0f);
}

TEST(SelectionForcedOptions, AnEntryFailureForcesNothingAndKeepsTheLetters) {
    SelectionRequest r = koRequest();
    r.entries.txtInputCap = "";
    r.EqualizerCode = "E";
    r.ChargeCode = "W65";
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.entryFailure.has_value());
    EXPECT_TRUE(answer.forced.steps().empty());
    EXPECT_EQ(answer.EqualizerCode, "E");
    EXPECT_EQ(answer.ChargeCode, "W65");
    EXPECT_EQ(answer.BleedPart, "");
    EXPECT_EQ(answer.ReplaceAdvice, "");
    EXPECT_EQ(answer.AdviceClear, 0);
}

TEST(SelectionForcedOptions, QZLargeSizeKeepsThisSelectionsFlareLetter) {
    SelectionRequest r = withSeries(koRequest("90000"), 8, "QZ");
    r.sweatChosen = false;
    r.StrainerCode = "C";
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.selected.has_value());
    EXPECT_GE(answer.selected->SizeNo, 9);
    EXPECT_EQ(answer.selected->SelectedName, "QZEC - " + answer.selected->ValName + " - HW35");
    EXPECT_TRUE(answer.forced.chosenAfter(ForcedControl::optSweat, false));
    EXPECT_FALSE(answer.forced.chosenAfter(ForcedControl::optFlare, true));
    EXPECT_EQ(answer.forced.steps().back(), (ForcedOption{ForcedControl::optFlare, false, false}));
}

TEST(SelectionAssemblies, VMPWithInternalEqualizerAndNoDistributorShowsCageB) {
    SelectionRequest r = withSeries(koRequest("30000"), 13, "VMP");
    r.distributor = Distributor::None;
    r.externalChosen = false;
    r.RefIndex = 3;
    r.entries.txtSelRefrig = "R-134a";
    r.RefLetter = "M";
    r.charge = {true, ChargeOption::MOP2, {"C or Z", "CA", "W15", "W35", "W55"}};
    const SelectionAnswer answer = SelectValve(r);
    ASSERT_TRUE(answer.selected.has_value());
    const SelectedValve& valve = *answer.selected;
    EXPECT_EQ(valve.SelectedName, "VMP - " + valve.ValName + " - MW35");
    EXPECT_EQ(valve.assemblies.power, "XP1440 - MW35");
    EXPECT_EQ(valve.assemblies.cage, std::string(CagePart(13, valve.SizeNo)) + "B");
    EXPECT_EQ(valve.advice.firstText, "If the MW35 powerhead is not available the FW35 can be used as a replacement "
                                      "powerhead.");
    EXPECT_EQ(answer.ReplaceAdvice, valve.advice.ReplaceAdvice);
    EXPECT_EQ(answer.AdviceClear, 0);
    EXPECT_EQ(valve.layout, (ResultsLayout{5250, 4200, 2880}));
}

TEST(SelectionSensitivity, DQQAndOBNIgnoreTheLowTemperatureFactor) {
    for (auto [series, text] : {std::pair<std::int16_t, const char*>{9, "DQQ/DQ"}, {7, "OBN"}, {2, "KO"}}) {
        SelectionRequest r = withSeries(koRequest("10000"), series, text);
        r.entries.txtEvapTemp = "-20";
        const SelectionAnswer answer = SelectValve(r);
        if (series == 2) {
            EXPECT_LT(answer.conditions.Sensit, 1.0f);
        } else {
            EXPECT_EQ(answer.conditions.Sensit, 1.0f) << text;
        }
    }
}

TEST(SelectionRefrigerants, R507RatesAsR502WithItsOwnLetterAndAdvice) {
    SelectionRequest r502 = koRequest("8000");
    r502.entries.txtSelRefrig = "R-502";
    r502.RefIndex = 8;
    r502.RefLetter = "R";
    r502.charge.captions = {"C or Z", "CA", "W35", "W45", "W65"};
    SelectionRequest r507 = r502;
    r507.entries.txtSelRefrig = "R-507";
    r507.R507Flag = 8;
    r507.RefLetter = "P";
    const SelectionAnswer a = SelectValve(r502);
    const SelectionAnswer b = SelectValve(r507);
    ASSERT_TRUE(a.selected && b.selected);
    EXPECT_EQ(a.selected->ValCapacity, b.selected->ValCapacity);
    EXPECT_EQ(a.selected->SelectedName.substr(0, a.selected->SelectedName.find(" - R")),
              b.selected->SelectedName.substr(0, b.selected->SelectedName.find(" - P")));
    EXPECT_EQ(a.AdviceClear, 1);
    EXPECT_EQ(b.AdviceClear, 0);
    EXPECT_EQ(b.selected->layout, (ResultsLayout{4170, 2920, 1560}));
}

} // namespace
} // namespace korveld
