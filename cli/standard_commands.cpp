#include "cli/batch_command.h"
#include "cli/charges_command.h"
#include "cli/command_registry.h"
#include "cli/compare_command.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"

namespace korveld::cli {

CommandRegistry StandardCommands(const CliEnvironment& environment) {
    CommandRegistry registry;
    registry.add(std::make_unique<RateCommand>(environment.dateTime));
    registry.add(std::make_unique<SelectCommand>(environment.dateTime));
    registry.add(std::make_unique<ChargesCommand>());
    registry.add(std::make_unique<CompareCommand>());
    std::vector<std::unique_ptr<Command>> batchable;
    batchable.push_back(std::make_unique<RateCommand>(environment.dateTime));
    batchable.push_back(std::make_unique<SelectCommand>(environment.dateTime));
    registry.add(std::make_unique<BatchCommand>(std::move(batchable)));
    return registry;
}

} // namespace korveld::cli
