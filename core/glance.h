#pragma once
// What shows of the windows outside them: each window's title, and what the
// tray icon and the taskbar entry show of every window's timing, as pure
// functions of the windows' records and the clocks' readings. The program
// asks again once a second while something runs, and passes a value on only
// when it differs from the last.
#include "listing.h"
#include "restore.h"
#include "timingrecord.h"

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace core {

// The window's title: its caption, after the I.D. where one is typed
// ("Oven - 0:04:32"); with an empty or blank I.D. the caption alone.
[[nodiscard]] QString windowTitle(const QString& identification, std::string_view caption);

struct Glance {
    // One line a running timing, in the windows' order: "Oven: 4:32 left",
    // "Run: 12:03.45".
    QStringList lines;
    int running = 0;    // stopwatches and countdowns running
    int countdowns = 0; // countdowns running
    // How far the countdown that ends first has come, 0 to 1 in steps of
    // 1/100 (the finest a taskbar shows); 0 without one, or where its length
    // is not known.
    double progress = 0.0;
    // Milliseconds until the time left of the countdown that ends first shows
    // its next second: the next look falls just after the window's own tick.
    int nextLookMs = 1000;

    friend bool operator==(const Glance& a, const Glance& b) {
        return a.lines == b.lines && a.running == b.running && a.countdowns == b.countdowns &&
               a.progress == b.progress;
    }
};

// What the records of the process's windows show at `now`; the words in the
// user's language through `localize`.
[[nodiscard]] Glance glance(const std::vector<WindowRecord>& records, const RestoreClock& now,
                            const Translate& localize);

} // namespace core
