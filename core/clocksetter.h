#pragma once
// Setting the computer's clock.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace core {

// The clock was left as it was, for a reason the user can act on: the system
// refused (automatic time synchronisation, no permission, authorisation
// refused or cancelled), the time asked for cannot be set, or nothing on the
// system can set the clock. reason() says why in plain words, as one sentence.
class ClockNotSet : public std::runtime_error {
public:
    enum class Cause {
        Refused,      // for the reason given
        NotPermitted, // the user may not set the clock
        NoService,    // nothing on this system sets the clock
    };
    explicit ClockNotSet(const std::string& reason, Cause cause = Cause::Refused)
        : std::runtime_error(reason), cause_(cause) {}
    [[nodiscard]] std::string reason() const { return what(); }
    [[nodiscard]] Cause cause() const { return cause_; }

private:
    Cause cause_;
};

class ClockSetter {
public:
    ClockSetter() = default;
    ClockSetter(const ClockSetter&) = delete;
    ClockSetter& operator=(const ClockSetter&) = delete;
    virtual ~ClockSetter() = default;

    // Sets the computer's clock to an instant given in microseconds since
    // 1970-01-01 00:00 UTC. Throws ClockNotSet when the clock stays as it was.
    virtual void setClock(std::int64_t microsecondsUtc) = 0;
};

} // namespace core
