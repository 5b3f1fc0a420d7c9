#include "timingstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// A record is "<owner>.json", or "<owner>.<n>.<name>" for one taken over,
// <owner> being the id of the process that holds "<owner>.lock" while it runs.
const QString kSuffix = QStringLiteral(".json");
const QString kAside = QStringLiteral(".set-aside");

void warn(const QString& line) {
    std::fprintf(stderr, "horolux: %s\n", line.toLocal8Bit().constData());
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

class FileTimingStore final : public TimingStore {
public:
    explicit FileTimingStore(QString folder)
        : folder_(std::move(folder)),
          id_(QString::number(QRandomGenerator::system()->generate64(), 16)),
          lock_(path(id_ + QStringLiteral(".lock"))), bootId_(readBootId()) {
        const QFileInfo info(folder_);
        if (info.isSymLink() || (info.exists() && !info.isDir()) || !QDir().mkpath(folder_) ||
            !QFile::setPermissions(folder_,
                                   QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            warn(QStringLiteral("cannot keep the timings in %1: the program runs without them")
                     .arg(folder_));
            return;
        }
        lock_.setStaleLockTime(0); // held for the whole run
        if (!lock_.tryLock(0)) {
            warn(QStringLiteral("cannot lock %1: the program runs without keeping its timings")
                     .arg(lock_.error() == QLockFile::PermissionError ? folder_ : path(id_)));
            return;
        }
        usable_ = true;
        worker_ = std::thread([this] { work(); });
    }

    ~FileTimingStore() override {
        if (worker_.joinable()) {
            {
                const std::scoped_lock guard(mutex_);
                ending_ = true;
            }
            wake_.notify_one();
            worker_.join(); // the last save is written first
        }
    }
    FileTimingStore(const FileTimingStore&) = delete;
    FileTimingStore& operator=(const FileTimingStore&) = delete;

    std::vector<core::WindowRecord> takeOver() override;

    void save(core::TimingRecord record) override {
        if (!usable_) {
            return;
        }
        {
            const std::scoped_lock guard(mutex_);
            pending_ = std::move(record);
        }
        wake_.notify_one();
    }

    [[nodiscard]] QString bootId() const override { return bootId_; }

private:
    [[nodiscard]] QString path(const QString& name) const {
        return folder_ + QLatin1Char('/') + name;
    }
    void work();
    bool write(const core::TimingRecord& record);
    void setAside(const QString& file, const QString& why) const;
    std::optional<core::TimingRecord> read(const QString& file) const;

    const QString folder_;
    const QString id_;
    QLockFile lock_;
    const QString bootId_;
    bool usable_ = false;
    std::thread worker_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<core::TimingRecord> pending_; // the latest save not yet written
    bool ending_ = false;
    QStringList taken_;   // records taken over: removed once this process's own is written
    bool failed_ = false; // the worker warned once about a failing write
};

void FileTimingStore::work() {
    for (;;) {
        core::TimingRecord record;
        QStringList taken;
        {
            std::unique_lock guard(mutex_);
            wake_.wait(guard, [this] { return pending_.has_value() || ending_; });
            if (!pending_) {
                return;
            }
            record = std::move(*pending_);
            pending_.reset();
            taken = taken_;
        }
        if (write(record) && !taken.isEmpty()) {
            for (const QString& file : taken) {
                QFile::remove(file);
            }
            syncFolder(folder_);
            const std::scoped_lock guard(mutex_);
            for (const QString& file : taken) {
                taken_.removeAll(file);
            }
        }
    }
}

bool FileTimingStore::write(const core::TimingRecord& record) {
    const QString file = path(id_ + kSuffix);
    bool written = false;
    if (record.windows.empty()) {
        written = !QFile::exists(file) || QFile::remove(file);
    } else {
        QSaveFile out(file);
        const QByteArray bytes = core::toJson(record);
        written = out.open(QIODevice::WriteOnly) &&
                  out.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
                  out.write(bytes) == bytes.size() && out.flush();
        // commit() flushes the data to the disk (fdatasync in Qt 6.4) before
        // the rename makes it the record; the folder's entry is flushed below.
        written = written ? out.commit() : (out.cancelWriting(), false);
        if (!written && !failed_) {
            failed_ = true;
            warn(QStringLiteral(
                     "cannot write %1 (%2): the timings may not survive the program's end")
                     .arg(file, out.errorString()));
        }
    }
    syncFolder(folder_);
    return written;
}

void FileTimingStore::setAside(const QString& file, const QString& why) const {
    QString aside = file + kAside;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = file + kAside + QString::number(n);
    }
    if (QFile::rename(file, aside)) {
        warn(QStringLiteral("set aside %1: %2").arg(aside, why));
    } else {
        warn(QStringLiteral("cannot set aside %1 (%2): left where it is").arg(file, why));
    }
}

std::optional<core::TimingRecord> FileTimingStore::read(const QString& file) const {
    const QFileInfo info(file);
    if (info.isSymLink() || !info.isFile()) {
        setAside(file, QStringLiteral("not a plain file"));
        return std::nullopt;
    }
    if (info.size() > core::kMaxRecordBytes) {
        setAside(file, QStringLiteral("larger than %1 bytes").arg(core::kMaxRecordBytes));
        return std::nullopt;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        setAside(file, QStringLiteral("unreadable (%1)").arg(in.errorString()));
        return std::nullopt;
    }
    core::ParsedRecord parsed = core::parseRecord(in.read(core::kMaxRecordBytes + 1));
    if (!parsed.setAside.isEmpty()) {
        setAside(file, parsed.setAside);
    }
    return std::move(parsed.record);
}

std::vector<core::WindowRecord> FileTimingStore::takeOver() {
    std::vector<core::WindowRecord> windows;
    if (!usable_) {
        return windows;
    }
    std::map<QString, QStringList> byOwner;
    const QDir dir(folder_);
    for (const QString& name : dir.entryList(
             {QLatin1Char('*') + kSuffix}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name)) {
        if (ownerOf(name) != id_) {
            byOwner[ownerOf(name)].append(name);
        }
    }
    int taken = 0;
    QStringList mine;
    for (const auto& [owner, names] : byOwner) {
        // The owner's lock is free or stale only once it has ended; whoever
        // gets it first renames its records into its own name, so that a
        // second start finds nothing left to take.
        QLockFile ownerLock(path(owner + QStringLiteral(".lock")));
        ownerLock.setStaleLockTime(0);
        if (!ownerLock.tryLock(0)) {
            continue;
        }
        for (const QString& name : names) {
            // "<own id>.<n>.<its name>": this process's, still telling where it came from.
            const QString claimed =
                path(QStringLiteral("%1.%2.%3").arg(id_).arg(++taken).arg(name));
            if (QFile::rename(path(name), claimed)) {
                mine.append(claimed);
            }
        }
        syncFolder(folder_);
    }
    QStringList sound;
    for (const QString& file : mine) {
        if (std::optional<core::TimingRecord> record = read(file)) {
            windows.insert(windows.end(), record->windows.begin(), record->windows.end());
            if (QFileInfo::exists(file)) {
                sound.append(file);
            }
        }
    }
    const std::scoped_lock guard(mutex_);
    taken_ += sound;
    return windows;
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

std::unique_ptr<TimingStore> makeFileTimingStore(const QString& folder) {
    return std::make_unique<FileTimingStore>(folder);
}

QString runningBootId() {
    return readBootId();
}

} // namespace platform
