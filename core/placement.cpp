#include "placement.h"

#include <algorithm>
#include <cstdlib>

namespace core {

QPoint placeWindow(QPoint wanted, QSize frame, QRect available, std::span<const QRect> others,
                   int step) {
    step = std::max(step, 1);
    // The range of top left corners that keep the frame inside the area.
    const int minX = available.left();
    const int minY = available.top();
    const int maxX = std::max(minX, available.right() + 1 - frame.width());
    const int maxY = std::max(minY, available.bottom() + 1 - frame.height());

    const int near = std::max(step / 2, 1);
    const auto covered = [&](QPoint corner) {
        return std::any_of(others.begin(), others.end(), [&](const QRect& other) {
            return std::abs(other.left() - corner.x()) < near &&
                   std::abs(other.top() - corner.y()) < near;
        });
    };

    QPoint corner(std::clamp(wanted.x(), minX, maxX), std::clamp(wanted.y(), minY, maxY));
    // Each other window covers at most one of the corners tried, so one more
    // try than there are windows finds a free corner unless the tries repeat
    // (an area too small to step in); then the last try stands.
    for (std::size_t tries = 0; tries < others.size() && covered(corner); ++tries) {
        corner += QPoint(step, step);
        if (corner.y() > maxY) {
            corner.setY(minY);
        }
        if (corner.x() > maxX) {
            corner.setX(minX);
        }
    }
    return corner;
}

} // namespace core
