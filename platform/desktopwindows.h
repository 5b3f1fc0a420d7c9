#pragma once
// The windows that other programs have open on the desktop, where the window
// system tells (X11 does; Wayland and the other platforms do not).
#include <QList>
#include <QRect>
#include <QString>

namespace platform {

// The frames, in the desktop's logical pixels, of the mapped top-level
// windows whose window class is `windowClass`, except this process's own.
// Empty where the window system cannot be asked.
[[nodiscard]] QList<QRect> otherProcessesWindows(const QString& windowClass);

} // namespace platform
