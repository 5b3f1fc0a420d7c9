#include "timer.h"

namespace platform {

Timer::Timer(QObject* parent) : QObject(parent) {
    // A coarse timer may fire several milliseconds early; the displays need
    // every tick on time or late, never early.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::timeout);
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    apply();
}

void Timer::setHeld(bool held) {
    held_ = held;
    apply();
}

void Timer::apply() {
    if (!enabled_ || interval_ <= 0 || held_) {
        timer_.stop();
        return;
    }
    if (!timer_.isActive() || timer_.interval() != interval_) {
        timer_.start(interval_);
    }
}

} // namespace platform
