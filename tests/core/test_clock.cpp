// The clock readings' arithmetic (the fold into one day, the elapsed time
// across it), the test clock the other tests rely on, and date arithmetic.
#include "core/clock.h"
#include "core/dates.h"
#include "core/errors.h"
#include "support/fakeclock.h"

#include <QTest>

#include <cmath>
#include <stdexcept>

using namespace core;

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void foldIntoOneDay() {
        QCOMPARE(foldSeconds(0.0), 0.0F);
        QCOMPARE(foldSeconds(1000.25), 1000.25F);
        QCOMPARE(foldSeconds(86400.0), 0.0F);
        QCOMPARE(foldSeconds(86400.0 * 5 + 10.5), 10.5F);
        // Just below a whole day narrows to 86400.0F: it must read 0, not 86400.
        QCOMPARE(foldSeconds(86399.999), 0.0F);
        QVERIFY(foldSeconds(86399.99) < 86400.0F);
        for (double s = 0; s < 3 * kSecondsPerDay; s += 977.123) {
            const Single r = foldSeconds(s);
            QVERIFY(r >= 0.0F && r < 86400.0F);
        }
    }

    void elapsedAcrossTheFold() {
        QCOMPARE(elapsedSeconds(1000.25F, 1012.5F), 12.25F);
        QCOMPARE(elapsedSeconds(86390.0F, 10.0F), 20.0F);
        QCOMPARE(elapsedSeconds(5.0F, 5.0F), 0.0F);
        // A reading stored as a Single has 1/128 s resolution above 65536 s.
        QCOMPARE(elapsedSeconds(70000.0F, foldSeconds(70000.3)), 0.296875F);
    }

    void fakeClockMovesEachReadingAlone() {
        FakeClock clock;
        const Date start = clock.now();
        QCOMPARE(clock.seconds(), 0.0F);
        clock.advance(1.5);
        QCOMPARE(clock.seconds(), 1.5F);
        QVERIFY(std::abs((clock.now() - start) * kSecondsPerDay - 1.5) <
                1e-5); // a Date resolves about 1 us
        clock.moveWall(-3600);
        QCOMPARE(clock.seconds(), 1.5F); // setting the computer's clock leaves the steady one
        clock.advanceSteady(2);
        QCOMPARE(clock.seconds(), 3.5F);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, clock.advanceSteady(-1));
        clock.advanceToReading(1000.25);
        QCOMPARE(clock.seconds(), 1000.25F);
        clock.advanceToReading(10.0); // the next 10.0 lies beyond the fold
        QCOMPARE(clock.seconds(), 10.0F);
        QCOMPARE(clock.steadySeconds(), 86410.0);
    }

    void dateArithmetic() {
        const Date d = 46083.5;
        QCOMPARE(addSeconds(d, 86400), 46084.5);
        QCOMPARE(addSeconds(d, 0.6), d + 0.6 / 86400); // fractions kept
        QCOMPARE(differenceInDays(addSeconds(d, 60), d), static_cast<Single>(60.0 / 86400));
        QVERIFY(differenceInDays(d, addSeconds(d, 1)) < 0);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, (void)differenceInDays(1e300, 0));
    }
};

QTEST_APPLESS_MAIN(TestClock)
#include "test_clock.moc"
