#pragma once
// Where the timing record of this process is kept between starts, behind an
// interface that tests replace. The record goes to disk off the window's
// thread: a save returns at once, and a later save replaces one not yet
// written.
#include "core/timingrecord.h"

#include <QString>

#include <memory>
#include <vector>

namespace platform {

class TimingStore {
public:
    TimingStore() = default;
    TimingStore(const TimingStore&) = delete;
    TimingStore& operator=(const TimingStore&) = delete;
    virtual ~TimingStore() = default;

    // Takes over the records of Horolux processes that are no longer running,
    // so that no other start takes them too, and returns their windows. A
    // record that is not sound is moved aside, with one line on standard
    // error; what was sound of it is returned.
    [[nodiscard]] virtual std::vector<core::WindowRecord> takeOver() = 0;

    // This process's windows as they are now; with none, nothing is left to
    // restore. Returns at once.
    virtual void save(core::TimingRecord record) = 0;

    // The id of the running boot, for the instants recorded; empty where none
    // is known.
    [[nodiscard]] virtual QString bootId() const = 0;
};

// Keeps nothing.
class NullTimingStore final : public TimingStore {
public:
    [[nodiscard]] std::vector<core::WindowRecord> takeOver() override { return {}; }
    void save(core::TimingRecord /*record*/) override {}
    [[nodiscard]] QString bootId() const override { return {}; }
};

// The folder of the records: $XDG_STATE_HOME/horolux, by default
// ~/.local/state/horolux.
[[nodiscard]] QString timingFolder();

// The records in `folder` (created 0700, files 0600), one file per running
// process. Where the folder cannot be used the program runs without records,
// after one warning on standard error.
[[nodiscard]] std::unique_ptr<TimingStore> makeFileTimingStore(const QString& folder);

// The id of the running boot, as the file store records it; empty where none
// is known.
[[nodiscard]] QString runningBootId();

} // namespace platform
