// "Set Your Clock": sets the computer's clock to the time of day typed in
// txtTime, unless a timer of this window is running. And the Help menu item:
// one fixed text in a message box.
#include "frmStopwatch.h"

#include "core/windowdialogs.h"
#include "platform/timer.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include <optional>

void frmStopwatch::wireClockBoxEvents() {
    bind(cmdSetYourClock, &QPushButton::clicked, &frmStopwatch::cmdSetYourClock_Click);
    bind(mnuHelp, &QAction::triggered, &frmStopwatch::mnuHelp_Click);
}

void frmStopwatch::cmdSetYourClock_Click() {
    std::optional<core::Message> answer;
    {
        // While the setter waits for the system, this window may not close.
        const QScopedValueRollback<bool> waiting(settingClock_, true);
        // Both timers are read: either one running blocks the change. now() is
        // UTC; the date kept is the local date of that instant.
        answer = core::setYourClock(tmrSWTimer->isEnabled(), tmrCountdown->isEnabled(),
                                    txtTime->text(), services_.clock.now(), services_.clockSetter);
    }
    // The typed text stays for the user to correct.
    if (answer) {
        services_.dialogs.messageBox(this, *answer);
    }
}

void frmStopwatch::mnuHelp_Click() {
    services_.dialogs.messageBox(this, core::helpMessage());
}
