#pragma once
// What a timer window shows that its handlers write: one field for each
// property of a control that the stopwatch and the countdown change. The
// models write the fields; the window copies every written field to its
// control, and reads back the few that the user changes (the tick of
// "Validate Countdown", the typed length) or that the handlers read back
// (the stopwatch displays).
#include "core/identity.h" // kIdleCaption
#include "types.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace core {

// A colour that a handler set on a box; none: the box's own default colour.
using BoxColor = std::optional<Color>;

// One property as the window shows it. Assigning marks it written, even with
// the value it already has: a write is a write, as when the stopwatch's stop
// shows its result over the same text.
template <typename T> class Shown {
public:
    Shown(T initial) : value_(std::move(initial)) {} // NOLINT(google-explicit-constructor)

    Shown& operator=(T value) {
        value_ = std::move(value);
        written_ = true;
        return *this;
    }
    [[nodiscard]] const T& operator*() const { return value_; }
    [[nodiscard]] const T* operator->() const { return &value_; }

    // The control's own value, read back: not a write.
    void read(T value) { value_ = std::move(value); }
    // True once after each write: the window then copies the value.
    [[nodiscard]] bool takeWritten() { return std::exchange(written_, false); }

private:
    T value_;
    bool written_ = false;
};

struct WindowView {
    // The stopwatch.
    Shown<std::string> swTime{"0.00"};             // txtSWTime
    Shown<std::string> swTime1{"0.00"};            // txtSWTime1
    Shown<BoxColor> swBackColor{std::nullopt};     // both stopwatch displays
    Shown<std::string_view> swButton{"Stopwatch"}; // cmdSWButton
    Shown<std::string_view> swPause{"Capture"};    // cmdSWPause
    Shown<bool> swPauseVisible{false};
    Shown<std::string_view> timeType{"Seconds"}; // lblTimeType
    Shown<bool> swTimerEnabled{false};           // tmrSWTimer

    // The countdown.
    Shown<std::string> cdTime{"0:00:00"};      // txtCountdown
    Shown<BoxColor> cdForeColor{std::nullopt}; // txtCountdown
    Shown<BoxColor> cdBackColor{std::nullopt}; // txtCountdown
    Shown<bool> cdUnitVisible{true};           // Label2
    Shown<bool> cdTimerEnabled{false};         // tmrCountdown
    Shown<int> cdTimerInterval{0};             // tmrCountdown, milliseconds
    Shown<std::string> minutes{""};            // cmbMinutes

    // Shared by both.
    Shown<bool> validateTicked{false};                     // chkCDCheck
    Shown<bool> validateEnabled{true};                     // chkCDCheck
    Shown<std::string> caption{std::string(kIdleCaption)}; // the window's
};

} // namespace core
