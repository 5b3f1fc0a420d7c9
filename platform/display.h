#pragma once
// Whether the window system can be reached, asked before the QApplication
// exists: Qt aborts the program where it cannot connect.
#include <QString>

namespace platform {

// Whether the X display `name` (":0", "host:1.0") accepts a connection. Only
// the Linux desktop build can ask; elsewhere it answers true and Qt finds out.
[[nodiscard]] bool displayReachable(const QString& name);

} // namespace platform
