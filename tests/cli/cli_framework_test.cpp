#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "cli/option_parser.h"
#include "cli/scripted_user.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/messages.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

// A command with one option and one flag that prints what it parsed.
class EchoCommand : public Command {
public:
    EchoCommand() : m_parser("echo", "Prints its options") {
        m_parser.app().add_option("--name", m_name, "A name");
        m_parser.app().add_flag("--loud", m_loud, "Upper case");
    }
    std::string_view name() const override { return "echo"; }
    std::string_view summary() const override { return "Prints its options"; }
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override {
        m_name = "-";
        m_loud = false;
        if (const auto status = m_parser.parse(args, out, err)) {
            return *status;
        }
        out << m_name << (m_loud ? "!" : "") << '\n';
        return kExitSuccess;
    }

private:
    OptionParser m_parser;
    std::string m_name;
    bool m_loud = false;
};

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;    // the whole output, or "" when `outHas` is used
    const char* outHas; // a part of the output
    const char* errHas; // a part of the error output; "" for none at all
};

void PrintTo(const LineCase& row, std::ostream* os) {
    *os << row.name;
}

class CommandLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLines, GiveTheirOutputAndExitStatus) {
    CommandRegistry registry;
    registry.add(std::make_unique<EchoCommand>());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(registry, GetParam().args, out, err), GetParam().status);
    if (GetParam().outHas[0] == '\0') {
        EXPECT_EQ(out.str(), GetParam().out);
    } else {
        EXPECT_NE(out.str().find(GetParam().outHas), std::string::npos) << out.str();
    }
    if (GetParam().errHas[0] == '\0') {
        EXPECT_EQ(err.str(), "");
    } else {
        EXPECT_NE(err.str().find(GetParam().errHas), std::string::npos) << err.str();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RunCli, CommandLines, ::testing::Values(
    LineCase{"Version",            {"--version"},                    0,  "korveld-cli " KORVELD_VERSION "\n", "", ""},
    LineCase{"HelpListsCommands",  {"--help"},                       0,  "", "echo   Prints its options", ""},
    LineCase{"NoCommand",          {},                               64, "", "", "Usage: korveld-cli <command>"},
    LineCase{"UnknownCommand",     {"frobnicate"},                   64, "", "", "unknown command 'frobnicate'"},
    LineCase{"CommandRuns",        {"echo", "--name", "KO"},         0,  "KO\n", "", ""},
    LineCase{"OptionEqualsValue",  {"echo", "--name=VA", "--loud"},  0,  "VA!\n", "", ""},
    LineCase{"CommandHelp",        {"echo", "--help"},               0,  "", "--name", ""},
    LineCase{"UnknownOption",      {"echo", "--bogus"},              64, "", "", "Usage: korveld-cli echo [OPTIONS]"},
    LineCase{"MissingValue",       {"echo", "--name"},               64, "", "", "korveld-cli echo: "},
    LineCase{"StrayWord",          {"echo", "KO"},                   64, "", "", "Usage: korveld-cli echo"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(OptionParser, ParsesAgainWithoutTheLastLinesValues) {
    EchoCommand command;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> first{"--name", "KO", "--loud"};
    const std::vector<std::string> second{};
    EXPECT_EQ(command.execute(first, out, err), 0);
    EXPECT_EQ(command.execute(std::vector<std::string>{"--bogus"}, out, err), 64);
    EXPECT_EQ(command.execute(second, out, err), 0);
    EXPECT_EQ(out.str(), "KO!\n-\n");
}

struct ChoiceCase {
    const char* name;
    const char* value;
    std::optional<int> found;
};

void PrintTo(const ChoiceCase& row, std::ostream* os) {
    *os << row.name;
}

class ChoiceLookup : public ::testing::TestWithParam<ChoiceCase> {};

constexpr std::pair<std::string_view, int> kChoices[] = {{"btuh", 1}, {"tons", 2}, {"KOD/KEWS", 3}};

TEST_P(ChoiceLookup, IgnoresCaseOnly) {
    EXPECT_EQ(FindChoice<int>(kChoices, GetParam().value), GetParam().found);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FindChoice, ChoiceLookup, ::testing::Values(
    ChoiceCase{"Exact",       "tons",     2},
    ChoiceCase{"UpperCase",   "BTUH",     1},
    ChoiceCase{"MixedSlash",  "kod/kews", 3},
    ChoiceCase{"Prefix",      "ton",      std::nullopt},
    ChoiceCase{"Longer",      "tonss",    std::nullopt},
    ChoiceCase{"Empty",       "",         std::nullopt}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct SingleCase {
    const char* name;
    float value;
    const char* json;
};

void PrintTo(const SingleCase& row, std::ostream* os) {
    *os << row.name;
}

class SinglesInJson : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SinglesInJson, PrintTheShortestDecimalThatReadsBack) {
    const std::string text = SingleJson(GetParam().value).dump();
    EXPECT_EQ(text, GetParam().json);
    // A reader takes the number as a double and stores it as a float.
    EXPECT_EQ(static_cast<float>(std::stod(text)), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Json, SinglesInJson, ::testing::Values(
    SingleCase{"OneTenth",        0.1f,            "0.1"},
    SingleCase{"Integer",         12000.0f,        "12000.0"},
    SingleCase{"Capacity",        14840.123f,      "14840.123"},
    SingleCase{"ThirdOfTwelve",   1.0f / 12000.0f, "8.333333e-05"},
    SingleCase{"Negative",        -40.0f,          "-40.0"},
    SingleCase{"LargestSingle",   3.4028235e38f,   "3.4028235e+38"},
    SingleCase{"SmallestSingle",  1e-45f,          "1e-45"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Json, MessageObject) {
    EXPECT_EQ(MessageJson("VALVE SELECTION", "You have not made a Valve selection!").dump(),
              R"({"message":{"title":"VALVE SELECTION","text":"You have not made a Valve selection!"}})");
}

// A window for the scripted user: a button that raises a message, a hidden entry, a locked one,
// and a menu with a disabled entry.
class ScriptForm : public Form {
public:
    static constexpr FormId kFormId = FormId::frmResults;
    explicit ScriptForm(Program& program) : Form(program, {.name = "ScriptForm", .width = 3000, .height = 3000}) {
        cmdWarn.onClick = [this] { ShowMessage(*this, "Careful!", "WARNING"); };
        mnuGo.onClick = [this] { log.push_back("mnuGo"); };
        mnuTop.onClick = [this] { log.push_back("mnuTop"); };
        mnuSub.onClick = [this] { log.push_back("mnuSub"); };
    }
    std::vector<std::string> log;
    CommandButton cmdWarn{*this, {.name = "cmdWarn", .caption = "Warn"}};
    Frame fmeHidden{*this, {.name = "fmeHidden", .visible = false}};
    TextBox txtInHidden{*this, {.name = "txtInHidden", .container = &fmeHidden}};
    TextBox txtLocked{*this, {.name = "txtLocked", .locked = true}};
    TextBox txtOff{*this, {.name = "txtOff", .enabled = false}};
    MenuEntry mnuTop{*this, {.name = "mnuTop", .caption = "Top"}};
    MenuEntry mnuSub{mnuTop, {.name = "mnuSub", .caption = "Sub"}};
    MenuEntry mnuGo{mnuSub, {.name = "mnuGo", .caption = "Go"}};
    MenuEntry mnuOff{mnuSub, {.name = "mnuOff", .caption = "Off", .enabled = false}};
};

struct StepCase {
    const char* name;
    std::function<bool(ScriptedUser&, ScriptForm&)> step;
    bool goesOn;
    std::string title;
    std::string text;
    std::vector<std::string> handlers;
};

void PrintTo(const StepCase& row, std::ostream* os) {
    *os << row.name;
}

class ScriptedSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(ScriptedSteps, StopAtAMessageOrAnOptionOutOfReach) {
    ScriptedUser user({"1/2/2026", "8:00 AM"});
    user.program().registerForm<ScriptForm>();
    auto& form = user.program().form<ScriptForm>();
    form.Show();
    EXPECT_EQ(GetParam().step(user, form), GetParam().goesOn);
    EXPECT_EQ(user.stopped(), !GetParam().goesOn);
    if (user.stopped()) {
        EXPECT_EQ(user.stopMessage()->title, GetParam().title);
        EXPECT_EQ(user.stopMessage()->text, GetParam().text);
        // Once stopped, no further step runs.
        EXPECT_FALSE(user.pick(form.mnuGo, "--go"));
    }
    EXPECT_EQ(form.log, GetParam().handlers);
}

using S = ScriptedUser;
using F = ScriptForm;

// clang-format off
INSTANTIATE_TEST_SUITE_P(ScriptedUser, ScriptedSteps, ::testing::Values(
    StepCase{"PickOpensEachMenuFirst", [](S& u, F& f) { return u.pick(f.mnuGo, "--go"); },               true,  "", "", {"mnuTop", "mnuSub", "mnuGo"}},
    StepCase{"MessageStopsTheRun",     [](S& u, F& f) { return u.click(f.cmdWarn, "--warn"); },          false, "WARNING", "Careful!", {}},
    StepCase{"DisabledMenuEntry",      [](S& u, F& f) { return u.pick(f.mnuOff, "--off"); },             false, "korveld-cli",
             "The option --off cannot be applied: mnuOff is disabled at this step.", {"mnuTop", "mnuSub"}},
    StepCase{"EntryInAHiddenFrame",    [](S& u, F& f) { return u.type(f.txtInHidden, "5", "--five"); },  false, "korveld-cli",
             "The option --five cannot be applied: txtInHidden is hidden at this step.", {}},
    StepCase{"DisabledEntry",          [](S& u, F& f) { return u.type(f.txtOff, "5", "--five"); },       false, "korveld-cli",
             "The option --five cannot be applied: txtOff is disabled at this step.", {}},
    StepCase{"LockedEntry",            [](S& u, F& f) { return u.type(f.txtLocked, "5", "--five"); },    false, "korveld-cli",
             "The option --five cannot be applied: txtLocked is locked at this step.", {}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ScriptedUser, PrintedPagesCarryTheGivenDateAndTime) {
    ScriptedUser user({"1/2/2026", "8:00 AM"});
    EXPECT_EQ(user.platform().DateText(), "1/2/2026");
    EXPECT_EQ(user.platform().TimeText(), "8:00 AM");
}

} // namespace
} // namespace korveld::cli
