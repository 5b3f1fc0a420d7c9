#pragma once
// The fixed layout of a timer window: what every window holds and shows before
// any handler has run. Positions and sizes are in twips, font sizes in points.
#include <QtGlobal>

#include <array>
#include <string_view>
#include <variant>

namespace layout {

enum class Kind { TextBox, DisplayBox, CommandButton, CheckBox, ComboBox, Label };

// A control with a place on the window.
struct Control {
    std::string_view name;
    Kind kind;
    int left, top, width, height; // twips
    int tabIndex = -1;            // -1: none
    double fontPoints = 0;        // 0: the window's font
    bool bold = true;
    std::string_view caption = {};
    std::string_view tooltip = {};
    std::string_view accessibleName = {}; // for boxes without a caption, and repeated captions
    bool visible = true;
    bool leftToRight = false; // digits or a time: read left to right in every language
};

// A vertical line, drawn in the window-text colour.
struct Line {
    std::string_view name;
    int x, top, bottom; // twips
    int widthPixels;
};

// A timer: no place on the window, disabled at creation.
struct Timer {
    std::string_view name;
    int interval; // milliseconds; 0 never fires
};

using Row = std::variant<Control, Line, Timer>;

inline constexpr int kClientWidth = 7815;
inline constexpr int kClientHeight = 3810;
inline constexpr double kWindowFontPoints = 12.0;
inline constexpr int kTextLimit = 20; // Text1
// Where every further window opens: its top edge this far below the screen's.
inline constexpr int kAnotherTimerTop = 4380;

// In creation order. One row a line or two, as a table reads best.
// The texts are English, marked for lupdate; the window shows them translated.
// clang-format off
inline constexpr std::array<Row, 20> kRows{{
    Control{.name = "Text1", .kind = Kind::TextBox, .left = 225, .top = 2557, .width = 2295,
            .height = 360, .tabIndex = 8, .fontPoints = 9.75,
            .tooltip = QT_TRANSLATE_NOOP("frmStopwatch", "Identify this timer while running multiple timers."),
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Identification")},
    Control{.name = "cmdAnotherTimer", .kind = Kind::CommandButton, .left = 4980, .top = 3000,
            .width = 2415, .height = 555, .tabIndex = 5, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Another Timer?")},
    Control{.name = "txtTime", .kind = Kind::TextBox, .left = 2700, .top = 3000, .width = 1935,
            .height = 555, .tabIndex = 6, .fontPoints = 13.5,
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Time to set"),
            .leftToRight = true},
    Control{.name = "cmdSetYourClock", .kind = Kind::CommandButton, .left = 225, .top = 3000,
            .width = 2295, .height = 555, .tabIndex = 7, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Set Your Clock"),
            .tooltip = QT_TRANSLATE_NOOP("frmStopwatch", "Yes......set your computer's clock!!")},
    Control{.name = "chkCDCheck", .kind = Kind::CheckBox, .left = 5580, .top = 2580, .width = 2115,
            .height = 255, .tabIndex = 15, .fontPoints = 9.75, .bold = false,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Validate Countdown")},
    Control{.name = "cmdReset", .kind = Kind::CommandButton, .left = 6480, .top = 1920,
            .width = 1215, .height = 555, .tabIndex = 4, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Stop"),
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Stop countdown")},
    Timer{.name = "tmrCountdown", .interval = 0},
    Control{.name = "cmbMinutes", .kind = Kind::ComboBox, .left = 4500, .top = 1335,
            .width = 1215, .height = 480, .tabIndex = 2, .fontPoints = 13.5,
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Countdown minutes"),
            .leftToRight = true},
    Control{.name = "cmdCountdown", .kind = Kind::CommandButton, .left = 4500, .top = 1920,
            .width = 1815, .height = 555, .tabIndex = 3, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Countdown")},
    Control{.name = "txtCountdown", .kind = Kind::DisplayBox, .left = 4500, .top = 540,
            .width = 1575, .height = 555, .tabIndex = 12, .fontPoints = 18, .caption = "0:00:00",
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Countdown display"),
            .leftToRight = true},
    Control{.name = "txtSWTime1", .kind = Kind::DisplayBox, .left = 225, .top = 1260,
            .width = 2115, .height = 555, .tabIndex = 11, .fontPoints = 18,
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Capture display"),
            .leftToRight = true},
    Control{.name = "cmdSWPause", .kind = Kind::CommandButton, .left = 2490, .top = 1920,
            .width = 1575, .height = 555, .tabIndex = 1, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Capture"), .visible = false},
    Timer{.name = "tmrSWTimer", .interval = 5},
    Control{.name = "cmdSWButton", .kind = Kind::CommandButton, .left = 225, .top = 1920,
            .width = 1695, .height = 555, .tabIndex = 0, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Stopwatch")},
    Control{.name = "txtSWTime", .kind = Kind::DisplayBox, .left = 225, .top = 540, .width = 2115,
            .height = 555, .tabIndex = 9, .fontPoints = 18, .caption = "00:00:00.00",
            .accessibleName = QT_TRANSLATE_NOOP("frmStopwatch", "Stopwatch display"),
            .leftToRight = true},
    Control{.name = "Label3", .kind = Kind::Label, .left = 2640, .top = 2670, .width = 555,
            .height = 240, .tabIndex = 16, .caption = QT_TRANSLATE_NOOP("frmStopwatch", "I. D.")},
    Line{.name = "Line1", .x = 4260, .top = 240, .bottom = 2460, .widthPixels = 3},
    Control{.name = "Label2", .kind = Kind::Label, .left = 4500, .top = 240, .width = 1575,
            .height = 255, .tabIndex = 14, .fontPoints = 9.75,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Hr..Min...Sec")},
    Control{.name = "Label1", .kind = Kind::Label, .left = 6060, .top = 1440, .width = 1215,
            .height = 375, .tabIndex = 13, .fontPoints = 13.5,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Minutes")},
    Control{.name = "lblTimeType", .kind = Kind::Label, .left = 225, .top = 240, .width = 2115,
            .height = 255, .tabIndex = 10, .fontPoints = 9.75,
            .caption = QT_TRANSLATE_NOOP("frmStopwatch", "Seconds")},
}};
// clang-format on

// The countdown lengths offered by cmbMinutes, in minutes, in this order.
inline constexpr std::array<std::string_view, 34> kMinutes{
    ".25", ".50", ".75", "1.00", "1.25", "1.50", "1.75", "2.00", "3",   "4",   "5",  "6",
    "7",   "8",   "9",   "10",   "15",   "20",   "25",   "30",   "40",  "45",  "60", "90",
    "120", "150", "180", "210",  "240",  "300",  "360",  "420",  "480", "1440"};

} // namespace layout
