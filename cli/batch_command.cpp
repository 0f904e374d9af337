#include "cli/batch_command.h"

#include "cli/command_line_words.h"
#include "cli/command_registry.h"
#include "cli/json_output.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace korveld::cli {

namespace {

// The first line of a usage report, the problem itself.
std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

void writeUsageError(long line, std::string_view problem, std::ostream& out) {
    JsonWriter json;
    json.beginObject().member("line", line).member("usage_error", problem).endObject();
    WriteJson(json, out);
}

} // namespace

BatchCommand::BatchCommand(const CommandRegistry& registry)
    : m_parser("batch", "Runs one rate or select command line per input line (shell quoting; blank lines and # "
                        "comments skipped) and prints one JSON object per line with its line number: the answer, "
                        "the message, or the usage error. Exit status 0 unless the input cannot be read (66)."),
      m_registry(registry) {
    m_parser.addPositional("input", m_input, "File of command lines; - or none for the standard input");
}

std::string_view BatchCommand::summary() const {
    return "Run many rate and select command lines, one JSON object per line";
}

Command* BatchCommand::find(std::string_view name) const {
    Command* command = m_registry.find(name);
    return command != nullptr && command->runsInBatch() ? command : nullptr;
}

std::string BatchCommand::batchCommandNames() const {
    std::vector<std::string_view> names;
    for (const auto& command : m_registry.commands()) {
        if (command->runsInBatch()) {
            names.push_back(command->name());
        }
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
    }
    return text;
}

int BatchCommand::execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    m_input.clear();
    if (const std::optional<int> status = m_parser.parse(args, out, err)) {
        return *status;
    }
    if (m_input.empty() || m_input == "-") {
        runLines(std::cin, out);
        if (std::cin.bad()) {
            err << kProgramName << " batch: the standard input cannot be read\n";
            return kExitNoInput;
        }
        return kExitSuccess;
    }
    std::ifstream file(m_input);
    if (!file) {
        err << kProgramName << " batch: cannot read " << m_input << '\n';
        return kExitNoInput;
    }
    runLines(file, out);
    if (file.bad()) {
        err << kProgramName << " batch: reading " << m_input << " failed\n";
        return kExitNoInput;
    }
    return kExitSuccess;
}

long BatchCommand::runLines(std::istream& in, std::ostream& out) {
    std::string line;
    SplitResult split;
    std::vector<std::string> args;
    std::ostringstream commandOut;
    std::ostringstream commandErr;
    std::string answer;
    long number = 0;
    long run = 0;
    while (std::getline(in, line)) {
        ++number;
        SplitCommandLine(line, split);
        if (split.error) {
            writeUsageError(number, *split.error, out);
            ++run;
            continue;
        }
        if (split.words.empty()) {
            continue;
        }
        ++run;
        Command* command = find(split.words.front());
        if (command == nullptr) {
            writeUsageError(
                number, "unknown command '" + split.words.front() + "'; a batch line runs " + batchCommandNames(), out);
            continue;
        }
        args.assign(split.words.begin() + 1, split.words.end());
        bool json = false;
        for (const std::string& arg : args) {
            json = json || arg == "--json";
        }
        if (!json) {
            args.emplace_back("--json");
        }
        commandOut.str({});
        commandErr.str({});
        const int status = command->execute(args, commandOut, commandErr);
        answer = commandOut.str();
        if (status == kExitUsage) {
            writeUsageError(number, firstLine(commandErr.str()), out);
        } else if (answer.size() < 2 || answer.front() != '{') {
            writeUsageError(number, "the line gives no JSON answer", out);
        } else {
            // The command's own object, with the line number put in front.
            out << "{\"line\":" << number << (answer[1] == '}' ? "" : ",") << std::string_view(answer).substr(1);
        }
    }
    return run;
}

} // namespace korveld::cli
