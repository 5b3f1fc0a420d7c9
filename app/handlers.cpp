// The table of the window's handlers by name.
#include "frmStopwatch.h"

#include <array>

std::span<const frmStopwatch::NamedHandler> frmStopwatch::handlers() {
    static constexpr std::array<NamedHandler, 12> table{{
        {"Form_Click", &frmStopwatch::Form_Click},
        {"cmdSWButton_Click", &frmStopwatch::cmdSWButton_Click},
        {"cmdSWPause_Click", &frmStopwatch::cmdSWPause_Click},
        {"tmrSWTimer_Timer", &frmStopwatch::tmrSWTimer_Timer},
        {"chkCDCheck_GotFocus", &frmStopwatch::chkCDCheck_GotFocus},
        {"cmdCountdown_Click", &frmStopwatch::cmdCountdown_Click},
        {"tmrCountdown_Timer", &frmStopwatch::tmrCountdown_Timer},
        {"cmdReset_Click", &frmStopwatch::cmdReset_Click},
        {"cmdSetYourClock_Click", &frmStopwatch::cmdSetYourClock_Click},
        {"cmdAnotherTimer_Click", &frmStopwatch::cmdAnotherTimer_Click},
        {"mnuHelp_Click", &frmStopwatch::mnuHelp_Click},
        {"Reset", &frmStopwatch::Reset},
    }};
    return table;
}

std::string_view frmStopwatch::nameOf(Handler handler) {
    for (const NamedHandler& entry : handlers()) {
        if (entry.handler == handler) {
            return entry.name;
        }
    }
    return "handler";
}
