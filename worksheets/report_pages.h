// A report as the print preview and the PDF show it: the page the printer prints, line for line,
// and for a selection the picture of the series' operating windows on a page of its own.
#pragma once

#include "engine/operating_windows.h"
#include "worksheets/print_document.h"

#include <optional>
#include <string>

namespace korveld {

struct ReportPages {
    std::string title; // names the preview window and the file offered for the PDF
    PrintDocument page;
    std::optional<OperatingWindows> chart;
};

enum class PdfSaveOutcome { Saved, Cancelled, Failed };

struct PdfSaveResult {
    PdfSaveOutcome outcome = PdfSaveOutcome::Cancelled;
    std::string path; // the file chosen; empty when cancelled
};

} // namespace korveld
