// The countdown model, without a window: the length and its limits, the
// one-second tick, "Stop", the finish, and "Validate Countdown" starting and
// stopping the stopwatch.
#include "support/models.h"

#include "core/dates.h"

#include <QTest>

#include <cmath>
#include <utility>
#include <vector>

namespace {

// What a click makes of a length.
enum class Outcome { Started, TooLong, Negative };

const char* const kTooLong = "24 hours is the maximum (1440 minutes).";
const char* const kNegative = "A negative number?!";

// Both models on clocks that move only when told.
struct Models : TimerModels {
    const core::Date t0 = clock.now();
    double elapsed = 0;   // seconds since the fixture was made
    double wallShift = 0; // seconds the computer's clock was set by

    Models() {
        clock.advanceSteady(1000); // a stopwatch reading with room below it
    }

    // `seconds` after the fixture was made: both clocks move, and "now" lands
    // exactly on that instant, as the countdown computes its end.
    void at(double seconds) {
        clock.advance(seconds - elapsed);
        elapsed = seconds;
        clock.setWall(core::addSeconds(t0, seconds + wallShift));
    }
    // The computer's clock is set: only "now" moves.
    void setClockBy(double seconds) {
        wallShift += seconds;
        clock.setWall(core::addSeconds(t0, elapsed + wallShift));
    }
    void startWith(const QString& length) { countFrom(length.toStdString()); }
    bool tickAt(double seconds) {
        at(seconds);
        return cdTick();
    }
    // Seconds from now to the end instant.
    [[nodiscard]] double secondsLeft() const {
        return (state.datCDEnd - clock.now()) * core::kSecondsPerDay;
    }

