// Floating-point numbers to and from text, the same bytes on every build (desktop, korveld-cli,
// browser): {fmt} writes them correctly rounded, fast_float reads them exactly. The calls take the
// shape of std::to_chars and std::from_chars, whose floating forms not every C++ library has.
#pragma once

#include <charconv>

namespace korveld {

// The shortest text that reads back to the Single, in fixed or scientific form, whichever is
// shorter (fixed on a tie); an integer in fixed form prints exactly (123456792, not 123456790).
std::to_chars_result WriteShortest(char* first, char* last, float value);
// As printf's %.{precision}g: that many significant digits, trailing zeros dropped.
std::to_chars_result WriteGeneral(char* first, char* last, double value, int precision);
// As printf's %.{decimals}f: the exact binary value rounded to that many decimals.
std::to_chars_result WriteFixed(char* first, char* last, double value, int decimals);

// A decimal number in fixed or scientific form (an optional '-', no '+', no blanks), read to the
// nearest value. A number beyond the type's range, or one that is not zero but rounds to zero,
// gives result_out_of_range and leaves `value` as it was.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value);
std::from_chars_result ReadDecimal(const char* first, const char* last, float& value);

} // namespace korveld
