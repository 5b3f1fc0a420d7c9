// The stopwatch's handlers: the button's four steps, the 5 ms refresh, the
// capture and Reset. The sequences (core/timerwindow.h) decide; these read
// and write the controls.
#include "frmStopwatch.h"

#include "platform/timer.h"

#include <QLatin1String>
#include <QLineEdit>
#include <QPushButton>

void frmStopwatch::wireStopwatchEvents() {
    bind(cmdSWButton, &QPushButton::clicked, &frmStopwatch::cmdSWButton_Click);
    bind(cmdSWPause, &QPushButton::clicked, &frmStopwatch::cmdSWPause_Click);
    bind(tmrSWTimer, &platform::Timer::timeout, &frmStopwatch::tmrSWTimer_Timer);
}

void frmStopwatch::cmdSWButton_Click() {
    readControls();
    const core::Stopwatch::Step step = timer_.press();
    showView();
    if (step == core::Stopwatch::Step::Start) {
        cmdSWPause->setFocus();
    }
}

void frmStopwatch::tmrSWTimer_Timer() {
    // The display as the model last wrote it, read back only when it shows
    // something else: reading it on every tick would allocate 200 times a second.
    const std::string& written = *timer_.view.swTime;
    if (txtSWTime->text() !=
        QLatin1String(written.data(), static_cast<qsizetype>(written.size()))) {
        timer_.view.swTime.read(txtSWTime->text().toStdString());
    }
    timer_.tickStopwatch();
    showView();
}

void frmStopwatch::cmdSWPause_Click() {
    timer_.capture();
    showView();
}

void frmStopwatch::Reset() {
    timer_.stopwatch.reset();
    showView();
}

void frmStopwatch::chkCDCheck_GotFocus() {
    Reset();
}
