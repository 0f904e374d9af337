// Any bytes as a korveld-cli command line: the first byte chooses the command, the rest split at
// zero bytes into its words. Every run ends with one of the three exit statuses; a JSON answer is
// one object on one line with no number left out; wrong usage says why.
#include "cli/command_registry.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/json_checks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// batch is left out: without a file it reads the standard input, and its lines have their own fuzzer.
constexpr std::array<std::string_view, 7> kCommands{"rate",      "select",     "charges", "--help",
                                                    "--version", "frobnicate", ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korveld::cli;
    if (size == 0) {
        return 0;
    }
    std::vector<std::string> args;
    const std::string_view command = kCommands[data[0] % kCommands.size()];
    if (!command.empty()) {
        args.emplace_back(command);
    }
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    bool json = false;
    for (std::size_t start = 0; start <= rest.size() && !rest.empty();) {
        const std::size_t end = std::min(rest.find('\0', start), rest.size());
        args.emplace_back(rest.substr(start, end - start));
        json = json || args.back() == "--json";
        start = end + 1;
    }
    CommandRegistry registry;
    AddStandardCommands(registry, {.dateTime = [] { return DateTimeTexts{"1/2/2026", "8:00"}; }});
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(registry, args, out, err);
    FUZZ_CHECK(status == kExitSuccess || status == kExitMessage || status == kExitUsage);
    if (status == kExitUsage) {
        FUZZ_CHECK(!err.str().empty());
        return 0;
    }
    const bool help = std::find(args.begin(), args.end(), "--help") != args.end() ||
                      std::find(args.begin(), args.end(), "-h") != args.end();
    if (json && !help && (command == "rate" || command == "select" || command == "charges")) {
        const std::string text = out.str();
        FUZZ_CHECK(!text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1);
        const nlohmann::json answer = nlohmann::json::parse(text, nullptr, false);
        FUZZ_CHECK(answer.is_object());
        FUZZ_CHECK(!korveld::fuzz::HasNull(answer));
    } else if (status == kExitSuccess) {
        FUZZ_CHECK(!out.str().empty());
    }
    return 0;
}
