// The clock readings, date arithmetic, error traps, the event boundary, the
// window timer and the scripted dialogs.
#include "core/clock.h"
#include "core/dates.h"
#include "platform/dialogs.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "platform/timer.h"

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <stdexcept>
#include <thread>

using namespace core;

class TestServices : public QObject {
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

    void systemClock() {
        SystemClock clock;
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

    void trapEndsAtTheFailingStep() {
        int steps = 0;
        const bool finished = exitOnError([&] {
            ++steps;
            raise(ErrorNumber::Overflow);
            ++steps; // never reached
        });
        QVERIFY(!finished);
        QCOMPARE(steps, 1);
        QVERIFY(exitOnError([&] { ++steps; }));
        QCOMPARE(steps, 2);
        // Only numbered runtime errors are trapped.
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 exitOnError([] { throw std::logic_error("bug"); }));
        try {
            raise(ErrorNumber::TypeMismatch);
        } catch (const RuntimeError& e) {
            QCOMPARE(e.code(), 13);
            QCOMPARE(e.number(), ErrorNumber::TypeMismatch);
        }
    }

    void eventBoundaryStopsEveryError() {
        int after = 0;
        dispatchEvent("handler", [] { raise(ErrorNumber::TypeMismatch); });
        dispatchEvent("handler", [] { throw std::logic_error("bug"); });
        dispatchEvent("handler", [] { throw 42; });
        dispatchEvent("handler", [&] { ++after; });
        QCOMPARE(after, 1);
    }

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

    void scriptedDialogs() {
        QCOMPARE(defaultAnswer(MsgBoxStyle::OkOnly), MsgBoxResult::Ok);
        QCOMPARE(defaultAnswer(292), MsgBoxResult::No);
        QCOMPARE(defaultAnswer(MsgBoxStyle::YesNo | MsgBoxStyle::Question), MsgBoxResult::Yes);
        QCOMPARE(defaultAnswer(MsgBoxStyle::Information), MsgBoxResult::Ok);

        ScriptedDialogs dialogs;
        dialogs.answer(MsgBoxResult::Yes);
        QCOMPARE(dialogs.messageBox(nullptr, "Do you wish to exit?", 292, "Timing in progress !!"),
                 MsgBoxResult::Yes);
        QCOMPARE(dialogs.messageBox(nullptr, "again", 292, "t"), MsgBoxResult::No);
        QCOMPARE(dialogs.messageBox(nullptr, "24 hours", 0, QString()), MsgBoxResult::Ok);
        QCOMPARE(dialogs.boxes().size(), std::size_t{3});
        QCOMPARE(dialogs.boxes()[0].prompt, "Do you wish to exit?");
        QCOMPARE(dialogs.boxes()[0].style, 292);
        QCOMPARE(dialogs.boxes()[2].title, "Horolux"); // no title: the application's
        dialogs.beep();
        QCOMPARE(dialogs.beeps(), 1);
    }
};

QTEST_GUILESS_MAIN(TestServices)
#include "test_services.moc"
