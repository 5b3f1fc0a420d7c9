#include "timingrecords.h"

#include "core/timingrecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <map>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace platform {

namespace {

const QString kSuffix = QStringLiteral(".json");

// "<owner>.json" is a process's own record; "<owner>.<n>.<name>.json" one it
// has taken over (platform/timingstore.cpp).
QString ownerOf(const QString& name) {
    return name.section(QLatin1Char('.'), 0, 0);
}

#ifdef Q_OS_LINUX
// The name of the program that `pid` runs, as QLockFile records it: empty
// when the process is gone or cannot be read.
QString programOf(qint64 pid) {
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlink(link.constData(), target.data(), target.size());
    if (n <= 0) {
        return {};
    }
    target.truncate(n);
    if (target.endsWith(" (deleted)")) {
        target.chop(10);
    }
    return QFileInfo(QFile::decodeName(target)).fileName();
}
#endif

} // namespace

bool lockHeld(const QString& path) {
    // The lock file's lines: pid, program, host name, machine id, boot id.
    if (!QFileInfo::exists(path)) {
        return false; // none: its process has ended
    }
    QFile file(path);
    if (QFileInfo(path).isSymLink() || !QFileInfo(path).isFile() ||
        !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return true; // a start would not take this one over either
    }
    const QList<QByteArray> lines = file.read(4096).split('\n');
    bool isNumber = false;
    const qint64 pid = lines.value(0).toLongLong(&isNumber);
    if (!isNumber || pid <= 0) {
        return true; // QLockFile leaves a lock it cannot read alone, and so does a start
    }
    const QString program = QFileInfo(QString::fromUtf8(lines.value(1))).fileName();
    const QString host = QString::fromUtf8(lines.value(2));
    const QByteArray machine = lines.value(3);
    const QByteArray boot = lines.value(4);
    const bool sameMachine = machine.isEmpty()
                                 ? host.isEmpty() || host == QSysInfo::machineHostName()
                                 : machine == QSysInfo::machineUniqueId();
    if (!sameMachine) {
        return true; // a process on another computer sharing the home folder
    }
    if (!boot.isEmpty() && boot != QSysInfo::bootUniqueId()) {
        return false;
    }
#ifdef Q_OS_UNIX
    if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) {
        return false;
    }
#endif
#ifdef Q_OS_LINUX
    // The pid taken by another program since.
    return programOf(pid) == program;
#else
    Q_UNUSED(program);
    return true;
#endif
}

std::vector<core::KeptRecord> readTimingRecords(const QString& folder) {
    std::map<QString, QStringList> byOwner;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Hidden, QDir::Name)) {
        byOwner[ownerOf(name)].append(name);
    }
    std::vector<core::KeptRecord> records;
    for (const auto& [owner, names] : byOwner) {
        const QString own = owner + kSuffix;
        core::KeptRecord kept;
        kept.programRunning = lockHeld(dir.filePath(owner + QStringLiteral(".lock")));
        for (const QString& name : names) {
            // Taken-over records are removed once the owner's own record,
            // which holds their windows, is written.
            if (name != own && names.contains(own)) {
                continue;
            }
            const QFileInfo info(dir.filePath(name));
            if (info.isSymLink() || !info.isFile() || info.size() > core::kMaxRecordBytes) {
                continue;
            }
            QFile in(info.filePath());
            if (!in.open(QIODevice::ReadOnly)) {
                continue;
            }
            const core::ParsedRecord parsed = core::parseRecord(in.read(core::kMaxRecordBytes + 1));
            kept.windows.insert(kept.windows.end(), parsed.record.windows.begin(),
                                parsed.record.windows.end());
        }
        if (!kept.windows.empty()) {
            records.push_back(std::move(kept));
        }
    }
    return records;
}

} // namespace platform
