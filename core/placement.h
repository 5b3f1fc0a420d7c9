#pragma once
// Where a timer window opens: the position the layout asks for, moved so that
// it neither lies exactly over another timer window nor reaches past the
// screen's available area. All rectangles are frames (the window with its
// title bar and borders) in the desktop's logical pixels.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <span>

namespace core {

// `wanted`: the frame's top left corner the layout gives. `frame`: the frame's
// size. `available`: the screen's area that windows may cover (without
// panels). `others`: the frames of the timer windows already open. `step`: how
// far a window moves down and right to uncover the one under it, a title
// bar's height.
//
// A window that would open over another (their top left corners closer than
// half a step) moves one step down and right, as often as needed; past the
// bottom or right of the area it starts again at the area's top or left. The
// window is kept wholly inside the area by moving it up or left, never by
// resizing it; one larger than the area keeps its top left corner in it.
[[nodiscard]] QPoint placeWindow(QPoint wanted, QSize frame, QRect available,
                                 std::span<const QRect> others, int step);

} // namespace core
