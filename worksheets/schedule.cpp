#include "worksheets/schedule.h"

#include "engine/choice_rules.h"

#include <algorithm>
#include <cctype>

namespace korveld {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string OptionsText(const SelectionInputs& inputs, std::string_view pressureUnit) {
    std::string text;
    const auto add = [&text](std::string_view part) {
        if (!text.empty()) {
            text += ", ";
        }
        text += part;
    };
    switch (inputs.distributor) {
    case DistributorPick::None:
        add("No distributor");
        break;
    case DistributorPick::Orifice:
        add("Orifice");
        break;
    case DistributorPick::Venturi:
        add("Venturi");
        break;
    case DistributorPick::UserDefined:
        add("Distributor drop " + inputs.pressureDrop + " " + std::string(pressureUnit));
        break;
    }
    add(inputs.internalEqualizer ? "Internal" : "External");
    add(inputs.flare ? "Flare" : "Sweat");
    if (!inputs.charge.empty()) {
        add(inputs.charge == "none" ? std::string("No MOP charge") : "Charge " + inputs.charge);
    }
    if (inputs.bleedPercent != 0) {
        add("Bleed " + std::to_string(inputs.bleedPercent) + "%");
    }
    if (inputs.strainer) {
        add("Strainer");
    }
    return text;
}

std::optional<std::string> TagProblem(std::string_view tag, const std::vector<ScheduleEntry>& entries,
                                      std::optional<std::size_t> except) {
    const std::string_view wanted = trimmed(tag);
    if (wanted.empty()) {
        return "Please type a tag for this valve, such as EVAP-3.";
    }
    if (std::any_of(wanted.begin(), wanted.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        return "A tag is one line of text: it cannot hold a line break or a tab.";
    }
    if (wanted.size() > 64) {
        return "A tag can be at most 64 characters long.";
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i != except && lowerCase(trimmed(entries[i].tag)) == lowerCase(wanted)) {
            return "The schedule already has a valve tagged " + entries[i].tag +
                   ".  Each tag names one valve: please type another tag.";
        }
    }
    return std::nullopt;
}

void Schedule::add(ScheduleEntry entry) {
    m_entries.push_back(std::move(entry));
    m_modified = true;
}

void Schedule::replace(std::size_t i, ScheduleEntry entry) {
    if (i < m_entries.size()) {
        m_entries[i] = std::move(entry);
        m_modified = true;
    }
}

void Schedule::remove(std::size_t i) {
    if (i < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
        m_modified = true;
    }
}

bool Schedule::moveUp(std::size_t i) {
    if (i == 0 || i >= m_entries.size()) {
        return false;
    }
    std::swap(m_entries[i - 1], m_entries[i]);
    m_modified = true;
    return true;
}

bool Schedule::moveDown(std::size_t i) {
    if (i + 1 >= m_entries.size()) {
        return false;
    }
    std::swap(m_entries[i], m_entries[i + 1]);
    m_modified = true;
    return true;
}

void Schedule::assign(std::vector<ScheduleEntry> entries) {
    m_entries = std::move(entries);
    m_modified = false;
}

std::string Schedule::cell(std::size_t row, ScheduleColumn column) const {
    const ScheduleEntry& entry = m_entries[row];
    const SelectionInputs& in = entry.inputs;
    const SelectionOutcome& out = entry.outcome;
    switch (column) {
    case ScheduleColumn::Tag:
        return entry.tag;
    case ScheduleColumn::Refrigerant:
        return in.refrigerant;
    case ScheduleColumn::Series:
        return std::string(SeriesText(in.SeriesNo));
    case ScheduleColumn::Evaporator:
        return in.evap;
    case ScheduleColumn::Condensing:
        return in.cond;
    case ScheduleColumn::Liquid:
        return in.liquid;
    case ScheduleColumn::Requirement:
        return in.capacity;
    case ScheduleColumn::Unit:
        return entry.unitCaption;
    case ScheduleColumn::Options:
        return OptionsText(in, IsMetric(in.unit) ? "bars" : "psi");
    case ScheduleColumn::Valve:
        return out.valveName;
    case ScheduleColumn::Capacity:
        return out.capacityText;
    case ScheduleColumn::Loading:
        return out.loadingText;
    case ScheduleColumn::PowerAssembly:
        return out.powerAssembly;
    case ScheduleColumn::CageAssembly:
        return out.cageAssembly;
    case ScheduleColumn::Remark:
        return entry.remark;
    }
    return {};
}

TextTable Schedule::AsTable() const {
    TextTable table;
    table.emplace_back(kScheduleHeadings.begin(), kScheduleHeadings.end());
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        std::vector<std::string>& cells = table.emplace_back();
        for (std::size_t column = 0; column < kScheduleHeadings.size(); ++column) {
            cells.push_back(cell(row, static_cast<ScheduleColumn>(column)));
        }
    }
    return table;
}

} // namespace korveld
