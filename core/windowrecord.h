#pragma once
// Between a timer window and its timing record: what the window's state and
// models record, and how what came back of a record is put back into them.
// The window adds what only its controls know (WindowInputs) and copies the
// view to its controls after apply().
#include "restore.h"
#include "timerwindow.h"
#include "timingrecord.h"

#include <QString>

#include <cstdint>

namespace core {

// What a record holds that the window's controls keep, not its models.
struct WindowInputs {
    QString identification; // the I.D. box
    bool placed = false;    // x and y hold the window's position
    int x = 0;
    int y = 0;
    bool validateTicked = false; // "Validate Countdown"
    QString minutes;             // the minutes box
    QString bootId;              // the running boot's; empty where none is known
};

// The window's record as it is now. A start before the running boot (a
// stopwatch brought back after a reboot) is recorded by the wall clock alone.
[[nodiscard]] WindowRecord recordOf(const TimerWindow& window, const WindowInputs& inputs);

// Puts back into a window just loaded, idle, what came back of its record:
// the stopwatch running, stopped or converted; the countdown running, or
// finished (the caller rings the bell and notifies); the minutes box.
void apply(TimerWindow& window, const Restored& restored);

// A date as milliseconds since 1970-01-01 00:00 UTC.
[[nodiscard]] std::int64_t utcMs(Date date);

} // namespace core
