// The library conversions against this build's C++ library (libstdc++'s floating std::to_chars and
// std::from_chars, which the browser build's library lacks): the same bytes and the same values.
#include "engine/float_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace korveld {
namespace {

using Buffer = std::array<char, 512>;

std::string text(const Buffer& buffer, std::to_chars_result result) {
    EXPECT_EQ(result.ec, std::errc{});
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

template <typename Float>
Float fromBits(std::uint64_t bits) {
    Float value{};
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(FloatTextTest, ShortestSinglesAsTheStandardLibraryWritesThem) {
    const float cases[] = {1.5f,      0.1f,    100000.0f,     123456792.0f, 16777216.0f,
                           1e20f,     0.0001f, 3.4028235e38f, 1e-45f,       1.17549435e-38f,
                           14840.07f, -2.5f,   0.0f,          -0.0f,        std::numeric_limits<float>::infinity()};
    std::mt19937_64 random(7);
    Buffer expected{};
    Buffer ours{};
    for (int i = 0; i < 200000; ++i) {
        const float value = i < static_cast<int>(std::size(cases)) ? cases[i]
                            : i % 2 == 0
                                ? fromBits<float>(random() & 0xffffffffu)
                                : static_cast<float>(random() % 10000000) / static_cast<float>(1 + random() % 1000);
        if (std::isnan(value)) {
            continue;
        }
        const std::string want =
            text(expected, std::to_chars(expected.data(), expected.data() + expected.size(), value));
        ASSERT_EQ(text(ours, WriteShortest(ours.data(), ours.data() + ours.size(), value)), want);
    }
}

TEST(FloatTextTest, GeneralAndFixedDigitsAsTheStandardLibraryRoundsThem) {
    std::mt19937_64 random(11);
    Buffer expected{};
    Buffer ours{};
    for (int i = 0; i < 100000; ++i) {
        // Random bit patterns, and binary fractions that put exact ties at the last digit.
        const double value =
            i % 2 == 0 ? fromBits<double>(random())
                       : static_cast<double>(random() % 100000000000) / static_cast<double>(1 << (random() % 12));
        if (!std::isfinite(value)) {
            continue;
        }
        const int precision = 1 + static_cast<int>(random() % 17);
        ASSERT_EQ(text(ours, WriteGeneral(ours.data(), ours.data() + ours.size(), value, precision)),
                  text(expected, std::to_chars(expected.data(), expected.data() + expected.size(), value,
                                               std::chars_format::general, precision)));
        if (std::fabs(value) < 1e300) {
            const int decimals = static_cast<int>(random() % 8);
            ASSERT_EQ(text(ours, WriteFixed(ours.data(), ours.data() + ours.size(), value, decimals)),
                      text(expected, std::to_chars(expected.data(), expected.data() + expected.size(), value,
                                                   std::chars_format::fixed, decimals)));
        }
    }
}

TEST(FloatTextTest, TooLittleRoomIsReported) {
    std::array<char, 4> small{};
    EXPECT_EQ(WriteShortest(small.data(), small.data() + small.size(), 123456.0f).ec, std::errc::value_too_large);
    EXPECT_EQ(WriteGeneral(small.data(), small.data() + small.size(), 1.0 / 3.0, 15).ec, std::errc::value_too_large);
    EXPECT_EQ(WriteFixed(small.data(), small.data() + small.size(), 12345.0, 2).ec, std::errc::value_too_large);
}

template <typename Float>
void expectReadAsStandardLibrary(std::string_view decimal) {
    Float expected = 7;
    Float ours = 7;
    const auto want = std::from_chars(decimal.data(), decimal.data() + decimal.size(), expected);
    const auto got = ReadDecimal(decimal.data(), decimal.data() + decimal.size(), ours);
    EXPECT_EQ(got.ec, want.ec) << decimal;
    EXPECT_EQ(got.ptr, want.ptr) << decimal;
    EXPECT_EQ(ours, expected) << decimal;
    EXPECT_EQ(std::signbit(ours), std::signbit(expected)) << decimal;
}

TEST(FloatTextTest, ReadsAsTheStandardLibraryReads) {
    // Out of range both ways, subnormals, the edges of a Single, a stop at the first foreign character.
    const std::string_view cases[] = {"1e-40",
                                      "1.4e-45",
                                      "7e-46",
                                      "1e-46",
                                      "0.000",
                                      "-0",
                                      "1e39",
                                      "-1e39",
                                      "1e400",
                                      "1e-400",
                                      "3.4028235e38",
                                      "3.40282357e38",
                                      "1.17549435e-38",
                                      "2.5e-324",
                                      "12.5abc",
                                      "-1e-320",
                                      "123456789012345678901234567890",
                                      "0.1",
                                      "14840.07"};
    for (const std::string_view decimal : cases) {
        expectReadAsStandardLibrary<double>(decimal);
        expectReadAsStandardLibrary<float>(decimal);
    }
    std::mt19937_64 random(13);
    Buffer buffer{};
    for (int i = 0; i < 100000; ++i) {
        const auto value = fromBits<double>(random());
        if (std::isfinite(value)) {
            const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                               std::chars_format::general, 1 + static_cast<int>(random() % 17));
            expectReadAsStandardLibrary<double>({buffer.data(), written.ptr});
            expectReadAsStandardLibrary<float>({buffer.data(), written.ptr});
        }
    }
}

} // namespace
} // namespace korveld
