// The countdown's handlers: "Countdown", its one-second tick and "Stop"; the
// bell of a finish, and the desktop notification of a finish the user did not
// see, withdrawn when they come back. The sequences (core/timerwindow.h)
// decide; these read and write the controls.
#include "frmStopwatch.h"

#include "platform/timer.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <utility>

void frmStopwatch::wireCountdownEvents() {
    bind(cmdCountdown, &QPushButton::clicked, &frmStopwatch::cmdCountdown_Click);
    bind(tmrCountdown, &platform::Timer::timeout, &frmStopwatch::tmrCountdown_Timer);
    bind(cmdReset, &QPushButton::clicked, &frmStopwatch::cmdReset_Click);
}

void frmStopwatch::cmdCountdown_Click() {
    readControls();
    timer_.countdownClick();
}

void frmStopwatch::tmrCountdown_Timer() {
    readControls();
    timer_.tickCountdown();
}

void frmStopwatch::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !noticeStays_) {
        // Back at the window: a notification of its finish has done its work.
        notifier_->withdraw();
    }
}

void frmStopwatch::countdownFinished() {
    services_.dialogs.beep();
    if (services_.countdownFinished) {
        services_.countdownFinished(Text1->text());
    }
    // Stopped from outside, by whoever then knows; or the user is looking at
    // this window: the display says it all.
    if (std::exchange(quietFinish_, false) || isActiveWindow()) {
        return;
    }
    // The taskbar entry marked until the user comes to the window.
    QApplication::alert(this);
    notifier_->offerAgain([this] {
        noticeStays_ = false;
        countdownAgain();
    });
    notify(core::Countdown::finishNotice(Text1->text().toStdString()), false);
}

void frmStopwatch::countdownAgain() {
    if (tmrCountdown->isEnabled() || settingClock_) {
        return;
    }
    timer_.view.minutes = core::Countdown::minutesText(timer_.state.sngCDSeconds);
    showView();
    dispatch(&frmStopwatch::cmdCountdown_Click);
}

void frmStopwatch::notify(const core::Countdown::Notice& notice, bool stays) {
    noticeStays_ = stays;
    notifier_->show(QString::fromStdString(notice.summary), QString::fromStdString(notice.body),
                    [this] {
                        // The notification picked: this window comes to the front.
                        noticeStays_ = false;
                        bringToFront();
                    });
}

void frmStopwatch::withdrawNotice() {
    noticeStays_ = false;
    notifier_->withdraw();
}

void frmStopwatch::cmdReset_Click() {
    timer_.countdown.stop();
}
