// The question before a window that is timing closes, whichever way it is
// closed: its close box, system menu, Alt+F4, or the desktop session ending.
// Closing goes through closeEvent; the session's end through the request the
// session manager sends the application.
#include "frmStopwatch.h"

#include "core/convert.h"
#include "core/dispatch.h"
#include "core/windowdialogs.h"
#include "platform/notifier.h"
#include "platform/timer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>
#include <QTimer>

namespace {

// Why a window is asked to close.
constexpr core::Integer kClosedByUser = 0;  // close box, system menu, Alt+F4
constexpr core::Integer kSessionEnding = 2; // the user logs out or shuts down

// How often a close that waits for a handler looks again.
constexpr int kCloseRetryMilliseconds = 100;

} // namespace

void frmStopwatch::wireClosingEvents() {
#if QT_CONFIG(sessionmanager)
    // The request goes to the application; every window answers it for itself.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            core::dispatchEvent("Form_QueryUnload", [this, &manager] { sessionEnding(manager); });
        });
    }
#endif
}

void frmStopwatch::Form_QueryUnload(core::Integer& Cancel, core::Integer /*UnloadMode*/) {
    const std::optional<core::Message> question = core::closeQuestion(timer_.state);
    if (!question) {
        return;
    }
    const core::Integer answer = core::longToInteger(services_.dialogs.messageBox(this, *question));
    if (answer == core::MsgBoxResult::No) {
        Cancel = 1;
    }
}

void frmStopwatch::closeEvent(QCloseEvent* event) {
    // The clock setter may be waiting for the system inside a handler of this
    // window; the window must outlive that wait.
    if (settingClock_) {
        event->ignore();
        return;
    }
    if (!closeConfirmed_) {
        core::Integer cancel = 0;
        core::dispatchEvent("Form_QueryUnload",
                            [this, &cancel] { Form_QueryUnload(cancel, kClosedByUser); });
        if (cancel != 0) {
            event->ignore();
            return;
        }
    }
    // The close goes ahead: no tick, no beep and no notification from this
    // window after it.
    tmrSWTimer->setEnabled(false);
    tmrCountdown->setEnabled(false);
    notifier_->withdraw();
    forgetTiming();
    event->accept();
}

#if QT_CONFIG(sessionmanager)
// Qt sends no close event when the session ends; the session manager asks
// each program instead, and lets it ask the user when the desktop allows.
void frmStopwatch::sessionEnding(QSessionManager& manager) {
    if (!core::closeQuestion(timer_.state) || !manager.allowsInteraction()) {
        return;
    }
    if (!closeForSessionEnd()) {
        manager.cancel();
    }
}
#endif

// Asks as any close does. No keeps the window and cancels the log-out. Yes
// stops the timers at once and closes the window as soon as no handler of it
// is under way, without asking again, also when the application is told to
// quit at the end of the session.
bool frmStopwatch::closeForSessionEnd() {
    core::Integer cancel = 0;
    Form_QueryUnload(cancel, kSessionEnding);
    if (cancel != 0) {
        return false;
    }
    closeConfirmed_ = true;
    tmrSWTimer->setEnabled(false);
    tmrCountdown->setEnabled(false);
    closeWhenIdle();
    return true;
}

// Closes the window once none of its handlers waits in a message box of its
// own or for the clock setter: a closed window is deleted, which must not
// happen under a handler that is still running.
void frmStopwatch::closeWhenIdle() {
    bool busy = settingClock_;
    for (const QObject* o = QApplication::activeModalWidget(); o != nullptr && !busy;
         o = o->parent()) {
        busy = o == this;
    }
    if (busy) {
        QTimer::singleShot(kCloseRetryMilliseconds, this, [this] { closeWhenIdle(); });
        return;
    }
    close();
}
