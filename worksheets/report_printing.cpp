#include "worksheets/report_printing.h"

#include "worksheets/application.h"
#include "worksheets/platform.h"
#include "worksheets/report_pages.h"

namespace korveld {

bool PrintReport(Platform& platform, const PrintDocument& document) {
    if (platform.PrintDocument(document)) {
        return true;
    }
    platform.MsgBox(std::string(kPrinterErrorText), kMsgOkOnly, std::string(kApplicationTitle));
    return false;
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
