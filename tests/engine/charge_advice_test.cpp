#include "engine/charge_advice.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <string>

namespace korveld {
namespace {

constexpr std::int16_t kKO = 2, kKOD = 3, kVA = 11, kNYF = 1, kDQQ = 9, kVMP = 13;

ChargeChoice standardChoice(std::optional<ChargeOption> chosen, bool frameVisible = true) {
    return {frameVisible, chosen, {"C or Z", "CA", "W15", "W35", "W55"}};
}

struct DesignationCase {
    const char* name;
    std::int16_t SeriesNo;
    ChargeChoice choice;
    float EvapTemp;
    const char* expected;
};

class Designation : public ::testing::TestWithParam<DesignationCase> {};

TEST_P(Designation, NamesTheCharge) {
    const DesignationCase& row = GetParam();
    EXPECT_EQ(ChargeDesignation(row.SeriesNo, row.choice, row.EvapTemp, "OLD"), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Designation, ::testing::Values(
    DesignationCase{"none_at_0F_is_C",         kKO,  standardChoice(ChargeOption::MOPNone),  0.0f,  "C"},
    DesignationCase{"none_below_0F_is_Z",      kKO,  standardChoice(ChargeOption::MOPNone), -0.1f,  "Z"},
    DesignationCase{"none_on_VA_is_W",         kVA,  standardChoice(ChargeOption::MOPNone), -30.0f, "W"},
    DesignationCase{"mop_takes_its_caption",   kVMP, standardChoice(ChargeOption::MOP2),     20.0f, "W35"},
    DesignationCase{"ca_takes_its_caption",    kKO,  standardChoice(ChargeOption::MOPCA),    20.0f, "CA"},
    DesignationCase{"KOD_always_CA",           kKOD, standardChoice(ChargeOption::MOP2),     20.0f, "CA"},
    DesignationCase{"KOD_none_still_CA",       kKOD, standardChoice(ChargeOption::MOPNone), -5.0f,  "CA"},
    DesignationCase{"hidden_frame_keeps_code", kDQQ, standardChoice(ChargeOption::MOP1, false), 20.0f, "OLD"},
    DesignationCase{"nothing_chosen_keeps",    kKO,  standardChoice(std::nullopt),           20.0f, "OLD"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct AdviceCase {
    const char* name;
    std::int16_t SeriesNo;
    std::int16_t RefIndex;
    std::int16_t R507Flag;
    const char* RefLetter;
    const char* ChargeCode;
    const char* firstText; // empty: no advice
    const char* baseRefrigerant;
};

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, PointsAtTheBaseRefrigerantsPowerHead) {
    const AdviceCase& row = GetParam();
    const PowerHeadAdvice advice =
        AdviseReplacement(row.SeriesNo, row.RefIndex, row.R507Flag, row.RefLetter, row.ChargeCode);
    EXPECT_EQ(advice.firstText, row.firstText);
    if (std::string(row.firstText).empty()) {
        EXPECT_EQ(advice.ReplaceAdvice, "");
        EXPECT_EQ(advice.AdviceClear, 1);
        EXPECT_FALSE(advice.messageVisible);
        return;
    }
    const std::string base = std::string(row.firstText).find("the F") != std::string::npos   ? "F"
                             : std::string(row.firstText).find("the R") != std::string::npos ? "R"
                                                                                             : "H";
    EXPECT_EQ(advice.ReplaceAdvice, "If you have to use the " + base + row.ChargeCode +
                                        " powerhead it is suggested that you return to the VALVE SELECTION "
                                        "WORKSHEET and change the refrigerant type to " +
                                        row.baseRefrigerant + " and reselect to get the correct valve nomenclature.");
    EXPECT_EQ(advice.AdviceClear, 0);
    EXPECT_TRUE(advice.messageVisible);
    EXPECT_EQ(advice.messageText, std::string(row.firstText) + "  " + advice.ReplaceAdvice);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Refrigerants, Advice, ::testing::Values(
    AdviceCase{"R134a_MW15",     kKO,  3, 0, "M", "W15", "If the MW15 powerhead is not available the FW15 can be used as a replacement powerhead.", "R-12"},
    AdviceCase{"R401A",          kVMP, 4, 0, "X", "C",   "If the XC powerhead is not available the FC can be used as a replacement powerhead.", "R-12"},
    AdviceCase{"R404A",          kKO,  6, 0, "S", "W45", "If the SW45 is not available the RW45 can be used as a replacement.", "R-502"},
    AdviceCase{"R402A",          kKO,  5, 0, "L", "Z",   "If the LZ is not available the RZ can be used as a replacement.", "R-502"},
    AdviceCase{"R402B",          kVA,  7, 0, "J", "W",   "If the JW is not available the RW can be used as a replacement.", "R-502"},
    AdviceCase{"R507",           kKO,  8, 8, "P", "W65", "If the PW65 is not available the RW65 can be used as a replacement.", "R-502"},
    AdviceCase{"R407C_KOD",      kKOD, 9, 0, "N", "CA",  "If the NCA is not available the HCA can be used as a replacement.", "R-22"},
    AdviceCase{"R502_none",      kKO,  8, 0, "R", "W65", "", ""},
    AdviceCase{"R12_none",       kKO,  1, 0, "F", "W15", "", ""},
    AdviceCase{"R22_none",       kVMP, 2, 0, "H", "C",   "", ""},
    AdviceCase{"NYF_none",       kNYF, 3, 0, "M", "C",   "", ""},
    AdviceCase{"DQQ_none",       kDQQ, 8, 8, "P", "C",   "", ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld
