// Binds the clock setting, the help and the question before closing to their
// events. Closing goes through closeEvent.
#include "core/dispatch.h"
#include "frmStopwatch.h"

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QSessionManager>

void frmStopwatch::wireDialogEvents() {
    bind(cmdSetYourClock, &QPushButton::clicked, &frmStopwatch::cmdSetYourClock_Click);
    bind(mnuHelp, &QAction::triggered, &frmStopwatch::mnuHelp_Click);
#if QT_CONFIG(sessionmanager)
    // The request goes to the application; every window answers it for itself.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            core::dispatchEvent("Form_QueryUnload", [this, &manager] { sessionEnding(manager); });
        });
    }
#endif
}
