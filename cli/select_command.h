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
#include "cli/selection_steps.h"

#include <memory>
#include <string>

namespace korveld::cli {

class SelectCommand : public Command {
public:
    explicit SelectCommand(DateTimeSource dateTime = SystemDateTime);

    std::string_view name() const override { return "select"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    struct Options {
        std::string evap;
        std::string cond;
        std::string liq;
        std::string capacity;
        std::string distributor = "orifice";
        std::string pressureDrop;
        std::string equalizer;
        std::string connection;
        std::string charge;
        std::string bleed;
        std::string tag;
        bool strainer = false;
        bool json = false;
    };
    struct Given {
        const OptionParser::Option* evap;
        const OptionParser::Option* cond;
        const OptionParser::Option* liq;
        const OptionParser::Option* capacity;
        const OptionParser::Option* pressureDrop;
        const OptionParser::Option* equalizer;
        const OptionParser::Option* connection;
        const OptionParser::Option* charge;
        const OptionParser::Option* bleed;
        const OptionParser::Option* tag;
    };

    int run(std::ostream& out, std::ostream& err);
    // The user of this run: built once, restarted for every later run.

    DateTimeSource m_dateTime;
    OptionParser m_parser;
    PickOptions m_picks;
    Options m_options;
    Given m_given{};
    JsonWriter m_json;
    ReusedUser m_user;
};

} // namespace korveld::cli
