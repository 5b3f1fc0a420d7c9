#pragma once
// The timer window: a stopwatch with a capture display, a countdown that can
// drive the stopwatch, a box that sets the computer's clock, an identification
// box and a button that opens further windows. Every window on the screen is
// one instance with its own controls, timers and state.
#include "TimerWindowState.h"
#include "runtime/services.h"

#include <QMainWindow>
#include <QString>

#include <string_view>

class QAction;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSessionManager;
namespace runtime {
class Timer;
}

// The window caption when no countdown is shown.
inline const QString kIdleCaption = QStringLiteral("Horolux            www.horolux.org");

class frmStopwatch final : public QMainWindow {
    Q_OBJECT
public:
    // Creates the window with its layout and runs Form_Load; the caller shows it.
    explicit frmStopwatch(const runtime::Services& services);
    ~frmStopwatch() override;

    // Returns the stopwatch to idle: displays "0.00" on white, "Seconds",
    // "Stopwatch", the idle caption.
    void Reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // asks Form_QueryUnload

private:
    friend class frmStopwatchProbe; // tests reach the state and the handlers

    void createControls();
    void wireEvents();
    void wireStopwatchEvents();
    void wireWindowEvents();
    void wireCountdownEvents();

    // Calls a handler from the event loop: an untrapped error ends the event
    // there instead of crossing the loop.
    template <typename Signal, typename Sender>
    void bind(Sender* sender, Signal signal, void (frmStopwatch::*handler)(),
              std::string_view name);
    void dispatch(void (frmStopwatch::*handler)(), std::string_view name);

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

    // The stopwatch's transitions and helpers.
    void startStopwatch();
    void stopStopwatch();
    void convertResult();
    [[nodiscard]] QString elapsedText(runtime::Single reading) const;
    static void convertDisplay(QLineEdit* display, runtime::Integer& hours,
                               runtime::Integer& minutes, runtime::Integer& seconds);

    // Clock setting, help and the question before closing (app/dialogs/).
    void wireDialogEvents();
    void cmdSetYourClock_Click();
    void mnuHelp_Click();
    void Form_QueryUnload(runtime::Integer& Cancel, runtime::Integer UnloadMode);
    void sessionEnding(QSessionManager& manager);
    bool closeForSessionEnd();

    // Window properties, in twips.
    [[nodiscard]] runtime::Single Top() const;
    void setTop(runtime::Single twips);
    [[nodiscard]] runtime::Single Left() const;
    void setLeft(runtime::Single twips);
    [[nodiscard]] runtime::Single Width() const;
    [[nodiscard]] runtime::Single screenWidth() const;
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    static void setBackColor(QWidget* box, runtime::Color color);
    static void setForeColor(QWidget* box, runtime::Color color);

    runtime::Services services_;
    TimerWindowState state_;
    bool settingClock_ = false;   // the clock setter is waiting: the window may not close
    bool closeConfirmed_ = false; // the user already answered Yes: close without asking

    // The controls, by their names.
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdAnotherTimer = nullptr;
    QLineEdit* txtTime = nullptr;
    QPushButton* cmdSetYourClock = nullptr;
    QCheckBox* chkCDCheck = nullptr;
    QPushButton* cmdReset = nullptr;
    runtime::Timer* tmrCountdown = nullptr;
    QComboBox* cmbMinutes = nullptr;
    QPushButton* cmdCountdown = nullptr;
    QLineEdit* txtCountdown = nullptr;
    QLineEdit* txtSWTime1 = nullptr;
    QPushButton* cmdSWPause = nullptr;
    runtime::Timer* tmrSWTimer = nullptr;
    QPushButton* cmdSWButton = nullptr;
    QLineEdit* txtSWTime = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTimeType = nullptr;
    QAction* mnuHelp = nullptr;
};

template <typename Signal, typename Sender>
void frmStopwatch::bind(Sender* sender, Signal signal, void (frmStopwatch::*handler)(),
                        std::string_view name) {
    connect(sender, signal, this, [this, handler, name] { dispatch(handler, name); });
}
