#include "worksheets/print_document.h"

#include <functional>
#include <gtest/gtest.h>

namespace korveld {
namespace {

struct PlainTextCase {
    const char* name;
    std::function<void(PrintDocument&)> build;
    std::vector<std::string> lines;
};

class PlainText : public ::testing::TestWithParam<PlainTextCase> {};

TEST_P(PlainText, PadsSegmentsToTheirColumns) {
    PrintDocument document;
    GetParam().build(document);
    EXPECT_EQ(renderPlainText(document), GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(PrintDocument, PlainText, ::testing::Values(
    PlainTextCase{"EmptyLine",        [](PrintDocument& d) { d.newLine(); },                                   {""}},
    PlainTextCase{"TwoTabStops",      [](PrintDocument& d) { d.newLine().at(10, "12/6/2026").at(30, "9:30"); },
                                      {"         12/6/2026           9:30"}},
    PlainTextCase{"SpacesThenText",   [](PrintDocument& d) { d.newLine().spaces(3).text("VALVE TYPE").at(40, "KO"); },
                                      {"   VALVE TYPE                          KO"}},
    PlainTextCase{"ValueUnitAfterIt", [](PrintDocument& d) { d.newLine().at(3, "T :").at(10, "40").spaces(2).text("F"); },
                                      {"  T :    40  F"}},
    PlainTextCase{"ColumnOne",        [](PrintDocument& d) { d.newLine().at(1, "x"); },                         {"x"}},
    PlainTextCase{"StopAlreadyReached", [](PrintDocument& d) { d.newLine().at(1, "abcdef").at(6, "g"); },
                                      {"abcdef", "     g"}},
    PlainTextCase{"StopExactlyAtEnd", [](PrintDocument& d) { d.newLine().at(1, "abcde").at(6, "f"); },         {"abcdef"}},
    PlainTextCase{"CountsCharactersNotBytes", [](PrintDocument& d) { d.newLine().at(1, "40 \u00B0F").at(8, "|"); },
                                      {"40 \u00B0F  |"}},
    PlainTextCase{"SeveralLines",     [](PrintDocument& d) { d.newLine().at(3, "a"); d.newLine(); d.newLine().text("b"); },
                                      {"  a", "", "b"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld
