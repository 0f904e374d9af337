#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/named_rows.h"

#include <algorithm>
#include <functional>

namespace korveld::testing {
namespace {

using namespace korveld::series;

TEST_F(SelectionSheetTest, LoadsInItsStartState) {
    EXPECT_TRUE(sheet->optDistOrifice.value() && sheet->optExternal.value() && sheet->optSweat.value());
    EXPECT_FALSE(sheet->optInternal.enabled());
    EXPECT_TRUE(sheet->optMOPNone.value());
    EXPECT_FALSE(sheet->optMOPCA.visible());
    EXPECT_TRUE(sheet->mnuBtu.checked() && !sheet->mnuBtu.enabled());
    EXPECT_FALSE(sheet->fmeBleedOption.visible() || sheet->fmeQZStrainer.visible() || sheet->txtPressureDrop.visible());
    EXPECT_FALSE(sheet->Timer1.enabled());
}

// The charge frame's height follows the options it shows: CA alone for KOD, CA beside the others
// for R-22, the others alone.
TEST_F(SelectionSheetTest, ChargeFrameHeightFollowsTheOptionsItShows) {
    pickRefrigerant("R-22");
    pickSeries(KOD);
    EXPECT_EQ(sheet->fmeMOP.rect().height, 600);
    pickSeries(KO);
    EXPECT_EQ(sheet->fmeMOP.rect().height, 1350);
    pickRefrigerant("R-134a");
    EXPECT_EQ(sheet->fmeMOP.rect().height, 1100);
}

// A series pick chooses its own connection and equalizer whatever the last series chose.
TEST_F(SelectionSheetTest, SeriesPickChoosesItsOptionsAfterAnotherSeries) {
    pickRefrigerant("R-22");
    pickSeries(KIM);
    ASSERT_TRUE(sheet->optFlare.value());
    pickSeries(KO);
    EXPECT_TRUE(sheet->optSweat.value() && sheet->optSweat.enabled() && sheet->optFlare.enabled());
    EXPECT_FALSE(sheet->optFlare.value());
    click(sheet->optDistNone);
    click(sheet->optInternal);
    pickSeries(VULK);
    EXPECT_TRUE(sheet->optExternal.value());
    EXPECT_FALSE(sheet->optInternal.value() || sheet->optInternal.enabled());
}

// ---- Distributor options and the equalizer ----

struct DistributorCase {
    const char* name;
    std::int16_t series; // 0: no series picked
    OptionButton frmkorveld::*option;
    bool internalEnabled;
};

class DistributorOptions : public SelectionSheetTest, public ::testing::WithParamInterface<DistributorCase> {};

TEST_P(DistributorOptions, SetTheEqualizerTheDistributorAllows) {
    if (GetParam().series != 0) {
        pickSeries(GetParam().series);
    }
    click(sheet->optDistNone);
    if (sheet->optInternal.enabled()) {
        click(sheet->optInternal);
    }
    click(sheet->*GetParam().option);
    EXPECT_EQ(sheet->optInternal.enabled(), GetParam().internalEnabled);
    EXPECT_EQ(sheet->optExternal.value(), !GetParam().internalEnabled);
    EXPECT_NE(sheet->optExternal.value(), sheet->optInternal.value());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, DistributorOptions, ::testing::Values(
    DistributorCase{"NoneWithVRDKeepsInternalDisabled", VRD, &frmkorveld::optDistNone,    false},
    DistributorCase{"NoneWithGLKeepsInternalDisabled",  GL,  &frmkorveld::optDistNone,    false},
    DistributorCase{"NoneWithKOEnablesInternal",        KO,  &frmkorveld::optDistNone,    true},
    DistributorCase{"NoneWithoutSeriesEnablesInternal", 0,   &frmkorveld::optDistNone,    true},
    DistributorCase{"VenturiForcesExternal",            KO,  &frmkorveld::optDistVenturi, false},
    DistributorCase{"UserDefinedForcesExternal",        VMP, &frmkorveld::optUserDefined, false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, UserDefinedHidesItselfUntilAFixedDistributorIsChosen) {
    click(sheet->optUserDefined);
    EXPECT_FALSE(sheet->optUserDefined.visible());
    EXPECT_EQ(sheet->units().DistUserDefined, 1);
    EXPECT_EQ(sheet->fmeDistributor.rect(), (TwipRect{2640, 960, 1695, 1575}));
    EXPECT_TRUE(sheet->txtPressureDrop.visible());
    EXPECT_EQ(platform.focusHistory(), std::vector<std::string>{"txtPressureDrop"});
    type(sheet->txtPressureDrop, "12");
    click(sheet->optDistOrifice);
    EXPECT_TRUE(sheet->optUserDefined.visible());
    EXPECT_EQ(sheet->units().DistUserDefined, 0);
    EXPECT_EQ(sheet->txtPressureDrop.text(), "");
    EXPECT_EQ(sheet->fmeDistributor.top(), 1080);
}

TEST_F(SelectionSheetTest, FlowBoxesFollowTheEqualizerOnlyForVMPAndGL) {
    pickSeries(VMP);
    click(sheet->optDistNone);
    click(sheet->optInternal);
    EXPECT_TRUE(sheet->chkStandard.value() == CheckBox::Checked && sheet->chkStandard.enabled());
    EXPECT_TRUE(sheet->chkByflow.value() == CheckBox::Unchecked && !sheet->chkByflow.enabled());
    click(sheet->optExternal);
    EXPECT_TRUE(sheet->chkByflow.value() == CheckBox::Checked && !sheet->chkStandard.enabled());
    pickSeries(KO);
    click(sheet->optInternal);
    EXPECT_TRUE(sheet->chkStandard.value() == CheckBox::Checked && sheet->chkStandard.enabled());
    click(sheet->optExternal); // KO's boxes do not move
    EXPECT_TRUE(sheet->chkStandard.value() == CheckBox::Checked && sheet->chkByflow.value() == CheckBox::Unchecked);
}

// ---- Series set-up: frames shown and stacked from the top without gaps ----

struct SetUpCase {
    const char* name;
    std::int16_t series;
    std::vector<std::string> stacked; // the right-hand frames shown, top to bottom
    bool flareEnabled;
    const char* rangeHint;
};

class SeriesSetUps : public SelectionSheetTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(SeriesSetUps, ShowTheirFramesStackedWithoutGaps) {
    pickRefrigerant("R-22");
    pickSeries(KO); // every frame shown first, so that hidden frames keep older places
    pickSeries(GetParam().series);
    std::vector<const Frame*> shown;
    for (const Frame* frame :
         {&sheet->fmeQZStrainer, &sheet->fmeBleedOption, &sheet->fmeLineConn, &sheet->fmeEqualizer, &sheet->fmeMOP}) {
        if (frame->visible()) {
            shown.push_back(frame);
        }
    }
    std::sort(shown.begin(), shown.end(), [](const Frame* a, const Frame* b) { return a->top() < b->top(); });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        names.push_back(shown[i]->fullName());
        if (i > 0) {
            EXPECT_EQ(shown[i]->top() - shown[i - 1]->top() - shown[i - 1]->height(), 60) << names.back();
        }
    }
    EXPECT_EQ(names, GetParam().stacked);
    EXPECT_EQ(sheet->optFlare.enabled(), GetParam().flareEnabled);
    EXPECT_EQ(sheet->lblEvapRange.caption(), GetParam().rangeHint);
}

using Names = std::vector<std::string>;
// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, SeriesSetUps, ::testing::Values(
    SetUpCase{"KO",  KO,  Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, true,  "Range:-40 to 60 deg F."},
    SetUpCase{"KOD", KOD, Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, true,  "Range: 0 to 60 deg F."},
    SetUpCase{"QZ",  QZ,  Names{"fmeQZStrainer", "fmeLineConn", "fmeEqualizer", "fmeMOP"},  true,  "Range:-40 to 60 deg F."},
    SetUpCase{"GL",  GL,  Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, false, "Range:-40 to 60 deg F."},
    SetUpCase{"VMP", VMP, Names{"fmeLineConn", "fmeEqualizer", "fmeMOP"},                   true,  "Range:-40 to 60 deg F."},
    SetUpCase{"DQQ", DQQ, Names{"fmeLineConn"},                                             true,  "Range:-40 to 60 deg F."},
    SetUpCase{"OBN", OBN, Names{"fmeLineConn"},                                             false, "Range:-40 to 60 deg F."},
    SetUpCase{"NYF", NYF, Names{"fmeLineConn", "fmeEqualizer"},                             true,  "Range:-40 to 60 deg F."}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, RefusedKODPickLeavesTheFramesAsTheyWere) {
    pickRefrigerant("R-12");
    pickSeries(VMP);
    const TwipRect mopBefore = sheet->fmeMOP.rect();
    pickSeries(KOD);
    EXPECT_EQ(titles(), std::vector<std::string>{"Refrigerant Selection"});
    EXPECT_EQ(sheet->txtSelRefrig.text(), "");
    EXPECT_EQ(sheet->SeriesNo, KOD);
    EXPECT_TRUE(sheet->seriesMenu(KOD)->checked() && !sheet->seriesMenu(VMP)->checked());
    EXPECT_FALSE(sheet->fmeBleedOption.visible());
    EXPECT_EQ(sheet->fmeMOP.rect(), mopBefore);
}

TEST_F(SelectionSheetTest, TypingTheEvaporatorTemperatureReselectsTheNoChargeOption) {
    pickRefrigerant("R-22");
    pickSeries(KO);
    type(sheet->txtEvapTemp, "-10");
    click(sheet->optMOPCA);
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range: 0 to 60 deg F.");
    type(sheet->txtEvapTemp, "-1");
    EXPECT_TRUE(sheet->optMOPNone.value());
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range: -40 to 60 deg F.");
    EXPECT_FLOAT_EQ(program.uv().EvapTempEntry, -1.0f);
}

// The R-502 family's VA has the one charge "W": an "AD" charge chosen while VA served R-22 never
// reaches its name, whether the temperature is typed again after the refrigerant pick or not.
struct VAChargeCase {
    const char* name;
    const char* refrigerant;
    bool retypeEvap;
    const char* nameEnd;
};

class R502FamilyVACharge : public SelectionSheetTest, public ::testing::WithParamInterface<VAChargeCase> {};

TEST_P(R502FamilyVACharge, IsWWhateverWasChosenBefore) {
    const VAChargeCase& row = GetParam();
    enter({"R-22", VA, "-30", "100", "90", "12000"});
    click(sheet->optMOP2);
    ASSERT_EQ(sheet->optMOP2.caption(), "AD 10");
    pickRefrigerant(row.refrigerant);
    if (row.retypeEvap) {
        type(sheet->txtEvapTemp, "-31");
    }
    EXPECT_TRUE(sheet->optMOPNone.value() && sheet->optMOPNone.visible());
    EXPECT_EQ(sheet->optMOPNone.caption(), "W");
    for (const OptionButton* mop : {&sheet->optMOP1, &sheet->optMOP2, &sheet->optMOP3}) {
        EXPECT_FALSE(mop->visible()) << mop->fullName();
    }
    select();
    ASSERT_NE(results(), nullptr);
    const std::string name = results()->txtValSelected.text();
    EXPECT_EQ(name.substr(name.size() - 5), row.nameEnd) << name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, R502FamilyVACharge, ::testing::Values(
    VAChargeCase{"R502TypedAgain",       "R-502",  true,  " - RW"},
    VAChargeCase{"R404ANotTypedAgain",   "R-404A", false, " - SW"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The charge bands read the evaporator text with the user's decimal character, as Select does.
enum class EvapTyped { AfterPicks, BeforeRefrigerantPick, BeforeSeriesPick };

struct EvapEntryCase {
    const char* name;
    const char* decimal;
    const char* group;
    EvapTyped when;
    const char* evap;
    float EvapTempEntry;
    bool w35Enabled; // R-12, standard series: W35 goes off above 30 °F
};

class EvapEntryBands : public SelectionSheetTest, public ::testing::WithParamInterface<EvapEntryCase> {};

TEST_P(EvapEntryBands, FollowTheTemperatureAsSelectReadsIt) {
    const EvapEntryCase& row = GetParam();
    platform.setNumberLocale({row.decimal, row.group});
    if (row.when == EvapTyped::BeforeRefrigerantPick) {
        pickSeries(KO);
        type(sheet->txtEvapTemp, row.evap);
        pickRefrigerant("R-12");
    } else if (row.when == EvapTyped::BeforeSeriesPick) {
        pickRefrigerant("R-12");
        type(sheet->txtEvapTemp, row.evap);
        pickSeries(KO);
    } else {
        pickRefrigerant("R-12");
        pickSeries(KO);
        type(sheet->txtEvapTemp, row.evap);
    }
    EXPECT_FLOAT_EQ(program.uv().EvapTempEntry, row.EvapTempEntry);
    EXPECT_EQ(sheet->optMOP2.caption(), "W35");
    EXPECT_EQ(sheet->optMOP2.enabled(), row.w35Enabled);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, EvapEntryBands, ::testing::Values(
    EvapEntryCase{"PointDecimalTyped",              ".", ",", EvapTyped::AfterPicks,            "30.5", 30.5f, false},
    EvapEntryCase{"CommaDecimalTyped",              ",", ".", EvapTyped::AfterPicks,            "30,5", 30.5f, false},
    EvapEntryCase{"CommaDecimalBeforeRefrigerant",  ",", ".", EvapTyped::BeforeRefrigerantPick, "30,5", 30.5f, false},
    EvapEntryCase{"CommaDecimalBeforeSeries",       ",", ".", EvapTyped::BeforeSeriesPick,      "30,5", 30.5f, false},
    EvapEntryCase{"CommaDecimalBelowTheBandLimit",  ",", ".", EvapTyped::AfterPicks,            "29,5", 29.5f, true},
    EvapEntryCase{"GroupingCharacterEndsTheNumber", ",", ".", EvapTyped::AfterPicks,            "30.5", 30.0f, true}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Close and reopen ----

TEST_F(SelectionSheetTest, CloseEmptiesEntriesAndMarksAndReopensWithoutLoading) {
    pickRefrigerant("R-22");
    pickSeries(VMP);
    click(sheet->optUserDefined);
    type(sheet->txtPressureDrop, "10");
    type(sheet->txtEvapTemp, "40");
    act([&] { sheet->closeButtonPressed(); }); // the window's close button is Close
    EXPECT_FALSE(sheet->visible());
    EXPECT_TRUE(program.selectionScreen().visible());

    act([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    ASSERT_EQ(program.loaded(FormId::frmkorveld), sheet);
    EXPECT_EQ(sheet->txtEvapTemp.text() + sheet->txtSelRefrig.text() + sheet->txtPressureDrop.text(), "");
    EXPECT_FALSE(sheet->refrigerantMenu("R-22")->checked() || sheet->seriesMenu(VMP)->checked());
    EXPECT_TRUE(sheet->optDistOrifice.value() && sheet->optUserDefined.visible());
    EXPECT_FALSE(sheet->optInternal.enabled());
    EXPECT_EQ(sheet->SeriesNo, VMP); // Close keeps the numbers of the picks
}

TEST_F(SelectionSheetTest, CloseShowsTheHiddenFramesInTheirStack) {
    pickSeries(OBN);
    click(sheet->cmdClose);
    EXPECT_TRUE(sheet->fmeEqualizer.visible() && sheet->fmeMOP.visible());
    EXPECT_EQ(sheet->fmeEqualizer.top(), sheet->fmeLineConn.top() + sheet->fmeLineConn.height() + 60);
    EXPECT_EQ(sheet->fmeMOP.top(), sheet->fmeEqualizer.top() + sheet->fmeEqualizer.height() + 60);
}

TEST_F(SelectionSheetTest, DoubleClicksAndHelpMenuOpenTheirTopics) {
    act([&] {
        sheet->fmeMOP.userDblClick();
        sheet->txtLiqTemp.userDblClick();
        sheet->mnuHowToUse.userPick();
        sheet->mnuContents3.userPick();
    });
    ASSERT_EQ(platform.helpCalls().size(), 4u);
    EXPECT_EQ(platform.helpCalls()[0].command, HelpCommand::ContextPopup);
    EXPECT_EQ(platform.helpCalls()[0].contextId + platform.helpCalls()[1].contextId, 430u + 380u);
    EXPECT_EQ(platform.helpCalls()[2].contextId, 150u);
    EXPECT_EQ(platform.helpCalls()[3].command, HelpCommand::Index);
}

} // namespace
} // namespace korveld::testing
