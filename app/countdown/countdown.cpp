// The countdown's handlers: "Countdown", its one-second tick and "Stop". The
// countdown model (core/countdown.h) decides; these read and write the
// controls, press the stopwatch's button when validating, show the refusals
// and ring the bell.
#include "frmStopwatch.h"

#include "core/errors.h"
#include "platform/timer.h"

#include <QLineEdit>
#include <QPushButton>

#include <string>

void frmStopwatch::wireCountdownEvents() {
    bind(cmdCountdown, &QPushButton::clicked, &frmStopwatch::cmdCountdown_Click);
    bind(tmrCountdown, &platform::Timer::timeout, &frmStopwatch::tmrCountdown_Timer);
    bind(cmdReset, &QPushButton::clicked, &frmStopwatch::cmdReset_Click);
}

void frmStopwatch::cmdCountdown_Click() {
    using core::Countdown;
    core::exitOnError([this] {
        readControls();
        const Countdown::Begin begin = countdown_.begin();
        showView();
        if (begin == Countdown::Begin::Ignored) {
            return;
        }
        notifier_->withdraw(); // the last finish is old news
        if (begin == Countdown::Begin::WithStopwatch) {
            cmdSWButton_Click();
        }
        const Countdown::Length length = countdown_.enter();
        showView();
        if (length != Countdown::Length::Started) {
            // The display reads "START" while the box is open.
            services_.dialogs.messageBox(this, Countdown::refusal(length));
            countdown_.refused(length);
            showView();
        }
    });
}

void frmStopwatch::tmrCountdown_Timer() {
    core::exitOnError([this] {
        readControls();
        if (countdown_.tick() == core::Countdown::Tick::Finish) {
            if (countdown_.validating()) {
                cmdSWButton_Click();
            }
            countdown_.finish();
            showView();
            services_.dialogs.beep();
            noticeFinish();
            return;
        }
        showView();
    });
}

void frmStopwatch::noticeFinish() {
    // The user is looking at this window: the display says it all.
    if (isActiveWindow()) {
        return;
    }
    const std::string summary = core::Countdown::doneSummary(Text1->text().toStdString());
    notifier_->show(
        QString::fromStdString(summary),
        QStringLiteral(QT_TRANSLATE_NOOP("Notification", "The countdown has finished.")), [this] {
            // The notification picked: this window comes to the front.
            if (isMinimized()) {
                showNormal();
            }
            raise();
            activateWindow();
        });
}

void frmStopwatch::cmdReset_Click() {
    countdown_.stop();
}
