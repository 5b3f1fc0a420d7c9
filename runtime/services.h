#pragma once
// What a timer window gets from outside: the clock, the dialogs and the clock
// setter. One set serves every window of the process and outlives them all.
#include "clock.h"
#include "clocksetter.h"
#include "dialogs.h"

namespace runtime {

struct Services {
    Clock& clock;
    Dialogs& dialogs;
    ClockSetter& clockSetter;
};

} // namespace runtime
