// The direct way of setting the clock, used only where the system bus has no
// time service or there is no system bus. Runs only in a process that has
// dropped the right to set the clock (CAP_SYS_TIME), where every attempt must
// fail with EPERM; see tests.cmake.
#include "runtime/systemclocksetter.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <ctime>
#include <memory>

using namespace runtime;

namespace {

constexpr int kCapSysTime = 25;

// Whether the capability sets in /proc/self/status hold CAP_SYS_TIME; true
// when they cannot be read, to be safe.
bool mayHoldSysTime() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return true;
    }
    bool seen = false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        for (const char* set : {"CapEff:", "CapPrm:", "CapBnd:", "CapAmb:"}) {
            if (line.startsWith(set)) {
                bool ok = false;
                const qulonglong bits = line.mid(7).trimmed().toULongLong(&ok, 16);
                if (!ok || ((bits >> kCapSysTime) & 1U) != 0) {
                    return true;
                }
                seen = true;
            }
        }
    }
    return !seen;
}

std::int64_t nowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

QString refusalOf(ClockSetter& setter) {
    try {
        setter.setClock(nowMicroseconds());
    } catch (const ClockNotSet& e) {
        return QString::fromStdString(e.reason());
    }
    return QStringLiteral("(set)");
}

struct Recorder final : ClockSetter {
    std::vector<std::int64_t> calls;
    void setClock(std::int64_t microsecondsUtc) override { calls.push_back(microsecondsUtc); }
};

const QString kNoRight = QStringLiteral("You do not have the right to set the computer's clock.");

} // namespace

class TestClockSetFallback : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Checked before any setter exists: this process must not be able to
        // change the machine's clock, nor reach the machine's time service.
        if (mayHoldSysTime()) {
            QFAIL("this process may set the clock; run it through tests/support/"
                  "private_system_bus.py --drop-sys-time");
        }
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        if (address.isEmpty() || address != qgetenv("HOROLUX_PRIVATE_SYSTEM_BUS")) {
            QFAIL("run through tests/support/private_system_bus.py");
        }
        qInfo("system bus: %s", address.constData());
    }

    void withoutTheRightEveryWayFails() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        errno = 0;
        QCOMPARE(clock_settime(CLOCK_REALTIME, &now), -1);
        QCOMPARE(errno, EPERM);

        DirectClockSetter direct;
        QCOMPARE(refusalOf(direct), kNoRight);
    }

    // No time service on the bus (or no bus): the fallback is tried, and its
    // refusal is the one the user sees.
    void fallsBackWithoutTheService() {
        TimedatedClockSetter withDirect(std::make_unique<DirectClockSetter>());
        QCOMPARE(refusalOf(withDirect), kNoRight);

        auto recorder = std::make_unique<Recorder>();
        Recorder& fallback = *recorder;
        TimedatedClockSetter withRecorder(std::move(recorder));
        withRecorder.setClock(1772388540000000);
        QCOMPARE(fallback.calls, std::vector<std::int64_t>{1772388540000000});

        TimedatedClockSetter alone(nullptr);
        QCOMPARE(refusalOf(alone), "The system's time service is not available.");
    }
};

QTEST_GUILESS_MAIN(TestClockSetFallback)
#include "clockset_fallback.moc"
