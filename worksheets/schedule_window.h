// The Schedule window: the job's tagged valves in a table, with Remove, Move Up, Move Down and
// Open on Worksheet for the chosen row, and a File menu that opens, saves and exports the schedule
// (as a korveld-cli batch file, CSV and PDF). Its title names the file and marks unsaved changes;
// closing it, or the program, with unsaved changes asks Save / Discard / Cancel. The window is
// one for the program, owned by the selection worksheet whose selections it keeps.
#pragma once

#include "worksheets/schedule.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korveld {

class frmkorveld;

// The window's captions: buttons, then the File menu's entries.
inline constexpr std::string_view kScheduleCaption = "Schedule";
inline constexpr std::string_view kUntitledSchedule = "Untitled";
inline constexpr std::string_view kRemoveCaption = "&Remove";
inline constexpr std::string_view kMoveUpCaption = "Move &Up";
inline constexpr std::string_view kMoveDownCaption = "Move &Down";
inline constexpr std::string_view kReopenCaption = "Open on &Worksheet";
inline constexpr std::string_view kCloseCaption = "&Close";
inline constexpr std::string_view kFileMenuCaption = "&File";
inline constexpr std::string_view kOpenCaption = "&Open…";
inline constexpr std::string_view kSaveCaption = "&Save";
inline constexpr std::string_view kSaveAsCaption = "Save &As…";
inline constexpr std::string_view kExportCsvCaption = "Export &CSV…";
inline constexpr std::string_view kExportPdfCaption = "Export &PDF…";

class ScheduleWindow {
public:
    explicit ScheduleWindow(frmkorveld& sheet);

    frmkorveld& worksheet() const { return m_sheet; }
    const Schedule& schedule() const { return m_schedule; }
    const std::string& filePath() const { return m_path; }
    // "Schedule - job.txt" with " *" while there are unsaved changes.
    std::string title() const;

    std::optional<std::size_t> currentRow() const { return m_current; }
    void setCurrentRow(std::optional<std::size_t> row);
    // The entry reopened on the worksheet, which its next Select replaces.
    std::optional<std::size_t> reopenedRow() const { return m_reopened; }
    // Whether each button can act on the current row.
    bool canRemove() const { return m_current.has_value(); }
    bool canMoveUp() const { return m_current && *m_current > 0; }
    bool canMoveDown() const { return m_current && *m_current + 1 < m_schedule.size(); }

    void show();
    // Closes the window; with unsaved changes only after Save or Discard. False when cancelled.
    bool close();
    bool visible() const { return m_visible; }

    // "Add to Schedule…" of the results dialog: asks for a tag (again, with the reason, while the
    // tag cannot be taken) and adds the worksheet's selection under it. False when cancelled.
    bool addSelection();
    // A Select on the worksheet showed its answer: the entry reopened there takes it.
    void selectionShown();

    void remove();
    void moveUp();
    void moveDown();
    void reopen();

    // The File menu. Save without a file asks for one, as Save As does.
    void open();
    bool save();
    bool saveAs();
    void exportCsv();
    void exportPdf();

    // Unsaved changes: Save, Discard or Cancel. True when the caller may go on (saved or discarded).
    bool settleUnsavedChanges();

private:
    ScheduleEntry entryFromWorksheet(std::string tag) const;
    bool saveTo(const std::string& path);
    void showMessage(const std::string& text, std::string_view title) const;

    frmkorveld& m_sheet;
    Schedule m_schedule;
    std::string m_path;
    std::optional<std::size_t> m_current;
    std::optional<std::size_t> m_reopened;
    bool m_visible = false;
};

// The schedule as CSV (RFC 4180): the window's columns, numbers as plain decimals with '.' and
// the texts shown beside them; CRLF line ends.
std::string ScheduleCsv(const Schedule& schedule, const NumberLocale& locale);

} // namespace korveld
