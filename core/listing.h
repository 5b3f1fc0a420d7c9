#pragma once
// The windows that are timing, as `horolux --list` prints them and the
// session bus's ListWindows returns them: read from the timing records that
// every Horolux keeps (core/timingrecord.h), each window as its displays show
// it at the moment of the listing.
#include "restore.h"
#include "timingrecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// The record of one Horolux process, and whether that process still runs.
struct KeptRecord {
    bool programRunning = true;
    std::vector<WindowRecord> windows{};
};

struct ListedWindow {
    QString identification{};
    // False: the Horolux that kept the record has ended (a crash, kill -9);
    // its timing comes back at the next start.
    bool programRunning = true;

    WindowRecord::Stopwatch stopwatch = WindowRecord::Stopwatch::Idle;
    QString stopwatchShows{}; // the stopwatch's display: "12.34", or "0:01:02" once converted
    LapList laps{};

    enum class Countdown { None, Running, Done };
    Countdown countdown = Countdown::None;
    QString countdownShows{};  // Running: the time left, "0:04:12"
    double secondsLeft = 0.0;  // Running
    std::int64_t endUtcMs = 0; // Running: when it ends
};

// The windows of `records` that are timing or show a result, in the records'
// order, as their displays show them at `now`. A record of a Horolux that has
// ended lists only what its next start brings back.
[[nodiscard]] std::vector<ListedWindow> listWindows(const std::vector<KeptRecord>& records,
                                                    const RestoreClock& now);

// The texts of a listing, in the user's language: (context, English) to the
// translation.
using Translate = std::function<QString(const char* context, const char* english)>;

// One line a window, each ending with a newline: "Tea: countdown 0:04:12
// left, ends at 14:37:05". Nothing for no window.
[[nodiscard]] QString listingText(const std::vector<ListedWindow>& windows,
                                  const Translate& localize);

// The same as one JSON object {"windows": [...]}, its fields described in
// horolux(1), for panels and scripts.
[[nodiscard]] QByteArray listingJson(const std::vector<ListedWindow>& windows);

// "14:37:05" in local time.
[[nodiscard]] QString localTimeOfDay(std::int64_t utcMs);

} // namespace core
