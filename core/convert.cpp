#include "convert.h"

#include "errors.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A numeric token found at the start of a text.
struct Token {
    bool negative = false;
    std::string_view body;    // digits, point, exponent: no sign
    std::size_t end = 0;      // index just past the token in the text
    int decimalMagnitude = 0; // power of ten of the leading significant digit
    bool allZero = true;
};

// Reads [sign] digits [. digits] [e [sign] digits] at the start of the text.
// Returns false when no digit stands in the mantissa.
bool readToken(std::string_view text, Token& token) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        token.negative = text[i] == '-';
        ++i;
    }
    const std::size_t bodyStart = i;
    int intDigits = 0;
    int leadingFractionZeros = 0;
    bool seenSignificant = false;
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        anyDigit = true;
        if (text[i] != '0' || seenSignificant) {
            seenSignificant = true;
            ++intDigits;
        }
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            anyDigit = true;
            if (!seenSignificant) {
                if (text[i] == '0') {
                    ++leadingFractionZeros;
                } else {
                    seenSignificant = true;
                }
            }
            ++i;
        }
    }
    if (!anyDigit) {
        return false;
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (text[j] - '0');
                }
                ++j;
            }
            exponent = expNegative ? -exponent : exponent;
            i = j;
        }
    }
    token.body = text.substr(bodyStart, i - bodyStart);
    token.end = i;
    token.allZero = !seenSignificant;
    token.decimalMagnitude =
        static_cast<int>((intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1)) + exponent);
    return true;
}

TextValue convertToken(const Token& token) {
    TextValue result;
    std::string_view body = token.body;
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (!token.allZero && token.decimalMagnitude > 0) {
            result.overflowed = true;
            magnitude = std::numeric_limits<double>::infinity();
        } else {
            magnitude = 0.0; // too small for a double: it is zero
        }
    } else if (ec != std::errc() || ptr != body.data() + body.size()) {
        magnitude = 0.0; // cannot happen for a token readToken accepted
    }
    result.value = token.negative ? -magnitude : magnitude;
    return result;
}

// The whole text as a number, or error 13.
TextValue wholeNumber(std::string_view text) {
    Token token;
    const std::string_view trimmed = trimBlanks(text);
    if (!readToken(trimmed, token) || token.end != trimmed.size()) {
        raise(ErrorNumber::TypeMismatch);
    }
    return convertToken(token);
}

} // namespace

std::string_view trimBlanks(std::string_view text) noexcept {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

TextValue scanValue(std::string_view text) noexcept {
    Token token;
    if (!readToken(trimBlanks(text), token)) {
        return {};
    }
    return convertToken(token);
}

double valueOfText(std::string_view text) {
    const TextValue v = scanValue(text);
    if (v.overflowed) {
        raise(ErrorNumber::Overflow);
    }
    return v.value;
}

Single toSingle(double value) {
    if (!std::isfinite(value) ||
        std::fabs(value) > static_cast<double>(std::numeric_limits<Single>::max())) {
        raise(ErrorNumber::Overflow);
    }
    return static_cast<Single>(value);
}

double textToDouble(std::string_view text) {
    const TextValue v = wholeNumber(text);
    if (v.overflowed) {
        raise(ErrorNumber::Overflow);
    }
    return v.value;
}

Long textToLong(std::string_view text) {
    return floatToLong(textToDouble(text));
}

Long floatToLong(double value) {
    if (!std::isfinite(value)) {
        raise(ErrorNumber::Overflow);
    }
    // std::nearbyint rounds in the current mode; the program never changes it
    // from round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Long>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Long>::max())) {
        raise(ErrorNumber::Overflow);
    }
    return static_cast<Long>(rounded);
}

Integer longToInteger(Long value) {
    if (value < std::numeric_limits<Integer>::min() ||
        value > std::numeric_limits<Integer>::max()) {
        raise(ErrorNumber::Overflow);
    }
    return static_cast<Integer>(value);
}

} // namespace core
