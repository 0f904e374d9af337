#include "worksheets/schedule_window.h"

#include "engine/choice_rules.h"
#include "engine/float_text.h"
#include "engine/units.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"
#include "worksheets/print_document.h"
#include "worksheets/schedule_file.h"
#include "worksheets/selection_rehearsal.h"
#include "worksheets/user_steps.h"

#include <algorithm>
#include <charconv>

namespace korveld {

namespace {

std::string trimmedText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The shortest text that reads back to the Single, with '.'.
std::string plainSingle(float value) {
    char text[32];
    const auto written = WriteShortest(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

// A number typed in the user's locale as a plain decimal with '.'; empty when it is none.
std::string plainTyped(const std::string& typed, const NumberLocale& locale) {
    const std::optional<double> value = ParseNumber(typed, locale);
    if (!value) {
        return {};
    }
    std::string text = trimmedText(typed);
    if (const std::size_t at = text.find(locale.decimal); locale.decimal != "." && at != std::string::npos) {
        text.replace(at, locale.decimal.size(), ".");
    }
    return text;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

constexpr std::string_view kOpenTitle = "Open Schedule";
constexpr std::string_view kSaveTitle = "Save Schedule";
constexpr std::string_view kExportTitle = "Export Schedule";
constexpr std::size_t kProblemsListed = 20;

} // namespace

ScheduleWindow::ScheduleWindow(frmkorveld& sheet) : m_sheet(sheet) {}

std::string ScheduleWindow::title() const {
    std::string title(kScheduleCaption);
    title += " - ";
    title += m_path.empty() ? std::string(kUntitledSchedule) : fileNameOf(m_path);
    if (m_schedule.modified()) {
        title += " *";
    }
    return title;
}

void ScheduleWindow::setCurrentRow(std::optional<std::size_t> row) {
    m_current = row && *row < m_schedule.size() ? row : std::nullopt;
}

void ScheduleWindow::show() {
    m_visible = true;
    m_sheet.platform().ShowSchedule(*this);
}

bool ScheduleWindow::close() {
    if (!settleUnsavedChanges()) {
        return false;
    }
    m_visible = false;
    m_sheet.platform().HideSchedule();
    return true;
}

void ScheduleWindow::showMessage(const std::string& text, std::string_view title) const {
    ShowMessage(m_sheet, text, title);
}

ScheduleEntry ScheduleWindow::entryFromWorksheet(std::string tag) const {
    ScheduleEntry entry;
    entry.tag = std::move(tag);
    entry.inputs = ReadSelectionInputs(m_sheet);
    entry.unitCaption = m_sheet.lblInputUnits.caption();
    SelectionOutcome& outcome = entry.outcome;
    outcome.SeriesNo = entry.inputs.SeriesNo;
    outcome.seriesText = m_sheet.txtSelValve.text();
    if (const auto* results = static_cast<const frmResults*>(m_sheet.program().loaded(FormId::frmResults));
        results != nullptr && m_sheet.selectedValve()) {
        outcome.valve = m_sheet.selectedValve();
        outcome.valveName = results->txtValSelected.text();
        outcome.capacityText = results->txtValCapacity.text();
        outcome.loadingText = results->txtValveLoading.text();
        outcome.powerAssembly = results->txtPowAssby.text();
        outcome.cageAssembly = results->txtCageAssby.text();
        outcome.replaceAdvice = m_sheet.uv().ReplaceAdvice;
        outcome.conditions = m_sheet.selectionConditions();
    }
    return entry;
}

bool ScheduleWindow::addSelection() {
    if (m_sheet.program().loaded(FormId::frmResults) == nullptr || !m_sheet.selectedValve()) {
        return false;
    }
    std::string typed;
    for (;;) {
        const std::optional<std::string> answer =
            m_sheet.platform().InputBox(std::string(kTagQuestionPrompt), std::string(kTagQuestionTitle), typed);
        if (!answer) {
            return false;
        }
        typed = *answer;
        if (const std::optional<std::string> problem = TagProblem(typed, m_schedule.entries())) {
            showMessage(*problem, kTagQuestionTitle);
            continue;
        }
        m_schedule.add(entryFromWorksheet(trimmedText(typed)));
        m_current = m_schedule.size() - 1;
        show();
        return true;
    }
}

void ScheduleWindow::selectionShown() {
    if (!m_reopened || *m_reopened >= m_schedule.size()) {
        m_reopened.reset();
        return;
    }
    const std::size_t row = *m_reopened;
    m_schedule.replace(row, entryFromWorksheet(m_schedule[row].tag));
    m_current = row;
    m_reopened.reset();
    if (m_visible) {
        show();
    }
}

void ScheduleWindow::remove() {
    if (!m_current) {
        return;
    }
    const std::size_t row = *m_current;
    m_schedule.remove(row);
    if (m_reopened) {
        m_reopened = *m_reopened == row  ? std::nullopt
                     : *m_reopened > row ? std::optional<std::size_t>(*m_reopened - 1)
                                         : m_reopened;
    }
    setCurrentRow(m_schedule.empty() ? std::nullopt : std::optional<std::size_t>(std::min(row, m_schedule.size() - 1)));
}

void ScheduleWindow::moveUp() {
    if (canMoveUp() && m_schedule.moveUp(*m_current)) {
        const std::size_t row = *m_current;
        if (m_reopened == row) {
            m_reopened = row - 1;
        } else if (m_reopened == row - 1) {
            m_reopened = row;
        }
        m_current = row - 1;
    }
}

void ScheduleWindow::moveDown() {
    if (canMoveDown() && m_schedule.moveDown(*m_current)) {
        const std::size_t row = *m_current;
        if (m_reopened == row) {
            m_reopened = row + 1;
        } else if (m_reopened == row + 1) {
            m_reopened = row;
        }
        m_current = row + 1;
    }
}

void ScheduleWindow::reopen() {
    if (!m_current) {
        return;
    }
    if (!m_sheet.enabled()) {
        showMessage("The worksheet waits for its results dialog: press OK there first.", kScheduleCaption);
        return;
    }
    const std::size_t row = *m_current;
    EnterOnFreshWorksheet(m_sheet.program(), m_sheet, m_schedule[row].inputs);
    m_reopened = row;
}

bool ScheduleWindow::settleUnsavedChanges() {
    if (!m_schedule.modified()) {
        return true;
    }
    const std::string name = m_path.empty() ? std::string(kUntitledSchedule) : fileNameOf(m_path);
    switch (m_sheet.platform().AskSaveChanges("The schedule " + name +
                                                  " has changes that are not saved.  "
                                                  "Save them before it closes?",
                                              std::string(kScheduleCaption))) {
    case SaveChangesAnswer::Save:
        return save();
    case SaveChangesAnswer::Discard:
        m_schedule.assign({});
        m_path.clear();
        m_current.reset();
        m_reopened.reset();
        return true;
    case SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

void ScheduleWindow::open() {
    if (!settleUnsavedChanges()) {
        return;
    }
    Platform& platform = m_sheet.platform();
    const std::string path = platform.AskFileName(FileQuestion::OpenSchedule, m_path);
    if (path.empty()) {
        return;
    }
    const FileReadResult read = platform.ReadTextFile(path, kScheduleFileLimit);
    if (!read.text) {
        showMessage("The schedule " + path + " cannot be opened: " + read.problem + ".", kOpenTitle);
        return;
    }
    const NumberLocale locale = platform.UserNumberLocale();
    const ScheduleFileContents contents = ReadScheduleFile(*read.text, locale);
    if (contents.fileProblem) {
        showMessage(fileNameOf(path) + ": " + *contents.fileProblem, kOpenTitle);
        return;
    }

    SelectionRehearsal rehearsal(locale);
    std::vector<ScheduleEntry> entries;
    std::vector<std::string> problems;
    for (const ScheduleFileLine& line : contents.lines) {
        std::string problem = line.problem;
        if (problem.empty()) {
            if (const std::optional<std::string> tagProblem = TagProblem(line.entry->tag, entries)) {
                problem = *tagProblem;
            }
        }
        if (!problem.empty()) {
            problems.push_back("Line " + std::to_string(line.number) + ": " + problem);
            continue;
        }
        ScheduleEntry entry = *line.entry;
        entry.tag = trimmedText(entry.tag);
        entry.unitCaption = std::string(CapacityUnitCaption(entry.inputs.unit, Worksheet::Selection));
        entry.outcome = rehearsal.run(entry.inputs);
        if (!entry.outcome.selected()) {
            entry.remark = entry.outcome.message ? entry.outcome.message->text : "Select gave no answer.";
        } else if (!line.savedName.empty() && trimmedText(entry.outcome.valveName) != line.savedName) {
            entry.remark = "Saved as " + line.savedName + "; today's answer differs.";
        }
        entries.push_back(std::move(entry));
    }
    m_schedule.assign(std::move(entries));
    m_path = path;
    m_reopened.reset();
    setCurrentRow(m_schedule.empty() ? std::nullopt : std::optional<std::size_t>(0));
    show();
    if (!problems.empty()) {
        std::string text = "Lines of " + fileNameOf(path) + " that could not be read are left out:\n";
        for (std::size_t i = 0; i < problems.size() && i < kProblemsListed; ++i) {
            text += problems[i] + "\n";
        }
        if (problems.size() > kProblemsListed) {
            text += "and " + std::to_string(problems.size() - kProblemsListed) + " more.\n";
        }
        showMessage(text, kOpenTitle);
    }
}

bool ScheduleWindow::save() {
    return m_path.empty() ? saveAs() : saveTo(m_path);
}

bool ScheduleWindow::saveAs() {
    const std::string path =
        m_sheet.platform().AskFileName(FileQuestion::SaveSchedule, m_path.empty() ? "schedule.txt" : m_path);
    return !path.empty() && saveTo(path);
}

bool ScheduleWindow::saveTo(const std::string& path) {
    Platform& platform = m_sheet.platform();
    const std::string text =
        ScheduleFileText(m_schedule, platform.DateText() + " " + platform.TimeText(), platform.UserNumberLocale());
    if (const std::optional<std::string> problem = platform.WriteTextFile(path, text)) {
        showMessage("The schedule could not be saved as " + path + ": " + *problem +
                        ".  A file there before is unchanged.",
                    kSaveTitle);
        return false;
    }
    m_path = path;
    m_schedule.setModified(false);
    if (m_visible) {
        show();
    }
    return true;
}

void ScheduleWindow::exportCsv() {
    Platform& platform = m_sheet.platform();
    const std::string path = platform.AskFileName(FileQuestion::ExportCsv, "schedule.csv");
    if (path.empty()) {
        return;
    }
    if (const std::optional<std::string> problem =
            platform.WriteTextFile(path, ScheduleCsv(m_schedule, platform.UserNumberLocale()))) {
        showMessage("The CSV file could not be written as " + path + ": " + *problem + ".", kExportTitle);
    }
}

void ScheduleWindow::exportPdf() {
    Platform& platform = m_sheet.platform();
    const std::string path = platform.AskFileName(FileQuestion::ExportPdf, "schedule.pdf");
    if (path.empty()) {
        return;
    }
    std::vector<PrintDocument> pages;
    PrintDocument& table = pages.emplace_back();
    table.newLine();
    table.newLine().at(3, title()).at(60, platform.DateText()).at(75, platform.TimeText());
    table.newLine();
    table.newLine()
        .at(3, "TAG")
        .at(16, "REFRIGERANT")
        .at(29, "SERIES")
        .at(38, "TEMPERATURES")
        .at(54, "REQUIRED")
        .at(72, "SELECTED VALVE");
    table.newLine().at(38, "EVAP/COND/LIQ").at(74, "CAPACITY / LOADING / ASSEMBLIES");
    for (const ScheduleEntry& entry : m_schedule.entries()) {
        table.newLine();
        const SelectionInputs& in = entry.inputs;
        table.newLine()
            .at(3, entry.tag)
            .at(16, in.refrigerant)
            .at(29, std::string(SeriesText(in.SeriesNo)))
            .at(38, in.evap + "/" + in.cond + "/" + in.liquid)
            .at(54, in.capacity + " " + entry.unitCaption)
            .at(72, entry.outcome.selected() ? entry.outcome.valveName : std::string("-"));
        if (entry.outcome.selected()) {
            PrintLine& line = table.newLine().at(74, entry.outcome.capacityText + "  " + entry.outcome.loadingText);
            if (!entry.outcome.powerAssembly.empty()) {
                line.text("  " + entry.outcome.powerAssembly + "  " + entry.outcome.cageAssembly);
            }
        }
        table.newLine().at(16, OptionsText(in, IsMetric(in.unit) ? "bars" : "psi"));
        if (!entry.remark.empty()) {
            table.newLine().at(16, entry.remark);
        }
    }
    SelectionRehearsal rehearsal(platform.UserNumberLocale());
    rehearsal.setDateTime(platform.DateText(), platform.TimeText());
    for (const ScheduleEntry& entry : m_schedule.entries()) {
        SelectionOutcome outcome = rehearsal.run(entry.inputs, true);
        if (outcome.report) {
            pages.push_back(std::move(*outcome.report));
        }
    }
    if (!platform.WritePdfPages(pages, title(), path)) {
        showMessage("The PDF file could not be written as " + path + ".", kExportTitle);
    }
}

std::string ScheduleCsv(const Schedule& schedule, const NumberLocale& locale) {
    static constexpr std::string_view kHeadings[] = {
        "Tag",      "Refrigerant",   "Series",         "Evaporator",     "Condensing", "Liquid",
        "Required", "Unit",          "Options",        "Selected Valve", "Capacity",   "Capacity Shown",
        "Loading",  "Loading Shown", "Power Assembly", "Cage Assembly",  "Remark"};
    std::string csv;
    const auto row = [&csv](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                csv += ',';
            }
            csv += csvField(cells[i]);
        }
        csv += "\r\n";
    };
    row(std::vector<std::string>(std::begin(kHeadings), std::end(kHeadings)));
    for (const ScheduleEntry& entry : schedule.entries()) {
        const SelectionInputs& in = entry.inputs;
        const SelectionOutcome& out = entry.outcome;
        row({entry.tag, in.refrigerant, std::string(SeriesText(in.SeriesNo)), plainTyped(in.evap, locale),
             plainTyped(in.cond, locale), plainTyped(in.liquid, locale), plainTyped(in.capacity, locale),
             entry.unitCaption, OptionsText(in, IsMetric(in.unit) ? "bars" : "psi"), out.valveName,
             out.valve ? plainSingle(out.valve->capacityInUnit) : std::string(), out.capacityText,
             out.valve ? plainSingle(out.valve->PerCentLoading) : std::string(), out.loadingText, out.powerAssembly,
             out.cageAssembly, entry.remark});
    }
    return csv;
}

} // namespace korveld
