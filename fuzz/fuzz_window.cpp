// A timer window driven by any sequence of user events and clock moves. The
// input's bytes choose each event; after every one the window must hold
// together: no error escapes a handler, the stopwatch is in one of its four
// states with the matching button caption and timer, the countdown's timer
// runs only while a countdown is on, "Validate Countdown" is never enabled
// while something runs, the caption is the idle one or the countdown's, and a
// few presses of the window's own buttons bring everything back to idle.
#include "check.h"
#include "support/probe.h"

#include "core/errors.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    [[nodiscard]] bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t int32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v = (v << 8U) | byte();
        }
        std::int32_t s = 0;
        std::memcpy(&s, &v, sizeof s);
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

const std::array<const char*, 8> kTimes = {"13:09", "1:09 PM", "1:09", "",
                                           "25:00", "12:60",   "abc",  "12:30:15 am"};

const std::array<const char*, 16> kLengths = {
    ".25",  "1440",  "1440.00001", "1440.001", "-5",         "-0", "",     "abc",
    "1e37", "-1e37", "1e999",      "0.01",     "10 minutes", "0",  "5e36", "1"};

struct Window {
    TestServices t;
    std::unique_ptr<frmStopwatch> w = t.window();
    frmStopwatchProbe p{*w};

    template <typename T = QWidget> T* c(const char* name) { return p.control<T>(name); }

    // A handler as the event loop calls it, but with nothing to catch what
    // escapes it.
    void run(const char* handler) {
        try {
            p.call(handler);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s let out: %s\n", handler, e.what());
            std::abort();
        }
    }

    void checkInvariants() {
        const TimerWindowState& s = p.state();
        const QString caption = c<QPushButton>("cmdSWButton")->text();
        const bool running = !s.blnSWReady && s.blnSWRunning;
        if (s.blnSWReady) {
            check(caption == QStringLiteral("Stopwatch"), "idle caption");
        } else if (s.blnSWRunning) {
            check(caption == QStringLiteral("Stop"), "running caption");
        } else if (s.blnSWStopped) {
            check(caption == QStringLiteral("H:MM:SS"), "stopped caption");
        } else {
            check(s.blnSWResetDue, "one of the four states");
            check(caption == QStringLiteral("Reset"), "converted caption");
        }
        check(p.timer("tmrSWTimer")->isRunning() == running,
              "refresh timer runs exactly while running");
        check(c("cmdSWPause")->isVisibleTo(w.get()) == running,
              "Capture shown exactly while running");
        check(!p.timer("tmrCountdown")->isRunning() || !s.blnCDReady,
              "countdown timer only while counting");
        check(!c("chkCDCheck")->isEnabled() || (s.blnCDReady && !s.blnSWRunning),
              "Validate Countdown disabled while timing");
        const QString title = w->windowTitle();
        check(title == QLatin1String(core::kIdleCaption.data(),
                                     static_cast<qsizetype>(core::kIdleCaption.size())) ||
                  title == c<QLineEdit>("txtCountdown")->text(),
              "caption idle or the time left");
    }

    // From anywhere: "Stop" and one countdown tick end the countdown, and at
    // most four presses of the main button bring the stopwatch back to idle.
    void checkRecovers() {
        if (!p.state().blnCDReady) {
            run("cmdReset_Click");
            check(p.timer("tmrCountdown")->isRunning(), "a countdown on has its tick");
            run("tmrCountdown_Timer");
            check(p.state().blnCDReady, "Stop and one tick end the countdown");
        }
        for (int i = 0; i < 4 && !p.state().blnSWReady; ++i) {
            run("cmdSWButton_Click");
        }
        check(p.state().blnSWReady && !p.timer("tmrSWTimer")->isRunning(),
              "stopwatch back to idle");
        checkInvariants();
    }
};

// The events of the window's own handlers, from the one table of handlers by
// name. The suffix names the event: a click on the control the prefix names
// (only while the user can click it: shown and enabled), a timer's tick (only
// while the timer runs), the focus moving to a control (a click on "Validate
// Countdown", which also ticks or unticks it). A handler without an event of
// its own (Reset) is reached only through the others.
class HandlerEvents {
public:
    HandlerEvents() {
        for (const frmStopwatch::NamedHandler& entry : frmStopwatch::handlers()) {
            const std::string_view name = entry.name;
            const std::size_t underscore = name.rfind('_');
            // "Another Timer?" opens and shows a window of its own, which costs
            // as much as a thousand other events; the window tests cover it.
            if (underscore != std::string_view::npos && name != "cmdAnotherTimer_Click") {
                events_.push_back({std::string(name), std::string(name.substr(0, underscore)),
                                   std::string(name.substr(underscore + 1))});
            }
        }
        check(events_.size() >= 10, "the handler table names the window's events");
    }
    [[nodiscard]] std::size_t size() const { return events_.size(); }

