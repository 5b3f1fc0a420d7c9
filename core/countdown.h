#pragma once
// The countdown of a timer window, without the window: a length in minutes,
// checked against 0 and 24 hours, becomes an end instant; a one-second tick
// shows the time left in the display and the window caption and, when none
// is left, finishes with "DONE", colours and a beep. "Validate Countdown"
// makes the countdown start and stop the stopwatch, and "Stop" ends a
// countdown early.
//
// The window's click is taken in two halves around the stopwatch's own
// button, which the countdown presses in between when it validates, and a
// refused length is answered with a message box before its last steps.
#include "TimerWindowState.h"
#include "clock.h"
#include "message.h"
#include "windowview.h"

#include <string>
#include <string_view>

namespace core {

class Countdown {
public:
    // The longest countdown, in seconds: 24 hours, 1440 minutes.
    static constexpr double kLongestSeconds = 86400.0;

    Countdown(TimerWindowState& state, WindowView& view, const Clock& clock);

    // The first half of a click on "Countdown".
    enum class Begin {
        Ignored,       // a countdown runs: nothing changed, not even the colours
        WithStopwatch, // press the stopwatch's button now: it starts and measures the countdown
        Alone,         // the countdown runs without the stopwatch; the box is unticked
    };
    Begin begin();

    // The second half: reads the length from the view's minutes and starts the
    // countdown, or says why not.
    enum class Length { Started, TooLong, Negative };
    Length enter();

    // The box that answers a refused length, and what follows once the user
    // has closed it.
    [[nodiscard]] static Message refusal(Length length);
    void refused(Length length);

    // One tick of the countdown's timer.
    enum class Tick {
        TimeLeft, // shown in the display and the caption
        Finish,   // none left: call finish(), after the stopwatch's button if validating()
    };
    Tick tick();
    // The box "Validate Countdown" is ticked: the finish presses the stopwatch's
    // button first, which can only stop the stopwatch this countdown started.
    [[nodiscard]] bool validating() const { return *view_.validateTicked; }
    // "DONE" in green on black, the countdown idle, the idle caption. The
    // caller rings the bell.
    void finish();

    // The one line a desktop notification gives a finished countdown, naming
    // the timer by its identification text when one is typed.
    // With `endedAt` ("14:32"), the end of a countdown that finished while
    // Horolux was not running.
    [[nodiscard]] static std::string doneSummary(std::string_view identification,
                                                 std::string_view endedAt = {});

    // "Stop": the next tick finds no time left and finishes.
    void stop();

    // A countdown brought back from the timing record with `remaining` seconds
    // to run (none: it finishes at the next tick), driving the stopwatch when
    // `validates`.
    // `remaining` counts from the steady reading `at`.
    void resume(double remaining, double at, bool validates);
    // The running countdown's end on the steady clock; its UTC end is datCDEnd.
    [[nodiscard]] double steadyEnd() const { return steadyEnd_; }

    // The length typed or picked, in seconds, narrowed to a Single. A text
    // that does not begin with a number is 0 minutes. A length too large for a
    // Single becomes an infinite length of its sign, so that the limits refuse
    // it like any other length beyond them.
    [[nodiscard]] static Single lengthSeconds(std::string_view minutesText);

private:
    TimerWindowState& state_;
    WindowView& view_;
    const Clock& clock_;
    double steadyEnd_ = 0.0;
};

} // namespace core
