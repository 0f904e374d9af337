#include "number_text.h"

#include "float_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace korveld {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// One number read from a position of a text: where its digits are, and their value as one integer
// while no more than 15 of them are significant.
struct NumberScan {
    bool found = false; // at least one digit before the exponent
    bool negative = false;
    std::string_view integer;  // digits before the decimal character
    std::string_view fraction; // digits after it
    bool hasPoint = false;     // the decimal character belongs to the number
    long long exponent = 0;    // saturated far beyond a double's range
    int magnitude = 0;         // decimal position of the first significant digit, exponent included
    int significant = 0;       // digits from the first one that is not zero
    std::uint64_t digits = 0;  // the digits read, while significant <= 15
    std::size_t end = 0;       // position after the number

    bool allZero() const { return significant == 0; }
};

constexpr int kExactDigits = 15;

// Reads digits from `pos`; returns the position after them.
std::size_t readDigits(std::string_view text, std::size_t pos, NumberScan& scan) {
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const auto digit = static_cast<std::uint64_t>(text[pos] - '0');
        if (scan.significant > 0 || digit != 0) {
            ++scan.significant;
        }
        if (scan.significant <= kExactDigits) {
            scan.digits = scan.digits * 10 + digit;
        }
    }
    return pos;
}

NumberScan scanNumber(std::string_view text, std::size_t pos, const NumberLocale& locale) {
    NumberScan scan;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        scan.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t integerEnd = readDigits(text, pos, scan);
    scan.integer = text.substr(pos, integerEnd - pos);
    const int integerSignificant = scan.significant;
    pos = integerEnd;
    const std::string_view decimal = locale.decimal;
    if (!decimal.empty() && text.substr(pos, decimal.size()) == decimal) {
        const std::size_t after = pos + decimal.size();
        NumberScan fraction = scan;
        const std::size_t fractionEnd = readDigits(text, after, fraction);
        if (!scan.integer.empty() || fractionEnd > after) {
            scan = fraction;
            scan.fraction = text.substr(after, fractionEnd - after);
            scan.hasPoint = true;
            pos = fractionEnd;
        }
    }
    scan.found = !scan.integer.empty() || !scan.fraction.empty();
    if (!scan.found) {
        return scan;
    }
    // Significant digits before the decimal character, or the zeros that lead the fraction.
    long long firstDigit = integerSignificant;
    if (integerSignificant == 0) {
        const std::size_t firstFractionDigit = scan.fraction.find_first_not_of('0');
        firstDigit = -static_cast<long long>(firstFractionDigit == std::string_view::npos ? scan.fraction.size()
                                                                                          : firstFractionDigit);
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
    scan.magnitude = static_cast<int>(std::clamp(firstDigit + scan.exponent, -2'000'000'000LL, 2'000'000'000LL));
    return scan;
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most typed numbers have at most 15 significant digits and a small exponent: their digits and the
// power of ten are both exact doubles, so one multiplication or division rounds correctly.
std::optional<double> exactShortValue(const NumberScan& scan) {
    if (scan.significant > kExactDigits) {
        return std::nullopt;
    }
    const long long exponent = scan.exponent - static_cast<long long>(scan.fraction.size());
    if (exponent < -22 || exponent > 22) {
        return std::nullopt;
    }
    const auto value = static_cast<double>(scan.digits);
    return exponent >= 0 ? value * kExactPowersOfTen[exponent] : value / kExactPowersOfTen[-exponent];
}

// The common case in one pass: an optional sign, at most 15 digits with one optional decimal
// character, no blanks and no exponent. Anything else is left to the full reading (nullopt).
std::optional<double> plainShortNumber(std::string_view text, const NumberLocale& locale) {
    if (text.empty() || text.size() > 17 || locale.decimal.size() != 1) {
        return std::nullopt;
    }
    const char decimal = locale.decimal[0];
    std::size_t pos = 0;
    const bool negative = text[0] == '-';
    if (negative || text[0] == '+') {
        ++pos;
    }
    std::uint64_t digits = 0;
    int count = 0;
    int fractionDigits = 0;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
            fractionDigits += point ? 1 : 0;
        } else if (c == decimal && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > kExactDigits) {
        return std::nullopt;
    }
    const double value = static_cast<double>(digits) / kExactPowersOfTen[fractionDigits];
    return negative ? -value : value;
}

// The value of a scanned number; nullopt when it lies beyond a double's range.
std::optional<double> valueOf(const NumberScan& scan) {
    if (scan.allZero()) {
        return scan.negative ? -0.0 : 0.0;
    }
    if (const std::optional<double> value = exactShortValue(scan)) {
        return scan.negative ? -*value : *value;
    }
    // Long or far-out numbers: the C form that ReadDecimal takes.
    std::string form(scan.integer);
    if (scan.hasPoint) {
        form += '.';
        form += scan.fraction;
    }
    if (scan.exponent != 0) {
        form += 'e';
        form += std::to_string(scan.exponent);
    }
    double value = 0.0;
    const auto [ptr, ec] = ReadDecimal(form.data(), form.data() + form.size(), value);
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

// Room for every digit of the largest double and its decimals, with one place in front for a carry.
using DigitBuffer = std::array<char, 512>;

// The digits before and after the decimal character; the integer part has at least one digit.
struct FixedDigits {
    std::string_view integer;
    std::string_view fraction;
    bool hasPoint = false;
};

FixedDigits splitAtPoint(std::string_view digits) {
    const std::size_t point = digits.find('.');
    if (point == std::string_view::npos) {
        return {digits, {}, false};
    }
    return {digits.substr(0, point), digits.substr(point + 1), true};
}

// Digits of a magnitude below 2^53 with at most three decimals, rounded half away from zero, worked in
// integers: magnitude = M·2^E exactly, and M·10^d stays below 2^63.
std::optional<FixedDigits> fixedDigitsExact(double magnitude, int decimals, DigitBuffer& buffer) {
    if (decimals > 3 || !(magnitude < 9007199254740992.0)) {
        return std::nullopt;
    }
    // magnitude = mantissa·2^-shift exactly, from the bits of the double.
    // (memcpy: the browser build's C++ library has no std::bit_cast)
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int shift = 1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        shift = 1075 - biased;
    }
    std::uint64_t scaled = mantissa;
    for (int i = 0; i < decimals; ++i) {
        scaled *= 10;
    }
    std::uint64_t rounded = 0;
    if (shift <= 0) {
        rounded = scaled << -shift;
    } else if (shift < 64) {
        rounded = (scaled >> shift) + ((scaled >> (shift - 1)) & 1u);
    } else {
        rounded = 0; // far below half of the last decimal
    }
    std::array<char, 24> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), rounded);
    const auto count = static_cast<std::size_t>(written.ptr - digits.data());
    const auto places = static_cast<std::size_t>(decimals);
    // At least one digit before the decimal character.
    const std::size_t zeros = count <= places ? places + 1 - count : 0;
    char* out = buffer.data();
    for (std::size_t i = 0; i < zeros; ++i) {
        out[i] = '0';
    }
    for (std::size_t i = 0; i < count; ++i) {
        out[zeros + i] = digits[i];
    }
    const std::size_t integer = zeros + count - places;
    return FixedDigits{std::string_view(out, integer), std::string_view(out + integer, places), places > 0};
}

