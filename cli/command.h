// A subcommand of korveld-cli: a name, a one-line summary and one entry point that reads its
// arguments and writes to the streams it is given, so that tests and a batch run can redirect them.
// A command keeps its parser between runs; execute may be called any number of times.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace korveld::cli {

// Exit statuses of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitMessage = 2; // a worksheet's message box, or an option refused at its step
inline constexpr int kExitUsage = 64;  // wrong usage

inline constexpr std::string_view kProgramName = "korveld-cli";

class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view name() const = 0;
    virtual std::string_view summary() const = 0;
    // Whether a line of a batch may run it (with --json, on the command kept for every line).
    virtual bool runsInBatch() const { return false; }
    // `args` are the words after the command's name. Returns the exit status.
    virtual int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) = 0;
};

} // namespace korveld::cli
