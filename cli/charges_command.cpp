#include "cli/charges_command.h"

#include "cli/json_output.h"
#include "worksheets/frm_korveld.h"

#include <algorithm>

namespace korveld::cli {

namespace {

std::string_view yesNo(bool yes, std::string_view no, std::string_view yesText) {
    return yes ? yesText : no;
}

} // namespace

ChargesCommand::ChargesCommand()
    : m_parser("charges", "Shows the power-head charge options of the Valve Selection Worksheet after the picks and "
                          "the evaporator temperature: caption, visible, enabled, chosen, and the range hint.") {
    using Pick = PickOptions::Pick;
    m_picks.add(m_parser, Pick::Refrigerant);
    m_picks.add(m_parser, Pick::Valve);
    m_picks.add(m_parser, Pick::Unit);
    m_temperatures.addEvaporatorTo(m_parser);
    m_parser.addFlag("--json", m_json, "Print the options as one JSON object");
}

std::string_view ChargesCommand::summary() const {
    return "Show the charge options the selection worksheet offers";
}

int ChargesCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_picks.reset();
    m_json = false;
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    return run(out, err);
}

int ChargesCommand::run(std::ostream& out, std::ostream& err) {
    using Pick = PickOptions::Pick;
    const std::optional<PickOptions::Picks> picks =
        m_picks.resolve(m_parser, {Pick::Unit, Pick::Refrigerant, Pick::Valve}, err);
    if (!picks) {
        return kExitUsage;
    }
    ScriptedUser user({});
    frmkorveld& sheet = OpenSelectionWorksheet(user, *picks);
    m_temperatures.typeInto(user, sheet);
    if (const std::optional<StopMessage>& stop = user.stopMessage()) {
        return ReportStop(*stop, m_json, out, err);
    }

    const std::array<const OptionButton*, 5> options{&sheet.optMOPNone, &sheet.optMOPCA, &sheet.optMOP1, &sheet.optMOP2,
                                                     &sheet.optMOP3};
    if (m_json) {
        JsonWriter json;
        json.beginObject();
        json.member("frame_visible", sheet.fmeMOP.visible());
        json.key("options").beginArray();
        for (const OptionButton* option : options) {
            json.beginObject();
            json.member("option", option->fullName());
            json.member("caption", option->caption());
            json.member("visible", option->visible());
            json.member("enabled", option->enabled());
            json.member("chosen", option->value());
            json.endObject();
        }
        json.endArray();
        json.member("range_hint", sheet.lblEvapRange.caption());
        json.endObject();
        WriteJson(json, out);
        return kExitSuccess;
    }
    out << "Power Head Charge frame: " << yesNo(sheet.fmeMOP.visible(), "hidden", "shown") << '\n';
    std::size_t width = 0;
    for (const OptionButton* option : options) {
        width = std::max(width, option->caption().size());
    }
    for (const OptionButton* option : options) {
        out << "  " << option->fullName() << std::string(12 - option->fullName().size(), ' ') << option->caption()
            << std::string(width - option->caption().size() + 2, ' ') << yesNo(option->visible(), "hidden", "visible")
            << ' ' << yesNo(option->enabled(), "disabled", "enabled") << (option->value() ? " chosen" : "") << '\n';
    }
    out << "Range hint: " << sheet.lblEvapRange.caption() << '\n';
    return kExitSuccess;
}

} // namespace korveld::cli
