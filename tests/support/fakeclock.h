#pragma once
// A clock for tests: the steady count and the date move only when told. The
// steady count never moves backwards.
#include "core/clock.h"

#include <cmath>
#include <stdexcept>

class FakeClock final : public core::Clock {
public:
    [[nodiscard]] double steadySeconds() const override { return steady_; }
    [[nodiscard]] core::Date now() const override { return wall_; }

    // Time passes: both readings move forward by `seconds` (>= 0).
    void advance(double seconds) {
        advanceSteady(seconds);
        wall_ += seconds / core::kSecondsPerDay;
    }
    // Time passes until seconds() reads `reading` (the next such moment).
    void advanceToReading(double reading) {
        const double day = std::floor(steady_ / core::kSecondsPerDay) * core::kSecondsPerDay;
        double target = day + reading;
        if (target < steady_) {
            target += core::kSecondsPerDay;
        }
        advance(target - steady_);
    }
    // Only the steady count moves (>= 0).
    void advanceSteady(double seconds) {
        if (!(seconds >= 0.0)) {
            throw std::invalid_argument("the steady clock never moves backwards");
        }
        steady_ += seconds;
    }
    // The computer's clock is set: only "now" moves, by any amount.
    void moveWall(double seconds) { wall_ += seconds / core::kSecondsPerDay; }
    void setWall(core::Date date) { wall_ = date; }

private:
    double steady_ = 0.0;
    core::Date wall_ = core::dateFromUnixSeconds(1772409600.0); // 2026-03-02 00:00:00 UTC
};
