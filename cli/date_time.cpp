#include "cli/date_time.h"

#include <array>
#include <cstdio>

namespace korveld::cli {

DateTimeTexts IsoDateTime(const std::tm& moment) {
    // Digits only, never the locale's names or order.
    std::array<char, 32> date{};
    std::array<char, 16> time{};
    std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", moment.tm_year + 1900, moment.tm_mon + 1, moment.tm_mday);
    std::snprintf(time.data(), time.size(), "%02d:%02d", moment.tm_hour, moment.tm_min);
    return {date.data(), time.data()};
}

DateTimeTexts SystemDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return IsoDateTime(local);
}

} // namespace korveld::cli
