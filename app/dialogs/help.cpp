// The Help menu item: one fixed text in a message box.
#include "frmStopwatch.h"

#include "core/windowdialogs.h"

void frmStopwatch::mnuHelp_Click() {
    services_.dialogs.messageBox(this, core::helpMessage());
}
