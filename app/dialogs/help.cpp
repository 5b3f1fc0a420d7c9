// The Help menu item: one fixed text in a message box.
#include "frmStopwatch.h"

namespace {

// Five paragraphs, separated by an empty line.
const QString kHelpText = QStringLiteral(
    "Stopwatch and countdown accuracy is basically a function of your machine's internal clock. "
    "The code was written to work as closely as possible with the internal clock. The stopwatch "
    "appears to be somewhat precise on the author's machine, whereas, the countdown portion of "
    "the application is a bit off (usually by not more than a second.....or less)."
    "\r\n\r\n"
    "You can set your computer's clock from the application by entering the time in a format "
    "such as 13:09 , 1:09 PM or 1:09. If you make an improper entry a message box will "
    "appear......try again."
    "\r\n\r\n"
    "You can validate the countdown timer by selecting Validate Countdown. The stopwatch starts "
    "and stops automatically with the countdown timer."
    "\r\n\r\n"
    "If the machine's clock reaches midnight during a timing operation the results will be wrong!"
    "\r\n\r\n"
    "FYI...there are 86400 seconds in a 24 hour period. The internal clock starts counting these "
    "seconds at midnight.");

} // namespace

void frmStopwatch::mnuHelp_Click() {
    services_.dialogs.messageBox(this, kHelpText, runtime::MsgBoxStyle::OkOnly,
                                 QStringLiteral("Help"));
}
