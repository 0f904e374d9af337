#include "cli/date_time.h"

#include <array>
#include <ctime>

namespace korveld::cli {

namespace {

std::string formatted(const std::tm& moment, const char* format) {
    std::array<char, 64> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), format, &moment);
    return {text.data(), length};
}

} // namespace

DateTimeTexts SystemDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {formatted(local, "%x"), formatted(local, "%X")};
}

} // namespace korveld::cli
