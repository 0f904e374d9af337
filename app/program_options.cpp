#include "app/program_options.h"

#include "worksheets/context_ids.h"

namespace korveld {

std::optional<int> runProgramOption(int argc, const char* const argv[], const ProgramOptionContext& context,
                                    std::ostream& out, std::ostream& err) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option == "--print-help-file") {
        // The rule the start screen follows when it sets up help.
        const std::string path = HelpFilePath(context.applicationFolder());
        out << path << '\n';
        if (!context.fileExists(path)) {
            err << "korveld: the help file " << path << " is missing\n";
            return 1;
        }
        return 0;
    }
    if (option == "--version") {
        out << context.versionText;
        return 0;
    }
    if (option == "--help" || option == "-h") {
        out << kProgramUsage;
        return 0;
    }
    return std::nullopt;
}

} // namespace korveld
