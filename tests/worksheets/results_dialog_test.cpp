#include "../engine/row_names.h"
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"

namespace korveld::testing {
namespace {

using namespace korveld::series;

KORVELD_PRINT_ROWS_AS_NAMES

constexpr SystemEntries kKOR22{"R-22", KO, "40", "100", "90", "14840"};
constexpr SystemEntries kKOR134a{"R-134a", KO, "40", "100", "90", "12000"};
constexpr SystemEntries kVMPR22{"R-22", VMP, "40", "100", "90", "48000"};
constexpr SystemEntries kVMPR134a{"R-134a", VMP, "40", "100", "90", "24000"};

// ---- The four layouts of the results dialog ----

struct LayoutCase {
    const char* name;
    SystemEntries system;
    Twips height;
    Twips buttonTop;
    Twips messageTop;
    bool advice;
    bool assemblies;
};

class ResultsLayouts : public SelectionSheetTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(ResultsLayouts, FollowAdviceAndAssemblies) {
    const LayoutCase& row = GetParam();
    enter(row.system);
    select();
    frmResults* dialog = results();
    ASSERT_NE(dialog, nullptr) << (platform.messages().empty() ? "" : platform.messages().front().prompt);
    EXPECT_TRUE(dialog->visible());
    EXPECT_FALSE(sheet->enabled());
    EXPECT_EQ(dialog->height(), row.height);
    EXPECT_EQ(dialog->cmdOK.top(), row.buttonTop);
    EXPECT_EQ(dialog->cmdPrintButton.top(), row.buttonTop);
    EXPECT_EQ(dialog->txtMessage.top(), row.messageTop);
    EXPECT_EQ(dialog->txtMessage.visible(), row.advice);
    EXPECT_EQ(dialog->txtMessage.text().empty(), !row.advice);
    EXPECT_EQ(dialog->lblPowAssby.visible(), row.assemblies);
    EXPECT_EQ(dialog->lblCageAssby.visible(), row.assemblies);
    EXPECT_EQ(dialog->txtPowAssby.enabled(), row.assemblies);
    EXPECT_EQ(dialog->txtCageAssby.text().empty(), !row.assemblies);
    // With advice, OK waits for the timer that repeats it.
    EXPECT_EQ(dialog->cmdOK.enabled(), !row.advice);
    EXPECT_EQ(sheet->Timer1.enabled(), row.advice);
    EXPECT_EQ(program.uv().AdviceClear, row.advice ? 0 : 1);
    EXPECT_TRUE(platform.messages().empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultsDialog, ResultsLayouts, ::testing::Values(
    LayoutCase{"KOWithR22NoAdvice",    kKOR22,    2600, 1550, 3000, false, false},
    LayoutCase{"KOWithR134aAdvice",    kKOR134a,  4170, 2920, 1560, true,  false},
    LayoutCase{"VMPWithR22NoAdvice",   kVMPR22,   3930, 2880, 3000, false, true},
    LayoutCase{"VMPWithR134aAdvice",   kVMPR134a, 5250, 4200, 2880, true,  true}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, ResultsShowNameCapacityAndLoading) {
    enter(kKOR22);
    select();
    ASSERT_NE(results(), nullptr);
    EXPECT_EQ(results()->txtValSelected.text(), "KOE - 1-1/2 - HC ");
    EXPECT_EQ(results()->txtValSelected.foreColour(), (Colour{0, 0, 255}));
    EXPECT_EQ(results()->txtValSelected.alignment(), Alignment::Center);
    EXPECT_EQ(results()->txtValCapacity.text().substr(results()->txtValCapacity.text().size() - 7), "  Btu/h");
    EXPECT_EQ(results()->txtValveLoading.text().substr(results()->txtValveLoading.text().size() - 3), "  %");
    EXPECT_EQ(sheet->SizeNo, 4);
    EXPECT_EQ(program.uv().ChargeCode, "C");
    EXPECT_EQ(program.uv().EqualizerCode, "E");
}

TEST_F(SelectionSheetTest, AdviceTimerEnablesOKAndRepeatsTheAdviceOnce) {
    enter(kVMPR134a);
    select();
    ASSERT_NE(results(), nullptr);
    act([&] { results()->closeButtonPressed(); }); // OK is still waiting: nothing happens
    ASSERT_NE(results(), nullptr);
    EXPECT_FALSE(sheet->enabled());

    act([&] { EXPECT_TRUE(sheet->Timer1.fire()); });
    EXPECT_TRUE(results()->cmdOK.enabled());
    EXPECT_FALSE(sheet->Timer1.enabled());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages().front(),
              (RecordingPlatform::Message{program.uv().ReplaceAdvice, 48, "POWERHEAD REPLACEMENT"}));
    EXPECT_EQ(program.uv().ReplaceAdvice.rfind("If you have to use the FC powerhead", 0), 0u);
    act([&] { EXPECT_FALSE(sheet->Timer1.fire()); });
    EXPECT_EQ(platform.messages().size(), 1u);

    act([&] { results()->closeButtonPressed(); }); // now the close button is OK
    EXPECT_EQ(results(), nullptr);
    EXPECT_TRUE(sheet->enabled());
}

TEST_F(SelectionSheetTest, OKEmptiesTheDialogAndGivesTheWorksheetBack) {
    enter(kVMPR22);
    select();
    frmResults* dialog = results();
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> emptied;
    act([&] {
        dialog->cmdOK.userClick();
        // The dialog is unloaded when the click's handling has ended.
        for (const TextBox* box : {&dialog->txtValSelected, &dialog->txtValCapacity, &dialog->txtPowAssby,
                                   &dialog->txtCageAssby, &dialog->txtValveLoading}) {
            if (box->text().empty()) {
                emptied.push_back(box->fullName());
            }
        }
    });
    EXPECT_EQ(emptied.size(), 5u);
    EXPECT_EQ(results(), nullptr);
    EXPECT_TRUE(sheet->enabled());
    // The next selection starts with a fresh dialog.
    select();
    ASSERT_NE(results(), nullptr);
    EXPECT_EQ(results()->txtValSelected.text(), "VMPE - 5 - HC");
}

TEST_F(SelectionSheetTest, QZSizeNineThenOKEnablesSweatAndFlareButNotInternal) {
    enter({"R-22", QZ, "40", "100", "90", "96000"});
    click(sheet->optFlare);
    select();
    ASSERT_NE(results(), nullptr);
    EXPECT_EQ(sheet->SizeNo, 9);
    EXPECT_EQ(results()->txtValSelected.text(), "QZE - 8 - HC"); // this selection keeps the flare letter
    EXPECT_TRUE(sheet->optSweat.value());
    EXPECT_FALSE(sheet->optFlare.enabled());
    EXPECT_FALSE(sheet->optInternal.enabled());
    click(results()->cmdOK);
    EXPECT_TRUE(sheet->optSweat.enabled());
    EXPECT_TRUE(sheet->optFlare.enabled());
    EXPECT_FALSE(sheet->optInternal.enabled());
}

// ---- Failed selections leave the worksheet usable ----

struct FailureCase {
    const char* name;
    std::function<void(SelectionSheetTest&, frmkorveld&)> change; // after the KO R-22 entries
    const char* title;
    const char* emptied; // nullptr: nothing emptied
    const char* focused; // nullptr: no focus
};

class FailedSelections : public SelectionSheetTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedSelections, ShowTheirMessageAndKeepTheWorksheet) {
    const FailureCase& row = GetParam();
    enter(kKOR22);
    row.change(*this, *sheet);
    platform.clear();
    select();
    EXPECT_EQ(titles(), std::vector<std::string>{row.title});
    EXPECT_EQ(results(), nullptr);
    EXPECT_TRUE(sheet->enabled());
    if (row.emptied != nullptr) {
        EXPECT_EQ(static_cast<TextBox*>(sheet->findControl(row.emptied))->text(), "");
    }
    if (row.focused != nullptr) {
        ASSERT_NE(platform.focused(), nullptr);
        EXPECT_EQ(platform.focused()->fullName(), row.focused);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultsDialog, FailedSelections, ::testing::Values(
    FailureCase{"EvaporatorOutOfRange",
                [](SelectionSheetTest& t, frmkorveld& f) { t.type(f.txtEvapTemp, "61"); },
                "EVAPORATOR TEMPERATURE ERROR", "txtEvapTemp", "txtEvapTemp"},
    FailureCase{"CAChargeNarrowsTheRange",
                [](SelectionSheetTest& t, frmkorveld& f) {
                                        t.type(f.txtEvapTemp, "-5");
                    t.click(f.optMOPCA); },
                "EVAPORATOR TEMPERATURE ERROR", "txtEvapTemp", "txtEvapTemp"},
    FailureCase{"NegativeUserDefinedDrop",
                [](SelectionSheetTest& t, frmkorveld& f) {
                                        t.click(f.optUserDefined);
                    t.type(f.txtPressureDrop, "-1"); },
                "NEGATIVE DISTRIBUTOR PRESSURE DROP", "txtPressureDrop", "txtPressureDrop"},
    FailureCase{"CapacityTooSmall",
                [](SelectionSheetTest& t, frmkorveld& f) { t.type(f.txtInputCap, "100"); },
                "INPUT CAPACITY TO SMALL", nullptr, nullptr},
    FailureCase{"NoRefrigerantAfterARefusal",
                [](SelectionSheetTest& t, frmkorveld&) { t.pickSeries(KOD);
                                                          t.pickRefrigerant("R-12"); },
                "REFRIGERATION SELECTION", nullptr, "txtSelRefrig"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Bleed dialog ----

TEST_F(SelectionSheetTest, TwentyFivePerCentThenNoneClearsTheBleed) {
    pickSeries(KO);
    click(sheet->optYES);
    ASSERT_NE(bleedDialog(), nullptr);
    EXPECT_TRUE(bleedDialog()->visible());
    EXPECT_EQ(bleedDialog()->backColour(), (Colour{192, 255, 192}));
    click(bleedDialog()->opt25);
    EXPECT_EQ(sheet->txtBleedPerCent.text(), "25%");
    EXPECT_EQ(program.uv().BleedOption, 4);
    EXPECT_FLOAT_EQ(program.uv().BleedFraction, 0.25f);
    click(bleedDialog()->optNone);
    EXPECT_EQ(sheet->txtBleedPerCent.text(), "");
    EXPECT_EQ(program.uv().BleedOption, 0);
    EXPECT_FLOAT_EQ(program.uv().BleedFraction, 0.25f); // only a percentage changes it
    for (const OptionButton* option : bleedDialog()->percentageOptions()) {
        EXPECT_FALSE(option->value()) << option->fullName();
    }
    EXPECT_TRUE(sheet->optNO.value());
    EXPECT_EQ(sheet->optYES.caption(), "Yes");
    EXPECT_EQ(sheet->optNO.caption(), "No");
}

TEST_F(SelectionSheetTest, AcceptWithoutAChoiceStillRenamesTheWorksheetOptions) {
    pickSeries(KOT);
    click(sheet->optYES);
    act([&] { bleedDialog()->closeButtonPressed(); }); // the close button is Accept
    EXPECT_FALSE(bleedDialog()->visible());
    EXPECT_FALSE(sheet->optYES.value());
    EXPECT_EQ(sheet->optYES.caption(), "New Bleed");
    EXPECT_EQ(sheet->optNO.caption(), "Clear Bleed");
    EXPECT_EQ(program.uv().BleedOption, 0);
    click(sheet->optNO);
    EXPECT_EQ(sheet->optYES.caption(), "Yes");
    EXPECT_TRUE(bleedDialog()->optNone.value());
}

TEST_F(SelectionSheetTest, AcceptedBleedRaisesAKOSizeAndNamesItsPart) {
    enter(kKOR22);
    select();
    const std::string without = results()->txtValCapacity.text();
    click(results()->cmdOK);
    click(sheet->optYES);
    click(bleedDialog()->opt20);
    click(bleedDialog()->cmdExit);
    select();
    ASSERT_NE(results(), nullptr);
    EXPECT_NE(results()->txtValCapacity.text(), without);
    EXPECT_NE(program.uv().BleedPart, "");
    EXPECT_EQ(results()->txtValSelected.text(), "KOE - 1-1/2 - HC " + program.uv().BleedPart);
}

} // namespace
} // namespace korveld::testing
