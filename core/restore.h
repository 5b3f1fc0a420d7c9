#pragma once
// What comes back of a recorded window at the next start: the pure decisions,
// given the record and the clocks' readings now.
//
// Elapsed time since a recorded instant comes from the boot-time clock when
// the boot is the same one (exact, whatever the wall clock did), and from the
// wall clock after a reboot (so a clock set while the computer was off moves
// it). An instant that lies in the future, or more than ten years back, is
// not believed. A stopwatch comes back only while its time still converts to
// hours, minutes and seconds, so that it can be stopped, converted and reset.
//
// A window that was timing always comes back, with its I.D.; what of its
// timing is not believed stays idle, and the window tells the user why.
#include "countdown.h"
#include "timingrecord.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

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
    bool captured = false; // Running: the capture button reads "Refresh"
    LapList laps;          // Running, Stopped, Converted
    QString minutes;       // the countdown's minutes box

    enum class Countdown { None, Running, Ended };
    Countdown countdown = Countdown::None;
    double remaining = 0.0;      // Running: seconds to the end
    double length = 0.0;         // Running: the countdown's whole length; 0 where not kept
    bool validates = false;      // Running: "Validate Countdown" ticked
    std::int64_t endedUtcMs = 0; // Ended: when, for the notification

    QString dropped; // what of the record did not come back, and why, for the log; empty if all did
    // The same for the user: one sentence, English, marked for translation in
    // the "Notification" context; null when all came back.
    const char* reason = nullptr;

    [[nodiscard]] bool timing() const {
        return stopwatch != WindowRecord::Stopwatch::Idle || countdown != Countdown::None;
    }
};

[[nodiscard]] Restored restore(const WindowRecord& record, const RestoreClock& now);

// The desktop notification a window brought back gives: the finish of a
// countdown that ended meanwhile, or why its timing did not come back (the
// reason in the body, also under a finish). None when there is nothing to say.
[[nodiscard]] std::optional<Countdown::Notice> restoredNotice(std::string_view identification,
                                                              const Restored& restored);

// "HH:mm" in local time, for "Oven: countdown done at 14:32".
[[nodiscard]] QString localClockTime(std::int64_t utcMs);

} // namespace core
