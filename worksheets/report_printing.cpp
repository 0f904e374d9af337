#include "worksheets/report_printing.h"

#include "worksheets/application.h"
#include "worksheets/platform.h"
#include "worksheets/report_pages.h"

#include <initializer_list>

namespace korveld {

namespace {

// The text without the blanks around it: the results dialog's name ends in one.
std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string titled(std::string_view worksheet, std::initializer_list<std::string_view> subjects) {
    std::string title = std::string(kApplicationTitle) + " - " + std::string(worksheet);
    for (const std::string_view subject : subjects) {
        if (!trimmed(subject).empty()) {
            title.append(" ").append(trimmed(subject));
        }
    }
    return title;
}

} // namespace

bool PrintReport(Platform& platform, const PrintDocument& document, const std::string& jobName) {
    if (platform.PrintDocument(document, jobName)) {
        return true;
    }
    platform.MsgBox(std::string(kPrinterErrorText), kMsgOkOnly, std::string(kApplicationTitle));
    return false;
}

std::string CapacityReportTitle(std::string_view valve, std::string_view refrigerant) {
    return titled("Valve Capacity Worksheet", {valve, refrigerant});
}

std::string SelectionReportTitle(std::string_view selectedValve) {
    return titled("Valve Selection", {selectedValve});
}

std::string PdfNotWrittenText(std::string_view path) {
    return "The report could not be saved as " + std::string(path) +
           ".  Check that the folder exists and that you may write to it.";
}

bool SaveReportAsPdf(Platform& platform, const ReportPages& report) {
    const PdfSaveResult result = platform.SaveReportAsPdf(report);
    if (result.outcome == PdfSaveOutcome::Failed) {
        platform.MsgBox(PdfNotWrittenText(result.path), kMsgExclamation, std::string(kApplicationTitle));
    }
    return result.outcome == PdfSaveOutcome::Saved;
}

} // namespace korveld
