// The Valve Capacity Worksheet driven as a user drives it: menus, options, typing, Calculate.
#include "engine/series_numbers.h"
#include "tests/support/capacity_sheet.h"
#include "tests/support/named_rows.h"
#include "worksheets/frm_korveld.h"

#include <functional>
#include <gtest/gtest.h>

namespace korveld::testing {
namespace {

constexpr testing_support::RowName kRowName;

using U = CapacityUnit;

struct CheckCase {
    const char* name;
    Setup setup;
    const char* title;
    const char* prompt;  // whole, as the user reads it
    const char* focused; // also emptied unless it is a choice box
};

class CalculateChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CalculateChecks, FirstFailingCheckShowsItsMessage) {
    Sheet sheet(GetParam().setup);
    sheet.f->cmdCalculate.userClick();
    ASSERT_EQ(sheet.platform.messages().size(), 1u);
    EXPECT_EQ(sheet.title(), GetParam().title);
    EXPECT_EQ(sheet.platform.messages()[0].prompt, GetParam().prompt);
    EXPECT_EQ(sheet.platform.messages()[0].style, 48);
    const std::string focused = GetParam().focused;
    EXPECT_EQ(sheet.platform.focusHistory(),
              focused.empty() ? std::vector<std::string>{} : std::vector<std::string>{focused});
    if (!focused.empty() && focused.find("txtSel") != 0) {
        EXPECT_EQ(static_cast<TextBox*>(sheet.f->findControl(focused))->text(), "");
    }
    EXPECT_FALSE(sheet.f->cmdPrint.visible());
}

constexpr const char* kEvapErr = "EVAPORATOR TEMPERATURE ERROR";
constexpr const char* kCondErr = "CONDENSING TEMPERATURE INPUT ERROR";
constexpr const char* kCapacityNotANumber =
    "You have entered an invalid System Capacity entry; the value is not a true number!  Please try again.";
constexpr const char* kLiqNotBelowCond = "You have entered a liquid temperature higher than or equal to the condensing "
                                         "temperature.  This is not practical!  Please enter a new value.";
constexpr const char* kRange = "You have entered a value outside the allowed Range.  Please enter a correct value!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, CalculateChecks, ::testing::Values(
    CheckCase{"EveryEntryEmptyIsCheck6",     {.evap = "", .cond = "", .liq = ""},           kEvapErr, "You have not entered a value for the Evaporator Temperature.  Please enter a value!", "txtEvapTemp"},
    CheckCase{"EvapNotANumberBeforeEmpty",   {.evap = "4O", .cond = ""},                    "Evaporator Temperature Input Error", "You have entered an invalid value for the Evaporator Temperature.  You need to do so now!", "txtEvapTemp"},
    CheckCase{"LiqNotANumber",               {.evap = "", .liq = "9 0"},                    "INCORRECT LIQUID TEMPERATURE ENTRY", "You have entered an invalid Liquid Temperature entry!  Please try again.", "txtLiqTemp"},
    CheckCase{"LoadingWithoutCapacity",      {.cap = "", .evap = ""},                       "NO SYSTEM CAPACITY ENTRY", "You have NOT entered a System Capacity Value!  Please try again.", "txtSystemCapacity"},
    CheckCase{"CapacityNotANumber",          {.cap = "12,000"},                             "INCORRECT SYSTEM CAPACITY ENTRY", kCapacityNotANumber, "txtSystemCapacity"},
    CheckCase{"DropNotANumberBeforeEvap",    {.dist = kUser, .evap = "", .drop = "x5"},     "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", "You have entered an invalid number for a pressure drop.  x5 is not a number, please reenter a valid number!", "txtPressureDrop"},
    CheckCase{"MetricDropOverflowsInPsi",    {.unit = U::KW, .dist = kUser, .evap = "4", .cond = "38", .liq = "32", .drop = "3e38"}, "INVALID DISTRIBUTOR PRESSURE DROP ENTRY", "You have entered an invalid number for a pressure drop.  3e38 is not a number, please reenter a valid number!", "txtPressureDrop"},
    CheckCase{"EvapBelowRange",              {.evap = "-40.01"},                            kEvapErr, kRange, "txtEvapTemp"},
    CheckCase{"EvapBeyondASingleIsRange",    {.evap = "1e39"},                              kEvapErr, kRange, "txtEvapTemp"},
    CheckCase{"MetricEvapAbove16",           {.unit = U::KCal, .evap = "16.1", .cond = "38", .liq = "32"}, kEvapErr, kRange, "txtEvapTemp"},
    CheckCase{"CondEmpty",                   {.cond = ""},                                  kCondErr, "You have you have not enter a value for the Condensing Temperature.  Please do so at this time!", "txtCondTemp"},
    CheckCase{"MetricCondAbove66",           {.unit = U::KW, .evap = "4", .cond = "66.1", .liq = "32"}, kCondErr, kRange, "txtCondTemp"},
    CheckCase{"LiqEmpty",                    {.liq = ""},                                   "LIQUID TEMPERATURE INPUT ERROR", "You have not entered a value for Liquid Temperature.  Please do so at this time!", "txtLiqTemp"},
    CheckCase{"MetricLiqBelowMinus18",       {.unit = U::KW, .evap = "4", .cond = "38", .liq = "-18.5"}, "Liquid Temperature Input Error", kRange, "txtLiqTemp"},
    CheckCase{"DropEmpty",                   {.dist = kUser},                               "NO DISTRIBUTOR PRESSURE DROP ENTRY", "You have not entered a distributor pressure drop!  You will have to enter a value or select a distributor type.", "txtPressureDrop"},
    CheckCase{"DropNegative",                {.dist = kUser, .drop = "-1"},                 "NEGATIVE DISTRIBUTOR PRESSURE DROP", "You have entered a negative pressure drop for the distributor!  This is not acceptable, please enter a positive pressure drop.", "txtPressureDrop"},
    CheckCase{"NoRefrigerant",               {.ref = ""},                                   "REFRIGERATION SELECTION", "You have not made a refrigerant selection!  Please do so at this time.", "txtSelectRefrig"},
    CheckCase{"NoValve",                     {.valve = ""},                                 "VALVE SELECTION", "You have not made a Valve selection!  Please do so at this time.", "txtSelValve"},
    CheckCase{"LiquidEqualToCondensing",     {.liq = "100"},                                "INCORRECT SYSEM CAPACITY ENTRY", kLiqNotBelowCond, "txtLiqTemp"},
    CheckCase{"LiquidUpperBoundIsCheck12",   {.cond = "150", .liq = "150"},                 "INCORRECT SYSEM CAPACITY ENTRY", kLiqNotBelowCond, "txtLiqTemp"},
    CheckCase{"DeltaPBelow20",               {.evap = "50", .cond = "80", .liq = "70"},     "PRESSURE DROP ACROSS VALVE TO SMALL", "The pressure drop across is two small.  Check your inputs to make sure they are valid.", ""},
    CheckCase{"LoadingOverflowsASingle",     {.unit = U::Tons, .cap = "3e38"},              "INCORRECT SYSTEM CAPACITY ENTRY", kCapacityNotANumber, "txtSystemCapacity"}
), kRowName);
// clang-format on

