// korveld-cli select: the selection worksheet run by a scripted user. The user's steps, in order:
// the unit; the refrigerant; the series; the distributor (with User Defined, the pressure drop
// typed); the equalizer; the connection; the strainer; the three temperatures and the required
// capacity typed; the charge; the bleed (Yes, the percentage, Accept); Select. Then the report's
// page (text) or the answer read off the worksheet and the results dialog (JSON).
#pragma once

#include "cli/command.h"
#include "cli/date_time.h"
#include "cli/json_output.h"
#include "cli/option_parser.h"
#include "cli/worksheet_steps.h"

#include <memory>
#include <string>

namespace korveld::cli {

class SelectCommand : public Command {
public:
    explicit SelectCommand(DateTimeSource dateTime = SystemDateTime);

    std::string_view name() const override { return "select"; }
    std::string_view summary() const override;
    bool runsInBatch() const override { return true; }
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    int run(std::ostream& out, std::ostream& err);

    DateTimeSource m_dateTime;
    OptionParser m_parser;
    PickOptions m_picks;
    TemperatureOptions m_temperatures;
    EntryOption m_capacity;
    EntryOption m_pressureDrop;
    std::string m_equalizer;
    std::string m_connection;
    std::string m_charge;
    std::string m_bleed;
    std::string m_tag;
    const OptionParser::Option* m_equalizerGiven = nullptr;
    const OptionParser::Option* m_connectionGiven = nullptr;
    const OptionParser::Option* m_chargeGiven = nullptr;
    const OptionParser::Option* m_bleedGiven = nullptr;
    const OptionParser::Option* m_tagGiven = nullptr;
    bool m_strainer = false;
    bool m_json = false;
    JsonWriter m_writer;
    // The user of every run: built once, restarted for every later run.
    ReusedUser m_user;
};

} // namespace korveld::cli
