#pragma once
// Message boxes that answer from a script and record what was asked, and a
// bell that counts.
#include "platform/dialogs.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedDialogs final : public platform::Dialogs {
public:
    // A box as shown: the application title when none was given.
    using Box = core::Message;

    // Queues the answers for the next boxes; a box without a queued answer
    // gets core::defaultAnswer(style).
    void answer(int result) { answers_.push_back(result); }

    int messageBox(QWidget* /*owner*/, const core::Message& message) override {
        Box shown = message;
        if (shown.title.empty()) {
            shown.title = core::kApplicationTitle;
        }
        boxes_.push_back(shown);
        if (whileShown) {
            whileShown();
        }
        if (answers_.empty()) {
            return core::defaultAnswer(message.style);
        }
        const int result = answers_.front();
        answers_.pop_front();
        return result;
    }
    void beep() override { ++beeps_; }
    // The file dialog answers `saveAs`; empty: cancelled.
    QString saveFileName(QWidget* /*owner*/, const QString& /*title*/, const QString& /*suggested*/,
                         const QString& /*filter*/) override {
        return saveAs;
    }
    QString saveAs;

    [[nodiscard]] const std::vector<Box>& boxes() const { return boxes_; }
    [[nodiscard]] int beeps() const { return beeps_; }
    void clear() {
        boxes_.clear();
        answers_.clear();
        beeps_ = 0;
    }

    std::function<void()> whileShown; // runs while a box is open, as the user would

private:
    std::vector<Box> boxes_;
    std::deque<int> answers_;
    int beeps_ = 0;
};
