#include "placement.h"

#include "core/placement.h"
#include "platform/desktopwindows.h"
#include "platform/placementclaims.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {

// The property that keeps the frame's top left corner a window was given.
constexpr const char* kPlacedAt = "horoluxPlacedAt";

} // namespace

void placeNewWindow(QWidget& window) {
    QList<QRect> others = platform::otherProcessesWindows(QApplication::applicationName());
    // The frame around a window is known only once one is on the screen; the
    // windows are all alike, so any shown one tells it for the new one.
    QMargins frame;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible() && top->objectName() == window.objectName()) {
            others.append(top->frameGeometry());
            // Where it was placed, too: an X server run by a Wayland compositor
            // (weston) may keep reporting a position that is not the one on
            // the screen.
            const QVariant placed = top->property(kPlacedAt);
            if (placed.isValid()) {
                others.append(QRect(placed.toPoint(), top->frameGeometry().size()));
            }
            const QRect outer = top->frameGeometry();
            const QRect inner = top->geometry();
            frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        }
    }
    // One step down and right uncovers the title bar of the window below.
    const int step =
        frame.top() > 0 ? frame.top() : window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    if (frame.isNull()) {
        frame.setTop(step);
    }

    const QPoint wanted = window.pos(); // the frame's corner, as the window was moved
    const QScreen* screen = QGuiApplication::screenAt(wanted);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QSize size = window.size().grownBy(frame);
    // Off the windows that other Horolux programs placed a moment ago, too,
    // which the window system may not show yet.
    const QPoint corner =
        platform::placeClaimed(platform::placementClaimsFile(), [&](const QList<QRect>& claimed) {
            QList<QRect> all = others + claimed;
            return QRect(core::placeWindow(wanted, size, screen->availableGeometry(), all, step),
                         size);
        }).topLeft();
    window.setProperty(kPlacedAt, corner);
    window.move(corner);
}
