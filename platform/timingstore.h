#pragma once
// Where the timing record of this process is kept between starts, behind an
// interface that tests replace. The record goes to disk off the window's
// thread: a save returns at once, and a later save replaces one not yet
// written.
#include "core/timingrecord.h"

#include <QString>

#include <chrono>
#include <functional>
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
    // so that no other start takes them too, and returns their windows. The
    // records stay on disk until saveRestored() is written. A record that is
    // not sound is moved aside, with one line on standard error; what was
    // sound of it is returned. Called once, at start.
    [[nodiscard]] virtual std::vector<core::WindowRecord> takeOver() = 0;

    // This process's windows as they are now; with none, nothing is left to
    // restore. Returns at once; a save that fails is tried again until it
    // succeeds or a later one replaces it.
    virtual void save(core::TimingRecord record) = 0;

    // Like save(), for the record that holds every timing restored from the
    // records taken over: once it (or a later save) is written and on the
    // disk, those records are removed. Until then they stay, so that a crash
    // in between loses nothing.
    virtual void saveRestored(core::TimingRecord record) = 0;

    // The id of the running boot, for the instants recorded; empty where none
    // is known.
    [[nodiscard]] virtual QString bootId() const = 0;
};

// Keeps nothing.
class NullTimingStore final : public TimingStore {
public:
    [[nodiscard]] std::vector<core::WindowRecord> takeOver() override { return {}; }
    void save(core::TimingRecord /*record*/) override {}
    void saveRestored(core::TimingRecord /*record*/) override {}
    [[nodiscard]] QString bootId() const override { return {}; }
};

// A problem with the records that the user should hear of; it also goes to
// standard error, as one line.
struct TimingProblem {
    enum class Kind {
        SetAside,    // a record could not be read: set aside, or left where it is
        CannotWrite, // this process's record cannot be written; tried again
        CannotLock,  // the folder or this process's lock cannot be made; tried again
        CannotKeep,  // the folder is refused (not a folder): no timing is kept
    };
    Kind kind;
    QString text; // one sentence, composed from a pattern of core/texts.h ("Notification")
};

// The changes the file store makes to its folder.
enum class TimingChange { Lock, Unlock, Rename, Remove, Write };

struct FileTimingStoreOptions {
    // Called on the thread that made the store, from its event loop, once each
    // time a problem begins (not on each try of the same write).
    std::function<void(const TimingProblem&)> onProblem{};
    // Asked before each change of the folder, for tests: a reason it answers
    // fails the change, as a full or read-only disk would (root, who runs the
    // tests in CI, writes anywhere); it may end the process there, as a crash
    // would.
    std::function<QString(TimingChange)> beforeChange{};
    // A write that failed is tried again after the first pause, each pause
    // twice the one before, up to the last.
    std::chrono::milliseconds firstRetry{500};
    std::chrono::milliseconds lastRetry{30000};
};

// The folder of the records: $XDG_STATE_HOME/horolux, by default
// ~/.local/state/horolux.
[[nodiscard]] QString timingFolder();

// The newest set-aside records kept in the folder; older ones are removed.
inline constexpr int kKeptSetAside = 10;

// The records in `folder` (created 0700, files 0600), one file per running
// process, "<id>.json", under "<id>.lock". Where the folder or the lock
// cannot be made now (read-only, full), the records of ended processes are
// still read and their windows returned, the files left as they are, and the
// store keeps trying; once it can write, it writes this process's record and
// only then removes them. Where the folder is refused (a symbolic link, not a
// folder) the program runs without records.
[[nodiscard]] std::unique_ptr<TimingStore> makeFileTimingStore(const QString& folder,
                                                               FileTimingStoreOptions options = {});

// The id of the running boot, as the file store records it; empty where none
// is known.
[[nodiscard]] QString runningBootId();

} // namespace platform
