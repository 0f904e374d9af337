// korveld-cli compare: what Select answers on the selection worksheet for every series the
// refrigerant allows, with the options of `select` (no --valve). Each row is a Select run on a
// worksheet of its own with that series picked from the Valve Types menu; options a series does
// not offer are left out for it. A table, or a JSON array with --json.
#pragma once

#include "cli/command.h"
#include "cli/option_parser.h"

#include <string>

namespace korveld::cli {

class CompareCommand : public Command {
public:
    CompareCommand();

    std::string_view name() const override { return "compare"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    struct Options {
        std::string unit = "btuh";
        std::string refrigerant;
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
        bool strainer = false;
        bool json = false;
    };

    OptionParser m_parser;
    Options m_options;
    const OptionParser::Option* m_chargeGiven = nullptr;
};

} // namespace korveld::cli
