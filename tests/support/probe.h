#pragma once
// Test access to a timer window: its state, its controls by name, and its
// handlers called the way the event loop calls them.
#include "application.h"
#include "frmStopwatch.h"
#include "platform/timer.h"
#include "support/fakeclock.h"
#include "support/recordingclocksetter.h"
#include "support/recordingnotifier.h"
#include "support/scripteddialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string_view>

// The services every test window gets: time moves only when a test says so,
// message boxes answer from a script.
struct TestServices {
    FakeClock clock;
    ScriptedDialogs dialogs;
    RecordingClockSetter clockSetter;
    NotificationLog notifications;
    platform::Services services{clock, dialogs, clockSetter, notifications.maker()};

    [[nodiscard]] std::unique_ptr<frmStopwatch> window() const {
        return std::make_unique<frmStopwatch>(services);
    }
};

class frmStopwatchProbe {
public:
    explicit frmStopwatchProbe(frmStopwatch& window) : w_(window) {}

    [[nodiscard]] const TimerWindowState& state() const { return w_.timer_.state; }
    [[nodiscard]] core::Single top() const { return w_.Top(); }
    [[nodiscard]] core::Single left() const { return w_.Left(); }
    [[nodiscard]] core::Single width() const { return w_.Width(); }
    [[nodiscard]] core::Single screenWidth() const { return w_.screenWidth(); }

    template <typename T = QWidget> [[nodiscard]] T* control(const char* name) const {
        return w_.findChild<T*>(QString::fromLatin1(name));
    }
    [[nodiscard]] platform::Timer* timer(const char* name) const {
        return control<platform::Timer>(name);
    }

    // Calls a handler directly, as another handler would: errors it does not
    // trap come out here instead of stopping at the event boundary.
    void call(std::string_view handler) {
        for (const auto& [name, member] : frmStopwatch::handlers()) {
            if (name == handler) {
                (w_.*member)();
                return;
            }
        }
        throw std::invalid_argument("no such handler");
    }

    // Delivers one tick of a timer, as the event loop would: only while it runs.
    [[nodiscard]] bool tick(const char* name) const {
        platform::Timer* t = timer(name);
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

// What a user can see of a window: the title, and every control's text or
// caption, colour, visibility and state; a message box of its own left out.
inline QStringList snapshot(const QWidget& w) {
    QStringList seen{w.windowTitle()};
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->window() != &w) {
            continue;
        }
        QString line = c->objectName() + (c->isVisible() ? " shown" : " hidden") +
                       (c->isEnabled() ? " enabled " : " disabled ") +
                       c->palette().color(QPalette::Base).name();
        if (auto* edit = qobject_cast<QLineEdit*>(c)) {
            line += " " + edit->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            line += " " + button->text() + (button->isChecked() ? " ticked" : "");
        } else if (auto* label = qobject_cast<QLabel*>(c)) {
            line += " " + label->text();
        }
        seen << line;
    }
    return seen;
}

// Makes the application look as it does when the program runs.
inline void configureTestApplication() {
    configureApplication();
}
