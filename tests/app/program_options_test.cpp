// The program's own command-line options, answered before any window opens.
#include "app/program_options.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <vector>

namespace korveld {
namespace {

struct OptionCase {
    const char* name;
    std::vector<const char*> argv;
    std::optional<int> status;
    const char* out;
    const char* err;
};

class ProgramOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ProgramOptions, AnswerOrStartTheProgram) {
    const OptionCase& row = GetParam();
    bool folderAsked = false;
    const ProgramOptionContext context{"korveld 1.2.3\nLicense: MIT\n",
                                       [&folderAsked] {
                                           folderAsked = true;
                                           return std::string("/usr/lib/korveld ");
                                       },
                                       [](const std::string& path) { return path == "/usr/lib/korveld /PALDEN.HLP"; }};
    std::ostringstream out;
    std::ostringstream err;
    const auto status = runProgramOption(static_cast<int>(row.argv.size()), row.argv.data(), context, out, err);
    EXPECT_EQ(status, row.status);
    EXPECT_EQ(out.str(), row.out);
    EXPECT_EQ(err.str(), row.err);
    // Only the help path needs the program's folder (and with it Qt's application object).
    EXPECT_EQ(folderAsked, std::string_view(row.name).starts_with("PrintHelpFile"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Program, ProgramOptions, ::testing::Values(
    OptionCase{"NoOptionStartsTheWindows",  {"korveld"},                      std::nullopt, "", ""},
    OptionCase{"QtOptionsGoToQt",           {"korveld", "-platform", "xcb"},  std::nullopt, "", ""},
    OptionCase{"UnknownOptionGoesToQt",     {"korveld", "--print"},           std::nullopt, "", ""},
    OptionCase{"PrintHelpFileByTheHelpRule", {"korveld", "--print-help-file"}, 0, "/usr/lib/korveld /PALDEN.HLP\n", ""},
    OptionCase{"Version",                   {"korveld", "--version"},         0, "korveld 1.2.3\nLicense: MIT\n", ""},
    OptionCase{"Help",                      {"korveld", "--help"},            0, kProgramUsage.data(), ""}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ProgramOptions, PrintHelpFileFailsWhenTheFileIsMissing) {
    const char* argv[] = {"korveld", "--print-help-file"};
    const ProgramOptionContext context{"1", [] { return std::string("/opt/korveld/"); },
                                       [](const std::string&) { return false; }};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runProgramOption(2, argv, context, out, err), 1);
    EXPECT_EQ(out.str(), "/opt/korveld/PALDEN.HLP\n");
    EXPECT_EQ(err.str(), "korveld: the help file /opt/korveld/PALDEN.HLP is missing\n");
}

} // namespace
} // namespace korveld
