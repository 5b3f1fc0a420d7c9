#pragma once
// What comes back of a recorded window at the next start: the pure decisions,
// given the record and the clocks' readings now.
//
// Elapsed time since a recorded instant comes from the boot-time clock when
// the boot is the same one (exact, whatever the wall clock did), and from the
// wall clock after a reboot (so a clock set while the computer was off moves
// it). An instant that lies in the future, or more than ten years back, is
// not believed: its running timing does not come back.
#include "timingrecord.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace core {

struct RestoreClock {
    QString bootId; // empty where the system has none
    double bootSeconds = 0.0;
    std::int64_t utcMs = 0;
};

// Seconds from `then` to `now`; nothing when the instant is not believed.
[[nodiscard]] std::optional<double> secondsSince(const Instant& then, const RestoreClock& now);

struct Restored {
    WindowRecord::Stopwatch stopwatch = WindowRecord::Stopwatch::Idle;
    double at = 0.0;      // the boot-time reading that `elapsed` and `remaining` count to
    double elapsed = 0.0; // Running: seconds since the first start
    QString result;       // Stopped, Converted: the main display
    QString capture;

    enum class Countdown { None, Running, Ended };
    Countdown countdown = Countdown::None;
    double remaining = 0.0;      // Running: seconds to the end
    bool validates = false;      // Running: "Validate Countdown" ticked
    std::int64_t endedUtcMs = 0; // Ended: when, for the notification

    QString dropped; // what of the record did not come back, and why; empty if all did

    [[nodiscard]] bool timing() const {
        return stopwatch != WindowRecord::Stopwatch::Idle || countdown != Countdown::None;
    }
};

[[nodiscard]] Restored restore(const WindowRecord& record, const RestoreClock& now);

// "HH:mm" in local time, for "Oven: countdown done at 14:32".
[[nodiscard]] QString localClockTime(std::int64_t utcMs);

} // namespace core
