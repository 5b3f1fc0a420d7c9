#pragma once
// A clock setter that records the instants it was asked to set the clock to,
// and can play a system that refuses.
#include "core/clocksetter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RecordingClockSetter final : public core::ClockSetter {
public:
    void setClock(std::int64_t microsecondsUtc) override {
        calls.push_back(microsecondsUtc);
        if (whileSetting) {
            whileSetting();
        }
        if (!refusal.empty()) {
            throw core::ClockNotSet(refusal, cause);
        }
    }
    std::vector<std::int64_t> calls;
    std::string refusal; // when not empty, the system refuses with this reason and cause
    core::ClockNotSet::Cause cause = core::ClockNotSet::Cause::Refused;
    std::function<void()> whileSetting; // runs while the system is at work
};
