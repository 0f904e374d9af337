#include "cli/compare_command.h"

#include "cli/json_output.h"
#include "cli/worksheet_choices.h"
#include "worksheets/series_comparison.h"

#include <algorithm>
#include <array>

namespace korveld::cli {

namespace {

constexpr std::pair<std::string_view, bool> kEqualizers[] = {{"external", false}, {"internal", true}};
constexpr std::pair<std::string_view, bool> kConnections[] = {{"sweat", false}, {"flare", true}};
constexpr std::pair<std::string_view, int> kBleeds[] = {{"0", 0},   {"10", 10}, {"15", 15}, {"20", 20},
                                                        {"25", 25}, {"30", 30}, {"40", 40}, {"50", 50}};

// The fields of `select --json` for a selected valve, or its message, after the series.
void writeRow(JsonWriter& json, const SelectionOutcome& row) {
    json.beginObject();
    json.member("series", row.seriesText);
    if (row.valve) {
        const SelectedValve& valve = *row.valve;
        json.member("valve", row.valveName);
        json.member("size", valve.SizeNo);
        json.member("size_name", valve.ValName);
        json.memberSingle("capacity", valve.capacityInUnit);
        json.member("capacity_text", row.capacityText);
        json.memberSingle("loading", valve.PerCentLoading);
        json.member("loading_text", row.loadingText);
        json.member("power_assembly", row.powerAssembly);
        json.member("cage_assembly", row.cageAssembly);
        json.member("advice", valve.advice.firstText);
        json.member("replace_advice", row.replaceAdvice);
        WriteConditions(json, row.conditions);
    } else if (row.message) {
        json.key("message").beginObject();
        json.member("title", row.message->title);
        json.member("text", row.message->text);
        json.endObject();
    }
    json.endObject();
}

void writeTable(const std::vector<SelectionOutcome>& rows, const std::vector<std::size_t>& order, std::ostream& out) {
    constexpr std::size_t kColumns = kComparisonHeadings.size();
    std::vector<std::array<std::string, kColumns>> lines;
    auto& heading = lines.emplace_back();
    for (std::size_t column = 0; column < kColumns; ++column) {
        heading[column] = kComparisonHeadings[column];
    }
    for (std::size_t index : order) {
        auto& line = lines.emplace_back();
        for (std::size_t column = 0; column < kColumns; ++column) {
            line[column] = ComparisonCell(rows[index], static_cast<ComparisonColumn>(column));
        }
    }
    std::array<std::size_t, kColumns> widths{};
    for (const auto& line : lines) {
        for (std::size_t column = 0; column < kColumns; ++column) {
            widths[column] = std::max(widths[column], line[column].size());
        }
    }
    for (const auto& line : lines) {
        std::string text;
        for (std::size_t column = 0; column < kColumns; ++column) {
            text += line[column];
            if (column + 1 < kColumns) {
                text.append(widths[column] - line[column].size() + 2, ' ');
            }
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        out << text << '\n';
    }
}

} // namespace

CompareCommand::CompareCommand()
    : m_parser("compare", "Shows what Select on the Valve Selection Worksheet answers for every series the "
                          "refrigerant allows: the selected size, its capacity, loading and assemblies, or why "
                          "none fits. Rows that select a valve come first.") {
    m_parser.addOption("--refrigerant", m_options.refrigerant, "R-12, R-22, R-502, R-134a, ...");
    m_parser.addOption("--unit", m_options.unit, "btuh (default), tons, kw or kcal; kw and kcal mean °C and bars");
    m_parser.addOption("--evap", m_options.evap, "Evaporator temperature, as typed");
    m_parser.addOption("--cond", m_options.cond, "Condensing temperature, as typed");
    m_parser.addOption("--liq,--liquid", m_options.liq, "Liquid temperature, as typed");
    m_parser.addOption("--capacity", m_options.capacity, "Required capacity in the unit, as typed");
    m_parser.addOption("--distributor", m_options.distributor, "none, orifice (default), venturi or user");
    m_parser.addOption("--pressure-drop", m_options.pressureDrop,
                       "User-defined distributor pressure drop, as typed (with --distributor user)");
    m_parser.addOption("--equalizer", m_options.equalizer, "external or internal, where a series offers it");
    m_parser.addOption("--connection", m_options.connection, "sweat or flare, where a series offers it");
    m_chargeGiven = &m_parser.addOption("--charge", m_options.charge,
                                        "Power-head charge by its caption (W35, \"AD 10\", CA) or none, where a "
                                        "series offers it");
    m_parser.addOption("--bleed", m_options.bleed,
                       "Bleed per cent for the bleed series: 0, 10, 15, 20, 25, 30, 40, 50");
    m_parser.addFlag("--strainer", m_options.strainer, "The QZ strainer");
    m_parser.addFlag("--json", m_options.json, "Print a JSON array, one object per series");
}

std::string_view CompareCommand::summary() const {
    return "Compare every valve series for a capacity (the selection worksheet, series by series)";
}

int CompareCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_options = Options{};
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    SelectionInputs inputs;
    const std::optional<CapacityUnit> unit = FindChoice<CapacityUnit>(kUnitNames, m_options.unit);
    if (!unit) {
        return m_parser.usageError("--unit must be one of btuh, tons, kw, kcal", err);
    }
    inputs.unit = *unit;
    const RefrigerantInfo* refrigerant = RefrigerantNamed(m_options.refrigerant);
    if (refrigerant == nullptr) {
        return m_parser.usageError("--refrigerant must be one of " + RefrigerantNames(), err);
    }
    inputs.refrigerant = std::string(refrigerant->name);
    const auto distributor = FindChoice<DistributorPick>(kDistributorNames, m_options.distributor);
    if (!distributor) {
        return m_parser.usageError("--distributor must be one of none, orifice, venturi, user", err);
    }
    inputs.distributor = *distributor;
    if (!m_options.pressureDrop.empty() && inputs.distributor != DistributorPick::UserDefined) {
        return m_parser.usageError("--pressure-drop needs --distributor user", err);
    }
    inputs.pressureDrop = m_options.pressureDrop;
    if (!m_options.equalizer.empty()) {
        const auto internal = FindChoice<bool>(kEqualizers, m_options.equalizer);
        if (!internal) {
            return m_parser.usageError("--equalizer must be external or internal", err);
        }
        inputs.internalEqualizer = *internal;
    }
    if (!m_options.connection.empty()) {
        const auto flare = FindChoice<bool>(kConnections, m_options.connection);
        if (!flare) {
            return m_parser.usageError("--connection must be sweat or flare", err);
        }
        inputs.flare = *flare;
    }
    if (!m_options.bleed.empty()) {
        const auto bleed = FindChoice<int>(kBleeds, m_options.bleed);
        if (!bleed) {
            return m_parser.usageError("--bleed must be one of 0, 10, 15, 20, 25, 30, 40, 50", err);
        }
        inputs.bleedPercent = *bleed;
    }
    inputs.strainer = m_options.strainer;
    inputs.evap = m_options.evap;
    inputs.cond = m_options.cond;
    inputs.liquid = m_options.liq;
    inputs.capacity = m_options.capacity;
    if (m_chargeGiven->given()) {
        inputs.charge = m_options.charge;
    }

    const std::vector<SelectionOutcome> rows = CompareAllSeries(inputs, NumberLocale{});
    const std::vector<std::size_t> order = ComparisonOrder(rows, ComparisonColumn::Series, true);
    if (m_options.json) {
        JsonWriter json;
        json.beginArray();
        for (std::size_t index : order) {
            writeRow(json, rows[index]);
        }
        json.endArray();
        WriteJson(json, out);
    } else {
        writeTable(rows, order, out);
    }
    return kExitSuccess;
}

} // namespace korveld::cli
