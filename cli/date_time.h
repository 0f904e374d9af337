// The date and time texts the printed reports carry; injected so that tests get fixed ones.
#pragma once

#include <functional>
#include <string>

namespace korveld::cli {

struct DateTimeTexts {
    std::string date;
    std::string time;
};

using DateTimeSource = std::function<DateTimeTexts()>;

// The current local date and time in the formats of the user's locale.
DateTimeTexts SystemDateTime();

} // namespace korveld::cli
