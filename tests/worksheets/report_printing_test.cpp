#include "worksheets/print_document.h"
#include "worksheets/recording_platform.h"
#include "worksheets/report_printing.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace korveld::testing {
namespace {

struct PrinterCase {
    const char* name;
    bool printerWorks;
    bool printed;
    std::vector<RecordingPlatform::Message> messages;
};

void PrintTo(const PrinterCase& row, std::ostream* os) {
    *os << row.name;
}

class ReportPrinting : public ::testing::TestWithParam<PrinterCase> {};

TEST_P(ReportPrinting, PrintsOrReportsThePrinterError) {
    RecordingPlatform platform;
    platform.setPrinterWorks(GetParam().printerWorks);
    PrintDocument document;
    document.newLine().at(10, "VALVE NAME");
    EXPECT_EQ(PrintReport(platform, document), GetParam().printed);
    EXPECT_EQ(platform.messages(), GetParam().messages);
    EXPECT_EQ(platform.printed().size(), GetParam().printed ? 1u : 0u);
}

const RecordingPlatform::Message kPrinterError{
    "A printer error as occured!  Check to see if you printer is connected or that the correct printer driver has "
    "been installed.",
    0, "KORVELD"};

INSTANTIATE_TEST_SUITE_P(PrintReport, ReportPrinting,
                         ::testing::Values(PrinterCase{"PrinterWorks", true, true, {}},
                                           PrinterCase{"PrinterFails", false, false, {kPrinterError}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace korveld::testing
