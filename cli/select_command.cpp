#include "cli/select_command.h"

#include "cli/json_output.h"
#include "cli/tag_echo.h"
#include "cli/worksheet_choices.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/selection_report.h"

#include <sstream>

namespace korveld::cli {

namespace {

enum class EqualizerChoice { External, Internal };
enum class ConnectionChoice { Sweat, Flare };

constexpr std::pair<std::string_view, EqualizerChoice> kEqualizers[] = {{"external", EqualizerChoice::External},
                                                                        {"internal", EqualizerChoice::Internal}};
constexpr std::pair<std::string_view, ConnectionChoice> kConnections[] = {{"sweat", ConnectionChoice::Sweat},
                                                                          {"flare", ConnectionChoice::Flare}};
// The bleed per cent and the dialog's option for it, by its index in percentageOptions(); -1 is NONE.
constexpr std::pair<std::string_view, int> kBleeds[] = {{"0", -1}, {"10", 0}, {"15", 1}, {"20", 2},
                                                        {"25", 3}, {"30", 4}, {"40", 5}, {"50", 6}};

// The charge option a --charge value names: "none" is the option without MOP whatever its caption;
// otherwise the option with that caption, a visible one before a hidden one.
OptionButton* chargeOptionNamed(frmkorveld& sheet, std::string_view value) {
    if (EqualIgnoringCase(value, "none")) {
        return &sheet.optMOPNone;
    }
    OptionButton* hiddenMatch = nullptr;
    for (OptionButton* option : {&sheet.optMOPNone, &sheet.optMOPCA, &sheet.optMOP1, &sheet.optMOP2, &sheet.optMOP3}) {
        if (!option->caption().empty() && EqualIgnoringCase(option->caption(), value)) {
            if (option->visible()) {
                return option;
            }
            hiddenMatch = hiddenMatch != nullptr ? hiddenMatch : option;
        }
    }
    return hiddenMatch;
}

void writeAnswer(JsonWriter& json, const frmkorveld& sheet, const frmResults& results, const SelectedValve& valve) {
    json.beginObject();
    json.member("valve", results.txtValSelected.text());
    json.member("size", valve.SizeNo);
    json.member("size_name", valve.ValName);
    json.memberSingle("capacity", valve.capacityInUnit);
    json.member("capacity_text", results.txtValCapacity.text());
    json.memberSingle("loading", valve.PerCentLoading);
    json.member("loading_text", results.txtValveLoading.text());
    json.member("power_assembly", results.txtPowAssby.text());
    json.member("cage_assembly", results.txtCageAssby.text());
    json.member("advice", valve.advice.firstText);
    json.member("replace_advice", sheet.uv().ReplaceAdvice);
    WriteConditions(json, sheet.selectionConditions());
    json.endObject();
}

} // namespace

SelectCommand::SelectCommand(DateTimeSource dateTime)
    : m_dateTime(std::move(dateTime)),
      m_parser("select", "Selects the one size of a valve series whose 65-110 % window holds the required capacity, "
                         "as the Valve Selection Worksheet does, and prints its report (or JSON).") {
    using Pick = PickOptions::Pick;
    m_picks.add(m_parser, Pick::Refrigerant);
    m_picks.add(m_parser, Pick::Valve);
    m_picks.add(m_parser, Pick::Unit);
    m_temperatures.addTo(m_parser);
    m_capacity.addTo(m_parser, "--capacity", "Required capacity in the unit, as typed");
    m_picks.add(m_parser, Pick::Distributor);
    m_pressureDrop.addTo(m_parser, "--pressure-drop",
                         "User-defined distributor pressure drop, as typed (with --distributor user)");
    m_equalizerGiven = &m_parser.addOption("--equalizer", m_equalizer, "external or internal");
    m_connectionGiven = &m_parser.addOption("--connection", m_connection, "sweat or flare");
    m_chargeGiven = &m_parser.addOption("--charge", m_charge,
                                        "Power-head charge as the worksheet offers it (W35, \"AD 10\", CA) or none");
    m_bleedGiven = &m_parser.addOption("--bleed", m_bleed, "Bleed per cent: 0, 10, 15, 20, 25, 30, 40 or 50");
    m_parser.addFlag("--strainer", m_strainer, "The QZ strainer");
    m_tagGiven = &m_parser.addOption("--tag", m_tag, "A schedule's tag for this valve (EVAP-3), echoed in the JSON");
    m_parser.addFlag("--json", m_json, "Print the answer as one JSON object");
}

std::string_view SelectCommand::summary() const {
    return "Select the size of a valve series for a capacity (the selection worksheet)";
}

int SelectCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_picks.reset();
    m_strainer = false;
    m_json = false;
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    if (!m_json || !m_tagGiven->given()) {
        return run(out, err);
    }
    std::ostringstream answer;
    const int status = run(answer, err);
    WriteWithTag(answer.str(), m_tag, out);
    return status;
}

