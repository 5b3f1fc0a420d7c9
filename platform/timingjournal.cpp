#include "timingjournal.h"

#include <algorithm>

namespace platform {

void TimingJournal::update(const void* window, const core::WindowRecord& record) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [window](const auto& entry) { return entry.first == window; });
    if (it == windows_.end()) {
        windows_.emplace_back(window, record);
    } else if (it->second == record) {
        return;
    } else {
        it->second = record;
    }
    save();
}

void TimingJournal::drop(const void* window) {
    if (keeping_) {
        return;
    }
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [window](const auto& entry) { return entry.first == window; });
    if (it != windows_.end()) {
        windows_.erase(it);
        save();
    }
}

TimingJournal::Restoring::~Restoring() {
    journal_.restoring_ = false;
    journal_.store_.saveRestored(journal_.record());
}

core::TimingRecord TimingJournal::record() const {
    core::TimingRecord record;
    record.windows.reserve(windows_.size());
    for (const auto& entry : windows_) {
        record.windows.push_back(entry.second);
    }
    return record;
}

void TimingJournal::save() {
    if (!restoring_) {
        store_.save(record());
    }
    if (changed_) {
        changed_();
    }
}

} // namespace platform
