#pragma once
// Setting the computer's clock.
#include <cstdint>

namespace runtime {

class ClockSetter {
public:
    ClockSetter() = default;
    ClockSetter(const ClockSetter&) = delete;
    ClockSetter& operator=(const ClockSetter&) = delete;
    virtual ~ClockSetter() = default;

    // Sets the computer's clock to an instant given in microseconds since
    // 1970-01-01 00:00 UTC.
    virtual void setClock(std::int64_t microsecondsUtc) = 0;
};

} // namespace runtime
