// A rating allocates nothing: every row text fits the strings' own buffer.
#include "allocation_counter.h"
#include "engine/rating.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <memory>

namespace korveld {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

struct AllocationCase {
    const char* name;
    std::int16_t RefIndex;
    std::int16_t SeriesNo;
    Distributor distributor;
};

// Without this the test below would pass vacuously wherever the counter is not in use.
TEST(AllocationCounter, SeesAnAllocation) {
    const std::size_t before = testing_support::AllocationCount();
    const auto value = std::make_unique<int>(7);
    EXPECT_EQ(testing_support::AllocationCount(), before + 1);
    EXPECT_EQ(*value, 7);
}

class RatingAllocations : public testing::TestWithParam<AllocationCase> {};

TEST_P(RatingAllocations, NonePerCall) {
    const AllocationCase& c = GetParam();
    const RatingInputs in{40.0f, 100.0f, 90.0f, c.RefIndex, c.SeriesNo, c.distributor, 0.0f, CapacityUnit::Tons, 2.0};
    Rating kept;
    const std::size_t before = testing_support::AllocationCount();
    RateCapacity(in, kept);
    RateCapacity(in, kept);
    const Rating fresh = RateCapacity(in);
    EXPECT_EQ(testing_support::AllocationCount(), before);
    EXPECT_EQ(fresh.RowCount, kept.RowCount);
    EXPECT_GT(fresh.RowCount, 0);
}

// The longest labels: the four-letter codes with the distributor letter and the longest names.
INSTANTIATE_TEST_SUITE_P(Series, RatingAllocations,
                         testing::Values(AllocationCase{"QZ", 2, 8, Distributor::Orifice},
                                         AllocationCase{"VULK", 1, 12, Distributor::Venturi},
                                         AllocationCase{"KOT", 7, 4, Distributor::Orifice},
                                         AllocationCase{"DQQ", 2, 9, Distributor::None},
                                         AllocationCase{"VMP", 2, 13, Distributor::Orifice}),
                         testing_support::RowName{});

} // namespace
} // namespace korveld
