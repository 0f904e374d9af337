// JSON as the commands print it: objects keep their keys in the order written, and every Single
// is written as the shortest decimal that reads back to the same float.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string_view>

namespace korveld::cli {

using Json = nlohmann::ordered_json;

// The shortest decimal of a float (to_chars), as the double a JSON writer then prints unchanged.
double ShortestDecimal(float value);
Json SingleJson(float value);

// {"message":{"title":...,"text":...}}
Json MessageJson(std::string_view title, std::string_view text);

// One object on one line.
void WriteJson(const Json& json, std::ostream& out);

} // namespace korveld::cli
