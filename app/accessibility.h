#pragma once
// What a screen reader hears of a timer window beyond what Qt's own widgets
// say: names for the controls whose captions repeat or change, and a combo
// box that keeps its name whatever is typed into it.
#include <QString>

#include <string_view>

class QPushButton;

// Call once, after the QApplication exists: the minutes combo box's
// accessible interface is the program's own (see accessibility.cpp).
void installAccessibility();

// The accessible name of the stopwatch's button for its English caption, in the
// user's language: the caption, told apart from the countdown's own "Stop".
[[nodiscard]] QString stopwatchButtonName(std::string_view caption);
