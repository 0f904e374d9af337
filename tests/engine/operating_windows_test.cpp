#include "engine/operating_windows.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korveld {
namespace {

// R-22 at 40 / 100 / 90 °F, Orifice, Btu/h: the worksheet after the refrigerant and series picks.
SelectionRequest request(std::int16_t SeriesNo, const char* series, const char* capacity) {
    SelectionRequest r;
    r.entries = {"R-22", series, "40", "100", "90", capacity, ""};
    r.SeriesNo = SeriesNo;
    r.RefIndex = 2;
    r.RefLetter = "H";
    r.unitCaption = "Btu/h";
    r.charge = {true, ChargeOption::MOPNone, {"C or Z", "CA", "W35", "W65", "W100"}};
    r.EqualizerCode = "E";
    return r;
}

// ---- The chart's answer for each way a selection ends ----

struct OutcomeCase {
    const char* name;
    SelectionRequest request;
    SizeOutcome outcome;
    std::int16_t selectedSize;
    std::size_t bars;
    const char* messageTitle; // nullptr: no message
};

class ChartOutcomes : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(ChartOutcomes, MatchSelect) {
    const OutcomeCase& row = GetParam();
    const OperatingWindows chart = SelectionWindows(row.request);
    EXPECT_EQ(chart.outcome, row.outcome);
    EXPECT_EQ(chart.selectedSize, row.selectedSize);
    EXPECT_EQ(chart.sizes.size(), row.bars);
    if (row.messageTitle == nullptr) {
        EXPECT_FALSE(chart.message.has_value());
    } else {
        ASSERT_TRUE(chart.message.has_value());
        EXPECT_EQ(chart.message->title, row.messageTitle);
    }
    // Select reaches the same answer with the same text.
    const SelectionAnswer answer = SelectValve(row.request);
    if (row.outcome == SizeOutcome::Selected) {
        ASSERT_TRUE(answer.selected.has_value());
        EXPECT_EQ(answer.selected->SizeNo, chart.selectedSize);
    } else {
        ASSERT_TRUE(answer.message.has_value());
        EXPECT_EQ(answer.message->text, chart.message->text);
    }
}

SelectionRequest qzWithR407C() {
    SelectionRequest r = request(8, "QZ", "30000");
    r.entries.txtSelRefrig = "R-407C";
    r.RefIndex = 9;
    return r;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, ChartOutcomes, ::testing::Values(
    OutcomeCase{"KO_selects_size_4",        request(2, "KO", "14840"),  SizeOutcome::Selected,         4, 9, nullptr},
    OutcomeCase{"KO_below_every_window",    request(2, "KO", "2000"),   SizeOutcome::TooSmall,         0, 9, "INPUT CAPACITY TO SMALL"},
    OutcomeCase{"KO_in_gap_after_size_1",   request(2, "KO", "4100"),   SizeOutcome::BetweenTwoValves, 0, 9, "NO VALVE AVAILABLE"},
    OutcomeCase{"KO_above_every_window",    request(2, "KO", "70000"),  SizeOutcome::TooLarge,         0, 9, "INPUT CAPACITY TO LARGE"},
    OutcomeCase{"VAN_one_size_too_small",   request(17, "VAN", "12000"), SizeOutcome::TooSmall,        0, 1, "INPUT CAPACITY TO SMALL"},
    OutcomeCase{"QZ_offers_nothing_R407C",  qzWithR407C(),              SizeOutcome::NoSizeOffered,    0, 0, "Valve Selection"}),
    testing_support::RowName{});
// clang-format on

// ---- What each bar holds ----

TEST(ChartBars, EveryOfferedSizeWithItsWindowInCatalogOrder) {
    const OperatingWindows chart = SelectionWindows(request(2, "KO", "14840"));
    ASSERT_EQ(chart.sizes.size(), 9u);
    for (std::size_t i = 0; i < chart.sizes.size(); ++i) {
        const SizeWindowBar& bar = chart.sizes[i];
        EXPECT_EQ(bar.SizeNo, static_cast<std::int16_t>(i + 1));
        EXPECT_FLOAT_EQ(bar.window.MinValCapacity, 0.65f * bar.ValCapacity);
        EXPECT_FLOAT_EQ(bar.window.MaxValCapacity, 1.10f * bar.ValCapacity);
    }
    // The selected bar holds the requirement; its capacity is the one the results dialog shows.
    const SelectionAnswer answer = SelectValve(request(2, "KO", "14840"));
    ASSERT_TRUE(answer.selected.has_value());
    const SizeWindowBar& selected = chart.sizes[3];
    EXPECT_EQ(selected.ValCapacity, answer.selected->ValCapacity);
    EXPECT_EQ(chart.inUnit(selected.ValCapacity), answer.selected->capacityInUnit);
    EXPECT_GT(chart.InputCapacity, selected.window.MinValCapacity);
    EXPECT_LT(chart.InputCapacity, selected.window.MaxValCapacity);
    EXPECT_NEAR(chart.inUnit(chart.InputCapacity), 14840.0f, 0.01f);
}

// The chart's heading names what the worksheet shows: refrigerant, series and the three temperatures.
TEST(ChartBars, HeadingCarriesTheEntriesAsTyped) {
    SelectionRequest r = request(2, "KO", "14840");
    r.entries.txtEvapTemp = "40.0";
    const OperatingWindows chart = SelectionWindows(r);
    EXPECT_EQ(
        (std::vector<std::string>{chart.refrigerant, chart.series, chart.evapTemp, chart.condTemp, chart.liqTemp}),
        (std::vector<std::string>{"R-22", "KO", "40.0", "100", "90"}));
}

TEST(ChartBars, KilowattsKeepTheEntryUnit) {
    SelectionRequest r = request(2, "KO", "4.2");
    r.entries.txtEvapTemp = "4.4";
    r.entries.txtCondTemp = "37.8";
    r.entries.txtLiqTemp = "32.2";
    r.capacityUnit = CapacityUnit::KW;
    r.unitCaption = "kW";
    const OperatingWindows chart = SelectionWindows(r);
    ASSERT_TRUE(chart.rated());
    EXPECT_TRUE(chart.metric);
    EXPECT_EQ(chart.unitCaption, "kW");
    EXPECT_NEAR(chart.inUnit(chart.InputCapacity), 4.2f, 1e-5f);
}

// ---- No picture: the entries or the pressures stop it ----

struct NoPictureCase {
    const char* name;
    SelectionRequest request;
    bool entryFailure;
    const char* title;
};

class NoPicture : public ::testing::TestWithParam<NoPictureCase> {};

TEST_P(NoPicture, CarriesTheMessageSelectWouldShow) {
    const NoPictureCase& row = GetParam();
    const OperatingWindows chart = SelectionWindows(row.request);
    EXPECT_FALSE(chart.rated());
    EXPECT_TRUE(chart.sizes.empty());
    const SelectionAnswer answer = SelectValve(row.request);
    if (row.entryFailure) {
        ASSERT_TRUE(chart.entryFailure.has_value());
        ASSERT_TRUE(answer.entryFailure.has_value());
        EXPECT_EQ(chart.entryFailure->title, row.title);
        EXPECT_EQ(*chart.entryFailure, *answer.entryFailure);
    } else {
        ASSERT_TRUE(chart.message.has_value());
        EXPECT_EQ(chart.message->title, row.title);
    }
}

SelectionRequest withEntries(SelectionRequest r, const char* evap, const char* cond, const char* liq) {
    r.entries.txtEvapTemp = evap;
    r.entries.txtCondTemp = cond;
    r.entries.txtLiqTemp = liq;
    return r;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, NoPicture, ::testing::Values(
    NoPictureCase{"evap_not_a_number", withEntries(request(2, "KO", "1"), "x", "100", "90"), true, "Evaporator Temperature Input Error"},
    NoPictureCase{"delta_p_too_small", withEntries(request(2, "KO", "1"), "40", "60", "60"), false, "PRESSURE DROP ACROSS VALVE TO SMALL"}),
    testing_support::RowName{});
// clang-format on

// ---- The chart and Select agree on every requirement along each series ----

struct SweepCase {
    const char* name;
    std::int16_t SeriesNo;
    const char* series;
};

class AgreesWithSelect : public ::testing::TestWithParam<SweepCase> {};

TEST_P(AgreesWithSelect, AtEveryWindowLimitAndBetween) {
    const SweepCase& row = GetParam();
    const OperatingWindows reference = SelectionWindows(request(row.SeriesNo, row.series, "12000"));
    ASSERT_FALSE(reference.sizes.empty());
    // Requirements on, just inside and just outside every window limit, and half-way between.
    std::vector<double> requirements;
    for (const SizeWindowBar& bar : reference.sizes) {
        for (float tons : {bar.window.MinValCapacity, bar.window.MaxValCapacity, bar.ValCapacity}) {
            const double btu = reference.inUnit(tons);
            requirements.insert(requirements.end(), {btu, btu * 0.999, btu * 1.001});
        }
    }
    for (double btu : requirements) {
        const std::string typed = std::to_string(btu);
        const SelectionRequest r = request(row.SeriesNo, row.series, typed.c_str());
        const OperatingWindows chart = SelectionWindows(r);
        const SelectionAnswer answer = SelectValve(r);
        if (answer.selected) {
            EXPECT_EQ(chart.outcome, SizeOutcome::Selected) << typed;
            EXPECT_EQ(chart.selectedSize, answer.selected->SizeNo) << typed;
        } else {
            ASSERT_TRUE(answer.message.has_value()) << typed;
            ASSERT_TRUE(chart.message.has_value()) << typed;
            EXPECT_EQ(chart.message->kind, answer.message->kind) << typed;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, AgreesWithSelect, ::testing::Values(
    SweepCase{"KO",  2,  "KO"},
    SweepCase{"QZ",  8,  "QZ"},
    SweepCase{"VMP", 13, "VMP"},
    SweepCase{"VAN", 17, "VAN"}),
    testing_support::RowName{});
// clang-format on

} // namespace
} // namespace korveld
