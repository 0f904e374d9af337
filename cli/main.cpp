// korveld-cli: the worksheets' calculations from a shell.
#include "cli/command_registry.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    korveld::cli::CommandRegistry registry;
    korveld::cli::AddStandardCommands(registry);
    return korveld::cli::RunCli(registry, args, std::cout, std::cerr);
}
