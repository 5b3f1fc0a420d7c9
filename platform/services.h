#pragma once
// What a timer window gets from outside: the clock, the dialogs, the clock
// setter and a maker of desktop notifiers. One set serves every window of the
// process and outlives them all.
#include "core/clock.h"
#include "core/clocksetter.h"
#include "dialogs.h"
#include "notifier.h"

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
};

} // namespace platform
