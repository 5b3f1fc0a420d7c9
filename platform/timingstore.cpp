#include "timingstore.h"

#include "core/diagnostics.h"
#include "core/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kFolderMode = kOwnerOnly | QFile::ExeOwner;

// The system's reason for the error number, or a plain "failed" without one.
QString systemReason(int error) {
    return error != 0 ? qt_error_string(error) : QStringLiteral("failed");
}

// The real changes of the folder; each answers an empty string when done, else
// why not.
namespace disk {

QString makeFolder(const QString& folder) {
    errno = 0;
    if (!QDir().mkpath(folder)) {
        return systemReason(errno);
    }
    // Changed only where it differs, so that a read-only folder that is
    // already private needs no change.
    constexpr QFile::Permissions kAll = kFolderMode | QFile::ReadGroup | QFile::WriteGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                        QFile::ExeOther;
    if ((QFile::permissions(folder) & kAll) != kFolderMode &&
        !QFile::setPermissions(folder, kFolderMode)) {
        return systemReason(errno);
    }
    return {};
}

QString lock(QLockFile& lock) {
    errno = 0;
    if (!lock.tryLock(0)) {
        return lock.error() == QLockFile::LockFailedError
                   ? QStringLiteral("held by a running process")
                   : systemReason(errno); // Qt leaves the cause of a failed create or write
    }
    // QLockFile creates it as the umask allows, often 0644.
    QFile::setPermissions(lock.fileName(), kOwnerOnly);
    return {};
}

QString rename(const QString& from, const QString& to) {
    QFile file(from);
    return file.rename(to) ? QString() : file.errorString();
}

QString remove(const QString& file) {
    QFile doomed(file);
    return doomed.remove() ? QString() : doomed.errorString();
}

QString write(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    // Unbuffered, written on until a write fails: a short write sets no error,
    // the write after it says why (a full disk). The reason is taken before
    // cancelWriting(), which replaces it with its own.
    bool written =
        out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && out.setPermissions(kOwnerOnly);
    for (qint64 done = 0; written && done < bytes.size();) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        written = n > 0;
        done += n;
    }
    if (!written) {
        QString why = out.errorString();
        out.cancelWriting();
        return why;
    }
    // commit() flushes the data to the disk (fdatasync in Qt 6.4) before the
    // rename makes it the record; the store flushes the folder's entry.
    return out.commit() ? QString() : out.errorString();
}

} // namespace disk

// A record is "<owner>.json", or "<owner>.<n>.<name>" for one taken over,
// <owner> being the id of the process that holds "<owner>.lock" while it runs.
const QString kSuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kAside = QStringLiteral(".set-aside");

using core::warn;

QString composed(const core::ComposedText& text, const QString& first, const QString& second) {
    return QString::fromStdString(core::compose(text, {first.toStdString(), second.toStdString()}));
}

QString ownerOf(const QString& name) {
    return name.section(QLatin1Char('.'), 0, 0);
}

// Flushes a folder's entries (a rename, a removal) to the disk.
void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

