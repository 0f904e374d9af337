// korveld-cli batch: one command line per input line (blank lines and # comments skipped), each run
// as a fresh run of that command of the registry with --json, one JSON object per line out, with
// its line number: the command's answer, its message, or the usage error. A line runs only the
// commands that run in a batch (rate and select).
#pragma once

#include "cli/command.h"
#include "cli/option_parser.h"

#include <istream>
#include <string>

namespace korveld::cli {

// The input cannot be read.
inline constexpr int kExitNoInput = 66;

class CommandRegistry;

class BatchCommand : public Command {
public:
    // The lines run the registry's commands, which keep their parsers and programs for every line;
    // the registry outlives the batch.
    explicit BatchCommand(const CommandRegistry& registry);

    std::string_view name() const override { return "batch"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

    // Runs every line of `in`; returns the number of lines run.
    long runLines(std::istream& in, std::ostream& out);

private:
    // The command a batch line names, or nullptr when the registry has none of that name that runs in a batch.
    Command* find(std::string_view name) const;
    // "rate or select": the commands a batch line runs, for the message of a line that names another.
    std::string batchCommandNames() const;

    OptionParser m_parser;
    const CommandRegistry& m_registry;
    std::string m_input;
};

} // namespace korveld::cli
