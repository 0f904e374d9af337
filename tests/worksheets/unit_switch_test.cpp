// The Units menu handlers of both worksheets, through a small window wired the way each worksheet
// wires its unit switch.
#include "engine/universal_variables.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"
#include "worksheets/recording_platform.h"
#include "worksheets/unit_switch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace korveld::testing {
namespace {

class UnitForm : public Form {
public:
    static constexpr FormId kFormId = FormId::frmtxvCapacity;

    UnitForm(Program& program, Worksheet sheet)
        : Form(program, {.name = "UnitForm", .width = 4800, .height = 6400}),
          unitSwitch(*this, {.sheet = sheet,
                             .units = units,
                             .unitMenus = {&mnuBtu, &mnuTons, &mnuKW, &mnuKCal},
                             .menusCarryCheckMarks = sheet == Worksheet::Selection,
                             .capacityCaptions = {&lblCap, sheet == Worksheet::Capacity ? &lblCopy : nullptr},
                             .lblPressureUnits = lblPressureUnits,
                             .pressureCaptionOnEveryClick = sheet == Worksheet::Selection,
                             .lblEvapRange = lblEvapRange,
                             .lblCondRange = lblCondRange,
                             .lblLiqTempRange = lblLiqTempRange,
                             .narrowEvapRange = [this] { return mopCA; },
                             .txtEvapTemp = txtEvapTemp,
                             .txtCondTemp = txtCondTemp,
                             .txtLiqTemp = txtLiqTemp,
                             .txtPressureDrop = txtPressureDrop,
                             .capacityEntry = txtCapacity,
                             .convertsCapacityEntry = sheet == Worksheet::Capacity
                                                          ? std::function<bool()>([this] { return loadingOn; })
                                                          : std::function<bool()>()}) {
        setVisible(true);
        for (TextBox* box : {&txtEvapTemp, &txtCondTemp, &txtLiqTemp, &txtPressureDrop, &txtCapacity}) {
            box->onChange = [this, box] { changes.push_back(box->fullName()); };
        }
    }

    WorksheetUnits units;
    bool mopCA = false;
    bool loadingOn = false;
    std::vector<std::string> changes;

