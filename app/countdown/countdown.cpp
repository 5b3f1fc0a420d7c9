// The countdown: a length in minutes from the combo box, checked against 0 and
// 24 hours, becomes an end instant; a one-second tick shows the time left in
// the display and the window caption and, when none is left, finishes with
// "DONE", colours and a beep. "Validate Countdown" makes the countdown start
// and stop the stopwatch, and "Stop" ends a countdown early.
#include "frmStopwatch.h"

#include "runtime/clock.h"
#include "runtime/convert.h"
#include "runtime/dates.h"
#include "runtime/dialogs.h"
#include "runtime/errors.h"
#include "runtime/format.h"
#include "runtime/timer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>
#include <string>

using runtime::Single;

namespace {

constexpr double kSecondsPerMinute = 60.0;
constexpr double kLongestCountdown = 86400.0; // seconds: 24 hours, 1440 minutes
constexpr int kTickMilliseconds = 1000;

// The length typed or picked, in seconds, narrowed to a Single. A text that
// does not begin with a number is 0 minutes. A length too large for a Single
// (or a text beyond a double's range) becomes an infinite length of its sign,
// so that the limits refuse it like any other length beyond them.
Single countdownSeconds(const QString& minutesText) {
    const runtime::TextValue minutes = runtime::scanValue(minutesText.toStdString());
    const double seconds = minutes.value * kSecondsPerMinute;
    try {
        return runtime::toSingle(seconds);
    } catch (const runtime::RuntimeError& error) {
        if (error.number() != runtime::ErrorNumber::Overflow) {
            throw;
        }
        const Single beyond = std::numeric_limits<Single>::infinity();
        return std::signbit(seconds) ? -beyond : beyond;
    }
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void frmStopwatch::wireCountdownEvents() {
    bind(cmdCountdown, &QPushButton::clicked, &frmStopwatch::cmdCountdown_Click,
         "cmdCountdown_Click");
    bind(tmrCountdown, &runtime::Timer::timeout, &frmStopwatch::tmrCountdown_Timer,
         "tmrCountdown_Timer");
    bind(cmdReset, &QPushButton::clicked, &frmStopwatch::cmdReset_Click, "cmdReset_Click");
}

void frmStopwatch::cmdCountdown_Click() {
    runtime::exitOnError([this] {
        if (!state_.blnCDReady) {
            return; // a countdown runs: the click changes nothing
        }
        setForeColor(txtCountdown, runtime::kBlack);
        setBackColor(txtCountdown, runtime::kYellow);
        // Validating: the stopwatch starts before the length is even read, so
        // that it measures the whole countdown. A stopwatch that is not idle
        // is left alone and the countdown runs without it.
        const bool validate = chkCDCheck->checkState() != Qt::Unchecked;
        if (state_.blnSWReady && validate) {
            cmdSWButton_Click();
        } else {
            chkCDCheck->setChecked(false);
        }
        chkCDCheck->setEnabled(false);
        state_.blnCDReady = false;
        txtCountdown->setText(QStringLiteral("START"));
        state_.sngCDSeconds = countdownSeconds(cmbMinutes->currentText());

        // The limits apply to the narrowed length: 1440.00001 minutes narrows
        // to exactly 86400 s and is accepted, 1440.001 to 86400.0625 s and is
        // refused. A refusal leaves a stopwatch started above running.
        if (static_cast<double>(state_.sngCDSeconds) > kLongestCountdown) {
            services_.dialogs.messageBox(this,
                                         QStringLiteral("24 hours is the maximum (1440 minutes)."),
                                         runtime::MsgBoxStyle::OkOnly, QString());
            txtCountdown->setText(QStringLiteral("0:00:00"));
            setBackColor(txtCountdown, runtime::kWhite);
            state_.blnCDReady = true;
        } else if (state_.sngCDSeconds >= 0.0F) { // a negative zero starts, too
            state_.datCDEnd = runtime::addSeconds(services_.clock.now(),
                                                  static_cast<double>(state_.sngCDSeconds));
            Label2->setVisible(true);
            tmrCountdown->setInterval(kTickMilliseconds);
            tmrCountdown->setEnabled(true);
        } else {
            services_.dialogs.messageBox(this, QStringLiteral("A negative number?!"),
                                         runtime::MsgBoxStyle::OkOnly, QStringLiteral("Come On!!"));
            cmbMinutes->setEditText(QString());
            txtCountdown->setText(QStringLiteral("0:00:00"));
            setBackColor(txtCountdown, runtime::kWhite);
            state_.blnCDReady = true;
        }
    });
}

void frmStopwatch::tmrCountdown_Timer() {
    runtime::exitOnError([this] {
        // Measured afresh from the end instant at every tick, so a late or
        // missed tick makes no drift.
        state_.sngCDLeft = runtime::differenceInDays(state_.datCDEnd, services_.clock.now());
        if (state_.sngCDLeft > 0.0F) {
            txtCountdown->setText(latin1(runtime::formatHms(state_.sngCDLeft)));
            setCaption(txtCountdown->text());
            return;
        }
        // The finish. The box can be ticked here only when the start above
        // started the stopwatch and nobody has stopped it since: stopping it
        // unticks the box.
        if (chkCDCheck->checkState() != Qt::Unchecked) {
            cmdSWButton_Click();
        }
        tmrCountdown->setEnabled(false);
        txtCountdown->setText(QStringLiteral("DONE"));
        Label2->setVisible(false);
        setForeColor(txtCountdown, runtime::kGreen);
        setBackColor(txtCountdown, runtime::kBlack);
        services_.dialogs.beep();
        state_.blnCDReady = true;
        if (!state_.blnSWRunning) {
            chkCDCheck->setEnabled(true);
        }
        setCaption(kIdleCaption); // the caption never shows "DONE"
    });
}

void frmStopwatch::cmdReset_Click() {
    // The next tick finds no time left and finishes the countdown.
    state_.datCDEnd = services_.clock.now();
}
