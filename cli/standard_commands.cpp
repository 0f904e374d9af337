#include "cli/command_registry.h"

namespace korveld::cli {

CommandRegistry StandardCommands(const CliEnvironment& /*environment*/) {
    CommandRegistry registry;
    return registry;
}

} // namespace korveld::cli
