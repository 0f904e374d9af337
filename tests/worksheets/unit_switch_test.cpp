// The unit switch wired as the selection worksheet wires it (the capacity worksheet's wiring is
// tested through that worksheet), and what both share: entries that are not numbers.
#include "tests/engine/named_rows.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"
#include "worksheets/recording_platform.h"
#include "worksheets/unit_switch.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace korveld::testing {
namespace {

using testing_support::PrintTo;

class UnitForm : public Form {
public:
    static constexpr FormId kFormId = FormId::frmkorveld;

    explicit UnitForm(Program& program)
        : Form(program, {.name = "UnitForm", .width = 4800, .height = 6400}),
          unitSwitch(*this, {.sheet = Worksheet::Selection,
                             .units = units,
                             .unitMenus = {&mnuBtu, &mnuTons, &mnuKW, &mnuKCal},
                             .menusCarryCheckMarks = true,
                             .capacityCaptions = {&lblInputUnits, nullptr},
                             .lblPressureUnits = lblPressureUnits,
                             .pressureCaptionOnEveryClick = true,
                             .lblEvapRange = lblEvapRange,
                             .lblCondRange = lblCondRange,
                             .lblLiqTempRange = lblLiqTempRange,
                             .narrowEvapRange = [this] { return mopCA; },
                             .txtEvapTemp = txtEvapTemp,
                             .txtCondTemp = txtCondTemp,
                             .txtLiqTemp = txtLiqTemp,
                             .txtPressureDrop = txtPressureDrop,
                             .capacityEntry = txtInputCap}) {}

