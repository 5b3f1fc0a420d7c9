#pragma once
// The timing record of the whole process, put together from its windows'
// records: a window reports its record after every handler, and the store is
// asked to save only when some window's record changed.
#include "core/timingrecord.h"
#include "timingstore.h"

#include <functional>
#include <utility>
#include <vector>

namespace platform {

class TimingJournal {
public:
    explicit TimingJournal(TimingStore& store) : store_(store) {}

    // Held while the windows of the records taken over are made. Each window
    // records itself idle before its timing is restored, so nothing is saved
    // until all are restored; then one save holds them all, and only once it
    // is written may the store remove the records they came from.
    class Restoring {
    public:
        explicit Restoring(TimingJournal& journal) : journal_(journal) {
            journal_.restoring_ = true;
        }
        ~Restoring();
        Restoring(const Restoring&) = delete;
        Restoring& operator=(const Restoring&) = delete;

    private:
        TimingJournal& journal_;
    };

    // The window's record as it is now; saved when it changed.
    void update(const void* window, const core::WindowRecord& record);
    // The user closed the window: its timing is not kept.
    void drop(const void* window);
    // The program ends by the session's or the system's doing, not the user's:
    // the windows closed from now on keep their timings.
    void keepAll() { keeping_ = true; }

    [[nodiscard]] QString bootId() const { return store_.bootId(); }

    // Called after a window's record changed, a window was added or dropped:
    // what is shown of the windows outside them follows records(). One only.
    void onChange(std::function<void()> changed) { changed_ = std::move(changed); }

    // Every window's record as it was last reported, in the order the windows
    // opened: what the process lists of its own windows.
    [[nodiscard]] std::vector<core::WindowRecord> records() const {
        std::vector<core::WindowRecord> all;
        for (const auto& entry : windows_) {
            all.push_back(entry.second);
        }
        return all;
    }

private:
    [[nodiscard]] core::TimingRecord record() const;
    void save();

    TimingStore& store_;
    std::vector<std::pair<const void*, core::WindowRecord>> windows_; // in the order they opened
    bool keeping_ = false;
    bool restoring_ = false;
    std::function<void()> changed_;
};

} // namespace platform
