#include "web/cli_call.h"

#include "cli/command_registry.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

namespace korveld::web {

std::string RunCliCall(std::string_view argumentsJson, std::string_view standardInput) {
    using nlohmann::json;
    const json parsed = json::parse(argumentsJson, nullptr, false);
    std::vector<std::string> args;
    bool usable = parsed.is_array();
    for (const json& argument : usable ? parsed : json::array()) {
        usable = usable && argument.is_string();
        if (usable) {
            args.push_back(argument.get<std::string>());
        }
    }
    if (!usable) {
        return json{{"status", 2}, {"stdout", ""}, {"stderr", "korveld.cli takes an array of strings\n"}}.dump();
    }
    cli::CommandRegistry registry;
    cli::AddStandardCommands(registry);
    std::ostringstream out;
    std::ostringstream err;
    // The command reads the given text as its standard input, never the page's own (which would ask
    // the user in a prompt).
    std::istringstream input{std::string(standardInput)};
    std::streambuf* const ownInput = std::cin.rdbuf(input.rdbuf());
    const int status = cli::RunCli(registry, args, out, err);
    std::cin.rdbuf(ownInput);
    std::cin.clear();
    return json{{"status", status}, {"stdout", out.str()}, {"stderr", err.str()}}.dump(-1, ' ', false,
                                                                                       json::error_handler_t::replace);
}

} // namespace korveld::web
