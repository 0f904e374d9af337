#include "cli/option_parser.h"

#include "cli/command.h"

#include <algorithm>
#include <cctype>

namespace korveld::cli {

OptionParser::OptionParser(std::string_view command, std::string_view description)
    : m_command(command), m_app(std::string(description), std::string(kProgramName) + " " + std::string(command)) {
    m_app.set_help_flag("-h,--help", "Print this help and exit");
    // An option given twice takes its last value, as a later word overrides an earlier one.
    m_app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

std::optional<int> OptionParser::parse(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    // CLI11 takes the words last first and consumes them.
    m_words.assign(args.rbegin(), args.rend());
    try {
        m_app.parse(m_words);
    } catch (const CLI::CallForHelp&) {
        out << m_app.help();
        return kExitSuccess;
    } catch (const CLI::ParseError& error) {
        return usageError(error.what(), err);
    }
    return std::nullopt;
}

int OptionParser::usageError(std::string_view problem, std::ostream& err) const {
    err << kProgramName << ' ' << m_command << ": " << problem << '\n'
        << "Usage: " << kProgramName << ' ' << m_command << " [OPTIONS]  (--help for the options)\n";
    return kExitUsage;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace korveld::cli
