#pragma once
// What a timer window gets from outside: the clock, the dialogs and the clock
// setter. One set serves every window of the process and outlives them all.
#include "core/clock.h"
#include "core/clocksetter.h"
#include "dialogs.h"

namespace platform {

struct Services {
    core::Clock& clock;
    Dialogs& dialogs;
    core::ClockSetter& clockSetter;
};

} // namespace platform
