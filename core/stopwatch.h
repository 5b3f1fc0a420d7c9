#pragma once
// The stopwatch of a timer window, without the window: one button steps
// through start, stop, conversion of the result to hours, minutes and seconds,
// and reset; while it runs, a tick keeps the main display current and a
// capture copies the running time into the capture display.
//
// The model works on the window's state record and on the view, in the order
// the window's handlers have always done it. An error in a step (a display
// that does not convert) comes out as a RuntimeError with the steps before it
// done; the caller's trap ends the handler there.
#include "TimerWindowState.h"
#include "clock.h"
#include "laps.h"
#include "windowview.h"

#include <string>
#include <string_view>
#include <utility>

namespace core {

// The longest run the button still converts to hours, minutes and seconds:
// 32767 hours (the most an Integer holds), 59 minutes and 59 seconds. A
// stopped stopwatch beyond it cannot be converted, and so not reset.
inline constexpr double kLongestRunSeconds = 32767.0 * 3600.0 + 3599.0;

class Stopwatch {
public:
    Stopwatch(TimerWindowState& state, WindowView& view, const Clock& clock);

    // What one press of the button did.
    enum class Step { None, Start, Stop, Convert, Reset };

    // One press: the first set flag decides. After a Start the window moves
    // the focus to the capture button.
    Step press();

    // The refresh: reads the clock and writes the elapsed text to the display
    // only when it shows something else, as most ticks find the same hundredth.
    void tick();

    // The capture: the running time into the capture display, and a lap.
    void capture();

    // Back to idle: displays "0.00" on white, "Seconds", "Stopwatch", the idle
    // caption; the box "Validate Countdown" enabled unless a countdown runs.
    void reset();

    // A stopwatch brought back from the timing record: running for `elapsed`
    // seconds already, or stopped (or converted) with its displays as they
    // were.
    // `elapsed` counts to the steady reading `at`.
    // `captured`: a capture was made, and the capture button reads "Refresh".
    void resume(double elapsed, double at, std::string_view capture, bool captured);
    void showStopped(std::string_view result, std::string_view capture, bool converted);

    // A capture was made since the start: the capture button reads "Refresh".
    [[nodiscard]] bool captured() const;

    // The run's laps: cleared at the start and at the reset, one added by
    // each capture and by the stop.
    [[nodiscard]] const Laps& laps() const { return laps_; }
    void restoreLaps(LapList list) { laps_.restore(std::move(list)); }

    // The running stopwatch's first start: on the steady clock, and as UTC.
    [[nodiscard]] double steadyStart() const { return steadyStart_; }
    [[nodiscard]] Date wallStart() const { return wallStart_; }

    // Splits one display text into hours, minutes and seconds and returns
    // "hh:mm:ss". Error 13 for a text that is no number; error 6 beyond
    // 32767 hours.
    static std::string convertDisplay(std::string_view text, Integer& hours, Integer& minutes,
                                      Integer& seconds);

private:
    void start();
    void stop();
    void convert();
    // Reads the clock: the folded reading for the state record, the steady
    // one for the whole days beyond the fold.
    Single read(double& steady) const;
    [[nodiscard]] double elapsed(Single reading, double steady) const;
    [[nodiscard]] std::string elapsedText(Single reading, double steady) const;
    // The lap that ends at the reading, its split as the displays show it.
    void addLap(Single reading, double steady);

    TimerWindowState& state_;
    WindowView& view_;
    const Clock& clock_;
    double steadyStart_ = 0.0;
    Date wallStart_ = 0.0;
    Laps laps_;
};

} // namespace core
