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

    // Gone with the log: a window that a test leaves to the application (one
    // opened with "Another Timer?") may outlive the test and its log, and is
    // then activated when a later test's window closes.
    std::shared_ptr<int> alive = std::make_shared<int>();
};

class RecordingNotifier final : public platform::Notifier {
public:
    // Records into `log` while it lasts; nothing is recorded on destruction.
    explicit RecordingNotifier(NotificationLog& log) : log_(log), alive_(log.alive) {}

    void show(const QString& summary, const QString& body,
              std::function<void()> onActivated) override {
        if (alive_.expired()) {
            return;
        }
        log_.shown.push_back({summary, body});
        log_.activate = std::move(onActivated);
        log_.up = true;
    }
    void withdraw() override {
        if (!alive_.expired() && log_.up) {
            ++log_.withdrawals;
            log_.up = false;
            log_.activate = nullptr;
        }
    }

private:
    NotificationLog& log_;
    std::weak_ptr<int> alive_;
};

inline std::function<std::unique_ptr<platform::Notifier>()> NotificationLog::maker() {
    return [this] { return std::make_unique<RecordingNotifier>(*this); };
}
