#include "placement.h"

#include "core/placement.h"
#include "platform/desktopwindows.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>

void placeNewWindow(QWidget& window) {
    QList<QRect> others = platform::otherProcessesWindows(QApplication::applicationName());
    // The frame around a window is known only once one is on the screen; the
    // windows are all alike, so any shown one tells it for the new one.
    QMargins frame;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible() && top->objectName() == window.objectName()) {
            others.append(top->frameGeometry());
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
    window.move(core::placeWindow(wanted, size, screen->availableGeometry(), others, step));
}
