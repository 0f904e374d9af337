#include "cli/batch_command.h"
#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "cli/option_parser.h"
#include "tests/support/named_rows.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

// A command with one option (two names), one flag and one positional word that prints what it parsed.
class EchoCommand : public Command {
public:
    EchoCommand() : m_parser("echo", "Prints its options") {
        m_parser.addOption("--name,--title", m_name, "A name");
        m_parser.addFlag("--loud", m_loud, "Upper case");
        m_parser.addPositional("file", m_file, "A file");
    }
    std::string_view name() const override { return "echo"; }
    std::string_view summary() const override { return "Prints its options"; }
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override {
        m_name = "-";
        m_loud = false;
        m_file.clear();
        if (const auto status = m_parser.parse(args, out, err)) {
            return *status;
        }
        out << m_name << (m_loud ? "!" : "") << (m_file.empty() ? "" : " " + m_file) << '\n';
        return kExitSuccess;
    }

private:
    OptionParser m_parser;
    std::string m_name;
    bool m_loud = false;
    std::string m_file;
};

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;    // the whole output, or "" when `outHas` is used
    const char* outHas; // a part of the output
    const char* errHas; // a part of the error output; "" for none at all
};

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
    LineCase{"Version",            {"--version"},                    0,  "",
             "korveld-cli " KORVELD_VERSION "\nCopyright (c) 2026 The KORVELD developers\nLicense: MIT <", ""},
    LineCase{"HelpListsCommands",  {"--help"},                       0,  "", "echo   Prints its options", ""},
    LineCase{"HelpStatesTheNumberRule", {"--help"},                  0,  "", "read with '.' as the decimal point and no\ndigit grouping", ""},
    LineCase{"HelpStatesTheDateRule",   {"--help"},                  0,  "", "YYYY-MM-DD (ISO 8601) and its time as HH:MM (24-hour clock)", ""},
    LineCase{"NoCommand",          {},                               64, "", "", "Usage: korveld-cli <command>"},
    LineCase{"UnknownCommand",     {"frobnicate"},                   64, "", "", "unknown command 'frobnicate'"},
    LineCase{"CommandRuns",        {"echo", "--name", "KO"},         0,  "KO\n", "", ""},
    LineCase{"CommandHelp",        {"echo", "--help"},               0,  "", "--name", ""},
    LineCase{"UnknownOption",      {"echo", "--bogus"},              64, "", "", "Usage: korveld-cli echo [OPTIONS]"},
    LineCase{"PositionalWord",     {"echo", "KO"},                   0,  "- KO\n", "", ""},
    LineCase{"SecondPositional",   {"echo", "a", "b"},               64, "", "", "The following argument was not expected: b"},
    LineCase{"ValueAfterEquals",   {"echo", "--name=a=b"},           0,  "a=b\n", "", ""},
    LineCase{"NegativeValue",      {"echo", "--name", "-40"},        0,  "-40\n", "", ""},
    LineCase{"LastValueWins",      {"echo", "--name", "a", "--name", "b"}, 0, "b\n", "", ""},
    LineCase{"ValueMissingAtEnd",  {"echo", "--name"},               64, "", "", "--name: 1 required TEXT missing"},
    LineCase{"OptionIsNoValue",    {"echo", "--name", "--loud"},     64, "", "", "--name: 1 required TEXT missing"},
    LineCase{"FlagTakesNoValue",   {"echo", "--loud=yes"},           64, "", "", "--loud: a flag takes no value"},
    LineCase{"ShortWordUnknown",   {"echo", "-x"},                   64, "", "", "not expected: -x"},
    LineCase{"DashIsAPositional",  {"echo", "-"},                    0,  "- -\n", "", ""},
    LineCase{"DoubleDashEndsOptions", {"echo", "--", "--loud"},      0,  "- --loud\n", "", ""},
    LineCase{"HelpWinsOverErrors", {"echo", "--bogus", "-h"},        0,  "", "--name,--title TEXT", ""},
    LineCase{"TwoUnknownWords",    {"echo", "--a", "--b"},           64, "", "", "The following arguments were not expected: --a --b"}
), testing_support::RowName{});
// clang-format on

// A command a batch line may run: one JSON object with its --name.
class JsonEchoCommand : public Command {
public:
    explicit JsonEchoCommand(std::string_view name) : m_name(name), m_parser(name, "Echoes its name as JSON") {
        m_parser.addOption("--name", m_value, "A name");
        m_parser.addFlag("--json", m_json, "JSON");
    }
    std::string_view name() const override { return m_name; }
    std::string_view summary() const override { return "Echoes its name as JSON"; }
    bool runsInBatch() const override { return true; }
    int execute(std::span<const std::string> args, std::ostream& out, std::ostream& err) override {
        m_value = "-";
        if (const auto status = m_parser.parse(args, out, err)) {
            return *status;
        }
        JsonWriter json;
        json.beginObject().member("name", m_value).member("json", m_json).endObject();
        WriteJson(json, out);
        return kExitSuccess;
    }

private:
    std::string m_name;
    OptionParser m_parser;
    std::string m_value;
    bool m_json = false;
};

