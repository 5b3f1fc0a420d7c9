#pragma once
// Call once, after the QApplication exists. One look on every desktop: the
// Fusion style with its standard light palette, so that the fixed layout and
// the display colours hold under any theme.
void configureApplication();
