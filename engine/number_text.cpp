#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace korveld {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One number read from a position of a text, in the C form that std::from_chars takes.
struct NumberScan {
    bool found = false; // at least one digit before the exponent
    bool negative = false;
    std::string mantissa;   // digits with '.' as the decimal character, no sign
    long long exponent = 0; // saturated far beyond a double's range
    int magnitude = 0;      // decimal position of the first significant digit, exponent included
    bool allZero = true;
    std::size_t end = 0; // position after the number
};

NumberScan scanNumber(std::string_view text, std::size_t pos, const NumberLocale& locale) {
    NumberScan scan;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        scan.negative = text[pos] == '-';
        ++pos;
    }
    int integerDigits = 0; // significant digits before the decimal character
    int leadingFractionZeros = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        scan.mantissa += text[pos];
        if (text[pos] != '0' || integerDigits > 0) {
            ++integerDigits;
        }
    }
    scan.found = !scan.mantissa.empty();
    if (!locale.decimal.empty() && text.substr(pos, locale.decimal.size()) == locale.decimal) {
        std::size_t after = pos + locale.decimal.size();
        std::string fraction;
        bool significant = integerDigits > 0;
        for (; after < text.size() && isDigit(text[after]); ++after) {
            fraction += text[after];
            if (text[after] != '0') {
                significant = true;
            } else if (!significant) {
                ++leadingFractionZeros;
            }
        }
        if (scan.found || !fraction.empty()) {
            scan.mantissa += '.';
            scan.mantissa += fraction;
            scan.found = true;
            pos = after;
        }
    }
    if (!scan.found) {
        return scan;
    }
    for (char c : scan.mantissa) {
        if (isDigit(c) && c != '0') {
            scan.allZero = false;
        }
    }
    scan.end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t e = pos + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            negativeExponent = text[e] == '-';
            ++e;
        }
        if (e < text.size() && isDigit(text[e])) {
            long long value = 0;
            for (; e < text.size() && isDigit(text[e]); ++e) {
                value = std::min(value * 10 + (text[e] - '0'), 1'000'000'000LL);
            }
            scan.exponent = negativeExponent ? -value : value;
            scan.end = e;
        }
    }
    const long long firstDigit = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    scan.magnitude = static_cast<int>(std::clamp(firstDigit + scan.exponent, -2'000'000'000LL, 2'000'000'000LL));
    return scan;
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most typed numbers have at most 15 significant digits and a small exponent: their digits and the
// power of ten are both exact doubles, so one multiplication or division rounds correctly.
std::optional<double> exactShortValue(const NumberScan& scan) {
    std::uint64_t digits = 0;
    int significant = 0;
    long long exponent = scan.exponent;
    bool afterPoint = false;
    for (char c : scan.mantissa) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (significant > 0 || c != '0') {
            if (++significant > 15) {
                return std::nullopt;
            }
        }
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        exponent -= afterPoint ? 1 : 0;
    }
    if (exponent < -22 || exponent > 22) {
        return std::nullopt;
    }
    const double value = static_cast<double>(digits);
    return exponent >= 0 ? value * kExactPowersOfTen[exponent] : value / kExactPowersOfTen[-exponent];
}

