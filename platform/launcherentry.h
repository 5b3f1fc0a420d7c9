#pragma once
// The program's taskbar or dock entry: the progress and the count that task
// managers draw over it, told through the launcher-entry signal
// (com.canonical.Unity.LauncherEntry) on the session bus.
#include <QtGlobal>

#include <memory>

namespace platform {

struct LauncherValues {
    double progress = 0.0; // 0 to 1
    bool progressVisible = false;
    qint64 count = 0;
    bool countVisible = false;
    friend bool operator==(const LauncherValues&, const LauncherValues&) = default;
};

class LauncherEntry {
public:
    LauncherEntry() = default;
    LauncherEntry(const LauncherEntry&) = delete;
    LauncherEntry& operator=(const LauncherEntry&) = delete;
    virtual ~LauncherEntry() = default;

    // Tells the task manager the entry's values now. Returns at once; without
    // a session bus nothing is told.
    virtual void update(const LauncherValues& values) = 0;
};

// The launcher-entry signal on a Linux desktop; elsewhere an entry that tells
// nothing.
[[nodiscard]] std::unique_ptr<LauncherEntry> makeLauncherEntry();

} // namespace platform