struct RatedCase {
    const char* name;
    Setup setup;
    std::int16_t rows;
    std::int16_t row;
    const char* label;
    const char* capacity;
    const char* loading; // "" with loading off
};

class RatedRows : public ::testing::TestWithParam<RatedCase> {};

TEST_P(RatedRows, ShowOneRowPerOfferedSize) {
    Sheet sheet(GetParam().setup);
    sheet.f->cmdCalculate.userClick();
    EXPECT_EQ(sheet.title(), "");
    const frmtxvCapacity& f = *sheet.f;
    ASSERT_EQ(f.RowCount, GetParam().rows);
    EXPECT_EQ(f.lblValName(GetParam().row).caption(), GetParam().label);
    EXPECT_EQ(f.txtValCap(GetParam().row).text(), GetParam().capacity);
    EXPECT_EQ(f.txtFlowCap(GetParam().row).text(), GetParam().loading);
    const bool loading = GetParam().setup.cap != nullptr;
    EXPECT_EQ(f.width(), loading ? 8610 : 7185);
    EXPECT_EQ(f.txtFlowCap(f.RowCount).visible(), loading);
    EXPECT_EQ(f.lblFlowHeading.visible(), loading);
    EXPECT_EQ(f.lblRefrigHeading.left(), loading ? 5760 : 4800);
    EXPECT_TRUE(f.cmdPrint.visible() && f.lblCapUnits.visible() && f.txtValCap(f.RowCount).visible());
    if (f.RowCount < 12) {
        EXPECT_FALSE(f.txtValCap(static_cast<std::int16_t>(f.RowCount + 1)).visible());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, RatedRows, ::testing::Values(
    RatedCase{"WorkedExampleOrifice",      {},                                   9,  4, "KOE 1-1/2", "14,840.07", ""},
    RatedCase{"UserDropZeroIsNone",        {.dist = kUser, .drop = "0"},         9,  4, "KO 1-1/2",  "17,884.44", ""},
    RatedCase{"WorkedExampleLoading",      {.cap = "12000"},                     9,  4, "KOE 1-1/2", "14,840.07", "80.9"},
    RatedCase{"LoadingOfZeroShowsPointZero", {.cap = "0"},                       9,  9, "KOE 5",     "61,034.54", ".0"},
    RatedCase{"Tons",                      {.unit = U::Tons},                    9,  1, "KOE 1/4",   ".31",       ""},
    RatedCase{"MetricUserDropInBars",      {.unit = U::KW, .dist = kUser, .cap = "35.20", .evap = "4.4", .cond = "37.8", .liq = "32.2", .drop = "2.1"}, 9, 4, "KOE 1-1/2", "4.48", "785.5"},
    RatedCase{"BoundaryLowEvapAndCond",    {.dist = kNone, .evap = "-40", .cond = "50", .liq = "0"}, 9, 1, "KO 1/4", "2,108.73", ""},
    RatedCase{"MetricBoundaries",          {.unit = U::KCal, .dist = kNone, .evap = "-40", .cond = "10", .liq = "-18"}, 9, 1, "KO 1/4", "532.16", ""},
    RatedCase{"VANHasOneRow",              {.valve = "VAN"},                     1,  1, "VAN 55",    "613,682.19", ""},
    RatedCase{"QZHasTwelveRows",           {.valve = "QZ"},                      12, 12, "QZE 20",    "225,277.03", ""}
), kRowName);
// clang-format on

TEST(CapacityWorksheet, R507RatesExactlyAsR502) {
    Sheet r502({.ref = "R-502", .cap = "10000"});
    Sheet r507({.ref = "R-507", .cap = "10000"});
    r502.f->cmdCalculate.userClick();
    r507.f->cmdCalculate.userClick();
    EXPECT_EQ(r507.f->RefIndex, 8);
    EXPECT_EQ(r507.f->lastRating().rows[0].RowCapacity, r502.f->lastRating().rows[0].RowCapacity);
    std::vector<std::string> page = renderPlainText(r507.f->Report());
    EXPECT_EQ(page[5], "   REFRIGERANT TYPE                    R-507");
    page[5] = "   REFRIGERANT TYPE                    R-502";
    EXPECT_EQ(page, renderPlainText(r502.f->Report()));
    EXPECT_GT(page.size(), 20u);
}

struct PickCase {
    const char* name;
    const char* first;
    const char* second;
    const char* valveText;
    const char* refrigerantText;
    const char* title;  // "" when the pick is accepted
    const char* prompt; // "" when the pick is accepted
};

class MenuPicks : public ::testing::TestWithParam<PickCase> {};

TEST_P(MenuPicks, RefuseWhatTheCatalogDoesNotOffer) {
    Sheet sheet({.ref = "", .valve = ""});
    sheet.pick(GetParam().first);
    sheet.platform.clear();
    sheet.pick(GetParam().second);
    EXPECT_EQ(sheet.f->txtSelValve.text(), GetParam().valveText);
    EXPECT_EQ(sheet.f->txtSelectRefrig.text(), GetParam().refrigerantText);
    EXPECT_EQ(sheet.title(), GetParam().title);
    EXPECT_EQ(sheet.platform.messages().empty() ? "" : sheet.platform.messages()[0].prompt, GetParam().prompt);
    // The picked entry keeps its check mark, refused or not; no other entry of its menu has one.
    int checked = 0;
    for (MenuEntry* menu :
         {&sheet.f->mnuRefrig, &sheet.f->mnuValTypes, sheet.f->pickMenus().mnuKSer, sheet.f->pickMenus().mnuVSer}) {
        for (MenuEntry* entry = menu->firstChild(); entry != nullptr; entry = entry->nextSibling()) {
            EXPECT_EQ(entry->checked(), entry->caption() == GetParam().second || entry->caption() == GetParam().first)
                << entry->fullName();
            checked += entry->checked() ? 1 : 0;
        }
    }
    EXPECT_EQ(checked, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, MenuPicks, ::testing::Values(
    PickCase{"VMPAfterR407C",   "R-407C", "VMP",      "",     "R-407C", "Refrigerant Selection", "The VMP valve is not set up for R-407C.  Please select another refrigerant or another valve."},
    PickCase{"R407CAfterKOT",   "KOT",    "R-407C",   "KOT",  "",       "Valve Selection", "The KOT is not available for this refrigerant.  You must chose either another valve or the correct refrigerant."},
    PickCase{"R407CAfterKOD",   "KOD/KEWS", "R-407C", "KOD",  "R-407C", "", ""}
), kRowName);
// clang-format on

struct StaleCase {
    const char* name;
    std::function<void(frmtxvCapacity&)> act;
};

class StaleResults : public ::testing::TestWithParam<StaleCase> {};

TEST_P(StaleResults, AnyChangeCollapsesTheWindowAndHidesPrint) {
    Sheet sheet({.cap = "12000"});
    sheet.f->cmdCalculate.userClick();
    ASSERT_TRUE(sheet.f->cmdPrint.visible());
    GetParam().act(*sheet.f);
    EXPECT_EQ(sheet.f->width(), 4800);
    EXPECT_FALSE(sheet.f->cmdPrint.visible());
    EXPECT_FALSE(sheet.f->txtValCap(1).visible());
    EXPECT_EQ(sheet.f->lblValName(1).caption(), "");
    EXPECT_FALSE(sheet.f->lblCapHeading.visible());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, StaleResults, ::testing::Values(
    StaleCase{"TypingEvaporator",    [](frmtxvCapacity& f) { f.txtEvapTemp.userType("41"); }},
    StaleCase{"TypingCapacity",      [](frmtxvCapacity& f) { f.txtSystemCapacity.userType("1"); }},
    StaleCase{"OpeningRefrigerants", [](frmtxvCapacity& f) { f.mnuRefrig.userPick(); }},
    StaleCase{"OpeningEnglishUnits", [](frmtxvCapacity& f) { f.mnuEnglish.userPick(); }},
    StaleCase{"ChoosingVenturi",     [](frmtxvCapacity& f) { f.optDistVenturi.userClick(); }},
    StaleCase{"NoLoading",           [](frmtxvCapacity& f) { f.optDone.userClick(); }}
), kRowName);
// clang-format on

TEST(CapacityWorksheet, LoadsCollapsedAndSwitchesTheDistributorAndLoadingLayouts) {
    Sheet sheet({.ref = "", .valve = "", .evap = "", .cond = "", .liq = ""});
    frmtxvCapacity& f = *sheet.f;
    EXPECT_EQ(f.caption(), "ORVIK's Expansion Valve Capacity Worksheet");
    EXPECT_EQ(f.width(), 4800);
    EXPECT_FALSE(f.mnuBtuHr.enabled());
    EXPECT_TRUE(f.fmeValveLoading.visible() && !f.fmeLoading.visible() && f.optNO.value());
    f.optUserDefined.userClick();
    EXPECT_EQ(std::vector<Twips>(
                  {f.height(), f.fmeDistributor.height(), f.cmdCalculate.top(), f.cmdClose.top(), f.cmdPrint.top()}),
              std::vector<Twips>({6700, 1575, 2565, 4500, 5550}));
    EXPECT_FALSE(f.optUserDefined.visible());
    EXPECT_TRUE(f.txtPressureDrop.visible() && f.lblPressureUnits.visible());
    EXPECT_EQ(sheet.platform.focusHistory().back(), "txtPressureDrop");
    f.txtPressureDrop.userType("30");
    f.optDistNone.userClick();
    EXPECT_EQ(std::vector<Twips>(
                  {f.height(), f.fmeDistributor.height(), f.cmdCalculate.top(), f.cmdClose.top(), f.cmdPrint.top()}),
              std::vector<Twips>({6400, 1275, 2280, 4200, 5250}));
    EXPECT_EQ(f.txtPressureDrop.text(), "");
    EXPECT_TRUE(f.optUserDefined.visible() && !f.txtPressureDrop.visible());
    f.optYES.userClick();
    EXPECT_TRUE(f.fmeLoading.visible() && !f.fmeValveLoading.visible());
    EXPECT_EQ(sheet.platform.focusHistory().back(), "txtSystemCapacity");
    f.txtSystemCapacity.userType("5");
    f.optDone.userClick();
    EXPECT_TRUE(f.fmeValveLoading.visible() && !f.fmeLoading.visible() && f.optNO.value());
    EXPECT_FALSE(f.optYES.value() || f.optDone.value());
    EXPECT_EQ(f.txtSystemCapacity.text(), "");
    f.cmdClose.userClick();
    EXPECT_EQ(f.height(), 6475);
}

TEST(CapacityWorksheet, CloseEmptiesTheEntriesAndChoicesButKeepsUnitsAndDistributor) {
    Sheet sheet({.unit = U::KW, .dist = kUser, .cap = "3", .evap = "4", .cond = "38", .liq = "32", .drop = "2"});
    frmtxvCapacity& f = *sheet.f;
    f.cmdCalculate.userClick();
    f.cmdClose.userClick();
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(sheet.program.selectionScreen().visible());
    EXPECT_EQ(f.txtEvapTemp.text() + f.txtCondTemp.text() + f.txtLiqTemp.text() + f.txtSelValve.text() +
                  f.txtSelectRefrig.text(),
              "");
    EXPECT_FALSE(f.refrigerantMenu("R-22")->checked() || f.seriesMenu(series::KO)->checked());
    EXPECT_TRUE(f.optNO.value() && f.fmeValveLoading.visible() && !f.fmeLoading.visible());
    EXPECT_EQ(f.height(), 6700); // not 6475, which cut the user-defined layout's PRINT button off
    EXPECT_EQ(f.txtPressureDrop.text(), "2");
    EXPECT_EQ(f.txtSystemCapacity.text(), "3");
    EXPECT_TRUE(f.optUserDefined.value());
    EXPECT_EQ(f.units().CapacityUnit, U::KW);
    sheet.program.selectionScreen().cmdValveCap.userClick();
    EXPECT_EQ(&sheet.program.form<frmtxvCapacity>(), &f);
    EXPECT_TRUE(f.visible());
}

TEST(CapacityWorksheet, TonsToKilowattsConvertsTheEntriesOnScreen) {
    Sheet sheet({.unit = U::Tons, .dist = kUser, .cap = "10", .drop = "30"});
    frmtxvCapacity& f = *sheet.f;
    f.mnuMetric.userPick();
    f.mnuKiloWatts.userPick();
    EXPECT_EQ(f.txtEvapTemp.text() + " " + f.txtCondTemp.text() + " " + f.txtLiqTemp.text(), "4.4 37.8 32.2");
    EXPECT_EQ(f.txtPressureDrop.text(), "2.1");
    EXPECT_EQ(f.txtSystemCapacity.text(), "35.20");
    EXPECT_EQ(f.lblPressureUnits.caption() + " " + f.lblUnits.caption() + " " + f.lblEvapRange.caption(),
              "bars kW Range:-40 to 16 deg C.");
    f.optDone.userClick();
    f.txtSystemCapacity.setText("24000");
    f.mnuKiloCal.userPick(); // loading off: the capacity keeps its text
    EXPECT_EQ(f.txtSystemCapacity.text(), "24000");
    f.mnuBtuHr.userPick();
    EXPECT_EQ(f.txtEvapTemp.text(), "39.9");
}

struct HelpCase {
    const char* name;
    std::function<void(frmtxvCapacity&)> act;
    HelpCommand command;
    std::uint32_t id;
};

class CapacityHelp : public ::testing::TestWithParam<HelpCase> {};

TEST_P(CapacityHelp, OpensItsTopic) {
    Sheet sheet({});
    GetParam().act(*sheet.f);
    ASSERT_EQ(sheet.platform.helpCalls().size(), 1u);
    EXPECT_EQ(sheet.platform.helpCalls()[0].command, GetParam().command);
    EXPECT_EQ(sheet.platform.helpCalls()[0].contextId, GetParam().id);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, CapacityHelp, ::testing::Values(
    HelpCase{"EvapDblClick",   [](frmtxvCapacity& f) { f.txtEvapTemp.userDblClick(); },    HelpCommand::ContextPopup, 360},
    HelpCase{"FrameDblClick",  [](frmtxvCapacity& f) { f.fmeDistributor.userDblClick(); }, HelpCommand::ContextPopup, 390},
    HelpCase{"Contents",       [](frmtxvCapacity& f) { f.mnucontents2.userPick(); },       HelpCommand::Index,        0}
), kRowName);
// clang-format on

TEST(CapacityWorksheet, ReportPrintsTheInputsAndRowsAtTheirColumns) {
    Sheet sheet({.valve = "VRK", .cap = "12000"});
    sheet.f->cmdCalculate.userClick();
    sheet.f->cmdPrint.userClick();
    ASSERT_EQ(sheet.platform.printed().size(), 1u);
    const std::vector<std::string> expected{"",
                                            "         12/6/2026           9:30 AM",
                                            "",
                                            "",
                                            "   *************************** INPUTS ***************************",
                                            "   REFRIGERANT TYPE                    R-22",
                                            "   VALVE TYPE                          VRK",
                                            "   EVAPORATOR TEMPERATURE :            40  F",
                                            "   CONDENSING TEMPERATURE :            100  F",
                                            "   LIQUID TEMPERATURE:                 90  F",
                                            "   DISTRIBUTOR PRESSURE DROP           35.0  psi",
                                            "   EVAPORATOR CAPACITY :               12000  Btu/h",
                                            "",
                                            "   *************************** OUTPUTS ***************************",
                                            "   VALVE PRESSURE DROP :               77.4 psi",
                                            "",
                                            "         VALVE NAME          VALVE CAPACITY      VALVE LOADING",
                                            "                                 (Btu/h)",
                                            "          VRKE 11             121,622.00          9.9 %",
                                            "          VRKE 14             155,093.81          7.7 %"};
    EXPECT_EQ(renderPlainText(sheet.platform.printed()[0]), expected);
}

struct ReportLineCase {
    const char* name;
    Setup setup;
    std::size_t index;
    const char* line;
};

class ReportLines : public ::testing::TestWithParam<ReportLineCase> {};

TEST_P(ReportLines, FollowTheUnitsAndTheDistributor) {
    Sheet sheet(GetParam().setup);
    sheet.f->cmdCalculate.userClick();
    const std::vector<std::string> page = renderPlainText(sheet.f->Report());
    ASSERT_GT(page.size(), GetParam().index);
    EXPECT_EQ(page[GetParam().index], GetParam().line);
}

constexpr Setup kMetricVRK{
    .unit = U::KCal, .valve = "VRK", .dist = kVenturi, .evap = "4.4", .cond = "37.8", .liq = "32.2"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(CapacityWorksheet, ReportLines, ::testing::Values(
    ReportLineCase{"DropNone",              {.dist = kNone},                                         10, "   DISTRIBUTOR PRESSURE DROP           .0  psi"},
    ReportLineCase{"DropUserZero",          {.dist = kUser, .drop = "0"},                            10, "   DISTRIBUTOR PRESSURE DROP           .0  psi"},
    ReportLineCase{"DropUserAsTyped",       {.dist = kUser, .drop = "12.25"},                        10, "   DISTRIBUTOR PRESSURE DROP           12.3  psi"},
    ReportLineCase{"DropMetricOrifice",     {.unit = U::KW, .evap = "4", .cond = "38", .liq = "32"}, 10, "   DISTRIBUTOR PRESSURE DROP           2.4  bars"},
    ReportLineCase{"MetricTemperature",     kMetricVRK, 7,  "   EVAPORATOR TEMPERATURE :            4.4  C"},
    ReportLineCase{"MetricVenturiDrop",     kMetricVRK, 10, "   DISTRIBUTOR PRESSURE DROP           1.0  bars"},
    ReportLineCase{"CapacityWithoutLoading", kMetricVRK, 11, "   EVAPORATOR CAPACITY :                 KiloCal"},
    ReportLineCase{"MetricValveDrop",       kMetricVRK, 14, "   VALVE PRESSURE DROP :               6.7 bars"},
    ReportLineCase{"HeadingWithoutLoading", kMetricVRK, 16, "         VALVE NAME          VALVE CAPACITY"},
    ReportLineCase{"MetricUnitHeading",     kMetricVRK, 17, "                                  KiloCal"},
    ReportLineCase{"MetricRow",             kMetricVRK, 18, "          VRKE 11             34,427.65"}
), kRowName);
// clang-format on

// The selection worksheet stays usable beside the rows on screen; a selection there must not
// change the pressures the capacity page prints under those rows.
TEST(CapacityWorksheet, ReportPrintsItsOwnRatingsPressuresAfterASelection) {
    Sheet sheet({.valve = "VRK"});
    sheet.f->cmdCalculate.userClick();
    ASSERT_TRUE(sheet.f->cmdPrint.visible());
    const std::vector<std::string> before = renderPlainText(sheet.f->Report());

    sheet.program.selectionScreen().cmdValveSelect.userClick();
    auto& selection = sheet.program.form<frmkorveld>();
    selection.refrigerantMenu("R-22")->userPick();
    selection.seriesMenu(series::QZ)->userPick();
    selection.optDistNone.userClick();
    selection.txtEvapTemp.userType("20");
    selection.txtCondTemp.userType("110");
    selection.txtLiqTemp.userType("100");
    selection.txtInputCap.userType("30000");
    selection.cmdSelect.userClick();
    ASSERT_EQ(sheet.program.uv().conditions.DistPressDrop, 0.0f);

    EXPECT_TRUE(sheet.f->cmdPrint.visible());
    EXPECT_EQ(renderPlainText(sheet.f->Report()), before);
}

TEST(CapacityWorksheet, PrinterFailureShowsThePrinterErrorAndCarriesOn) {
    Sheet sheet({});
    sheet.platform.setPrinterWorks(false);
    sheet.f->cmdCalculate.userClick();
    sheet.f->cmdPrint.userClick();
    ASSERT_EQ(sheet.platform.messages().size(), 1u);
    EXPECT_EQ(sheet.platform.messages()[0],
              (RecordingPlatform::Message{"A printer error as occured!  Check to see if you printer is connected or "
                                          "that the correct printer driver has been installed.",
                                          0, "KORVELD"}));
    EXPECT_TRUE(sheet.f->cmdPrint.visible());
    EXPECT_EQ(sheet.f->txtValCap(1).text(), "3,682.16");
}

// The Refrigerant and Valve Types menus as a tree of "name caption" lines, indented by level.
std::string menuTree(const MenuEntry& menu, int depth = 0) {
    std::string tree;
    for (const MenuEntry* entry = menu.firstChild(); entry != nullptr; entry = entry->nextSibling()) {
        tree.append(static_cast<std::size_t>(depth) * 2, ' ').append(entry->fullName() + " " + entry->caption() + "\n");
        tree += menuTree(*entry, depth + 1);
    }
    return tree;
}

TEST(CapacityWorksheet, PickMenusKeepTheirNamesCaptionsAndOrderAndMatchTheSelectionWorksheets) {
    Sheet sheet({.ref = "", .valve = ""});
    const std::string refrigerants = "mnuRefR12 R-12\nmnuRefR22 R-22\nmnuRefR502 R-502\nmnuRefR134a R-134a\n"
                                     "mnuRefR401A R-401A\nmnuRefR402A R-402A\nmnuRefR402B R-402B\n"
                                     "mnuRefR404A R-404A\nmnuRefR407C R-407C\nmnuRefR507 R-507\n";
    const std::string series = "mnuKSer \"K\" Series\n  mnuKO KO/KE\n  mnuKOD KOD/KEWS\n  mnuKOT KOT\n  mnuKIM KIM\n"
                               "mnuQZ QZ\nmnuR G/GY\n"
                               "mnuVSer \"V\" Series\n  mnuVMP VMP\n  mnuVRK VRK\n  mnuVRD VRD\n  mnuVOS VOS\n"
                               "  mnuVAN VAN\n  mnuVEB VEB\n"
                               "mnuVULK VULK\nmnuVA VA\nmnuDQQ DQQ/DQ\nmnuOBN OBN\nmnuNYF NYF\n";
    EXPECT_EQ(menuTree(sheet.f->mnuRefrig), refrigerants);
    EXPECT_EQ(menuTree(sheet.f->mnuValTypes), series);
    const frmkorveld& selection = sheet.program.form<frmkorveld>();
    EXPECT_EQ(menuTree(selection.mnuRefrig), refrigerants);
    EXPECT_EQ(menuTree(selection.mnuValTypes), series);
    // The menu bar keeps its order around them.
    std::string bar;
    for (const MenuEntry& entry : sheet.f->menuBar()) {
        bar += entry.fullName() + " ";
    }
    EXPECT_EQ(bar, "mnuFile mnuRefrig mnuValTypes mnuUnits mnuHelp ");
}

} // namespace
} // namespace korveld::testing
