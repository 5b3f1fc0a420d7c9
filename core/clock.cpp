#include "clock.h"

#include <cmath>

namespace core {

Single Clock::seconds() const {
    return foldSeconds(steadySeconds());
}

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

double elapsedRun(Single start, Single reading, double steadyStart, double steadyReading) {
    const auto withinDay = static_cast<double>(elapsedSeconds(start, reading));
    // What the fold took away is a whole number of days, give or take the
    // rounding of the folded readings.
    const double days = std::round((steadyReading - steadyStart - withinDay) / kSecondsPerDay);
    return days > 0.0 ? withinDay + days * kSecondsPerDay : withinDay;
}

Date dateFromUnixSeconds(double unixSeconds) {
    return kUnixEpochDay + unixSeconds / kSecondsPerDay;
}

} // namespace core
