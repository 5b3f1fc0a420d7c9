#pragma once
// What a timer window's stopwatch and countdown handlers do, in their order,
// without the window: the state record, the view and both models, and the few
// effects that belong to the window, injected. The window's handlers read
// their controls into the view, call this, and copy the view back; the tests
// drive it the same way without a window.
#include "TimerWindowState.h"
#include "countdown.h"
#include "message.h"
#include "stopwatch.h"
#include "windowview.h"

#include <functional>
#include <optional>

namespace core {

class TimerWindow {
    const Clock& clock_; // first: the models below are built on it

public:
    // What the sequences ask of the window around the models.
    struct Effects {
        std::function<void()> show;                 // copy the view to the controls now
        std::function<int(const Message&)> message; // show a box, return its answer
        std::function<void()> finished;       // a countdown finished: ring the bell, then notice it
        std::function<void()> withdrawNotice; // the last finish is old news
        std::function<void()> pressStopwatch; // the stopwatch's button handler
    };

    TimerWindow(const Clock& clock, Effects effects);
    // The models hold references to the members.
    TimerWindow(const TimerWindow&) = delete;
    TimerWindow& operator=(const TimerWindow&) = delete;
    ~TimerWindow() = default;

    TimerWindowState state;
    WindowView view;
    Stopwatch stopwatch{state, view, clock_};
    Countdown countdown{state, view, clock_};

    // The stopwatch's button: one press; an error ends it at the failing step.
    Stopwatch::Step press();
    // The stopwatch's refresh: the display is written only when its text
    // changes.
    void tickStopwatch();
    // The capture button.
    void capture();

    // The click on "Countdown": its two halves, the stopwatch's button pressed
    // between them when validating, a refused length answered with a box
    // before its last steps. Returns what the length was found to be; none
    // when the click was ignored or failed before.
    std::optional<Countdown::Length> countdownClick();
    // The countdown's tick; a finish presses the stopwatch's button first when
    // validating, then rings the bell and notices the finish.
    void tickCountdown();

private:
    Effects fx_;
};

} // namespace core