// Digits of |value| with `decimals` decimals, rounded half away from zero on the exact binary value.
FixedDigits fixedDigits(double magnitude, int decimals, DigitBuffer& buffer) {
    if (const std::optional<FixedDigits> digits = fixedDigitsExact(magnitude, decimals, buffer)) {
        return *digits;
    }
    char* const first = buffer.data() + 1; // buffer[0] takes a carry out of the first digit
    char* const last = buffer.data() + buffer.size();
    // An exact tie at this many decimals is an odd multiple of 2^-(decimals+1); printf-style
    // conversion rounds those to even, so they are rounded up here by hand.
    const double scaled = std::ldexp(magnitude, decimals + 1);
    const bool tie = scaled < 9007199254740992.0 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
    if (!tie) {
        const auto result = WriteFixed(first, last, magnitude, decimals);
        return splitAtPoint(std::string_view(first, static_cast<std::size_t>(result.ptr - first)));
    }
    const auto result = WriteFixed(first, last, magnitude, decimals + 1);
    std::size_t length = static_cast<std::size_t>(result.ptr - first) - 1; // drop the final 5
    if (length > 0 && first[length - 1] == '.') {
        --length;
    }
    for (std::size_t i = length; i-- > 0;) {
        if (first[i] == '.') {
            continue;
        }
        if (first[i] != '9') {
            ++first[i];
            return splitAtPoint(std::string_view(first, length));
        }
        first[i] = '0';
    }
    buffer[0] = '1';
    return splitAtPoint(std::string_view(buffer.data(), length + 1));
}

} // namespace

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
    if (const std::optional<double> value = plainShortNumber(text, locale)) {
        return value;
    }
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
    DigitBuffer buffer;
    const FixedDigits digits = fixedDigits(std::fabs(value), p.decimals, buffer);
    std::string_view integer = digits.integer;
    if (integer.size() == 1 && integer[0] == '0') {
        integer = {};
    }
    const std::string_view group = locale.group;
    const std::string_view decimal = locale.decimal;
    const bool minus = std::signbit(value) && value != 0.0;
    const std::size_t groups = p.grouping && !integer.empty() ? (integer.size() - 1) / 3 : 0;
    const std::size_t size = (minus ? 1 : 0) + integer.size() + groups * group.size() +
                             (digits.hasPoint ? decimal.size() + digits.fraction.size() : 0);

    std::string text(size, '-');
    char* out = text.data() + (minus ? 1 : 0);
    const auto put = [&out](std::string_view part) {
        for (char c : part) {
            *out++ = c;
        }
    };
    // Digits before the first group separator, then groups of three.
    std::size_t untilGroup = groups > 0 ? integer.size() - 3 * groups : integer.size();
    for (char digit : integer) {
        if (untilGroup-- == 0) {
            put(group);
            untilGroup = 2;
        }
        *out++ = digit;
    }
    if (digits.hasPoint) {
        put(decimal);
        put(digits.fraction);
    }
    return text;
}

} // namespace korveld
