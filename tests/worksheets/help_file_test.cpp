#include "worksheets/context_ids.h"
#include "worksheets/help_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace korveld {
namespace {

using namespace std::string_literals;

const std::string kGood = "PALDEN HELP 1\n"
                          "# comment before the first topic\n"
                          "\n"
                          "== topic 12 | About the capacity worksheet | capacity; rating ; worksheet\n"
                          "First paragraph\n"
                          "goes on.\n"
                          "\n"
                          "\n"
                          "- item one\n"
                          "- item two\n"
                          "\\== not a heading\n"
                          "== popup 360 | Evaporator temperature |\n"
                          "\n"
                          "Saturated suction temperature.\n";

struct ParseCase {
    const char* name;
    std::string text;
    HelpError error;
    std::size_t topics;
    std::size_t line;
};

class ParseHelp : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseHelp, GivesTopicsOrOneClearError) {
    const HelpParseResult result = parseHelpText(GetParam().text);
    EXPECT_EQ(result.error, GetParam().error) << result.message;
    EXPECT_EQ(result.file.topics.size(), GetParam().topics);
    EXPECT_EQ(result.line, GetParam().line);
    EXPECT_EQ(result.message.empty(), result.ok());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HelpFile, ParseHelp, ::testing::Values(
    ParseCase{"Good",                kGood,                                             HelpError::None,      2, 0},
    ParseCase{"GoodWithBomAndCrLf",  "\xEF\xBB\xBFPALDEN HELP 1\r\n== topic 8 | T\r\nx\r\n", HelpError::None, 1, 0},
    ParseCase{"EmptyFile",           "",                                                HelpError::Empty,     0, 0},
    ParseCase{"MagicOnly",           "PALDEN HELP 1\n",                                 HelpError::Empty,     0, 0},
    ParseCase{"WrongMagic",          "PALDEN HELP 2\n== topic 8 | T\nx\n",              HelpError::BadMagic,  0, 1},
    ParseCase{"TruncatedAfterHeading", kGood.substr(0, kGood.find("\nSaturated") + 1),  HelpError::Malformed, 0, 12},
    ParseCase{"NulByte",             "PALDEN HELP 1\n== topic 8 | T\nx\0y"s, HelpError::NotText, 0, 0},
    ParseCase{"InvalidUtf8",         "PALDEN HELP 1\n== topic 8 | T\n\xC3\x28\n",       HelpError::NotText,   0, 0},
    ParseCase{"ByteThatLeadsNothing", "PALDEN HELP 1\n== topic 8 | T\n\xFFx\n",           HelpError::NotText,   0, 0},
    ParseCase{"CutUtf8AtEnd",        "PALDEN HELP 1\n== topic 8 | T\nx\xE2\x82",        HelpError::NotText,   0, 0},
    ParseCase{"UnknownKind",         "PALDEN HELP 1\n== page 8 | T\nx\n",               HelpError::Malformed, 0, 2},
    ParseCase{"IdNotANumber",        "PALDEN HELP 1\n== topic 8a | T\nx\n",             HelpError::Malformed, 0, 2},
    ParseCase{"IdTooLong",           "PALDEN HELP 1\n== topic 9999999999 | T\nx\n",     HelpError::Malformed, 0, 2},
    ParseCase{"NoTitle",             "PALDEN HELP 1\n== topic 8 |  | k\nx\n",           HelpError::Malformed, 0, 2},
    ParseCase{"NoBar",               "PALDEN HELP 1\n== topic 8\nx\n",                  HelpError::Malformed, 0, 2},
    ParseCase{"DuplicateId",         "PALDEN HELP 1\n== topic 8 | T\nx\n== popup 8 | U\ny\n", HelpError::Malformed, 0, 4},
    ParseCase{"TopicWithoutText",    "PALDEN HELP 1\n== topic 8 | T\n\n== topic 9 | U\ny\n", HelpError::Malformed, 0, 2},
    ParseCase{"TextBeforeHeading",   "PALDEN HELP 1\nstray\n== topic 8 | T\nx\n",       HelpError::Malformed, 0, 2},
    ParseCase{"TooLarge",            std::string(kHelpFileMaxBytes + 1, 'a'),           HelpError::TooLarge,  0, 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(HelpFile, ReadsTitlesKeywordsAndBodies) {
    const HelpParseResult result = parseHelpText(kGood);
    ASSERT_TRUE(result.ok()) << result.message;
    const HelpTopic* capacity = result.file.find(12);
    ASSERT_NE(capacity, nullptr);
    EXPECT_EQ(capacity->kind, HelpTopicKind::Topic);
    EXPECT_EQ(capacity->title, "About the capacity worksheet");
    EXPECT_EQ(capacity->keywords, (std::vector<std::string>{"capacity", "rating", "worksheet"}));
    EXPECT_EQ(capacity->body, "First paragraph\ngoes on.\n\n- item one\n- item two\n== not a heading");
    const HelpTopic* popup = result.file.find(360);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->kind, HelpTopicKind::Popup);
    EXPECT_TRUE(popup->keywords.empty());
    EXPECT_EQ(popup->body, "Saturated suction temperature.");
    EXPECT_EQ(result.file.find(8), nullptr);
}

TEST(HelpFile, BodyBecomesParagraphsAndLists) {
    const HelpParseResult result = parseHelpText(kGood);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(helpBodyHtml(*result.file.find(12)),
              "<p>First paragraph goes on.</p>\n<ul><li>item one</li><li>item two</li></ul>\n"
              "<p>== not a heading</p>\n");
    HelpTopic risky;
    risky.body = "a < b & \"c\" > d";
    EXPECT_EQ(helpBodyHtml(risky), "<p>a &lt; b &amp; &quot;c&quot; &gt; d</p>\n");
}

struct SearchCase {
    const char* name;
    const char* query;
    std::vector<std::int32_t> ids;
};

class SearchHelp : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchHelp, MatchesTitlesAndKeywords) {
    const HelpParseResult result = parseHelpText(kGood);
    ASSERT_TRUE(result.ok());
    std::vector<std::int32_t> ids;
    for (const HelpTopic* topic : searchHelp(result.file, GetParam().query)) {
        ids.push_back(topic->contextId);
    }
    EXPECT_EQ(ids, GetParam().ids);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HelpFile, SearchHelp, ::testing::Values(
    SearchCase{"EmptyQueryListsAll",   "",                  {12, 360}},
    SearchCase{"KeywordMatch",         "rating",            {12}},
    SearchCase{"TitleMatchAnyCase",    "EVAPORATOR",        {360}},
    SearchCase{"EveryWordMustMatch",   "capacity evaporator", {}},
    SearchCase{"PartialWord",          "temp",              {360}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(HelpFile, LoadReportsMissingAndUnreadableFiles) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "korveld_help_test";
    std::filesystem::create_directories(dir);
    const HelpParseResult missing = loadHelpFile((dir / "nothing.HLP").string());
    EXPECT_EQ(missing.error, HelpError::Missing);
    EXPECT_NE(missing.message.find("was not found"), std::string::npos);
    EXPECT_EQ(loadHelpFile(dir.string()).error, HelpError::Unreadable);
    const std::filesystem::path good = dir / "PALDEN.HLP";
    std::ofstream(good, std::ios::binary) << kGood;
    EXPECT_TRUE(loadHelpFile(good.string()).ok());
    std::ofstream(good, std::ios::binary) << "PALDEN HELP 1\n== topic 8 | T\n";
    const HelpParseResult cut = loadHelpFile(good.string());
    EXPECT_EQ(cut.error, HelpError::Malformed);
    EXPECT_NE(cut.message.find(good.string()), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(ShippedHelpFile, HasATopicForEveryContextId) {
    const HelpParseResult result = loadHelpFile(KORVELD_HELP_SOURCE);
    ASSERT_TRUE(result.ok()) << result.message;
    const std::vector<std::pair<std::int32_t, HelpTopicKind>> wanted{
        {8, HelpTopicKind::Topic},   {12, HelpTopicKind::Topic},  {65, HelpTopicKind::Topic},
        {130, HelpTopicKind::Topic}, {140, HelpTopicKind::Topic}, {150, HelpTopicKind::Topic},
        {160, HelpTopicKind::Topic}, {360, HelpTopicKind::Popup}, {370, HelpTopicKind::Popup},
        {380, HelpTopicKind::Popup}, {390, HelpTopicKind::Popup}, {400, HelpTopicKind::Popup},
        {410, HelpTopicKind::Popup}, {420, HelpTopicKind::Popup}, {430, HelpTopicKind::Popup}};
    for (const auto& [id, kind] : wanted) {
        const HelpTopic* topic = result.file.find(id);
        ASSERT_NE(topic, nullptr) << id;
        EXPECT_EQ(topic->kind, kind) << id;
        EXPECT_GT(topic->body.size(), 200u) << id << " is too short to help anyone";
        EXPECT_FALSE(topic->keywords.empty()) << id;
    }
}

} // namespace
} // namespace korveld
