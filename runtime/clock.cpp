#include "clock.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#if HOROLUX_LINUX_DESKTOP
#include <ctime>
#elif defined(_WIN32)
#include <windows.h>
// after windows.h, which it needs
#include <realtimeapiset.h>
#endif

namespace runtime {

namespace {
constexpr double kUnixEpochDay = 25569.0; // 1970-01-01 counted from 1899-12-30

double steadyNow() {
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
} // namespace

Single foldSeconds(double steadySeconds) {
    const double folded = std::fmod(steadySeconds, kSecondsPerDay);
    const auto reading = static_cast<Single>(folded < 0.0 ? folded + kSecondsPerDay : folded);
    return reading >= static_cast<Single>(kSecondsPerDay) ? 0.0F : reading;
}

Single elapsedSeconds(Single start, Single reading) {
    double elapsed = static_cast<double>(reading) - static_cast<double>(start);
    if (reading < start) {
        elapsed += kSecondsPerDay;
    }
    return static_cast<Single>(elapsed);
}

Date dateFromUnixSeconds(double unixSeconds) {
    return kUnixEpochDay + unixSeconds / kSecondsPerDay;
}

Single SystemClock::seconds() const {
    return foldSeconds(steadyNow());
}

Date SystemClock::now() const {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return dateFromUnixSeconds(std::chrono::duration<double>(since).count());
}

FakeClock::FakeClock() : wall_(dateFromUnixSeconds(1772409600.0)) {}

void FakeClock::advance(double seconds) {
    advanceSteady(seconds);
    wall_ += seconds / kSecondsPerDay;
}

void FakeClock::advanceToReading(double reading) {
    const double day = std::floor(steady_ / kSecondsPerDay) * kSecondsPerDay;
    double target = day + reading;
    if (target < steady_) {
        target += kSecondsPerDay;
    }
    advance(target - steady_);
}

void FakeClock::advanceSteady(double seconds) {
    if (!(seconds >= 0.0)) {
        throw std::invalid_argument("the steady clock never moves backwards");
    }
    steady_ += seconds;
}

void FakeClock::moveWall(double seconds) {
    wall_ += seconds / kSecondsPerDay;
}

} // namespace runtime
