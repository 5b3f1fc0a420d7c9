#pragma once
// What shows of the windows outside them: the tray icon while something is
// timing, with the time left and the windows in its menu, and the progress of
// the countdown that ends first on the taskbar entry. Both read the one list
// of what every window of this process is timing, the timing journal; each
// Horolux process shows its own windows. While something runs they look
// again once a second, just after the countdown's tick, and pass on only what
// changed; while nothing runs nothing wakes.
#include "core/clock.h"
#include "core/glance.h"
#include "platform/launcherentry.h"
#include "platform/timingjournal.h"
#include "platform/tray.h"

#include <QObject>
#include <QTimer>

#include <memory>

class Outside final : public QObject {
public:
    Outside(platform::TimingJournal& journal, const core::Clock& clock,
            std::unique_ptr<platform::Tray> tray,
            std::unique_ptr<platform::LauncherEntry> launcher);
    ~Outside() override;
    Outside(const Outside&) = delete;
    Outside& operator=(const Outside&) = delete;

    // The tray icon of the program: its own icon, and a click that brings
    // every window to the front.
    [[nodiscard]] static std::unique_ptr<platform::Tray> makeTray();

private:
    void look();
    void fillMenu();

    platform::TimingJournal& journal_;
    const core::Clock& clock_;
    std::unique_ptr<platform::Tray> tray_;
    std::unique_ptr<platform::LauncherEntry> launcher_;
    QTimer next_;
    platform::LauncherValues told_; // what the taskbar entry was last told
    QStringList listed_;            // the windows in the tray's menu
    bool menuDue_ = false;
    bool running_ = false; // the tray shows something: its menu is kept up to date
};
