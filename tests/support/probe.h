#pragma once
// Test access to a timer window: its state, its controls by name, and its
// handlers called the way the event loop calls them.
#include "application.h"
#include "frmStopwatch.h"
#include "runtime/clock.h"
#include "runtime/dialogs.h"
#include "runtime/timer.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Records the instants the program asked the clock to be set to, and can play
// a system that refuses.
class RecordingClockSetter final : public runtime::ClockSetter {
public:
    void setClock(std::int64_t microsecondsUtc) override {
        calls.push_back(microsecondsUtc);
        if (whileSetting) {
            whileSetting();
        }
        if (!refusal.empty()) {
            throw runtime::ClockNotSet(refusal);
        }
    }
    std::vector<std::int64_t> calls;
    std::string refusal;                // when not empty, the system refuses with this reason
    std::function<void()> whileSetting; // runs while the system is at work
};

// The services every test window gets: time moves only when a test says so,
// message boxes answer from a script.
struct TestServices {
    runtime::FakeClock clock;
    runtime::ScriptedDialogs dialogs;
    RecordingClockSetter clockSetter;
    runtime::Services services{clock, dialogs, clockSetter};

    [[nodiscard]] std::unique_ptr<frmStopwatch> window() const {
        return std::make_unique<frmStopwatch>(services);
    }
};

class frmStopwatchProbe {
public:
    explicit frmStopwatchProbe(frmStopwatch& window) : w_(window) {}

    [[nodiscard]] TimerWindowState& state() { return w_.state_; }
    [[nodiscard]] runtime::Single top() const { return w_.Top(); }
    [[nodiscard]] runtime::Single left() const { return w_.Left(); }
    [[nodiscard]] runtime::Single width() const { return w_.Width(); }
    [[nodiscard]] runtime::Single screenWidth() const { return w_.screenWidth(); }

    template <typename T = QWidget> [[nodiscard]] T* control(const char* name) const {
        return w_.findChild<T*>(QString::fromLatin1(name));
    }
    [[nodiscard]] runtime::Timer* timer(const char* name) const {
        return control<runtime::Timer>(name);
    }

    // Calls a handler directly, as another handler would: errors it does not
    // trap come out here instead of stopping at the event boundary.
    void call(std::string_view handler) {
        using Handler = void (frmStopwatch::*)();
        static const std::pair<std::string_view, Handler> handlers[] = {
            {"cmdSWButton_Click", &frmStopwatch::cmdSWButton_Click},
            {"cmdSWPause_Click", &frmStopwatch::cmdSWPause_Click},
            {"tmrSWTimer_Timer", &frmStopwatch::tmrSWTimer_Timer},
            {"chkCDCheck_GotFocus", &frmStopwatch::chkCDCheck_GotFocus},
            {"cmdCountdown_Click", &frmStopwatch::cmdCountdown_Click},
            {"tmrCountdown_Timer", &frmStopwatch::tmrCountdown_Timer},
            {"cmdReset_Click", &frmStopwatch::cmdReset_Click},
            {"Form_Click", &frmStopwatch::Form_Click},
            {"cmdSetYourClock_Click", &frmStopwatch::cmdSetYourClock_Click},
            {"mnuHelp_Click", &frmStopwatch::mnuHelp_Click},
            {"Reset", &frmStopwatch::Reset},
        };
        for (const auto& [name, member] : handlers) {
            if (name == handler) {
                (w_.*member)();
                return;
            }
        }
        throw std::invalid_argument("no such handler");
    }

    // The conversion of one stopwatch display to hours, minutes and seconds.
    static void convertDisplay(QLineEdit* display, runtime::Integer& hours,
                               runtime::Integer& minutes, runtime::Integer& seconds) {
        frmStopwatch::convertDisplay(display, hours, minutes, seconds);
    }

    // Delivers one tick of a timer, as the event loop would: only while it runs.
    [[nodiscard]] bool tick(const char* name) const {
        runtime::Timer* t = timer(name);
        if (t == nullptr || !t->isRunning()) {
            return false;
        }
        emit t->timeout();
        return true;
    }

    // The desktop session is ending and lets the window ask the user: true
    // when the window lets it end (and has closed), false when it objects.
    [[nodiscard]] bool closeForSessionEnd() { return w_.closeForSessionEnd(); }

private:
    frmStopwatch& w_;
};

// A test window on the screen and active, so that it receives the focus, with
// the services it runs on.
struct ActiveWindow {
    TestServices t;
    std::unique_ptr<frmStopwatch> w = t.window();
    frmStopwatchProbe p{*w};

    ActiveWindow() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
};

// Makes the application look as it does when the program runs.
inline void configureTestApplication() {
    configureApplication();
}
