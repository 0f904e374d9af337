// The Units menu as the selection worksheet wires it, and what the unit means for its Close and
// its report; the switch itself has its own tests.
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"

namespace korveld::testing {
namespace {

using namespace korveld::series;

TEST_F(SelectionSheetTest, CloseKeepsTheUnitItShowsSoTheNextSelectionChecksInIt) {
    type(sheet->txtInputCap, "24000");
    pickMenu(sheet->mnuTons);
    EXPECT_EQ(sheet->txtInputCap.text(), "2.00");
    pickMenu(sheet->mnuKWatts);
    EXPECT_TRUE(sheet->mnuKWatts.checked() && !sheet->mnuKWatts.enabled() && !sheet->mnuTons.checked());
    EXPECT_EQ(sheet->lblPressureUnits.caption(), "bars");
    click(sheet->cmdClose);
    act([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    EXPECT_TRUE(sheet->mnuKWatts.checked());
    EXPECT_EQ(sheet->lblInputUnits.caption(), "kW");
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range:-40 to 16 deg C.");
    EXPECT_EQ(sheet->units().CapacityUnit, CapacityUnit::KW);
    EXPECT_TRUE(sheet->units().metric());
    // 40 lies inside the English range but not inside the metric one the worksheet shows.
    enter({"R-22", KO, "40", "40", "30", "14"});
    select();
    EXPECT_EQ(titles(), std::vector<std::string>{"EVAPORATOR TEMPERATURE ERROR"});
    // Switching back converts the entries from the unit shown, once.
    type(sheet->txtEvapTemp, "4.4");
    pickMenu(sheet->mnuBtu);
    EXPECT_EQ(sheet->txtEvapTemp.text(), "39.9");
    EXPECT_EQ(sheet->txtCondTemp.text(), "104.0");
}

TEST_F(SelectionSheetTest, MetricVenturiSelectionPrintsBarsAndCelsius) {
    pickMenu(sheet->mnuKWatts);
    enter({"R-22", KO, "4.4", "37.8", "32.2", "4.35"});
    click(sheet->optDistVenturi);
    select();
    ASSERT_NE(results(), nullptr);
    click(results()->cmdPrintButton);
    ASSERT_EQ(platform.printed().size(), 1u);
    const std::vector<std::string> page = renderPlainText(platform.printed().front());
    EXPECT_EQ(page[6], "  EVAPORATOR TEMPERATURE :                       4.4  C");
    EXPECT_EQ(page[9], "  EVAPORATOR CAPACITY :                          4.35  kW");
    EXPECT_EQ(page[10], "  DISTRIBUTOR PRESSURE DROP :                    1.0  bars");
}

} // namespace
} // namespace korveld::testing
