// "Set Your Clock": sets the computer's clock to the time of day typed in
// txtTime, unless a timer of this window is running.
#include "frmStopwatch.h"
#include "runtime/settime.h"
#include "runtime/timer.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

const QString kTimingWarning = QStringLiteral("Timing in progress!\r\n\r\n"
                                              "If you change the clock now.....\r\n"
                                              "your results will be incorrect!!");
const QString kTimingTitle = QStringLiteral("Hey!!");
const QString kInvalidEntry = QStringLiteral("Invalid entry!!");
const QString kClockNotChanged = QStringLiteral("The clock was not changed.");
const QString kSetClockTitle = QStringLiteral("Tick Tock!!");

} // namespace

void frmStopwatch::cmdSetYourClock_Click() {
    namespace Style = runtime::MsgBoxStyle;
    // Every error below ends the handler at the failing step with one box;
    // the typed text stays for the user to correct.
    try {
        // Both timers are read; either one running blocks the change, since
        // every reading this window takes comes from the computer's clock.
        const bool stopwatchTicks = tmrSWTimer->isEnabled();
        const bool countdownTicks = tmrCountdown->isEnabled();
        if (stopwatchTicks || countdownTicks) {
            services_.dialogs.messageBox(this, kTimingWarning, Style::Information, kTimingTitle);
            return;
        }
        // While the setter waits for the system, this window may not close.
        const QScopedValueRollback<bool> waiting(settingClock_, true);
        // now() is UTC; the date kept is the local date of that instant.
        runtime::setTime(txtTime->text(), services_.clock.now(), services_.clockSetter);
    } catch (const runtime::ClockNotSet& refusal) {
        // A valid time the system would not set: say so, and why.
        services_.dialogs.messageBox(this,
                                     kClockNotChanged + QStringLiteral("\r\n") +
                                         QString::fromStdString(refusal.reason()),
                                     Style::Exclamation, kSetClockTitle);
    } catch (...) {
        services_.dialogs.messageBox(this, kInvalidEntry, Style::Exclamation, kSetClockTitle);
    }
}
