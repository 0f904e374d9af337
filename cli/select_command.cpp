#include "cli/select_command.h"

#include "cli/json_output.h"
#include "cli/tag_echo.h"
#include "cli/worksheet_choices.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/print_document.h"
#include "worksheets/selection_report.h"

#include <array>
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
    m_picks.addTo(m_parser);
    m_given.evap = &m_parser.addOption("--evap", m_options.evap, "Evaporator temperature, as typed");
    m_given.cond = &m_parser.addOption("--cond", m_options.cond, "Condensing temperature, as typed");
    m_given.liq = &m_parser.addOption("--liq,--liquid", m_options.liq, "Liquid temperature, as typed");
    m_given.capacity = &m_parser.addOption("--capacity", m_options.capacity, "Required capacity in the unit, as typed");
    m_parser.addOption("--distributor", m_options.distributor, "none, orifice (default), venturi or user");
    m_given.pressureDrop =
        &m_parser.addOption("--pressure-drop", m_options.pressureDrop,
                            "User-defined distributor pressure drop, as typed (with --distributor user)");
    m_given.equalizer = &m_parser.addOption("--equalizer", m_options.equalizer, "external or internal");
    m_given.connection = &m_parser.addOption("--connection", m_options.connection, "sweat or flare");
    m_given.charge = &m_parser.addOption("--charge", m_options.charge,
                                         "Power-head charge as the worksheet offers it (W35, \"AD 10\", CA) or none");
    m_given.bleed = &m_parser.addOption("--bleed", m_options.bleed, "Bleed per cent: 0, 10, 15, 20, 25, 30, 40 or 50");
    m_parser.addFlag("--strainer", m_options.strainer, "The QZ strainer");
    m_given.tag =
        &m_parser.addOption("--tag", m_options.tag, "A schedule's tag for this valve (EVAP-3), echoed in the JSON");
    m_parser.addFlag("--json", m_options.json, "Print the answer as one JSON object");
}

std::string_view SelectCommand::summary() const {
    return "Select the size of a valve series for a capacity (the selection worksheet)";
}

int SelectCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_options = Options{};
    m_picks.reset();
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    if (!m_options.json || !m_given.tag->given()) {
        return run(out, err);
    }
    std::ostringstream answer;
    const int status = run(answer, err);
    WriteWithTag(answer.str(), m_options.tag, out);
    return status;
}

int SelectCommand::run(std::ostream& out, std::ostream& err) {
    const std::optional<PickOptions::Picks> picks = m_picks.resolve(m_parser, err);
    if (!picks) {
        return kExitUsage;
    }
    const auto distributor = FindChoice<DistributorChoice>(kDistributorNames, m_options.distributor);
    if (!distributor) {
        return m_parser.usageError("--distributor must be one of none, orifice, venturi, user", err);
    }
    std::optional<EqualizerChoice> equalizer;
    if (m_given.equalizer->given() && !(equalizer = FindChoice<EqualizerChoice>(kEqualizers, m_options.equalizer))) {
        return m_parser.usageError("--equalizer must be external or internal", err);
    }
    std::optional<ConnectionChoice> connection;
    if (m_given.connection->given() &&
        !(connection = FindChoice<ConnectionChoice>(kConnections, m_options.connection))) {
        return m_parser.usageError("--connection must be sweat or flare", err);
    }
    std::optional<int> bleed;
    if (m_given.bleed->given() && !(bleed = FindChoice<int>(kBleeds, m_options.bleed))) {
        return m_parser.usageError("--bleed must be one of 0, 10, 15, 20, 25, 30, 40, 50", err);
    }

    // Only the printed page shows the date and time.
    ScriptedUser& user = m_user.fresh(m_options.json ? DateTimeTexts{} : m_dateTime());
    frmkorveld& sheet = OpenSelectionWorksheet(user, *picks);
    Choose(user, DistributorOption(sheet, *distributor), "--distributor");
    if (m_given.pressureDrop->given()) {
        user.type(sheet.txtPressureDrop, m_options.pressureDrop, "--pressure-drop");
    }
    if (equalizer) {
        Choose(user, *equalizer == EqualizerChoice::External ? sheet.optExternal : sheet.optInternal, "--equalizer");
    }
    if (connection) {
        Choose(user, *connection == ConnectionChoice::Sweat ? sheet.optSweat : sheet.optFlare, "--connection");
    }
    if (m_options.strainer) {
        Choose(user, sheet.optQZYes, "--strainer");
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
    if (m_given.capacity->given()) {
        user.type(sheet.txtInputCap, m_options.capacity, "--capacity");
    }
    if (m_given.charge->given() && !user.stopped()) {
        OptionButton* charge = chargeOptionNamed(sheet, m_options.charge);
        if (charge == nullptr) {
            return ReportStop({std::string(kOwnMessageTitle), "The option --charge cannot be applied: no charge option "
                                                              "is captioned " +
                                                                  m_options.charge + " at this step."},
                              m_options.json, out, err);
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
    auto* results = static_cast<frmResults*>(user.program().loaded(FormId::frmResults));
    if (!m_options.json && results != nullptr) {
        user.click(results->cmdPrintButton, "");
    }
    if (const std::optional<StopMessage>& stop = user.stopMessage()) {
        return ReportStop(*stop, m_options.json, out, err);
    }

    // A selection that leaves advice repeats it in a timed box once OK has waited for it.
    const bool timed = sheet.Timer1.enabled();
    if (timed) {
        user.program().dispatch([&] { sheet.Timer1.fire(); });
    }
    if (m_options.json) {
        m_json.clear();
        writeAnswer(m_json, sheet, *results, *sheet.selectedValve());
        WriteJson(m_json, out);
        return kExitSuccess;
    }
    for (const std::string& line : renderPlainText(user.platform().printed().back())) {
        out << line << '\n';
    }
    if (timed) {
        out << '\n' << user.program().uv().MsgTitle << '\n' << user.program().uv().MsgText << '\n';
    }
    return kExitSuccess;
}

} // namespace korveld::cli
