#pragma once
// The desktop's preference for light or dark colours.
#include <QObject>

#include <memory>

namespace platform {

// Tells whether the desktop prefers dark colours: once when it is first known,
// and again whenever it changes. Until then, and where nothing tells, light.
class ColorScheme : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Starts asking and returns at once; the answer arrives as preferDark().
    virtual void start() = 0;

signals:
    void preferDark(bool dark);
};

// The freedesktop appearance setting `color-scheme`, read through the portal's
// Settings on the session bus, and followed while the program runs; where the
// build has no D-Bus, a source that never reports.
[[nodiscard]] std::unique_ptr<ColorScheme> makeDesktopColorScheme();

} // namespace platform
