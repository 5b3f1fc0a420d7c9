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

#include <functional>
#include <utility>

namespace {

class TickHold final : public QObject {
public:
    TickHold(QWidget& window, platform::Timer& timer, std::function<void()> catchUp)
        : QObject(&window), window_(window), timer_(timer), catchUp_(std::move(catchUp)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            // The native window exists from the first show; its expose events
            // say when the window system takes it off the screen.
            if (QWindow* handle = window_.windowHandle()) {
                handle->installEventFilter(this);
            }
            hidden_ = false;
            update();
        } else if (watched == &window_ && event->type() == QEvent::Hide) {
            hidden_ = true;
            update();
        } else if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
            update(); // minimized, or restored
        } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose) {
            // Taken off the screen or put back by the window system.
            unexposed_ = !window_.windowHandle()->isExposed();
            update();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void update() {
        const bool unseen = hidden_ || unexposed_ || window_.isMinimized();
        if (unseen == timer_.isHeld()) {
            return;
        }
        timer_.setHeld(unseen);
        // Seen again while running: the display shows the time now, before
        // the window is drawn, instead of the time it was last seen.
        if (!unseen && timer_.isEnabled()) {
            catchUp_();
        }
    }

    QWidget& window_;
    platform::Timer& timer_;
    std::function<void()> catchUp_;
    bool hidden_ = false;    // hidden, or minimized, since it was last shown
    bool unexposed_ = false; // off the screen, e.g. on another workspace
};

} // namespace

void frmStopwatch::holdTicksWhileUnseen() {
    new TickHold(*this, *tmrSWTimer, [this] { dispatch(&frmStopwatch::tmrSWTimer_Timer); });
}
