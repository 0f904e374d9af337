#include "cli/compare_command.h"
#include "cli/select_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

using Words = std::vector<std::string>;
using Json = nlohmann::ordered_json;

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runCommand(Command& command, const Words& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command.execute(args, out, err);
    return {status, out.str(), err.str()};
}

// The row of `compare --json` without its series, which is what `select --json` answers.
Json withoutSeries(Json row) {
    row.erase("series");
    return row;
}

// A seeded sample of systems in both unit systems: every row of compare must be the answer of
// select with that series, field for field, message for message.
struct Sample {
    Words args;
    std::string describe() const {
        std::string text;
        for (const std::string& word : args) {
            text += word + ' ';
        }
        return text;
    }
};

std::vector<Sample> seededSample(unsigned seed, int count) {
    std::mt19937 random(seed);
    const std::vector<std::string> refrigerants{"R-12",   "R-22",   "R-502",  "R-134a", "R-401A",
                                                "R-402A", "R-402B", "R-404A", "R-407C", "R-507"};
    const std::vector<std::string> distributors{"none", "orifice", "venturi"};
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<Sample> samples;
    for (int i = 0; i < count; ++i) {
        const bool metric = i % 2 == 1;
        Sample sample;
        if (metric) {
            const int evap = between(-40, 16);
            const int cond = between(std::max(10, evap + 15), 66);
            sample.args = {"--unit",     i % 4 == 1 ? "kw" : "kcal",
                           "--evap",     std::to_string(evap),
                           "--cond",     std::to_string(cond),
                           "--liquid",   std::to_string(between(std::max(-18, cond - 20), cond)),
                           "--capacity", std::to_string(between(1, i % 4 == 1 ? 200 : 150000))};
        } else {
            const int evap = between(-40, 60);
            const int cond = between(std::max(50, evap + 30), 150);
            sample.args = {"--unit",     i % 4 == 0 ? "btuh" : "tons",
                           "--evap",     std::to_string(evap),
                           "--cond",     std::to_string(cond),
                           "--liquid",   std::to_string(between(std::max(0, cond - 30), cond)),
                           "--capacity", std::to_string(i % 4 == 0 ? between(1000, 600000) : between(1, 60))};
        }
        sample.args.insert(sample.args.end(),
                           {"--refrigerant", pick(refrigerants), "--distributor", pick(distributors)});
        samples.push_back(std::move(sample));
    }
    return samples;
}

TEST(Compare, EveryRowIsWhatSelectAnswersForThatSeries) {
    CompareCommand compare;
    SelectCommand select([] { return DateTimeTexts{}; });
    int selected = 0;
    int refused = 0;
    for (const Sample& sample : seededSample(20261207u, 24)) {
        Words args = sample.args;
        args.emplace_back("--json");
        const CommandRun rows = runCommand(compare, args);
        ASSERT_EQ(rows.status, 0) << sample.describe() << rows.err;
        const Json table = Json::parse(rows.out);
        ASSERT_TRUE(table.is_array());
        ASSERT_FALSE(table.empty()) << sample.describe();
        for (const Json& row : table) {
            Words one = args;
            one.insert(one.end(), {"--valve", row["series"].get<std::string>()});
            const CommandRun answer = runCommand(select, one);
            EXPECT_EQ(answer.status, row.contains("message") ? 2 : 0) << sample.describe() << row.dump();
            EXPECT_EQ(withoutSeries(row), Json::parse(answer.out)) << sample.describe() << row["series"];
            (row.contains("message") ? refused : selected) += 1;
        }
    }
    // The sample reaches both kinds of answer.
    EXPECT_GT(selected, 20);
    EXPECT_GT(refused, 20);
}

struct SeriesSetCase {
    const char* name;
    const char* refrigerant;
    std::vector<std::string> series; // in menu order
};

void PrintTo(const SeriesSetCase& row, std::ostream* os) {
    *os << row.name;
}

class SeriesSets : public ::testing::TestWithParam<SeriesSetCase> {};

