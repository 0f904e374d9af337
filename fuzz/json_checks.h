// Properties of the JSON that korveld-cli writes, shared by its fuzz targets.
#pragma once

#include <nlohmann/json.hpp>

namespace korveld::fuzz {

// A null anywhere in the tree: what a number that is not finite would turn into. A string that
// merely contains the word (a usage error quoting the user's "null") is no null.
inline bool HasNull(const nlohmann::json& json) {
    if (json.is_null()) {
        return true;
    }
    if (json.is_structured()) {
        for (const auto& item : json) {
            if (HasNull(item)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace korveld::fuzz