    // Delivers event `i`, when the user or the event loop could cause it now.
    void deliver(std::size_t i, Window& x) const {
        const Event& e = events_[i];
        const char* control = e.control.c_str();
        if (e.kind == "Timer") {
            if (x.p.timer(control)->isRunning()) {
                x.run(e.handler.c_str());
            }
        } else if (e.kind == "GotFocus") {
            QWidget* target = x.c(control);
            if (target->isVisibleTo(x.w.get()) && target->isEnabled()) {
                x.run(e.handler.c_str());
                if (auto* box = qobject_cast<QCheckBox*>(target)) {
                    box->toggle();
                }
            }
        } else if (e.kind == "Click" && e.control == "Form") {
            x.run(e.handler.c_str());
        } else if (e.kind == "Click") {
            QObject* target = x.w->findChild<QObject*>(QString::fromStdString(e.control));
            check(target != nullptr, "a click handler names its control");
            const auto* widget = qobject_cast<QWidget*>(target);
            const auto* action = qobject_cast<QAction*>(target);
            if ((widget != nullptr && widget->isVisibleTo(x.w.get()) && widget->isEnabled()) ||
                (action != nullptr && action->isEnabled())) {
                x.run(e.handler.c_str());
            }
        } else {
            check(false, "a handler event of a known kind");
        }
    }

private:
    struct Event {
        std::string handler; // its name in the table
        std::string control; // the control it belongs to, or "Form"
        std::string kind;    // Click, Timer or GotFocus
    };
    std::vector<Event> events_;
};

// What else happens to a window: text typed, time passing, the computer's
// clock set, the answer the next box gets, the system refusing to set the
// clock, a request to close.
constexpr std::size_t kOtherEvents = 7;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv); // lives as long as the fuzzer
    configureTestApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const HandlerEvents handlerEvents;
    Input in(data, size);
    Window x;
    x.w->setAttribute(Qt::WA_DeleteOnClose, false); // this input owns the window
    for (int events = 0; !in.empty() && events < 200; ++events) {
        const std::size_t event = in.byte() % (handlerEvents.size() + kOtherEvents);
        if (event < handlerEvents.size()) {
            handlerEvents.deliver(event, x);
            x.checkInvariants();
            continue;
        }
        switch (event - handlerEvents.size()) {
        case 0:
            x.c<QComboBox>("cmbMinutes")
                ->setEditText(QString::fromLatin1(kLengths[in.byte() % kLengths.size()]));
            break;
        case 1: // the computer's clock set by any amount
            x.t.clock.moveWall(static_cast<double>(in.int32()) *
                               (in.byte() % 2 == 0 ? 1.0 : 0.001));
            break;
        case 2: // time passes
            x.t.clock.advance(
                static_cast<double>(static_cast<std::uint32_t>(in.int32()) % 200000U) / 100.0);
            break;
        case 3: // the steady clock alone moves forward
            x.t.clock.advanceSteady(static_cast<double>(in.byte()) * 37.5);
            break;
        case 4: {
            static constexpr std::array<int, 3> answers{
                core::MsgBoxResult::Ok, core::MsgBoxResult::Yes, core::MsgBoxResult::No};
            x.t.dialogs.answer(answers[in.byte() % answers.size()]);
            break;
        }
        case 5: // the time typed to set, and whether the system will refuse it
            x.c<QLineEdit>("txtTime")->setText(
                QString::fromLatin1(kTimes[in.byte() % kTimes.size()]));
            x.t.clockSetter.refusal = in.byte() % 2 == 0 ? "not allowed" : "";
            break;
        case 6: // a request to close: the window may stay open
            if (x.w->close()) {
                check(!x.p.timer("tmrSWTimer")->isRunning() &&
                          !x.p.timer("tmrCountdown")->isRunning(),
                      "a closed window's timers stop");
                return 0;
            }
            check(x.p.state().blnSWRunning || !x.p.state().blnCDReady,
                  "only a timing window stays open");
            break;
        }
        x.checkInvariants();
    }
    x.checkRecovers();
    return 0;
}
