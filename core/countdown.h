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

// The longest countdown: 24 hours (1440 minutes), in seconds.
inline constexpr double kLongestCountdownSeconds = 86400.0;

class Countdown {
public:
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

    // A desktop notification's summary (one line) and body, English; the
    // notifier translates them.
    struct Notice {
        std::string summary;
        std::string body;
    };
    // The notification of a finished countdown, naming the timer by its
    // identification text when one is typed. With `endedAt` ("14:32"), the
    // end of a countdown that finished while Horolux was not running.
    [[nodiscard]] static Notice finishNotice(std::string_view identification,
                                             std::string_view endedAt = {});

    // "Stop": the next tick finds no time left and finishes.
    void stop();

    // A countdown brought back from the timing record with `remaining` seconds
    // to run (none: it finishes at the next tick), driving the stopwatch when
    // `validates`.
    // `remaining` counts from the steady reading `at`. The first tick comes
    // after the fraction of a second left over the whole seconds, so that the
    // ticks fall on whole seconds before the end and the last on the end.
    void resume(double remaining, double at, bool validates);
    // The running countdown's end on the steady clock; its UTC end is datCDEnd.
    [[nodiscard]] double steadyEnd() const { return steadyEnd_; }

    // The length typed or picked, in seconds, narrowed to a Single. A text
    // that does not begin with a number is 0 minutes. A length too large for a
    // Single becomes an infinite length of its sign, so that the limits refuse
    // it like any other length beyond them.
    [[nodiscard]] static Single lengthSeconds(std::string_view minutesText);
    // The shortest minutes text ("4", "0.5") whose length is `seconds` again:
    // what "Again" puts in the minutes box to run the same countdown.
    [[nodiscard]] static std::string minutesText(Single seconds);

private:
    TimerWindowState& state_;
    WindowView& view_;
    const Clock& clock_;
    double steadyEnd_ = 0.0;
    bool aligning_ = false; // the timer's first interval is the fraction of a second left
};

} // namespace core
