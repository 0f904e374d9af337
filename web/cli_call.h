// korveld-cli inside the page: the arguments as a JSON array of strings in, the exit status and
// what the command wrote to standard output and standard error out, as JSON.
#pragma once

#include <string>
#include <string_view>

namespace korveld::web {

std::string RunCliCall(std::string_view argumentsJson);

} // namespace korveld::web
