#pragma once
// The two clock readings the timers use, behind an interface so that tests can
// drive time by hand.
#include "types.h"

namespace runtime {

class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    // Seconds in [0, 86400) from a steady clock that keeps counting while the
    // computer sleeps, folded into one day. Never jumps when the computer's
    // clock is set, for summer time or at midnight.
    [[nodiscard]] virtual Single seconds() const = 0;

    // The current date and time in UTC: free of summer-time jumps, but it moves
    // when the computer's clock is set.
    [[nodiscard]] virtual Date now() const = 0;
};

// Folds a count of steady seconds into [0, 86400): fold in double precision,
// then narrow; a narrowing that rounds up to a whole day reads 0.
[[nodiscard]] Single foldSeconds(double steadySeconds);

// Elapsed seconds between two readings of Clock::seconds(). A reading below the
// start means the fold was passed, so one day is added.
[[nodiscard]] Single elapsedSeconds(Single start, Single reading);

// The date of a count of seconds since 1970-01-01 00:00 UTC.
[[nodiscard]] Date dateFromUnixSeconds(double unixSeconds);

class SystemClock final : public Clock {
public:
    [[nodiscard]] Single seconds() const override;
    [[nodiscard]] Date now() const override;
};

// A clock for tests: the steady count and the date move only when told.
// The steady count never moves backwards.
class FakeClock final : public Clock {
public:
    // Starts at 2026-03-02 00:00:00 UTC with the steady count at 0.
    FakeClock();

    [[nodiscard]] Single seconds() const override { return foldSeconds(steady_); }
    [[nodiscard]] Date now() const override { return wall_; }

    // Time passes: both readings move forward by `seconds` (>= 0).
    void advance(double seconds);
    // Time passes until seconds() reads `reading` (the next such moment).
    void advanceToReading(double reading);
    // Only the steady count moves (>= 0).
    void advanceSteady(double seconds);
    // The computer's clock is set: only "now" moves, by any amount.
    void moveWall(double seconds);
    void setWall(Date date) { wall_ = date; }

    [[nodiscard]] double steadySeconds() const { return steady_; }

private:
    double steady_ = 0.0;
    Date wall_;
};

} // namespace runtime
