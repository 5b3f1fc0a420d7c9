// The window timer: it ticks only while enabled with an interval above 0.
#include "platform/timer.h"

#include <QSignalSpy>
#include <QTest>

using platform::Timer;

class TestTimer : public QObject {
    Q_OBJECT
private slots:
    void timerIntervalZeroNeverFires() {
        Timer timer;
        QSignalSpy ticks(&timer, &Timer::timeout);
        timer.setEnabled(true);
        QVERIFY(timer.isEnabled());
        QVERIFY(!timer.isRunning());
        QTest::qWait(50);
        QCOMPARE(ticks.count(), 0);

        timer.setInterval(5);
        QVERIFY(timer.isRunning());
        QTRY_VERIFY(ticks.count() >= 3);
        timer.setEnabled(false);
        QVERIFY(!timer.isRunning());
        const auto stopped = ticks.count();
        QTest::qWait(30);
        QCOMPARE(ticks.count(), stopped);
        QCOMPARE(timer.interval(), 5);
        timer.setInterval(-3);
        QCOMPARE(timer.interval(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTimer)
#include "test_timer.moc"
