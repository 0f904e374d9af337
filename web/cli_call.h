// korveld-cli inside the page: the arguments as a JSON array of strings and the text of standard
// input in (batch reads its lines there), the exit status and what the command wrote to standard
// output and standard error out, as JSON.
#pragma once

#include <string>
#include <string_view>

namespace korveld::web {

std::string RunCliCall(std::string_view argumentsJson, std::string_view standardInput = {});

} // namespace korveld::web
