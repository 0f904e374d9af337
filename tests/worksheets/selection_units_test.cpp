// The Units menu as the selection worksheet wires it, and what the unit means for its charges,
// its Close and its report.
#include "../engine/row_names.h"
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"

namespace korveld::testing {
namespace {

using namespace korveld::series;

KORVELD_PRINT_ROWS_AS_NAMES

MenuEntry& unitMenu(frmkorveld& f, CapacityUnit unit) {
    switch (unit) {
    case CapacityUnit::Tons:
        return f.mnuTons;
    case CapacityUnit::KW:
        return f.mnuKWatts;
    case CapacityUnit::KCal:
        return f.mnuKiloCal;
    case CapacityUnit::BtuH:
        break;
    }
    return f.mnuBtu;
}

struct UnitCase {
    const char* name;
    std::vector<CapacityUnit> picks;
    const char* capacityTyped;
    const char* capacityShown;
    const char* evapShown; // 40 typed
    const char* unitCaption;
    const char* pressureCaption;
    const char* evapRange;
};

class SelectionUnits : public SelectionSheetTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(SelectionUnits, SwitchMenusCaptionsAndEntries) {
    const UnitCase& row = GetParam();
    type(sheet->txtEvapTemp, "40");
    type(sheet->txtInputCap, row.capacityTyped);
    for (CapacityUnit unit : row.picks) {
        pickMenu(unitMenu(*sheet, unit));
    }
    const CapacityUnit chosen = row.picks.back();
    for (CapacityUnit unit : {CapacityUnit::BtuH, CapacityUnit::Tons, CapacityUnit::KW, CapacityUnit::KCal}) {
        MenuEntry& entry = unitMenu(*sheet, unit);
        EXPECT_EQ(entry.checked(), unit == chosen) << entry.fullName();
        EXPECT_EQ(entry.enabled(), unit != chosen) << entry.fullName();
    }
    EXPECT_EQ(sheet->capacityUnitShown(), chosen);
    EXPECT_EQ(sheet->units().CapacityUnit, chosen);
    EXPECT_EQ(sheet->units().metric(), IsMetric(chosen));
    EXPECT_EQ(sheet->txtInputCap.text(), row.capacityShown);
    EXPECT_EQ(sheet->txtEvapTemp.text(), row.evapShown);
    EXPECT_EQ(sheet->lblInputUnits.caption(), row.unitCaption);
    EXPECT_EQ(sheet->lblPressureUnits.caption(), row.pressureCaption);
    EXPECT_EQ(sheet->lblEvapRange.caption(), row.evapRange);
    EXPECT_TRUE(platform.messages().empty());
}

using Units = std::vector<CapacityUnit>;
constexpr auto BtuH = CapacityUnit::BtuH;
constexpr auto Tons = CapacityUnit::Tons;
constexpr auto KW = CapacityUnit::KW;
constexpr auto KCal = CapacityUnit::KCal;
// clang-format off
INSTANTIATE_TEST_SUITE_P(SelectionSheet, SelectionUnits, ::testing::Values(
    UnitCase{"BtuToTons",        Units{Tons},          "24000", "2.00",    "40",   "Tons",  "psi",  "Range: -40 to 60 F"},
    UnitCase{"TonsToKW",         Units{Tons, KW},      "120000", "35.20",  "4.4",  "kW",    "bars", "Range:-40 to 16 deg C."},
    UnitCase{"KWToKCal",         Units{KW, KCal},      "12000", "3024.00",   "4.4",  "kCal.", "bars", "Range:-40 to 16 deg C."},
    UnitCase{"KCalToKWWidePattern", Units{KCal, KW},   "12000", "3.52",    "4.4",  "kW",    "bars", "Range:-40 to 16 deg C."},
    UnitCase{"BackToBtu",        Units{KW, BtuH},      "12000", "12000.00", "39.9", "Btu/h", "psi",  "Range:-40 to 60 deg F."}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(SelectionSheetTest, MetricSwitchKeepsTheNarrowRangeOfTheCACharge) {
    pickRefrigerant("R-22");
    pickSeries(KO);
    click(sheet->optMOPCA);
    pickMenu(sheet->mnuKWatts);
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range: -18 to 16 deg C.");
    click(sheet->optMOPNone);
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range: -40 to 16 deg C.");
}

TEST_F(SelectionSheetTest, MetricChargeBandsUseTheirOwnLimits) {
    pickRefrigerant("R-12");
    pickSeries(KO);
    pickMenu(sheet->mnuKiloCal);
    type(sheet->txtEvapTemp, "-18");
    EXPECT_FALSE(sheet->optMOP1.enabled());
    EXPECT_TRUE(sheet->optMOP2.enabled());
    type(sheet->txtEvapTemp, "-18.5");
    EXPECT_TRUE(sheet->optMOP1.enabled());
    type(sheet->txtEvapTemp, "10");
    EXPECT_FALSE(sheet->optMOP3.enabled());
}

TEST_F(SelectionSheetTest, CloseKeepsTheUnitItShowsSoTheNextSelectionChecksInIt) {
    pickMenu(sheet->mnuKWatts);
    click(sheet->cmdClose);
    act([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    EXPECT_TRUE(sheet->mnuKWatts.checked());
    EXPECT_EQ(sheet->lblInputUnits.caption(), "kW");
    EXPECT_EQ(sheet->lblEvapRange.caption(), "Range:-40 to 16 deg C.");
    EXPECT_EQ(sheet->units().CapacityUnit, CapacityUnit::KW);
    EXPECT_TRUE(sheet->units().metric());
    // 40 is inside the English range but not the metric one the worksheet shows.
    enter({"R-22", KO, "40", "40", "30", "14"});
    select();
    EXPECT_EQ(titles(), std::vector<std::string>{"EVAPORATOR TEMPERATURE ERROR"});
    platform.clear();
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
    ASSERT_NE(results(), nullptr) << (platform.messages().empty() ? "" : platform.messages().front().title);
    EXPECT_EQ(results()->txtValCapacity.text().substr(results()->txtValCapacity.text().size() - 4), "  kW");
    platform.clear();
    click(results()->cmdPrintButton);
    ASSERT_EQ(platform.printed().size(), 1u);
    const std::vector<std::string> page = renderPlainText(platform.printed().front());
    EXPECT_EQ(page[6], "  EVAPORATOR TEMPERATURE :                       4.4  C");
    EXPECT_EQ(page[9], "  EVAPORATOR CAPACITY :                          4.35  kW");
    EXPECT_EQ(page[10], "  DISTRIBUTOR PRESSURE DROP :                    1.0  bars");
}

} // namespace
} // namespace korveld::testing
