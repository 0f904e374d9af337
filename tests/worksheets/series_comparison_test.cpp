#include "selection_sheet_fixture.h"
#include "worksheets/selection_inputs.h"
#include "worksheets/series_comparison.h"

#include <sstream>

namespace korveld::testing {
namespace {

struct CompareCase {
    const char* name;
    CapacityUnit unit;
    NumberLocale locale;
    SystemEntries system;
    const char* distributor; // None, Orifice, Venturi
    bool flare;
    int bleed;
};

void PrintTo(const CompareCase& row, std::ostream* os) {
    *os << row.name;
}

class ComparisonOnTheWorksheet : public SelectionSheetTest, public ::testing::WithParamInterface<CompareCase> {
public:
    void enterCase(const CompareCase& c) {
        platform.setNumberLocale(c.locale);
        if (c.unit == CapacityUnit::KW) {
            pickMenu(sheet->mnuKWatts);
        } else if (c.unit == CapacityUnit::Tons) {
            pickMenu(sheet->mnuTons);
        }
        enter(c.system);
        OptionButton& distributor = std::string_view(c.distributor) == "None"      ? sheet->optDistNone
                                    : std::string_view(c.distributor) == "Venturi" ? sheet->optDistVenturi
                                                                                   : sheet->optDistOrifice;
        if (!distributor.value()) {
            click(distributor);
        }
        if (c.flare) {
            click(sheet->optFlare);
        }
        if (c.bleed != 0) {
            click(sheet->optYES);
            for (std::size_t i = 0; i < kBleedPercents.size(); ++i) {
                if (kBleedPercents[i] == c.bleed) {
                    click(*bleedDialog()->percentageOptions()[i]);
                }
            }
            click(bleedDialog()->cmdExit);
        }
        platform.clear();
    }
};

// Picking each row on the worksheet (series from the menu, the compared inputs, Select) shows
// exactly the row: the results dialog's texts, or the same message box.
TEST_P(ComparisonOnTheWorksheet, EachRowIsWhatSelectShowsOnTheWorksheet) {
    enterCase(GetParam());
    const SelectionInputs before = ReadSelectionInputs(*sheet);
    pickMenu(sheet->mnuCompareSeries);
    SeriesComparison* comparison = platform.comparisonShown();
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison, sheet->comparison());
    // Comparing changes nothing on the worksheet and shows no message.
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(ReadSelectionInputs(*sheet), before);
    EXPECT_EQ(results(), nullptr);
    ASSERT_GT(comparison->rowCount(), 4u);

