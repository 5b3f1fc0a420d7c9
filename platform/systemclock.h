#pragma once
// The computer's clocks.
#include "core/clock.h"

namespace platform {

// Seconds on the boot-time clock: steady, and counting through a suspend
// (where the platform has no such clock, a steady one that may not).
[[nodiscard]] double bootSeconds();

// The steady reading is bootSeconds(); "now" is the computer's clock in UTC.
class SystemClock final : public core::Clock {
public:
    [[nodiscard]] double steadySeconds() const override;
    [[nodiscard]] core::Date now() const override;
};

} // namespace platform
