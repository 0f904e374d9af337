// The form of one message box the program can show: its title, its style, and its prompt as parts
// in order with any text between two parts (what the user typed, a series code, a charge). Each
// module that shows messages lists its own; the worksheets gather them all (program_messages.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

inline constexpr std::int16_t kExclamationStyle = 48;

struct MessagePattern {
    std::string_view title;
    std::vector<std::string> parts;
    std::int16_t style = kExclamationStyle;

    bool matches(std::string_view boxTitle, std::string_view prompt, std::int16_t boxStyle) const;
};

} // namespace korveld
