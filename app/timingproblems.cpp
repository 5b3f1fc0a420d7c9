#include "timingproblems.h"

#include "platform/translation.h"

#include <string_view>

namespace {

const char* summary(platform::TimingProblem::Kind kind) {
    using Kind = platform::TimingProblem::Kind;
    switch (kind) {
    case Kind::SetAside:
        return QT_TRANSLATE_NOOP("Notification", "A timing record could not be read");
    case Kind::CannotWrite:
    case Kind::CannotLock:
        return QT_TRANSLATE_NOOP("Notification", "The timings are not saved yet");
    case Kind::CannotKeep:
        break;
    }
    return QT_TRANSLATE_NOOP("Notification", "The timings are not kept");
}

} // namespace

void TimingProblems::tell(const platform::TimingProblem& problem) {
    if (told_.contains(problem.kind)) {
        return;
    }
    std::unique_ptr<platform::Notifier>& notifier = told_[problem.kind];
    notifier = makeNotifier_();
    notifier->show(platform::translated("Notification", std::string_view(summary(problem.kind))),
                   platform::translated("Notification", problem.text), {});
}
