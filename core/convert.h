#pragma once
// Conversions between texts and numbers. Numbers are read and written with "."
// as the decimal point whatever the user's locale.
#include "types.h"

#include <string_view>

namespace core {

// The number that begins a text: optional blanks, sign, digits, a point and
// more digits, an exponent. No "inf", "nan" or hex. A text that does not begin
// with a number is 0. "-0" is a negative zero.
struct TextValue {
    double value = 0.0;      // +/-infinity when overflowed, carrying the sign
    bool overflowed = false; // beyond the range of a double
};
[[nodiscard]] TextValue scanValue(std::string_view text) noexcept;

// The value of a text as above; a value beyond a double's range raises
// error 6 instead of becoming infinite.
[[nodiscard]] double valueOfText(std::string_view text);

// Narrows to a Single; raises error 6 for a value that does not fit (and for
// a non-finite one).
[[nodiscard]] Single toSingle(double value);

// The text without the blanks (spaces and tabs) at either end.
[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

// A whole text that is a number (blanks around it allowed), or error 13.
// Beyond a double's range: error 6.
[[nodiscard]] double textToDouble(std::string_view text);

// As textToDouble, rounded to the nearest whole number (halves to even);
// error 6 beyond a Long.
[[nodiscard]] Long textToLong(std::string_view text);

// Nearest whole number, halves to even; error 6 beyond a Long or not finite.
[[nodiscard]] Long floatToLong(double value);

// Error 6 outside -32768..32767.
[[nodiscard]] Integer longToInteger(Long value);

} // namespace core
