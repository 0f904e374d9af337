// A job's schedule of valves: one entry per tagged selection, in the designer's order. Each entry
// keeps every input of its selection (so it can be run again or reopened on the worksheet) and
// the answer Select gave for them, and a remark when the answer needs the designer's eye.
#pragma once

#include "worksheets/selection_inputs.h"
#include "worksheets/selection_rehearsal.h"
#include "worksheets/tab_separated.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

struct ScheduleEntry {
    std::string tag;
    SelectionInputs inputs;
    SelectionOutcome outcome;
    std::string unitCaption; // the requirement's unit as the worksheet shows it
    std::string remark;      // why the entry is marked; empty when its answer stands as saved
};

enum class ScheduleColumn : std::uint8_t {
    Tag,
    Refrigerant,
    Series,
    Evaporator,
    Condensing,
    Liquid,
    Requirement,
    Unit,
    Options,
    Valve,
    Capacity,
    Loading,
    PowerAssembly,
    CageAssembly,
    Remark
};

inline constexpr std::array<std::string_view, 15> kScheduleHeadings = {
    "Tag",     "Refrigerant",    "Series",   "Evaporator", "Condensing",     "Liquid",        "Requirement", "Unit",
    "Options", "Selected Valve", "Capacity", "Loading",    "Power Assembly", "Cage Assembly", "Remark"};

// The options of a selection as the schedule lists them: "Orifice, External, Sweat, C or Z".
std::string OptionsText(const SelectionInputs& inputs, std::string_view pressureUnit);

// What the tag question says when a tag cannot be taken; nullopt when it can.
std::optional<std::string> TagProblem(std::string_view tag, const std::vector<ScheduleEntry>& entries,
                                      std::optional<std::size_t> except = std::nullopt);

inline constexpr std::string_view kTagQuestionTitle = "Add to Schedule";
inline constexpr std::string_view kTagQuestionPrompt = "Tag of this valve on the drawings (such as EVAP-3):";

class Schedule {
public:
    const std::vector<ScheduleEntry>& entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const ScheduleEntry& operator[](std::size_t i) const { return m_entries[i]; }

    // Each change marks the schedule modified.
    void add(ScheduleEntry entry);
    void replace(std::size_t i, ScheduleEntry entry);
    void remove(std::size_t i);
    // Swaps the entry with its neighbour; false at the end of the list.
    bool moveUp(std::size_t i);
    bool moveDown(std::size_t i);
    // A schedule read from a file: not modified.
    void assign(std::vector<ScheduleEntry> entries);

    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    std::string cell(std::size_t row, ScheduleColumn column) const;
    // The heading row and every entry as the window shows them.
    TextTable AsTable() const;

private:
    std::vector<ScheduleEntry> m_entries;
    bool m_modified = false;
};

} // namespace korveld
