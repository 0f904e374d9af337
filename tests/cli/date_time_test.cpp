// The date line of korveld-cli's pages: ISO 8601 date and 24-hour time, whatever the moment.
#include "cli/date_time.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>

namespace korveld::cli {
namespace {

struct MomentCase {
    const char* name;
    int year, month, day, hour, minute, second;
    const char* date;
    const char* time;
};

class PageDateTime : public ::testing::TestWithParam<MomentCase> {};

TEST_P(PageDateTime, IsIsoDateAnd24HourTime) {
    const MomentCase& row = GetParam();
    std::tm moment{};
    moment.tm_year = row.year - 1900;
    moment.tm_mon = row.month - 1;
    moment.tm_mday = row.day;
    moment.tm_hour = row.hour;
    moment.tm_min = row.minute;
    moment.tm_sec = row.second;
    const DateTimeTexts texts = IsoDateTime(moment);
    EXPECT_EQ(texts.date, row.date);
    EXPECT_EQ(texts.time, row.time);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cli, PageDateTime, ::testing::Values(
    MomentCase{"MorningSingleDigits", 2026, 7,  2,  6,  1, 14, "2026-07-02", "06:01"},
    MomentCase{"EveningIsNotPM",      2026, 12, 7,  18, 1, 14, "2026-12-07", "18:01"},
    MomentCase{"Midnight",            2027, 1,  1,  0,  0, 0,  "2027-01-01", "00:00"},
    MomentCase{"LastMinuteOfTheYear", 2026, 12, 31, 23, 59, 59, "2026-12-31", "23:59"}
), testing_support::RowName{});
// clang-format on

} // namespace
} // namespace korveld::cli
