#include "engine/message_pattern.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

struct MatchRow {
    const char* name;
    std::vector<std::string> parts;
    const char* title;
    const char* prompt;
    std::int16_t style;
    bool matches;
};

class MessagePatterns : public ::testing::TestWithParam<MatchRow> {};

TEST_P(MessagePatterns, MatchTheBoxesOfTheirForm) {
    const MatchRow& row = GetParam();
    const MessagePattern pattern{"TITLE", row.parts};
    EXPECT_EQ(pattern.matches(row.title, row.prompt, row.style), row.matches);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, MessagePatterns, ::testing::Values(
    MatchRow{"FixedPrompt",          {"Enter a value."},        "TITLE", "Enter a value.",          48, true},
    MatchRow{"FixedPromptDiffers",   {"Enter a value."},        "TITLE", "Enter a value!",          48, false},
    MatchRow{"OtherTitle",           {"Enter a value."},        "Title", "Enter a value.",          48, false},
    MatchRow{"OtherStyle",           {"Enter a value."},        "TITLE", "Enter a value.",          0,  false},
    MatchRow{"TypedTextBetween",     {"The value ", " is bad"}, "TITLE", "The value 1e400 is bad",  48, true},
    MatchRow{"NothingTypedBetween",  {"The value ", " is bad"}, "TITLE", "The value  is bad",       48, true},
    MatchRow{"PartsMustNotOverlap",  {"ab", "bc"},              "TITLE", "abc",                     48, false},
    MatchRow{"EndMissing",           {"The value ", " is bad"}, "TITLE", "The value 5",             48, false},
    MatchRow{"MiddlePartInOrder",    {"a", "-b-", "z"},         "TITLE", "a1-b-2z",                 48, true},
    MatchRow{"MiddlePartMissing",    {"a", "-b-", "z"},         "TITLE", "a1-c-2z",                 48, false}
), testing_support::RowName{});
// clang-format on

} // namespace
} // namespace korveld
