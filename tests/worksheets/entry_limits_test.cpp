// Every temperature range and the distributor drop's sign, on both worksheets and in both unit
// systems, at the limit itself (accepted) and a hundredth beyond it (refused), typed and calculated
// as a user does; and the range hints as the user reads them.
#include "engine/series_numbers.h"
#include "selection_sheet_fixture.h"
#include "tests/support/capacity_sheet.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld::testing {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using U = CapacityUnit;

constexpr const char* kRange = "You have entered a value outside the allowed Range.  Please enter a correct value!";
constexpr const char* kEvap = "EVAPORATOR TEMPERATURE ERROR";
constexpr const char* kCond = "CONDENSING TEMPERATURE INPUT ERROR";
constexpr const char* kLiq = "Liquid Temperature Input Error";
constexpr const char* kNegative = "You have entered a negative pressure drop for the distributor!  This is not "
                                  "acceptable, please enter a positive pressure drop.";
constexpr const char* kNegativeTitle = "NEGATIVE DISTRIBUTOR PRESSURE DROP";
constexpr const char* kLiqAtCond = "You have entered a liquid temperature higher than or equal to the condensing "
                                   "temperature.  This is not practical!  Please enter a new value.";
constexpr const char* kLiqAtCondTitle = "INCORRECT SYSEM CAPACITY ENTRY";
constexpr const char* kTooSmall =
    "The desired capacity is to SMALL for any of the valves in the valve type that you have chosen!";
constexpr const char* kTooSmallTitle = "INPUT CAPACITY TO SMALL";

struct LimitCase {
    const char* name;
    U unit;
    const char* evap;
    const char* cond;
    const char* liq;
    const char* drop;  // nullptr: no distributor; else user defined with this drop
    const char* title; // "": accepted, the rows shown
    const char* prompt;
};

class CapacityLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(CapacityLimits, AcceptTheLimitAndRefuseBeyondIt) {
    const LimitCase& c = GetParam();
    Sheet sheet({.unit = c.unit,
                 .dist = c.drop != nullptr ? kUser : kNone,
                 .evap = c.evap,
                 .cond = c.cond,
                 .liq = c.liq,
                 .drop = c.drop});
    sheet.act([&] { sheet.f->cmdCalculate.userClick(); });
    if (*c.title == '\0') {
        EXPECT_TRUE(sheet.platform.messages().empty()) << sheet.title();
        EXPECT_TRUE(sheet.f->cmdPrint.visible());
        return;
    }
    ASSERT_EQ(sheet.platform.messages().size(), 1u);
    EXPECT_EQ(sheet.title(), c.title);
    EXPECT_EQ(sheet.platform.messages()[0].prompt, c.prompt);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Worksheet, CapacityLimits, ::testing::Values(
    LimitCase{"EvapLowF",       U::BtuH, "-40",    "100",    "90",     nullptr, "",    ""},
    LimitCase{"EvapBelowF",     U::BtuH, "-40.01", "100",    "90",     nullptr, kEvap, kRange},
    LimitCase{"EvapHighF",      U::BtuH, "60",     "100",    "90",     nullptr, "",    ""},
    LimitCase{"EvapAboveF",     U::BtuH, "60.01",  "100",    "90",     nullptr, kEvap, kRange},
    LimitCase{"CondLowF",       U::BtuH, "-40",    "50",     "40",     nullptr, "",    ""},
    LimitCase{"CondBelowF",     U::BtuH, "-40",    "49.99",  "40",     nullptr, kCond, kRange},
    LimitCase{"CondHighF",      U::Tons, "40",     "150",    "90",     nullptr, "",    ""},
    LimitCase{"CondAboveF",     U::Tons, "40",     "150.01", "90",     nullptr, kCond, kRange},
    LimitCase{"LiqLowF",        U::BtuH, "40",     "100",    "0",      nullptr, "",    ""},
    LimitCase{"LiqBelowF",      U::BtuH, "40",     "100",    "-0.01",  nullptr, kLiq,  kRange},
    LimitCase{"LiqHighF",       U::BtuH, "40",     "150",    "150",    nullptr, kLiqAtCondTitle, kLiqAtCond},
    LimitCase{"LiqAboveF",      U::BtuH, "40",     "150",    "150.01", nullptr, kLiq,  kRange},
    LimitCase{"DropZeroPsi",    U::BtuH, "40",     "100",    "90",     "0",     "",    ""},
    LimitCase{"DropNegPsi",     U::BtuH, "40",     "100",    "90",     "-0.01", kNegativeTitle, kNegative},
    LimitCase{"EvapLowC",       U::KW,   "-40",    "38",     "32",     nullptr, "",    ""},
    LimitCase{"EvapBelowC",     U::KW,   "-40.01", "38",     "32",     nullptr, kEvap, kRange},
    LimitCase{"EvapHighC",      U::KCal, "16",     "38",     "32",     nullptr, "",    ""},
    LimitCase{"EvapAboveC",     U::KCal, "16.01",  "38",     "32",     nullptr, kEvap, kRange},
    LimitCase{"CondLowC",       U::KW,   "-40",    "10",     "4",      nullptr, "",    ""},
    LimitCase{"CondBelowC",     U::KW,   "-40",    "9.99",   "4",      nullptr, kCond, kRange},
    LimitCase{"CondHighC",      U::KW,   "4",      "66",     "32",     nullptr, "",    ""},
    LimitCase{"CondAboveC",     U::KW,   "4",      "66.01",  "32",     nullptr, kCond, kRange},
    LimitCase{"LiqLowC",        U::KW,   "4",      "38",     "-18",    nullptr, "",    ""},
    LimitCase{"LiqBelowC",      U::KW,   "4",      "38",     "-18.01", nullptr, kLiq,  kRange},
    LimitCase{"LiqHighC",       U::KW,   "4",      "66",     "66",     nullptr, kLiqAtCondTitle, kLiqAtCond},
    LimitCase{"LiqAboveC",      U::KW,   "4",      "66",     "66.01",  nullptr, kLiq,  kRange},
    LimitCase{"DropZeroBars",   U::KW,   "4",      "38",     "32",     "0",     "",    ""},
    LimitCase{"DropNegBars",    U::KW,   "4",      "38",     "32", "-0.01", kNegativeTitle, kNegative}
), testing_support::RowName{});
// clang-format on

