#include "cli/rate_command.h"

#include "cli/json_output.h"
#include "worksheets/frm_txv_capacity.h"

namespace korveld::cli {

namespace {

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
    using Pick = PickOptions::Pick;
    m_picks.add(m_parser, Pick::Refrigerant);
    m_picks.add(m_parser, Pick::Valve);
    m_temperatures.addTo(m_parser);
    m_picks.add(m_parser, Pick::Unit);
    m_picks.add(m_parser, Pick::Distributor);
    m_pressureDrop.addTo(m_parser, "--pressure-drop", "User-defined distributor pressure drop, as typed");
    m_systemCapacity.addTo(m_parser, "--system-capacity",
                           "System capacity in the chosen unit; turns the loading column on");
    m_parser.addFlag("--json", m_json, "Print the conditions and rows as one JSON object");
}

std::string_view RateCommand::summary() const {
    return "Rate every size of a valve series (the capacity worksheet)";
}

int RateCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_picks.reset();
    m_json = false;
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    return run(out, err);
}

int RateCommand::run(std::ostream& out, std::ostream& err) {
    using Pick = PickOptions::Pick;
    const std::optional<PickOptions::Picks> picks =
        m_picks.resolve(m_parser, {Pick::Unit, Pick::Distributor, Pick::Refrigerant, Pick::Valve}, err);
    if (!picks) {
        return kExitUsage;
    }

    // Only the printed page shows the date and time.
    ScriptedUser& user = m_user.fresh(m_json ? DateTimeTexts{} : m_dateTime());
    frmtxvCapacity& sheet = OpenCapacityWorksheet(user, *picks);
    Choose(user, DistributorOption(sheet, picks->distributor), "--distributor");
    if (m_systemCapacity.given()) {
        Choose(user, sheet.optYES, "--system-capacity");
        m_systemCapacity.typeInto(user, sheet.txtSystemCapacity);
    }
    m_temperatures.typeInto(user, sheet);
    m_pressureDrop.typeInto(user, sheet.txtPressureDrop);
    user.click(sheet.cmdCalculate, "");
    if (!m_json) {
        user.click(sheet.cmdPrint, "");
    }

    if (const std::optional<StopMessage>& stop = user.stopMessage()) {
        return ReportStop(*stop, m_json, out, err);
    }
    if (m_json) {
        m_writer.clear();
        writeResult(m_writer, sheet,
                    kUnitNames[static_cast<std::size_t>(static_cast<std::int16_t>(picks->unit) - 1)].first,
                    user.program().uv());
        WriteJson(m_writer, out);
    } else {
        WritePrintedPage(user, out);
    }
    return kExitSuccess;
}

} // namespace korveld::cli
