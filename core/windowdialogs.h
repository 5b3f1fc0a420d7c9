#pragma once
// What a timer window's dialogs say: the help text, the question before a
// window that is timing closes, and the answer to "Set Your Clock".
#include "TimerWindowState.h"
#include "clocksetter.h"
#include "message.h"

#include <QStringView>

#include <optional>

namespace core {

// The Help box.
[[nodiscard]] Message helpMessage();

// The question before closing, while the stopwatch runs or a countdown is
// under way; none otherwise.
[[nodiscard]] std::optional<Message> closeQuestion(const TimerWindowState& state);

// Sets the computer's clock to the time of day in `text`, on the local date of
// `nowUtc`, unless a timer of the window is running. Returns the box to show:
// the warning while timing, "Invalid entry!!" for a text that is no time of
// day, the system's refusal in plain words; none when the clock was set.
// Anything but these comes out as it is.
[[nodiscard]] std::optional<Message> setYourClock(bool stopwatchTicks, bool countdownTicks,
                                                  QStringView text, Date nowUtc,
                                                  ClockSetter& setter);

} // namespace core
