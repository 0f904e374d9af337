// korveld-cli batch: one rate or select command line per input line (blank lines and # comments
// skipped), each run as a fresh run of that command with --json, one JSON object per line out,
// with its line number: the command's answer, its message, or the usage error.
#pragma once

#include "cli/command.h"
#include "cli/option_parser.h"

#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace korveld::cli {

// The input cannot be read.
inline constexpr int kExitNoInput = 66;

class BatchCommand : public Command {
public:
    // The commands a batch line may run; the batch keeps them, and their parsers, for every line.
    explicit BatchCommand(std::vector<std::unique_ptr<Command>> commands);

    std::string_view name() const override { return "batch"; }
    std::string_view summary() const override;
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override;

    // Runs every line of `in`; returns the number of lines run.
    long runLines(std::istream& in, std::ostream& out);

private:
    Command* find(std::string_view name) const;

    OptionParser m_parser;
    std::vector<std::unique_ptr<Command>> m_commands;
    std::string m_input;
};

} // namespace korveld::cli