QString readBootId() {
#if HOROLUX_LINUX_DESKTOP
    // The boot-time clock is the steady clock only on the Linux desktop build.
    QString path = qEnvironmentVariable("HOROLUX_BOOT_ID_FILE");
    if (path.isEmpty()) {
        path = QStringLiteral("/proc/sys/kernel/random/boot_id");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString id = QString::fromLatin1(file.read(64)).trimmed();
    static const QRegularExpression kSound(QStringLiteral("^[0-9a-f-]{1,64}$"));
    return kSound.match(id).hasMatch() ? id : QString();
#else
    return {};
#endif
}

// A record of an ended process that this one answers for until its own record,
// holding the windows restored from it, is on the disk.
struct Taken {
    QString file;
    QString owner;   // the ended process, where the record still has its name
    QString unsound; // why part of it was not sound: set aside then, not removed
};

class FileTimingStore final : public TimingStore {
public:
    FileTimingStore(QString folder, FileTimingStoreOptions options)
        : folder_(std::move(folder)),
          id_(QString::number(QRandomGenerator::system()->generate64(), 16)),
          beforeChange_(std::move(options.beforeChange)), onProblem_(std::move(options.onProblem)),
          firstRetry_(options.firstRetry),
          lastRetry_(std::max(options.lastRetry, options.firstRetry)), bootId_(readBootId()),
          lock_(path(id_ + kLockSuffix)) {
        const QFileInfo info(folder_);
        if (info.isSymLink() || (info.exists() && !info.isDir())) {
            refused_ = true;
            report(TimingProblem::Kind::CannotKeep,
                   composed(core::kRecordsNotKept, folder_,
                            info.isSymLink() ? QStringLiteral("a symbolic link")
                                             : QStringLiteral("not a folder")));
            return;
        }
        lock_.setStaleLockTime(0); // held for the whole run
        // The folder and this process's lock are made by the first save, on
        // the writer's thread, or by a take-over that finds records: making
        // the lock syncs it to the disk, which the first window need not
        // wait for.
        worker_ = std::thread([this] { work(); });
    }

    ~FileTimingStore() override {
        if (worker_.joinable()) {
            {
                const std::scoped_lock guard(mutex_);
                ending_ = true;
            }
            wake_.notify_one();
            worker_.join(); // the last save is tried once more first
        }
    }
    FileTimingStore(const FileTimingStore&) = delete;
    FileTimingStore& operator=(const FileTimingStore&) = delete;

    std::vector<core::WindowRecord> takeOver() override;

    void save(core::TimingRecord record) override { queue(std::move(record), false); }
    void saveRestored(core::TimingRecord record) override { queue(std::move(record), true); }

    [[nodiscard]] QString bootId() const override { return bootId_; }

private:
    struct Pending {
        core::TimingRecord record;
        bool releases = false; // holds every window restored from the records taken
    };

    [[nodiscard]] QString path(const QString& name) const {
        return folder_ + QLatin1Char('/') + name;
    }
    // The folder's changes, each first put to beforeChange_.
    [[nodiscard]] QString refused(TimingChange change) const {
        return beforeChange_ ? beforeChange_(change) : QString();
    }
    QString lock(QLockFile& file) const {
        const QString why = refused(TimingChange::Lock);
        return why.isEmpty() ? disk::lock(file) : why;
    }
    void unlock(QLockFile& file) const {
        if (refused(TimingChange::Unlock).isEmpty()) {
            file.unlock();
        }
    }
    QString rename(const QString& from, const QString& to) const {
        const QString why = refused(TimingChange::Rename);
        return why.isEmpty() ? disk::rename(from, to) : why;
    }
    QString remove(const QString& file) const {
        const QString why = refused(TimingChange::Remove);
        return why.isEmpty() ? disk::remove(file) : why;
    }
    QString write(const QString& file, const QByteArray& bytes) const {
        const QString why = refused(TimingChange::Write);
        return why.isEmpty() ? disk::write(file, bytes) : why;
    }
    void queue(core::TimingRecord record, bool restored);
    void work();
    bool attempt(const Pending& job);
    bool prepare();
    bool writeOwn(const core::TimingRecord& record);
    bool release();
    bool releaseOne(const Taken& taken);
    [[nodiscard]] std::map<QString, QStringList> byOwner() const;
    [[nodiscard]] bool ended(const QString& owner) const;
    void read(Taken& taken, std::vector<core::WindowRecord>& windows) const;
    bool setAside(const QString& file, const QString& why);
    void pruneSetAside();
    void report(TimingProblem::Kind kind, const QString& text);
    bool settle(TimingProblem::Kind kind);

    QObject relay_; // in the thread that made the store: problems reach onProblem_ through it
    const QString folder_;
    const QString id_;
    const std::function<QString(TimingChange)> beforeChange_;
    const std::function<void(const TimingProblem&)> onProblem_;
    const std::chrono::milliseconds firstRetry_;
    const std::chrono::milliseconds lastRetry_;
    const QString bootId_;
    bool refused_ = false;

    // The folder's changes, from the window's thread (takeOver) and the writer.
    std::mutex folderMutex_;
    QLockFile lock_;
    bool locked_ = false;
    std::vector<Taken> taken_; // removed once a save that holds their windows is written
    int claimed_ = 0;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Pending> pending_; // the latest save not yet written
    std::uint64_t version_ = 0;      // of pending_
    bool releasing_ = false;         // saveRestored() was called
    bool ending_ = false;
    std::set<TimingProblem::Kind> ongoing_; // reported and not yet over

    std::thread worker_;
};

void FileTimingStore::queue(core::TimingRecord record, bool restored) {
    if (refused_) {
        return;
    }
    {
        const std::scoped_lock guard(mutex_);
        // Every save after the restored one holds what it held, apart from
        // windows the user closed.
        releasing_ = releasing_ || restored;
        pending_ = Pending{std::move(record), releasing_};
        ++version_;
    }
    wake_.notify_one();
}

void FileTimingStore::work() {
    std::chrono::milliseconds pause = firstRetry_;
    std::unique_lock guard(mutex_);
    for (;;) {
        wake_.wait(guard, [this] { return pending_.has_value() || ending_; });
        if (!pending_) {
            return;
        }
        const Pending job = *pending_;
        const std::uint64_t version = version_;
        const bool last = ending_;
        guard.unlock();
        const bool done = attempt(job);
        guard.lock();
        if (done) {
            pause = firstRetry_;
            if (version_ == version) {
                pending_.reset();
            }
        } else if (last) {
            return; // what is on the disk stays; the problem was reported
        } else {
            // Tried again after the pause, with the latest save; sooner only
            // at the end.
            wake_.wait_for(guard, pause, [this] { return ending_; });
            pause = std::min(pause * 2, lastRetry_);
        }
    }
}

bool FileTimingStore::attempt(const Pending& job) {
    const std::scoped_lock folderGuard(folderMutex_);
    return prepare() && writeOwn(job.record) && (!job.releases || release());
}

// The folder and this process's lock; true once both are there.
bool FileTimingStore::prepare() {
    if (locked_) {
        return true;
    }
    QString where = folder_;
    QString why = disk::makeFolder(folder_);
    if (why.isEmpty()) {
        where = lock_.fileName();
        why = lock(lock_);
    }
    if (!why.isEmpty()) {
        report(TimingProblem::Kind::CannotLock, composed(core::kRecordsNotLocked, where, why));
        return false;
    }
    locked_ = true;
    settle(TimingProblem::Kind::CannotLock);
    return true;
}

bool FileTimingStore::writeOwn(const core::TimingRecord& record) {
    const QString file = path(id_ + kSuffix);
    QString why;
    if (!record.windows.empty()) {
        why = write(file, core::toJson(record));
    } else if (QFileInfo::exists(file)) {
        why = remove(file);
    }
    syncFolder(folder_);
    if (!why.isEmpty()) {
        report(TimingProblem::Kind::CannotWrite, composed(core::kRecordsNotWritten, file, why));
        return false;
    }
    if (settle(TimingProblem::Kind::CannotWrite)) {
        warn(QStringLiteral("the timings are written to %1 again").arg(file));
    }
    return true;
}

// Removes the records taken over, whose windows are now in this process's
// own record on the disk; false while one is left, to be tried again.
bool FileTimingStore::release() {
    if (taken_.empty()) {
        return true;
    }
    bool setAsideAny = false;
    std::vector<Taken> left;
    for (const Taken& taken : taken_) {
        setAsideAny = setAsideAny || !taken.unsound.isEmpty();
        if (!releaseOne(taken)) {
            left.push_back(taken);
        }
    }
    taken_ = std::move(left);
    syncFolder(folder_);
    if (setAsideAny) {
        pruneSetAside();
    }
    return taken_.empty();
}

bool FileTimingStore::releaseOne(const Taken& taken) {
    std::optional<QLockFile> ownerLock;
    if (!taken.owner.isEmpty()) {
        // Still in its owner's name: touched only under the owner's lock. Where
        // another start holds it now, the record is that start's to take.
        ownerLock.emplace(path(taken.owner + kLockSuffix));
        ownerLock->setStaleLockTime(0);
        if (!lock(*ownerLock).isEmpty()) {
            return ownerLock->error() == QLockFile::LockFailedError;
        }
    }
    const QFileInfo info(taken.file);
    bool done = true;
    if (info.exists() || info.isSymLink()) {
        done = taken.unsound.isEmpty() ? remove(taken.file).isEmpty()
                                       : setAside(taken.file, taken.unsound);
    }
    if (ownerLock) {
        unlock(*ownerLock);
    }
    return done;
}

// The records of other processes by owner, with the owners that left only a
// lock.
std::map<QString, QStringList> FileTimingStore::byOwner() const {
    std::map<QString, QStringList> owners;
    const QDir dir(folder_);
    for (const QString& name :
         dir.entryList({QLatin1Char('*') + kSuffix, QLatin1Char('*') + kLockSuffix},
                       QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        const QString owner = ownerOf(name);
        if (owner.isEmpty() || owner == id_) {
            continue;
        }
        QStringList& names = owners[owner];
        if (name.endsWith(kSuffix)) {
            names.append(name);
        }
    }
    return owners;
}

// Whether the owner of a lock has ended, judged without taking the lock (in a
// folder this process cannot write): no lock, or one of a process of this
// computer that is gone. Where it cannot tell, the owner is taken to run.
bool FileTimingStore::ended(const QString& owner) const {
    const QString file = path(owner + kLockSuffix);
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) {
        return true; // a process locks before it writes a record
    }
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(file).getLockInfo(&pid, &host, &application) ||
        (!host.isEmpty() && host != QSysInfo::machineHostName()) || pid <= 0) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#else
    return false;
#endif
}

