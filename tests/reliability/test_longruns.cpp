// Long runs and clock faults with the fake clock: a whole day counted down
// second by second, a stopwatch running for almost a day, the computer's clock
// set under running timers, late ticks, and many windows and ticks with no
// growth in memory.
#include "support/probe.h"

#include "core/dates.h"
#include "core/format.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <malloc.h>

namespace {

QString hms(long long seconds) {
    seconds %= 86400;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

struct Window : ActiveWindow {
    QLineEdit* countdown = p.control<QLineEdit>("txtCountdown");
    QLineEdit* main = p.control<QLineEdit>("txtSWTime");
    QLineEdit* split = p.control<QLineEdit>("txtSWTime1");
    QPushButton* swButton = p.control<QPushButton>("cmdSWButton");

    void countFrom(const QString& minutes) {
        p.control<QComboBox>("cmbMinutes")->setEditText(minutes);
        p.control<QPushButton>("cmdCountdown")->click();
    }
    bool tick() { return p.tick("tmrCountdown"); }
};

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
        Window x;
        x.countFrom(QStringLiteral("1440"));
        QCOMPARE(x.countdown->text(), "START");
        for (int s = 1; s < 86400; ++s) {
            x.t.clock.advance(1);
            QVERIFY(x.tick());
            const QString expected = hms(86400 - s);
            if (x.countdown->text() != expected || x.w->windowTitle() != expected) {
                QFAIL(qPrintable(QStringLiteral("after %1 s: %2 / %3, expected %4")
                                     .arg(s)
                                     .arg(x.countdown->text(), x.w->windowTitle(), expected)));
            }
        }
        x.t.clock.advance(1);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), "DONE");
        QCOMPARE(x.w->windowTitle(), kIdleCaption);
        QCOMPARE(x.t.dialogs.beeps(), 1);
        QVERIFY(!x.tick());
    }

    // Almost a day on the stopwatch, across the fold of its clock, a capture
    // every hour, the computer's clock set back and forth meanwhile.
    void dayLongStopwatch() {
        Window x;
        x.t.clock.advanceToReading(50000.25);
        x.swButton->click();
        const double total = 23 * 3600 + 59 * 60;
        for (int s = 10; s <= total; s += 10) {
            x.t.clock.advance(10);
            if (s % 3600 == 0) {
                x.t.clock.moveWall(s % 7200 == 0 ? -3600.0
                                                 : 86400.0 * 3); // summer time, a wrong date
                x.p.control<QPushButton>("cmdSWPause")->click();
                QCOMPARE(x.split->text(), QString::number(s) + QStringLiteral(".00"));
            }
            QVERIFY(x.p.tick("tmrSWTimer"));
            if (x.main->text() != QString::number(s) + QStringLiteral(".00")) {
                QFAIL(qPrintable(QStringLiteral("%1 s shows %2").arg(s).arg(x.main->text())));
            }
        }
        x.swButton->click();
        QCOMPARE(x.main->text(), "86340.00");
        x.swButton->click();
        QCOMPARE(x.main->text(), "23:59:00");
        QCOMPARE(x.split->text(), "23:00:00");
    }

    // The computer's clock set under a running countdown: the time left
    // follows the clock, the stopwatch does not.
    void clockSetUnderACountdown_data() {
        QTest::addColumn<double>("shift");  // seconds the clock is set by after 10 s
        QTest::addColumn<QString>("shown"); // at the tick after it
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
        QFETCH(QString, shown);
        Window x;
        x.swButton->click(); // a stopwatch runs alongside, on its own clock
        x.countFrom(QStringLiteral("10"));
        for (int s = 1; s <= 10; ++s) {
            x.t.clock.advance(1);
            QVERIFY(x.tick());
        }
        QCOMPARE(x.countdown->text(), "0:09:50");
        x.t.clock.moveWall(shift);
        x.t.clock.advance(1);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), shown);
        QVERIFY(x.p.tick("tmrSWTimer"));
        QCOMPARE(x.main->text(), "11.00");
    }

    // A tick delivered 3 s late shows the true time left: no drift.
    void lateTick() {
        Window x;
        x.countFrom(QStringLiteral("1"));
        x.t.clock.advance(1);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), "0:00:59");
        x.t.clock.advance(4);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), "0:00:55");
        x.t.clock.advance(1);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), "0:00:54");
        x.t.clock.advance(60);
        QVERIFY(x.tick());
        QCOMPARE(x.countdown->text(), "DONE");
    }

    // An hour of 5 ms ticks and a thousand windows leave the heap as it was.
    void noGrowth() {
        Window x;
        x.swButton->click();
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
        QCOMPARE(x.main->text(), "7200.00");
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
