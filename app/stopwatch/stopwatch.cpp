// The stopwatch's handlers: the button's four steps, the 5 ms refresh, the
// capture and Reset. The stopwatch model (core/stopwatch.h) decides; these
// read and write the controls.
#include "frmStopwatch.h"

#include "core/errors.h"
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
    core::Stopwatch::Step step = core::Stopwatch::Step::None;
    core::exitOnError([this, &step] { step = stopwatch_.press(); });
    showView();
    if (step == core::Stopwatch::Step::Start) {
        cmdSWPause->setFocus();
    }
}

void frmStopwatch::tmrSWTimer_Timer() {
    core::exitOnError([this] {
        const std::string_view text = stopwatch_.tick();
        const QLatin1String shown(text.data(), static_cast<qsizetype>(text.size()));
        // Most ticks find the same hundredth on the display: write nothing then.
        if (txtSWTime->text() != shown) {
            txtSWTime->setText(shown);
        }
    });
}

void frmStopwatch::cmdSWPause_Click() {
    core::exitOnError([this] { stopwatch_.capture(); });
    showView();
}

void frmStopwatch::Reset() {
    stopwatch_.reset();
    showView();
}

void frmStopwatch::chkCDCheck_GotFocus() {
    Reset();
}
