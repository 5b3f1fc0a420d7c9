#include "placementclaims.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// By then the window system shows the window, and other processes see it there.
constexpr qint64 kClaimMilliseconds = 5000;
constexpr int kLockMilliseconds = 200;
constexpr qint64 kLongestFile = qint64{64} * 1024;
constexpr int kFields = 6; // pid, ms, x, y, width, height

bool alive(qint64 pid) {
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

struct Claim {
    qint64 pid = 0;
    qint64 ms = 0;
    QRect frame;
};

// One claim a line; a line that does not read is passed over.
QList<Claim> readClaims(const QByteArray& text) {
    QList<Claim> claims;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != kFields) {
            continue;
        }
        bool ok = true;
        Claim c;
        c.pid = f[0].toLongLong(&ok);
        c.ms = ok ? f[1].toLongLong(&ok) : 0;
        int n[4] = {};
        for (int i = 0; i < 4 && ok; ++i) {
            n[i] = f[2 + i].toInt(&ok);
        }
        if (ok && n[2] > 0 && n[3] > 0) {
            c.frame = QRect(n[0], n[1], n[2], n[3]);
            claims.append(c);
        }
    }
    return claims;
}

} // namespace

QString placementClaimsFile() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || QDir::isRelativePath(runtime)) {
        return {};
    }
    return runtime + QStringLiteral("/horolux/placements");
}

QRect placeClaimed(const QString& file, const std::function<QRect(const QList<QRect>&)>& place) {
#ifdef Q_OS_UNIX
    if (file.isEmpty()) {
        return place({});
    }
    const QString folder = QFileInfo(file).path();
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return place({});
    }
    // The file is its own lock (flock: let go when the process ends, however
    // it ends). Nothing is synced to a disk: a claim is stale in seconds, and
    // the runtime folder does not outlive the session.
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return place({});
    }
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || waited.elapsed() > kLockMilliseconds) {
            return place({});
        }
        QThread::msleep(1);
    }
    QFile io;
    if (!io.open(fd, QIODevice::ReadWrite)) {
        return place({});
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 self = QCoreApplication::applicationPid();
    QList<Claim> kept;
    QList<QRect> others;
    for (const Claim& c : readClaims(io.read(kLongestFile))) {
        if (alive(c.pid) && now - c.ms >= 0 && now - c.ms < kClaimMilliseconds) {
            kept.append(c);
            if (c.pid != self) { // this process's own windows are known without
                others.append(c.frame);
            }
        }
    }
    const QRect placed = place(others);
    kept.append({self, now, placed});
    QByteArray bytes;
    for (const Claim& c : kept) {
        bytes += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                     .arg(c.pid)
                     .arg(c.ms)
                     .arg(c.frame.x())
                     .arg(c.frame.y())
                     .arg(c.frame.width())
                     .arg(c.frame.height())
                     .toLatin1();
    }
    if (io.seek(0) && io.resize(0)) {
        io.write(bytes);
    }
    io.close(); // the descriptor stays open until the lock is let go
    return placed;
#else
    Q_UNUSED(file);
    return place({});
#endif
}

} // namespace platform
