#pragma once
// What a timer window keeps for the next start: its record after every
// handler, its hold on suspend while a countdown runs, and the restoring of
// the windows recorded by a Horolux that is no longer running.
#include "core/timingrecord.h"
#include "platform/inhibitor.h"
#include "platform/services.h"
#include "platform/timingstore.h"

#include <QTimer>

#include <memory>
#include <vector>

class QApplication;

// A window's part: the hold on suspend and the pause after a move.
struct WindowTimings {
    std::unique_ptr<platform::Inhibitor> inhibitor;
    QTimer moveSettle; // a move is recorded once the window has stopped moving
};

// Opens one window for each recorded window that was timing, as it was;
// returns how many it opened.
int restoreWindows(const platform::Services& services,
                   const std::vector<core::WindowRecord>& records);

// From here on, windows that the application closes (a quit at the end of the
// session) keep their timings, and SIGTERM ends the program without closing
// any window.
void keepTimingsAtEnd(QApplication& app, platform::TimingJournal& journal);
