#include "web/web_platform.h"

#include "engine/operating_windows.h"
#include "worksheets/control.h"
#include "worksheets/form.h"
#include "worksheets/print_document.h"
#include "worksheets/report_pages.h"

namespace korveld::web {

namespace {

std::string_view iconOf(std::int16_t style) {
    switch (style & 0x70) {
    case kMsgCritical:
        return "critical";
    case kMsgQuestion:
        return "question";
    case kMsgExclamation:
        return "exclamation";
    case kMsgInformation:
        return "information";
    default:
        return "";
    }
}

// A window of sizes as bars in the capacity unit of the entry: the chart the page draws.
nlohmann::json chartJson(const OperatingWindows& chart) {
    nlohmann::json sizes = nlohmann::json::array();
    for (const SizeWindowBar& bar : chart.sizes) {
        sizes.push_back({{"size", bar.SizeNo},
                         {"name", bar.ValName},
                         {"capacity", chart.inUnit(bar.ValCapacity)},
                         {"low", chart.inUnit(bar.window.MinValCapacity)},
                         {"high", chart.inUnit(bar.window.MaxValCapacity)}});
    }
    std::string message;
    if (chart.entryFailure) {
        message = chart.entryFailure->text;
    } else if (chart.message) {
        message = chart.message->text;
    }
    return {{"refrigerant", chart.refrigerant},
            {"series", chart.series},
            {"evap", chart.evapTemp},
            {"cond", chart.condTemp},
            {"liq", chart.liqTemp},
            {"metric", chart.metric},
            {"unit", chart.unitCaption},
            {"required", chart.inUnit(chart.InputCapacity)},
            {"selected", chart.selectedSize},
            {"message", message},
            {"sizes", sizes}};
}

} // namespace

void WebPlatform::setUserSettings(NumberLocale locale, std::string date, std::string time) {
    m_locale = std::move(locale);
    m_date = std::move(date);
    m_time = std::move(time);
}

void WebPlatform::loadHelpText(std::string_view text) {
    m_help = parseHelpText(text);
}

nlohmann::json WebPlatform::takeEffects() {
    nlohmann::json effects = std::move(m_effects);
    m_effects = nlohmann::json::array();
    return effects;
}

nlohmann::json WebPlatform::takeFocus() {
    nlohmann::json focus = std::move(m_focus);
    m_focus = nullptr;
    return focus;
}

nlohmann::json WebPlatform::topicJson(const HelpTopic& topic) {
    return {{"id", topic.contextId},
            {"popup", topic.kind == HelpTopicKind::Popup},
            {"title", topic.title},
            {"keywords", topic.keywords},
            {"html", helpBodyHtml(topic)}};
}

nlohmann::json WebPlatform::searchTopics(std::string_view query) const {
    nlohmann::json found = nlohmann::json::array();
    if (m_help.ok()) {
        for (const HelpTopic* topic : searchHelp(m_help.file, query)) {
            found.push_back({{"id", topic->contextId}, {"title", topic->title}});
        }
    }
    return found;
}

int WebPlatform::MsgBox(const std::string& prompt, std::int16_t style, const std::string& title) {
    m_effects.push_back(
        {{"type", "msgbox"}, {"title", title}, {"text", prompt}, {"icon", iconOf(style)}, {"form", m_origin}});
    return kIdOk;
}

void WebPlatform::SetFocus(Control& control) {
    m_focus = {{"form", control.form().name()}, {"control", control.fullName()}};
}

void WebPlatform::ShowWindow(Form& form) {
    m_effects.push_back({{"type", "activate"}, {"form", form.name()}});
}

bool WebPlatform::WinHelp(std::uintptr_t /*helpWnd*/, const std::string& /*helpFile*/, HelpCommand command,
                          std::uint32_t contextId, const std::string& key) {
    nlohmann::json effect{{"type", "help"}, {"form", m_origin}};
    if (!m_help.ok()) {
        effect["command"] = "problem";
        effect["text"] = m_help.message;
        m_effects.push_back(std::move(effect));
        return true;
    }
    switch (command) {
    case HelpCommand::Context:
    case HelpCommand::ContextPopup:
        if (const HelpTopic* topic = m_help.file.find(static_cast<std::int32_t>(contextId))) {
            effect["command"] = command == HelpCommand::ContextPopup ? "popup" : "topic";
            effect["topic"] = topicJson(*topic);
        } else {
            effect["command"] = "problem";
            effect["text"] = "The help file has no topic " + std::to_string(contextId) + ".";
        }
        break;
    case HelpCommand::Index: {
        effect["command"] = "contents";
        effect["topics"] = searchTopics("");
        break;
    }
    case HelpCommand::PartialKey:
        effect["command"] = "search";
        effect["key"] = key;
        effect["topics"] = searchTopics(key);
        break;
    }
    m_effects.push_back(std::move(effect));
    return true;
}

void WebPlatform::printView(const std::string& title, const korveld::PrintDocument& document, bool printNow) {
    m_effects.push_back(
        {{"type", "print"}, {"title", title}, {"lines", renderPlainText(document)}, {"printNow", printNow}});
}

bool WebPlatform::PrintDocument(const korveld::PrintDocument& document, const std::string& jobName) {
    printView(jobName, document, true);
    return true;
}

void WebPlatform::PreviewReport(const ReportPages& report) {
    printView(report.title, report.page, false);
    if (report.chart) {
        m_effects.back()["chart"] = chartJson(*report.chart);
    }
}

// The browser's print dialog saves PDF: the report goes to the print view, and the dialog asks
// for the file. Whether it was saved the page cannot know, so the answer is that of a cancel,
// which shows nothing more.
PdfSaveResult WebPlatform::SaveReportAsPdf(const ReportPages& report) {
    printView(report.title, report.page, true);
    if (report.chart) {
        m_effects.back()["chart"] = chartJson(*report.chart);
    }
    return {PdfSaveOutcome::Cancelled, {}};
}

void WebPlatform::ShowOperatingWindows(const OperatingWindows& chart) {
    m_effects.push_back({{"type", "chart"}, {"form", m_origin}, {"chart", chartJson(chart)}});
}

void WebPlatform::HideOperatingWindows() {
    m_effects.push_back({{"type", "hideChart"}});
}

void WebPlatform::ShowSeriesComparison(SeriesComparison& /*comparison*/) {
    m_comparisonShown = true;
    m_effects.push_back({{"type", "comparison"}});
}

// The page draws the window from the worksheet's model; the effect brings it forward.
void WebPlatform::ShowSchedule(ScheduleWindow& /*schedule*/) {
    m_effects.push_back({{"type", "schedule"}});
}

nlohmann::json WebPlatform::ask(nlohmann::json question) {
    if (!m_questions.ask) {
        return {{"button", "cancel"}};
    }
    question["form"] = m_origin;
    question["state"] = m_pageState ? m_pageState() : nlohmann::json(nullptr);
    nlohmann::json answer = m_questions.ask(question);
    return answer.is_object() ? answer : nlohmann::json{{"button", "cancel"}};
}

std::optional<std::string> WebPlatform::InputBox(const std::string& prompt, const std::string& title,
                                                 const std::string& initial) {
    const nlohmann::json answer = ask({{"type", "input"}, {"title", title}, {"text", prompt}, {"initial", initial}});
    if (answer.value("button", "") != "ok") {
        return std::nullopt;
    }
    return answer.value("text", "");
}

// The page has no folders: a file is named by its name alone. Saved files go to the browser as
// downloads under that name; an opened file is the one the user picked. PDF is made by the
// browser's print dialog, which asks for the file itself.
std::string WebPlatform::AskFileName(FileQuestion question, const std::string& offered) {
    std::string offeredName = offered.substr(offered.find_last_of('/') + 1);
    if (question == FileQuestion::ExportPdf) {
        return offeredName;
    }
    const FileQuestionTexts texts = TextsOf(question);
    const bool opening = question == FileQuestion::OpenSchedule;
    const nlohmann::json answer =
        ask({{"type", "file"}, {"mode", opening ? "open" : "save"}, {"title", texts.title}, {"offered", offeredName}});
    std::string name = answer.value("name", "");
    if (answer.value("button", "") != "ok" || name.empty()) {
        return {};
    }
    name = name.substr(name.find_last_of("/\\") + 1);
    if (opening) {
        m_picked = name;
    } else if (name.find('.') == std::string::npos) {
        name += texts.suffix;
    }
    return name;
}

SaveChangesAnswer WebPlatform::AskSaveChanges(const std::string& prompt, const std::string& title) {
    const std::string button = ask({{"type", "saveChanges"}, {"title", title}, {"text", prompt}}).value("button", "");
    if (button == "save") {
        return SaveChangesAnswer::Save;
    }
    return button == "discard" ? SaveChangesAnswer::Discard : SaveChangesAnswer::Cancel;
}

FileReadResult WebPlatform::ReadTextFile(const std::string& path, std::size_t limit) {
    if (!m_picked || *m_picked != path || !m_questions.readPicked) {
        return {std::nullopt, "it was not picked in the page"};
    }
    PickedFileBytes picked = m_questions.readPicked(limit);
    if (picked.size > limit) {
        return {std::nullopt, "it is too large (" + std::to_string(picked.size / 1024) + " KB)"};
    }
    if (!picked.bytes) {
        // Gone or changed since it was picked.
        return {std::nullopt, "the browser could not read it"};
    }
    return {std::move(picked.bytes), {}};
}

std::optional<std::string> WebPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    const bool csv = path.size() >= 4 && path.compare(path.size() - 4, 4, ".csv") == 0;
    m_effects.push_back(
        {{"type", "download"}, {"name", path}, {"mime", csv ? "text/csv" : "text/plain"}, {"text", text}});
    return std::nullopt;
}

bool WebPlatform::WritePdfPages(const std::vector<korveld::PrintDocument>& pages, const std::string& title,
                                const std::string& /*path*/) {
    nlohmann::json printed = nlohmann::json::array();
    for (const korveld::PrintDocument& page : pages) {
        printed.push_back(renderPlainText(page));
    }
    m_effects.push_back({{"type", "print"}, {"title", title}, {"pages", printed}, {"printNow", true}});
    return true;
}

void WebPlatform::SetClipboardText(const std::string& text) {
    m_effects.push_back({{"type", "clipboard"}, {"text", text}});
}

void WebPlatform::EndProgram() {
    m_ended = true;
    m_effects.push_back({{"type", "end"}});
}

} // namespace korveld::web
