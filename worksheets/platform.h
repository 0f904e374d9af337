// Everything a window model asks of the machine it runs on: modal message boxes, keyboard focus,
// bringing a window to the front, the help viewer, the program's folder, the printer, the date
// and time, the user's number format, and ending the program. The Qt adapter implements it for real windows;
// RecordingPlatform implements it for tests and scripted runs.
#pragma once

#include "engine/number_text.h"

#include <cstdint>
#include <string>

namespace korveld {

class Control;
class Form;
struct OperatingWindows;
struct PdfSaveResult;
struct PrintDocument;
struct ReportPages;

// Message box styles: the buttons in the low bits, the icon in bits 4..6.
inline constexpr std::int16_t kMsgOkOnly = 0;
inline constexpr std::int16_t kMsgCritical = 16;
inline constexpr std::int16_t kMsgQuestion = 32;
inline constexpr std::int16_t kMsgExclamation = 48;
inline constexpr std::int16_t kMsgInformation = 64;
// The answer of a box with an OK button.
inline constexpr int kIdOk = 1;

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
    // Puts plain text on the clipboard, for pasting into a spreadsheet.
    virtual void SetClipboardText(const std::string& text) = 0;
    // The decimal and grouping characters of the user's locale, for entries and shown numbers.
    virtual NumberLocale UserNumberLocale() { return {}; }
    // Ends the program at once: every window closes, nothing is saved.
    virtual void EndProgram() = 0;
};

} // namespace korveld
