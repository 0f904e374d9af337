#include "cli/selection_steps.h"

#include "cli/command.h"
#include "cli/json_output.h"
#include "cli/worksheet_choices.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_selection.h"

#include <array>

namespace korveld::cli {

namespace {

MenuEntry& unitEntry(frmkorveld& sheet, CapacityUnit unit) {
    const std::array<MenuEntry*, 4> entries{&sheet.mnuBtu, &sheet.mnuTons, &sheet.mnuKWatts, &sheet.mnuKiloCal};
    return *entries[static_cast<std::size_t>(static_cast<std::int16_t>(unit) - 1)];
}

} // namespace

void PickOptions::addTo(OptionParser& parser) {
    m_refrigerantGiven = &parser.addOption("--refrigerant", m_refrigerant, "R-12, R-22, R-502, R-134a, ...");
    m_valveGiven = &parser.addOption("--valve", m_valve,
                                     "Series as the Valve Types menu names it: KO, KO/KE, GL, G/GY, DQQ/DQ, VMP, ...");
    parser.addOption("--unit", m_unit, "btuh (default), tons, kw or kcal; kw and kcal mean °C and bars");
}

void PickOptions::reset() {
    m_unit = "btuh";
    m_refrigerant.clear();
    m_valve.clear();
}

std::optional<PickOptions::Picks> PickOptions::resolve(const OptionParser& parser, std::ostream& err) const {
    Picks picks;
    const std::optional<CapacityUnit> unit = FindChoice<CapacityUnit>(kUnitNames, m_unit);
    if (!unit) {
        parser.usageError("--unit must be one of btuh, tons, kw, kcal", err);
        return std::nullopt;
    }
    picks.unit = *unit;
    if (m_refrigerantGiven->given() && (picks.refrigerant = RefrigerantNamed(m_refrigerant)) == nullptr) {
        parser.usageError("--refrigerant must be one of " + RefrigerantNames(), err);
        return std::nullopt;
    }
    if (m_valveGiven->given() && (picks.series = SeriesNamed(m_valve)) == nullptr) {
        parser.usageError("--valve must be one of " + SeriesNames() + " (or a menu caption such as G/GY)", err);
        return std::nullopt;
    }
    return picks;
}

frmkorveld& OpenSelectionWorksheet(ScriptedUser& user, const PickOptions::Picks& picks) {
    user.openFromStartScreen(&frmSelection::cmdValveSelect);
    auto& sheet = static_cast<frmkorveld&>(*user.program().load(FormId::frmkorveld));
    if (sheet.capacityUnitShown() != picks.unit) {
        user.pick(unitEntry(sheet, picks.unit), "--unit");
    }
    if (picks.refrigerant != nullptr) {
        user.pick(*sheet.refrigerantMenu(picks.refrigerant->name), "--refrigerant");
    }
    if (picks.series != nullptr) {
        user.pick(*sheet.seriesMenu(picks.series->SeriesNo), "--valve");
    }
    return sheet;
}

bool Choose(ScriptedUser& user, OptionButton& option, std::string_view optionName) {
    if (user.stopped()) {
        return false;
    }
    return option.value() || user.click(option, optionName);
}

int ReportStop(const StopMessage& stop, bool json, std::ostream& out, std::ostream& err) {
    if (json) {
        JsonWriter message;
        WriteMessageJson(message, stop.title, stop.text);
        WriteJson(message, out);
    } else {
        err << stop.title << '\n' << stop.text << '\n';
    }
    return kExitMessage;
}

} // namespace korveld::cli