void FileTimingStore::read(Taken& taken, std::vector<core::WindowRecord>& windows) const {
    const QFileInfo info(taken.file);
    if (info.isSymLink() || !info.isFile()) {
        taken.unsound = QStringLiteral("not a plain file");
        return;
    }
    if (info.size() > core::kMaxRecordBytes) {
        taken.unsound = QStringLiteral("larger than %1 bytes").arg(core::kMaxRecordBytes);
        return;
    }
    QFile in(taken.file);
    if (!in.open(QIODevice::ReadOnly)) {
        taken.unsound = QStringLiteral("unreadable (%1)").arg(in.errorString());
        return;
    }
    core::ParsedRecord parsed = core::parseRecord(in.read(core::kMaxRecordBytes + 1));
    taken.unsound = parsed.setAside;
    windows.insert(windows.end(), parsed.record.windows.begin(), parsed.record.windows.end());
}

std::vector<core::WindowRecord> FileTimingStore::takeOver() {
    std::vector<core::WindowRecord> windows;
    if (refused_) {
        return windows;
    }
    const std::scoped_lock folderGuard(folderMutex_);
    const std::map<QString, QStringList> owners = byOwner();
    if (!owners.empty()) {
        prepare(); // without the lock, records are read where they are
    }
    for (const auto& [owner, names] : owners) {
        // Where this process can write, it takes the owner's lock, which is
        // free only once the owner has ended, and renames its records into
        // its own name, so that a second start finds nothing left to take.
        // Where it cannot, it reads them where they are, and leaves them.
        std::optional<QLockFile> ownerLock;
        if (locked_) {
            ownerLock.emplace(path(owner + kLockSuffix));
            ownerLock->setStaleLockTime(0);
            if (!lock(*ownerLock).isEmpty()) {
                // Held: running, or being taken by another start. Not made (a
                // full disk): judged as where nothing can be written.
                const bool held = ownerLock->error() == QLockFile::LockFailedError;
                ownerLock.reset();
                if (held || !ended(owner)) {
                    continue;
                }
            }
        } else if (!ended(owner)) {
            continue;
        }
        for (const QString& name : names) {
            Taken taken{path(name), owner, {}};
            if (ownerLock) {
                // "<own id>.<n>.<its name>": this process's, still telling where it came from.
                const QString claimed =
                    path(QStringLiteral("%1.%2.%3").arg(id_).arg(++claimed_).arg(name));
                if (rename(taken.file, claimed).isEmpty()) {
                    taken = {claimed, {}, {}};
                } else if (!QFileInfo::exists(taken.file)) {
                    continue; // taken by another start since the folder was listed
                }
            }
            read(taken, windows);
            if (!taken.unsound.isEmpty() && !ownerLock) {
                report(TimingProblem::Kind::SetAside,
                       composed(core::kRecordLeftAlone, taken.file, taken.unsound));
            }
            taken_.push_back(taken);
        }
        syncFolder(folder_);
        if (ownerLock) {
            unlock(*ownerLock); // an ended owner's lock goes, record or none
        }
    }
    return windows;
}

