#include "engine/size_search.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

using Sizes = std::vector<std::optional<float>>;
constexpr std::optional<float> kNotOffered;

struct SearchCase {
    const char* name;
    Sizes capacities; // tons per size, bleed included
    float required;
    SizeOutcome outcome;
    std::int16_t SizeNo; // the size selected
};

class Windows : public ::testing::TestWithParam<SearchCase> {};

TEST_P(Windows, FindTheFirstWindowThatHoldsTheRequirement) {
    const SearchCase& row = GetParam();
    const SizeSearchResult result = SearchSizes(row.capacities, row.required);
    EXPECT_EQ(result.outcome, row.outcome);
    EXPECT_EQ(result.SizeNo, row.SizeNo);
    if (row.SizeNo > 0) {
        EXPECT_EQ(result.ValCapacity, row.capacities[static_cast<std::size_t>(row.SizeNo - 1)]);
    }
}

constexpr auto kSelected = SizeOutcome::Selected;
constexpr auto kTooSmall = SizeOutcome::TooSmall;
constexpr auto kBetween = SizeOutcome::BetweenTwoValves;
constexpr auto kTooLarge = SizeOutcome::TooLarge;
constexpr auto kNone = SizeOutcome::NoSizeOffered;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tons, Windows, ::testing::Values(
    // Sizes of 10 and 20 tons: windows 6.5 to 11 and 13 to 22.
    SearchCase{"below_first",               {10.f, 20.f}, 5.0f,   kTooSmall, 0},
    SearchCase{"on_first_lower_limit",      {10.f, 20.f}, 6.5f,   kTooSmall, 0},
    SearchCase{"just_inside_first",         {10.f, 20.f}, 6.51f,  kSelected, 1},
    SearchCase{"first_rated",               {10.f, 20.f}, 10.0f,  kSelected, 1},
    SearchCase{"just_below_first_top",      {10.f, 20.f}, 10.99f, kSelected, 1},
    SearchCase{"on_first_upper_limit",      {10.f, 20.f}, 11.0f,  kBetween,  0},
    SearchCase{"in_the_gap",                {10.f, 20.f}, 11.5f,  kBetween,  0},
    SearchCase{"on_second_lower_limit",     {10.f, 20.f}, 13.0f,  kBetween,  0},
    SearchCase{"second",                    {10.f, 20.f}, 15.0f,  kSelected, 2},
    SearchCase{"on_last_upper_limit",       {10.f, 20.f}, 22.0f,  kTooLarge, 0},
    SearchCase{"above_last",                {10.f, 20.f}, 23.0f,  kTooLarge, 0},
    // Sizes of 10 and 15 tons overlap (6.5 to 11, 9.75 to 16.5): the smaller size wins.
    SearchCase{"overlap_goes_to_smaller",   {10.f, 15.f}, 10.5f,  kSelected, 1},
    SearchCase{"beyond_smaller",            {10.f, 15.f}, 12.0f,  kSelected, 2},
    // Sizes not offered for the refrigerant.
    SearchCase{"first_not_offered_below",   {kNotOffered, 10.f, 20.f}, 5.0f, kTooSmall, 0},
    SearchCase{"first_not_offered_inside",  {kNotOffered, 10.f, 20.f}, 8.0f, kSelected, 2},
    SearchCase{"gap_over_missing_size",     {10.f, kNotOffered, 20.f}, 12.0f, kBetween, 0},
    SearchCase{"last_not_offered_above",    {10.f, 20.f, kNotOffered}, 25.0f, kTooLarge, 0},
    SearchCase{"last_not_offered_inside",   {10.f, 20.f, kNotOffered}, 21.0f, kSelected, 2},
    SearchCase{"last_not_offered_gap",      {10.f, 20.f, kNotOffered}, 12.0f, kBetween, 0},
    SearchCase{"nothing_offered",           {kNotOffered, kNotOffered}, 5.0f, kNone, 0},
    SearchCase{"no_sizes",                  {}, 5.0f, kNone, 0},
    // A single size: the tests for the first and the last size both apply.
    SearchCase{"single_below",              {10.f}, 6.0f,  kTooSmall, 0},
    SearchCase{"single_inside",             {10.f}, 7.0f,  kSelected, 1},
    SearchCase{"single_above",              {10.f}, 11.5f, kTooLarge, 0},
    SearchCase{"zero_required",             {10.f, 20.f}, 0.0f, kTooSmall, 0},
    SearchCase{"negative_required",         {kNotOffered, 10.f}, -1.0f, kTooSmall, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(WindowLimits, WorkedInDoubleStoredAsSingles) {
    EXPECT_EQ(WindowOf(10.0f).MinValCapacity, 6.5f);
    EXPECT_EQ(WindowOf(10.0f).MaxValCapacity, 11.0f);
    EXPECT_EQ(WindowOf(15.0f).MinValCapacity, 9.75f);
    EXPECT_EQ(WindowOf(15.0f).MaxValCapacity, 16.5f);
    const float odd = 1.2367f;
    EXPECT_EQ(WindowOf(odd).MinValCapacity, static_cast<float>(double(odd) - double(odd) * 0.35));
    EXPECT_EQ(WindowOf(odd).MaxValCapacity, static_cast<float>(double(odd) * 0.1 + double(odd)));
}

} // namespace
} // namespace korveld
