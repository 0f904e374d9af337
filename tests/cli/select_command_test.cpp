#include "cli/batch_command.h"
#include "cli/charges_command.h"
#include "cli/command_line_words.h"
#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

using Words = std::vector<std::string>;
using Json = nlohmann::ordered_json;

DateTimeTexts fixedNow() {
    return {"12/6/2026", "9:30 AM"};
}

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

template <class C>
CommandRun runCommand(C& command, const Words& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.execute(args, out, err);
    return {status, out.str(), err.str()};
}

Words withSystem(Words args, const char* refrigerant, const char* valve, const char* capacity) {
    const Words system{"--refrigerant", refrigerant, "--valve",  valve, "--evap",     "40",
                       "--cond",        "100",       "--liquid", "90",  "--capacity", capacity};
    args.insert(args.begin(), system.begin(), system.end());
    return args;
}

// ---- select: answers, messages and usage errors ----

struct SelectCase {
    const char* name;
    Words args; // --json is added
    int status;
    // key=value pairs the JSON answer must hold (strings), or message title and text
    std::vector<std::pair<std::string, std::string>> fields;
};

void PrintTo(const SelectCase& row, std::ostream* os) {
    *os << row.name;
}

class SelectLines : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectLines, AnswerOrRefuseAsTheWorksheetDoes) {
    SelectCommand command(fixedNow);
    Words args = GetParam().args;
    args.emplace_back("--json");
    const CommandRun run = runCommand(command, args);
    EXPECT_EQ(run.status, GetParam().status) << run.out << run.err;
    if (run.status == kExitUsage) {
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(GetParam().fields.front().second), std::string::npos) << run.err;
        return;
    }
    EXPECT_EQ(run.err, "");
    const Json answer = Json::parse(run.out);
    for (const auto& [key, value] : GetParam().fields) {
        const Json& field = key.starts_with("message.") ? answer["message"][key.substr(8)] : answer[key];
        EXPECT_EQ(field.is_string() ? field.get<std::string>() : field.dump(), value) << key;
    }
}

using F = std::vector<std::pair<std::string, std::string>>;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Select, SelectLines, ::testing::Values(
    SelectCase{"KOWorkedExample", withSystem({}, "R-22", "KO", "14840"), 0,
               F{{"valve", "KOE - 1-1/2 - HC "}, {"size", "4"}, {"size_name", "1-1/2"}, {"capacity", "14840.073"},
                 {"capacity_text", "14,840.07  Btu/h"}, {"loading_text", "100.0  %"}, {"advice", ""},
                 {"replace_advice", ""}, {"power_assembly", ""}}},
    SelectCase{"FlareAndBleedOnKO", withSystem({"--connection", "flare", "--bleed", "20"}, "R-22", "KO", "14840"), 0,
               F{{"valve", "KOE - 1-1/2 - HC K20D"}, {"capacity_text", "17,808.09  Btu/h"}}},
    SelectCase{"VMPAdviceAndAssemblies", withSystem({}, "r-134a", "vmp", "24000"), 0,
               F{{"valve", "VMPE - 2-1/2 - MC"}, {"cage_assembly", "XCVMP-04B"}, {"power_assembly", "XP1440 - MC"},
                 {"advice", "If the MC powerhead is not available the FC can be used as a replacement powerhead."}}},
    SelectCase{"QZStrainerSweatLargeSize", withSystem({"--strainer", "--connection", "flare"}, "R-22", "QZ", "96000"), 0,
               F{{"valve", "QZEC - 8 - HC"}, {"size", "9"}}},
    SelectCase{"ExternalAlreadyChosenInAHiddenFrame", withSystem({"--equalizer", "external"}, "R-22", "OBN", "12000"), 0,
               F{{"valve", "OBN 2"}}},
    SelectCase{"KODRefusedForR12", withSystem({}, "R-12", "KOD", "14840"), 2,
               F{{"message.title", "Refrigerant Selection"},
                 {"message.text", "The KOD is only suitable for R-22.  Please select either R-22 or another valve."}}},
    SelectCase{"InternalWithOrifice", withSystem({"--equalizer", "internal"}, "R-22", "KO", "14840"), 2,
               F{{"message.title", "korveld-cli"},
                 {"message.text", "The option --equalizer cannot be applied: optInternal is disabled at this step."}}},
    SelectCase{"StrainerOutsideQZ", withSystem({"--strainer"}, "R-22", "KO", "14840"), 2,
               F{{"message.text", "The option --strainer cannot be applied: optQZYes is hidden at this step."}}},
    SelectCase{"ChargeDisabledAtThisTemperature", withSystem({"--charge", "W35"}, "R-22", "KO", "14840"), 2,
               F{{"message.text", "The option --charge cannot be applied: optMOP1 is disabled at this step."}}},
    SelectCase{"ChargeNotOffered", withSystem({"--charge", "W15"}, "R-22", "KO", "14840"), 2,
               F{{"message.title", "korveld-cli"}}},
    SelectCase{"UnknownUnit", {"--unit", "hp"}, 64, F{{"", "--unit must be one of btuh, tons, kw, kcal"}}},
    SelectCase{"UnknownRefrigerant", {"--refrigerant", "R-99"}, 64, F{{"", "--refrigerant must be one of R-12"}}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Select, TextPrintsTheReportAndTheTimedAdvice) {
    SelectCommand command(fixedNow);
    const CommandRun run = runCommand(command, withSystem({}, "R-134a", "KO", "12000"));
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 22u) << run.out;
    EXPECT_EQ(lines[15], "  SELECTED VALVE :                               KOE - 1-1/2 - MC ");
    EXPECT_EQ(lines[20], "POWERHEAD REPLACEMENT");
    EXPECT_EQ(lines[21].rfind("If you have to use the FC powerhead", 0), 0u);
}

