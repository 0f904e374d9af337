#include "cli/worksheet_steps.h"

#include "cli/command.h"
#include "cli/json_output.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/print_document.h"

#include <array>

namespace korveld::cli {

namespace {

// A worksheet's Units menu entries in menu order, the unit it shows now, and its menu entries of
// the refrigerant and the series picked (nullptr when there is no pick).
struct SheetMenus {
    std::array<MenuEntry*, 4> units;
    CapacityUnit shown;
    MenuEntry* refrigerant;
    MenuEntry* series;
};

void pickFromMenus(ScriptedUser& user, const SheetMenus& menus, CapacityUnit unit) {
    if (menus.shown != unit) {
        user.pick(*menus.units[static_cast<std::size_t>(static_cast<std::int16_t>(unit) - 1)], "--unit");
    }
    if (menus.refrigerant != nullptr) {
        user.pick(*menus.refrigerant, "--refrigerant");
    }
    if (menus.series != nullptr) {
        user.pick(*menus.series, "--valve");
    }
}

} // namespace

void PickOptions::add(OptionParser& parser, Pick pick) {
    switch (pick) {
    case Pick::Unit:
        parser.addOption("--unit", m_unit, "btuh (default), tons, kw or kcal; kw and kcal mean °C and bars");
        break;
    case Pick::Refrigerant:
        m_refrigerantGiven = &parser.addOption("--refrigerant", m_refrigerant, "R-12, R-22, R-502, R-134a, ...");
        break;
    case Pick::Valve:
        m_valveGiven = &parser.addOption(
            "--valve", m_valve, "Series as the Valve Types menu names it: KO, KO/KE, GL, G/GY, DQQ/DQ, VMP, ...");
        break;
    case Pick::Distributor:
        parser.addOption("--distributor", m_distributor, "none, orifice (default), venturi or user");
        break;
    }
}

void PickOptions::reset() {
    m_unit = "btuh";
    m_refrigerant.clear();
    m_valve.clear();
    m_distributor = "orifice";
}

std::optional<PickOptions::Picks> PickOptions::resolve(const OptionParser& parser, std::initializer_list<Pick> order,
                                                       std::ostream& err) const {
    Picks picks;
    for (const Pick pick : order) {
        switch (pick) {
        case Pick::Unit:
            if (const std::optional<CapacityUnit> unit = FindChoice<CapacityUnit>(kUnitNames, m_unit)) {
                picks.unit = *unit;
                break;
            }
            parser.usageError("--unit must be one of btuh, tons, kw, kcal", err);
            return std::nullopt;
        case Pick::Refrigerant:
            if (m_refrigerantGiven->given() && (picks.refrigerant = RefrigerantNamed(m_refrigerant)) == nullptr) {
                parser.usageError("--refrigerant must be one of " + RefrigerantNames(), err);
                return std::nullopt;
            }
            break;
        case Pick::Valve:
            if (m_valveGiven->given() && (picks.series = SeriesNamed(m_valve)) == nullptr) {
                parser.usageError("--valve must be one of " + SeriesNames() + " (or a menu caption such as G/GY)", err);
                return std::nullopt;
            }
            break;
        case Pick::Distributor:
            if (const auto distributor = FindChoice<DistributorPick>(kDistributorNames, m_distributor)) {
                picks.distributor = *distributor;
                break;
            }
            parser.usageError("--distributor must be one of none, orifice, venturi, user", err);
            return std::nullopt;
        }
    }
    return picks;
}

void EntryOption::addTo(OptionParser& parser, std::string_view names, std::string_view help) {
    m_name = names.substr(names.rfind(',') + 1);
    m_given = &parser.addOption(names, m_value, help);
}

void EntryOption::typeInto(ScriptedUser& user, TextBox& box) const {
    if (given()) {
        user.type(box, m_value, m_name);
    }
}

void TemperatureOptions::addTo(OptionParser& parser) {
    addEvaporatorTo(parser);
    m_cond.addTo(parser, "--cond", "Condensing temperature, as typed");
    m_liq.addTo(parser, "--liq,--liquid", "Liquid temperature, as typed");
}

void TemperatureOptions::addEvaporatorTo(OptionParser& parser) {
    m_evap.addTo(parser, "--evap", "Evaporator temperature, as typed");
}

frmkorveld& OpenSelectionWorksheet(ScriptedUser& user, const PickOptions::Picks& picks) {
    user.openFromStartScreen(&frmSelection::cmdValveSelect);
    auto& sheet = user.program().form<frmkorveld>();
    pickFromMenus(user,
                  {{&sheet.mnuBtu, &sheet.mnuTons, &sheet.mnuKWatts, &sheet.mnuKiloCal},
                   sheet.capacityUnitShown(),
                   picks.refrigerant != nullptr ? sheet.refrigerantMenu(picks.refrigerant->name) : nullptr,
                   picks.series != nullptr ? sheet.seriesMenu(picks.series->SeriesNo) : nullptr},
                  picks.unit);
    return sheet;
}

frmtxvCapacity& OpenCapacityWorksheet(ScriptedUser& user, const PickOptions::Picks& picks) {
    user.openFromStartScreen(&frmSelection::cmdValveCap);
    auto& sheet = user.program().form<frmtxvCapacity>();
    pickFromMenus(user,
                  {{&sheet.mnuBtuHr, &sheet.mnuTons, &sheet.mnuKiloWatts, &sheet.mnuKiloCal},
                   sheet.units().CapacityUnit,
                   picks.refrigerant != nullptr ? sheet.refrigerantMenu(picks.refrigerant->name) : nullptr,
                   picks.series != nullptr ? sheet.seriesMenu(picks.series->SeriesNo) : nullptr},
                  picks.unit);
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

void WritePrintedPage(ScriptedUser& user, std::ostream& out) {
    for (const std::string& line : renderPlainText(user.platform().printed().back())) {
        out << line << '\n';
    }
}

} // namespace korveld::cli
