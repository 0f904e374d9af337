// The reports as PDF files and in the print preview, and the operating-window chart on screen: the
// PDF's first page holds exactly the printed lines, a selection's chart follows on a second page.
#include "app/operating_window_chart.h"
#include "app/report_output.h"
#include "engine/series_numbers.h"
#include "pdf_text.h"
#include "tests/support/capacity_sheet.h"
#include "worksheet_gui.h"
#include "worksheets/recording_platform.h"
#include "worksheets/selection_report.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

namespace korveld::testing {
namespace {

using namespace korveld::series;

// The report of a worksheet driven on the recording platform, with its fixed date and time.
struct ReportSource {
    RecordingPlatform platform;
    Program program{platform};
    std::unique_ptr<Sheet> capacitySheet;

    ReportPages capacity(const char* systemCapacity) {
        capacitySheet = std::make_unique<Sheet>(Setup{.valve = "QZ", .cap = systemCapacity});
        capacitySheet->f->cmdCalculate.userClick();
        return capacitySheet->f->ReportForPreview();
    }
    ReportPages selection(const char* refrigerant, std::int16_t series, const char* capacity) {
        program.start();
        program.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
        auto& sheet = program.form<frmkorveld>();
        program.dispatch([&] {
            sheet.refrigerantMenu(refrigerant)->userPick();
            sheet.seriesMenu(series)->userPick();
            sheet.txtEvapTemp.userType("40");
            sheet.txtCondTemp.userType("100");
            sheet.txtLiqTemp.userType("90");
            sheet.txtInputCap.userType(capacity);
            sheet.cmdSelect.userClick();
        });
        auto* results = program.loaded<frmResults>();
        EXPECT_NE(results, nullptr);
        return SelectionReportPages(sheet, *results);
    }
};

// ---- PDF ----

struct PdfCase {
    const char* name;
    std::function<ReportPages(ReportSource&)> report;
    int pages;
    const char* chartTitle; // on page 2; nullptr without a chart
};

class ReportPdf : public ::testing::TestWithParam<PdfCase> {};

TEST_P(ReportPdf, FirstPageHoldsThePrintedLines) {
    ReportSource source;
    const ReportPages report = GetParam().report(source);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(writeReportPdf(report, path, {}));

    EXPECT_EQ(wordsByLine(pdfPageLines(path, 1)), wordsByLine(plainLines(report.page)));
    EXPECT_EQ(pdfPageCount(path), GetParam().pages);
    if (GetParam().chartTitle != nullptr) {
        const QStringList chart = wordsByLine(pdfPageLines(path, 2));
        ASSERT_FALSE(chart.isEmpty());
        EXPECT_EQ(chart.front(), QString::fromUtf8(GetParam().chartTitle));
        EXPECT_TRUE(chart.contains(operatingWindowsCaption(*report.chart, {}).simplified()))
            << chart.join(QLatin1Char('|')).toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Reports, ReportPdf, ::testing::Values(
    PdfCase{"CapacityQZWithLoading", [](ReportSource& s) { return s.capacity("24000"); },             1, nullptr},
    PdfCase{"SelectionKO",           [](ReportSource& s) { return s.selection("R-22", KO, "14840"); }, 2,
            "Operating windows of the KO sizes"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReportPdfFile, AFolderThatDoesNotExistCannotBeWritten) {
    ReportSource source;
    EXPECT_FALSE(writeReportPdf(source.capacity(nullptr), QStringLiteral("/nonexistent-folder/report.pdf"), {}));
}

TEST(ReportPdfFile, OfferedNameHasNoFolderSeparators) {
    ReportPages report;
    report.title = "KORVELD - Valve Selection KOE - 1-1/2 - HC";
    EXPECT_EQ(pdfFileNameFor(report), QStringLiteral("KORVELD - Valve Selection KOE - 1-1_2 - HC.pdf"));
    report.title.clear();
    EXPECT_EQ(pdfFileNameFor(report), QStringLiteral("report.pdf"));
}

// ---- The chart on screen ----

struct ChartCase {
    const char* name;
    std::int16_t series;
    const char* seriesText;
    const char* capacity;
    bool highlighted; // a selected size is drawn green
};

class ChartWidget : public ::testing::TestWithParam<ChartCase> {};

int pixelsLike(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                                 std::abs(pixel.blue() - colour.blue()) <
                             12
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST_P(ChartWidget, RendersBarsTheRequirementAndTheHighlight) {
    const ChartCase& row = GetParam();
    SelectionRequest request;
    request.entries = {"R-22", row.seriesText, "40", "100", "90", row.capacity, ""};
    request.SeriesNo = row.series;
    request.RefIndex = 2;
    request.RefLetter = "H";
    request.unitCaption = "Btu/h";
    request.charge = {true, ChargeOption::MOPNone, {"C or Z", "CA", "W35", "W65", "W100"}};
    OperatingWindowChart chart;
    chart.setChart(SelectionWindows(request), {});
    chart.resize(chart.sizeHint());
    const QImage image = chart.grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), chart.sizeHint());
    EXPECT_GT(pixelsLike(image, QColor(176, 196, 222)), 200);                   // window bars
    EXPECT_GT(pixelsLike(image, QColor(198, 40, 40)), 100);                     // requirement line
    EXPECT_EQ(pixelsLike(image, QColor(129, 199, 132)) > 200, row.highlighted); // the selected bar
    EXPECT_EQ(chart.accessibleName(), operatingWindowsCaption(chart.chart(), {}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Chart, ChartWidget, ::testing::Values(
    ChartCase{"KOSelected", KO, "KO", "14840", true},
    ChartCase{"KOTooLarge", KO, "KO", "70000", false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- From the windows ----

TEST_F(WorksheetGui, CapacityFileMenuSavesThePdfWhereTheUserChooses) {
    frmtxvCapacity& sheet = rateKO("12000");
    QString offered;
    QString chosen = helpFolder() + QStringLiteral("/capacities");
    m_platform->setSaveFileChooser([&](const QString& file) {
        offered = file;
        return chosen;
    });
    windowOf(sheet).actionOf(sheet.mnuSaveAsPdf)->trigger();
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/KORVELD - Valve Capacity Worksheet KO R-22.pdf")))
        << offered.toStdString();
    const QString written = chosen + QStringLiteral(".pdf");
    ASSERT_TRUE(QFile::exists(written));
    EXPECT_TRUE(wordsByLine(pdfPageLines(written, 1)).contains(QStringLiteral("KOE 1-1/2 14,840.07 80.9 %")));
}

TEST_F(WorksheetGui, ResultsChartButtonShowsTheChart) {
    frmResults& dialog = *selectShowing({"R-22", KO, "40", "14840"});
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdChart"), Qt::LeftButton);
    OperatingWindowChart* chart = m_platform->chartWindow();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(waitFor([&] { return chart->isVisible(); }));
    EXPECT_EQ(chart->chart().selectedSize, 4);
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("Operating Windows"));
}

TEST_F(WorksheetGui, PreviewShowsThePrintedPageAndTheChartPage) {
    frmResults& dialog = *selectShowing({"R-22", KO, "40", "14840"});
    int pages = -1;
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            return;
        }
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        if (view == nullptr || view->pageCount() == 0) {
            return;
        }
        poll.stop();
        pages = view->pageCount();
        title = preview->windowTitle();
        preview->reject();
    });
    poll.start(20);
    QTest::mouseClick(widget<QPushButton>(dialog, "cmdPreview"), Qt::LeftButton);
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(title.contains(QStringLiteral("KOE - 1-1/2 - HC"))) << title.toStdString();
}

} // namespace
} // namespace korveld::testing
