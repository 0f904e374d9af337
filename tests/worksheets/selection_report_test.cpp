#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/selection_report.h"

namespace korveld::testing {
namespace {

using namespace korveld::series;
using Lines = std::vector<std::string>;

class SelectionReportTest : public SelectionSheetTest {
public:
    // Prints from the results dialog and gives the page as plain text.
    Lines printed() {
        EXPECT_NE(results(), nullptr);
        if (results() == nullptr) {
            return {};
        }
        platform.clear();
        click(results()->cmdPrintButton);
        EXPECT_EQ(platform.printed().size(), 1u);
        return platform.printed().empty() ? Lines{} : renderPlainText(platform.printed().front());
    }
};

TEST_F(SelectionReportTest, KOSelectionWithItsBleedLine) {
    enter({"R-22", KO, "40", "100", "90", "14840"});
    select();
    const Lines expected{
        "",
        "  12/6/2026        9:30 AM",
        "",
        "",
        "  ***************************  INPUTS  ***************************",
        "  REFRIGERANT TYPE :                             R-22",
        "  EVAPORATOR TEMPERATURE :                       40  F",
        "  CONDENSING TEMPERATURE :                       100  F",
        "  LIQUID TEMPERATURE :                           90  F",
        "  EVAPORATOR CAPACITY :                          14840  Btu/h",
        "  DISTRIBUTOR PRESSURE DROP :                    35.0  psi",
        "  PER CENT OF BLEED :                            ",
        "",
        "",
        "  ***************************  OUTPUTS  ***************************",
        "  SELECTED VALVE :                               KOE - 1-1/2 - HC ",
        "  VALVE CAPACITY :                               14,840.07  Btu/h",
        "  VALVE LOADING :                                100.0  %",
        "  VALVE PRESSURE DROP :                          77.4  psi",
    };
    EXPECT_EQ(printed(), expected);
}

TEST_F(SelectionReportTest, VMPSelectionWithAssembliesAndAUserDefinedDrop) {
    enter({"R-22", VMP, "40", "100", "90", "48000"});
    click(sheet->optUserDefined);
    type(sheet->txtPressureDrop, "2");
    select();
    const Lines page = printed();
    ASSERT_EQ(page.size(), 20u); // no bleed line
    EXPECT_EQ(page[10], "  DISTRIBUTOR PRESSURE DROP :                    2.0  psi");
    EXPECT_EQ(page[14], "  SELECTED VALVE :                               VMPE - 3 - HC");
    EXPECT_EQ(page[16], "  VALVE LOADING :                                102.9  %");
    EXPECT_EQ(page[18], "  CAGE ASSEMBLY :                                XCVMP-04B");
    EXPECT_EQ(page[19], "  POWER ASSEMBLY :                               XP1440 - HC");
}

TEST_F(SelectionReportTest, PrinterFailureShowsThePrinterMessageAndKeepsTheDialog) {
    enter({"R-22", series::KO, "40", "100", "90", "14840"});
    select();
    platform.setPrinterWorks(false);
    platform.clear();
    click(results()->cmdPrintButton);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages().front().prompt.rfind("A printer error as occured!", 0), 0u);
    EXPECT_NE(results(), nullptr);
    EXPECT_FALSE(sheet->enabled());
}

// The capacity worksheet stays usable while the results dialog holds the selection worksheet
// disabled; a rating there must not change the pressures the selection report prints.
TEST_F(SelectionReportTest, PrintsItsOwnSelectionsPressuresAfterARatingOnTheCapacityWorksheet) {
    enter({"R-22", series::KO, "40", "100", "90", "14840"});
    select();
    act([&] { program.selectionScreen().cmdValveCap.userClick(); });
    auto& capacity = *program.loaded<frmtxvCapacity>();
    pickMenu(*capacity.findMenu("mnuRefR22"));
    pickMenu(*capacity.findMenu("mnuQZ"));
    click(capacity.optDistNone);
    type(capacity.txtEvapTemp, "20");
    type(capacity.txtCondTemp, "110");
    type(capacity.txtLiqTemp, "100");
    click(capacity.cmdCalculate);
    ASSERT_TRUE(capacity.cmdPrint.visible()) << (platform.messages().empty() ? "" : platform.messages().front().title);
    EXPECT_EQ(program.uv().conditions.DistPressDrop, 0.0f);

    const Lines page = printed();
    ASSERT_EQ(page.size(), 19u);
    EXPECT_EQ(page[10], "  DISTRIBUTOR PRESSURE DROP :                    35.0  psi");
    EXPECT_EQ(page[18], "  VALVE PRESSURE DROP :                          77.4  psi");
}

} // namespace
} // namespace korveld::testing
