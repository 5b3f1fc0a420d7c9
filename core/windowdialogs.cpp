#include "windowdialogs.h"

#include "errors.h"
#include "texts.h"
#include "timeofday.h"

namespace core {

Message helpMessage() {
    // Five paragraphs, separated by an empty line.
    return {
        QT_TRANSLATE_NOOP(
            "Messages",
            "Stopwatch and countdown accuracy is basically a function of your machine's internal "
            "clock. The code was written to work as closely as possible with the internal clock. "
            "The "
            "stopwatch appears to be somewhat precise on the author's machine, whereas, the "
            "countdown "
            "portion of the application is a bit off (usually by not more than a second.....or "
            "less)."
            "\r\n\r\n"
            "You can set your computer's clock from the application by entering the time in a "
            "format "
            "such as 13:09 , 1:09 PM or 1:09. If you make an improper entry a message box will "
            "appear......try again."
            "\r\n\r\n"
            "You can validate the countdown timer by selecting Validate Countdown. The stopwatch "
            "starts and stops automatically with the countdown timer."
            "\r\n\r\n"
            "If the machine's clock reaches midnight during a timing operation the results will be "
            "wrong!"
            "\r\n\r\n"
            "FYI...there are 86400 seconds in a 24 hour period. The internal clock starts counting "
            "these seconds at midnight."),
        MsgBoxStyle::OkOnly, QT_TRANSLATE_NOOP("Messages", "Help")};
}

std::optional<Message> closeQuestion(const TimerWindowState& state) {
    if (!state.blnSWRunning && state.blnCDReady) {
        return std::nullopt;
    }
    return Message{QT_TRANSLATE_NOOP("Messages", "Do you wish to exit?"),
                   MsgBoxStyle::YesNo + MsgBoxStyle::Question + MsgBoxStyle::DefaultButton2,
                   QT_TRANSLATE_NOOP("Messages", "Timing in progress !!")};
}

std::optional<Message> setYourClock(bool stopwatchTicks, bool countdownTicks, QStringView text,
                                    Date nowUtc, ClockSetter& setter) {
    // Either timer running blocks the change, since every reading the window
    // takes comes from the computer's clock.
    if (stopwatchTicks || countdownTicks) {
        return Message{
            QT_TRANSLATE_NOOP("Messages",
                              "Timing in progress!\r\n\r\nIf you change the clock now.....\r\n"
                              "your results will be incorrect!!"),
            MsgBoxStyle::Information, QT_TRANSLATE_NOOP("Messages", "Hey!!")};
    }
    try {
        setTime(text, nowUtc, setter);
        return std::nullopt;
    } catch (const ClockNotSet& refusal) {
        // A valid time the system would not set: say so, and why.
        return Message{compose(kClockNotChanged, {refusal.reason()}), MsgBoxStyle::Exclamation,
                       QT_TRANSLATE_NOOP("Messages", "Tick Tock!!")};
    } catch (const RuntimeError&) {
        return Message{QT_TRANSLATE_NOOP("Messages", "Invalid entry!!"), MsgBoxStyle::Exclamation,
                       QT_TRANSLATE_NOOP("Messages", "Tick Tock!!")};
    }
}

} // namespace core
