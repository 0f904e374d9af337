#include "cli/batch_command.h"
#include "cli/charges_command.h"
#include "cli/command_registry.h"
#include "cli/compare_command.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"

namespace korveld::cli {

void AddStandardCommands(CommandRegistry& registry, const CliEnvironment& environment) {
    registry.add(std::make_unique<RateCommand>(environment.dateTime));
    registry.add(std::make_unique<SelectCommand>(environment.dateTime));
    registry.add(std::make_unique<ChargesCommand>());
    registry.add(std::make_unique<CompareCommand>());
    registry.add(std::make_unique<BatchCommand>(registry));
}

} // namespace korveld::cli
