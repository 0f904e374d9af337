#include "worksheets/unit_switch.h"

#include "engine/universal_variables.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/menu_entry.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"

#include <optional>

namespace korveld {

namespace {

std::size_t indexOf(CapacityUnit unit) {
    return static_cast<std::size_t>(static_cast<std::int16_t>(unit) - 1);
}

} // namespace

// The entries' texts as they stood when the switch began.
struct UnitSwitch::EntryTests {
    std::optional<double> evap;
    std::optional<double> cond;
    std::optional<double> liq;
    std::optional<double> drop;
    std::optional<double> capacity;
    NumberLocale locale;
};

UnitSwitch::UnitSwitch(Form& form, UnitSwitchWiring wiring) : m_form(form), m_wiring(std::move(wiring)) {}

void UnitSwitch::SwitchTo(CapacityUnit unit) {
    WorksheetUnits& units = m_wiring.units;
    setMenus(unit);
    for (Label* caption : m_wiring.capacityCaptions) {
        if (caption != nullptr) {
            caption->setCaption(std::string(CapacityUnitCaption(unit, m_wiring.sheet)));
        }
    }
    if (m_wiring.pressureCaptionOnEveryClick) {
        m_wiring.lblPressureUnits.setCaption(std::string(PressureUnitCaption(PressureUnitOf(unit))));
    }

    NumberLocale locale = m_form.platform().UserNumberLocale();
    const EntryTests tests{
        ParseNumber(m_wiring.txtEvapTemp.text(), locale),   ParseNumber(m_wiring.txtCondTemp.text(), locale),
        ParseNumber(m_wiring.txtLiqTemp.text(), locale),    ParseNumber(m_wiring.txtPressureDrop.text(), locale),
        ParseNumber(m_wiring.capacityEntry.text(), locale), std::move(locale)};

    if (SystemChanges(units.UnitsMetric, unit)) {
        convertSystem(SystemOf(unit), tests);
    }
    convertCapacityEntry(unit, tests);
    units.CapacityUnit = unit;
    units.PressureUnit = PressureUnitOf(unit);
}

void UnitSwitch::setMenus(CapacityUnit unit) {
    MenuEntry& chosen = *m_wiring.unitMenus[indexOf(unit)];
    chosen.setEnabled(false);
    if (m_wiring.menusCarryCheckMarks) {
        chosen.setChecked(true);
    }
    for (MenuEntry* entry : m_wiring.unitMenus) {
        if (entry != &chosen) {
            if (m_wiring.menusCarryCheckMarks) {
                entry->setChecked(false);
            }
            entry->setEnabled(true);
        }
    }
}

void UnitSwitch::convertCapacityEntry(CapacityUnit to, const EntryTests& tests) {
    const CapacityUnit from = m_wiring.units.CapacityUnit;
    TextBox& entry = m_wiring.capacityEntry;
    const bool converts = !m_wiring.convertsCapacityEntry || m_wiring.convertsCapacityEntry();
    if (!converts || from == to || entry.text().empty()) {
        return;
    }
    if (const auto converted = tests.capacity
                                   ? ConvertCapacityEntry(*tests.capacity, from, to, m_wiring.sheet, tests.locale)
                                   : std::nullopt) {
        entry.setText(converted->text);
    } else {
        const UnitMessage message = CapacityEntryMessage(entry.text());
        RefuseEntry(entry, message.text, message.title);
    }
}

void UnitSwitch::convertSystem(UnitSystem to, const EntryTests& tests) {
    Universal_Variables& uv = m_form.uv();
    const auto convertTemperature = [&](TextBox& entry, const std::optional<double>& value, float& stored,
                                        TemperatureEntry which) {
        if (entry.text().empty()) {
            return;
        }
        if (const auto converted = value ? ConvertTemperatureEntry(*value, to, tests.locale) : std::nullopt) {
            stored = converted->value;
            entry.setText(converted->text);
        } else {
            const UnitMessage message = TemperatureEntryMessage(which);
            RefuseEntry(entry, message.text, message.title);
        }
    };
    convertTemperature(m_wiring.txtEvapTemp, tests.evap, uv.conditions.EvapTemp, TemperatureEntry::Evaporator);
    convertTemperature(m_wiring.txtCondTemp, tests.cond, uv.conditions.CondTemp, TemperatureEntry::Condensing);
    convertTemperature(m_wiring.txtLiqTemp, tests.liq, uv.conditions.LiqTemp, TemperatureEntry::Liquid);

    WorksheetUnits& units = m_wiring.units;
    TextBox& drop = m_wiring.txtPressureDrop;
    const PressureUnit toPressure = to == UnitSystem::Metric ? PressureUnit::Bars : PressureUnit::Psi;
    if (units.DistUserDefined == 1 && !drop.text().empty()) {
        if (const auto converted =
                tests.drop ? ConvertPressureDropEntry(*tests.drop, units.PressureUnit, toPressure, tests.locale)
                           : std::nullopt) {
            drop.setText(converted->text);
        } else {
            const UnitMessage message = PressureDropEntryMessage(drop.text());
            RefuseEntry(drop, message.text, message.title);
        }
    }

    const bool narrow = m_wiring.narrowEvapRange && m_wiring.narrowEvapRange();
    m_wiring.lblEvapRange.setCaption(std::string(EvapRangeCaption(to, narrow)));
    m_wiring.lblCondRange.setCaption(std::string(CondRangeCaption(to)));
    m_wiring.lblLiqTempRange.setCaption(std::string(LiqRangeCaption(to)));
    if (!m_wiring.pressureCaptionOnEveryClick) {
        m_wiring.lblPressureUnits.setCaption(std::string(PressureUnitCaption(toPressure)));
    }
    units.UnitsMetric = to;
}

} // namespace korveld
