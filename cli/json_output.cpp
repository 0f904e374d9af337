#include "cli/json_output.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korveld::cli {

double ShortestDecimal(float value) {
    if (!std::isfinite(value)) {
        return static_cast<double>(value);
    }
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    double shortest = 0.0;
    std::from_chars(text.data(), written.ptr, shortest);
    return shortest;
}

Json SingleJson(float value) {
    return Json(ShortestDecimal(value));
}

Json MessageJson(std::string_view title, std::string_view text) {
    Json message = Json::object();
    message["title"] = title;
    message["text"] = text;
    Json root = Json::object();
    root["message"] = std::move(message);
    return root;
}

void WriteJson(const Json& json, std::ostream& out) {
    // Texts from the worksheets are UTF-8; anything else is replaced rather than thrown over.
    out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace korveld::cli
