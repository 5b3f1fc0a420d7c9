// While its window cannot be seen (hidden, minimized, or taken off the screen
// by the window system, as on another workspace) a running stopwatch does not
// wake 200 times a second to write a display nobody sees: its timer is held.
// Nothing the handlers read changes: the timer stays enabled, so the clock
// setting still sees a running stopwatch, and the state flags stay; capture
// and stop read the clock as ever. The countdown's tick goes on, since its
// caption shows in the task bar and it must finish on time. The moment the
// window can be seen again its display is brought up to date and the ticks
// resume.
#include "frmStopwatch.h"

#include "platform/timer.h"

#include <QEvent>
#include <QWindow>

void frmStopwatch::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The native window exists from the first show; its expose events say
    // when the window system takes it off the screen.
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
    }
    hidden_ = false;
    updateTickHold();
}

void frmStopwatch::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    hidden_ = true;
    updateTickHold();
}

void frmStopwatch::updateTickHold() {
    const bool unseen = hidden_ || unexposed_ || isMinimized();
    if (unseen == tmrSWTimer->isHeld()) {
        return;
    }
    tmrSWTimer->setHeld(unseen);
    // Seen again while running: the display shows the time now, before the
    // window is drawn, instead of the time it was last seen.
    if (!unseen && tmrSWTimer->isEnabled()) {
        dispatch(&frmStopwatch::tmrSWTimer_Timer);
    }
}
