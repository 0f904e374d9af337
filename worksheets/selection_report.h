// The selection report: the inputs of the worksheet and the answer of the results dialog on one
// page of plain text, labels at column 3 and values at column 50.
#pragma once

#include "engine/number_text.h"
#include "worksheets/print_document.h"
#include "worksheets/report_pages.h"

#include <string_view>

namespace korveld {

class frmkorveld;
class frmResults;

PrintDocument SelectionReport(const frmkorveld& worksheet, const frmResults& results, std::string_view date,
                              std::string_view time, const NumberLocale& locale = {});

// Prints the report on the default printer; a printer that fails gets the printer-error message.
void PrintSelectionReport(frmkorveld& worksheet, frmResults& results);

// The report for the preview and the PDF: the same page, dated by the platform, and the picture
// of the operating windows the selection walked through.
ReportPages SelectionReportPages(frmkorveld& worksheet, frmResults& results);

} // namespace korveld
