// The computer's clocks: the steady reading moves with real time, and "now" is
// UTC.
#include "platform/systemclock.h"

#include <QTest>

#include <chrono>
#include <cmath>
#include <thread>

using namespace core;

class TestSystemClock : public QObject {
    Q_OBJECT
private slots:
    void systemClock() {
        platform::SystemClock clock;
        const Single first = clock.seconds();
        QVERIFY(first >= 0.0F && first < 86400.0F);
        const Date before = clock.now();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const Single elapsed = elapsedSeconds(first, clock.seconds());
        QVERIFY2(elapsed >= 0.04F && elapsed < 1.0F, qPrintable(QString::number(elapsed)));
        const double nowSeconds = (clock.now() - before) * kSecondsPerDay;
        QVERIFY(nowSeconds >= 0.04 && nowSeconds < 1.0);
        // "now" is UTC: it agrees with the system clock's count since 1970.
        const double unix =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        QVERIFY(std::abs(clock.now() - dateFromUnixSeconds(unix)) * kSecondsPerDay < 1.0);
        QCOMPARE(dateFromUnixSeconds(0), 25569.0);
    }
};

QTEST_APPLESS_MAIN(TestSystemClock)
#include "test_systemclock.moc"
