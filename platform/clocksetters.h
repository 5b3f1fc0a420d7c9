#pragma once
// The clock setters that change the computer's clock for real.
#include "core/clocksetter.h"

#include <chrono>
#include <memory>

namespace platform {

// How long to wait for the time service: long enough for the user to read an
// authorisation prompt and type a password.
inline constexpr std::chrono::milliseconds kTimeServiceTimeout = std::chrono::minutes(3);

#if HOROLUX_LINUX_DESKTOP

// Asks systemd-timedated on the system bus to set the clock
// (org.freedesktop.timedate1.SetTime), allowing it to ask the user for
// authorisation through polkit. The call is waited for the way a modal dialog
// waits: timers and painting go on, user input waits until the answer is in.
// Only when the bus does not know the service, or there is no system bus at
// all, does it hand the instant to `fallback`; without a fallback that is
// reported as ClockNotSet.
class TimedatedClockSetter final : public core::ClockSetter {
public:
    explicit TimedatedClockSetter(std::unique_ptr<core::ClockSetter> fallback,
                                  std::chrono::milliseconds timeout = kTimeServiceTimeout);
    ~TimedatedClockSetter() override;

    void setClock(std::int64_t microsecondsUtc) override;

private:
    std::unique_ptr<core::ClockSetter> fallback_;
    std::chrono::milliseconds timeout_;
};

// Sets the clock directly with clock_settime(CLOCK_REALTIME). Succeeds only in
// a process with the right to set the time (CAP_SYS_TIME).
class DirectClockSetter final : public core::ClockSetter {
public:
    void setClock(std::int64_t microsecondsUtc) override;
};

#elif defined(_WIN32)

// Sets the local time with SetLocalTime; Windows grants it to users with the
// right to change the system time.
class LocalTimeClockSetter final : public core::ClockSetter {
public:
    void setClock(std::int64_t microsecondsUtc) override;
};

#endif

// Where the program cannot set the clock: every request is refused.
class UnavailableClockSetter final : public core::ClockSetter {
public:
    void setClock(std::int64_t microsecondsUtc) override;
};

// The setter the program uses on this platform.
[[nodiscard]] std::unique_ptr<core::ClockSetter> makeSystemClockSetter();

} // namespace platform
