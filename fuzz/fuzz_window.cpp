// A timer window driven by any sequence of user events and clock moves. The
// input's bytes choose each event; after every one the window must hold
// together: no error escapes a handler, the stopwatch is in one of its four
// states with the matching button caption and timer, the countdown's timer
// runs only while a countdown is on, "Validate Countdown" is never enabled
// while something runs, the caption is the idle one or the countdown's, and a
// few presses of the window's own buttons bring everything back to idle.
#include "support/probe.h"

#include "core/errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

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
        check(title == kIdleCaption || title == c<QLineEdit>("txtCountdown")->text(),
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv); // lives as long as the fuzzer
    configureTestApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    Window x;
    x.w->setAttribute(Qt::WA_DeleteOnClose, false); // this input owns the window
    for (int events = 0; !in.empty() && events < 200; ++events) {
        switch (in.byte() % 17) {
        case 0:
            x.run("cmdSWButton_Click");
            break;
        case 1:
            if (x.c("cmdSWPause")->isVisibleTo(x.w.get())) {
                x.run("cmdSWPause_Click");
            }
            break;
        case 2:
            x.run("cmdCountdown_Click");
            break;
        case 3:
            x.run("cmdReset_Click");
            break;
        case 4: // a click on "Validate Countdown": focus, then the tick
            if (x.c("chkCDCheck")->isEnabled()) {
                x.run("chkCDCheck_GotFocus");
                x.c<QCheckBox>("chkCDCheck")->toggle();
            }
            break;
        case 5:
            if (x.p.timer("tmrSWTimer")->isRunning()) {
                x.run("tmrSWTimer_Timer");
            }
            break;
        case 6:
            if (x.p.timer("tmrCountdown")->isRunning()) {
                x.run("tmrCountdown_Timer");
            }
            break;
        case 7:
            x.c<QComboBox>("cmbMinutes")
                ->setEditText(QString::fromLatin1(kLengths[in.byte() % kLengths.size()]));
            break;
        case 8: // the computer's clock set by any amount
            x.t.clock.moveWall(static_cast<double>(in.int32()) *
                               (in.byte() % 2 == 0 ? 1.0 : 0.001));
            break;
        case 9: // time passes
            x.t.clock.advance(
                static_cast<double>(static_cast<std::uint32_t>(in.int32()) % 200000U) / 100.0);
            break;
        case 10: // the steady clock alone moves forward
            x.t.clock.advanceSteady(static_cast<double>(in.byte()) * 37.5);
            break;
        case 11: {
            static constexpr std::array<int, 3> answers{
                core::MsgBoxResult::Ok, core::MsgBoxResult::Yes, core::MsgBoxResult::No};
            x.t.dialogs.answer(answers[in.byte() % answers.size()]);
            break;
        }
        case 12:
            x.run("Form_Click");
            break;
        case 13:
            x.c<QLineEdit>("txtTime")->setText(
                QString::fromLatin1(kTimes[in.byte() % kTimes.size()]));
            break;
        case 14: { // the clock set, refused by the system, or the entry refused
            const bool refuse = in.byte() % 2 == 0;
            x.t.clockSetter.refusal = refuse ? "not allowed" : "";
            x.run("cmdSetYourClock_Click");
            break;
        }
        case 15:
            x.run("mnuHelp_Click");
            break;
        case 16: // a request to close: the window may stay open
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
