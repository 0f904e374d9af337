// The subcommands of korveld-cli by name, and the program's own entry: --version, --help, and
// the dispatch of `korveld-cli <command> [OPTIONS]` to a command.
#pragma once

#include "cli/command.h"
#include "cli/date_time.h"

#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korveld::cli {

class CommandRegistry {
public:
    CommandRegistry() = default;
    // Never copied nor moved: a command may keep a reference to the registry it is in (batch does).
    CommandRegistry(const CommandRegistry&) = delete;
    CommandRegistry& operator=(const CommandRegistry&) = delete;

    void add(std::unique_ptr<Command> command);
    // The command of this name, or nullptr.
    Command* find(std::string_view name) const;
    const std::vector<std::unique_ptr<Command>>& commands() const { return m_commands; }

private:
    std::vector<std::unique_ptr<Command>> m_commands;
};

// What the commands take from the machine they run on.
struct CliEnvironment {
    DateTimeSource dateTime = SystemDateTime;
};

// Adds every command the program has to `registry`; a new command adds one line there.
void AddStandardCommands(CommandRegistry& registry, const CliEnvironment& environment = {});

// Runs one command line; `args` are the words after the program's name.
int RunCli(const CommandRegistry& registry, std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace korveld::cli
