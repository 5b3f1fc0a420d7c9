#pragma once
// The number and time formats the displays show.
#include "types.h"

#include <string>

namespace core {

// "#0.00": at least one integer digit, two decimals rounded half away from
// zero, no grouping, a leading minus when negative ("0.00", "3725.67", "-100.00").
[[nodiscard]] std::string formatFixed2(double value);

// "00": at least two digits, zero-padded, leading minus ("07", "-01", "123").
[[nodiscard]] std::string formatTwoDigits(Long value);

// "h:mm:ss": a fraction of a day as a time of day to the nearest second,
// hours without a leading zero, whole days dropped ("0:00:59", "23:59:59").
// Raises error 6 for a value that is not finite.
[[nodiscard]] std::string formatHms(double days);

} // namespace core
