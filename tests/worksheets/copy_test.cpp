// Copy: the capacity rows and the selection's answer as tab-separated text for a spreadsheet.
#include "../engine/named_rows.h"
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/tab_separated.h"

#include <string>

namespace korveld::testing {
namespace {

using testing_support::PrintTo;
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
    TextCase{"TabInACellBecomesASpace", {{"a\tb", "c"}},                 "a b\tc\n"},
    TextCase{"NoRowsNoText",            {},                              ""}
), testing_support::RowName{});
// clang-format on

// ---- The capacity rows ----

struct CapacitySheet {
    RecordingPlatform platform;
    Program program{platform};
    frmtxvCapacity* sheet = nullptr;

    explicit CapacitySheet(const char* systemCapacity) {
        program.start();
        program.dispatch([&] { program.selectionScreen().cmdValveCap.userClick(); });
        sheet = &program.form<frmtxvCapacity>();
        program.dispatch([&] {
            sheet->mnuRefR22.userPick();
            sheet->mnuKO.userPick();
            if (systemCapacity != nullptr) {
                sheet->optYES.userClick();
                sheet->txtSystemCapacity.userType(systemCapacity);
            }
            sheet->txtEvapTemp.userType("40");
            sheet->txtCondTemp.userType("100");
            sheet->txtLiqTemp.userType("90");
            sheet->cmdCalculate.userClick();
        });
    }
    bool copy() {
        bool copied = false;
        program.dispatch([&] { copied = sheet->copyRequested(); });
        return copied;
    }
};

TEST(CopyCapacityRows, WithoutLoadingNameAndCapacity) {
    CapacitySheet worksheet(nullptr);
    ASSERT_TRUE(worksheet.copy());
    const std::string text = worksheet.platform.clipboard();
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
              "Valve Name\tCapacity (Btu/h)\nKOE 1/4\t3,682.16\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10); // heading and nine sizes
    EXPECT_NE(text.find("KOE 1-1/2\t14,840.07\n"), std::string::npos);
}

TEST(CopyCapacityRows, WithLoadingTheLoadingColumnNamesTheSystemCapacity) {
    CapacitySheet worksheet("12000");
    ASSERT_TRUE(worksheet.copy());
    const std::string text = worksheet.platform.clipboard();
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Valve Name\tCapacity (Btu/h)\tValve Loading (% of 12000 Btu/h)\n");
    EXPECT_NE(text.find("KOE 1-1/2\t14,840.07\t80.9\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 21), "KOE 5\t61,034.54\t19.7\n");
}

TEST(CopyCapacityRows, NothingToCopyOnceTheRowsAreStale) {
    CapacitySheet worksheet(nullptr);
    worksheet.program.dispatch([&] { worksheet.sheet->txtLiqTemp.userType("91"); });
    EXPECT_FALSE(worksheet.copy());
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
