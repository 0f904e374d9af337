// Everything a window model asks of the machine it runs on: modal message boxes, keyboard focus,
// bringing a window to the front, the help viewer, the program's folder, the printer, the date
// and time, the user's number format, and ending the program. The Qt adapter implements it for real windows;
// RecordingPlatform implements it for tests and scripted runs.
#pragma once

#include "engine/number_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

class Control;
class Form;
struct OperatingWindows;
struct PdfSaveResult;
struct PrintDocument;
struct ReportPages;
class SeriesComparison;
class ScheduleWindow;

// Message box styles: the buttons in the low bits, the icon in bits 4..6.
inline constexpr std::int16_t kMsgOkOnly = 0;
inline constexpr std::int16_t kMsgCritical = 16;
inline constexpr std::int16_t kMsgQuestion = 32;
inline constexpr std::int16_t kMsgExclamation = 48;
inline constexpr std::int16_t kMsgInformation = 64;
// The answer of a box with an OK button.
inline constexpr int kIdOk = 1;

// The files a user is asked to choose.
enum class FileQuestion : std::uint8_t { OpenSchedule, SaveSchedule, ExportCsv, ExportPdf };

// What a file chooser says for each question: its title, the kinds of file it lists, and the
// ending a file name without one gets (none when opening).
struct FileQuestionTexts {
    std::string_view title;
    std::string_view filter;
    std::string_view suffix;
};
inline constexpr FileQuestionTexts TextsOf(FileQuestion question) {
    switch (question) {
    case FileQuestion::OpenSchedule:
        return {"Open Schedule", "Schedules (*.txt);;All files (*)", ""};
    case FileQuestion::SaveSchedule:
        return {"Save Schedule As", "Schedules (*.txt)", ".txt"};
    case FileQuestion::ExportCsv:
        return {"Export Schedule as CSV", "CSV files (*.csv)", ".csv"};
    case FileQuestion::ExportPdf:
        break;
    }
    return {"Export Schedule as PDF", "PDF files (*.pdf)", ".pdf"};
}

// The answer to "save the changes?".
enum class SaveChangesAnswer : std::uint8_t { Save, Discard, Cancel };

// A whole file read, or why it could not be.
struct FileReadResult {
    std::optional<std::string> text;
    std::string problem;
};

// The help viewer's commands, with their classic numbers.
enum class HelpCommand : std::uint32_t {
    Context = 1,        // HELP_CONTEXT: open a topic in the help window
    ContextPopup = 8,   // HELP_CONTEXTPOPUP: a pop-up topic at the pointer
    Index = 3,          // HELP_INDEX: the contents
    PartialKey = 0x105, // HELP_PARTIALKEY: the search dialog over titles and keywords
};

class Platform {
public:
    virtual ~Platform() = default;

    // Modal; returns the button pressed (kIdOk).
    virtual int MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) = 0;
    virtual void SetFocus(Control& control) = 0;
    // Brings the window to the front; its visible, enabled and size state is the model's.
    virtual void ShowWindow(Form& form) = 0;
    // `contextId` is the data of Context and ContextPopup, `key` that of PartialKey.
    virtual bool WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command,
                         std::uint32_t contextId, const std::string& key) = 0;
    // The running executable's folder.
    virtual std::string ApplicationFolder() = 0;
    // Prints one document on the default printer as a job named `jobName`; false when the printer
    // did not accept it.
    virtual bool PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) = 0;
    // The current date and time in the system's short formats.
    virtual std::string DateText() = 0;
    virtual std::string TimeText() = 0;
    // Shows the report in a print preview, from which the user may also print it.
    virtual void PreviewReport(const ReportPages& report) = 0;
    // Asks the user for a file and writes the report there as PDF.
    virtual PdfSaveResult SaveReportAsPdf(const ReportPages& report) = 0;
    // Shows the picture in the operating-window chart (one window for the program), or hides it.
    virtual void ShowOperatingWindows(const OperatingWindows& chart) = 0;
    virtual void HideOperatingWindows() = 0;
    // Shows the comparison of every series in its window (one for the program), or brings it
    // forward with the rows it holds now.
    virtual void ShowSeriesComparison(SeriesComparison& comparison) = 0;
    // Shows the schedule window (one for the program) with what the model holds, or hides it.
    virtual void ShowSchedule(ScheduleWindow& schedule) = 0;
    virtual void HideSchedule() = 0;
    // A modal question for one line of text, with OK and Cancel; nullopt when cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& initial) = 0;
    // A modal file chooser; `offered` is the file proposed. Empty when cancelled.
    virtual std::string AskFileName(FileQuestion question, const std::string& offered) = 0;
    // A modal Save / Discard / Cancel question.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& prompt, const std::string& title) = 0;
    // Reads a whole file, refusing one larger than `limit` bytes without reading it.
    virtual FileReadResult ReadTextFile(const std::string& path, std::size_t limit) = 0;
    // Writes a file whole or not at all: a temporary file in the same folder renamed over the old
    // one. nullopt when written; otherwise why not, and the old file is as it was.
    virtual std::optional<std::string> WriteTextFile(const std::string& path, const std::string& text) = 0;
    // Writes pages of text as one PDF file; false when it cannot be written.
    virtual bool WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                               const std::string& path) = 0;
    // Puts plain text on the clipboard, for pasting into a spreadsheet.
    virtual void SetClipboardText(const std::string& text) = 0;
    // The decimal and grouping characters of the user's locale, for entries and shown numbers.
    virtual NumberLocale UserNumberLocale() { return {}; }
    // Ends the program at once: every window closes, nothing is saved.
    virtual void EndProgram() = 0;
};

} // namespace korveld
