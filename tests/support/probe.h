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
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    // A click with the mouse.
    void click(const char* name) const { QTest::mouseClick(p.control(name), Qt::LeftButton); }
};

// What a control shows: a box's text, a button's or a label's caption.
inline QString captionOf(const QWidget* c) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(c)) {
        return edit->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(c)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(c)) {
        return label->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(c)) {
        return combo->currentText();
    }
    return {};
}

// What a user can see of a window: the title, and every control's text or
// caption, colour, visibility and state; a message box of its own left out.
inline QStringList snapshot(const QWidget& w) {
    QStringList seen{w.windowTitle()};
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->window() != &w) {
            continue;
        }
        const auto* button = qobject_cast<QAbstractButton*>(c);
        seen << c->objectName() + (c->isVisible() ? " shown" : " hidden") +
                    (c->isEnabled() ? " enabled " : " disabled ") +
                    c->palette().color(QPalette::Base).name() + " " + captionOf(c) +
                    (button != nullptr && button->isChecked() ? " ticked" : "");
    }
    return seen;
}

// Where the user's clicks take a window, with 10 minutes typed for the countdown.
enum class Situation { Idle, Running, Stopped, Converted, CountingDown, Validated, CountdownDone };

inline void reach(frmStopwatchProbe& p, FakeClock& clock, Situation situation) {
    const auto click = [&p](const char* name) { p.control<QPushButton>(name)->click(); };
    p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("10"));
    if (situation == Situation::Running) {
        click("cmdSWButton");
    } else if (situation == Situation::Stopped || situation == Situation::Converted) {
        click("cmdSWButton");
        clock.advance(2);
        click("cmdSWButton");
        if (situation == Situation::Converted) {
            click("cmdSWButton");
        }
    } else if (situation == Situation::CountingDown || situation == Situation::Validated) {
        p.control<QCheckBox>("chkCDCheck")->setChecked(situation == Situation::Validated);
        click("cmdCountdown");
    } else if (situation == Situation::CountdownDone) {
        click("cmdCountdown");
        click("cmdReset");
        QVERIFY(p.tick("tmrCountdown"));
        QCOMPARE(p.control<QLineEdit>("txtCountdown")->text(), "DONE");
    }
}

// Makes the application look as it does when the program runs.
inline void configureTestApplication() {
    configureApplication();
}
