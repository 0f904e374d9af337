// The reports' preview and PDF, and the operating-window chart, as the windows ask for them.
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/capacity_sheet.h"
#include "tests/support/named_rows.h"
#include "worksheets/report_printing.h"

#include <string>
#include <vector>

namespace korveld::testing {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using namespace korveld::series;

constexpr SystemEntries kKOR22{"R-22", KO, "40", "100", "90", "14840"};

// ---- Capacity worksheet: the File menu ----

TEST(CapacityFileMenu, ComesFirstAndIsUsableOnlyWhilePrintIs) {
    Sheet w({});
    EXPECT_EQ(&*w.f->menuBar().begin(), &w.f->mnuFile);
    EXPECT_FALSE(w.f->mnuPrintPreview.isUsable() || w.f->mnuSaveAsPdf.isUsable());
    w.act([&] { w.f->cmdCalculate.userClick(); });
    EXPECT_TRUE(w.f->mnuPrintPreview.isUsable() && w.f->mnuSaveAsPdf.isUsable());
    w.act([&] { w.f->txtLiqTemp.userType("91"); });
    EXPECT_FALSE(w.f->mnuPrintPreview.isUsable() || w.f->mnuSaveAsPdf.isUsable());
}

TEST(CapacityFileMenu, PreviewAndPdfHoldThePagePrintPrints) {
    Sheet w({});
    w.act([&] {
        w.f->cmdCalculate.userClick();
        w.f->cmdPrint.userClick();
        w.f->mnuPrintPreview.userPick();
        w.f->mnuSaveAsPdf.userPick();
    });
    ASSERT_EQ(w.platform.printed().size(), 1u);
    ASSERT_EQ(w.platform.previewed().size(), 1u);
    ASSERT_EQ(w.platform.pdfRequests().size(), 1u);
    ASSERT_EQ(w.platform.printedJobNames(), std::vector<std::string>{"KORVELD - Valve Capacity Worksheet KO R-22"});
    for (const ReportPages* pages : {&w.platform.previewed().front(), &w.platform.pdfRequests().front()}) {
        EXPECT_EQ(pages->page, w.platform.printed().front());
        EXPECT_EQ(pages->title, w.platform.printedJobNames().front());
        EXPECT_FALSE(pages->chart.has_value());
    }
    EXPECT_TRUE(w.platform.messages().empty());
}

struct PdfAnswerCase {
    const char* name;
    PdfSaveOutcome outcome;
    bool message;
};

class PdfAnswers : public ::testing::TestWithParam<PdfAnswerCase> {};

TEST_P(PdfAnswers, OnlyAFileThatCannotBeWrittenGetsAMessage) {
    Sheet w({});
    w.act([&] { w.f->cmdCalculate.userClick(); });
    w.platform.setPdfAnswer({GetParam().outcome, "/no/such/folder/report.pdf"});
    w.platform.clear();
    w.act([&] { w.f->mnuSaveAsPdf.userPick(); });
    ASSERT_EQ(w.platform.messages().size(), GetParam().message ? 1u : 0u);
    if (GetParam().message) {
        EXPECT_EQ(w.platform.messages().front().prompt, PdfNotWrittenText("/no/such/folder/report.pdf"));
        EXPECT_EQ(w.platform.messages().front().style, kMsgExclamation);
    }
    EXPECT_TRUE(w.f->cmdPrint.visible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityFileMenu, PdfAnswers, ::testing::Values(
    PdfAnswerCase{"Saved",     PdfSaveOutcome::Saved,     false},
    PdfAnswerCase{"Cancelled", PdfSaveOutcome::Cancelled, false},
    PdfAnswerCase{"Failed",    PdfSaveOutcome::Failed,    true}
), testing_support::RowName{});
// clang-format on

// ---- The names the reports carry ----

struct TitleCase {
    const char* name;
    std::string title;
    const char* expected;
};

class ReportTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ReportTitles, NameTheProgramTheWorksheetAndThePageWithoutStrayBlanks) {
    EXPECT_EQ(GetParam().title, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ReportPrinting, ReportTitles, ::testing::Values(
    TitleCase{"Capacity",              CapacityReportTitle("DQQ/DQ", "R-404A"),   "KORVELD - Valve Capacity Worksheet DQQ/DQ R-404A"},
    TitleCase{"CapacityNothingChosen", CapacityReportTitle("", ""),               "KORVELD - Valve Capacity Worksheet"},
    TitleCase{"SelectionTrailingBlank", SelectionReportTitle("QZESC - 2 - SC "), "KORVELD - Valve Selection QZESC - 2 - SC"},
    TitleCase{"SelectionBlanksOnly",   SelectionReportTitle("   "),               "KORVELD - Valve Selection"}
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
    ASSERT_EQ(platform.printedJobNames(), std::vector<std::string>{"KORVELD - Valve Selection KOE - 1-1/2 - HC"});
    for (const ReportPages* pages : {&platform.previewed().front(), &platform.pdfRequests().front()}) {
        EXPECT_EQ(pages->page, platform.printed().front());
        EXPECT_EQ(pages->title, platform.printedJobNames().front());
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
    EXPECT_EQ(chart.selectedSize, 4);
    EXPECT_EQ(chart.inUnit(chart.sizes[3].ValCapacity), sheet->selectedValve()->capacityInUnit);
}

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
