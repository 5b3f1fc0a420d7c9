// The timings' store and journal: a start killed before any change of taking
// over loses no timing, a failing write or lock is tried again until it
// succeeds, a folder that cannot be written still shows its records, two
// starts never take the same record.
#include "platform/timingjournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using Changes = QList<platform::TimingChange>;
using Kinds = QList<platform::TimingProblem::Kind>;
using namespace std::chrono_literals;

namespace {

core::TimingRecord record(const QStringList& ids) {
    core::TimingRecord record;
    for (const QString& id : ids) {
        record.windows.emplace_back().identification = id;
    }
    return record;
}

QStringList ids(const std::vector<core::WindowRecord>& windows) {
    QStringList out;
    for (const core::WindowRecord& window : windows) {
        out << window.identification;
    }
    out.sort();
    return out;
}

void put(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

QStringList entries(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::System);
}

// The records of processes that ended without a lock left: "a"; "b" with
// "b.1.c.json", taken over once from "c", of which one window is not sound;
// and `unreadable` records that are wholly unsound.
const QStringList kEnded{"A1", "A2", "B1", "C1"};
void ended(const QString& folder, int unreadable = 0) {
    put(folder + "/a.json", core::toJson(record({"A1", "A2"})));
    put(folder + "/b.json", core::toJson(record({"B1"})));
    put(folder + "/b.1.c.json", core::toJson(record({"C1", "bad"})).replace("\"bad\"", "7"));
    for (int i = 0; i < unreadable; ++i) {
        put(folder + QString("/u%1.json").arg(i), "{");
    }
}

// A start, as the program makes it, killed before its change number
// `crashAt`: the windows restored each record themselves idle, then as
// restored.
int takeOverAndCrash(const QString& folder, int crashAt) {
    std::freopen("/dev/null", "w", stderr); // what it says, the test's next start says
    const auto crash = [crashAt, changes = 0](platform::TimingChange) mutable {
        if (++changes == crashAt) {
            ::kill(::getpid(), SIGKILL);
        }
        return QString();
    };
    const auto store = platform::makeFileTimingStore(folder, {.beforeChange = crash});
    platform::TimingJournal journal(*store);
    const platform::TimingJournal::Restoring restoring(journal);
    const std::vector<core::WindowRecord> windows = store->takeOver();
    for (const core::WindowRecord& window : windows) {
        journal.update(&window, {});
        journal.update(&window, window);
    }
    return 0;
}

} // namespace

class TestTimingStore : public QObject {
    Q_OBJECT
private slots:
    void crashAtEachChange() {
        for (int change = 1;; ++change) {
            QTemporaryDir dir;
            ended(dir.path(), platform::kKeptSetAside);
            const int status =
                QProcess::execute(QCoreApplication::applicationFilePath(),
                                  {"--take-over-and-crash", dir.path(), QString::number(change)});
            const QStringList back = ids(platform::makeFileTimingStore(dir.path())->takeOver());
            QVERIFY2(std::includes(back.begin(), back.end(), kEnded.begin(), kEnded.end()),
                     qPrintable(QString("killed before change %1").arg(change)));
            QCOMPARE(entries(dir.path(), "*.lock").size(), 0); // no ended process's is left
            if (status == 0) {                                 // not killed: every change made
                QCOMPARE(back, kEnded);
                QCOMPARE(entries(dir.path(), "*.set-aside").size(), platform::kKeptSetAside);
                break;
            }
        }
    }

    void failingFolder_data() {
        // The changes that fail, saying why; with none, every write fails for
        // real, beyond a file size limit.
        QTest::addColumn<Changes>("failing");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QString>("why");
        QTest::addColumn<Kinds>("expected");
        using enum platform::TimingProblem::Kind;
        using enum platform::TimingChange;
        QTest::newRow("full while running")
            << Changes{} << false << qt_error_string(EFBIG) << Kinds{SetAside, CannotWrite};
        QTest::newRow("full at start")
            << Changes{} << true << qt_error_string(EFBIG) << Kinds{CannotLock, SetAside};
        QTest::newRow("read-only at start")
            << Changes{Lock, Rename, Remove, Write} << true << "Read-only file system"
            << Kinds{CannotLock, SetAside};
    }
    void failingFolder() {
        QFETCH(Changes, failing);
        QFETCH(bool, atStart);
        QFETCH(QString, why);
        QFETCH(Kinds, expected);
        QTemporaryDir dir;
        ended(dir.path());
        // A Horolux that runs: its record is neither taken nor read.
        const auto running = platform::makeFileTimingStore(dir.path());
        running->save(record({"running"}));
        QTRY_COMPARE(entries(dir.path(), "*.json").size(), 4);

        std::atomic<bool> broken = false;
        std::atomic<int> changes = 0;
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        std::signal(SIGXFSZ, SIG_IGN);
        const auto breaks = [&](bool on) {
            broken = on;
            const rlimit small{16, limit.rlim_max};
            setrlimit(RLIMIT_FSIZE, on && failing.isEmpty() ? &small : &limit);
        };
        const auto lifted = qScopeGuard([&] { breaks(false); });
        breaks(atStart);
        Kinds kinds;
        QStringList texts;
        const auto told = [&](const platform::TimingProblem& problem) {
            kinds << problem.kind;
            texts << problem.text;
        };
        const auto disk = [&](platform::TimingChange change) {
            ++changes;
            return broken && failing.contains(change) ? why : QString();
        };
        const auto store = platform::makeFileTimingStore(dir.path(), {told, disk, 5ms, 20ms});
        if (!atStart) { // running: its first save has made its lock
            store->save({});
            QTRY_COMPARE(entries(dir.path(), "*.lock").size(), 2);
        }
        breaks(true);
        QCOMPARE(ids(store->takeOver()), kEnded);
        store->saveRestored(record({"restored"}));
        // Tried again and again, told once; the records read stay.
        const int before = changes;
        QTRY_VERIFY(changes > before + 5);
        QCOMPARE(kinds, expected);
        QVERIFY2(texts.join(" ").contains(why), qPrintable(texts.join(" ")));
        QCOMPARE(entries(dir.path(), "*.json").size(), 4);

        breaks(false); // space freed, or the folder writable again
        QTRY_COMPARE(entries(dir.path(), "*.json").size(), 2);
        const QByteArray lock = QFile::encodeName(dir.filePath(entries(dir.path(), "*.lock")[0]));
        struct stat status {};
        QVERIFY(stat(lock.constData(), &status) == 0 && (status.st_mode & 0777) == 0600);
    }

    void twoStartsAtOnce() {
        QTemporaryDir dir;
        QStringList all;
        for (int i = 10; i < 50; ++i) {
            all << QString("W%1").arg(i);
            put(dir.filePath(QString("o%1.json").arg(i)), core::toJson(record({all.last()})));
        }
        const auto first = platform::makeFileTimingStore(dir.path());
        const auto second = platform::makeFileTimingStore(dir.path());
        std::vector<core::WindowRecord> took;
        std::thread other([&] { took = first->takeOver(); });
        const std::vector<core::WindowRecord> more = second->takeOver();
        other.join();
        took.insert(took.end(), more.begin(), more.end());
        QCOMPARE(ids(took), all);
    }
};

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--take-over-and-crash") == 0) {
        return takeOverAndCrash(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    TestTimingStore test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_timingstore.moc"
