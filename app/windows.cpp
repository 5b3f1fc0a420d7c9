// Further timer windows, and the identification box that tells them apart,
// also in the window's title.
#include "core/glance.h"
#include "frmStopwatch.h"
#include "layout.h"
#include "placement.h"

#include <QLineEdit>
#include <QPushButton>

void frmStopwatch::wireWindowEvents() {
    bind(cmdAnotherTimer, &QPushButton::clicked, &frmStopwatch::cmdAnotherTimer_Click);
    connect(Text1, &QLineEdit::textChanged, this, [this] { showTitle(); });
}

void frmStopwatch::showTitle() {
    setWindowTitle(core::windowTitle(Text1->text(), *timer_.view.caption));
}

void frmStopwatch::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void frmStopwatch::cmdAnotherTimer_Click() {
    // A window of its own: no parent, so that it outlives this one, and
    // nothing copied from here. It deletes itself when it is closed.
    auto* another = new frmStopwatch(services_);
    another->setTop(layout::kAnotherTimerTop);
    placeNewWindow(*another);
    another->show();
}

void frmStopwatch::Form_Click() {
    Text1->setFocus(Qt::MouseFocusReason);
}
