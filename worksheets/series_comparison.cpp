#include "worksheets/series_comparison.h"

#include "engine/choice_rules.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/platform.h"
#include "worksheets/user_steps.h"

#include <algorithm>
#include <tuple>

namespace korveld {

std::vector<std::int16_t> SeriesAllowedFor(std::string_view refrigerant) {
    std::vector<std::int16_t> allowed;
    for (const SeriesMenuEntry& series : SeriesMenu()) {
        if (!SeriesPickRefusal(Worksheet::Selection, series.SeriesNo, refrigerant)) {
            allowed.push_back(series.SeriesNo);
        }
    }
    return allowed;
}

std::vector<SelectionOutcome> CompareAllSeries(const SelectionInputs& inputs, const NumberLocale& locale) {
    SelectionRehearsal rehearsal(locale);
    std::vector<SelectionOutcome> rows;
    for (std::int16_t series : SeriesAllowedFor(inputs.refrigerant)) {
        SelectionInputs withSeries = inputs;
        withSeries.SeriesNo = series;
        rows.push_back(rehearsal.run(withSeries));
    }
    return rows;
}

SeriesComparison::SeriesComparison(frmkorveld& sheet) : m_sheet(sheet) {}

void SeriesComparison::refresh() {
    m_inputs = ReadSelectionInputs(m_sheet);
    m_unitCaption = m_sheet.lblInputUnits.caption();
    m_rows = CompareAllSeries(m_inputs, m_sheet.platform().UserNumberLocale());
    m_sortColumn = ComparisonColumn::Series;
    m_ascending = true;
    applyOrder();
}

std::string ComparisonCell(const SelectionOutcome& outcome, ComparisonColumn column) {
    switch (column) {
    case ComparisonColumn::Series:
        return outcome.seriesText;
    case ComparisonColumn::Valve:
        return outcome.valveName;
    case ComparisonColumn::Capacity:
        return outcome.capacityText;
    case ComparisonColumn::Loading:
        return outcome.loadingText;
    case ComparisonColumn::PowerAssembly:
        return outcome.powerAssembly;
    case ComparisonColumn::CageAssembly:
        return outcome.cageAssembly;
    case ComparisonColumn::Outcome:
        if (outcome.selected()) {
            return std::string(kSelectedOutcome);
        }
        return outcome.message ? outcome.message->text : std::string();
    }
    return {};
}

std::vector<std::size_t> ComparisonOrder(const std::vector<SelectionOutcome>& rows, ComparisonColumn column,
                                         bool ascending) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const bool numeric = column == ComparisonColumn::Capacity || column == ComparisonColumn::Loading;
    const auto number = [&](std::size_t i) -> float {
        const std::optional<SelectedValve>& valve = rows[i].valve;
        if (!valve) {
            return 0.0f;
        }
        return column == ComparisonColumn::Capacity ? valve->capacityInUnit : valve->PerCentLoading;
    };
    const auto before = [&](std::size_t a, std::size_t b) {
        if (column == ComparisonColumn::Series) {
            return a < b;
        }
        if (numeric) {
            return number(a) < number(b);
        }
        return ComparisonCell(rows[a], column) < ComparisonCell(rows[b], column);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (rows[a].selected() != rows[b].selected()) {
            return rows[a].selected();
        }
        return ascending ? before(a, b) : before(b, a);
    });
    return order;
}

std::string SeriesComparison::cell(std::size_t row, ComparisonColumn column) const {
    return ComparisonCell(this->row(row), column);
}

std::string SeriesComparison::title() const {
    std::string title(kComparisonCaption);
    if (!m_inputs.refrigerant.empty()) {
        title += " - " + m_inputs.refrigerant;
    }
    if (!m_inputs.evap.empty() || !m_inputs.cond.empty() || !m_inputs.liquid.empty()) {
        title += ", " + m_inputs.evap + " / " + m_inputs.cond + " / " + m_inputs.liquid;
    }
    if (!m_inputs.capacity.empty()) {
        title += ", " + m_inputs.capacity + " " + m_unitCaption;
    }
    return title;
}

void SeriesComparison::sortBy(ComparisonColumn column) {
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    applyOrder();
}

void SeriesComparison::applyOrder() {
    m_order = ComparisonOrder(m_rows, m_sortColumn, m_ascending);
}

TextTable SeriesComparison::AsTable() const {
    TextTable table;
    table.emplace_back(kComparisonHeadings.begin(), kComparisonHeadings.end());
    for (std::size_t row = 0; row < rowCount(); ++row) {
        std::vector<std::string>& cells = table.emplace_back();
        for (std::size_t column = 0; column < kComparisonHeadings.size(); ++column) {
            cells.push_back(cell(row, static_cast<ComparisonColumn>(column)));
        }
    }
    return table;
}

void SeriesComparison::copy() {
    m_sheet.platform().SetClipboardText(TabSeparated(AsTable()));
}

void SeriesComparison::pickRow(std::size_t row) {
    if (row >= rowCount() || !m_sheet.enabled()) {
        return;
    }
    SelectionInputs inputs = m_inputs;
    inputs.SeriesNo = this->row(row).SeriesNo;
    Program& program = m_sheet.program();
    if (EnterOnFreshWorksheet(program, m_sheet, inputs)) {
        UserClick(program, m_sheet.cmdSelect);
    }
}

} // namespace korveld
