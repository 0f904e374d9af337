// Copy: the capacity rows and the selection's answer as tab-separated text for a spreadsheet.
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/capacity_sheet.h"
#include "tests/support/named_rows.h"
#include "worksheets/tab_separated.h"

#include <string>

namespace korveld::testing {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using namespace korveld::series;

// ---- The text itself ----

struct TextCase {
    const char* name;
    TextTable rows;
    const char* text;
};

class TabSeparatedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(TabSeparatedText, KeepsEveryRowOnOneLine) {
    EXPECT_EQ(TabSeparated(GetParam().rows), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Copy, TabSeparatedText, ::testing::Values(
    TextCase{"CellsBetweenTabs",        {{"a", "b"}, {"1", "2"}},       "a\tb\n1\t2\n"},
    TextCase{"EmptyCellsKeepTheirPlace", {{"", "x", ""}},               "\tx\t\n"},
    TextCase{"LineBreakBecomesASpace",  {{"one\r\ntwo", "three\nfour"}}, "one two\tthree four\n"},
    TextCase{"LeadingBreakBecomesASpace", {{"\r\nx", "\ny"}},             " x\t y\n"},
    TextCase{"TabInACellBecomesASpace", {{"a\tb", "c"}},                 "a b\tc\n"},
    TextCase{"NoRowsNoText",            {},                              ""}
), testing_support::RowName{});
// clang-format on

// ---- The capacity rows ----

bool copyRows(Sheet& w) {
    bool copied = false;
    w.act([&] {
        w.f->cmdCalculate.userClick();
        copied = w.f->copyRequested();
    });
    return copied;
}

TEST(CopyCapacityRows, WithoutLoadingNameAndCapacity) {
    Sheet worksheet({});
    ASSERT_TRUE(copyRows(worksheet));
    const std::string text = worksheet.platform.clipboard();
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
              "Valve Name\tCapacity (Btu/h)\nKOE 1/4\t3,682.16\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10); // heading and nine sizes
}

TEST(CopyCapacityRows, WithLoadingTheLoadingColumnNamesTheSystemCapacity) {
    Sheet worksheet({.cap = "12000"});
    ASSERT_TRUE(copyRows(worksheet));
    const std::string text = worksheet.platform.clipboard();
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Valve Name\tCapacity (Btu/h)\tValve Loading (% of 12000 Btu/h)\n");
    EXPECT_NE(text.find("KOE 1-1/2\t14,840.07\t80.9\n"), std::string::npos);
}

TEST(CopyCapacityRows, NothingToCopyOnceTheRowsAreStale) {
    Sheet worksheet({});
    bool copied = true;
    worksheet.act([&] {
        worksheet.f->cmdCalculate.userClick();
        worksheet.f->txtLiqTemp.userType("91");
        copied = worksheet.f->copyRequested();
    });
    EXPECT_FALSE(copied);
    EXPECT_EQ(worksheet.platform.clipboard(), "");
}

// ---- The results dialog ----

struct AnswerCase {
    const char* name;
    SystemEntries system;
    const char* answerRow;
};

class CopyAnswer : public SelectionSheetTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(CopyAnswer, HeadingRowAndTheAnswer) {
    enter(GetParam().system);
    select();
    ASSERT_NE(results(), nullptr);
    bool copied = false;
    act([&] { copied = results()->copyRequested(); });
    EXPECT_TRUE(copied);
    EXPECT_EQ(platform.clipboard(), std::string("Selected Expansion Valve\tExpansion Valve Capacity\t% Loading\t"
                                                "Power Assembly\tCage Assembly\tPower Head Advice\n") +
                                        GetParam().answerRow + "\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Copy, CopyAnswer, ::testing::Values(
    AnswerCase{"KOWithoutAssembliesOrAdvice", {"R-22", KO, "40", "100", "90", "14840"},
               "KOE - 1-1/2 - HC \t14,840.07  Btu/h\t100.0  %\t\t\t"},
    AnswerCase{"VMPWithAssembliesAndAdvice", {"R-134a", VMP, "40", "100", "90", "24000"},
               "VMPE - 2-1/2 - MC\t26,048.30  Btu/h\t92.1  %\tXP1440 - MC\tXCVMP-04B\t"
               "If the MC powerhead is not available the FC can be used as a replacement powerhead.  If you have to "
               "use the FC powerhead it is suggested that you return to the VALVE SELECTION WORKSHEET and change the "
               "refrigerant type to R-12 and reselect to get the correct valve nomenclature."}
), testing_support::RowName{});
// clang-format on

} // namespace
} // namespace korveld::testing
