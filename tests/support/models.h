#pragma once
// A timer window's stopwatch and countdown without the window: both models on
// one fake clock, one state record and one view, and the window's handlers
// as the few lines that call the models in the window's order
// (app/stopwatch/stopwatch.cpp, app/countdown/countdown.cpp). Message boxes
// and the bell are recorded instead of shown and rung.
#include "core/countdown.h"
#include "core/errors.h"
#include "core/stopwatch.h"
#include "support/fakeclock.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TimerModels {
    FakeClock clock;
    TimerWindowState state = loaded();
    core::WindowView view;
    core::Stopwatch stopwatch{state, view, clock};
    core::Countdown countdown{state, view, clock};

    std::vector<core::Message> boxes; // as shown: the application title when none was given
    int beeps = 0;
    std::function<void()> whileShown; // runs while a box is open, as the user would

    TimerModels() = default;
    // The models hold references to the members: a copy would drive the original.
    TimerModels(const TimerModels&) = delete;
    TimerModels& operator=(const TimerModels&) = delete;
    ~TimerModels() = default;

    // The state record as the window's load leaves it: both timers idle.
    static TimerWindowState loaded() {
        TimerWindowState loadedState;
        loadedState.blnSWReady = true;
        loadedState.blnCDReady = true;
        return loadedState;
    }

    // cmdSWButton_Click: one press; an error ends it at the failing step.
    core::Stopwatch::Step press() {
        core::Stopwatch::Step step = core::Stopwatch::Step::None;
        core::exitOnError([this, &step] { step = stopwatch.press(); });
        return step;
    }

    // tmrSWTimer_Timer, delivered only while its timer is enabled (false when
    // it is not): the display is written only when its text changes.
    bool swTick() {
        if (!*view.swTimerEnabled) {
            return false;
        }
        core::exitOnError([this] {
            const std::string_view text = stopwatch.tick();
            if (*view.swTime != text) {
                view.swTime = std::string(text);
            }
        });
        return true;
    }

    // cmdSWPause_Click.
    void capture() {
        core::exitOnError([this] { stopwatch.capture(); });
    }

    // Reset, as the focus arriving on "Validate Countdown" calls it.
    void reset() { stopwatch.reset(); }

    // cmdCountdown_Click with `minutes` in the combo box.
    std::optional<core::Countdown::Length> countFrom(std::string minutes) {
        view.minutes.read(std::move(minutes));
        return countdownClick();
    }

    // cmdCountdown_Click: the countdown's two halves, the stopwatch's button
    // pressed between them when validating, a refusal shown before its last
    // steps. Returns what the length was found to be; none when the click was
    // ignored.
    std::optional<core::Countdown::Length> countdownClick() {
        using core::Countdown;
        std::optional<Countdown::Length> found;
        core::exitOnError([this, &found] {
            const Countdown::Begin begin = countdown.begin();
            if (begin == Countdown::Begin::Ignored) {
                return;
            }
            if (begin == Countdown::Begin::WithStopwatch) {
                press();
            }
            const Countdown::Length length = countdown.enter();
            found = length;
            if (length != Countdown::Length::Started) {
                showBox(Countdown::refusal(length));
                countdown.refused(length);
            }
        });
        return found;
    }

    // Whether the countdown's timer delivers ticks: enabled, with an interval.
    [[nodiscard]] bool cdRunning() const {
        return *view.cdTimerEnabled && *view.cdTimerInterval > 0;
    }

    // tmrCountdown_Timer, delivered only while its timer runs (false when it
    // does not).
    bool cdTick() {
        if (!cdRunning()) {
            return false;
        }
        core::exitOnError([this] {
            if (countdown.tick() == core::Countdown::Tick::Finish) {
                if (countdown.validating()) {
                    press();
                }
                countdown.finish();
                ++beeps;
            }
        });
        return true;
    }

    // cmdReset_Click ("Stop").
    void stopCountdown() { countdown.stop(); }

private:
    void showBox(core::Message message) {
        if (message.title.empty()) {
            message.title = core::kApplicationTitle;
        }
        boxes.push_back(std::move(message));
        if (whileShown) {
            whileShown();
        }
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
