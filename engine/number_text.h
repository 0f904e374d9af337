// Numbers as the user types them and as the worksheets show them: the "is a number" test, the
// leading-number value of a text, the Single range, and the display patterns ("###,###.00" ...).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korveld {

// Decimal and grouping characters of the user's locale (UTF-8; a grouping character may be more
// than one byte, as the narrow no-break space of some locales).
struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";
};

// The whole text is one number: blanks (spaces, tabs) around it, an optional sign, digits with at
// most one decimal character and at least one digit, an optional exponent e/E with an optional sign
// and at least one digit. No grouping, hex, inf, nan or D exponent; nothing beyond a double's range
// (a value too small for a double reads as zero).
std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale = {});
bool IsNumber(std::string_view text, const NumberLocale& locale = {});

// The number at the start of a text: leading blanks skipped, then a sign, digits, one decimal
// character and an exponent read as far as they form a number; 0 when there is none. A blank inside
// ends the number ("- 5" gives 0). Beyond a double's range it saturates to the largest double.
double LeadingNumber(std::string_view text, const NumberLocale& locale = {});

// Largest magnitude that is stored as a Single; anything beyond it is out of range.
inline constexpr double kSingleLimit = 3.4028235e38;
bool FitsSingle(double value);
// The value stored as a Single; nullopt when it does not fit.
std::optional<float> ToSingle(double value);
// The value stored as a Single, saturated to the largest Single when it does not fit.
float ToSingleSaturated(double value);

// Display patterns. `#` prints a digit only where needed (no leading zero before the decimal
// character), `0` after the decimal character always prints, a comma asks for digit grouping.
inline constexpr std::string_view kCapacityPattern = "###,###.00";
inline constexpr std::string_view kLoadingPattern = "#,###.0";
inline constexpr std::string_view kOneDecimalPattern = "###.0";
inline constexpr std::string_view kPressureDropPattern = "####.0";
inline constexpr std::string_view kEntryPattern = "#######.00";
inline constexpr std::string_view kWideEntryPattern = "########.00";

// Rounds half away from zero on the exact binary value; every integer digit prints; a negative value
// that rounds to zero keeps its minus sign ("-.0"). A value that is not finite gives the empty text.
std::string FormatNumber(double value, std::string_view pattern, const NumberLocale& locale = {});

} // namespace korveld