    WorksheetUnits units;
    bool mopCA = false;
    Label lblInputUnits{*this, {.name = "lblInputUnits", .caption = "Btu/h"}};
    Label lblPressureUnits{*this, {.name = "lblPressureUnits", .caption = "psi"}};
    Label lblEvapRange{*this, {.name = "lblEvapRange"}};
    Label lblCondRange{*this, {.name = "lblCondRange"}};
    Label lblLiqTempRange{*this, {.name = "lblLiqTempRange"}};
    TextBox txtEvapTemp{*this, {.name = "txtEvapTemp"}};
    TextBox txtCondTemp{*this, {.name = "txtCondTemp"}};
    TextBox txtLiqTemp{*this, {.name = "txtLiqTemp"}};
    TextBox txtPressureDrop{*this, {.name = "txtPressureDrop"}};
    TextBox txtInputCap{*this, {.name = "txtInputCap"}};
    MenuEntry mnuUnits{*this, {.name = "mnuUnits", .caption = "&Units"}};
    MenuEntry mnuBtu{mnuUnits, {.name = "mnuBtu", .caption = "&Btu/Hr", .checked = true, .enabled = false}};
    MenuEntry mnuTons{mnuUnits, {.name = "mnuTons", .caption = "&Tons"}};
    MenuEntry mnuKW{mnuUnits, {.name = "mnuKW", .caption = "&KWatts"}};
    MenuEntry mnuKCal{mnuUnits, {.name = "mnuKCal", .caption = "Kilo&Cal"}};
    UnitSwitch unitSwitch;
};

using U = CapacityUnit;

struct SwitchCase {
    const char* name;
    U from;            // reached with empty entries, from Btu/h
    const char* typed; // evaporator, condensing, liquid, drop, capacity, separated by '|'
    U to;
    const char* shown; // the entries afterwards, and "|" then the unit captions and range hint
    std::vector<std::string> titles;
};

class SelectionUnitSwitch : public ::testing::TestWithParam<SwitchCase> {};

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

TEST_P(SelectionUnitSwitch, EndsWhollyInTheNewUnit) {
    RecordingPlatform platform;
    Program program(platform);
    UnitForm f(program);
    f.units.DistUserDefined = 1;
    f.mopCA = true;
    f.unitSwitch.SwitchTo(GetParam().from);
    const std::vector<std::string> typed = split(GetParam().typed);
    TextBox* const entries[] = {&f.txtEvapTemp, &f.txtCondTemp, &f.txtLiqTemp, &f.txtPressureDrop, &f.txtInputCap};
    for (std::size_t i = 0; i < 5; ++i) {
        entries[i]->setText(typed[i]);
    }
    f.unitSwitch.SwitchTo(GetParam().to);
    std::string shown;
    for (TextBox* entry : entries) {
        shown += entry->text() + "|";
    }
    shown += f.lblInputUnits.caption() + "|" + f.lblPressureUnits.caption() + "|" + f.lblEvapRange.caption();
    EXPECT_EQ(shown, GetParam().shown);
    std::vector<std::string> titles;
    for (const auto& message : platform.messages()) {
        titles.push_back(message.title);
    }
    EXPECT_EQ(titles, GetParam().titles);
    EXPECT_EQ(f.units.CapacityUnit, GetParam().to);
    EXPECT_EQ(f.units.UnitsMetric, SystemOf(GetParam().to));
    EXPECT_EQ(f.units.PressureUnit, PressureUnitOf(GetParam().to));
    // The chosen entry alone is disabled and carries the check mark.
    const std::array<MenuEntry*, 4> menus{&f.mnuBtu, &f.mnuTons, &f.mnuKW, &f.mnuKCal};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const bool chosen = i + 1 == static_cast<std::size_t>(GetParam().to);
        EXPECT_EQ(menus[i]->checked(), chosen);
        EXPECT_EQ(menus[i]->enabled(), !chosen);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(UnitSwitch, SelectionUnitSwitch, ::testing::Values(
    SwitchCase{"TonsCaptionsFollowEveryClick", U::BtuH, "40|100|90|30|24000", U::Tons, "40|100|90|30|2.00|Tons|psi|", {}},
    SwitchCase{"ToMetricWithTheCACharge",      U::Tons, "40|100||30|10",      U::KW,   "4.4|37.8||2.1|35.20|kW|bars|Range: -18 to 16 deg C.", {}},
    SwitchCase{"InvalidEvaporatorOthersGoOn",  U::BtuH, "4O|100|90|30|12000", U::KW,   "|37.8|32.2|2.1|3.52|kW|bars|Range: -18 to 16 deg C.", {"Evaporator Temperature Input Error"}},
    SwitchCase{"EveryInvalidEntryItsMessage",  U::BtuH, "a|b|c|d|e",          U::KCal, "|||||kCal.|bars|Range: -18 to 16 deg C.",
               {"Evaporator Temperature Input Error", "INCORRECT CONDENSOR TEMPERATURE ENTRY", "INCORRECT LIQUID TEMPERATURE ENTRY",
                "INCORRECT PRESSURE DROP ENTRY", "INCORRECT SYSTEM CAPACITY ENTRY"}},
    SwitchCase{"TemperatureBeyondASingle",     U::BtuH, "1e39||||",           U::KW,   "|||||kW|bars|Range: -18 to 16 deg C.", {"Evaporator Temperature Input Error"}}
), testing_support::RowName{});
// clang-format on

TEST(UnitSwitch, AnEntryRefusedOnceIsNeverConvertedTwice) {
    RecordingPlatform platform;
    Program program(platform);
    UnitForm f(program);
    f.units.DistUserDefined = 1;
    f.txtEvapTemp.setText("40");
    f.txtPressureDrop.setText("bad");
    f.unitSwitch.SwitchTo(U::KW); // the drop is refused, the evaporator converted
    f.txtPressureDrop.setText("2");
    f.unitSwitch.SwitchTo(U::KCal); // same system: nothing converts
    f.unitSwitch.SwitchTo(U::Tons);
    EXPECT_EQ(f.txtEvapTemp.text(), "39.9");
    EXPECT_EQ(f.txtPressureDrop.text(), "29.0");
    EXPECT_FLOAT_EQ(program.uv().EvapTemp, 39.92f);
    EXPECT_EQ(platform.focusHistory(), std::vector<std::string>{"txtPressureDrop"});
}

TEST(UnitSwitch, FollowsTheUsersDecimalCharacter) {
    RecordingPlatform platform;
    platform.setNumberLocale({",", "."});
    Program program(platform);
    UnitForm f(program);
    f.txtEvapTemp.setText("39,9");
    f.txtInputCap.setText("1,5");
    f.unitSwitch.SwitchTo(U::KW);
    EXPECT_EQ(f.txtEvapTemp.text(), "4,4");
    EXPECT_EQ(f.txtInputCap.text(), ",00"); // 1.5 Btu/h in kW
    EXPECT_TRUE(platform.messages().empty());
}

} // namespace
} // namespace korveld::testing
