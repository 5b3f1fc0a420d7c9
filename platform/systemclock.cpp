#include "systemclock.h"

#include <chrono>

#if HOROLUX_LINUX_DESKTOP
#include <ctime>
#elif defined(_WIN32)
#include <windows.h>
// after windows.h, which it needs
#include <realtimeapiset.h>
#endif

namespace platform {

double bootSeconds() {
#if HOROLUX_LINUX_DESKTOP
    // CLOCK_BOOTTIME keeps counting through suspend, unlike CLOCK_MONOTONIC.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) == 0) {
        return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
    }
#elif defined(_WIN32)
    // The interrupt time counts 100 ns units since boot, sleep included.
    ULONGLONG interruptTime = 0;
    QueryInterruptTimePrecise(&interruptTime);
    return static_cast<double>(interruptTime) * 1e-7;
#endif
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

double SystemClock::steadySeconds() const {
    return bootSeconds();
}

core::Date SystemClock::now() const {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return core::dateFromUnixSeconds(std::chrono::duration<double>(since).count());
}

} // namespace platform
