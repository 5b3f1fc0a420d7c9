#include "format.h"

#include "errors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace core {

namespace {
constexpr double kExactIntegerLimit = 9007199254740992.0; // 2^53

void appendUnsigned(std::string& out, std::uint64_t value, int minDigits) {
    std::array<char, 24> digits{};
    auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    (void)ec; // 24 characters hold any 64-bit number
    const auto count = static_cast<int>(end - digits.data());
    out.append(static_cast<std::size_t>(minDigits > count ? minDigits - count : 0), '0');
    out.append(digits.data(), end);
}
} // namespace

std::string formatFixed2(double value) {
    std::string out;
    // A Single times 100 is exact in a double, so the tie test below sees the
    // real value; std::round breaks ties away from zero.
    const double hundredths = std::round(value * 100.0);
    if (std::fabs(hundredths) < kExactIntegerLimit) {
        const auto whole = static_cast<std::int64_t>(hundredths);
        const std::uint64_t magnitude =
            whole < 0 ? static_cast<std::uint64_t>(-whole) : static_cast<std::uint64_t>(whole);
        if (whole < 0) {
            out.push_back('-');
        }
        appendUnsigned(out, magnitude / 100, 1);
        out.push_back('.');
        appendUnsigned(out, magnitude % 100, 2);
        return out;
    }
    if (!std::isfinite(value)) {
        raise(ErrorNumber::Overflow);
    }
    std::array<char, 400> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, 2);
    (void)ec; // 400 characters hold any double with two decimals
    out.assign(buffer.data(), end);
    return out;
}

std::string formatTwoDigits(Long value) {
    std::string out;
    const auto wide = static_cast<std::int64_t>(value);
    if (wide < 0) {
        out.push_back('-');
    }
    appendUnsigned(out, static_cast<std::uint64_t>(wide < 0 ? -wide : wide), 2);
    return out;
}

std::string formatHms(double days) {
    const double allSeconds = std::fabs(days) * kSecondsPerDay;
    if (!std::isfinite(allSeconds)) {
        raise(ErrorNumber::Overflow);
    }
    // Whole seconds of the time of day; rounding first lets a value a hair
    // below a whole second (a Single-narrowed time left) show that second.
    const double seconds = std::fmod(std::round(allSeconds), kSecondsPerDay);
    const auto total = static_cast<std::uint64_t>(seconds);
    std::string out;
    appendUnsigned(out, total / 3600, 1);
    out.push_back(':');
    appendUnsigned(out, total / 60 % 60, 2);
    out.push_back(':');
    appendUnsigned(out, total % 60, 2);
    return out;
}

} // namespace core
