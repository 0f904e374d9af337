#include "float_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <fast_float/fast_float.h>
#include <fmt/format.h>
#include <string_view>
#include <system_error>
#include <utility>

namespace korveld {
namespace {

template <typename... Args>
std::to_chars_result writeFormatted(char* first, char* last, fmt::format_string<Args...> format, Args&&... args) {
    const auto room = static_cast<std::size_t>(last - first);
    const auto written = fmt::format_to_n(first, room, format, std::forward<Args>(args)...);
    if (written.size > room) {
        return {last, std::errc::value_too_large};
    }
    return {written.out, std::errc{}};
}

std::to_chars_result copyText(char* first, char* last, std::string_view text) {
    if (text.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    return {std::copy(text.begin(), text.end(), first), std::errc{}};
}

// The shortest round-trip digits of a positive Single and the power of ten of the first of them.
struct ShortestDigits {
    std::array<char, 16> digits{};
    int count = 0;
    int exponent = 0;
};

ShortestDigits shortestDigitsOf(float magnitude) {
    // {fmt}'s shortest form, fixed or scientific in its own choice, taken apart.
    std::array<char, 64> text{};
    char* const end = fmt::format_to_n(text.data(), text.size(), "{}", magnitude).out;
    const std::string_view shortest(text.data(), static_cast<std::size_t>(end - text.data()));
    const std::size_t e = shortest.find('e');
    const std::string_view mantissa = shortest.substr(0, e);
    ShortestDigits result;
    int point = static_cast<int>(std::min(mantissa.find('.'), mantissa.size()));
    for (const char c : mantissa) {
        if (c == '.') {
            continue;
        }
        if (result.count == 0 && c == '0') {
            --point;
            continue;
        }
        result.digits[static_cast<std::size_t>(result.count++)] = c;
    }
    while (result.count > 1 && result.digits[static_cast<std::size_t>(result.count - 1)] == '0') {
        --result.count;
    }
    if (e != std::string_view::npos) {
        const std::string_view exponent = shortest.substr(e + 1);
        int shift = 0;
        std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0), exponent.data() + exponent.size(), shift);
        point += shift;
    }
    result.exponent = point - 1;
    return result;
}

int exponentWidth(int exponent) {
    const int magnitude = std::abs(exponent);
    return magnitude >= 100 ? 3 : 2;
}

template <typename Float>
std::from_chars_result readDecimal(const char* first, const char* last, Float& value) {
    Float read{};
    const auto result = fast_float::from_chars(first, last, read);
    if (result.ec != std::errc{}) {
        return {result.ptr, result.ec};
    }
    const std::string_view text(first, static_cast<std::size_t>(result.ptr - first));
    const bool isNumber = text.find_first_of("0123456789") != std::string_view::npos;
    if (isNumber && std::isinf(read)) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    if (read == Float{0}) {
        const std::string_view significand = text.substr(0, text.find_first_of("eE"));
        if (significand.find_first_of("123456789") != std::string_view::npos) {
            return {result.ptr, std::errc::result_out_of_range};
        }
    }
    value = read;
    return {result.ptr, std::errc{}};
}

} // namespace

std::to_chars_result WriteShortest(char* first, char* last, float value) {
    if (!std::isfinite(value) || value == 0.0f) {
        return writeFormatted(first, last, "{}", value);
    }
    std::array<char, 64> text{};
    char* out = text.data();
    if (std::signbit(value)) {
        *out++ = '-';
    }
    const ShortestDigits shortest = shortestDigitsOf(std::fabs(value));
    const std::string_view digits(shortest.digits.data(), static_cast<std::size_t>(shortest.count));
    const int exponent = shortest.exponent;
    const int scientificLength =
        shortest.count + (shortest.count > 1 ? 1 : 0) + 2 + exponentWidth(exponent); // d.ddde+XX
    const int fixedLength = exponent >= 0
                                ? std::max(shortest.count, exponent + 1) + (shortest.count > exponent + 1 ? 1 : 0)
                                : 1 + 1 + (-exponent - 1) + shortest.count; // 0.000ddd
    if (scientificLength < fixedLength) {
        out = std::copy(digits.begin(), digits.begin() + 1, out);
        if (shortest.count > 1) {
            *out++ = '.';
            out = std::copy(digits.begin() + 1, digits.end(), out);
        }
        out = fmt::format_to(out, "e{}{:02}", exponent < 0 ? '-' : '+', std::abs(exponent));
    } else if (exponent >= shortest.count - 1) {
        // An integer: its exact digits, as long as the shortest digits padded with zeros.
        out = fmt::format_to(out, "{:.0f}", std::fabs(value));
    } else if (exponent >= 0) {
        const std::ptrdiff_t integer = exponent + 1;
        out = std::copy(digits.begin(), digits.begin() + integer, out);
        *out++ = '.';
        out = std::copy(digits.begin() + integer, digits.end(), out);
    } else {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(digits.begin(), digits.end(), out);
    }
    return copyText(first, last, std::string_view(text.data(), static_cast<std::size_t>(out - text.data())));
}

std::to_chars_result WriteGeneral(char* first, char* last, double value, int precision) {
    return writeFormatted(first, last, "{:.{}g}", value, precision);
}

std::to_chars_result WriteFixed(char* first, char* last, double value, int decimals) {
    return writeFormatted(first, last, "{:.{}f}", value, decimals);
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
    return readDecimal(first, last, value);
}

std::from_chars_result ReadDecimal(const char* first, const char* last, float& value) {
    return readDecimal(first, last, value);
}

} // namespace korveld
