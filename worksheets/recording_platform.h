// A Platform for tests and scripted runs: logs every call in order, answers message boxes at once
// with OK, records focus, help calls and printed documents, and gives fixed date and time texts.
#pragma once

#include "worksheets/platform.h"
#include "worksheets/print_document.h"
#include "worksheets/report_pages.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korveld {

class RecordingPlatform : public Platform {
public:
    struct Message {
        std::string prompt;
        std::int16_t style = 0;
        std::string title;
        bool operator==(const Message&) const = default;
    };
    struct HelpCall {
        std::uintptr_t helpWnd = 0;
        std::string helpFile;
        HelpCommand command = HelpCommand::Context;
        std::uint32_t contextId = 0;
        std::string key;
        bool operator==(const HelpCall&) const = default;
    };

    int MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) override;
    void SetFocus(Control& control) override;
    void ShowWindow(Form& form) override;
    bool WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command, std::uint32_t contextId,
                 const std::string& key) override;
    std::string ApplicationFolder() override;
    bool PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) override;
    std::string DateText() override;
    std::string TimeText() override;
    void PreviewReport(const ReportPages& report) override;
    PdfSaveResult SaveReportAsPdf(const ReportPages& report) override;
    void ShowOperatingWindows(const OperatingWindows& chart) override;
    void HideOperatingWindows() override;
    void ShowSeriesComparison(SeriesComparison& comparison) override;
    void ShowSchedule(ScheduleWindow& schedule) override;
    void HideSchedule() override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& initial) override;
    std::string AskFileName(FileQuestion question, const std::string& offered) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt, const std::string& title) override;
    // Real files: tests give paths in folders of their own.
    FileReadResult ReadTextFile(const std::string& path, std::size_t limit) override;
    std::optional<std::string> WriteTextFile(const std::string& path, const std::string& text) override;
    bool WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                       const std::string& path) override;
    void SetClipboardText(const std::string& text) override;
    NumberLocale UserNumberLocale() override { return m_locale; }
    void EndProgram() override;

    void setApplicationFolder(std::string folder) { m_folder = std::move(folder); }
    // The answers of the next questions, in order; once they are used up, an input box and a file
    // chooser are cancelled and the save question answers Cancel.
    void answerInputBoxes(std::vector<std::optional<std::string>> answers) { m_inputAnswers = std::move(answers); }
    void answerFileNames(std::vector<std::string> answers) { m_fileAnswers = std::move(answers); }
    void answerSaveChanges(std::vector<SaveChangesAnswer> answers) { m_saveAnswers = std::move(answers); }
    void setPrinterWorks(bool works) { m_printerWorks = works; }
    // What the next PDF requests answer: the file chosen and whether it could be written.
    void setPdfAnswer(PdfSaveResult answer) { m_pdfAnswer = std::move(answer); }
    void setDateTime(std::string date, std::string time);
    void setNumberLocale(NumberLocale locale) { m_locale = std::move(locale); }
    // Off: log(), focusHistory() and shownWindows() stay empty; messages, help calls, printed
    // documents and the focused control are still recorded.
    void setLogging(bool logging) { m_logging = logging; }
    // Forgets everything recorded so far (the settings stay).
    void clear();
    // Forgets everything and puts every setting back to its initial value.
    void reset();

    // Every call, one line each, in order: "MsgBox(48, TITLE, prompt)", "SetFocus(txtEvapTemp)".
    const std::vector<std::string>& log() const { return m_log; }
    const std::vector<Message>& messages() const { return m_messages; }
    const std::vector<HelpCall>& helpCalls() const { return m_helpCalls; }
    const std::vector<korveld::PrintDocument>& printed() const { return m_printed; }
    // The job name of each printed document, in the same order.
    const std::vector<std::string>& printedJobNames() const { return m_printedJobNames; }
    const std::vector<ReportPages>& previewed() const { return m_previewed; }
    // Every report asked for as PDF, written or not.
    const std::vector<ReportPages>& pdfRequests() const { return m_pdfRequests; }
    // Every picture shown in the chart window, and whether that window shows now.
    const std::vector<OperatingWindows>& charts() const { return m_charts; }
    bool chartShown() const { return m_chartShown; }
    // The comparison window's model, once it has been shown.
    SeriesComparison* comparisonShown() const { return m_comparison; }
    // The schedule window's model, once shown, and whether the window shows now.
    ScheduleWindow* scheduleWindow() const { return m_schedule; }
    bool scheduleShown() const { return m_scheduleShown; }
    // The prompts of the input boxes, file choosers (the file offered) and save questions asked.
    const std::vector<std::string>& inputPrompts() const { return m_inputPrompts; }
    const std::vector<std::pair<FileQuestion, std::string>>& fileQuestions() const { return m_fileQuestions; }
    const std::vector<std::string>& saveQuestions() const { return m_saveQuestions; }
    // The pages of every PDF written through WritePdfPages, and its path.
    const std::vector<std::pair<std::string, std::vector<korveld::PrintDocument>>>& pdfPages() const {
        return m_pdfPages;
    }
    // The clipboard's text: what was put there last.
    const std::string& clipboard() const { return m_clipboard; }
    // The control that got the focus last, or nullptr; valid while its window is loaded.
    Control* focused() const { return m_focused; }
    // Full names of the controls that got the focus, in order.
    const std::vector<std::string>& focusHistory() const { return m_focusHistory; }
    const std::vector<std::string>& shownWindows() const { return m_shownWindows; }
    bool ended() const { return m_ended; }

private:
    static constexpr std::string_view kInitialFolder = "/opt/korveld";
    static constexpr std::string_view kInitialDate = "12/6/2026";
    static constexpr std::string_view kInitialTime = "9:30 AM";

    std::string m_folder{kInitialFolder};
    std::string m_date{kInitialDate};
    std::string m_time{kInitialTime};
    bool m_printerWorks = true;
    bool m_logging = true;
    NumberLocale m_locale;

    std::vector<std::string> m_log;
    std::vector<Message> m_messages;
    std::vector<HelpCall> m_helpCalls;
    std::vector<korveld::PrintDocument> m_printed;
    std::vector<std::string> m_printedJobNames;
    PdfSaveResult m_pdfAnswer{PdfSaveOutcome::Saved, "/tmp/report.pdf"};
    std::vector<ReportPages> m_previewed;
    std::vector<ReportPages> m_pdfRequests;
    std::vector<OperatingWindows> m_charts;
    bool m_chartShown = false;
    SeriesComparison* m_comparison = nullptr;
    ScheduleWindow* m_schedule = nullptr;
    bool m_scheduleShown = false;
    std::vector<std::optional<std::string>> m_inputAnswers;
    std::vector<std::string> m_fileAnswers;
    std::vector<SaveChangesAnswer> m_saveAnswers;
    std::vector<std::string> m_inputPrompts;
    std::vector<std::pair<FileQuestion, std::string>> m_fileQuestions;
    std::vector<std::string> m_saveQuestions;
    std::vector<std::pair<std::string, std::vector<korveld::PrintDocument>>> m_pdfPages;
    std::string m_clipboard;
    std::vector<std::string> m_focusHistory;
    std::vector<std::string> m_shownWindows;
    Control* m_focused = nullptr;
    bool m_ended = false;
};

} // namespace korveld
