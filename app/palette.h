#pragma once
// The window's colours: the desktop's light or dark preference, and the
// colours the handlers give the displays.
#include <QColor>
#include <QPalette>

#include <optional>

class QWidget;
namespace platform {
class ColorScheme;
}

// Follows the desktop's preference from `scheme`, asked once the event loop
// runs so that the first window opens without waiting: light is Fusion's
// standard palette, dark is `themePalette` (the platform theme's, read before
// the program set its own) where that is dark, else a dark palette for Fusion.
void followColorScheme(platform::ColorScheme& scheme, const QPalette& themePalette);

// A dark palette for the Fusion style.
[[nodiscard]] QPalette darkPalette();

// Gives a box the background (QPalette::Base) or text colour (QPalette::Text)
// a handler chose, or with none returns that colour to the current palette's,
// which then follows the palette when it changes. Text that no handler chose
// stays readable on a background that one did.
void setBoxColor(QWidget& box, QPalette::ColorRole role, std::optional<QColor> color);
