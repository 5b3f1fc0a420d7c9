#pragma once
// What a timer window gets from outside: the clock, the dialogs, the clock
// setter, makers of desktop notifiers and suspend holds, the timing journal,
// and who hears of a finished countdown. One set serves every window of the process and outlives
// them all.
#include "core/clock.h"
#include "core/clocksetter.h"
#include "dialogs.h"
#include "inhibitor.h"
#include "notifier.h"
#include "timingjournal.h"

#include <functional>
#include <memory>

namespace platform {

struct Services {
    core::Clock& clock;
    Dialogs& dialogs;
    core::ClockSetter& clockSetter;
    // Each window's own notifier; none shows anything unless the program says.
    std::function<std::unique_ptr<Notifier>()> makeNotifier = [] {
        return std::make_unique<NullNotifier>();
    };
    // Each window's hold on suspend while its countdown runs.
    std::function<std::unique_ptr<Inhibitor>()> makeInhibitor = [] {
        return std::make_unique<NullInhibitor>();
    };
    // The record of the windows' timings for the next start; none: not kept.
    TimingJournal* journal = nullptr;
    // Told the I.D. of each window whose countdown finishes; none: nobody.
    std::function<void(const QString& identification)> countdownFinished{};
};

} // namespace platform
