// The window "Compare All Series": for the inputs of the selection worksheet, what Select answers
// for every series the refrigerant allows, one row each. Each row is a real Select run on a
// worksheet of its own (SelectionRehearsal) with the series picked from the Valve Types menu and
// the worksheet's options entered as far as the series offers them. The rows can be sorted by a
// column (rows that select a valve always first), copied as tab-separated text, and one row picked:
// its series then goes to the worksheet, as from the menu, and Select runs there.
#pragma once

#include "engine/number_text.h"
#include "worksheets/selection_inputs.h"
#include "worksheets/selection_rehearsal.h"
#include "worksheets/tab_separated.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

class frmkorveld;

enum class ComparisonColumn : std::uint8_t { Series, Valve, Capacity, Loading, PowerAssembly, CageAssembly, Outcome };

inline constexpr std::array<std::string_view, 7> kComparisonHeadings = {
    "Series", "Selected Valve", "Capacity", "Loading", "Power Assembly", "Cage Assembly", "Outcome"};
inline constexpr std::string_view kComparisonCaption = "Compare All Series";
inline constexpr std::string_view kSelectedOutcome = "Selected";

// The series whose pick the selection worksheet accepts after this refrigerant, in menu order.
std::vector<std::int16_t> SeriesAllowedFor(std::string_view refrigerant);

// Every series the refrigerant allows, run with the inputs; rows in menu order.
std::vector<SelectionOutcome> CompareAllSeries(const SelectionInputs& inputs, const NumberLocale& locale);

// What a row shows in a column.
std::string ComparisonCell(const SelectionOutcome& outcome, ComparisonColumn column);
// The order rows are shown in when sorted by a column: rows that select a valve first; numbers by
// value, texts by text; ties in menu order (the order of `rows`).
std::vector<std::size_t> ComparisonOrder(const std::vector<SelectionOutcome>& rows, ComparisonColumn column,
                                         bool ascending);

class SeriesComparison {
public:
    explicit SeriesComparison(frmkorveld& sheet);

    // Runs the comparison afresh for what the worksheet shows; the order goes back to rows that
    // select a valve first, each group in menu order.
    void refresh();

    frmkorveld& worksheet() const { return m_sheet; }
    const SelectionInputs& inputs() const { return m_inputs; }
    std::size_t rowCount() const { return m_order.size(); }
    // Row `row` in the order shown.
    const SelectionOutcome& row(std::size_t row) const { return m_rows[m_order[row]]; }
    std::string cell(std::size_t row, ComparisonColumn column) const;
    // The inputs compared, for the window's title: "Compare All Series - R-22, 40 / 100 / 90, 24000 Btu/h".
    std::string title() const;

    // Sorts by a column, ascending; the same column again reverses the order.
    void sortBy(ComparisonColumn column);
    ComparisonColumn sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }

    // The heading row and every row as shown.
    TextTable AsTable() const;
    // Puts AsTable on the clipboard as tab-separated text.
    void copy();
    // The row's series on a fresh worksheet (Close, Valve Selection) with the compared inputs
    // entered, then Select; nothing while the results dialog holds the worksheet disabled.
    void pickRow(std::size_t row);

private:
    void applyOrder();

    frmkorveld& m_sheet;
    SelectionInputs m_inputs;
    std::string m_unitCaption;
    std::vector<SelectionOutcome> m_rows;
    std::vector<std::size_t> m_order;
    ComparisonColumn m_sortColumn = ComparisonColumn::Series;
    bool m_ascending = true;
};

} // namespace korveld
