// The stopwatch's handlers: the button's four steps, the 5 ms refresh, the
// capture and Reset. The sequences (core/timerwindow.h) decide; these read
// and write the controls.
#include "frmStopwatch.h"

#include "platform/timer.h"

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
    timer_.view.swTime.read(txtSWTime->text().toStdString());
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
