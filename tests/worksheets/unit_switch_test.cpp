// The Units menu as the selection worksheet wires it: what it converts, what both worksheets' switch
// shares (entries that are not numbers), and what the unit means for Close and the report.
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/named_rows.h"

#include <array>
#include <vector>

namespace korveld::testing {
namespace {

using namespace korveld::series;
using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using U = CapacityUnit;

struct SwitchCase {
    const char* name;
    U from;            // reached with empty entries, from Btu/h
    const char* typed; // evaporator, condensing, liquid, drop, capacity, separated by '|'
    U to;
    const char* shown; // the entries afterwards, and "|" then the unit captions and range hint
    std::vector<std::string> titles;
};

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts{""};
    for (const char c : text) {
        if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    return parts;
}

class SelectionUnitSwitch : public SelectionSheetTest, public ::testing::WithParamInterface<SwitchCase> {
protected:
    MenuEntry& menu(U unit) {
        const std::array<MenuEntry*, 4> menus{&sheet->mnuBtu, &sheet->mnuTons, &sheet->mnuKWatts, &sheet->mnuKiloCal};
        return *menus[static_cast<std::size_t>(unit) - 1];
    }
};

TEST_P(SelectionUnitSwitch, EndsWhollyInTheNewUnit) {
    const SwitchCase& row = GetParam();
    click(sheet->optUserDefined);
    if (row.from != U::BtuH) {
        pickMenu(menu(row.from));
    }
    const std::vector<std::string> typed = split(row.typed);
    const std::array<TextBox*, 5> entries{&sheet->txtEvapTemp, &sheet->txtCondTemp, &sheet->txtLiqTemp,
                                          &sheet->txtPressureDrop, &sheet->txtInputCap};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        act([&] { entries[i]->setText(typed[i]); });
    }
    platform.clear();
    pickMenu(menu(row.to));
    std::string shown;
    for (TextBox* entry : entries) {
        shown += entry->text() + "|";
    }
    shown +=
        sheet->lblInputUnits.caption() + "|" + sheet->lblPressureUnits.caption() + "|" + sheet->lblEvapRange.caption();
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(titles(), row.titles);
    EXPECT_EQ(sheet->units().CapacityUnit, row.to);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(UnitSwitch, SelectionUnitSwitch, ::testing::Values(
    SwitchCase{"TonsCaptionsFollowEveryClick", U::BtuH, "40|100|90|30|24000", U::Tons, "40|100|90|30|2.00|Tons|psi|Range: -40 to 60 F", {}},
    SwitchCase{"ToMetric",                     U::Tons, "40|100||30|10",      U::KW,   "4.4|37.8||2.1|35.20|kW|bars|Range:-40 to 16 deg C.", {}},
    SwitchCase{"InvalidEvaporatorOthersGoOn",  U::BtuH, "4O|100|90|30|12000", U::KW,   "|37.8|32.2|2.1|3.52|kW|bars|Range:-40 to 16 deg C.", {"Evaporator Temperature Input Error"}},
    SwitchCase{"EveryInvalidEntryItsMessage",  U::BtuH, "a|b|c|d|e",          U::KCal, "|||||kCal.|bars|Range:-40 to 16 deg C.",
               {"Evaporator Temperature Input Error", "INCORRECT CONDENSOR TEMPERATURE ENTRY", "INCORRECT LIQUID TEMPERATURE ENTRY",
                "INCORRECT PRESSURE DROP ENTRY", "INCORRECT SYSTEM CAPACITY ENTRY"}},
    SwitchCase{"TemperatureBeyondASingle",     U::BtuH, "1e39||||",           U::KW,   "|||||kW|bars|Range:-40 to 16 deg C.", {"Evaporator Temperature Input Error"}}
), testing_support::RowName{});
// clang-format on

// The prompts of the refused entries, whole, as the user reads them.
TEST_F(SelectionSheetTest, EveryRefusedEntryItsWholePrompt) {
    click(sheet->optUserDefined);
    type(sheet->txtEvapTemp, "a");
    type(sheet->txtCondTemp, "b");
    type(sheet->txtLiqTemp, "c");
    type(sheet->txtPressureDrop, "d");
    type(sheet->txtInputCap, "e");
    platform.clear();
    pickMenu(sheet->mnuKiloCal);
    std::vector<std::string> prompts;
    for (const RecordingPlatform::Message& message : platform.messages()) {
        prompts.push_back(message.prompt);
    }
    EXPECT_EQ(prompts,
              (std::vector<std::string>{
                  "You have entered an invalid value for the Evaporator Temperature.  You need to do so now!",
                  "You have entered an invalid Condensor Temperature entry!  Please try again.",
                  "You have entered an invalid Liquid Temperature entry!  Please try again.",
                  // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one message, split over two lines
                  "You have entered an invalid Distributor Pressure Drop entry; the value d is not a true number!  "
                  "Please enter a correct value.",
                  "You have entered an invalid System Capacity entry; the value e is not a true number!  Please "
                  "enter a correct value."}));
}

TEST_F(SelectionSheetTest, AnEntryRefusedOnceIsNeverConvertedTwice) {
    click(sheet->optUserDefined);
    type(sheet->txtEvapTemp, "40");
    type(sheet->txtPressureDrop, "bad");
    pickMenu(sheet->mnuKWatts); // the drop is refused, the evaporator converted
    type(sheet->txtPressureDrop, "2");
    pickMenu(sheet->mnuKiloCal); // same system: nothing converts
    pickMenu(sheet->mnuTons);
    EXPECT_EQ(sheet->txtEvapTemp.text(), "39.9");
    EXPECT_EQ(sheet->txtPressureDrop.text(), "29.0");
    EXPECT_FLOAT_EQ(program.uv().conditions.EvapTemp, 39.92f);
}

TEST(UnitSwitch, FollowsTheUsersDecimalCharacter) {
    RecordingPlatform platform;
    platform.setNumberLocale({",", "."});
    Program program(platform);
    program.start();
    program.dispatch([&] { program.selectionScreen().cmdValveSelect.userClick(); });
    auto* sheet = program.loaded<frmkorveld>();
    ASSERT_NE(sheet, nullptr);
    platform.clear();
    program.dispatch([&] {
        sheet->txtEvapTemp.userType("39,9");
        sheet->txtInputCap.userType("1,5");
        sheet->mnuKWatts.userPick();
    });
    EXPECT_EQ(sheet->txtEvapTemp.text(), "4,4");
    EXPECT_EQ(sheet->txtInputCap.text(), ",00"); // 1.5 Btu/h in kW
    EXPECT_TRUE(platform.messages().empty());
}

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
