// The stopwatch: one button steps through start, stop, conversion of the
// result to hours, minutes and seconds, and reset. While it runs, a 5 ms tick
// keeps the main display current and the Capture button copies the running
// time into the capture display.
#include "frmStopwatch.h"

#include "runtime/clock.h"
#include "runtime/convert.h"
#include "runtime/errors.h"
#include "runtime/format.h"
#include "runtime/timer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

using runtime::Integer;
using runtime::Long;
using runtime::Single;

void frmStopwatch::wireStopwatchEvents() {
    bind(cmdSWButton, &QPushButton::clicked, &frmStopwatch::cmdSWButton_Click, "cmdSWButton_Click");
    bind(cmdSWPause, &QPushButton::clicked, &frmStopwatch::cmdSWPause_Click, "cmdSWPause_Click");
    bind(tmrSWTimer, &runtime::Timer::timeout, &frmStopwatch::tmrSWTimer_Timer, "tmrSWTimer_Timer");
}

QString frmStopwatch::elapsedText(Single reading) const {
    const std::string text =
        runtime::formatFixed2(runtime::elapsedSeconds(state_.sngSWStart, reading));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void frmStopwatch::cmdSWButton_Click() {
    // One press, one transition: the first flag that is set decides.
    runtime::exitOnError([this] {
        if (state_.blnSWReady) {
            startStopwatch();
        } else if (state_.blnSWRunning) {
            stopStopwatch();
        } else if (state_.blnSWStopped) {
            convertResult();
        } else if (state_.blnSWResetDue) {
            Reset();
        }
    });
}

void frmStopwatch::startStopwatch() {
    state_.sngSWNow = services_.clock.seconds();
    // Enabling the timer before the start reading is stored is safe: no tick
    // runs before this handler has finished.
    tmrSWTimer->setEnabled(true);
    state_.sngSWStart = state_.sngSWNow;
    txtSWTime->setText(elapsedText(state_.sngSWNow));
    state_.blnSWReady = false;
    setBackColor(txtSWTime, runtime::kYellow);
    setBackColor(txtSWTime1, runtime::kYellow);
    cmdSWButton->setText(QStringLiteral("Stop"));
    cmdSWPause->setVisible(true);
    cmdSWPause->setFocus();
    state_.blnSWRunning = true;
    chkCDCheck->setEnabled(false);
}

void frmStopwatch::stopStopwatch() {
    tmrSWTimer->setEnabled(false);
    state_.sngSWNow = services_.clock.seconds();
    txtSWTime->setText(elapsedText(state_.sngSWNow)); // the result, even if the last tick showed it
    state_.blnSWRunning = false;
    cmdSWButton->setText(QStringLiteral("H:MM:SS"));
    state_.blnSWStopped = true;
    cmdSWPause->setVisible(false);
    cmdSWPause->setText(QStringLiteral("Capture"));
    // Unticked, so that a countdown ending later does not press the button
    // again; the box stays disabled.
    chkCDCheck->setChecked(false);
}

void frmStopwatch::tmrSWTimer_Timer() {
    runtime::exitOnError([this] {
        state_.sngSWNow = services_.clock.seconds();
        const std::string text =
            runtime::formatFixed2(runtime::elapsedSeconds(state_.sngSWStart, state_.sngSWNow));
        const QLatin1String shown(text.data(), static_cast<qsizetype>(text.size()));
        // Most ticks find the same hundredth on the display: write nothing then.
        if (txtSWTime->text() != shown) {
            txtSWTime->setText(shown);
        }
    });
}

void frmStopwatch::cmdSWPause_Click() {
    runtime::exitOnError([this] {
        state_.sngSWCapture = services_.clock.seconds();
        txtSWTime1->setText(elapsedText(state_.sngSWCapture));
        cmdSWPause->setText(QStringLiteral("Refresh"));
    });
}

void frmStopwatch::convertDisplay(QLineEdit* display, Integer& hours, Integer& minutes,
                                  Integer& seconds) {
    const std::string text = display->text().toStdString();
    hours = runtime::longToInteger(runtime::textToLong(text) / 3600);
    // The whole hours are taken off in 32-bit arithmetic, so that results of
    // ten hours and more convert too. The rest is rounded, halves to even.
    const Long wholeHours = Long{hours} * 3600;
    const Long rest = runtime::floatToLong(runtime::textToDouble(text) - wholeHours);
    minutes = runtime::longToInteger(rest / 60);
    seconds = runtime::longToInteger(rest % 60);
    const std::string converted = runtime::formatTwoDigits(hours) + ':' +
                                  runtime::formatTwoDigits(minutes) + ':' +
                                  runtime::formatTwoDigits(seconds);
    display->setText(QString::fromStdString(converted));
}

void frmStopwatch::convertResult() {
    convertDisplay(txtSWTime, state_.intSWHours, state_.intSWMinutes, state_.intSWSeconds);
    convertDisplay(txtSWTime1, state_.intCapHours, state_.intCapMinutes, state_.intCapSeconds);
    lblTimeType->setText(QStringLiteral("Hr.....Min...Sec"));
    // Cleared only once both displays converted: a failure leaves the
    // stopwatch Stopped and the next press tries again.
    state_.blnSWStopped = false;
    cmdSWButton->setText(QStringLiteral("Reset"));
    cmdSWPause->setVisible(false);
    state_.blnSWResetDue = true;
    setCaption(kIdleCaption);
}

void frmStopwatch::Reset() {
    txtSWTime->setText(QStringLiteral("0.00"));
    txtSWTime1->setText(QStringLiteral("0.00"));
    setCaption(kIdleCaption);
    lblTimeType->setText(QStringLiteral("Seconds"));
    state_.blnSWResetDue = false;
    setBackColor(txtSWTime, runtime::kWhite);
    setBackColor(txtSWTime1, runtime::kWhite);
    cmdSWButton->setText(QStringLiteral("Stopwatch"));
    state_.blnSWReady = true;
    if (state_.blnCDReady) {
        chkCDCheck->setEnabled(true);
    }
    state_.clearConvertedParts();
}

void frmStopwatch::chkCDCheck_GotFocus() {
    Reset();
}
