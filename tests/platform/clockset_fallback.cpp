// The direct way of setting the clock, used only where the system bus has no
// time service or there is no system bus. Runs only in a process without the
// right to set the clock (CAP_SYS_TIME), where every attempt must fail with
// EPERM; see tests.cmake.
#include "platform/clocksetters.h"
#include "support/recordingclocksetter.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <ctime>

using core::ClockNotSet;
using core::ClockSetter;
using platform::DirectClockSetter;
using platform::TimedatedClockSetter;

namespace {

// Whether any capability set in /proc/self/status holds CAP_SYS_TIME (bit 25);
// true when that cannot be told.
bool mayHoldSysTime() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return true;
    }
    int sets = 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Cap") && !line.startsWith("CapInh")) {
            bool ok = false;
            const qulonglong bits = line.mid(7).trimmed().toULongLong(&ok, 16);
            if (!ok || ((bits >> 25U) & 1U) != 0) {
                return true;
            }
            ++sets;
        }
    }
    return sets < 4; // effective, permitted, bounding, ambient
}

std::string refusalOf(ClockSetter& setter) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    try {
        setter.setClock(static_cast<std::int64_t>(now.tv_sec) * 1000000);
    } catch (const ClockNotSet& e) {
        return e.reason();
    }
    return "(set)";
}

} // namespace

class TestClockSetFallback : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Checked before any setter exists: this process must be unable to
        // change the machine's clock, and must not reach its time service.
        if (mayHoldSysTime()) {
            QFAIL("may set the clock; run through private_bus.py --drop-sys-time");
        }
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        if (address.isEmpty() || address != qgetenv("HOROLUX_PRIVATE_SYSTEM_BUS")) {
            QFAIL("run through tests/support/private_bus.py");
        }
    }

    void withoutTheRightEveryWayFails() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        errno = 0;
        QCOMPARE(clock_settime(CLOCK_REALTIME, &now), -1);
        QCOMPARE(errno, EPERM);

        const std::string noRight = "You do not have the right to set the computer's clock.";
        DirectClockSetter direct;
        QCOMPARE(refusalOf(direct), noRight);
        // No time service on the bus (or no bus): the fallback is tried, and
        // where it may not set the clock either, the missing service is the
        // reason the user sees.
        const std::string noService = "The system's time service is not available.";
        TimedatedClockSetter withDirect(std::make_unique<DirectClockSetter>());
        QCOMPARE(refusalOf(withDirect), noService);
        TimedatedClockSetter alone(nullptr);
        QCOMPARE(refusalOf(alone), noService);

        auto recorder = std::make_unique<RecordingClockSetter>();
        const RecordingClockSetter* handedOn = recorder.get();
        TimedatedClockSetter withRecorder(std::move(recorder));
        withRecorder.setClock(1772388540000000);
        QCOMPARE(handedOn->calls, std::vector<std::int64_t>{1772388540000000});
    }
};

QTEST_GUILESS_MAIN(TestClockSetFallback)
#include "clockset_fallback.moc"