// ---- charges ----

TEST(Charges, TextListsTheFiveOptionsAndTheRangeHint) {
    ChargesCommand command;
    const CommandRun run = runCommand(command, {"--refrigerant", "R-22", "--valve", "KO", "--evap", "40"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Power Head Charge frame: shown\n"
                       "  optMOPNone  C or Z  visible enabled chosen\n"
                       "  optMOPCA    CA      visible enabled\n"
                       "  optMOP1     W35     visible disabled\n"
                       "  optMOP2     W65     visible disabled\n"
                       "  optMOP3     W100    visible enabled\n"
                       "Range hint: Range:-40 to 60 deg F.\n");
}

TEST(Charges, JsonOfKODWithR22KeepsTheCaptionsOfTheRefrigerantPick) {
    ChargesCommand command;
    const CommandRun run = runCommand(command, {"--refrigerant", "R-22", "--valve", "KOD", "--json"});
    EXPECT_EQ(run.status, 0);
    const Json answer = Json::parse(run.out);
    EXPECT_EQ(answer["options"][0].dump(),
              R"({"option":"optMOPNone","caption":"C or Z","visible":false,"enabled":true,"chosen":false})");
    EXPECT_EQ(answer["options"][1].dump(),
              R"({"option":"optMOPCA","caption":"CA","visible":true,"enabled":true,"chosen":true})");
    EXPECT_EQ(answer["options"][4]["caption"], "W100");
    EXPECT_EQ(answer["range_hint"], "Range: 0 to 60 deg F.");
}

// ---- batch ----

struct SplitCase {
    const char* name;
    const char* line;
    Words words;
    bool error;
};

void PrintTo(const SplitCase& row, std::ostream* os) {
    *os << row.name;
}

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, AsAShellSplitsASimpleCommand) {
    SplitResult result;
    result.words = {"stale", "words", "from", "before", "here"};
    SplitCommandLine(GetParam().line, result);
    EXPECT_EQ(result.error.has_value(), GetParam().error);
    if (!GetParam().error) {
        EXPECT_EQ(result.words, GetParam().words);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Batch, SplitLines, ::testing::Values(
    SplitCase{"Blanks",             "  select\t--valve  KO  ",          {"select", "--valve", "KO"}, false},
    SplitCase{"DoubleQuotes",       R"(select --charge "AD 10")",      {"select", "--charge", "AD 10"}, false},
    SplitCase{"EscapedQuoteInside", R"(a "say \"hi\" \n")",            {"a", R"(say "hi" \n)"}, false},
    SplitCase{"TrailingComment",    "select --valve KO # the KO",      {"select", "--valve", "KO"}, false},
    SplitCase{"UnterminatedDouble", R"(a "b)",                         {}, true},
    SplitCase{"TrailingBackslash",  "a \\",                            {}, true}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The program's own commands on a fixed clock, with the batch that runs them.
struct StandardRegistry {
    StandardRegistry() { AddStandardCommands(registry, {.dateTime = fixedNow}); }
    BatchCommand& batch() { return dynamic_cast<BatchCommand&>(*registry.find("batch")); }

    CommandRegistry registry;
};

TEST(Batch, OneObjectPerLineAndEveryLineAFreshRun) {
    StandardRegistry commands;
    BatchCommand& batch = commands.batch();
    std::istringstream in(
        "# schedule\n"
        "select --unit kw --refrigerant R-22 --valve KO --evap 4.4 --cond 37.8 --liquid 32.2 "
        "--capacity 4.35 --bleed 25\n"
        "\n"
        "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 14840\n"
        "select --refrigerant R-22 --valve KO --capacity 100 --evap 40 --cond 100 --liquid 90 --json\n"
        "select --bogus\n"
        "rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90\n"
        "charges --valve KO\n"
        "select --charge \"AD 10\n"
        "select --help\n");
    std::ostringstream out;
    EXPECT_EQ(batch.runLines(in, out), 8);
    std::vector<Json> objects;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(Json::parse(line));
    }
    ASSERT_EQ(objects.size(), 8u) << out.str();
    EXPECT_EQ(objects[0]["line"], 2);
    EXPECT_EQ(objects[0]["capacity_text"], "5.45  kW");
    EXPECT_EQ(objects[0]["valve"], "KOE - 1-1/2 - HC K25D");
    // The line after a kW run with bleed starts again in Btu/h and without bleed.
    EXPECT_EQ(objects[1]["line"], 4);
    EXPECT_EQ(objects[1]["valve"], "KOE - 1-1/2 - HC ");
    EXPECT_EQ(objects[1]["capacity_text"], "14,840.07  Btu/h");
    EXPECT_EQ(objects[2]["line"], 5);
    EXPECT_EQ(objects[2]["message"]["title"], "INPUT CAPACITY TO SMALL");
    EXPECT_EQ(objects[3]["line"], 6);
    EXPECT_EQ(objects[3]["usage_error"], "korveld-cli select: The following argument was not expected: --bogus");
    EXPECT_EQ(objects[4]["line"], 7);
    EXPECT_EQ(objects[4]["valve"], "KO");
    EXPECT_EQ(objects[4]["rows"].size(), 9u);
    EXPECT_EQ(objects[5]["usage_error"].get<std::string>().rfind("unknown command 'charges'", 0), 0u);
    EXPECT_EQ(objects[6]["usage_error"], "unterminated \" quote");
    EXPECT_EQ(objects[7]["line"], 10);
    EXPECT_TRUE(objects[7].contains("usage_error"));
}

TEST(Batch, UnreadableInputIsTheOnlyFailure) {
    StandardRegistry commands;
    BatchCommand& batch = commands.batch();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(batch.execute(Words{"/nonexistent/schedule.txt"}, out, err), kExitNoInput);
    EXPECT_NE(err.str().find("cannot read /nonexistent/schedule.txt"), std::string::npos);
}

// A batch reuses one program for all its lines; every line must still answer exactly as a run of
// that line alone on a new program does, whatever the lines before it left on the worksheets.
// Each line leaves something on the worksheets (unit, distributor, charge, bleed, a message, an
// option the next line leaves out) that the line after it must not inherit.
// clang-format off
const std::vector<std::string> kSchedule = {
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 14840",
    "select --refrigerant R-404A --valve KO --unit kw --evap -10 --cond 40 --liquid 30 --capacity 20 --bleed 20 --charge W65",
    "select --refrigerant R-404A --valve QZ --evap 14 --cond 104 --liquid 86 --capacity 68000 --strainer --connection flare",
    "select --refrigerant R-404A --valve QZ --evap 14 --cond 104 --liquid 86 --capacity 30000",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --distributor user --pressure-drop 25 --capacity 9000 --equalizer external --connection flare",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 9000",
    "select --refrigerant R-134a --valve VA --unit tons --evap 20 --cond 110 --liquid 95 --capacity 2",
    "rate --refrigerant R-134a --valve VA --unit tons --evap 20 --cond 110 --liquid 95 --system-capacity 2",
    "rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 60 --liquid 60 --capacity 9000",
    "select --refrigerant R-22 --valve KO --evap x --cond 100 --liquid 90 --capacity 9000",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 70000 --bogus",
    "select --refrigerant R-507 --valve VMP --unit kcal --evap -30 --cond 35 --liquid 25 --capacity 5000 --distributor none",
    "select --refrigerant R-507 --valve VMP --evap -22 --cond 95 --liquid 77 --capacity 20000",
    "rate --refrigerant R-12 --valve KO --unit kw --evap -5 --cond 40 --liquid 30 --distributor venturi",
    "rate --refrigerant R-12 --valve KO --evap 20 --cond 100 --liquid 90",
};
// clang-format on

// The answer without its line number, which differs between a batch and a run of one line.
std::string withoutLineNumber(const std::string& answer) {
    const std::size_t comma = answer.find(',');
    return comma == std::string::npos ? answer : answer.substr(comma);
}

std::vector<std::string> answersTo(const std::string& schedule) {
    StandardRegistry commands;
    BatchCommand& batch = commands.batch();
    std::istringstream in(schedule);
    std::ostringstream out;
    batch.runLines(in, out);
    std::vector<std::string> answers;
    std::istringstream lines(out.str());
    for (std::string answer; std::getline(lines, answer);) {
        answers.push_back(withoutLineNumber(answer));
    }
    return answers;
}

TEST(BatchReuse, EveryLineAnswersAsItsOwnRunOnANewProgram) {
    std::string schedule;
    for (const std::string& line : kSchedule) {
        schedule += line + "\n";
    }
    const std::vector<std::string> together = answersTo(schedule);
    ASSERT_EQ(together.size(), kSchedule.size());
    int selected = 0;
    for (std::size_t i = 0; i < kSchedule.size(); ++i) {
        const std::vector<std::string> alone = answersTo(kSchedule[i] + "\n");
        ASSERT_EQ(alone.size(), 1u) << kSchedule[i];
        EXPECT_EQ(together[i], alone[0]) << kSchedule[i];
        selected += together[i].find("\"size_name\"") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(selected, 5) << "the schedule reaches real selections, not only messages";
}

// ---- the real program ----

TEST(Binary, RunsFromAShellWithItsExitStatus) {
    const std::string program = KORVELD_CLI_PATH;
    // A shell command line run with its error output merged into its output.
    const auto shell = [](const std::string& line) {
        FILE* pipe = popen((line + " 2>&1").c_str(), "r");
        std::string output;
        char buffer[512];
        while (pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        const int status = pipe != nullptr ? pclose(pipe) : -1;
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    };
    const auto run = [&](const std::string& arguments) { return shell(program + " " + arguments); };
    const auto [ok, answer] = run("select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 "
                                  "--capacity 14840 --json");
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(Json::parse(answer)["valve"], "KOE - 1-1/2 - HC ");
    const auto [refused, message] = run("select --refrigerant R-22 --valve KO --strainer");
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(message, "korveld-cli\nThe option --strainer cannot be applied: optQZYes is hidden at this step.\n");
    const auto [usage, text] = run("charges --unit hp");
    EXPECT_EQ(usage, 64);
    // The date line is the same in every locale: ISO date at column 10, 24-hour time at column 30.
    const auto [rated, report] = shell("LC_ALL= LANG=de_DE.UTF-8 LC_TIME=de_DE.UTF-8 " + program +
                                       " rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liq 90");
    EXPECT_EQ(rated, 0);
    EXPECT_NE(report.find("          KOE 1-1/2           14,840.07\n"), std::string::npos) << report;
    EXPECT_TRUE(std::regex_search(report, std::regex(R"(^\n {9}\d{4}-\d\d-\d\d {10}\d\d:\d\d\n)"))) << report;
    const auto [batch, lines] = shell("printf 'select --valve KO\\n' | " + program + " batch -");
    EXPECT_EQ(batch, 0);
    EXPECT_EQ(Json::parse(lines)["message"]["title"], "REFRIGERATION SELECTION");
}

} // namespace
} // namespace korveld::cli