    [[nodiscard]] bool showsFinish() const {
        return shown(view.cdTime) == "DONE" && shown(view.cdForeColor) == "green" &&
               shown(view.cdBackColor) == "black" && !*view.cdUnitVisible && !cdRunning() &&
               state.blnCDReady && shown(view.caption) == idleCaption();
    }
};

QString prompt(const core::Message& box) {
    return QString::fromStdString(box.prompt);
}

} // namespace

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    // What a click makes of the length in the combo box.
    void lengths_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<double>("seconds"); // when started
        QTest::newRow(".25") << ".25" << Outcome::Started << 15.0;
        QTest::newRow("1.75") << "1.75" << Outcome::Started << 105.0;
        QTest::newRow("1440") << "1440" << Outcome::Started << 86400.0;
        QTest::newRow("1440.00001 narrows to 86400") << "1440.00001" << Outcome::Started << 86400.0;
        QTest::newRow("1440.001") << "1440.001" << Outcome::TooLong << 0.0;
        QTest::newRow("1440.01") << "1440.01" << Outcome::TooLong << 0.0;
        QTest::newRow("1441") << "1441" << Outcome::TooLong << 0.0;
        QTest::newRow("-5") << "-5" << Outcome::Negative << 0.0;
        QTest::newRow("-0.001") << "-0.001" << Outcome::Negative << 0.0;
        QTest::newRow("-0") << "-0" << Outcome::Started << 0.0;
        QTest::newRow("0") << "0" << Outcome::Started << 0.0;
        QTest::newRow("empty") << "" << Outcome::Started << 0.0;
        QTest::newRow("a word") << "soon" << Outcome::Started << 0.0;
        QTest::newRow("10 minutes") << "10 minutes" << Outcome::Started << 600.0;
        QTest::newRow("blanks first") << "  7" << Outcome::Started << 420.0;
        QTest::newRow("0.123456789: narrowed")
            << "0.123456789" << Outcome::Started << static_cast<double>(7.4074073F);
        QTest::newRow("0.01: a fraction of a second")
            << "0.01" << Outcome::Started << static_cast<double>(0.6F);
        QTest::newRow("5e36") << "5e36" << Outcome::TooLong << 0.0;
        QTest::newRow("1e37: beyond a Single") << "1e37" << Outcome::TooLong << 0.0;
        QTest::newRow("1e999: beyond a double") << "1e999" << Outcome::TooLong << 0.0;
        QTest::newRow("-1e37") << "-1e37" << Outcome::Negative << 0.0;
        QTest::newRow("-1e999") << "-1e999" << Outcome::Negative << 0.0;
    }
    void lengths() {
        QFETCH(QString, length);
        QFETCH(Outcome, outcome);
        QFETCH(double, seconds);
        Models c;
        c.at(5);
        c.startWith(length);
        const core::WindowView& v = c.view;
        QVERIFY(!*v.validateEnabled);
        QVERIFY(!c.state.blnSWRunning);
        QCOMPARE(shown(v.cdForeColor), "black");
        QCOMPARE(c.beeps, 0);
        QCOMPARE(shown(v.caption), idleCaption());
        switch (outcome) {
        case Outcome::Started:
            QVERIFY(c.boxes.empty());
            QCOMPARE(shown(v.cdTime), "START");
            QCOMPARE(shown(v.cdBackColor), "yellow");
            QVERIFY(*v.cdUnitVisible);
            QVERIFY(c.cdRunning());
            QCOMPARE(*v.cdTimerInterval, 1000);
            QVERIFY(!c.state.blnCDReady);
            QCOMPARE(static_cast<double>(c.state.sngCDSeconds), seconds);
            // "Again" runs the same length from the minutes it writes.
            QCOMPARE(
                core::Countdown::lengthSeconds(core::Countdown::minutesText(c.state.sngCDSeconds)),
                c.state.sngCDSeconds);
            QVERIFY2(std::abs(c.secondsLeft() - seconds) < 1e-4,
                     qPrintable(QString::number(c.secondsLeft())));
            QCOMPARE(shown(v.minutes), length);
            break;
        case Outcome::TooLong:
        case Outcome::Negative: {
            const bool negative = outcome == Outcome::Negative;
            QCOMPARE(c.boxes.size(), std::size_t{1});
            QCOMPARE(prompt(c.boxes[0]), negative ? kNegative : kTooLong);
            QCOMPARE(c.boxes[0].style, 0);
            QCOMPARE(QString::fromStdString(c.boxes[0].title), negative ? "Come On!!" : "Horolux");
            QCOMPARE(shown(v.cdTime), "0:00:00");
            QCOMPARE(shown(v.cdBackColor), "white");
            QVERIFY(!c.cdRunning());
            QVERIFY(c.state.blnCDReady);
            QCOMPARE(shown(v.minutes), negative ? QString() : length);
            // Refused, the window can still count down.
            c.startWith(QStringLiteral("1"));
            QCOMPARE(shown(v.cdTime), "START");
            QVERIFY(c.cdRunning());
            break;
        }
        }
    }

    // The text the first tick, a second after the click, shows.
    void firstTick_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1440") << "1440"
                              << "23:59:59";
        QTest::newRow("1440.00001") << "1440.00001"
                                    << "23:59:59";
        QTest::newRow("480") << "480"
                             << "7:59:59";
        QTest::newRow("1.00") << "1.00"
                              << "0:00:59";
        QTest::newRow(".25") << ".25"
                             << "0:00:14";
        QTest::newRow("0.02: 1.2 s") << "0.02"
                                     << "0:00:00";
        QTest::newRow("0.01: 0.6 s") << "0.01"
                                     << "DONE";
        QTest::newRow("0") << "0"
                           << "DONE";
        QTest::newRow("-0") << "-0"
                            << "DONE";
        QTest::newRow("empty") << ""
                               << "DONE";
        QTest::newRow("a word") << "minutes"
                                << "DONE";
    }
    void firstTick() {
        QFETCH(QString, length);
        QFETCH(QString, expected);
        Models c;
        c.startWith(length);
        QCOMPARE(shown(c.view.cdTime), "START");
        QVERIFY(c.tickAt(1));
        QCOMPARE(shown(c.view.cdTime), expected);
        if (expected == "DONE") {
            QVERIFY(c.showsFinish());
            QCOMPARE(c.beeps, 1);
        } else {
            QCOMPARE(shown(c.view.caption), expected);
            QVERIFY(c.cdRunning());
        }
    }

    // A whole minute, tick by tick.
    void oneMinute() {
        Models c;
        const core::WindowView& v = c.view;
        c.startWith(QStringLiteral("1.00"));
        for (int k = 1; k < 60; ++k) {
            QVERIFY(c.tickAt(k));
            const QString left = QStringLiteral("0:00:%1").arg(60 - k, 2, 10, QLatin1Char('0'));
            QCOMPARE(shown(v.cdTime), left);
            QCOMPARE(shown(v.caption), left);
            QCOMPARE(shown(v.cdBackColor), "yellow");
            QCOMPARE(shown(v.cdForeColor), "black");
            QVERIFY(*v.cdUnitVisible);
            QVERIFY(!c.state.blnCDReady);
        }
        QCOMPARE(c.beeps, 0);
        QVERIFY(c.tickAt(60)); // exactly none left
        QCOMPARE(c.state.sngCDLeft, 0.0F);
        QVERIFY(c.showsFinish());
        QCOMPARE(c.beeps, 1);
        QVERIFY(*v.validateEnabled);
        QVERIFY(c.boxes.empty());
        c.at(61);
        QVERIFY(!c.cdTick()); // no more ticks, no second beep
        QCOMPARE(c.beeps, 1);

        // The next countdown starts from "DONE".
        c.countdownClick();
        QCOMPARE(shown(v.cdTime), "START");
        QCOMPARE(shown(v.cdBackColor), "yellow");
        QCOMPARE(shown(v.cdForeColor), "black");
        QVERIFY(*v.cdUnitVisible);
        QVERIFY(c.cdRunning());
    }

    // The time left is measured afresh at every tick: a late tick shows the
    // true time left, rounded to the second, and nothing drifts.
    void lateTicksShowTheTrueTimeLeft() {
        Models c;
        c.startWith(QStringLiteral("1.00"));
        const std::vector<std::pair<double, QString>> ticks = {
            {1.0, "0:00:59"},   {7.3, "0:00:53"},  {7.6, "0:00:52"},  {30.49, "0:00:30"},
            {30.51, "0:00:29"}, {58.9, "0:00:01"}, {59.6, "0:00:00"}, {62.5, "DONE"},
        };
        for (const auto& [when, expected] : ticks) {
            QVERIFY(c.tickAt(when));
            QCOMPARE(shown(c.view.cdTime), expected);
        }
        QCOMPARE(c.beeps, 1);
    }

    // "Stop" moves the end to the present: the next tick finishes.
    void stop_data() {
        QTest::addColumn<double>("stopAt"); // seconds after the click
        QTest::addColumn<QString>("shownBefore");
        QTest::newRow("while running") << 10.4 << "0:00:50";
        QTest::newRow("before the first tick") << 0.3 << "START";
    }
    void stop() {
        QFETCH(double, stopAt);
        QFETCH(QString, shownBefore);
        Models c;
        c.startWith(QStringLiteral("1.00"));
        if (stopAt > 10) {
            QVERIFY(c.tickAt(10));
        }
        c.at(stopAt);
        c.stopCountdown();
        QCOMPARE(shown(c.view.cdTime), shownBefore);
        QVERIFY(c.cdRunning());
        QCOMPARE(c.secondsLeft(), 0.0);
        QVERIFY(c.tickAt(std::floor(stopAt) + 1));
        QVERIFY(c.showsFinish());
        QCOMPARE(c.beeps, 1);
    }

    void stopWithNothingRunning() {
        Models c;
        c.at(3);
        c.stopCountdown();
        QCOMPARE(shown(c.view.cdTime), "0:00:00");
        QCOMPARE(shown(c.view.caption), idleCaption());
        QVERIFY(!c.cdRunning());
        QVERIFY(c.state.blnCDReady);
        QVERIFY(*c.view.validateEnabled);
        QCOMPARE(c.beeps, 0);
        QCOMPARE(c.secondsLeft(), 0.0);
        // The next start sets its own end.
        c.at(20);
        c.startWith(QStringLiteral(".50"));
        QVERIFY(std::abs(c.secondsLeft() - 30) < 1e-4);
        QVERIFY(c.tickAt(21));
        QCOMPARE(shown(c.view.cdTime), "0:00:29");
    }

    // A second click while a countdown runs changes nothing at all, not even
    // the colours.
    void clickWhileRunningChangesNothing() {
        Models c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(5));
        const TimerWindowState before = c.state;
        (void)c.view.cdForeColor.takeWritten();
        (void)c.view.cdBackColor.takeWritten();
        c.at(5.5);
        c.startWith(QStringLiteral("-5"));
        QCOMPARE(shown(c.view.cdTime), "0:00:55");
        QCOMPARE(shown(c.view.cdBackColor), "yellow");
        QVERIFY(!c.view.cdForeColor.takeWritten());
        QVERIFY(!c.view.cdBackColor.takeWritten());
        QCOMPARE(shown(c.view.minutes), "-5");
        QCOMPARE(c.state.datCDEnd, before.datCDEnd);
        QCOMPARE(c.state.sngCDSeconds, before.sngCDSeconds);
        QVERIFY(c.boxes.empty());
        QVERIFY(c.tickAt(6));
        QCOMPARE(shown(c.view.cdTime), "0:00:54");
    }

    // The computer's clock set while a countdown runs moves its end with it.
    void clockSetDuringACountdown_data() {
        QTest::addColumn<double>("setBy");     // seconds, at 10 s into a 1-minute countdown
        QTest::addColumn<QString>("expected"); // at the tick a second later
        QTest::newRow("forward past the end") << 3600.0 << "DONE";
        QTest::newRow("forward, not past the end") << 30.0 << "0:00:19";
        QTest::newRow("back an hour") << -3600.0 << "1:00:49";
        QTest::newRow("back more than a day") << -(86400.0 + 2 * 3600 + 5) << "2:00:54";
        QTest::newRow("back more than two days") << -(2 * 86400.0 + 60) << "0:01:49";
    }
    void clockSetDuringACountdown() {
        QFETCH(double, setBy);
        QFETCH(QString, expected);
        Models c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(10));
        QCOMPARE(shown(c.view.cdTime), "0:00:50");
        c.setClockBy(setBy);
        QVERIFY(c.tickAt(11));
        QCOMPARE(shown(c.view.cdTime), expected);
        if (expected == "DONE") {
            QVERIFY(c.showsFinish());
        } else {
            QCOMPARE(shown(c.view.caption), expected);
        }
    }

    // A suspend stops the ticks, not time: the first tick after the resume
    // shows the time left then, or finishes when the end passed meanwhile.
    void suspendDuringACountdown_data() {
        QTest::addColumn<double>("asleep"); // seconds, from 10 s into a 1-minute countdown
        QTest::addColumn<QString>("expected");
        QTest::newRow("past the end") << 3600.0 << "DONE";
        QTest::newRow("not past the end") << 20.0 << "0:00:30";
    }
    void suspendDuringACountdown() {
        QFETCH(double, asleep);
        QFETCH(QString, expected);
        Models c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(10));
        QVERIFY(c.tickAt(10 + asleep));
        QCOMPARE(shown(c.view.cdTime), expected);
        QCOMPARE(c.beeps, expected == "DONE" ? 1 : 0);
    }

    // The stopwatch's conversion and Reset write the idle caption during a
    // countdown; the next tick writes the time left again.
    void otherCaptionWriters() {
        Models c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(1));
        QCOMPARE(shown(c.view.caption), "0:00:59");
        c.reset();
        QCOMPARE(shown(c.view.caption), idleCaption());
        QVERIFY(!*c.view.validateEnabled); // a countdown runs
        QVERIFY(c.tickAt(2));
        QCOMPARE(shown(c.view.caption), "0:00:58");
    }

    // "Validate Countdown" ticked with the stopwatch idle: the stopwatch
    // measures the countdown.
    void validatedCountdown_data() {
        QTest::addColumn<double>("stopAt"); // "Stop" pressed; <0: runs out
        QTest::addColumn<QString>("measured");
        QTest::newRow("runs out") << -1.0 << "60.00";
        QTest::newRow("stopped early") << 20.5 << "21.00";
    }
    void validatedCountdown() {
        QFETCH(double, stopAt);
        QFETCH(QString, measured);
        Models c;
        const core::WindowView& v = c.view;
        c.view.validateTicked.read(true);
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.state.blnSWRunning);
        QCOMPARE(shown(v.swButton), "Stop");
        QCOMPARE(shown(v.swTime), "0.00");
        QVERIFY(*v.validateTicked);
        QVERIFY(!*v.validateEnabled);
        QCOMPARE(shown(v.cdTime), "START");
        for (int k = 1; k < 60; ++k) {
            if (stopAt >= 0 && k == static_cast<int>(std::ceil(stopAt))) {
                c.at(stopAt);
                c.stopCountdown();
            }
            QVERIFY(c.tickAt(k));
            if (shown(v.cdTime) == "DONE") {
                break;
            }
            QVERIFY(c.state.blnSWRunning);
        }
        if (stopAt < 0) {
            QVERIFY(c.tickAt(60));
        }
        QVERIFY(c.showsFinish());
        QVERIFY(!c.state.blnSWRunning && c.state.blnSWStopped);
        QCOMPARE(shown(v.swTime), measured);
        QCOMPARE(shown(v.swButton), "H:MM:SS");
        QVERIFY(!*v.swTimerEnabled);
        QVERIFY(*v.validateEnabled);
        QVERIFY(!*v.validateTicked);
        QCOMPARE(c.beeps, 1);
        // Two more presses convert and reset it.
        c.press();
        QCOMPARE(shown(v.swTime), measured == "60.00" ? "00:01:00" : "00:00:21");
        c.press();
        QCOMPARE(shown(v.swTime), "0.00");
    }

    // The stopwatch stopped by hand unticks the box: the finish leaves it be.
    void stopwatchStoppedByHandIsLeftAlone() {
        Models c;
        c.view.validateTicked.read(true);
        c.startWith(QStringLiteral(".50"));
        QVERIFY(c.state.blnSWRunning);
        c.at(12.25);
        c.press();
        QVERIFY(!*c.view.validateTicked);
        QCOMPARE(shown(c.view.swTime), "12.25");
        for (int k = 13; k <= 30; ++k) {
            QVERIFY(c.tickAt(k));
        }
        QVERIFY(c.showsFinish());
        QCOMPARE(shown(c.view.swTime), "12.25"); // not converted by a second press
        QCOMPARE(shown(c.view.swButton), "H:MM:SS");
        QVERIFY(c.state.blnSWStopped);
        QVERIFY(*c.view.validateEnabled);
    }

    // A refusal after the stopwatch started: it keeps running and the box
    // stays ticked and disabled until the stopwatch is dealt with.
    void refusalAfterValidatedStart_data() {
        QTest::addColumn<QString>("length");
        QTest::newRow("too long") << "1441";
        QTest::newRow("too long for a Single") << "1e37";
        QTest::newRow("negative") << "-5";
        QTest::newRow("negative beyond a Single") << "-1e37";
    }
    void refusalAfterValidatedStart() {
        QFETCH(QString, length);
        Models c;
        c.view.validateTicked.read(true);
        c.startWith(length);
        QCOMPARE(c.boxes.size(), std::size_t{1});
        QCOMPARE(shown(c.view.cdTime), "0:00:00");
        QVERIFY(c.state.blnCDReady);
        QVERIFY(c.state.blnSWRunning);
        QVERIFY(*c.view.validateTicked);
        QVERIFY(!*c.view.validateEnabled);
        c.at(4);
        QVERIFY(c.swTick());
        QCOMPARE(shown(c.view.swTime), "4.00");

        // A further countdown now finds the stopwatch busy: it unticks the
        // box and runs without it.
        c.startWith(QStringLiteral(".25"));
        QVERIFY(!*c.view.validateTicked);
        for (int k = 5; k <= 19; ++k) {
            QVERIFY(c.tickAt(k));
        }
        QVERIFY(c.showsFinish());
        QVERIFY(c.state.blnSWRunning);     // still the user's to stop
        QVERIFY(!*c.view.validateEnabled); // while the stopwatch runs
        c.press();
        c.press();
        c.press(); // stopped, converted, reset
        QVERIFY(*c.view.validateEnabled);
    }
};

QTEST_APPLESS_MAIN(TestCountdown)
#include "test_countdown.moc"
