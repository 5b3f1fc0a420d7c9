#pragma once
// The fixed layout of a timer window: what every window holds and shows before
// any handler has run. Positions and sizes are in twips, font sizes in points.
#include <array>
#include <string_view>

namespace layout {

enum class Kind { TextBox, DisplayBox, CommandButton, CheckBox, ComboBox, Label, Timer, Line };

struct Control {
    std::string_view name;
    Kind kind;
    int left, top, width, height; // twips; for the line: x1, y1, x2, y2
    int tabIndex;                 // -1: none
    double fontPoints;            // 0: the window's font
    bool bold;
    std::string_view caption;
    std::string_view tooltip = {};
    std::string_view accessibleName = {}; // for boxes without a caption
    int interval = 0;                     // timers, milliseconds
    bool visible = true;
};

inline constexpr int kClientWidth = 7815;
inline constexpr int kClientHeight = 3810;
inline constexpr double kWindowFontPoints = 12.0;
inline constexpr int kTextLimit = 20; // Text1
inline constexpr int kLineWidthPixels = 3;

// In creation order.
inline constexpr std::array<Control, 20> kControls{{
    {"Text1", Kind::TextBox, 225, 2557, 2295, 360, 8, 9.75, true, "",
     "Identify this timer while running multiple timers.", "Identification"},
    {"cmdAnotherTimer", Kind::CommandButton, 4980, 3000, 2415, 555, 5, 13.5, true,
     "Another Timer?"},
    {"txtTime", Kind::TextBox, 2700, 3000, 1935, 555, 6, 13.5, true, "", {}, "Time to set"},
    {"cmdSetYourClock", Kind::CommandButton, 225, 3000, 2295, 555, 7, 13.5, true, "Set Your Clock",
     "Yes......set your computer's clock!!"},
    {"chkCDCheck", Kind::CheckBox, 5580, 2580, 2115, 255, 15, 9.75, false, "Validate Countdown"},
    {"cmdReset", Kind::CommandButton, 6480, 1920, 1215, 555, 4, 13.5, true, "Stop"},
    {"tmrCountdown", Kind::Timer, 0, 0, 0, 0, -1, 0, false, "", {}, {}, 0},
    {"cmbMinutes", Kind::ComboBox, 4500, 1335, 1215, 480, 2, 13.5, true, "", {}, "Minutes"},
    {"cmdCountdown", Kind::CommandButton, 4500, 1920, 1815, 555, 3, 13.5, true, "Countdown"},
    {"txtCountdown",
     Kind::DisplayBox,
     4500,
     540,
     1575,
     555,
     12,
     18,
     true,
     "0:00:00",
     {},
     "Countdown display"},
    {"txtSWTime1", Kind::DisplayBox, 225, 1260, 2115, 555, 11, 18, true, "", {}, "Capture display"},
    {"cmdSWPause",
     Kind::CommandButton,
     2490,
     1920,
     1575,
     555,
     1,
     13.5,
     true,
     "Capture",
     {},
     {},
     0,
     false},
    {"tmrSWTimer", Kind::Timer, 0, 0, 0, 0, -1, 0, false, "", {}, {}, 5},
    {"cmdSWButton", Kind::CommandButton, 225, 1920, 1695, 555, 0, 13.5, true, "Stopwatch"},
    {"txtSWTime",
     Kind::DisplayBox,
     225,
     540,
     2115,
     555,
     9,
     18,
     true,
     "00:00:00.00",
     {},
     "Stopwatch display"},
    {"Label3", Kind::Label, 2640, 2670, 555, 240, 16, 0, true, "I. D."},
    {"Line1", Kind::Line, 4260, 240, 4260, 2460, -1, 0, false, ""},
    {"Label2", Kind::Label, 4500, 240, 1575, 255, 14, 9.75, true, "Hr..Min...Sec"},
    {"Label1", Kind::Label, 6060, 1440, 1215, 375, 13, 13.5, true, "Minutes"},
    {"lblTimeType", Kind::Label, 225, 240, 2115, 255, 10, 9.75, true, "Seconds"},
}};

// The countdown lengths offered by cmbMinutes, in minutes, in this order.
inline constexpr std::array<std::string_view, 34> kMinutes{
    ".25", ".50", ".75", "1.00", "1.25", "1.50", "1.75", "2.00", "3",   "4",   "5",  "6",
    "7",   "8",   "9",   "10",   "15",   "20",   "25",   "30",   "40",  "45",  "60", "90",
    "120", "150", "180", "210",  "240",  "300",  "360",  "420",  "480", "1440"};

} // namespace layout
