// The reports' preview and PDF, and the operating-window chart, as the windows ask for them.
#include "../engine/named_rows.h"
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/report_printing.h"

#include <string>

namespace korveld::testing {
namespace {

using testing_support::PrintTo;
using namespace korveld::series;

constexpr SystemEntries kKOR22{"R-22", KO, "40", "100", "90", "14840"};

// ---- Capacity worksheet: the File menu ----

struct CapacitySheet {
    RecordingPlatform platform;
    Program program{platform};
    frmtxvCapacity* sheet = nullptr;

    CapacitySheet() {
        program.start();
        act([&] { program.selectionScreen().cmdValveCap.userClick(); });
        sheet = &program.form<frmtxvCapacity>();
    }
    void act(const std::function<void()>& step) { program.dispatch(step); }
    void rateKO() {
        act([&] {
            sheet->mnuRefR22.userPick();
            sheet->mnuKO.userPick();
            sheet->txtEvapTemp.userType("40");
            sheet->txtCondTemp.userType("100");
            sheet->txtLiqTemp.userType("90");
            sheet->cmdCalculate.userClick();
        });
    }
};

TEST(CapacityFileMenu, ComesFirstAndIsUsableOnlyWhilePrintIs) {
    CapacitySheet w;
    EXPECT_EQ(&*w.sheet->menuBar().begin(), &w.sheet->mnuFile);
    EXPECT_FALSE(w.sheet->mnuPrintPreview.isUsable());
    EXPECT_FALSE(w.sheet->mnuSaveAsPdf.isUsable());
    w.rateKO();
    EXPECT_TRUE(w.sheet->cmdPrint.visible());
    EXPECT_TRUE(w.sheet->mnuPrintPreview.isUsable());
    EXPECT_TRUE(w.sheet->mnuSaveAsPdf.isUsable());
    w.act([&] { w.sheet->txtLiqTemp.userType("91"); });
    EXPECT_FALSE(w.sheet->cmdPrint.visible());
    EXPECT_FALSE(w.sheet->mnuPrintPreview.isUsable());
    EXPECT_FALSE(w.sheet->mnuSaveAsPdf.isUsable());
}

TEST(CapacityFileMenu, PreviewAndPdfHoldThePagePrintPrints) {
    CapacitySheet w;
    w.rateKO();
    w.act([&] {
        w.sheet->cmdPrint.userClick();
        w.sheet->mnuPrintPreview.userPick();
        w.sheet->mnuSaveAsPdf.userPick();
    });
    ASSERT_EQ(w.platform.printed().size(), 1u);
    ASSERT_EQ(w.platform.previewed().size(), 1u);
    ASSERT_EQ(w.platform.pdfRequests().size(), 1u);
    for (const ReportPages* pages : {&w.platform.previewed().front(), &w.platform.pdfRequests().front()}) {
        EXPECT_EQ(pages->page, w.platform.printed().front());
        EXPECT_EQ(pages->title, "Valve Capacities KO R-22");
        EXPECT_FALSE(pages->chart.has_value());
    }
    EXPECT_TRUE(w.platform.messages().empty());
}

// A selection in between writes its own pressures into the program-wide variables; the capacity
// report keeps printing those of the rows it shows.
TEST(CapacityFileMenu, ReportKeepsItsOwnPressuresAfterASelection) {
    CapacitySheet w;
    w.rateKO();
    const std::vector<std::string> before = renderPlainText(w.sheet->Report());
    w.act([&] { w.program.selectionScreen().cmdValveSelect.userClick(); });
    auto& selection = w.program.form<frmkorveld>();
    w.act([&] {
        selection.refrigerantMenu("R-22")->userPick();
        selection.seriesMenu(KO)->userPick();
        selection.optDistVenturi.userClick();
        selection.txtEvapTemp.userType("20");
        selection.txtCondTemp.userType("100");
        selection.txtLiqTemp.userType("90");
        selection.txtInputCap.userType("14840");
        selection.cmdSelect.userClick();
    });
    ASSERT_NE(w.program.loaded(FormId::frmResults), nullptr);
    EXPECT_EQ(w.program.uv().DistPressDrop, 15.0f);
    EXPECT_TRUE(w.sheet->cmdPrint.visible());
    EXPECT_EQ(renderPlainText(w.sheet->Report()), before);
}

struct PdfAnswerCase {
    const char* name;
    PdfSaveOutcome outcome;
    bool message;
};

class PdfAnswers : public ::testing::TestWithParam<PdfAnswerCase> {};

TEST_P(PdfAnswers, OnlyAFileThatCannotBeWrittenGetsAMessage) {
    CapacitySheet w;
    w.rateKO();
    w.platform.setPdfAnswer({GetParam().outcome, "/no/such/folder/report.pdf"});
    w.platform.clear();
    w.act([&] { w.sheet->mnuSaveAsPdf.userPick(); });
    ASSERT_EQ(w.platform.messages().size(), GetParam().message ? 1u : 0u);
    if (GetParam().message) {
        EXPECT_EQ(w.platform.messages().front().prompt, PdfNotWrittenText("/no/such/folder/report.pdf"));
        EXPECT_EQ(w.platform.messages().front().style, kMsgExclamation);
    }
    EXPECT_TRUE(w.sheet->cmdPrint.visible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityFileMenu, PdfAnswers, ::testing::Values(
    PdfAnswerCase{"Saved",     PdfSaveOutcome::Saved,     false},
    PdfAnswerCase{"Cancelled", PdfSaveOutcome::Cancelled, false},
    PdfAnswerCase{"Failed",    PdfSaveOutcome::Failed,    true}
), testing_support::RowName{});
// clang-format on

// ---- Results dialog: preview, PDF and chart ----

TEST_F(SelectionSheetTest, ResultsPreviewAndPdfHoldThePrintedPageAndTheChart) {
    enter(kKOR22);
    select();
    ASSERT_NE(results(), nullptr);
    click(results()->cmdPrintButton);
    click(results()->cmdPreview);
    click(results()->cmdSavePdf);
    ASSERT_EQ(platform.printed().size(), 1u);
    ASSERT_EQ(platform.previewed().size(), 1u);
    ASSERT_EQ(platform.pdfRequests().size(), 1u);
    for (const ReportPages* pages : {&platform.previewed().front(), &platform.pdfRequests().front()}) {
        EXPECT_EQ(pages->page, platform.printed().front());
        EXPECT_EQ(pages->title, "Selected Expansion Valve KOE - 1-1/2 - HC ");
        ASSERT_TRUE(pages->chart.has_value());
        EXPECT_EQ(pages->chart->outcome, SizeOutcome::Selected);
        EXPECT_EQ(pages->chart->selectedSize, sheet->selectedValve()->SizeNo);
    }
}

TEST_F(SelectionSheetTest, ResultsChartShowsTheWindowsOfThatSelection) {
    enter(kKOR22);
    select();
    click(results()->cmdChart);
    ASSERT_EQ(platform.charts().size(), 1u);
    const OperatingWindows& chart = platform.charts().front();
    EXPECT_TRUE(platform.chartShown());
    EXPECT_EQ(chart.series, "KO");
    EXPECT_EQ(chart.refrigerant, "R-22");
    EXPECT_EQ(chart.selectedSize, 4);
    EXPECT_EQ(chart.sizes.size(), 9u);
    EXPECT_EQ(chart.inUnit(chart.sizes[3].ValCapacity), sheet->selectedValve()->capacityInUnit);
}

struct ButtonRowCase {
    const char* name;
    SystemEntries system;
    Twips buttonTop;
};

class ResultsButtonRow : public SelectionSheetTest, public ::testing::WithParamInterface<ButtonRowCase> {};

// The added buttons move with OK and Print in every layout and keep clear of them and of the box edge.
TEST_P(ResultsButtonRow, FollowsTheLayoutBesideOKAndPrint) {
    enter(GetParam().system);
    select();
    ASSERT_NE(results(), nullptr);
    const frmResults& dialog = *results();
    for (const CommandButton* button : {&dialog.cmdPreview, &dialog.cmdSavePdf, &dialog.cmdChart}) {
        EXPECT_EQ(button->top(), GetParam().buttonTop) << button->fullName();
        EXPECT_LE(button->top() + button->height(), dialog.clientSize().height) << button->fullName();
    }
    EXPECT_LT(dialog.cmdSavePdf.left() + dialog.cmdSavePdf.width(), dialog.cmdOK.left());
    EXPECT_GT(dialog.cmdChart.left(), dialog.cmdOK.left() + dialog.cmdOK.width());
    EXPECT_LT(dialog.cmdChart.left() + dialog.cmdChart.width(), dialog.cmdPrintButton.left());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ResultsDialog, ResultsButtonRow, ::testing::Values(
    ButtonRowCase{"ShortestKOR22",  kKOR22,                                  1550},
    ButtonRowCase{"AdviceKOR134a",  {"R-134a", KO, "40", "100", "90", "12000"}, 2920},
    ButtonRowCase{"AssembliesVMP",  {"R-22", VMP, "40", "100", "90", "48000"},  2880},
    ButtonRowCase{"TallestVMP",     {"R-134a", VMP, "40", "100", "90", "24000"}, 4200}
), testing_support::RowName{});
// clang-format on

// ---- Selection worksheet: the View menu ----

struct ViewCase {
    const char* name;
    SystemEntries system;
    SizeOutcome outcome;
    const char* messageTitle; // nullptr: a size is selected, or the entries were refused
    bool entryRefused;
};

class ViewMenuChart : public SelectionSheetTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ViewMenuChart, ShowsTheCurrentEntriesWithoutTouchingThem) {
    const ViewCase& row = GetParam();
    enter(row.system);
    platform.clear();
    pickMenu(sheet->mnuOperatingWindows);
    ASSERT_EQ(platform.charts().size(), 1u);
    const OperatingWindows& chart = platform.charts().front();
    EXPECT_EQ(chart.entryFailure.has_value(), row.entryRefused);
    if (!row.entryRefused) {
        EXPECT_EQ(chart.outcome, row.outcome);
    }
    if (row.messageTitle != nullptr) {
        ASSERT_TRUE(chart.message.has_value());
        EXPECT_EQ(chart.message->title, row.messageTitle);
    }
    // No message box, no entry emptied or focused, no results dialog: the chart only looks.
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_TRUE(platform.focusHistory().empty());
    EXPECT_EQ(sheet->txtInputCap.text(), row.system.capacity);
    EXPECT_EQ(sheet->txtEvapTemp.text(), row.system.evap);
    EXPECT_EQ(results(), nullptr);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionWorksheet, ViewMenuChart, ::testing::Values(
    ViewCase{"Selected",     kKOR22,                                 SizeOutcome::Selected,         nullptr, false},
    ViewCase{"TooSmall",     {"R-22", KO, "40", "100", "90", "2000"},  SizeOutcome::TooSmall,       "INPUT CAPACITY TO SMALL", false},
    ViewCase{"Between",      {"R-22", QZ, "40", "100", "90", "41500"}, SizeOutcome::BetweenTwoValves, "NO VALVE AVAILABLE", false},
    ViewCase{"TooLarge",     {"R-22", KO, "40", "100", "90", "70000"}, SizeOutcome::TooLarge,       "INPUT CAPACITY TO LARGE", false},
    ViewCase{"EntryRefused", {"R-22", KO, "99", "100", "90", "14840"}, SizeOutcome::NoSizeOffered,  nullptr, true}
), testing_support::RowName{});
// clang-format on

TEST_F(SelectionSheetTest, CloseHidesTheChart) {
    enter(kKOR22);
    pickMenu(sheet->mnuOperatingWindows);
    EXPECT_TRUE(platform.chartShown());
    click(sheet->cmdClose);
    EXPECT_FALSE(platform.chartShown());
}

} // namespace
} // namespace korveld::testing
