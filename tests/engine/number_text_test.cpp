#include "engine/number_text.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace korveld {
namespace {

const NumberLocale kCommaDecimal{",", "."};

struct ParseCase {
    const char* name;
    std::string text;
    std::optional<double> expected;
    NumberLocale locale = {};
};
void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, WholeTextIsOneNumber) {
    const ParseCase& c = GetParam();
    const std::optional<double> value = ParseNumber(c.text, c.locale);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_EQ(*value, *c.expected);
    }
    EXPECT_EQ(IsNumber(c.text, c.locale), c.expected.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(ParseCase{"Integer", "40", 40.0}, ParseCase{"Negative", "-40", -40.0}, ParseCase{"Plus", "+5", 5.0},
                    ParseCase{"Decimals", "12.75", 12.75}, ParseCase{"NoIntegerPart", ".5", 0.5},
                    ParseCase{"NoFraction", "5.", 5.0}, ParseCase{"Exponent", "1e3", 1000.0},
                    ParseCase{"ExponentSigned", "2.5E-1", 0.25}, ParseCase{"Blanks", " \t40 \t", 40.0},
                    ParseCase{"Zero", "0", 0.0}, ParseCase{"Underflow", "1e-400", 0.0},
                    ParseCase{"LargestDouble", "1.7e308", 1.7e308}, ParseCase{"Empty", "", std::nullopt},
                    ParseCase{"Blank", "   ", std::nullopt}, ParseCase{"SignOnly", "-", std::nullopt},
                    ParseCase{"PointOnly", ".", std::nullopt}, ParseCase{"TwoPoints", "1.2.3", std::nullopt},
                    ParseCase{"Grouping", "1,000", std::nullopt}, ParseCase{"Hex", "0x10", std::nullopt},
                    ParseCase{"Infinity", "inf", std::nullopt}, ParseCase{"NaN", "nan", std::nullopt},
                    ParseCase{"DExponent", "1D3", std::nullopt}, ParseCase{"ExponentWithoutDigits", "1e", std::nullopt},
                    ParseCase{"BlankInside", "- 5", std::nullopt}, ParseCase{"TrailingText", "40F", std::nullopt},
                    ParseCase{"Overflow", "1e309", std::nullopt},
                    ParseCase{"HugeExponent", "1e99999999999999999999", std::nullopt},
                    ParseCase{"ZeroWithHugeExponent", "0e99999999999", 0.0},
                    ParseCase{"LongDigits", std::string(400, '9'), std::nullopt},
                    ParseCase{"NonAscii", "４０", std::nullopt}, ParseCase{"CommaLocale", "12,5", 12.5, kCommaDecimal},
                    ParseCase{"CommaLocaleRejectsPoint", "12.5", std::nullopt, kCommaDecimal}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct LeadingCase {
    const char* name;
    std::string text;
    double expected;
};
void PrintTo(const LeadingCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LeadingNumberTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsAsFarAsANumberGoes) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(LeadingCase{"Plain", "-12.5", -12.5}, LeadingCase{"TrailingText", "40abc", 40.0},
                    LeadingCase{"LeadingBlanks", "  7", 7.0}, LeadingCase{"BlankEndsNumber", "1 2", 1.0},
                    LeadingCase{"BlankAfterSign", "- 5", 0.0}, LeadingCase{"NoNumber", "abc", 0.0},
                    LeadingCase{"Empty", "", 0.0}, LeadingCase{"IncompleteExponent", "5e", 5.0},
                    LeadingCase{"Exponent", "1e2x", 100.0}, LeadingCase{"SecondPointEnds", "1.5.5", 1.5},
                    LeadingCase{"Overflow", "1e999", std::numeric_limits<double>::max()},
                    LeadingCase{"NegativeOverflow", "-1e999", -std::numeric_limits<double>::max()}),
    [](const testing::TestParamInfo<LeadingCase>& info) { return std::string(info.param.name); });

TEST(SingleRange, ValuesBeyondASingleDoNotFit) {
    EXPECT_TRUE(FitsSingle(3.4028234e38));
    EXPECT_TRUE(FitsSingle(-kSingleLimit));
    EXPECT_FALSE(FitsSingle(1e39));
    EXPECT_FALSE(FitsSingle(-1e39));
    EXPECT_FALSE(FitsSingle(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(FitsSingle(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(ToSingle(1e39), std::nullopt);
    EXPECT_EQ(ToSingle(0.1), 0.1f);
    EXPECT_EQ(ToSingleSaturated(1e39), std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingleSaturated(-1e39), -std::numeric_limits<float>::max());
}

struct FormatCase {
    const char* name;
    double value;
    std::string_view pattern;
    std::string expected;
    NumberLocale locale = {};
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " as " << c.pattern;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, Shows) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern, c.locale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberTest,
    testing::Values(FormatCase{"Capacity", 12345.678, kCapacityPattern, "12,345.68"},
                    FormatCase{"CapacityBelowOne", 0.5, kCapacityPattern, ".50"},
                    FormatCase{"CapacityZero", 0.0, kCapacityPattern, ".00"},
                    FormatCase{"CapacityMillions", 1234567.0, kCapacityPattern, "1,234,567.00"},
                    FormatCase{"CapacityEveryDigitPrints", 123456789012.0, kCapacityPattern, "123,456,789,012.00"},
                    FormatCase{"Loading", 1234.56, kLoadingPattern, "1,234.6"},
                    FormatCase{"LoadingBelowOne", 0.5, kLoadingPattern, ".5"},
                    FormatCase{"LoadingZero", 0.0, kLoadingPattern, ".0"},
                    FormatCase{"OneDecimalNoGrouping", 1234.56, kOneDecimalPattern, "1234.6"},
                    FormatCase{"Temperature", 4.444444, kOneDecimalPattern, "4.4"},
                    FormatCase{"NegativeTemperature", -40.0, kOneDecimalPattern, "-40.0"},
                    FormatCase{"NegativeRoundsToZero", -0.04, kOneDecimalPattern, "-.0"},
                    FormatCase{"NegativeZero", -0.0, kOneDecimalPattern, ".0"},
                    FormatCase{"NegativeBelowOne", -0.5, kCapacityPattern, "-.50"},
                    FormatCase{"NegativeGrouped", -12345.678, kCapacityPattern, "-12,345.68"},
                    FormatCase{"TieRoundsAwayFromZero", 0.125, kCapacityPattern, ".13"},
                    FormatCase{"TieRoundsAwayFromZeroOneDecimal", 0.25, kOneDecimalPattern, ".3"},
                    FormatCase{"NegativeTie", -2.25, kOneDecimalPattern, "-2.3"},
                    FormatCase{"TieCarries", 9.995 + 0.0, kCapacityPattern, "9.99"}, // 9.995 is below the tie
                    FormatCase{"TieCarriesIntoIntegerPart", 99.875, kCapacityPattern, "99.88"},
                    FormatCase{"TieCarriesThroughNines", 999.9375, "###.000", "999.938"},
                    FormatCase{"SingleWidenedExactly", static_cast<double>(0.45f), kOneDecimalPattern, ".4"},
                    FormatCase{"PressureDrop", 2.0689655, kPressureDropPattern, "2.1"},
                    FormatCase{"Entry", 3024.0, kEntryPattern, "3024.00"},
                    FormatCase{"WideEntry", 3024.0, kWideEntryPattern, "3024.00"},
                    FormatCase{"Infinity", std::numeric_limits<double>::infinity(), kCapacityPattern, ""},
                    FormatCase{"NaN", std::numeric_limits<double>::quiet_NaN(), kCapacityPattern, ""},
                    FormatCase{"CommaLocale", 12345.678, kCapacityPattern, "12.345,68", kCommaDecimal},
                    FormatCase{"NarrowNoBreakSpaceGrouping", 1234.5, kLoadingPattern, "1\u202f234,5",
                               NumberLocale{",", "\u202f"}}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatNumber, HugeValuesPrintEveryDigit) {
    const std::string text = FormatNumber(1e300, kOneDecimalPattern);
    EXPECT_EQ(text.size(), 303u);
    EXPECT_EQ(text.substr(0, 2), "10");
    EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

} // namespace
} // namespace korveld

namespace korveld {
namespace {

// Rounds the exact decimal expansion of a value half away from zero, as a reference for FormatNumber.
std::string referenceDigits(double value, int decimals) {
    char exact[128];
    std::snprintf(exact, sizeof exact, "%.60f", std::fabs(value)); // exact for the values drawn below
    std::string digits(exact);
    const std::size_t point = digits.find('.');
    const bool roundUp = digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    digits.resize(point + 1 + static_cast<std::size_t>(decimals));
    if (roundUp) {
        for (std::size_t i = digits.size(); i-- > 0;) {
            if (digits[i] == '.') {
                continue;
            }
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) {
                digits.insert(0, "1");
            }
        }
    }
    if (digits.substr(0, 2) == "0.") {
        digits.erase(0, 1);
    }
    return (value < 0 ? "-" : "") + digits;
}

TEST(ParseNumber, AgreesWithTheCLibraryOnShortDecimals) {
    std::mt19937 random(61206);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 17);
    std::uniform_int_distribution<int> point(0, 18);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int digits = length(random);
        const int pointAt = point(random);
        for (int d = 0; d < digits; ++d) {
            if (d == pointAt) {
                text += '.';
            }
            text += static_cast<char>('0' + digit(random));
        }
        if (i % 3 == 0) {
            text += "e" + std::to_string(exponent(random));
        }
        const std::optional<double> value = ParseNumber(text);
        ASSERT_TRUE(value.has_value()) << text;
        ASSERT_EQ(*value, std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(FormatNumber, AgreesWithTheExactDecimalExpansionOfSingles) {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> exponent(-3.0, 7.0);
    for (int i = 0; i < 20000; ++i) {
        const auto single = static_cast<float>(std::pow(10.0, exponent(random)) * (i % 2 != 0 ? -1 : 1));
        const double value = single;
        ASSERT_EQ(FormatNumber(value, "###.00"), referenceDigits(value, 2)) << value;
        ASSERT_EQ(FormatNumber(value, "###.0"), referenceDigits(value, 1)) << value;
    }
}

} // namespace
} // namespace korveld
