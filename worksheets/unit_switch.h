// The Units menu handlers of both worksheets as one procedure. A switch to a capacity unit sets
// the menus and the unit captions, converts the entries already typed when the unit system changes
// (temperatures, the user-defined distributor drop) and the capacity entry when the capacity unit
// changes, and keeps the worksheet's own unit state. An entry that is not a number gets its
// message, is emptied and focused, and the switch carries on with the other entries, so that
// everything ends in the new unit and no entry is ever converted twice.
#pragma once

#include "engine/conditions.h"
#include "engine/units.h"
#include "engine/worksheet.h"

#include <array>
#include <cstdint>
#include <functional>

namespace korveld {

class Form;
class Label;
class MenuEntry;
class TextBox;

// The unit state and the distributor flag, one set per worksheet: a switch or a distributor
// choice on one worksheet never changes how the other converts or checks its entries.
struct WorksheetUnits {
    UnitSystem UnitsMetric = UnitSystem::English;
    korveld::CapacityUnit CapacityUnit = korveld::CapacityUnit::BtuH;
    korveld::PressureUnit PressureUnit = korveld::PressureUnit::Psi;
    std::int16_t DistUserDefined = 0; // 1 while the user-defined distributor is chosen

    bool metric() const { return UnitsMetric == UnitSystem::Metric; }
};

// What differs between the two worksheets' unit handlers.
struct UnitSwitchWiring {
    Worksheet sheet;
    WorksheetUnits& units;
    // The Units menu entries of Btu/h, Tons, kW and kCal, in this order.
    std::array<MenuEntry*, 4> unitMenus;
    // frmkorveld: the chosen unit's entry also carries the check mark.
    bool menusCarryCheckMarks = false;
    // Labels showing the capacity unit; the second may be nullptr.
    std::array<Label*, 2> capacityCaptions{};
    Label& lblPressureUnits;
    // frmkorveld: lblPressureUnits follows every click; frmtxvCapacity: only a change of system.
    bool pressureCaptionOnEveryClick = false;
    Label& lblEvapRange;
    Label& lblCondRange;
    Label& lblLiqTempRange;
    // frmkorveld: the narrow evaporator range while optMOPCA is chosen; empty: never narrow.
    std::function<bool()> narrowEvapRange{};
    TextBox& txtEvapTemp;
    TextBox& txtCondTemp;
    TextBox& txtLiqTemp;
    TextBox& txtPressureDrop;
    TextBox& capacityEntry; // txtSystemCapacity or txtInputCap
    // frmtxvCapacity: the capacity entry converts only while optYES is chosen; empty: always.
    std::function<bool()> convertsCapacityEntry{};
};

class UnitSwitch {
public:
    UnitSwitch(Form& form, UnitSwitchWiring wiring);

    // The handler of the Units menu entry of `unit`.
    void SwitchTo(CapacityUnit unit);

private:
    struct EntryTests;

    void setMenus(CapacityUnit unit);
    void convertSystem(UnitSystem to, const EntryTests& tests);
    void convertCapacityEntry(CapacityUnit to, const EntryTests& tests);

    Form& m_form;
    UnitSwitchWiring m_wiring;
};

} // namespace korveld
