#include "worksheets/recording_platform.h"

#include "worksheets/control.h"
#include "worksheets/form.h"

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
        m_log.push_back("ApplicationFolder()");
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
    m_log.push_back("HideOperatingWindows()");
}

void RecordingPlatform::SetClipboardText(const std::string& text) {
    m_clipboard = text;
    m_log.push_back("SetClipboardText()");
}

std::string RecordingPlatform::DateText() {
    if (m_logging) {
        m_log.push_back("DateText()");
    }
    return m_date;
}

std::string RecordingPlatform::TimeText() {
    if (m_logging) {
        m_log.push_back("TimeText()");
    }
    return m_time;
}

void RecordingPlatform::EndProgram() {
    m_ended = true;
    if (m_logging) {
        m_log.push_back("EndProgram()");
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
    m_focusHistory.clear();
    m_shownWindows.clear();
    m_focused = nullptr;
    m_ended = false;
}

} // namespace korveld
