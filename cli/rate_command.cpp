#include "cli/rate_command.h"

#include "cli/json_output.h"
#include "cli/scripted_user.h"
#include "cli/worksheet_choices.h"
#include "engine/choice_rules.h"
#include "engine/valconts.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/print_document.h"

#include <array>

namespace korveld::cli {

namespace {

MenuEntry& unitEntry(frmtxvCapacity& sheet, CapacityUnit unit) {
    const std::array<MenuEntry*, 4> entries{&sheet.mnuBtuHr, &sheet.mnuTons, &sheet.mnuKiloWatts, &sheet.mnuKiloCal};
    return *entries[static_cast<std::size_t>(static_cast<std::int16_t>(unit) - 1)];
}

void writeResult(JsonWriter& json, frmtxvCapacity& sheet, std::string_view unit, const Universal_Variables& uv) {
    json.beginObject();
    json.member("refrigerant", sheet.txtSelectRefrig.text());
    json.member("valve", sheet.txtSelValve.text());
    json.member("unit", unit);
    WriteConditions(json, uv.conditions);
    json.key("rows").beginArray();
    std::int16_t K = 0;
    for (const RatingRow& rated : sheet.lastRating().Rows()) {
        ++K;
        json.beginObject();
        json.member("size", rated.SizeNo);
        json.member("label", sheet.lblValName(K).caption());
        json.memberSingle("capacity", rated.RowCapacity);
        json.member("capacity_text", sheet.txtValCap(K).text());
        if (sheet.optYES.value() && rated.loading) {
            json.memberSingle("loading", *rated.loading);
            json.member("loading_text", sheet.txtFlowCap(K).text());
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace

RateCommand::RateCommand(DateTimeSource dateTime)
    : m_dateTime(std::move(dateTime)),
      m_parser("rate", "Rates every size of a valve series at the given conditions, as the Valve Capacity "
                       "Worksheet does, and prints its report (or JSON).") {
    m_given.refrigerant = &m_parser.addOption("--refrigerant", m_options.refrigerant, "R-12, R-22, R-502, R-134a, ...");
    m_given.valve = &m_parser.addOption("--valve", m_options.valve,
                                        "Series as the Valve Types menu names it: KO, KO/KE, GL, "
                                        "G/GY, DQQ/DQ, VMP, ...");
    m_given.evap = &m_parser.addOption("--evap", m_options.evap, "Evaporator temperature, as typed");
    m_given.cond = &m_parser.addOption("--cond", m_options.cond, "Condensing temperature, as typed");
    m_given.liq = &m_parser.addOption("--liq,--liquid", m_options.liq, "Liquid temperature, as typed");
    m_parser.addOption("--unit", m_options.unit, "btuh (default), tons, kw or kcal; kw and kcal mean °C and bars");
    m_parser.addOption("--distributor", m_options.distributor, "none, orifice (default), venturi or user");
    m_given.pressureDrop = &m_parser.addOption("--pressure-drop", m_options.pressureDrop,
                                               "User-defined distributor pressure drop, as typed");
    m_given.systemCapacity = &m_parser.addOption("--system-capacity", m_options.systemCapacity,
                                                 "System capacity in the chosen unit; turns the loading column on");
    m_parser.addFlag("--json", m_options.json, "Print the conditions and rows as one JSON object");
}

std::string_view RateCommand::summary() const {
    return "Rate every size of a valve series (the capacity worksheet)";
}

int RateCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_options = Options{};
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    return run(out, err);
}

int RateCommand::run(std::ostream& out, std::ostream& err) {
    const auto unit = FindChoice<CapacityUnit>(kUnitNames, m_options.unit);
    if (!unit) {
        return m_parser.usageError("--unit must be one of btuh, tons, kw, kcal", err);
    }
    const auto distributor = FindChoice<DistributorChoice>(kDistributorNames, m_options.distributor);
    if (!distributor) {
        return m_parser.usageError("--distributor must be one of none, orifice, venturi, user", err);
    }
    const RefrigerantInfo* refrigerant = nullptr;
    if (m_given.refrigerant->given() && (refrigerant = RefrigerantNamed(m_options.refrigerant)) == nullptr) {
        std::string names;
        for (const RefrigerantInfo& info : Refrigerants()) {
            names.append(names.empty() ? "" : ", ").append(info.name);
        }
        return m_parser.usageError("--refrigerant must be one of " + names, err);
    }
    const SeriesMenuEntry* series = nullptr;
    if (m_given.valve->given() && (series = SeriesNamed(m_options.valve)) == nullptr) {
        std::string names;
        for (const SeriesMenuEntry& entry : SeriesMenu()) {
            names.append(names.empty() ? "" : ", ").append(entry.text);
        }
        return m_parser.usageError("--valve must be one of " + names + " (or a menu caption such as G/GY)", err);
    }

    // Only the printed page shows the date and time.
    ScriptedUser& user = m_user.fresh(m_options.json ? DateTimeTexts{} : m_dateTime());
    user.openFromStartScreen(&frmSelection::cmdValveCap);
    auto& sheet = static_cast<frmtxvCapacity&>(*user.program().load(FormId::frmtxvCapacity));
    if (sheet.units().CapacityUnit != *unit) {
        user.pick(unitEntry(sheet, *unit), "--unit");
    }
    if (refrigerant != nullptr) {
        user.pick(*sheet.refrigerantMenu(refrigerant->name), "--refrigerant");
    }
    if (series != nullptr) {
        user.pick(*sheet.seriesMenu(series->SeriesNo), "--valve");
    }
    if (OptionButton& option = DistributorOption(sheet, *distributor); !option.value()) {
        user.click(option, "--distributor");
    }
    if (m_given.systemCapacity->given()) {
        if (!sheet.optYES.value()) {
            user.click(sheet.optYES, "--system-capacity");
        }
        user.type(sheet.txtSystemCapacity, m_options.systemCapacity, "--system-capacity");
    }
    if (m_given.evap->given()) {
        user.type(sheet.txtEvapTemp, m_options.evap, "--evap");
    }
    if (m_given.cond->given()) {
        user.type(sheet.txtCondTemp, m_options.cond, "--cond");
    }
    if (m_given.liq->given()) {
        user.type(sheet.txtLiqTemp, m_options.liq, "--liquid");
    }
    if (m_given.pressureDrop->given()) {
        user.type(sheet.txtPressureDrop, m_options.pressureDrop, "--pressure-drop");
    }
    user.click(sheet.cmdCalculate, "");
    if (!m_options.json) {
        user.click(sheet.cmdPrint, "");
    }

    if (const std::optional<StopMessage>& stop = user.stopMessage()) {
        if (m_options.json) {
            m_json.clear();
            WriteMessageJson(m_json, stop->title, stop->text);
            WriteJson(m_json, out);
        } else {
            err << stop->title << '\n' << stop->text << '\n';
        }
        return kExitMessage;
    }
    if (m_options.json) {
        m_json.clear();
        writeResult(m_json, sheet, kUnitNames[static_cast<std::size_t>(static_cast<std::int16_t>(*unit) - 1)].first,
                    user.program().uv());
        WriteJson(m_json, out);
    } else {
        for (const std::string& line : renderPlainText(user.platform().printed().back())) {
            out << line << '\n';
        }
    }
    return kExitSuccess;
}

} // namespace korveld::cli