    Label lblCap{*this, {.name = "lblCap", .caption = "Btu/h"}};
    Label lblCopy{*this, {.name = "lblCopy", .caption = "Btu/h"}};
    Label lblPressureUnits{*this, {.name = "lblPressureUnits", .caption = "psi"}};
    Label lblEvapRange{*this, {.name = "lblEvapRange", .caption = "Range: -40 to 60 F"}};
    Label lblCondRange{*this, {.name = "lblCondRange", .caption = "Range: 50 to 150 F"}};
    Label lblLiqTempRange{*this, {.name = "lblLiqTempRange", .caption = "Range: 0 to 150 F"}};
    TextBox txtEvapTemp{*this, {.name = "txtEvapTemp"}};
    TextBox txtCondTemp{*this, {.name = "txtCondTemp"}};
    TextBox txtLiqTemp{*this, {.name = "txtLiqTemp"}};
    TextBox txtPressureDrop{*this, {.name = "txtPressureDrop"}};
    TextBox txtCapacity{*this, {.name = "txtCapacity"}};
    MenuEntry mnuUnits{*this, {.name = "mnuUnits", .caption = "&Units"}};
    MenuEntry mnuBtu{mnuUnits, {.name = "mnuBtu", .caption = "&Btu/Hr", .checked = true, .enabled = false}};
    MenuEntry mnuTons{mnuUnits, {.name = "mnuTons", .caption = "&Tons"}};
    MenuEntry mnuKW{mnuUnits, {.name = "mnuKW", .caption = "&KiloWatts"}};
    MenuEntry mnuKCal{mnuUnits, {.name = "mnuKCal", .caption = "&KiloCalories"}};
    UnitSwitch unitSwitch;
};

struct Entries {
    const char* evap;
    const char* cond;
    const char* liq;
    const char* drop;
    const char* capacity;
};

struct SwitchCase {
    const char* name;
    Worksheet sheet;
    std::vector<CapacityUnit> before; // switches made with empty entries, from Btu/h
    Entries typed;
    bool userDefined;
    bool loadingOn;
    CapacityUnit to;
    Entries shown;
    std::vector<std::string> titles; // message boxes, in order
};

void PrintTo(const SwitchCase& row, std::ostream* os) {
    *os << row.name;
}

class UnitSwitchCases : public ::testing::TestWithParam<SwitchCase> {};

Entries entriesOf(const UnitForm& f) {
    return {f.txtEvapTemp.text().c_str(), f.txtCondTemp.text().c_str(), f.txtLiqTemp.text().c_str(),
            f.txtPressureDrop.text().c_str(), f.txtCapacity.text().c_str()};
}

TEST_P(UnitSwitchCases, ConvertsTheEntriesAndEndsInTheNewUnit) {
    const SwitchCase& row = GetParam();
    RecordingPlatform platform;
    Program program(platform);
    UnitForm form(program, row.sheet);
    for (const CapacityUnit unit : row.before) {
        form.unitSwitch.SwitchTo(unit);
    }
    form.units.DistUserDefined = row.userDefined ? 1 : 0;
    form.loadingOn = row.loadingOn;
    form.txtEvapTemp.setText(row.typed.evap);
    form.txtCondTemp.setText(row.typed.cond);
    form.txtLiqTemp.setText(row.typed.liq);
    form.txtPressureDrop.setText(row.typed.drop);
    form.txtCapacity.setText(row.typed.capacity);
    platform.clear();

    form.unitSwitch.SwitchTo(row.to);

    const Entries shown = entriesOf(form);
    EXPECT_STREQ(shown.evap, row.shown.evap);
    EXPECT_STREQ(shown.cond, row.shown.cond);
    EXPECT_STREQ(shown.liq, row.shown.liq);
    EXPECT_STREQ(shown.drop, row.shown.drop);
    EXPECT_STREQ(shown.capacity, row.shown.capacity);
    std::vector<std::string> titles;
    for (const auto& message : platform.messages()) {
        titles.push_back(message.title);
        EXPECT_EQ(message.style, kMsgExclamation);
    }
    EXPECT_EQ(titles, row.titles);
    // Whatever the entries held, the switch ends wholly in the new unit.
    EXPECT_EQ(form.units.CapacityUnit, row.to);
    EXPECT_EQ(form.units.UnitsMetric, SystemOf(row.to));
    EXPECT_EQ(form.units.PressureUnit, PressureUnitOf(row.to));
    EXPECT_EQ(form.lblPressureUnits.caption(), PressureUnitCaption(PressureUnitOf(row.to)));
    // Range labels are rewritten by a change of system only.
    if (IsMetric(row.to) || std::any_of(row.before.begin(), row.before.end(), IsMetric)) {
        EXPECT_EQ(form.lblCondRange.caption(), CondRangeCaption(SystemOf(row.to)));
    }
}

using U = CapacityUnit;
constexpr auto kCap = Worksheet::Capacity;
constexpr auto kSel = Worksheet::Selection;
const char* const kTempTitle = "Evaporator Temperature Input Error";

// clang-format off
INSTANTIATE_TEST_SUITE_P(UnitSwitch, UnitSwitchCases, ::testing::Values(
    SwitchCase{"BtuToTonsConvertsOnlyTheCapacity",      kCap, {},             {"40", "100", "90", "30", "24000"},   true,  true,  U::Tons, {"40", "100", "90", "30", "2.00"}, {}},
    SwitchCase{"TonsToKWConvertsEverything",            kCap, {U::Tons},      {"40", "100", "90", "30", "10"},      true,  true,  U::KW,   {"4.4", "37.8", "32.2", "2.1", "35.20"}, {}},
    SwitchCase{"KWToKCalKeepsTemperaturesAndDrop",      kCap, {U::KW},        {"4.4", "37.8", "", "2.1", "3.52"},   true,  true,  U::KCal, {"4.4", "37.8", "", "2.1", "3024.00"}, {}},
    SwitchCase{"KCalToBtuCarriesTheShownRounding",      kCap, {U::KCal},      {"4.4", "", "", "", ""},              false, false, U::BtuH, {"39.9", "", "", "", ""}, {}},
    SwitchCase{"KCalToBtuUsesTheWidePattern",           kCap, {U::KCal},      {"", "", "", "", "3024"},             false, true,  U::BtuH, {"", "", "", "", "12000.00"}, {}},
    SwitchCase{"EmptyTemperatureDoesNotStopTheOthers",  kCap, {},             {"", "100", "", "", ""},              false, false, U::KW,   {"", "37.8", "", "", ""}, {}},
    SwitchCase{"LoadingOffKeepsTheCapacityText",        kCap, {},             {"", "", "", "", "24000"},            false, false, U::Tons, {"", "", "", "", "24000"}, {}},
    SwitchCase{"LoadingOffKeepsAnInvalidCapacityToo",   kCap, {},             {"", "", "", "", "abc"},              false, false, U::Tons, {"", "", "", "", "abc"}, {}},
    SwitchCase{"FixedDistributorKeepsTheDropText",      kCap, {},             {"", "", "", "30", ""},               false, false, U::KW,   {"", "", "", "30", ""}, {}},
    SwitchCase{"SameUnitNeitherConvertsNorTests",       kSel, {U::Tons},      {"x", "", "", "", "y"},               false, false, U::Tons, {"x", "", "", "", "y"}, {}},
    SwitchCase{"SelectionAlwaysConvertsTheCapacity",    kSel, {},             {"", "", "", "", "24000"},            false, false, U::Tons, {"", "", "", "", "2.00"}, {}},
    SwitchCase{"SelectionKCalToKW",                     kSel, {U::KCal},      {"", "", "", "", "3024"},             false, false, U::KW,   {"", "", "", "", "3.52"}, {}},
    SwitchCase{"SelectionKCalToBtuNarrowPattern",       kSel, {U::KCal},      {"", "", "", "", "3024"},             false, false, U::BtuH, {"", "", "", "", "12000.00"}, {}},
    SwitchCase{"MetricDropToPsi",                       kSel, {U::KW},        {"", "", "", "2.1", ""},              true,  false, U::Tons, {"", "", "", "30.5", ""}, {}},
    SwitchCase{"InvalidEvaporatorIsEmptiedOthersGoOn",  kCap, {},             {"4O", "100", "90", "30", "12000"},   true,  true,  U::KW,   {"", "37.8", "32.2", "2.1", "3.52"}, {kTempTitle}},
    SwitchCase{"EveryInvalidEntryGetsItsMessage",       kCap, {},             {"a", "b", "c", "d", "e"},            true,  true,  U::KCal, {"", "", "", "", ""},
               {kTempTitle, "INCORRECT CONDENSOR TEMPERATURE ENTRY", "INCORRECT LIQUID TEMPERATURE ENTRY",
                "INCORRECT PRESSURE DROP ENTRY", "INCORRECT SYSTEM CAPACITY ENTRY"}},
    SwitchCase{"TemperatureBeyondASingleIsInvalid",     kSel, {},             {"1e39", "", "", "", ""},             false, false, U::KW,   {"", "", "", "", ""}, {kTempTitle}},
    SwitchCase{"CapacityOverflowingASingleIsInvalid",   kSel, {U::KCal},      {"", "", "", "", "3e38"},             false, false, U::BtuH, {"", "", "", "", ""}, {"INCORRECT SYSTEM CAPACITY ENTRY"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct Shown {
    bool btuEnabled, tonsEnabled, kwEnabled, kcalEnabled;
    bool btuChecked, tonsChecked, kwChecked, kcalChecked;
    const char* capacityCaption;
    const char* copyCaption;
    const char* pressureCaption;
    const char* evapRange;
};

struct CaptionCase {
    const char* name;
    Worksheet sheet;
    std::vector<CapacityUnit> switches;
    bool mopCA;
    Shown shown;
};

void PrintTo(const CaptionCase& row, std::ostream* os) {
    *os << row.name;
}

class UnitCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(UnitCaptions, MenusAndCaptionsFollowTheUnit) {
    const CaptionCase& row = GetParam();
    RecordingPlatform platform;
    Program program(platform);
    UnitForm form(program, row.sheet);
    form.mopCA = row.mopCA;
    for (const CapacityUnit unit : row.switches) {
        form.unitSwitch.SwitchTo(unit);
    }
    const Shown& s = row.shown;
    EXPECT_EQ(form.mnuBtu.enabled(), s.btuEnabled);
    EXPECT_EQ(form.mnuTons.enabled(), s.tonsEnabled);
    EXPECT_EQ(form.mnuKW.enabled(), s.kwEnabled);
    EXPECT_EQ(form.mnuKCal.enabled(), s.kcalEnabled);
    EXPECT_EQ(form.mnuBtu.checked(), s.btuChecked);
    EXPECT_EQ(form.mnuTons.checked(), s.tonsChecked);
    EXPECT_EQ(form.mnuKW.checked(), s.kwChecked);
    EXPECT_EQ(form.mnuKCal.checked(), s.kcalChecked);
    EXPECT_EQ(form.lblCap.caption(), s.capacityCaption);
    EXPECT_EQ(form.lblCopy.caption(), s.copyCaption);
    EXPECT_EQ(form.lblPressureUnits.caption(), s.pressureCaption);
    EXPECT_EQ(form.lblEvapRange.caption(), s.evapRange);
}

// The test window starts with "psi" and its Btu/h entry checked (the selection worksheet's start).
// clang-format off
INSTANTIATE_TEST_SUITE_P(UnitSwitch, UnitCaptions, ::testing::Values(
    CaptionCase{"CapacityTonsOnlyEnablesTheOthers",   kCap, {U::Tons},        false, {true,  false, true,  true,  true,  false, false, false, "Tons",    "Tons",    "psi",  "Range: -40 to 60 F"}},
    CaptionCase{"CapacityKCalBothCaptions",           kCap, {U::KCal},        false, {true,  true,  true,  false, true,  false, false, false, "KiloCal", "KiloCal", "bars", "Range:-40 to 16 deg C."}},
    CaptionCase{"CapacityBackToBtu",                  kCap, {U::KW, U::BtuH}, false, {false, true,  true,  true,  true,  false, false, false, "Btu/h",   "Btu/h",   "psi",  "Range:-40 to 60 deg F."}},
    CaptionCase{"SelectionChecksTheChosenEntry",      kSel, {U::Tons},        false, {true,  false, true,  true,  false, true,  false, false, "Tons",    "Btu/h",   "psi",  "Range: -40 to 60 F"}},
    CaptionCase{"SelectionKCalCaption",               kSel, {U::KCal},        false, {true,  true,  true,  false, false, false, false, true,  "kCal.",   "Btu/h",   "bars", "Range:-40 to 16 deg C."}},
    CaptionCase{"SelectionNarrowRangeWithCACharge",   kSel, {U::KW},          true,  {true,  true,  false, true,  false, false, true,  false, "kW",      "Btu/h",   "bars", "Range: -18 to 16 deg C."}},
    CaptionCase{"SelectionNarrowRangeBackInEnglish",  kSel, {U::KW, U::Tons}, true,  {true,  false, true,  true,  false, true,  false, false, "Tons",    "Btu/h",   "psi",  "Range: 0 to 60 deg F."}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(UnitSwitch, PressureCaptionFollowsEveryClickOnlyOnTheSelectionWorksheet) {
    RecordingPlatform platform;
    Program program(platform);
    UnitForm capacity(program, kCap);
    UnitForm selection(program, kSel);
    for (UnitForm* form : {&capacity, &selection}) {
        form->lblPressureUnits.setCaption("?");
        form->unitSwitch.SwitchTo(U::Tons); // no change of system
    }
    EXPECT_EQ(capacity.lblPressureUnits.caption(), "?");
    EXPECT_EQ(selection.lblPressureUnits.caption(), "psi");
}

TEST(UnitSwitch, RoundTripConvertsEachEntryOncePerSwitch) {
    RecordingPlatform platform;
    Program program(platform);
    UnitForm form(program, kCap);
    form.units.DistUserDefined = 1;
    form.txtEvapTemp.setText("40");
    form.txtPressureDrop.setText("bad");
    form.unitSwitch.SwitchTo(U::KW); // the drop is refused, the evaporator converted
    form.txtPressureDrop.setText("2");
    form.unitSwitch.SwitchTo(U::KCal); // same system: nothing converts
    form.unitSwitch.SwitchTo(U::Tons);
    EXPECT_EQ(form.txtEvapTemp.text(), "39.9");
    EXPECT_EQ(form.txtPressureDrop.text(), "29.0");
    EXPECT_FLOAT_EQ(program.uv().EvapTemp, 39.92f);
    EXPECT_EQ(platform.focusHistory(), std::vector<std::string>{"txtPressureDrop"});
}

TEST(UnitSwitch, ConvertingAnEntryRunsItsChangeHandler) {
    RecordingPlatform platform;
    Program program(platform);
    UnitForm form(program, kCap);
    form.txtCondTemp.setText("100");
    form.txtLiqTemp.setText("x");
    form.changes.clear();
    form.unitSwitch.SwitchTo(U::KW);
    EXPECT_EQ(form.changes, (std::vector<std::string>{"txtCondTemp", "txtLiqTemp"}));
    EXPECT_FLOAT_EQ(program.uv().CondTemp, 37.7777786f);
}

TEST(UnitSwitch, FollowsTheUsersDecimalCharacter) {
    RecordingPlatform platform;
    platform.setNumberLocale({",", "."});
    Program program(platform);
    UnitForm form(program, kCap);
    form.loadingOn = true;
    form.txtEvapTemp.setText("39,9");
    form.txtCapacity.setText("1,5");
    form.unitSwitch.SwitchTo(U::KW);
    EXPECT_EQ(form.txtEvapTemp.text(), "4,4");
    EXPECT_EQ(form.txtCapacity.text(), ",00"); // 1.5 Btu/h in kW
    EXPECT_TRUE(platform.messages().empty());
}

} // namespace
} // namespace korveld::testing
