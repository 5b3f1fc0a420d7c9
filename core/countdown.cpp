#include "countdown.h"

#include "convert.h"
#include "dates.h"
#include "errors.h"
#include "format.h"
#include "texts.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {
constexpr double kSecondsPerMinute = 60.0;
constexpr int kTickMilliseconds = 1000;
} // namespace

Countdown::Countdown(TimerWindowState& state, WindowView& view, const Clock& clock)
    : state_(state), view_(view), clock_(clock) {}

Single Countdown::lengthSeconds(std::string_view minutesText) {
    const double seconds = scanValue(minutesText).value * kSecondsPerMinute;
    try {
        return toSingle(seconds);
    } catch (const RuntimeError& error) {
        if (error.number() != ErrorNumber::Overflow) {
            throw;
        }
        const Single beyond = std::numeric_limits<Single>::infinity();
        return std::signbit(seconds) ? -beyond : beyond;
    }
}

std::string Countdown::minutesText(Single seconds) {
    constexpr int kMostDecimals = 9;
    const double minutes = static_cast<double>(seconds) / kSecondsPerMinute;
    std::string text;
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals) {
        text = QString::number(minutes, 'f', decimals).toStdString();
        if (lengthSeconds(text) == seconds) {
            break;
        }
    }
    return text;
}

Countdown::Begin Countdown::begin() {
    if (!state_.blnCDReady) {
        return Begin::Ignored;
    }
    view_.cdForeColor = kBlack;
    view_.cdBackColor = kYellow;
    // Validating: the stopwatch starts before the length is even read, so that
    // it measures the whole countdown. A stopwatch that is not idle is left
    // alone and the countdown runs without it.
    if (state_.blnSWReady && *view_.validateTicked) {
        return Begin::WithStopwatch;
    }
    view_.validateTicked = false;
    return Begin::Alone;
}

Countdown::Length Countdown::enter() {
    view_.validateEnabled = false;
    state_.blnCDReady = false;
    view_.cdTime = QT_TRANSLATE_NOOP("frmStopwatch", "START");
    state_.sngCDSeconds = lengthSeconds(*view_.minutes);
    // The limits apply to the narrowed length: 1440.00001 minutes narrows to
    // exactly 86400 s and is accepted, 1440.001 to 86400.0625 s and is
    // refused. A refusal leaves a stopwatch started by begin() running.
    if (static_cast<double>(state_.sngCDSeconds) > kLongestCountdownSeconds) {
        return Length::TooLong;
    }
    if (!(state_.sngCDSeconds >= 0.0F)) { // a negative zero starts, too
        return Length::Negative;
    }
    state_.datCDEnd = addSeconds(clock_.now(), static_cast<double>(state_.sngCDSeconds));
    steadyEnd_ = clock_.steadySeconds() + static_cast<double>(state_.sngCDSeconds);
    view_.cdUnitVisible = true;
    view_.cdTimerInterval = kTickMilliseconds;
    aligning_ = false;
    view_.cdTimerEnabled = true;
    return Length::Started;
}

Message Countdown::refusal(Length length) {
    if (length == Length::Negative) {
        return {QT_TRANSLATE_NOOP("Messages", "A negative number?!"), MsgBoxStyle::OkOnly,
                QT_TRANSLATE_NOOP("Messages", "Come On!!")};
    }
    return {QT_TRANSLATE_NOOP("Messages", "24 hours is the maximum (1440 minutes)."),
            MsgBoxStyle::OkOnly,
            {}};
}

void Countdown::refused(Length length) {
    if (length == Length::Negative) {
        view_.minutes = std::string();
    }
    view_.cdTime = "0:00:00";
    view_.cdBackColor = kWhite;
    state_.blnCDReady = true;
}

Countdown::Tick Countdown::tick() {
    // After a first tick that put the ticks on whole seconds before the end,
    // one a second again.
    if (aligning_) {
        aligning_ = false;
        view_.cdTimerInterval = kTickMilliseconds;
    }
    // Measured afresh from the end instant at every tick, so a late or missed
    // tick makes no drift.
    state_.sngCDLeft = differenceInDays(state_.datCDEnd, clock_.now());
    if (state_.sngCDLeft > 0.0F) {
        view_.cdTime = formatHms(state_.sngCDLeft);
        view_.caption = *view_.cdTime;
        return Tick::TimeLeft;
    }
    return Tick::Finish;
}

void Countdown::finish() {
    view_.cdTimerEnabled = false;
    view_.cdTime = QT_TRANSLATE_NOOP("frmStopwatch", "DONE");
    view_.cdUnitVisible = false;
    view_.cdForeColor = kGreen;
    view_.cdBackColor = kBlack;
    state_.blnCDReady = true;
    if (!state_.blnSWRunning) {
        view_.validateEnabled = true;
    }
    view_.caption = std::string(kIdleCaption); // the caption never shows "DONE"
}

Countdown::Notice Countdown::finishNotice(std::string_view identification,
                                          std::string_view endedAt) {
    Notice notice{{}, QT_TRANSLATE_NOOP("Notification", "The countdown has finished.")};
    identification = trimBlanks(identification);
    if (!endedAt.empty()) {
        notice.summary = identification.empty()
                             ? compose(kCountdownDoneAt, {endedAt})
                             : compose(kCountdownDoneForAt, {identification, endedAt});
    } else if (identification.empty()) {
        notice.summary = QT_TRANSLATE_NOOP("Notification", "Countdown done");
    } else {
        notice.summary = compose(kCountdownDoneFor, {identification});
    }
    return notice;
}

void Countdown::stop() {
    state_.datCDEnd = clock_.now();
    steadyEnd_ = clock_.steadySeconds();
}

void Countdown::resume(double remaining, double at, bool validates) {
    const double steady = clock_.steadySeconds();
    remaining = std::max(at + remaining - steady, 0.0);
    view_.cdForeColor = kBlack;
    view_.cdBackColor = kYellow;
    view_.validateEnabled = false;
    view_.validateTicked = validates;
    state_.blnCDReady = false;
    state_.sngCDSeconds = static_cast<Single>(remaining);
    state_.datCDEnd = addSeconds(clock_.now(), remaining);
    steadyEnd_ = steady + remaining;
    view_.cdTime = "START";
    view_.cdUnitVisible = true;
    // The fraction over the whole seconds left, rounded up to the
    // millisecond: a tick never comes before its second.
    const double fraction = remaining - std::floor(remaining);
    int first = static_cast<int>(std::ceil(fraction * kTickMilliseconds));
    if (first == 0) {
        first = remaining > 0.0 ? kTickMilliseconds : 1; // none left: tick at once
    }
    view_.cdTimerInterval = first;
    aligning_ = first != kTickMilliseconds;
    view_.cdTimerEnabled = true;
}

} // namespace core
