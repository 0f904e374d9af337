#include "engine/charges.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

constexpr std::int16_t kKO = 2, kKOD = 3, kVA = 11, kNYF = 1, kOBN = 7, kDQQ = 9;

// ---- Band edges: which MOP options stay enabled at a temperature ----

struct BandCase {
    const char* name;
    ChargeFamily family;
    std::int16_t SeriesNo;
    bool metric;
    float T;
    std::array<bool, 3> enabled; // optMOP1, optMOP2, optMOP3
};

class ChargeBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(ChargeBands, EnablesTheOptionsOfTheFirstMatchingBand) {
    const BandCase& row = GetParam();
    const ChargeFrameChange change = MOPSelect(row.family, row.SeriesNo, row.T, row.metric);
    const ChargeOption mops[] = {ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(change[mops[i]].enabled, row.enabled[i]) << "optMOP" << i + 1;
    }
    EXPECT_EQ(change[ChargeOption::MOPNone].enabled, true);
    EXPECT_EQ(change.choose, ChargeOption::MOPNone);
}

constexpr std::array<bool, 3> EEE{true, true, true}, xEE{false, true, true}, xxE{false, false, true},
    xxx{false, false, false}, EEx{true, true, false}, Exx{true, false, false};
constexpr auto R12 = ChargeFamily::R12, R22 = ChargeFamily::R22, R502 = ChargeFamily::R502;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, ChargeBands, ::testing::Values(
    BandCase{"R12_F_below0",        R12,  kKO, false, -0.5f,  EEE},
    BandCase{"R12_F_at0",           R12,  kKO, false,  0.0f,  xEE},
    BandCase{"R12_F_above30",       R12,  kKO, false, 30.5f,  xxE},
    BandCase{"R12_F_at50",          R12,  kKO, false, 50.0f,  xxx},
    BandCase{"R12_C_belowM18",      R12,  kKO, true, -18.1f,  EEE},
    BandCase{"R12_C_atM18",         R12,  kKO, true, -18.0f,  xEE},
    BandCase{"R12_KOD_is_standard", R12,  kKOD, false, 0.0f,  xEE},
    BandCase{"R22_F_below5",        R22,  kKO, false,  4.9f,  EEE},
    BandCase{"R22_F_at5",           R22,  kKO, false,  5.0f,  xEE},
    BandCase{"R22_F_at30",          R22,  kKO, false, 30.0f,  xEE},
    BandCase{"R22_F_above30",       R22,  kKO, false, 30.1f,  xxE},
    BandCase{"R22_F_at50",          R22,  kKO, false, 50.0f,  xxE},
    BandCase{"R22_F_above50",       R22,  kKO, false, 50.1f,  xxx},
    BandCase{"R22_C_belowM15",      R22,  kKO, true, -15.1f,  EEE},
    BandCase{"R22_C_atM15",         R22,  kKO, true, -15.0f,  xEE},
    BandCase{"R22_C_at10",          R22,  kKO, true,  10.0f,  xxx},
    BandCase{"R502_F_belowM5",      R502, kKO, false, -5.1f,  EEE},
    BandCase{"R502_F_atM5",         R502, kKO, false, -5.0f,  xEE},
    BandCase{"VA_R12_F_atM40",      R12,  kVA, false, -40.0f, EEx},
    BandCase{"VA_R12_C_atM40",      R12,  kVA, true, -40.0f,  EEx},
    BandCase{"VA_R12_C_above0",     R12,  kVA, true,   0.1f,  xxx},
    BandCase{"VA_R22_F_belowM40",   R22,  kVA, false, -41.0f, EEE},
    BandCase{"VA_R22_F_atM40",      R22,  kVA, false, -40.0f, EEE},
    BandCase{"VA_R22_F_atM17",      R22,  kVA, false, -17.0f, EEE},
    BandCase{"VA_R22_F_aboveM17",   R22,  kVA, false, -16.9f, EEx},
    BandCase{"VA_R22_F_at23",       R22,  kVA, false, 23.0f,  EEx},
    BandCase{"VA_R22_F_above23",    R22,  kVA, false, 23.1f,  Exx},
    BandCase{"VA_R22_F_at32",       R22,  kVA, false, 32.0f,  Exx},
    BandCase{"VA_R22_F_above32",    R22,  kVA, false, 32.1f,  xxx},
    BandCase{"VA_R22_C_atM27",      R22,  kVA, true, -27.0f,  EEE},
    BandCase{"VA_R22_C_aboveM27",   R22,  kVA, true, -26.9f,  EEx},
    BandCase{"VA_R22_C_at0",        R22,  kVA, true,   0.0f,  Exx},
    BandCase{"VA_R22_C_above0",     R22,  kVA, true,   0.1f,  xxx}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- Captions the procedures and the empty-evaporator step write ----

struct CaptionCase {
    const char* name;
    std::int16_t RefIndex;
    std::int16_t SeriesNo;
    bool evapEmpty;
    std::array<const char*, 4> captions; // optMOP1..3, optMOPNone; nullptr: not touched
};

class ChargeCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ChargeCaptions, WritesTheFamilysCaptions) {
    const CaptionCase& row = GetParam();
    const ChargeFrameChange change = UpdateChargeOptions(row.RefIndex, row.SeriesNo, row.evapEmpty, 40.0f, false);
    const ChargeOption order[] = {ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3, ChargeOption::MOPNone};
    for (int i = 0; i < 4; ++i) {
        const auto& caption = change[order[i]].caption;
        if (row.captions[i] == nullptr) {
            EXPECT_FALSE(caption.has_value()) << i;
        } else {
            EXPECT_EQ(caption, std::string_view(row.captions[i])) << i;
        }
    }
    EXPECT_EQ(change.frameVisible, true);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Families, ChargeCaptions, ::testing::Values(
    CaptionCase{"R12_standard",        1, kKO,  false, {"W15",  "W35",   "W55",    "C or Z"}},
    CaptionCase{"R407C_VA",            9, kVA,  false, {"AD 0", "AD 10", "AD -20", "W"}},
    CaptionCase{"R404A_standard",      6, kKO,  false, {"W35",  "W45",   "W65",    "C or Z"}},
    CaptionCase{"R402B_VA",            7, kVA,  false, {nullptr, nullptr, nullptr, "W"}},
    CaptionCase{"R22_KOD",             2, kKOD, false, {nullptr, nullptr, nullptr, "AC"}},
    CaptionCase{"empty_R401A_KOD",     4, kKOD, true,  {"",     "",      "",       "CA"}},
    CaptionCase{"empty_R22_VA",        2, kVA,  true,  {"AD 0", "AD 10", "AD -20", "W"}},
    CaptionCase{"empty_R407C_KOD",     9, kKOD, true,  {nullptr, nullptr, nullptr, "AC"}},
    CaptionCase{"empty_R502_VA",       8, kVA,  true,  {"",     "",      "",       "W"}},
    CaptionCase{"empty_R507_KOD",      8, kKOD, true,  {"W35",  "W45",   "W65",    "C or Z"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChargeCaptionsOnly, TouchNeitherEnabledNorChoiceExceptForR22KOD) {
    const ChargeFrameChange standard = UpdateChargeOptions(1, kKO, true, 0.0f, false);
    EXPECT_FALSE(standard.choose.has_value());
    EXPECT_FALSE(standard[ChargeOption::MOP1].enabled.has_value());
    const ChargeFrameChange kod = UpdateChargeOptions(2, kKOD, true, 0.0f, false);
    EXPECT_EQ(kod.choose, ChargeOption::MOPNone);
    EXPECT_EQ(kod[ChargeOption::MOPNone].enabled, true);
    EXPECT_EQ(kod[ChargeOption::MOP2].visible, false);
}

TEST(ChargeOwnBranches, NoChargeSeriesHideTheFrameAndChangeNothingElse) {
    for (std::int16_t series : {kNYF, kOBN, kDQQ}) {
        ChargeFrameChange expected;
        expected.frameVisible = false;
        EXPECT_EQ(R22MOPSelect_F(series, 40.0f), expected) << series;
    }
    EXPECT_EQ(MOPSelect(ChargeFamily::None, kKO, 40.0f, false), ChargeFrameChange{});
}

TEST(ChargeOwnBranches, VAWithTheR502FamilyOffersOnlyW) {
    const ChargeFrameChange change = R502MOPSelect_C(kVA, -30.0f);
    EXPECT_EQ(change.frameVisible, true);
    EXPECT_EQ(change[ChargeOption::MOPNone].caption, "W");
    for (ChargeOption mop : {ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3}) {
        EXPECT_EQ(change[mop].visible, false);
    }
    EXPECT_EQ(change.choose, ChargeOption::MOPNone);
}

TEST(ChargeOwnBranches, NoRefrigerantShowsTheFrameOnly) {
    const ChargeFrameChange change = UpdateChargeOptions(0, kKO, false, 10.0f, false);
    EXPECT_EQ(change.frameVisible, true);
    EXPECT_EQ(change[ChargeOption::MOP1].visible, true);
    EXPECT_FALSE(change[ChargeOption::MOP1].caption.has_value());
}

// ---- PowerHead layouts ----

struct LayoutCase {
    const char* name;
    std::int16_t RefIndex;
    std::int16_t SeriesNo;
    int height;
    std::array<int, 5> tops;     // None, CA, MOP1..3; 0: not set
    std::array<bool, 5> visible; // None, CA, MOP1..3
};

class PowerHeadLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PowerHeadLayouts, PlacesTheOptions) {
    const LayoutCase& row = GetParam();
    const ChargeFrameChange change = PowerHead(row.RefIndex, row.SeriesNo, false);
    EXPECT_EQ(change.frameHeight, row.height);
    for (std::size_t i = 0; i < kChargeOptionCount; ++i) {
        EXPECT_EQ(change.options[i].top.value_or(0), row.tops[i]) << i;
        EXPECT_EQ(change.options[i].visible, row.visible[i]) << i;
        EXPECT_FALSE(change.options[i].caption.has_value());
        EXPECT_FALSE(change.options[i].enabled.has_value());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, PowerHeadLayouts, ::testing::Values(
    LayoutCase{"R22_offers_CA",    2, kKO,  1350, {250, 450, 650, 850, 1050}, {true,  true,  true,  true,  true}},
    LayoutCase{"R407C_has_no_CA",  9, kKO,  1100, {250, 450, 450, 650, 850},  {true,  false, true,  true,  true}},
    LayoutCase{"form_load",        0, 0,    1100, {250, 450, 450, 650, 850},  {true,  false, true,  true,  true}},
    LayoutCase{"KOD_any_refrig",   1, kKOD, 600,  {0,   250, 0,   0,   0},    {false, true,  false, false, false}},
    LayoutCase{"R404A_VA_W_only",  6, kVA,  1100, {250, 450, 450, 650, 850},  {true,  false, false, false, false}},
    LayoutCase{"R12_VA_MOPs",      1, kVA,  1100, {250, 450, 450, 650, 850},  {true,  false, true,  true,  true}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PowerHeadKOD, ChoosesCAThenWritesItsOwnRangeHint) {
    EXPECT_EQ(PowerHead(2, kKOD, false).choose, ChargeOption::MOPCA);
    EXPECT_EQ(PowerHead(2, kKOD, false).rangeHint, "Range: 0 to 60 deg F.");
    EXPECT_EQ(PowerHead(9, kKOD, true).rangeHint, "Range:-18 to 16 deg C.");
    EXPECT_FALSE(PowerHead(2, kKO, true).rangeHint.has_value());
}

// Typing the evaporator temperature for KOD: the R-22 family's procedure would leave the hidden
// optMOPNone chosen and the general range hint; the CA layout stays instead.
TEST(EvaporatorEntry, KeepsTheCALayoutOfKOD) {
    for (const bool metric : {false, true}) {
        const ChargeFrameChange change = EvaporatorEntryChange(2, kKOD, 40.0f, metric);
        EXPECT_EQ(change.choose, ChargeOption::MOPCA);
        EXPECT_EQ(change[ChargeOption::MOPNone].visible, false);
        EXPECT_EQ(change[ChargeOption::MOPCA].visible, true);
        EXPECT_EQ(change.rangeHint, metric ? "Range:-18 to 16 deg C." : "Range: 0 to 60 deg F.");
    }
    EXPECT_EQ(EvaporatorEntryChange(2, kKO, 40.0f, false), MOPSelect(ChargeFamily::R22, kKO, 40.0f, false));
    EXPECT_EQ(EvaporatorEntryChange(0, kKOD, 40.0f, false), ChargeFrameChange{});
}

TEST(ChargeRanges, OptionClicksWriteTheirRangeHints) {
    EXPECT_EQ(ChargeOptionRangeHint(ChargeOption::MOPCA, false), "Range: 0 to 60 deg F.");
    EXPECT_EQ(ChargeOptionRangeHint(ChargeOption::MOPCA, true), "Range: -18 to 16 deg C.");
    EXPECT_EQ(ChargeOptionRangeHint(ChargeOption::MOP2, false), "Range: -40 to 60 deg F.");
    EXPECT_EQ(ChargeOptionRangeHint(ChargeOption::MOPNone, true), "Range: -40 to 16 deg C.");
}

} // namespace
} // namespace korveld
