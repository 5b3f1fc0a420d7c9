#pragma once
// Window-wide keys for the timing buttons: F5 the stopwatch's button, F6
// Capture, F7 Countdown, F8 the countdown's Stop. A key works from any control
// of the active window and does what a click on its button does.
class QAbstractButton;
class QWidget;

// Gives the buttons of `window` (found by their names) their keys and
// tooltips naming them. Call once, after the buttons exist.
void installTimerShortcuts(QWidget& window);

// Gives `button` its key again. Setting a button's caption replaces its
// shortcut with the caption's mnemonic (none here): call this after every
// caption the handlers write.
void keepTimerShortcut(QAbstractButton& button);
