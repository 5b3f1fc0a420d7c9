#pragma once
// Call once, before the QApplication exists. On X11, the windows send what
// they draw to the X server inside the drawing request, not through shared
// memory: the displays change a small box a hundred times a second, and with
// shared memory each change waits for a round trip to the X server before
// the next can be drawn, which costs the program and the server more than
// the copy it saves.
void configureDisplayConnection();

// Call once, after the QApplication exists. One look on every desktop: the
// Fusion style with its standard light palette, so that the fixed layout and
// the display colours hold under any theme.
void configureApplication();
