#pragma once
// What the user is told when the timings' records cannot be kept or read: a
// desktop notification, once per kind of problem in a run (the store's line
// on standard error is not seen when the program starts from a menu).
#include "platform/notifier.h"
#include "platform/timingstore.h"

#include <functional>
#include <map>
#include <memory>

class TimingProblems {
public:
    explicit TimingProblems(std::function<std::unique_ptr<platform::Notifier>()> makeNotifier)
        : makeNotifier_(std::move(makeNotifier)) {}

    void tell(const platform::TimingProblem& problem);

private:
    std::function<std::unique_ptr<platform::Notifier>()> makeNotifier_;
    // One notifier for each kind told, so that one does not replace another.
    std::map<platform::TimingProblem::Kind, std::unique_ptr<platform::Notifier>> told_;
};
