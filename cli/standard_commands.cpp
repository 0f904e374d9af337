#include "cli/command_registry.h"
#include "cli/rate_command.h"

namespace korveld::cli {

CommandRegistry StandardCommands(const CliEnvironment& environment) {
    CommandRegistry registry;
    registry.add(std::make_unique<RateCommand>(environment.dateTime));
    return registry;
}

} // namespace korveld::cli
