#include "timerwindow.h"

#include "errors.h"

#include <utility>

namespace core {

TimerWindow::TimerWindow(const Clock& clock, Effects effects)
    : clock_(clock), fx_(std::move(effects)) {}

Stopwatch::Step TimerWindow::press() {
    Stopwatch::Step step = Stopwatch::Step::None;
    exitOnError([this, &step] { step = stopwatch.press(); });
    return step;
}

void TimerWindow::tickStopwatch() {
    exitOnError([this] { stopwatch.tick(); });
}

void TimerWindow::capture() {
    exitOnError([this] { stopwatch.capture(); });
}

std::optional<Countdown::Length> TimerWindow::countdownClick() {
    std::optional<Countdown::Length> found;
    exitOnError([this, &found] {
        const Countdown::Begin begin = countdown.begin();
        fx_.show();
        if (begin == Countdown::Begin::Ignored) {
            return;
        }
        fx_.withdrawNotice();
        if (begin == Countdown::Begin::WithStopwatch) {
            fx_.pressStopwatch();
        }
        const Countdown::Length length = countdown.enter();
        found = length;
        fx_.show();
        if (length != Countdown::Length::Started) {
            // The display reads "START" while the box is open.
            fx_.message(Countdown::refusal(length));
            countdown.refused(length);
            fx_.show();
        }
    });
    return found;
}

void TimerWindow::tickCountdown() {
    exitOnError([this] {
        if (countdown.tick() == Countdown::Tick::Finish) {
            if (countdown.validating()) {
                fx_.pressStopwatch();
            }
            countdown.finish();
            fx_.show();
            fx_.finished();
            return;
        }
        fx_.show();
    });
}

} // namespace core
