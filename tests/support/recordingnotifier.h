#pragma once
// Desktop notifiers that record what the windows asked of them, for tests.
#include "platform/notifier.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct NotificationLog {
    struct Shown {
        QString summary;
        QString body;
    };
    std::vector<Shown> shown;
    int withdrawals = 0;
    std::function<void()> activate; // the default action of the last one shown
    bool up = false;                // a notification is on the screen

    // A maker for platform::Services::makeNotifier that records into this log.
    [[nodiscard]] std::function<std::unique_ptr<platform::Notifier>()> maker();
};

class RecordingNotifier final : public platform::Notifier {
public:
    // The log must outlive the notifier's use, not the notifier: a window that
    // a test leaves to the application (one opened with "Another Timer?") may
    // be destroyed after its test's log, so nothing is recorded on destruction.
    explicit RecordingNotifier(NotificationLog& log) : log_(log) {}

    void show(const QString& summary, const QString& body,
              std::function<void()> onActivated) override {
        log_.shown.push_back({summary, body});
        log_.activate = std::move(onActivated);
        log_.up = true;
    }
    void withdraw() override {
        if (log_.up) {
            ++log_.withdrawals;
            log_.up = false;
            log_.activate = nullptr;
        }
    }

private:
    NotificationLog& log_;
};

inline std::function<std::unique_ptr<platform::Notifier>()> NotificationLog::maker() {
    return [this] { return std::make_unique<RecordingNotifier>(*this); };
}