// The series compared are those whose pick the worksheet accepts after the refrigerant.
TEST_P(SeriesSets, OnlyTheSeriesTheRefrigerantAllows) {
    CompareCommand compare;
    const CommandRun rows = runCommand(compare, {"--refrigerant", GetParam().refrigerant, "--evap", "40", "--cond",
                                                 "100", "--liquid", "90", "--capacity", "1", "--json"});
    ASSERT_EQ(rows.status, 0) << rows.err;
    std::vector<std::string> series;
    for (const Json& row : Json::parse(rows.out)) {
        series.push_back(row["series"]);
    }
    std::vector<std::string> expected = GetParam().series;
    std::sort(series.begin(), series.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(series, expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Compare, SeriesSets, ::testing::Values(
    SeriesSetCase{"R22AllSeventeen", "R-22", {"KO", "KOD", "KOT", "KIM", "QZ", "GL", "VMP", "VRK", "VRD", "VOS", "VAN",
                                             "VEB", "VULK", "VA", "DQQ/DQ", "OBN", "NYF"}},
    SeriesSetCase{"R12WithoutKOD", "R-12", {"KO", "KOT", "KIM", "QZ", "GL", "VMP", "VRK", "VRD", "VOS", "VAN", "VEB",
                                           "VULK", "VA", "DQQ/DQ", "OBN", "NYF"}},
    SeriesSetCase{"R407COnlyTheFive", "R-407C", {"KO", "QZ", "DQQ/DQ", "OBN", "NYF"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct OptionCase {
    const char* name;
    Words args; // with the system below
    const char* series;
    Words selectArgs; // what select needs for the same row: the options that series takes
};

void PrintTo(const OptionCase& row, std::ostream* os) {
    *os << row.name;
}

class OptionsAsFarAsTheSeriesTakesThem : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionsAsFarAsTheSeriesTakesThem, RowEqualsSelectWithTheOptionsThatSeriesOffers) {
    const Words system{"--refrigerant", "R-22", "--evap", "40", "--cond", "100", "--liquid", "90", "--json"};
    Words args = system;
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    CompareCommand compare;
    const CommandRun rows = runCommand(compare, args);
    ASSERT_EQ(rows.status, 0) << rows.err;
    Json found;
    for (const Json& row : Json::parse(rows.out)) {
        if (row["series"] == GetParam().series) {
            found = row;
        }
    }
    ASSERT_FALSE(found.is_null());
    Words one = system;
    one.insert(one.end(), GetParam().selectArgs.begin(), GetParam().selectArgs.end());
    one.insert(one.end(), {"--valve", GetParam().series});
    SelectCommand select([] { return DateTimeTexts{}; });
    const CommandRun answer = runCommand(select, one);
    ASSERT_EQ(answer.status, 0) << answer.out << answer.err;
    EXPECT_EQ(withoutSeries(found), Json::parse(answer.out));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Compare, OptionsAsFarAsTheSeriesTakesThem, ::testing::Values(
    OptionCase{"FlareAndBleedOnKO", {"--capacity", "14840", "--connection", "flare", "--bleed", "20"}, "KO",
               {"--capacity", "14840", "--connection", "flare", "--bleed", "20"}},
    OptionCase{"FlareRefusedByVRKKeepsSweat", {"--capacity", "150000", "--connection", "flare"}, "VRK",
               {"--capacity", "150000"}},
    OptionCase{"BleedIgnoredWhereThereIsNoBleedFrame", {"--capacity", "24000", "--bleed", "20"}, "VA",
               {"--capacity", "24000"}},
    OptionCase{"StrainerOnlyOnQZ", {"--capacity", "30000", "--strainer"}, "QZ", {"--capacity", "30000", "--strainer"}},
    OptionCase{"InternalEqualizerWhereOffered", {"--capacity", "14840", "--distributor", "none", "--equalizer",
               "internal"}, "KO", {"--capacity", "14840", "--distributor", "none", "--equalizer", "internal"}},
    OptionCase{"InternalEqualizerRefusedByVRD", {"--capacity", "150000", "--distributor", "none", "--equalizer",
               "internal"}, "VRD", {"--capacity", "150000", "--distributor", "none"}},
    OptionCase{"UserDefinedDropInKW", {"--unit", "kw", "--evap", "5", "--cond", "40", "--liquid", "35", "--capacity",
               "15", "--distributor", "user", "--pressure-drop", "1.5"}, "KO",
               {"--unit", "kw", "--evap", "5", "--cond", "40", "--liquid", "35", "--capacity", "15", "--distributor",
                "user", "--pressure-drop", "1.5"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Compare, TextTableRowsThatSelectFirstInMenuOrder) {
    CompareCommand compare;
    const CommandRun run = runCommand(
        compare, {"--refrigerant", "R-22", "--evap", "40", "--cond", "100", "--liquid", "90", "--capacity", "14840"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream in(run.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 18u) << run.out;
    EXPECT_EQ(lines[0].rfind("Series  ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("Selected Valve"), std::string::npos);
    EXPECT_EQ(lines[1].rfind("KO ", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find("KOE - 1-1/2 - HC"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("100.0  %"), std::string::npos) << lines[1];
    bool seenRefusal = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const bool selectedRow = lines[i].ends_with("Selected");
        EXPECT_FALSE(seenRefusal && selectedRow) << "a selected row after a refused one: " << lines[i];
        seenRefusal = seenRefusal || !selectedRow;
    }
}

struct UsageCase {
    const char* name;
    Words args;
    const char* problem;
};

void PrintTo(const UsageCase& row, std::ostream* os) {
    *os << row.name;
}

class CompareUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CompareUsage, IsRefusedWithStatus64) {
    CompareCommand compare;
    const CommandRun run = runCommand(compare, GetParam().args);
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().problem), std::string::npos) << run.err;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Compare, CompareUsage, ::testing::Values(
    UsageCase{"NoRefrigerant", {"--evap", "40"}, "--refrigerant must be one of"},
    UsageCase{"ValveIsNotAnOption", {"--refrigerant", "R-22", "--valve", "KO"}, "--valve"},
    UsageCase{"UnknownBleed", {"--refrigerant", "R-22", "--bleed", "12"}, "--bleed must be one of"},
    UsageCase{"DropWithoutUserDistributor", {"--refrigerant", "R-22", "--pressure-drop", "2"}, "--distributor user"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::cli
