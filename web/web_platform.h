// The Platform of the browser edition. A message box, a help topic, a print job, a download or a
// window to bring forward becomes an effect that the page carries out after the handler has
// returned, in the order the handler asked for them. A message box answers OK at once (every box
// the program shows has only that button); the page keeps its box modal until the user closes it
// and only then puts the keyboard focus where the handler asked. The questions that need an answer
// (a line of text, a file, save the changes?) go to the page's questions, which in the page
// suspend the handler until the user answers; without them each question is answered Cancel.
#pragma once

#include "worksheets/help_file.h"
#include "worksheets/platform.h"

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace korveld::web {

// The bytes of the file the user picked last, or none when it is larger than asked (its size says).
struct PickedFileBytes {
    std::size_t size = 0;
    std::optional<std::string> bytes;
};

// What the page answers. `ask` shows the modal box a question describes ({"type": "input",
// "saveChanges" or "file", its texts, and "state": the windows and effects to show first) and
// returns the user's answer ({"button": "ok", "save", "discard" or "cancel", "text", "name"}).
struct PageQuestions {
    std::function<nlohmann::json(const nlohmann::json& question)> ask;
    std::function<PickedFileBytes(std::size_t limit)> readPicked;
};

class WebPlatform : public Platform {
public:
    void setQuestions(PageQuestions questions) { m_questions = std::move(questions); }
    // Everything the page draws (windows, effects, focus), taken before a question is shown.
    void setPageState(std::function<nlohmann::json()> state) { m_pageState = std::move(state); }
    // What the browser tells before every event: its number format, today's date and the time.
    void setUserSettings(NumberLocale locale, std::string date, std::string time);
    // The help file's text as the page fetched it; a file that cannot be used is reported by the
    // help viewer, as on the desktop.
    void loadHelpText(std::string_view text);
    const HelpParseResult& help() const { return m_help; }
    // The window whose event runs: message boxes and pop-ups belong to it.
    void setEventOrigin(std::string formName) { m_origin = std::move(formName); }

    // The effects asked for since the last take, in order; emptied.
    nlohmann::json takeEffects();
    // The control the last SetFocus named ({form, control}), or null; emptied.
    nlohmann::json takeFocus();
    bool ended() const { return m_ended; }
    bool comparisonShown() const { return m_comparisonShown; }
    void forgetComparison() { m_comparisonShown = false; }

    // A help topic as the page shows it: id, kind, title, keywords and the body as HTML.
    static nlohmann::json topicJson(const HelpTopic& topic);
    // The topics whose title or keywords hold every word of the query.
    nlohmann::json searchTopics(std::string_view query) const;

    int MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) override;
    void SetFocus(Control& control) override;
    void ShowWindow(Form& form) override;
    bool WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command, std::uint32_t contextId,
                 const std::string& key) override;
    std::string ApplicationFolder() override { return "."; }
    bool PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) override;
    std::string DateText() override { return m_date; }
    std::string TimeText() override { return m_time; }
    void PreviewReport(const ReportPages& report) override;
    PdfSaveResult SaveReportAsPdf(const ReportPages& report) override;
    void ShowOperatingWindows(const OperatingWindows& chart) override;
    void HideOperatingWindows() override;
    void ShowSeriesComparison(SeriesComparison& comparison) override;
    void ShowSchedule(ScheduleWindow& schedule) override;
    void HideSchedule() override {}
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& initial) override;
    std::string AskFileName(FileQuestion question, const std::string& offered) override;
    SaveChangesAnswer AskSaveChanges(const std::string& prompt, const std::string& title) override;
    FileReadResult ReadTextFile(const std::string& path, std::size_t limit) override;
    std::optional<std::string> WriteTextFile(const std::string& path, const std::string& text) override;
    bool WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                       const std::string& path) override;
    void SetClipboardText(const std::string& text) override;
    NumberLocale UserNumberLocale() override { return m_locale; }
    void EndProgram() override;

private:
    void printView(const std::string& title, const korveld::PrintDocument& document, bool printNow);
    // The page's answer to a question; Cancel when the page asks nothing.
    nlohmann::json ask(nlohmann::json question);

    PageQuestions m_questions;
    std::function<nlohmann::json()> m_pageState;
    // The name of the file the user picked last to open.
    std::optional<std::string> m_picked;

    nlohmann::json m_effects = nlohmann::json::array();
    nlohmann::json m_focus;
    HelpParseResult m_help{
        .file = {}, .error = HelpError::Missing, .line = 0, .message = "The help file has not been loaded."};
    NumberLocale m_locale;
    std::string m_date;
    std::string m_time;
    std::string m_origin;
    bool m_comparisonShown = false;
    bool m_ended = false;
};

} // namespace korveld::web
