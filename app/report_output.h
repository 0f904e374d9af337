// The reports on paper-like devices other than the default printer: the print preview and PDF
// files. The printed page goes through the same painting as the printer path, so both hold the
// same lines in the same columns; a selection's chart follows on a page of its own.
#pragma once

#include "engine/number_text.h"
#include "worksheets/report_pages.h"

#include <QString>

class QPrinter;
class QWidget;

namespace korveld {

// Paints every page of the report on a printer that is set up and not yet begun.
// Returns false when the printer cannot be painted on (a PDF file that cannot be written).
bool paintReportPages(QPrinter& printer, const ReportPages& report, const NumberLocale& locale);

// Writes the report to `path` as a PDF file; false when the file cannot be written.
bool writeReportPdf(const ReportPages& report, const QString& path, const NumberLocale& locale);

// Shows the modal print preview of the report over `parent`.
void previewReport(const ReportPages& report, const NumberLocale& locale, QWidget* parent);

// The file name offered for a report: its title without characters a file name cannot hold.
QString pdfFileNameFor(const ReportPages& report);

} // namespace korveld
