#include "cli/command_registry.h"

#include "generated/project_identity.h"

#include <algorithm>

namespace korveld::cli {

namespace {

void printUsage(std::ostream& stream) {
    stream << "Usage: " << kProgramName << " <command> [OPTIONS]\n"
           << "       " << kProgramName << " --version | --help\n";
}

void printHelp(const CommandRegistry& registry, std::ostream& out) {
    out << kProgramName << ": the valve worksheets from a shell.\n\n";
    printUsage(out);
    out << "\nCommands:\n";
    std::size_t width = 0;
    for (const auto& command : registry.commands()) {
        width = std::max(width, command->name().size());
    }
    for (const auto& command : registry.commands()) {
        out << "  " << command->name() << std::string(width - command->name().size() + 3, ' ') << command->summary()
            << '\n';
    }
    out << "\nRun '" << kProgramName << " <command> --help' for the options of a command.\n"
        << "Exit status: 0 success, 2 a worksheet message or an option refused at its step, 64 wrong usage.\n"
        << "\nNumbers are the same in every locale: entries are read with '.' as the decimal point and no\n"
        << "digit grouping; results are written with '.' as the decimal point (JSON numbers plain, texts\n"
        << "and pages in the worksheets' patterns, grouped with ','). A page's date is written as\n"
        << "YYYY-MM-DD (ISO 8601) and its time as HH:MM (24-hour clock).\n";
}

} // namespace

void CommandRegistry::add(std::unique_ptr<Command> command) {
    m_commands.push_back(std::move(command));
}

Command* CommandRegistry::find(std::string_view name) const {
    const auto found =
        std::find_if(m_commands.begin(), m_commands.end(),
                     [name](const std::unique_ptr<Command>& command) { return command->name() == name; });
    return found == m_commands.end() ? nullptr : found->get();
}

int RunCli(const CommandRegistry& registry, std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kProgramName << ": a command is needed\n";
        printUsage(err);
        return kExitUsage;
    }
    const std::string& first = args.front();
    if (first == "--version") {
        out << VersionText(kProgramName);
        return kExitSuccess;
    }
    if (first == "--help" || first == "-h") {
        printHelp(registry, out);
        return kExitSuccess;
    }
    Command* command = registry.find(first);
    if (command == nullptr) {
        err << kProgramName << ": unknown command '" << first << "'\n";
        printUsage(err);
        return kExitUsage;
    }
    return command->execute(args.subspan(1), out, err);
}

} // namespace korveld::cli
