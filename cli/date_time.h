// The date and time texts the printed reports carry; injected so that tests get fixed ones.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace korveld::cli {

struct DateTimeTexts {
    std::string date;
    std::string time;
};

using DateTimeSource = std::function<DateTimeTexts()>;

// A moment as korveld-cli's pages print it: the ISO 8601 date (2026-12-07) and the 24-hour time
// (18:01), the same in every locale, so that a page reads the same on every machine.
DateTimeTexts IsoDateTime(const std::tm& moment);

// The current local date and time, written by IsoDateTime.
DateTimeTexts SystemDateTime();

} // namespace korveld::cli
