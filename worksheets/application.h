// The program's own name, shown as the title of message boxes that have none of their own.
#pragma once

#include <string_view>

namespace korveld {

inline constexpr std::string_view kApplicationTitle = "KORVELD";

} // namespace korveld
