#include "cli/option_parser.h"

#include "cli/command.h"

#include <algorithm>

namespace korveld::cli {

namespace {

bool isLongOption(std::string_view word) {
    return word.size() > 2 && word.starts_with("--");
}

} // namespace

OptionParser::OptionParser(std::string_view command, std::string_view description)
    : m_command(command), m_description(description) {}

OptionParser::Option& OptionParser::add(std::string_view names, std::string_view help) {
    Option& option = m_options.emplace_back();
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        option.m_names.emplace_back(names.substr(0, comma));
        names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
    }
    option.m_help = help;
    return option;
}

const OptionParser::Option& OptionParser::addOption(std::string_view names, std::string& value, std::string_view help) {
    Option& option = add(names, help);
    option.m_text = &value;
    return option;
}

const OptionParser::Option& OptionParser::addFlag(std::string_view names, bool& value, std::string_view help) {
    Option& option = add(names, help);
    option.m_flag = &value;
    return option;
}

const OptionParser::Option& OptionParser::addPositional(std::string_view name, std::string& value,
                                                        std::string_view help) {
    Option& option = add(name, help);
    option.m_text = &value;
    option.m_positional = true;
    return option;
}

OptionParser::Option* OptionParser::find(std::string_view name) {
    for (Option& option : m_options) {
        if (option.m_positional) {
            continue;
        }
        for (const std::string& candidate : option.m_names) {
            if (candidate == name) {
                return &option;
            }
        }
    }
    return nullptr;
}

std::optional<int> OptionParser::parse(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    for (Option& option : m_options) {
        option.m_given = false;
    }
    bool help = false;
    bool onlyPositionals = false; // after "--"
    std::string problem;          // the first wrong use
    std::vector<std::string_view> unexpected;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (!onlyPositionals && (word == "-h" || word == "--help")) {
            help = true;
            continue;
        }
        if (!onlyPositionals && word == "--") {
            onlyPositionals = true;
            continue;
        }
        if (!onlyPositionals && isLongOption(word)) {
            const std::size_t equals = word.find('=');
            Option* option = find(word.substr(0, equals));
            if (option == nullptr) {
                unexpected.push_back(word);
                continue;
            }
            const std::string_view name = word.substr(0, equals);
            if (option->m_flag != nullptr) {
                if (equals != std::string_view::npos && problem.empty()) {
                    problem.append(name).append(": a flag takes no value");
                }
                *option->m_flag = true;
            } else if (equals != std::string_view::npos) {
                option->m_text->assign(word.substr(equals + 1));
            } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
                option->m_text->assign(args[++i]);
            } else {
                if (problem.empty()) {
                    problem.append(name).append(": 1 required TEXT missing");
                }
                continue;
            }
            option->m_given = true;
            continue;
        }
        const auto positional = std::find_if(m_options.begin(), m_options.end(), [](const Option& option) {
            return option.m_positional && !option.m_given;
        });
        if (positional == m_options.end() || (!onlyPositionals && word.size() > 1 && word.front() == '-')) {
            unexpected.push_back(word);
            continue;
        }
        positional->m_text->assign(word);
        positional->m_given = true;
    }
    if (help) {
        out << this->help();
        return kExitSuccess;
    }
    if (problem.empty() && !unexpected.empty()) {
        problem = unexpected.size() == 1 ? "The following argument was not expected:"
                                         : "The following arguments were not expected:";
        for (std::string_view word : unexpected) {
            problem.append(" ").append(word);
        }
    }
    if (!problem.empty()) {
        return usageError(problem, err);
    }
    return std::nullopt;
}

int OptionParser::usageError(std::string_view problem, std::ostream& err) const {
    err << kProgramName << ' ' << m_command << ": " << problem << '\n'
        << "Usage: " << kProgramName << ' ' << m_command << " [OPTIONS]  (--help for the options)\n";
    return kExitUsage;
}

std::string OptionParser::help() const {
    std::string text = m_description + "\nUsage: " + std::string(kProgramName) + " " + m_command + " [OPTIONS]";
    for (const Option& option : m_options) {
        if (option.m_positional) {
            text.append(" [").append(option.m_names.front()).append("]");
        }
    }
    // One line per option: its names, TEXT for a value, then the help from column 30.
    const auto line = [&text](const std::string& names, std::string_view help) {
        text.append("  ").append(names);
        text.append(names.size() < 28 ? 28 - names.size() : 1, ' ').append(help).append("\n");
    };
    text.append("\n\nOptions:\n");
    line("-h,--help", "Print this help and exit");
    for (const Option& option : m_options) {
        if (option.m_positional) {
            continue;
        }
        std::string names;
        for (const std::string& name : option.m_names) {
            names.append(names.empty() ? "" : ",").append(name);
        }
        line(names + (option.m_text != nullptr ? " TEXT" : ""), option.m_help);
    }
    for (const Option& option : m_options) {
        if (option.m_positional) {
            text.append("\nPositionals:\n");
            line(option.m_names.front() + " TEXT", option.m_help);
        }
    }
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    // ASCII letters only: every name compared is ASCII, and the C locale's tolower is slow.
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace korveld::cli