bool FileTimingStore::setAside(const QString& file, const QString& why) {
    QString aside = file + kAside;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = file + kAside + QString::number(n);
    }
    if (!rename(file, aside).isEmpty()) {
        return false; // tried again with the next write
    }
    report(TimingProblem::Kind::SetAside, composed(core::kRecordSetAside, aside, why));
    return true;
}

// Keeps the newest kKeptSetAside records set aside, by when they were set
// aside (a rename changes a file's status time).
void FileTimingStore::pruneSetAside() {
    static const QRegularExpression kSetAside(QStringLiteral("\\.set-aside[0-9]*$"));
    QFileInfoList aside;
    for (const QFileInfo& info :
         QDir(folder_).entryInfoList(QDir::Files | QDir::System | QDir::Hidden)) {
        if (kSetAside.match(info.fileName()).hasMatch()) {
            aside.append(info);
        }
    }
    std::sort(aside.begin(), aside.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime whenA = a.metadataChangeTime();
        const QDateTime whenB = b.metadataChangeTime();
        return whenA != whenB ? whenA > whenB : a.fileName() > b.fileName();
    });
    for (qsizetype i = kKeptSetAside; i < aside.size(); ++i) {
        remove(aside[i].filePath());
    }
}

// One line on standard error, and the program told, when a problem begins; a
// write tried again says nothing until it has once succeeded.
void FileTimingStore::report(TimingProblem::Kind kind, const QString& text) {
    bool first = false;
    {
        const std::scoped_lock guard(mutex_);
        first = ongoing_.insert(kind).second;
    }
    const bool retried =
        kind == TimingProblem::Kind::CannotWrite || kind == TimingProblem::Kind::CannotLock;
    if (!first && retried) {
        return;
    }
    warn(text);
    if (first && onProblem_) {
        QMetaObject::invokeMethod(
            &relay_,
            [onProblem = onProblem_, problem = TimingProblem{kind, text}] { onProblem(problem); },
            Qt::QueuedConnection);
    }
}

// The problem is over; true when it had been reported.
bool FileTimingStore::settle(TimingProblem::Kind kind) {
    const std::scoped_lock guard(mutex_);
    return ongoing_.erase(kind) > 0;
}

} // namespace

QString timingFolder() {
    // XDG: a relative XDG_STATE_HOME is invalid and ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/horolux");
}

std::unique_ptr<TimingStore> makeFileTimingStore(const QString& folder,
                                                 FileTimingStoreOptions options) {
    return std::make_unique<FileTimingStore>(folder, std::move(options));
}

QString runningBootId() {
    return readBootId();
}

} // namespace platform
