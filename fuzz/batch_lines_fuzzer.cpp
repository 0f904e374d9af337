// Any bytes as a batch schedule: one JSON object per command line, numbered in order, with no
// number left out; the count of answers is the count of lines run.
#include "cli/batch_command.h"
#include "cli/command_registry.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/json_checks.h"

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korveld::cli;
    CommandRegistry registry;
    AddStandardCommands(registry, {.dateTime = [] { return DateTimeTexts{"1/2/2026", "8:00"}; }});
    auto& batch = dynamic_cast<BatchCommand&>(*registry.find("batch"));
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    const long run = batch.runLines(in, out);
    std::istringstream answers(out.str());
    long count = 0;
    long previous = 0;
    for (std::string line; std::getline(answers, line); ++count) {
        const nlohmann::json answer = nlohmann::json::parse(line, nullptr, false);
        FUZZ_CHECK(answer.is_object() && answer.contains("line") && answer["line"].is_number_integer());
        const long number = answer["line"].get<long>();
        FUZZ_CHECK(number > previous);
        previous = number;
        FUZZ_CHECK(!korveld::fuzz::HasNull(answer));
    }
    FUZZ_CHECK(count == run);
    return 0;
}
