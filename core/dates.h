#pragma once
// Date arithmetic on day counts.
#include "types.h"

namespace core {

// A date plus a number of seconds, fractions kept.
[[nodiscard]] Date addSeconds(Date date, double seconds);

// later - earlier in days, narrowed to a Single (error 6 if it does not fit).
[[nodiscard]] Single differenceInDays(Date later, Date earlier);

} // namespace core
