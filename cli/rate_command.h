// korveld-cli rate: the capacity worksheet run by a scripted user. The user's steps, in order:
// the unit, the refrigerant, the series, the distributor, loading with the system capacity, the
// three temperatures, the pressure drop, Calculate; then PRINT for the page (text) or the rows
// read off the worksheet (JSON).
#pragma once

#include "cli/command.h"
#include "cli/date_time.h"
#include "cli/json_output.h"
#include "cli/option_parser.h"
#include "cli/scripted_user.h"

#include <memory>
#include <string>

namespace korveld::cli {

class RateCommand : public Command {
public:
    explicit RateCommand(DateTimeSource dateTime = SystemDateTime);

    std::string_view name() const override { return "rate"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    struct Options {
        std::string refrigerant;
        std::string valve;
        std::string evap;
        std::string cond;
        std::string liq;
        std::string unit = "btuh";
        std::string distributor = "orifice";
        std::string pressureDrop;
        std::string systemCapacity;
        bool json = false;
    };
    struct Given {
        const OptionParser::Option* refrigerant;
        const OptionParser::Option* valve;
        const OptionParser::Option* evap;
        const OptionParser::Option* cond;
        const OptionParser::Option* liq;
        const OptionParser::Option* pressureDrop;
        const OptionParser::Option* systemCapacity;
    };

    int run(std::ostream& out, std::ostream& err);
    // The user of this run: built once, restarted for every later run.

    DateTimeSource m_dateTime;
    OptionParser m_parser;
    Options m_options;
    Given m_given{};
    JsonWriter m_json;
    ReusedUser m_user;
};

} // namespace korveld::cli
