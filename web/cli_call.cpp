#include "web/cli_call.h"

#include "cli/command_registry.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

namespace korveld::web {

std::string RunCliCall(std::string_view argumentsJson) {
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
    const int status = cli::RunCli(registry, args, out, err);
    return json{{"status", status}, {"stdout", out.str()}, {"stderr", err.str()}}.dump(-1, ' ', false,
                                                                                       json::error_handler_t::replace);
}

} // namespace korveld::web
