#include "worksheets/recording_platform.h"

#include "worksheets/control.h"
#include "worksheets/form.h"
#include "worksheets/text_files.h"

namespace korveld {

namespace {

const char* commandName(HelpCommand command) {
    switch (command) {
    case HelpCommand::Context:
        return "HELP_CONTEXT";
    case HelpCommand::ContextPopup:
        return "HELP_CONTEXTPOPUP";
    case HelpCommand::Index:
        return "HELP_INDEX";
    case HelpCommand::PartialKey:
        return "HELP_PARTIALKEY";
    }
    return "?";
}

} // namespace

int RecordingPlatform::MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) {
    m_messages.push_back({prompt, style, title});
    if (m_logging) {
        m_log.push_back("MsgBox(" + std::to_string(style) + ", " + title + ", " + prompt + ")");
    }
    return kIdOk;
}

void RecordingPlatform::SetFocus(Control& control) {
    m_focused = &control;
    if (m_logging) {
        m_focusHistory.push_back(control.fullName());
        m_log.push_back("SetFocus(" + control.fullName() + ")");
    }
}

void RecordingPlatform::ShowWindow(Form& form) {
    if (m_logging) {
        m_shownWindows.emplace_back(form.name());
        m_log.push_back("ShowWindow(" + std::string(form.name()) + ")");
    }
}

bool RecordingPlatform::WinHelp(std::uintptr_t helpWnd, const std::string& helpFile, HelpCommand command,
                                std::uint32_t contextId, const std::string& key) {
    m_helpCalls.push_back({helpWnd, helpFile, command, contextId, key});
    if (!m_logging) {
        return true;
    }
    m_log.push_back(std::string("WinHelp(") + commandName(command) + ", " + std::to_string(contextId) + ", " +
                    helpFile + ")");
    return true;
}

std::string RecordingPlatform::ApplicationFolder() {
    if (m_logging) {
        m_log.emplace_back("ApplicationFolder()");
    }
    return m_folder;
}

bool RecordingPlatform::PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) {
    if (m_logging) {
        m_log.push_back("PrintDocument(" + jobName + (m_printerWorks ? ")" : ") failed"));
    }
    if (m_printerWorks) {
        m_printed.push_back(document);
        m_printedJobNames.push_back(jobName);
    }
    return m_printerWorks;
}

void RecordingPlatform::PreviewReport(const ReportPages& report) {
    m_previewed.push_back(report);
    m_log.push_back("PreviewReport(" + report.title + ")");
}

PdfSaveResult RecordingPlatform::SaveReportAsPdf(const ReportPages& report) {
    m_pdfRequests.push_back(report);
    m_log.push_back("SaveReportAsPdf(" + report.title + ")");
    return m_pdfAnswer;
}

void RecordingPlatform::ShowOperatingWindows(const OperatingWindows& chart) {
    m_charts.push_back(chart);
    m_chartShown = true;
    m_log.push_back("ShowOperatingWindows(" + chart.series + ")");
}

void RecordingPlatform::HideOperatingWindows() {
    m_chartShown = false;
    m_log.emplace_back("HideOperatingWindows()");
}

void RecordingPlatform::ShowSeriesComparison(SeriesComparison& comparison) {
    m_comparison = &comparison;
    if (m_logging) {
        m_log.emplace_back("ShowSeriesComparison()");
    }
}

void RecordingPlatform::ShowSchedule(ScheduleWindow& schedule) {
    m_schedule = &schedule;
    m_scheduleShown = true;
    if (m_logging) {
        m_log.emplace_back("ShowSchedule()");
    }
}

void RecordingPlatform::HideSchedule() {
    m_scheduleShown = false;
    if (m_logging) {
        m_log.emplace_back("HideSchedule()");
    }
}

std::optional<std::string> RecordingPlatform::InputBox(const std::string& prompt, const std::string& title,
                                                       const std::string& initial) {
    m_inputPrompts.push_back(prompt);
    if (m_logging) {
        m_log.push_back("InputBox(" + title + ", " + prompt + ", " + initial + ")");
    }
    if (m_inputAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(m_inputAnswers.front());
    m_inputAnswers.erase(m_inputAnswers.begin());
    return answer;
}

std::string RecordingPlatform::AskFileName(FileQuestion question, const std::string& offered) {
    m_fileQuestions.emplace_back(question, offered);
    if (m_fileAnswers.empty()) {
        return {};
    }
    std::string answer = std::move(m_fileAnswers.front());
    m_fileAnswers.erase(m_fileAnswers.begin());
    return answer;
}

SaveChangesAnswer RecordingPlatform::AskSaveChanges(const std::string& prompt, const std::string& title) {
    m_saveQuestions.push_back(prompt);
    if (m_logging) {
        m_log.push_back("AskSaveChanges(" + title + ", " + prompt + ")");
    }
    if (m_saveAnswers.empty()) {
        return SaveChangesAnswer::Cancel;
    }
    const SaveChangesAnswer answer = m_saveAnswers.front();
    m_saveAnswers.erase(m_saveAnswers.begin());
    return answer;
}

FileReadResult RecordingPlatform::ReadTextFile(const std::string& path, std::size_t limit) {
    return ReadWholeFile(path, limit);
}

std::optional<std::string> RecordingPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    return ReplaceFileWith(path, text);
}

bool RecordingPlatform::WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string&,
                                      const std::string& path) {
    m_pdfPages.emplace_back(path, pages);
    return m_printerWorks;
}

void RecordingPlatform::SetClipboardText(const std::string& text) {
    m_clipboard = text;
    m_log.emplace_back("SetClipboardText()");
}

std::string RecordingPlatform::DateText() {
    if (m_logging) {
        m_log.emplace_back("DateText()");
    }
    return m_date;
}

std::string RecordingPlatform::TimeText() {
    if (m_logging) {
        m_log.emplace_back("TimeText()");
    }
    return m_time;
}

void RecordingPlatform::EndProgram() {
    m_ended = true;
    if (m_logging) {
        m_log.emplace_back("EndProgram()");
    }
}

void RecordingPlatform::setDateTime(std::string date, std::string time) {
    m_date = std::move(date);
    m_time = std::move(time);
}

void RecordingPlatform::reset() {
    clear();
    m_folder = kInitialFolder;
    m_date = kInitialDate;
    m_time = kInitialTime;
    m_printerWorks = true;
    m_logging = true;
    m_locale = {};
    m_comparison = nullptr;
    m_schedule = nullptr;
    m_scheduleShown = false;
    m_inputAnswers.clear();
    m_fileAnswers.clear();
    m_saveAnswers.clear();
}

void RecordingPlatform::clear() {
    m_log.clear();
    m_messages.clear();
    m_helpCalls.clear();
    m_printed.clear();
    m_printedJobNames.clear();
    m_previewed.clear();
    m_pdfRequests.clear();
    m_charts.clear();
    m_inputPrompts.clear();
    m_fileQuestions.clear();
    m_saveQuestions.clear();
    m_pdfPages.clear();
    m_focusHistory.clear();
    m_shownWindows.clear();
    m_focused = nullptr;
    m_ended = false;
}

} // namespace korveld
