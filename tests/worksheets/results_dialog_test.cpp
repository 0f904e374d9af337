#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/named_rows.h"

namespace korveld::testing {
namespace {

using namespace korveld::series;

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
    // Preview, PDF and Chart sit in the row of OK and Print, between and beside them, inside the box.
    for (const CommandButton* button :
         {&dialog->cmdPrintButton, &dialog->cmdPreview, &dialog->cmdSavePdf, &dialog->cmdChart}) {
        EXPECT_EQ(button->top(), row.buttonTop) << button->fullName();
        EXPECT_LE(button->top() + button->height(), dialog->clientSize().height) << button->fullName();
    }
    EXPECT_LT(dialog->cmdSavePdf.left() + dialog->cmdSavePdf.width(), dialog->cmdOK.left());
    EXPECT_GT(dialog->cmdChart.left(), dialog->cmdOK.left() + dialog->cmdOK.width());
    EXPECT_LT(dialog->cmdChart.left() + dialog->cmdChart.width(), dialog->cmdPrintButton.left());
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
    EXPECT_EQ(results(), nullptr);
    EXPECT_TRUE(sheet->enabled());
    EXPECT_TRUE(sheet->optSweat.enabled());
    EXPECT_TRUE(sheet->optFlare.enabled());
    EXPECT_FALSE(sheet->optInternal.enabled());
}

TEST_F(SelectionSheetTest, FailedEntryCheckEmptiesAndFocusesItsEntryAndKeepsTheWorksheet) {
    enter(kKOR22);
    type(sheet->txtEvapTemp, "61");
    select();
    EXPECT_EQ(titles(), std::vector<std::string>{"EVAPORATOR TEMPERATURE ERROR"});
    EXPECT_EQ(sheet->txtEvapTemp.text(), "");
    EXPECT_EQ(platform.focusHistory(), std::vector<std::string>{"txtEvapTemp"});
    EXPECT_EQ(results(), nullptr);
    EXPECT_TRUE(sheet->enabled());
}

// ---- Bleed dialog ----

// Each percentage, clicked after another one, shows its text and gives its option and fraction.
TEST_F(SelectionSheetTest, EveryPercentageGivesItsBleed) {
    pickSeries(KO);
    click(sheet->optYES);
    ASSERT_NE(bleedDialog(), nullptr);
    const char* texts[] = {"10%", "15%", "20%", "25%", "30%", "40%", "50%"};
    const float fractions[] = {0.10f, 0.15f, 0.20f, 0.25f, 0.30f, 0.40f, 0.50f};
    const auto options = bleedDialog()->percentageOptions();
    for (std::size_t i = 0; i < options.size(); ++i) {
        click(*options[(i + 3) % options.size()]);
        click(*options[i]);
        EXPECT_EQ(sheet->txtBleedPerCent.text(), texts[i]);
        EXPECT_EQ(program.uv().BleedOption, static_cast<std::int16_t>(i + 1));
        EXPECT_EQ(program.uv().BleedFraction, fractions[i]);
    }
}

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

TEST_F(SelectionSheetTest, ClosingTheWorksheetTakesTheOpenBleedDialogWithItAndKeepsTheBleed) {
    pickSeries(KO);
    click(sheet->optYES);
    click(bleedDialog()->opt20);
    click(sheet->cmdClose);
    EXPECT_FALSE(sheet->visible());
    EXPECT_FALSE(bleedDialog()->visible());
    EXPECT_EQ(program.uv().BleedOption, 3);
    EXPECT_EQ(sheet->txtBleedPerCent.text(), "20%");
    EXPECT_TRUE(bleedDialog()->opt20.value());
    // Back on the worksheet, Yes opens the dialog again.
    click(program.selectionScreen().cmdValveSelect);
    EXPECT_FALSE(sheet->optYES.value());
    click(sheet->optYES);
    EXPECT_TRUE(bleedDialog()->visible());
}

} // namespace
} // namespace korveld::testing