int SelectCommand::run(std::ostream& out, std::ostream& err) {
    using Pick = PickOptions::Pick;
    const std::optional<PickOptions::Picks> picks =
        m_picks.resolve(m_parser, {Pick::Unit, Pick::Refrigerant, Pick::Valve, Pick::Distributor}, err);
    if (!picks) {
        return kExitUsage;
    }
    std::optional<EqualizerChoice> equalizer;
    if (m_equalizerGiven->given() && !(equalizer = FindChoice<EqualizerChoice>(kEqualizers, m_equalizer))) {
        return m_parser.usageError("--equalizer must be external or internal", err);
    }
    std::optional<ConnectionChoice> connection;
    if (m_connectionGiven->given() && !(connection = FindChoice<ConnectionChoice>(kConnections, m_connection))) {
        return m_parser.usageError("--connection must be sweat or flare", err);
    }
    std::optional<int> bleed;
    if (m_bleedGiven->given() && !(bleed = FindChoice<int>(kBleeds, m_bleed))) {
        return m_parser.usageError("--bleed must be one of 0, 10, 15, 20, 25, 30, 40, 50", err);
    }

    // Only the printed page shows the date and time.
    ScriptedUser& user = m_user.fresh(m_json ? DateTimeTexts{} : m_dateTime());
    frmkorveld& sheet = OpenSelectionWorksheet(user, *picks);
    Choose(user, DistributorOption(sheet, picks->distributor), "--distributor");
    m_pressureDrop.typeInto(user, sheet.txtPressureDrop);
    if (equalizer) {
        Choose(user, *equalizer == EqualizerChoice::External ? sheet.optExternal : sheet.optInternal, "--equalizer");
    }
    if (connection) {
        Choose(user, *connection == ConnectionChoice::Sweat ? sheet.optSweat : sheet.optFlare, "--connection");
    }
    if (m_strainer) {
        Choose(user, sheet.optQZYes, "--strainer");
    }
    m_temperatures.typeInto(user, sheet);
    m_capacity.typeInto(user, sheet.txtInputCap);
    if (m_chargeGiven->given() && !user.stopped()) {
        OptionButton* charge = chargeOptionNamed(sheet, m_charge);
        if (charge == nullptr) {
            return ReportStop({std::string(kOwnMessageTitle), "The option --charge cannot be applied: no charge option "
                                                              "is captioned " +
                                                                  m_charge + " at this step."},
                              m_json, out, err);
        }
        Choose(user, *charge, "--charge");
    }
    if (bleed && user.click(sheet.optYES, "--bleed")) {
        auto& dialog = static_cast<frmPerCentBleed&>(*user.program().load(FormId::frmPerCentBleed));
        Choose(user, *bleed < 0 ? dialog.optNone : *dialog.percentageOptions()[static_cast<std::size_t>(*bleed)],
               "--bleed");
        user.click(dialog.cmdExit, "--bleed");
    }
    user.click(sheet.cmdSelect, "");
    auto* results = user.program().loaded<frmResults>();
    if (!m_json && results != nullptr) {
        user.click(results->cmdPrintButton, "");
    }
    if (const std::optional<StopMessage>& stop = user.stopMessage()) {
        return ReportStop(*stop, m_json, out, err);
    }

    // A selection that leaves advice repeats it in a timed box once OK has waited for it.
    const bool timed = sheet.Timer1.enabled();
    if (timed) {
        user.program().dispatch([&] { sheet.Timer1.fire(); });
    }
    if (m_json) {
        m_writer.clear();
        writeAnswer(m_writer, sheet, *results, *sheet.selectedValve());
        WriteJson(m_writer, out);
        return kExitSuccess;
    }
    WritePrintedPage(user, out);
    if (timed) {
        out << '\n' << user.program().uv().MsgTitle << '\n' << user.program().uv().MsgText << '\n';
    }
    return kExitSuccess;
}

} // namespace korveld::cli