    int selectedRows = 0;
    for (std::size_t row = 0; row < comparison->rowCount(); ++row) {
        const SelectionOutcome expected = comparison->row(row);
        platform.clear();
        act([&] { comparison->pickRow(row); });
        EXPECT_EQ(sheet->txtSelValve.text(), expected.seriesText);
        if (expected.selected()) {
            ++selectedRows;
            ASSERT_NE(results(), nullptr) << expected.seriesText;
            EXPECT_TRUE(platform.messages().empty()) << expected.seriesText;
            EXPECT_EQ(results()->txtValSelected.text(), expected.valveName);
            EXPECT_EQ(results()->txtValCapacity.text(), expected.capacityText);
            EXPECT_EQ(results()->txtValveLoading.text(), expected.loadingText);
            EXPECT_EQ(results()->txtPowAssby.text(), expected.powerAssembly);
            EXPECT_EQ(results()->txtCageAssby.text(), expected.cageAssembly);
            if (sheet->Timer1.enabled()) {
                act([&] { sheet->Timer1.fire(); });
            }
            click(results()->cmdOK);
        } else {
            ASSERT_TRUE(expected.message.has_value()) << expected.seriesText;
            ASSERT_FALSE(platform.messages().empty()) << expected.seriesText;
            EXPECT_EQ(platform.messages().front().title, expected.message->title);
            EXPECT_EQ(platform.messages().front().prompt, expected.message->text);
        }
    }
    EXPECT_GT(selectedRows, 0);
}

const NumberLocale kDot{};
const NumberLocale kComma{",", "."};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Compare, ComparisonOnTheWorksheet, ::testing::Values(
    CompareCase{"R22BtuhFlareBleed",   CapacityUnit::BtuH, kDot,   {"R-22", 2, "40", "100", "90", "14840"}, "Orifice", true, 20},
    CompareCase{"R134aTonsNoDistributor", CapacityUnit::Tons, kDot, {"R-134a", 13, "20", "95", "85", "3.5"}, "None", false, 0},
    CompareCase{"R404AKWDecimalComma", CapacityUnit::KW, kComma,   {"R-404A", 8, "-10,5", "40", "35", "12,5"}, "Venturi", false, 0},
    CompareCase{"R407CKW",             CapacityUnit::KW, kDot,     {"R-407C", 2, "5", "45", "40", "20"}, "Orifice", false, 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class ComparisonWindow : public SelectionSheetTest {
public:
    SeriesComparison& compare() {
        enter({"R-22", 2, "40", "100", "90", "14840"});
        pickMenu(sheet->mnuCompareSeries);
        return *sheet->comparison();
    }
};

TEST_F(ComparisonWindow, RowsThatSelectComeFirstHoweverSorted) {
    SeriesComparison& comparison = compare();
    for (ComparisonColumn column : {ComparisonColumn::Series, ComparisonColumn::Valve, ComparisonColumn::Capacity,
                                    ComparisonColumn::Loading, ComparisonColumn::Outcome}) {
        for (int pass = 0; pass < 2; ++pass) {
            comparison.sortBy(column);
            bool refusedSeen = false;
            for (std::size_t row = 0; row < comparison.rowCount(); ++row) {
                EXPECT_FALSE(refusedSeen && comparison.row(row).selected()) << static_cast<int>(column);
                refusedSeen = refusedSeen || !comparison.row(row).selected();
            }
        }
    }
}

TEST_F(ComparisonWindow, NumbersSortByValueAndTheSameHeadingReverses) {
    SeriesComparison& comparison = compare();
    comparison.sortBy(ComparisonColumn::Capacity);
    EXPECT_TRUE(comparison.ascending());
    float last = 0.0f;
    for (std::size_t row = 0; row < comparison.rowCount() && comparison.row(row).selected(); ++row) {
        EXPECT_LE(last, comparison.row(row).valve->capacityInUnit);
        last = comparison.row(row).valve->capacityInUnit;
    }
    comparison.sortBy(ComparisonColumn::Capacity);
    EXPECT_FALSE(comparison.ascending());
    last = 1e30f;
    for (std::size_t row = 0; row < comparison.rowCount() && comparison.row(row).selected(); ++row) {
        EXPECT_GE(last, comparison.row(row).valve->capacityInUnit);
        last = comparison.row(row).valve->capacityInUnit;
    }
    // Loading in per cent: 100.0 % (KO's size 4) sorts above 99.9 % whatever the texts say.
    comparison.sortBy(ComparisonColumn::Loading);
    last = 0.0f;
    for (std::size_t row = 0; row < comparison.rowCount() && comparison.row(row).selected(); ++row) {
        EXPECT_LE(last, comparison.row(row).valve->PerCentLoading);
        last = comparison.row(row).valve->PerCentLoading;
    }
}

TEST_F(ComparisonWindow, CopyPutsTheHeadingsAndEveryRowAsTabSeparatedText) {
    SeriesComparison& comparison = compare();
    comparison.copy();
    std::istringstream in(platform.clipboard());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), comparison.rowCount() + 1);
    EXPECT_EQ(lines[0], "Series\tSelected Valve\tCapacity\tLoading\tPower Assembly\tCage Assembly\tOutcome");
    EXPECT_EQ(lines[1].rfind("KO\tKOE - 1-1/2 - HC \t14,840.07  Btu/h\t100.0  %\t\t\tSelected", 0), 0u) << lines[1];
}

TEST_F(ComparisonWindow, APickWhileTheResultsDialogHoldsTheWorksheetDoesNothing) {
    SeriesComparison& comparison = compare();
    act([&] { comparison.pickRow(0); });
    ASSERT_NE(results(), nullptr);
    const std::string shown = results()->txtValSelected.text();
    const std::string series = sheet->txtSelValve.text();
    act([&] { comparison.pickRow(1); });
    EXPECT_EQ(sheet->txtSelValve.text(), series);
    EXPECT_EQ(results()->txtValSelected.text(), shown);
    act([&] { comparison.pickRow(comparison.rowCount()); }); // past the last row: nothing
}

TEST_F(ComparisonWindow, TitleNamesTheInputsCompared) {
    SeriesComparison& comparison = compare();
    EXPECT_EQ(comparison.title(), "Compare All Series - R-22, 40 / 100 / 90, 14840 Btu/h");
}

} // namespace
} // namespace korveld::testing
