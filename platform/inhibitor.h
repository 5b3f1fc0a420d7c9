#pragma once
// Keeps the computer from suspending for idleness while a countdown runs, so
// that its end is not slept through. Nothing here waits for the desktop:
// hold() returns at once, and without the desktop's service it does nothing.
#include <memory>

namespace platform {

class Inhibitor {
public:
    Inhibitor() = default;
    Inhibitor(const Inhibitor&) = delete;
    Inhibitor& operator=(const Inhibitor&) = delete;
    virtual ~Inhibitor() = default; // releases a hold

    // Holds off suspend while `held`; releases it otherwise. Repeating the
    // current state does nothing.
    virtual void hold(bool held) = 0;
};

class NullInhibitor final : public Inhibitor {
public:
    void hold(bool /*held*/) override {}
};

// The desktop portal's Inhibit on the session bus on a Linux desktop,
// elsewhere a NullInhibitor.
[[nodiscard]] std::unique_ptr<Inhibitor> makeDesktopInhibitor();

} // namespace platform