// The selection: accepted entries reach the size search, where a capacity of a thousandth of a unit
// is too small for any valve; refused ones stop at their check.
struct SelectionLimitCase {
    const char* name;
    U unit;
    std::int16_t series;
    bool chargeCA; // the CA charge option chosen (R-22 offers it) before typing
    const char* evap;
    const char* cond;
    const char* liq;
    const char* drop;
    const char* title; // kTooSmallTitle: every check passed
    const char* prompt;
};

class SelectionLimits : public SelectionSheetTest, public ::testing::WithParamInterface<SelectionLimitCase> {};

TEST_P(SelectionLimits, AcceptTheLimitAndRefuseBeyondIt) {
    const SelectionLimitCase& c = GetParam();
    if (c.unit == U::KW) {
        pickMenu(sheet->mnuKWatts);
    }
    pickRefrigerant("R-22");
    pickSeries(c.series);
    click(c.drop != nullptr ? static_cast<Control&>(sheet->optUserDefined) : sheet->optDistNone);
    if (c.drop != nullptr) {
        type(sheet->txtPressureDrop, c.drop);
    }
    type(sheet->txtEvapTemp, c.evap);
    if (c.chargeCA) {
        click(sheet->optMOPCA);
    }
    type(sheet->txtCondTemp, c.cond);
    type(sheet->txtLiqTemp, c.liq);
    type(sheet->txtInputCap, ".001");
    platform.clear();
    select();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].title, c.title);
    EXPECT_EQ(platform.messages()[0].prompt, c.prompt);
}

constexpr const char* kLiqAboveCond = "You have entered a liquid temperature higher than the condensing temperature.  "
                                      "This is not practical!  Please enter a new value.";
