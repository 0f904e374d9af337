// korveld-cli charges: the power-head charge options the selection worksheet shows after the
// unit, refrigerant and series picks and the evaporator temperature typed, in that order.
#pragma once

#include "cli/command.h"
#include "cli/option_parser.h"
#include "cli/worksheet_steps.h"

#include <string>

namespace korveld::cli {

class ChargesCommand : public Command {
public:
    ChargesCommand();

    std::string_view name() const override { return "charges"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

private:
    int run(std::ostream& out, std::ostream& err);

    OptionParser m_parser;
    PickOptions m_picks;
    TemperatureOptions m_temperatures;
    bool m_json = false;
};

} // namespace korveld::cli
