// The options of one command: long options with a value (`--evap 40`, `--evap=40`), flags
// (`--json`), at most one positional word, and -h/--help. The parser is built once and parses any
// number of command lines; a command resets its own values before each parse. An option given
// twice takes its last value. The word after an option that needs a value is its value unless it
// starts with "--", so negative numbers need no "=".
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korveld::cli {

class OptionParser {
public:
    // One option, flag or positional word; given() tells whether the last command line named it.
    class Option {
    public:
        bool given() const { return m_given; }

    private:
        friend class OptionParser;

        std::vector<std::string> m_names; // "--liq", "--liquid"; the positional's display name
        std::string m_help;
        std::string* m_text = nullptr; // value options and the positional
        bool* m_flag = nullptr;        // flags
        bool m_positional = false;
        bool m_given = false;
    };

    OptionParser(std::string_view command, std::string_view description);
    OptionParser(const OptionParser&) = delete;
    OptionParser& operator=(const OptionParser&) = delete;

    // `names` lists every name of the option, separated by commas: "--liq,--liquid".
    const Option& addOption(std::string_view names, std::string& value, std::string_view help);
    const Option& addFlag(std::string_view names, bool& value, std::string_view help);
    const Option& addPositional(std::string_view name, std::string& value, std::string_view help);

    // Parses the words after the command's name. nullopt: the command runs. Otherwise the exit
    // status to return: --help printed to `out` (0), or wrong usage reported on `err` (64).
    std::optional<int> parse(std::span<const std::string> args, std::ostream& out, std::ostream& err);

    // Reports wrong usage found after parsing (a value outside its choices): the problem and the
    // usage line on `err`; returns 64.
    int usageError(std::string_view problem, std::ostream& err) const;

    // The description, the usage line and every option with its help.
    std::string help() const;

private:
    Option& add(std::string_view names, std::string_view help);
    Option* find(std::string_view name);

    std::string m_command;
    std::string m_description;
    std::deque<Option> m_options; // never moved: commands keep references
};

// A value looked up case-insensitively among named choices.
template <class T>
using Choices = std::span<const std::pair<std::string_view, T>>;

bool EqualIgnoringCase(std::string_view a, std::string_view b);

template <class T>
std::optional<T> FindChoice(Choices<T> choices, std::string_view value) {
    for (const auto& [name, choice] : choices) {
        if (EqualIgnoringCase(name, value)) {
            return choice;
        }
    }
    return std::nullopt;
}

} // namespace korveld::cli
