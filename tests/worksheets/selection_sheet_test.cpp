#include "../engine/row_names.h"
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"

#include <algorithm>
#include <functional>

namespace korveld::testing {
namespace {

using namespace korveld::series;

KORVELD_PRINT_ROWS_AS_NAMES

TEST_F(SelectionSheetTest, LoadsInItsStartState) {
    EXPECT_TRUE(sheet->visible());
    EXPECT_EQ(sheet->caption(), "Orvik Expansion Valve Selection WorkSheet");
    EXPECT_EQ(sheet->width(), 7600);
    EXPECT_TRUE(sheet->optDistOrifice.value());
    EXPECT_TRUE(sheet->optExternal.value());
    EXPECT_FALSE(sheet->optInternal.enabled());
    EXPECT_TRUE(sheet->optSweat.value());
    EXPECT_TRUE(sheet->optMOPNone.value());
    EXPECT_EQ(sheet->optMOPNone.caption(), "C or Z");
    for (const OptionButton* mop : {&sheet->optMOP1, &sheet->optMOP2, &sheet->optMOP3}) {
        EXPECT_EQ(mop->caption(), "") << mop->fullName();
        EXPECT_TRUE(mop->visible() && mop->enabled()) << mop->fullName();
    }
    EXPECT_FALSE(sheet->optMOPCA.visible());
    EXPECT_EQ(sheet->fmeMOP.height(), 1100);
    EXPECT_TRUE(sheet->mnuBtu.checked());
    EXPECT_FALSE(sheet->mnuBtu.enabled());
    EXPECT_EQ(sheet->capacityUnitShown(), CapacityUnit::BtuH);
    EXPECT_FALSE(sheet->fmeBleedOption.visible());
    EXPECT_FALSE(sheet->fmeQZStrainer.visible());
    EXPECT_FALSE(sheet->txtPressureDrop.visible());
    EXPECT_EQ(sheet->optYES.caption(), "Yes");
    EXPECT_EQ(sheet->optNO.caption(), "No");
    EXPECT_EQ(sheet->chkCheck.caption(), "Internal Check ");
    EXPECT_EQ(sheet->txtSelValve.rect(), (TwipRect{5280, 840, 1215, 405}));
    EXPECT_EQ(sheet->fmeDistributor.rect(), (TwipRect{2640, 1080, 1695, 1335}));
    EXPECT_EQ(sheet->fmeLineConn.top(), 1560);
    EXPECT_EQ(sheet->fmeEqualizer.top(), 2760);
    EXPECT_EQ(sheet->fmeMOP.top(), 3960);
    EXPECT_FALSE(sheet->Timer1.enabled());
    EXPECT_EQ(sheet->Timer1.interval(), 3000);
    EXPECT_TRUE(platform.messages().empty());
}

// ---- Distributor options ----

struct DistributorCase {
    const char* name;
    std::int16_t series; // 0: no series picked
    std::function<OptionButton&(frmkorveld&)> option;
    bool internalEnabled;
};

class DistributorOptions : public SelectionSheetTest, public ::testing::WithParamInterface<DistributorCase> {};

TEST_P(DistributorOptions, SetTheEqualizerTheDistributorAllows) {
    if (GetParam().series != 0) {
        pickSeries(GetParam().series);
    }
    click(sheet->optDistNone); // Internal becomes choosable where the series allows it
    if (sheet->optInternal.enabled()) {
        click(sheet->optInternal);
    }
    click(GetParam().option(*sheet));
    EXPECT_EQ(sheet->optInternal.enabled(), GetParam().internalEnabled);
    EXPECT_TRUE(sheet->optExternal.enabled());
    EXPECT_EQ(sheet->optExternal.value(), !GetParam().internalEnabled);
    EXPECT_FALSE(sheet->optExternal.value() && sheet->optInternal.value());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, DistributorOptions, ::testing::Values(
    DistributorCase{"NoneWithVRDKeepsInternalDisabled", VRD,  [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },    false},
    DistributorCase{"NoneWithGLKeepsInternalDisabled",  GL,   [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },    false},
    DistributorCase{"NoneWithVULKKeepsInternalDisabled", VULK, [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },   false},
    DistributorCase{"NoneWithKOEnablesInternal",        KO,   [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },    true},
    DistributorCase{"NoneWithVMPEnablesInternal",       VMP,  [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },    true},
    DistributorCase{"NoneWithoutSeriesEnablesInternal", 0,    [](frmkorveld& f) -> OptionButton& { return f.optDistNone; },    true},
    DistributorCase{"OrificeForcesExternal",            KO,   [](frmkorveld& f) -> OptionButton& { return f.optDistOrifice; }, false},
    DistributorCase{"VenturiForcesExternal",            KO,   [](frmkorveld& f) -> OptionButton& { return f.optDistVenturi; }, false},
    DistributorCase{"UserDefinedForcesExternal",        VMP,  [](frmkorveld& f) -> OptionButton& { return f.optUserDefined; }, false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, UserDefinedHidesItselfUntilAFixedDistributorIsChosen) {
    click(sheet->optUserDefined);
    EXPECT_FALSE(sheet->optUserDefined.visible());
    EXPECT_TRUE(sheet->optUserDefined.value());
    EXPECT_EQ(sheet->units().DistUserDefined, 1);
    EXPECT_EQ(sheet->fmeDistributor.rect(), (TwipRect{2640, 960, 1695, 1575}));
    EXPECT_TRUE(sheet->txtPressureDrop.visible());
    EXPECT_EQ(sheet->lblPressureUnits.caption(), "psi");
    ASSERT_NE(platform.focused(), nullptr);
    EXPECT_EQ(platform.focused()->fullName(), "txtPressureDrop");
    EXPECT_FALSE(sheet->optDistOrifice.value());

    type(sheet->txtPressureDrop, "12");
    click(sheet->optDistVenturi);
    EXPECT_TRUE(sheet->optUserDefined.visible());
    EXPECT_FALSE(sheet->optUserDefined.value());
    EXPECT_EQ(sheet->units().DistUserDefined, 0);
    EXPECT_EQ(sheet->txtPressureDrop.text(), "");
    EXPECT_FALSE(sheet->txtPressureDrop.visible());
    EXPECT_EQ(sheet->fmeDistributor.top(), 1080);
}

// ---- Flow boxes follow the equalizer for VMP and GL ----

struct FlowCase {
    const char* name;
    std::int16_t series;
    bool chooseInternal;
    bool standardChecked;
    bool byflowChecked;
};

class FlowBoxes : public SelectionSheetTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(FlowBoxes, FollowTheEqualizerOnlyForVMPAndGL) {
    pickSeries(GetParam().series);
    click(sheet->optDistNone);
    if (GetParam().chooseInternal) {
        click(sheet->optInternal);
    } else {
        click(sheet->optInternal);
        click(sheet->optExternal);
    }
    EXPECT_EQ(sheet->chkStandard.value() == CheckBox::Checked, GetParam().standardChecked);
    EXPECT_EQ(sheet->chkByflow.value() == CheckBox::Checked, GetParam().byflowChecked);
    const bool follows = GetParam().series == VMP || GetParam().series == GL;
    if (follows) {
        EXPECT_EQ(sheet->chkStandard.enabled(), GetParam().standardChecked);
        EXPECT_EQ(sheet->chkByflow.enabled(), GetParam().byflowChecked);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, FlowBoxes, ::testing::Values(
    FlowCase{"VMPInternalIsStandardFlow", VMP, true,  true,  false},
    FlowCase{"VMPExternalIsBiFlow",       VMP, false, false, true},
    FlowCase{"KOInternalDoesNotMoveThem", KO,  true,  true,  false},
    FlowCase{"KOExternalDoesNotMoveThem", KO,  false, true,  false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
    pickSeries(KO); // a series with every frame first, so that hidden frames keep older places
    pickSeries(GetParam().series);
    std::vector<std::pair<Twips, std::string>> shown;
    for (const Frame* frame :
         {&sheet->fmeQZStrainer, &sheet->fmeBleedOption, &sheet->fmeLineConn, &sheet->fmeEqualizer, &sheet->fmeMOP}) {
        if (frame->visible()) {
            shown.emplace_back(frame->top(), frame->fullName());
        }
    }
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> names;
    for (const auto& [top, name] : shown) {
        names.push_back(name);
    }
    EXPECT_EQ(names, GetParam().stacked);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        const Frame& above = static_cast<const Frame&>(*sheet->findControl(shown[i - 1].second));
        EXPECT_EQ(shown[i].first - (above.top() + above.height()), 60) << shown[i].second;
    }
    EXPECT_EQ(sheet->optFlare.enabled(), GetParam().flareEnabled);
    EXPECT_EQ(sheet->lblEvapRange.caption(), GetParam().rangeHint);
    EXPECT_TRUE(sheet->frmeFlow.visible());
}

using Names = std::vector<std::string>;
// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, SeriesSetUps, ::testing::Values(
    SetUpCase{"KO",   KO,   Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, true,  "Range:-40 to 60 deg F."},
    SetUpCase{"KOD",  KOD,  Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, true,  "Range: 0 to 60 deg F."},
    SetUpCase{"QZ",   QZ,   Names{"fmeQZStrainer", "fmeLineConn", "fmeEqualizer", "fmeMOP"},  true,  "Range:-40 to 60 deg F."},
    SetUpCase{"GL",   GL,   Names{"fmeBleedOption", "fmeLineConn", "fmeEqualizer", "fmeMOP"}, false, "Range:-40 to 60 deg F."},
    SetUpCase{"VMP",  VMP,  Names{"fmeLineConn", "fmeEqualizer", "fmeMOP"},                   true,  "Range:-40 to 60 deg F."},
    SetUpCase{"VRK",  VRK,  Names{"fmeLineConn", "fmeEqualizer", "fmeMOP"},                   false, "Range:-40 to 60 deg F."},
    SetUpCase{"DQQ",  DQQ,  Names{"fmeLineConn"},                                             true,  "Range:-40 to 60 deg F."},
    SetUpCase{"OBN",  OBN,  Names{"fmeLineConn"},                                             false, "Range:-40 to 60 deg F."},
    SetUpCase{"NYF",  NYF,  Names{"fmeLineConn", "fmeEqualizer"},                             true,  "Range:-40 to 60 deg F."}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, RefusedKODPickLeavesTheFramesAsTheyWere) {
    pickRefrigerant("R-12");
    pickSeries(VMP);
    const TwipRect mopBefore = sheet->fmeMOP.rect();
    pickSeries(KOD);
    EXPECT_EQ(titles(), std::vector<std::string>{"Refrigerant Selection"});
    EXPECT_EQ(sheet->txtSelRefrig.text(), "");
    EXPECT_EQ(sheet->txtSelValve.text(), "KOD");
    EXPECT_EQ(sheet->SeriesNo, KOD);
    EXPECT_TRUE(sheet->seriesMenu(KOD)->checked());
    EXPECT_FALSE(sheet->seriesMenu(VMP)->checked());
    EXPECT_FALSE(sheet->fmeBleedOption.visible());
    EXPECT_EQ(sheet->fmeMOP.rect(), mopBefore);
    EXPECT_TRUE(sheet->optMOP1.visible());
}

TEST_F(SelectionSheetTest, RefrigerantPickSetsNumbersAndLetter) {
    pickRefrigerant("R-507");
    EXPECT_EQ(sheet->RefIndex, 8);
    EXPECT_EQ(sheet->R507Flag, 8);
    EXPECT_EQ(sheet->RefLetter, "P");
    pickRefrigerant("R-502");
    EXPECT_EQ(sheet->RefIndex, 8);
    EXPECT_EQ(sheet->R507Flag, 0);
    EXPECT_EQ(sheet->RefLetter, "R");
    EXPECT_FALSE(sheet->refrigerantMenu("R-507")->checked());
    EXPECT_TRUE(sheet->refrigerantMenu("R-502")->checked());
}

// ---- Charge options as the picks and the evaporator entry leave them ----

struct ChargeCase {
    const char* name;
    const char* refrigerant;
    std::int16_t series;
    const char* evap;               // typed after the picks; nullptr: nothing typed
    std::vector<std::string> shown; // visible options, top to bottom: caption, "-" when disabled, "*" when chosen
};

class ChargeOptions : public SelectionSheetTest, public ::testing::WithParamInterface<ChargeCase> {};

TEST_P(ChargeOptions, FollowRefrigerantSeriesAndTemperature) {
    pickSeries(GetParam().series);
    pickRefrigerant(GetParam().refrigerant);
    if (GetParam().evap != nullptr) {
        type(sheet->txtEvapTemp, GetParam().evap);
    }
    std::vector<std::pair<Twips, std::string>> options;
    for (const OptionButton* option :
         {&sheet->optMOPNone, &sheet->optMOPCA, &sheet->optMOP1, &sheet->optMOP2, &sheet->optMOP3}) {
        if (option->visible()) {
            options.emplace_back(option->top(),
                                 option->caption() + (option->enabled() ? "" : "-") + (option->value() ? "*" : ""));
        }
    }
    std::sort(options.begin(), options.end());
    std::vector<std::string> shown;
    for (const auto& [top, text] : options) {
        shown.push_back(text);
    }
    EXPECT_TRUE(sheet->fmeMOP.visible());
    EXPECT_EQ(shown, GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, ChargeOptions, ::testing::Values(
    ChargeCase{"R22KOAt40F",       "R-22",   KO,  "40",  Names{"C or Z*", "CA", "W35-", "W65-", "W100"}},
    ChargeCase{"R22KOAt50F",       "R-22",   KO,  "50",  Names{"C or Z*", "CA", "W35-", "W65-", "W100"}},
    ChargeCase{"R22KOAt51F",       "R-22",   KO,  "51",  Names{"C or Z*", "CA", "W35-", "W65-", "W100-"}},
    ChargeCase{"R407CHasNoCA",     "R-407C", KO,  "0",   Names{"C or Z*", "W35", "W65", "W100"}},
    ChargeCase{"R12KOEmptyEntry",  "R-12",   KO,  nullptr, Names{"C or Z*", "W15", "W35", "W55"}},
    ChargeCase{"R22KODIsCAAlone",  "R-22",   KOD, nullptr, Names{"CA*"}},
    ChargeCase{"R404AVAIsWAlone",  "R-404A", VA,  "20",  Names{"W*"}},
    ChargeCase{"R22VAAtMinus17F",  "R-22",   VA,  "-17", Names{"W*", "CA", "AD 0", "AD 10", "AD -20"}},
    ChargeCase{"R22VAAtMinus16_9", "R-22",   VA,  "-16.9", Names{"W*", "CA", "AD 0", "AD 10", "AD -20-"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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

// ---- Close and reopen ----

TEST_F(SelectionSheetTest, CloseEmptiesEntriesAndMarksAndReopensWithoutLoading) {
    pickRefrigerant("R-22");
    pickSeries(VMP);
    click(sheet->optUserDefined);
    type(sheet->txtPressureDrop, "10");
    type(sheet->txtEvapTemp, "40");
    type(sheet->txtInputCap, "24000");
    click(sheet->cmdClose);
    EXPECT_FALSE(sheet->visible());
    EXPECT_TRUE(program.selectionScreen().visible());

    act([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    ASSERT_EQ(program.loaded(FormId::frmkorveld), sheet);
    EXPECT_TRUE(sheet->visible());
    for (const TextBox* box : {&sheet->txtEvapTemp, &sheet->txtInputCap, &sheet->txtSelRefrig, &sheet->txtSelValve,
                               &sheet->txtPressureDrop}) {
        EXPECT_EQ(box->text(), "") << box->fullName();
    }
    EXPECT_FALSE(sheet->refrigerantMenu("R-22")->checked());
    EXPECT_FALSE(sheet->seriesMenu(VMP)->checked());
    EXPECT_TRUE(sheet->optDistOrifice.value());
    EXPECT_TRUE(sheet->optUserDefined.visible());
    EXPECT_EQ(sheet->units().DistUserDefined, 0);
    EXPECT_TRUE(sheet->optExternal.value());
    EXPECT_FALSE(sheet->optInternal.enabled());
    EXPECT_EQ(sheet->optMOP1.caption(), "");
    // Close keeps what it does not reset: the series' numbers.
    EXPECT_EQ(sheet->SeriesNo, VMP);
    EXPECT_EQ(sheet->RefIndex, 2);
}

TEST_F(SelectionSheetTest, CloseShowsTheHiddenFramesInTheirStack) {
    pickSeries(OBN);
    click(sheet->cmdClose);
    EXPECT_TRUE(sheet->fmeEqualizer.visible());
    EXPECT_TRUE(sheet->fmeMOP.visible());
    EXPECT_EQ(sheet->fmeEqualizer.top(), sheet->fmeLineConn.top() + sheet->fmeLineConn.height() + 60);
    EXPECT_EQ(sheet->fmeMOP.top(), sheet->fmeEqualizer.top() + sheet->fmeEqualizer.height() + 60);
}

TEST_F(SelectionSheetTest, WindowCloseButtonIsClose) {
    act([&] { sheet->closeButtonPressed(); });
    EXPECT_FALSE(sheet->visible());
    EXPECT_TRUE(program.selectionScreen().visible());
}

// ---- Help ----

struct HelpCase {
    const char* name;
    std::function<void(frmkorveld&)> act;
    HelpCommand command;
    std::uint32_t contextId;
};

class SelectionSheetHelp : public SelectionSheetTest, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(SelectionSheetHelp, OpensItsTopic) {
    act([&] { GetParam().act(*sheet); });
    ASSERT_EQ(platform.helpCalls().size(), 1u);
    EXPECT_EQ(platform.helpCalls().front().command, GetParam().command);
    EXPECT_EQ(platform.helpCalls().front().contextId, GetParam().contextId);
    EXPECT_EQ(platform.helpCalls().front().helpWnd, program.selectionScreen().hWnd());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, SelectionSheetHelp, ::testing::Values(
    HelpCase{"EvapTemp",       [](frmkorveld& f) { f.txtEvapTemp.userDblClick(); },    HelpCommand::ContextPopup, 360},
    HelpCase{"CondTemp",       [](frmkorveld& f) { f.txtCondTemp.userDblClick(); },    HelpCommand::ContextPopup, 370},
    HelpCase{"LiqTemp",        [](frmkorveld& f) { f.txtLiqTemp.userDblClick(); },     HelpCommand::ContextPopup, 380},
    HelpCase{"Distributor",    [](frmkorveld& f) { f.fmeDistributor.userDblClick(); }, HelpCommand::ContextPopup, 390},
    HelpCase{"Flow",           [](frmkorveld& f) { f.frmeFlow.userDblClick(); },       HelpCommand::ContextPopup, 400},
    HelpCase{"LineConn",       [](frmkorveld& f) { f.fmeLineConn.userDblClick(); },    HelpCommand::ContextPopup, 410},
    HelpCase{"Equalizer",      [](frmkorveld& f) { f.fmeEqualizer.userDblClick(); },   HelpCommand::ContextPopup, 420},
    HelpCase{"Charge",         [](frmkorveld& f) { f.fmeMOP.userDblClick(); },         HelpCommand::ContextPopup, 430},
    HelpCase{"Contents",       [](frmkorveld& f) { f.mnuContents3.userPick(); },       HelpCommand::Index,        0},
    HelpCase{"Search",         [](frmkorveld& f) { f.mnuSearch.userPick(); },          HelpCommand::PartialKey,   0},
    HelpCase{"About",          [](frmkorveld& f) { f.mnuValveSelection.userPick(); },  HelpCommand::Context,      65},
    HelpCase{"HowToUse",       [](frmkorveld& f) { f.mnuHowToUse.userPick(); },        HelpCommand::Context,      150},
    HelpCase{"Technical",      [](frmkorveld& f) { f.mnuTechnical.userPick(); },       HelpCommand::Context,      140}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::testing
