#pragma once
// The two clock readings the timers use, behind an interface so that tests can
// drive time by hand.
#include "types.h"

namespace core {

class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    // Seconds from a steady clock that keeps counting while the computer
    // sleeps. Never jumps when the computer's clock is set, for summer time or
    // at midnight; its origin is arbitrary.
    [[nodiscard]] virtual double steadySeconds() const = 0;

    // The current date and time in UTC: free of summer-time jumps, but it moves
    // when the computer's clock is set.
    [[nodiscard]] virtual Date now() const = 0;

    // The steady reading folded into one day, [0, 86400): the reading the
    // stopwatch stores.
    [[nodiscard]] Single seconds() const;
};

// Folds a count of steady seconds into [0, 86400): fold in double precision,
// then narrow; a narrowing that rounds up to a whole day reads 0.
[[nodiscard]] Single foldSeconds(double steadySeconds);

// Elapsed seconds between two readings of Clock::seconds(). A reading below the
// start means the fold was passed, so one day is added.
[[nodiscard]] Single elapsedSeconds(Single start, Single reading);

// The whole run between two steady readings, of which `start` and `reading`
// are the folded ones: the elapsed seconds within the day exactly as
// elapsedSeconds() gives them, plus the whole days that the fold hides. Kept
// in double precision, so that hundredths stay right over weeks.
[[nodiscard]] double elapsedRun(Single start, Single reading, double steadyStart,
                                double steadyReading);

// The date of a count of seconds since 1970-01-01 00:00 UTC.
[[nodiscard]] Date dateFromUnixSeconds(double unixSeconds);

} // namespace core
