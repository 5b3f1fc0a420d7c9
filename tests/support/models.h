#pragma once
// A timer window's stopwatch and countdown without the window: the program's
// own sequencing (core/timerwindow.h) on a fake clock, driven the way the
// event loop drives the window's handlers. Message boxes and the bell are
// recorded instead of shown and rung.
#include "core/timerwindow.h"
#include "support/fakeclock.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TimerModels {
    FakeClock clock;
    std::vector<core::Message> boxes; // as shown: the application title when none was given
    int beeps = 0;
    std::function<void()> whileShown; // runs while a box is open, as the user would

    core::TimerWindow window{clock,
                             {.show = [] {},
                              .message = [this](const core::Message& m) { return showBox(m); },
                              .finished = [this] { ++beeps; },
                              .withdrawNotice = [] {},
                              .pressStopwatch = [this] { press(); }}};
    TimerWindowState& state = window.state;
    core::WindowView& view = window.view;
    core::Stopwatch& stopwatch = window.stopwatch;
    core::Countdown& countdown = window.countdown;

    TimerModels() {
        // The state record as the window's load leaves it: both timers idle.
        state.blnSWReady = true;
        state.blnCDReady = true;
    }
    TimerModels(const TimerModels&) = delete;
    TimerModels& operator=(const TimerModels&) = delete;
    ~TimerModels() = default;

    core::Stopwatch::Step press() { return window.press(); }
    // The refresh, delivered only while its timer is enabled (false when not).
    bool swTick() {
        if (*view.swTimerEnabled) {
            window.tickStopwatch();
        }
        return *view.swTimerEnabled;
    }
    void capture() { window.capture(); }
    void reset() { stopwatch.reset(); }
    // A click on "Countdown" with `minutes` in the combo box.
    std::optional<core::Countdown::Length> countFrom(std::string minutes) {
        view.minutes.read(std::move(minutes));
        return countdownClick();
    }
    std::optional<core::Countdown::Length> countdownClick() { return window.countdownClick(); }
    // Whether the countdown's timer delivers ticks: enabled, with an interval.
    [[nodiscard]] bool cdRunning() const {
        return *view.cdTimerEnabled && *view.cdTimerInterval > 0;
    }
    // The countdown's tick, delivered only while its timer runs (false when not).
    bool cdTick() {
        const bool running = cdRunning();
        if (running) {
            window.tickCountdown();
        }
        return running;
    }
    void stopCountdown() { countdown.stop(); }

private:
    int showBox(core::Message message) {
        if (message.title.empty()) {
            message.title = core::kApplicationTitle;
        }
        boxes.push_back(std::move(message));
        if (whileShown) {
            whileShown();
        }
        return core::MsgBoxResult::Ok;
    }
};

// A text of the view, for QCOMPARE.
template <typename Text> QString shown(const core::Shown<Text>& field) {
    return QString::fromUtf8(field->data(), static_cast<qsizetype>(field->size()));
}

// A colour of the view by name, for QCOMPARE: "default" for the box's own.
inline QString shown(const core::Shown<core::BoxColor>& field) {
    if (!field->has_value()) {
        return QStringLiteral("default");
    }
    switch (**field) {
    case core::kYellow:
        return QStringLiteral("yellow");
    case core::kWhite:
        return QStringLiteral("white");
    case core::kGreen:
        return QStringLiteral("green");
    case core::kBlack:
        return QStringLiteral("black");
    default:
        return QString::number(**field, 16);
    }
}

// The window caption when no countdown is shown.
inline QString idleCaption() {
    return QString::fromUtf8(core::kIdleCaption.data(),
                             static_cast<qsizetype>(core::kIdleCaption.size()));
}