using namespace korveld::series;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Worksheet, SelectionLimits, ::testing::Values(
    SelectionLimitCase{"EvapLowF",      U::BtuH, KO,  false, "-40",    "100",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"EvapBelowF",    U::BtuH, KO,  false, "-40.01", "100",    "90",     nullptr, kEvap, kRange},
    SelectionLimitCase{"EvapHighF",     U::BtuH, KO,  false, "60",     "100",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"EvapAboveF",    U::BtuH, KO,  false, "60.01",  "100",    "90",     nullptr, kEvap, kRange},
    SelectionLimitCase{"KodLowF",       U::BtuH, KOD, false, "0",      "100",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"KodBelowF",     U::BtuH, KOD, false, "-0.01",  "100",    "90",     nullptr, kEvap, kRange},
    SelectionLimitCase{"KodHighF",      U::BtuH, KOD, false, "60",     "100",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"KodAboveF",     U::BtuH, KOD, false, "60.01",  "100",    "90",     nullptr, kEvap, kRange},
    SelectionLimitCase{"CaLowF",        U::BtuH, KO,  true,  "0",      "100",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CaBelowF",      U::BtuH, KO,  true,  "-0.01",  "100",    "90",     nullptr, kEvap, kRange},
    SelectionLimitCase{"CondLowF",      U::BtuH, KO,  false, "-40",    "50",     "40",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CondBelowF",    U::BtuH, KO,  false, "-40",    "49.99",  "40",     nullptr, kCond, kRange},
    SelectionLimitCase{"CondHighF",     U::BtuH, KO,  false, "40",     "150",    "90",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CondAboveF",    U::BtuH, KO,  false, "40",     "150.01", "90",     nullptr, kCond, kRange},
    SelectionLimitCase{"LiqLowF",       U::BtuH, KO,  false, "40",     "100",    "0",      nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"LiqBelowF",     U::BtuH, KO,  false, "40",     "100",    "-0.01",  nullptr, kLiq, kRange},
    SelectionLimitCase{"LiqHighF",      U::BtuH, KO,  false, "40",     "150",    "150",    nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"LiqAboveF",     U::BtuH, KO,  false, "40",     "150",    "150.01", nullptr, kLiq, kRange},
    SelectionLimitCase{"LiqAboveCondF", U::BtuH, KO,  false, "40",     "140",    "140.01", nullptr, "INCORRECT LIQUID TEMPERATURE ENTRY", kLiqAboveCond},
    SelectionLimitCase{"DropZeroPsi",   U::BtuH, KO,  false, "40",     "100",    "90",     "0",     kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"DropNegPsi",    U::BtuH, KO,  false, "40",     "100",    "90",     "-0.01", kNegativeTitle, kNegative},
    SelectionLimitCase{"EvapLowC",      U::KW,   KO,  false, "-40",    "38",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"EvapBelowC",    U::KW,   KO,  false, "-40.01", "38",     "32",     nullptr, kEvap, kRange},
    SelectionLimitCase{"EvapHighC",     U::KW,   KO,  false, "16",     "38",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"EvapAboveC",    U::KW,   KO,  false, "16.01",  "38",     "32",     nullptr, kEvap, kRange},
    SelectionLimitCase{"KodLowC",       U::KW,   KOD, false, "-18",    "38",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"KodBelowC",     U::KW,   KOD, false, "-18.01", "38",     "32",     nullptr, kEvap, kRange},
    SelectionLimitCase{"KodHighC",      U::KW,   KOD, false, "16",     "38",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"KodAboveC",     U::KW,   KOD, false, "16.01",  "38",     "32",     nullptr, kEvap, kRange},
    SelectionLimitCase{"CaLowC",        U::KW,   KO,  true,  "-18",    "38",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CaBelowC",      U::KW,   KO,  true,  "-18.01", "38",     "32",     nullptr, kEvap, kRange},
    SelectionLimitCase{"CondLowC",      U::KW,   KO,  false, "-40",    "10",     "4",      nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CondBelowC",    U::KW,   KO,  false, "-40",    "9.99",   "4",      nullptr, kCond, kRange},
    SelectionLimitCase{"CondHighC",     U::KW,   KO,  false, "4",      "66",     "32",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"CondAboveC",    U::KW,   KO,  false, "4",      "66.01",  "32",     nullptr, kCond, kRange},
    SelectionLimitCase{"LiqLowC",       U::KW,   KO,  false, "4",      "38",     "-18",    nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"LiqBelowC",     U::KW,   KO,  false, "4",      "38",     "-18.01", nullptr, kLiq, kRange},
    SelectionLimitCase{"LiqHighC",      U::KW,   KO,  false, "4",      "66",     "66",     nullptr, kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"LiqAboveC",     U::KW,   KO,  false, "4",      "66",     "66.01",  nullptr, kLiq, kRange},
    SelectionLimitCase{"DropZeroBars",  U::KW,   KO,  false, "4",      "38",     "32",     "0",     kTooSmallTitle, kTooSmall},
    SelectionLimitCase{"DropNegBars",   U::KW,   KO,  false, "4",      "38",     "32",     "-0.01", kNegativeTitle, kNegative}
), testing_support::RowName{});
// clang-format on

// ---- Range hints as the user reads them ----

struct Hints {
    std::string evap, cond, liq;
};

Hints capacityHints(const frmtxvCapacity& f) {
    return {f.lblEvapRange.caption(), f.lblCondRange.caption(), f.lblLiqTempRange.caption()};
}

bool operator==(const Hints& a, const Hints& b) {
    return a.evap == b.evap && a.cond == b.cond && a.liq == b.liq;
}
void PrintTo(const Hints& h, std::ostream* os) {
    *os << '"' << h.evap << "\" \"" << h.cond << "\" \"" << h.liq << '"';
}

const Hints kEnglish{"Range:-40 to 60 deg F.", "Range: 50 to 150 deg F.", "Range: 0 to 150 deg F."};
const Hints kMetric{"Range:-40 to 16 deg C.", "Range: 10 to 60 deg C.", "Range: -18 to 66 deg C."};

TEST(RangeHints, CapacityWorksheetFollowsTheUnitSystem) {
    Sheet sheet(korveld::testing::Setup{});
    const Hints atLoad = capacityHints(*sheet.f);
    EXPECT_EQ(atLoad, (Hints{"Range: -40 to 60 F", "Range: 50 to 150 F", "Range: 0 to 150 F"}));
    sheet.act([&] { sheet.f->mnuKiloWatts.userPick(); });
    EXPECT_EQ(capacityHints(*sheet.f), kMetric);
    sheet.act([&] { sheet.f->mnuTons.userPick(); });
    EXPECT_EQ(capacityHints(*sheet.f), kEnglish);
}

class SelectionHints : public SelectionSheetTest {
protected:
    Hints hints() const {
        return {sheet->lblEvapRange.caption(), sheet->lblCondRange.caption(), sheet->lblLiqTempRange.caption()};
    }
};

TEST_F(SelectionHints, FollowTheUnitsTheSeriesAndTheCharge) {
    pickMenu(sheet->mnuKWatts);
    EXPECT_EQ(hints(), kMetric);
    pickRefrigerant("R-22");
    pickSeries(series::KOD);
    EXPECT_EQ(hints().evap, "Range:-18 to 16 deg C.");
    pickRefrigerant("R-22"); // the power-head step writes the KOD hint again
    EXPECT_EQ(hints().evap, "Range:-18 to 16 deg C.");
    type(sheet->txtEvapTemp, "4");
    EXPECT_EQ(hints().evap, "Range:-18 to 16 deg C.");
    pickSeries(series::KO);
    EXPECT_EQ(hints().evap, "Range:-40 to 16 deg C.");
    click(sheet->optMOPCA);
    EXPECT_EQ(hints().evap, "Range: -18 to 16 deg C.");
    click(sheet->optMOPNone);
    EXPECT_EQ(hints().evap, "Range: -40 to 16 deg C.");
    pickMenu(sheet->mnuBtu);
    EXPECT_EQ(hints(), kEnglish);
    pickSeries(series::KOD);
    EXPECT_EQ(hints().evap, "Range: 0 to 60 deg F.");
    pickRefrigerant("R-22");
    EXPECT_EQ(hints().evap, "Range: 0 to 60 deg F.");
    pickSeries(series::KO);
    click(sheet->optMOPCA);
    EXPECT_EQ(hints().evap, "Range: 0 to 60 deg F.");
    click(sheet->optMOPNone);
    EXPECT_EQ(hints().evap, "Range: -40 to 60 deg F.");
}

} // namespace
} // namespace korveld::testing
