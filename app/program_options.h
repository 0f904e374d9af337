// The few options the program answers on the command line without opening a window: where it
// looks for its help file (to check an installation), its version, and a short usage text.
// Anything else on the command line goes to Qt as usual.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace korveld {

// The text of `korveld --help`.
inline constexpr std::string_view kProgramUsage =
    "Usage: korveld [--print-help-file | --version | --help]\n"
    "Without an option korveld opens its start screen.\n"
    "  --print-help-file  print the help file the program opens, found in its own folder;\n"
    "                     exit status 1 when that file is missing\n"
    "  --version          print the version, the copyright and the licence\n"
    "  --help             print this text\n";

struct ProgramOptionContext {
    std::string_view versionText;                   // printed as it is by --version
    std::function<std::string()> applicationFolder; // asked only by --print-help-file
    std::function<bool(const std::string& path)> fileExists;
};

// Runs the option in argv[1] when it is one of ours and returns the exit status; nullopt when the
// program should start as usual.
std::optional<int> runProgramOption(int argc, const char* const argv[], const ProgramOptionContext& context,
                                    std::ostream& out, std::ostream& err);

} // namespace korveld
