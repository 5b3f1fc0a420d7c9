#pragma once
// The timer window: a stopwatch with a capture display, a countdown that can
// drive the stopwatch, a box that sets the computer's clock, an identification
// box and a button that opens further windows. Every window on the screen is
// one instance with its own controls, timers, state and models.
//
// The handlers are adapters: they read the controls, ask the stopwatch or the
// countdown model (core/) what follows, and write the controls.
#include "core/timerwindow.h"
#include "core/verb.h"
#include "platform/services.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <span>
#include <string_view>

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QMoveEvent;
class QPushButton;
class QSessionManager;
class LapsWindow;
namespace platform {
class Timer;
}
namespace core {
struct Restored;
struct WindowRecord;
} // namespace core
struct WindowTimings;

class frmStopwatch final : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window with its layout and runs Form_Load; the caller shows it.
    explicit frmStopwatch(const platform::Services& services);
    ~frmStopwatch() override;

    // Returns the stopwatch to idle: displays "0.00" on white, "Seconds",
    // "Stopwatch", the idle caption.
    void Reset();

    // Brings back a recorded window's timing (app/persistence.cpp); the caller
    // shows the window.
    void restoreTiming(const core::WindowRecord& record, const core::Restored& restored);

    // Verbs from outside the window (app/remote.cpp), each through dispatch()
    // as the click on its button is. A new window takes the verb's I.D. and
    // starts its stopwatch or countdown; an open one presses the stopwatch's
    // button, captures or stops its countdown, and answers false where that
    // button is hidden or would do nothing.
    void startFromOutside(const core::Verb& verb);
    bool pressFromOutside(core::Verb::Kind kind);
    [[nodiscard]] QString identification() const;
    // Shows the window, restored if minimized, in front and active: a click
    // on the tray icon or its menu, or on a notification.
    void bringToFront();
    // The countdown that finished last, once more: the minutes box set to its
    // length and "Countdown" clicked. Nothing while a countdown runs.
    void countdownAgain();
    // A handler of this window waits for the clock setter.
    [[nodiscard]] bool settingClock() const { return settingClock_; }
    // Opens this window's laps window, or brings it to the front (F9); a
    // slot, for the tray menu too.
    Q_SLOT void showLaps();

    // The handlers that events and other handlers call, by name: one table for
    // the event boundary's reports, the tests and the fuzzer.
    using Handler = void (frmStopwatch::*)();
    struct NamedHandler {
        std::string_view name;
        Handler handler;
    };
    [[nodiscard]] static std::span<const NamedHandler> handlers();
    [[nodiscard]] static std::string_view nameOf(Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // asks Form_QueryUnload
    // Activated: withdraw the notification of a finish.
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override; // recorded once it settles

private:
    friend class frmStopwatchProbe; // tests reach the state and the handlers

    void createControls();
    void wireEvents();
    void wireStopwatchEvents();
    void wireWindowEvents();
    void wireCountdownEvents();
    void wireClockBoxEvents();
    void wireClosingEvents();
    void wireLaps();
    // While the window cannot be seen the stopwatch's display is not kept
    // current (app/unseen.cpp).
    void holdTicksWhileUnseen();
    // The title: the caption after the I.D., where one is typed.
    void showTitle();

    // Calls a handler from the event loop: an untrapped error ends the event
    // there instead of crossing the loop. Every call from an event passes
    // through dispatch(); bind() looks the name up once, when wiring.
    template <typename Signal, typename Sender>
    void bind(Sender* sender, Signal signal, Handler handler);
    void dispatch(Handler handler, std::string_view name);
    void dispatch(Handler handler) { dispatch(handler, nameOf(handler)); }

    // The view: what the user changed is read into it before a model is
    // asked, and what the model wrote is copied to the controls after.
    void readControls();
    void showView();

    // Event handlers.
    void Form_Load();
    void cmdSWButton_Click();
    void cmdSWPause_Click();
    void tmrSWTimer_Timer();
    void chkCDCheck_GotFocus();
    void cmdAnotherTimer_Click();
    void Form_Click();
    void cmdCountdown_Click();
    void tmrCountdown_Timer();
    void cmdReset_Click();
    void cmdSetYourClock_Click();
    void mnuHelp_Click();
    void Form_QueryUnload(core::Integer& Cancel, core::Integer UnloadMode);

    // The end of the desktop session, and a close that waits until no handler
    // of this window is under way.
    void sessionEnding(QSessionManager& manager);
    bool closeForSessionEnd();
    void closeWhenIdle();

    // Window properties, in twips. Left and Top count from the top left corner
    // of the primary screen, wherever the desktop puts it among several monitors.
    using Single = core::Single;
    static Single twips(int pixels) { return static_cast<Single>(pixels * core::kTwipsPerPixel); }
    static int toPixels(Single length) { return qRound(length / core::kTwipsPerPixel); }
    static QRect primaryGeometry(); // empty without a screen
    [[nodiscard]] Single Top() const { return twips(pos().y() - primaryGeometry().top()); }
    void setTop(Single top) { move(pos().x(), primaryGeometry().top() + toPixels(top)); }
    [[nodiscard]] Single Left() const { return twips(pos().x() - primaryGeometry().left()); }
    void setLeft(Single left) { move(primaryGeometry().left() + toPixels(left), pos().y()); }
    [[nodiscard]] Single Width() const { return twips(frameGeometry().width()); }
    [[nodiscard]] Single screenWidth() const { return twips(primaryGeometry().width()); }

    static void setColor(QWidget* box, QPalette::ColorRole role, core::BoxColor color);

    platform::Services services_;
    // The stopwatch's and the countdown's sequences, on this window's state and view.
    core::TimerWindow timer_;
    // The desktop notification of a countdown that finished while the user
    // looked elsewhere; withdrawn when they come back.
    std::unique_ptr<platform::Notifier> notifier_;
    // A countdown finished: the bell, and the notification when the user
    // looks elsewhere.
    void countdownFinished();
    // Shows this window's notification; picked, it brings the window to the
    // front. One that `stays` is not withdrawn when the window is activated
    // (a window brought back at start is activated as it first shows), only
    // when the user answers it or a new countdown starts.
    void notify(const core::Countdown::Notice& notice, bool stays);
    void withdrawNotice();
    bool noticeStays_ = false;
    bool settingClock_ = false;   // the clock setter is waiting: the window may not close
    bool closeConfirmed_ = false; // the user already answered Yes: close without asking
    bool quietFinish_ = false;    // stopped from outside: its finish is not notified

    // The timing kept for the next start (app/persistence.cpp): recorded after
    // every handler but the stopwatch's tick, forgotten when the user closes
    // the window.
    void keepTimings();
    void recordTiming();
    void forgetTiming();
    void stopKeepingTimings();
    std::unique_ptr<WindowTimings> timings_;

    // Made when first asked for; a child window, gone with this one.
    LapsWindow* lapsWindow_ = nullptr;

    // The controls, by their names.
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdAnotherTimer = nullptr;
    QLineEdit* txtTime = nullptr;
    QPushButton* cmdSetYourClock = nullptr;
    QCheckBox* chkCDCheck = nullptr;
    QPushButton* cmdReset = nullptr;
    platform::Timer* tmrCountdown = nullptr;
    QComboBox* cmbMinutes = nullptr;
    QPushButton* cmdCountdown = nullptr;
    QLineEdit* txtCountdown = nullptr;
    QLineEdit* txtSWTime1 = nullptr;
    QPushButton* cmdSWPause = nullptr;
    platform::Timer* tmrSWTimer = nullptr;
    QPushButton* cmdSWButton = nullptr;
    QLineEdit* txtSWTime = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblTimeType = nullptr;
    QAction* mnuHelp = nullptr;
};

template <typename Signal, typename Sender>
void frmStopwatch::bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this,
            [this, handler, name = nameOf(handler)] { dispatch(handler, name); });
}
