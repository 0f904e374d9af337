#include "cli/command_registry.h"
#include "cli/rate_command.h"
#include "tests/support/named_rows.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace korveld::cli {
namespace {

const std::vector<std::string> kWorkedExample{"--refrigerant", "R-22", "--valve", "KO", "--evap", "40",
                                              "--cond",        "100",  "--liq",   "90"};

std::vector<std::string> workedExampleWith(std::vector<std::string> more) {
    std::vector<std::string> args = kWorkedExample;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct RateCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* outHas; // "" for no output at all
    const char* errHas; // "" for no error output at all
};

class RateRuns : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateRuns, PrintTheWorksheetsAnswerWithItsExitStatus) {
    RateCommand rate([] { return DateTimeTexts{"1/2/2026", "8:00 AM"}; });
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(rate.execute(GetParam().args, out, err), GetParam().status);
    const auto has = [](const std::string& text, const char* part) {
        return part[0] == '\0' ? text.empty() : text.find(part) != std::string::npos;
    };
    EXPECT_TRUE(has(out.str(), GetParam().outHas)) << out.str();
    EXPECT_TRUE(has(err.str(), GetParam().errHas)) << err.str();
}

using V = std::vector<std::string>;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rate, RateRuns, ::testing::Values(
    RateCase{"TextReportRow",        kWorkedExample, 0, "\n          KOE 1-1/2           14,840.07\n          KOE 2 ", ""},
    RateCase{"TextReportLoadingRow", workedExampleWith({"--system-capacity", "12000"}), 0, "          KOE 1-1/2           14,840.07           80.9 %\n", ""},
    RateCase{"JsonStartsInOrder",    workedExampleWith({"--json"}), 0, R"({"refrigerant":"R-22","valve":"KO","unit":"btuh","conditions":{"EvapTemp":40.0,"CondTemp":100.0,"LiqTemp":90.0,"PEvap":83.21739,)", ""},
    RateCase{"JsonRowWithoutLoading", workedExampleWith({"--json"}), 0, R"({"size":4,"label":"KOE 1-1/2","capacity":14840.074,"capacity_text":"14,840.07"},)", ""},
    RateCase{"JsonRowWithLoading",   workedExampleWith({"--json", "--system-capacity", "12000"}), 0, R"("capacity_text":"14,840.07","loading":80.86213,"loading_text":"80.9"})", ""},
    RateCase{"MenuCaptionAndCase",   V{"--json", "--refrigerant", "r-22", "--valve", "g/gy", "--evap", "40", "--cond", "100", "--liq", "90", "--unit", "TONS"}, 0, R"("valve":"GL","unit":"tons")", ""},
    RateCase{"MetricUserDropInBars", workedExampleWith({"--unit", "kw", "--evap", "4.4", "--cond", "37.8", "--liq", "32.2", "--distributor", "user", "--pressure-drop", "2.1", "--json"}), 0, R"("DistPressDrop":30.45,)", ""},
    RateCase{"MessageAsJson",        V{"--json", "--refrigerant", "R-407C", "--valve", "VMP"}, 2, R"({"message":{"title":"Refrigerant Selection","text":"The VMP valve is not set up for R-407C.  Please select another refrigerant or another valve."}})", ""},
    RateCase{"MessageOnStderr",      V{"--refrigerant", "R-22", "--valve", "KO"}, 2, "", "EVAPORATOR TEMPERATURE ERROR\nYou have not entered a value for the Evaporator Temperature.  Please enter a value!\n"},
    RateCase{"DropWithoutUserDistributor", workedExampleWith({"--pressure-drop", "5", "--json"}), 2, R"({"message":{"title":"korveld-cli","text":"The option --pressure-drop cannot be applied: txtPressureDrop is hidden at this step."}})", ""},
    RateCase{"UnknownUnit",          V{"--unit", "btu"}, 64, "", "--unit must be one of btuh, tons, kw, kcal\nUsage: korveld-cli rate"},
    RateCase{"UnknownValve",         V{"--valve", "KUBS"}, 64, "", "--valve must be one of KO, KOD, KOT, KIM, QZ, GL,"},
    RateCase{"UnknownRefrigerant",   V{"--refrigerant", "R-410A"}, 64, "", "--refrigerant must be one of R-12, R-22,"}
), testing_support::RowName{});
// clang-format on

TEST(Rate, JsonCapacitiesReadBackToTheWorksheetsSingles) {
    RateCommand rate([] { return DateTimeTexts{}; });
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(rate.execute(workedExampleWith({"--json", "--valve", "QZ"}), out, err), 0);
    const nlohmann::json json = nlohmann::json::parse(out.str());
    ASSERT_EQ(json["rows"].size(), 12u);
    EXPECT_EQ(json["rows"][11]["capacity"].get<float>(), 225277.03f);
    EXPECT_EQ(json["conditions"]["MassFlow"].get<float>(), 200.0f / (108.14184f - 36.154408f));
}

} // namespace
} // namespace korveld::cli
