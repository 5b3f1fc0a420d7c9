#include "stopwatch.h"

#include "convert.h"
#include "dates.h"
#include "format.h"

#include <QtGlobal>
#include <cmath>
#include <utility>

namespace core {

namespace {
// The capture button's caption once a capture was made.
constexpr std::string_view kRefresh = QT_TRANSLATE_NOOP("frmStopwatch", "Refresh");
} // namespace

Stopwatch::Stopwatch(TimerWindowState& state, WindowView& view, const Clock& clock)
    : state_(state), view_(view), clock_(clock) {}

Single Stopwatch::read(double& steady) const {
    steady = clock_.steadySeconds();
    return foldSeconds(steady);
}

double Stopwatch::elapsed(Single reading, double steady) const {
    return elapsedRun(state_.sngSWStart, reading, steadyStart_, steady);
}

std::string Stopwatch::elapsedText(Single reading, double steady) const {
    return formatFixed2(elapsed(reading, steady));
}

void Stopwatch::addLap(Single reading, double steady) {
    // Rounded as formatFixed2 rounds: the split reads as the display does.
    laps_.add(static_cast<std::int64_t>(std::round(elapsed(reading, steady) * 100.0)));
}

namespace {
std::int64_t unixMs(Date date) {
    return std::llround((date - kUnixEpochDay) * kSecondsPerDay * 1000.0);
}
} // namespace

Stopwatch::Step Stopwatch::press() {
    if (state_.blnSWReady) {
        start();
        return Step::Start;
    }
    if (state_.blnSWRunning) {
        stop();
        return Step::Stop;
    }
    if (state_.blnSWStopped) {
        convert();
        return Step::Convert;
    }
    if (state_.blnSWResetDue) {
        reset();
        return Step::Reset;
    }
    return Step::None;
}

void Stopwatch::start() {
    state_.sngSWNow = read(steadyStart_);
    wallStart_ = clock_.now();
    laps_.clear(unixMs(wallStart_));
    // Enabling the timer before the start reading is stored is safe: no tick
    // runs before the press has finished.
    view_.swTimerEnabled = true;
    state_.sngSWStart = state_.sngSWNow;
    view_.swTime = elapsedText(state_.sngSWNow, steadyStart_);
    state_.blnSWReady = false;
    view_.swBackColor = kYellow;
    view_.swButton = QT_TRANSLATE_NOOP("frmStopwatch", "Stop");
    view_.swPauseVisible = true;
    state_.blnSWRunning = true;
    view_.validateEnabled = false;
}

void Stopwatch::resume(double elapsed, double at, std::string_view capture, bool captured) {
    start();
    const double steady = steadyStart_;
    steadyStart_ = at - elapsed;
    wallStart_ = addSeconds(clock_.now(), steadyStart_ - steady);
    laps_.clear(unixMs(wallStart_));
    state_.sngSWStart = foldSeconds(steadyStart_);
    view_.swTime = elapsedText(state_.sngSWNow, steady);
    if (!capture.empty()) {
        view_.swTime1 = std::string(capture);
    }
    if (captured) {
        view_.swPause = kRefresh;
    }
}

void Stopwatch::showStopped(std::string_view result, std::string_view capture, bool converted) {
    view_.swBackColor = kYellow;
    view_.validateEnabled = false;
    view_.validateTicked = false;
    view_.swPauseVisible = false;
    view_.swTime = std::string(result);
    view_.swTime1 = std::string(capture.empty() ? "0.00" : capture);
    state_.blnSWReady = false;
    state_.blnSWRunning = false;
    if (converted) {
        view_.timeType = "Hr.....Min...Sec";
        view_.swButton = "Reset";
        state_.blnSWResetDue = true;
    } else {
        view_.swButton = "H:MM:SS";
        view_.swPause = "Capture";
        state_.blnSWStopped = true;
    }
}

void Stopwatch::stop() {
    view_.swTimerEnabled = false;
    double steady = 0.0;
    state_.sngSWNow = read(steady);
    view_.swTime =
        elapsedText(state_.sngSWNow, steady); // the result, even if the last tick showed it
    addLap(state_.sngSWNow, steady);
    state_.blnSWRunning = false;
    view_.swButton = QT_TRANSLATE_NOOP("frmStopwatch", "H:MM:SS");
    state_.blnSWStopped = true;
    view_.swPauseVisible = false;
    view_.swPause = QT_TRANSLATE_NOOP("frmStopwatch", "Capture");
    // Unticked, so that a countdown ending later does not press the button
    // again; the box stays disabled.
    view_.validateTicked = false;
}

void Stopwatch::tick() {
    double steady = 0.0;
    state_.sngSWNow = read(steady);
    std::string text = elapsedText(state_.sngSWNow, steady);
    if (*view_.swTime != text) {
        view_.swTime = std::move(text);
    }
}

void Stopwatch::capture() {
    double steady = 0.0;
    state_.sngSWCapture = read(steady);
    view_.swTime1 = elapsedText(state_.sngSWCapture, steady);
    view_.swPause = kRefresh;
    if (state_.blnSWRunning) {
        addLap(state_.sngSWCapture, steady);
    }
}

bool Stopwatch::captured() const {
    return *view_.swPause == kRefresh;
}

std::string Stopwatch::convertDisplay(std::string_view text, Integer& hours, Integer& minutes,
                                      Integer& seconds) {
    hours = longToInteger(textToLong(text) / 3600);
    // The whole hours are taken off in 32-bit arithmetic, so that results of
    // ten hours and more convert too. The rest is rounded, halves to even.
    const Long wholeHours = Long{hours} * 3600;
    const Long rest = floatToLong(textToDouble(text) - wholeHours);
    minutes = longToInteger(rest / 60);
    seconds = longToInteger(rest % 60);
    return formatTwoDigits(hours) + ':' + formatTwoDigits(minutes) + ':' + formatTwoDigits(seconds);
}

void Stopwatch::convert() {
    view_.swTime =
        convertDisplay(*view_.swTime, state_.intSWHours, state_.intSWMinutes, state_.intSWSeconds);
    view_.swTime1 = convertDisplay(*view_.swTime1, state_.intCapHours, state_.intCapMinutes,
                                   state_.intCapSeconds);
    view_.timeType = QT_TRANSLATE_NOOP("frmStopwatch", "Hr.....Min...Sec");
    // Cleared only once both displays converted: a failure leaves the
    // stopwatch Stopped and the next press tries again.
    state_.blnSWStopped = false;
    view_.swButton = QT_TRANSLATE_NOOP("frmStopwatch", "Reset");
    view_.swPauseVisible = false;
    state_.blnSWResetDue = true;
    view_.caption = std::string(kIdleCaption);
}

void Stopwatch::reset() {
    view_.swTime = "0.00";
    view_.swTime1 = "0.00";
    view_.caption = std::string(kIdleCaption);
    view_.timeType = QT_TRANSLATE_NOOP("frmStopwatch", "Seconds");
    state_.blnSWResetDue = false;
    view_.swBackColor = kWhite;
    view_.swButton = QT_TRANSLATE_NOOP("frmStopwatch", "Stopwatch");
    state_.blnSWReady = true;
    if (state_.blnCDReady) {
        view_.validateEnabled = true;
    }
    state_.clearConvertedParts();
    laps_.clear();
}

} // namespace core
