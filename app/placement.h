#pragma once
class QWidget;

// Call before a timer window is first shown, once its position from the layout
// is set: window managers, and X11 servers run by a Wayland compositor, place
// a window when it is first mapped and may ignore a move after. Moves it off
// any other timer window that lies exactly there (this program's, and another
// Horolux's where the window system tells) and wholly into the available area
// of its screen.
void placeNewWindow(QWidget& window);
