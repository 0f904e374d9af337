#include "cli/tag_echo.h"

#include "cli/json_output.h"

namespace korveld::cli {

void WriteWithTag(std::string_view answer, std::string_view tag, std::ostream& out) {
    if (answer.size() < 2 || answer.front() != '{') {
        out << answer;
        return;
    }
    JsonWriter json;
    json.string(tag);
    out << "{\"tag\":" << json.text() << (answer[1] == '}' ? "" : ",") << answer.substr(1);
}

} // namespace korveld::cli