// The value of a scanned number; nullopt when it lies beyond a double's range.
std::optional<double> valueOf(const NumberScan& scan) {
    if (scan.allZero) {
        return scan.negative ? -0.0 : 0.0;
    }
    if (const std::optional<double> value = exactShortValue(scan)) {
        return scan.negative ? -*value : *value;
    }
    std::string form = scan.mantissa;
    if (scan.exponent != 0) {
        form += 'e';
        form += std::to_string(scan.exponent);
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(form.data(), form.data() + form.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (scan.magnitude > 0) {
            return std::nullopt;
        }
        value = 0.0; // too small for a double
    } else if (ec != std::errc{} || ptr != form.data() + form.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return scan.negative ? -value : value;
}

struct Pattern {
    int decimals = 0;
    bool grouping = false;
};

Pattern parsePattern(std::string_view pattern) {
    Pattern p;
    const std::size_t point = pattern.find('.');
    p.grouping = pattern.substr(0, point).find(',') != std::string_view::npos;
    if (point != std::string_view::npos) {
        for (char c : pattern.substr(point + 1)) {
            p.decimals += (c == '0' || c == '#') ? 1 : 0;
        }
    }
    return p;
}

// Digits of a magnitude below 2^53 with at most three decimals, rounded half away from zero, worked in
// integers: magnitude = M·2^E exactly, and M·10^d stays below 2^63.
std::optional<std::string> fixedDigitsExact(double magnitude, int decimals) {
    if (decimals > 3 || !(magnitude < 9007199254740992.0)) {
        return std::nullopt;
    }
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent); // magnitude = fraction·2^exponent
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // magnitude = mantissa·2^-shift
    std::uint64_t scaled = mantissa;
    for (int i = 0; i < decimals; ++i) {
        scaled *= 10;
    }
    std::uint64_t rounded = 0;
    if (shift <= 0) {
        rounded = scaled << -shift;
    } else if (shift < 64) {
        rounded = (scaled >> shift) + (((scaled >> (shift - 1)) & 1u) ? 1u : 0u);
    } else {
        rounded = 0; // far below half of the last decimal
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded);
    std::string digits(buffer, result.ptr);
    if (decimals == 0) {
        return digits;
    }
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

// Digits of |value| with `decimals` decimals, rounded half away from zero on the exact binary value.
std::string fixedDigits(double magnitude, int decimals) {
    if (std::optional<std::string> digits = fixedDigitsExact(magnitude, decimals)) {
        return *digits;
    }
    char buffer[400];
    // An exact tie at this many decimals is an odd multiple of 2^-(decimals+1); printf-style
    // conversion rounds those to even, so they are rounded up here by hand.
    const double scaled = std::ldexp(magnitude, decimals + 1);
    const bool tie = scaled < 9007199254740992.0 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
    if (!tie) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
        return std::string(buffer, result.ptr);
    }
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals + 1);
    std::string digits(buffer, result.ptr - 1); // drop the final 5
    if (!digits.empty() && digits.back() == '.') {
        digits.pop_back();
    }
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.') {
            continue;
        }
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

std::string groupDigits(std::string_view integer, std::string_view separator) {
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += integer[i];
    }
    return grouped;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) {
        ++begin;
    }
    const NumberScan scan = scanNumber(text, begin, locale);
    if (!scan.found) {
        return std::nullopt;
    }
    for (std::size_t rest = scan.end; rest < text.size(); ++rest) {
        if (!isBlank(text[rest])) {
            return std::nullopt;
        }
    }
    return valueOf(scan);
}

bool IsNumber(std::string_view text, const NumberLocale& locale) {
    return ParseNumber(text, locale).has_value();
}

double LeadingNumber(std::string_view text, const NumberLocale& locale) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) {
        ++begin;
    }
    const NumberScan scan = scanNumber(text, begin, locale);
    if (!scan.found) {
        return 0.0;
    }
    if (const std::optional<double> value = valueOf(scan)) {
        return *value;
    }
    const double largest = std::numeric_limits<double>::max();
    return scan.negative ? -largest : largest;
}

bool FitsSingle(double value) {
    return std::isfinite(value) && std::fabs(value) <= kSingleLimit;
}

std::optional<float> ToSingle(double value) {
    if (!FitsSingle(value)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

float ToSingleSaturated(double value) {
    if (std::isnan(value)) {
        return 0.0f;
    }
    if (!FitsSingle(value)) {
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    }
    return static_cast<float>(value);
}

std::string FormatNumber(double value, std::string_view pattern, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Pattern p = parsePattern(pattern);
    const std::string digits = fixedDigits(std::fabs(value), p.decimals);
    const std::size_t point = digits.find('.');
    std::string integer = digits.substr(0, point);
    if (integer == "0") {
        integer.clear();
    }
    std::string text = (std::signbit(value) && value != 0.0) ? "-" : "";
    text += p.grouping ? groupDigits(integer, locale.group) : integer;
    if (point != std::string::npos) {
        text += locale.decimal;
        text += digits.substr(point + 1);
    }
    return text;
}

} // namespace korveld
