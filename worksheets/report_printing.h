// How both worksheets print a report: the document goes to the platform's default printer, and
// any failure there is reported with one fixed message, after which the worksheet carries on.
#pragma once

#include <string>
#include <string_view>

namespace korveld {

class Platform;
struct PrintDocument;
struct ReportPages;

inline constexpr std::string_view kPrinterErrorText =
    "A printer error as occured!  Check to see if you printer is connected or that the correct printer driver "
    "has been installed.";

// Prints the document as a job named `jobName`; when the printer does not accept it, shows
// kPrinterErrorText with an OK button, no icon and the application's title. Returns whether the
// printer accepted the document.
bool PrintReport(Platform& platform, const PrintDocument& document, const std::string& jobName);

// The names a report carries in the print queue, in the preview's title bar and in the PDF file
// offered for it: the program, the worksheet, and what the page is about.
std::string CapacityReportTitle(std::string_view valve, std::string_view refrigerant);
std::string SelectionReportTitle(std::string_view selectedValve);

// Asks where to save the report and writes it there as PDF; a file that cannot be written gets a
// message naming it. Returns whether the file was written.
bool SaveReportAsPdf(Platform& platform, const ReportPages& report);

// The message of a PDF that could not be written.
std::string PdfNotWrittenText(std::string_view path);

} // namespace korveld