// The batch runs what the registry holds, added before it or after, and only the commands that run in a batch.
TEST(BatchOfARegistry, RunsTheRegistrysBatchCommandsAndNamesThem) {
    CommandRegistry registry;
    registry.add(std::make_unique<JsonEchoCommand>("first"));
    registry.add(std::make_unique<EchoCommand>());
    auto batch = std::make_unique<BatchCommand>(registry);
    BatchCommand& lines = *batch;
    registry.add(std::move(batch));
    registry.add(std::make_unique<JsonEchoCommand>("last"));
    std::istringstream in("first --name a\necho --name b\nlast\nbatch -\nfirst --bogus\n");
    std::ostringstream out;
    EXPECT_EQ(lines.runLines(in, out), 5);
    EXPECT_EQ(out.str(), "{\"line\":1,\"name\":\"a\",\"json\":true}\n"
                         "{\"line\":2,\"usage_error\":\"unknown command 'echo'; a batch line runs first or last\"}\n"
                         "{\"line\":3,\"name\":\"-\",\"json\":true}\n"
                         "{\"line\":4,\"usage_error\":\"unknown command 'batch'; a batch line runs first or last\"}\n"
                         "{\"line\":5,\"usage_error\":\"korveld-cli first: The following argument was not expected: "
                         "--bogus\"}\n");
}

struct SingleCase {
    const char* name;
    float value;
    const char* json;
};

class SinglesInJson : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SinglesInJson, PrintTheShortestDecimalThatReadsBack) {
    JsonWriter json;
    const std::string text(json.single(GetParam().value).text());
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
    SingleCase{"SmallestSingle",  1e-45f,          "1e-45"},
    SingleCase{"FixedBelowTenTo16",   1.5e14f,         "150000000000000.0"},
    SingleCase{"ExponentFromTenTo16", 1e16f,          "1e+16"},
    SingleCase{"FixedDownToATenThousandth", 0.00012f,        "0.00012"},
    SingleCase{"NegativeZero",    -0.0f,           "-0.0"}
), testing_support::RowName{});
// clang-format on

// The writer lays numbers and strings out as the JSON library does: the same fixed or exponent form,
// and digits that read back to the same number, never more of them (the library's digit search is
// not always the shortest: 3.8232627000000004e+19 for 3.8232627e+19).
TEST(JsonWriter, AgreesWithTheJsonLibrary) {
    std::mt19937 random(71206);
    int differing = 0;
    for (int i = 0; i < 200000; ++i) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value)) {
            continue;
        }
        std::array<char, 64> shortest{};
        auto* const end = std::to_chars(shortest.data(), shortest.data() + shortest.size(), value).ptr;
        const double asDouble = std::strtod(std::string(shortest.data(), end).c_str(), nullptr);
        JsonWriter json;
        const std::string text(json.single(value).text());
        const std::string library = nlohmann::json(asDouble).dump();
        if (text != library) {
            ++differing;
            ASSERT_EQ(std::strtod(text.c_str(), nullptr), asDouble) << text;
            ASSERT_LT(text.size(), library.size()) << text << " " << library;
            ASSERT_EQ(text.find('e') == std::string::npos, library.find('e') == std::string::npos) << text;
        }
    }
    EXPECT_LT(differing, 2000); // about one in a hundred
    std::string every;
    for (int c = 1; c < 128; ++c) {
        every += static_cast<char>(c);
    }
    for (const std::string& text : {every, std::string("caf\xc3\xa9"), std::string("bad \xff byte"),
                                    std::string("\n then \xe2\x82"), std::string()}) {
        // Each string after one that needed an escape, in an array.
        JsonWriter json;
        json.beginArray().string("a\tb").string(text).endArray();
        EXPECT_EQ(json.text(), "[\"a\\tb\"," +
                                   nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +
                                   "]");
    }
}

TEST(JsonWriter, SeparatesMembersAndElements) {
    JsonWriter json;
    json.beginObject().member("a", 1).key("b").beginArray().integer(2).beginObject().endObject().endArray();
    json.member("c", true).memberSingle("d", 0.5f).endObject();
    EXPECT_EQ(json.text(), R"({"a":1,"b":[2,{}],"c":true,"d":0.5})");
}

} // namespace
} // namespace korveld::cli
