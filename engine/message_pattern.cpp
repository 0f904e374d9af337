#include "message_pattern.h"

namespace korveld {

bool MessagePattern::matches(std::string_view boxTitle, std::string_view prompt, std::int16_t boxStyle) const {
    if (boxTitle != title || boxStyle != style || parts.empty()) {
        return false;
    }
    if (parts.size() == 1) {
        return prompt == parts.front();
    }
    if (!prompt.starts_with(parts.front()) || !prompt.ends_with(parts.back()) ||
        prompt.size() < parts.front().size() + parts.back().size()) {
        return false;
    }
    // The middle parts in order between the first and the last.
    std::string_view rest =
        prompt.substr(parts.front().size(), prompt.size() - parts.front().size() - parts.back().size());
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
        const std::size_t at = rest.find(parts[i]);
        if (at == std::string_view::npos) {
            return false;
        }
        rest.remove_prefix(at + parts[i].size());
    }
    return true;
}

} // namespace korveld
