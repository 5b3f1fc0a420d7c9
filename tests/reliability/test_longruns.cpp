// Long runs and clock faults on the fake clock: a whole day counted down
// second by second, a stopwatch running for almost a day, the computer's clock
// set under running timers and late ticks, on the models; and an hour of 5 ms
// ticks and a thousand windows in the real window with no growth in memory.
#include "support/models.h"
#include "support/probe.h"

#include <QLineEdit>
#include <QPushButton>

#include <malloc.h>

#include <string>

namespace {

// The countdown's "h:mm:ss" of a number of seconds within a day.
std::string hms(long long seconds) {
    seconds %= 86400;
    const auto twoDigits = [](long long value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    return std::to_string(seconds / 3600) + ':' + twoDigits(seconds / 60 % 60) + ':' +
           twoDigits(seconds % 60);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPlainHeap = false; // the sanitizer's heap keeps freed blocks a while
#else
constexpr bool kPlainHeap = true;
#endif

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

} // namespace

class TestLongRuns : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void wholeDayCountdown() {
        TimerModels x;
        x.countFrom("1440");
        QCOMPARE(shown(x.view.cdTime), "START");
        for (int s = 1; s < 86400; ++s) {
            x.clock.advance(1);
            QVERIFY(x.cdTick());
            const std::string expected = hms(86400 - s);
            if (*x.view.cdTime != expected || *x.view.caption != expected) {
                QFAIL(qPrintable(QStringLiteral("after %1 s: %2 / %3, expected %4")
                                     .arg(s)
                                     .arg(shown(x.view.cdTime), shown(x.view.caption),
                                          QString::fromStdString(expected))));
            }
        }
        x.clock.advance(1);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), "DONE");
        QCOMPARE(shown(x.view.caption), idleCaption());
        QCOMPARE(x.beeps, 1);
        QVERIFY(!x.cdTick());
    }

    // Almost a day on the stopwatch, across the fold of its clock, a capture
    // every hour, the computer's clock set back and forth meanwhile.
    void dayLongStopwatch() {
        TimerModels x;
        x.clock.advanceToReading(50000.25);
        x.press();
        const double total = 23 * 3600 + 59 * 60;
        for (int s = 10; s <= total; s += 10) {
            x.clock.advance(10);
            const QString expected = QString::number(s) + QStringLiteral(".00");
            if (s % 3600 == 0) {
                x.clock.moveWall(s % 7200 == 0 ? -3600.0
                                               : 86400.0 * 3); // summer time, a wrong date
                x.capture();
                QCOMPARE(shown(x.view.swTime1), expected);
            }
            QVERIFY(x.swTick());
            if (shown(x.view.swTime) != expected) {
                QFAIL(qPrintable(QStringLiteral("%1 s shows %2").arg(s).arg(shown(x.view.swTime))));
            }
        }
        x.press();
        QCOMPARE(shown(x.view.swTime), "86340.00");
        x.press();
        QCOMPARE(shown(x.view.swTime), "23:59:00");
        QCOMPARE(shown(x.view.swTime1), "23:00:00");
    }

    // The computer's clock set under a running countdown: the time left
    // follows the clock, the stopwatch does not.
    void clockSetUnderACountdown_data() {
        QTest::addColumn<double>("shift");     // seconds the clock is set by after 10 s
        QTest::addColumn<QString>("expected"); // at the tick after it
        QTest::newRow("forward 2 min") << 120.0 << "0:07:49";
        QTest::newRow("back 2 min") << -120.0 << "0:11:49";
        QTest::newRow("back 1 hour") << -3600.0 << "1:09:49";
        QTest::newRow("back 2 days") << -2 * 86400.0 << "0:09:49"; // whole days dropped
        QTest::newRow("back 1 day 3 hours") << -(86400.0 + 3 * 3600) << "3:09:49";
        QTest::newRow("forward past the end") << 600.0 << "DONE";
        QTest::newRow("forward 3 days") << 3 * 86400.0 << "DONE";
    }
    void clockSetUnderACountdown() {
        QFETCH(double, shift);
        QFETCH(QString, expected);
        TimerModels x;
        x.press(); // a stopwatch runs alongside, on its own clock
        x.countFrom("10");
        for (int s = 1; s <= 10; ++s) {
            x.clock.advance(1);
            QVERIFY(x.cdTick());
        }
        QCOMPARE(shown(x.view.cdTime), "0:09:50");
        x.clock.moveWall(shift);
        x.clock.advance(1);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), expected);
        QVERIFY(x.swTick());
        QCOMPARE(shown(x.view.swTime), "11.00");
    }

    // A tick delivered 3 s late shows the true time left: no drift.
    void lateTick() {
        TimerModels x;
        x.countFrom("1");
        x.clock.advance(1);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), "0:00:59");
        x.clock.advance(4);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), "0:00:55");
        x.clock.advance(1);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), "0:00:54");
        x.clock.advance(60);
        QVERIFY(x.cdTick());
        QCOMPARE(shown(x.view.cdTime), "DONE");
    }

    // An hour of 5 ms ticks and a thousand windows leave the heap as it was.
    // In the real window: the tick's write to the display and the window's
    // controls are where memory could be left behind.
    void noGrowth() {
        ActiveWindow x;
        x.p.control<QPushButton>("cmdSWButton")->click();
        const auto hourOfTicks = [&] {
            for (int i = 0; i < 3600 * 200; ++i) {
                x.t.clock.advance(0.005);
                (void)x.p.tick("tmrSWTimer");
            }
        };
        const auto thousandWindows = [&] {
            auto* another = x.p.control<QPushButton>("cmdAnotherTimer");
            for (int round = 0; round < 10; ++round) {
                for (int i = 0; i < 100; ++i) {
                    another->click();
                }
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w != x.w.get() && qobject_cast<frmStopwatch*>(w) != nullptr) {
                        w->close();
                    }
                }
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        hourOfTicks(); // warm up every cache on the way
        thousandWindows();
        const std::size_t before = heapInUse();
        hourOfTicks();
        const std::size_t afterTicks = heapInUse();
        thousandWindows();
        const std::size_t afterWindows = heapInUse();
        QCOMPARE(x.p.control<QLineEdit>("txtSWTime")->text(), "7200.00");
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            windows += qobject_cast<frmStopwatch*>(w) != nullptr ? 1 : 0;
        }
        QCOMPARE(windows, 1);
        if (kPlainHeap) {
            // 720 000 ticks: not a byte each.
            QVERIFY2(
                afterTicks <= before + 64 * 1024,
                qPrintable(QStringLiteral("ticks: heap %1 -> %2").arg(before).arg(afterTicks)));
            // Qt's own caches settle over the first few thousand windows; a
            // window or control left behind would cost tens of kilobytes each.
            QVERIFY2(
                afterWindows <= afterTicks + 1000 * 2048,
                qPrintable(
                    QStringLiteral("windows: heap %1 -> %2").arg(afterTicks).arg(afterWindows)));
        }
    }
};

QTEST_MAIN(TestLongRuns)
#include "test_longruns.moc"
