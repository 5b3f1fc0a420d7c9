#include "windowrecord.h"

#include <cmath>
#include <utility>

namespace core {

std::int64_t utcMs(Date date) {
    return std::llround((date - kUnixEpochDay) * kSecondsPerDay * 1000.0);
}

WindowRecord recordOf(const TimerWindow& window, const WindowInputs& inputs) {
    using Sw = WindowRecord::Stopwatch;
    const TimerWindowState& state = window.state;
    const WindowView& view = window.view;
    WindowRecord record;
    record.identification = inputs.identification;
    record.placed = inputs.placed;
    record.x = inputs.x;
    record.y = inputs.y;
    record.minutes = inputs.minutes;
    if (state.blnSWRunning) {
        record.stopwatch = Sw::Running;
        // A start before the running boot (brought back after a reboot) is
        // written by the wall clock alone (toJson).
        record.started = {window.stopwatch.steadyStart(), inputs.bootId,
                          utcMs(window.stopwatch.wallStart())};
        record.captured = window.stopwatch.captured();
    } else if (state.blnSWStopped || state.blnSWResetDue) {
        record.stopwatch = state.blnSWStopped ? Sw::Stopped : Sw::Converted;
        record.result = QString::fromStdString(*view.swTime);
    }
    if (record.stopwatch != Sw::Idle) {
        record.capture = QString::fromStdString(*view.swTime1);
        record.laps = window.stopwatch.laps().recorded(kMaxRecordLaps);
    }
    if (*view.cdTimerEnabled) {
        record.countdownRunning = true;
        record.countdownEnd = {window.countdown.steadyEnd(), inputs.bootId, utcMs(state.datCDEnd)};
        record.validates = inputs.validateTicked;
        record.countdownSeconds = static_cast<double>(state.sngCDSeconds);
    } else {
        // A finished countdown still shows "DONE": listed as done while its window is open.
        record.countdownDone = *view.cdTime == "DONE";
    }
    return record;
}

void apply(TimerWindow& window, const Restored& restored) {
    using Sw = WindowRecord::Stopwatch;
    if (restored.stopwatch == Sw::Running) {
        window.stopwatch.resume(restored.elapsed, restored.at, restored.capture.toStdString(),
                                restored.captured);
    } else if (restored.stopwatch != Sw::Idle) {
        window.stopwatch.showStopped(restored.result.toStdString(), restored.capture.toStdString(),
                                     restored.stopwatch == Sw::Converted);
    }
    if (restored.stopwatch != Sw::Idle) {
        LapList laps = restored.laps;
        // A record from before laps were kept: the running start is known all the same.
        if (laps.startUtcMs == 0) {
            laps.startUtcMs = window.stopwatch.laps().startUtcMs();
        }
        window.stopwatch.restoreLaps(std::move(laps));
    }
    if (restored.countdown == Restored::Countdown::Running) {
        window.countdown.resume(restored.remaining, restored.at, restored.validates);
        // Its whole length, as when it started: for its progress and "Again".
        if (restored.length >= restored.remaining) {
            window.state.sngCDSeconds = static_cast<Single>(restored.length);
        }
    } else if (restored.countdown == Restored::Countdown::Ended) {
        window.countdown.finish();
    }
    if (!restored.minutes.isEmpty()) {
        window.view.minutes = restored.minutes.toStdString();
    }
}

} // namespace core
