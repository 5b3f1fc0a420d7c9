#pragma once
// The computer's clocks.
#include "core/clock.h"

namespace platform {

// The steady reading is the boot-time clock, which counts through suspend;
// "now" is the computer's clock in UTC.
class SystemClock final : public core::Clock {
public:
    [[nodiscard]] double steadySeconds() const override;
    [[nodiscard]] core::Date now() const override;
};

} // namespace platform
