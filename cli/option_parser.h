// The options of one command, parsed with CLI11. The parser is built once and parses any number
// of command lines; a command resets its own values before each parse.
#pragma once

#include <CLI/CLI.hpp>
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
    OptionParser(std::string_view command, std::string_view description);

    CLI::App& app() { return m_app; }

    // Parses the words after the command's name. nullopt: the command runs. Otherwise the exit
    // status to return: --help printed to `out` (0), or wrong usage reported on `err` (64).
    std::optional<int> parse(std::span<const std::string> args, std::ostream& out, std::ostream& err);

    // Reports wrong usage found after parsing (a value outside its choices): the problem and the
    // usage line on `err`; returns 64.
    int usageError(std::string_view problem, std::ostream& err) const;

private:
    std::string m_command;
    CLI::App m_app;
    std::vector<std::string> m_words;
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
