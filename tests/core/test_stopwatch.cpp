// The stopwatch model, without a window: the button's four steps, the tick,
// the capture, the conversion, Reset, and runs of a day and more.
#include "support/models.h"

#include <QTest>

using Step = core::Stopwatch::Step;

namespace {

// Both models on a fake clock that moves to given readings.
struct Models : TimerModels {
    void at(double reading) { clock.advanceToReading(reading); }
    // Runs from `start` to `stop` (readings) and stops.
    void run(double start, double stop) {
        at(start);
        press();
        at(stop);
        press();
    }
};

// One run of a table row from the reading `start`: the tick and the stop show
// the seconds, the conversion the hours, minutes and seconds of both displays.
void checkRun(double start) {
    QFETCH(double, result);
    QFETCH(double, captured);
    QFETCH(QString, seconds);
    QFETCH(QString, converted);
    QFETCH(QString, capture);
    Models s;
    s.at(start);
    s.press();
    if (captured >= 0) {
        s.clock.advance(captured);
        s.capture();
        s.clock.advance(result - captured);
    } else {
        s.clock.advance(result);
    }
    QVERIFY(s.swTick());
    QCOMPARE(shown(s.view.swTime), seconds);
    s.press();
    QCOMPARE(shown(s.view.swTime), seconds);
    s.press();
    QCOMPARE(shown(s.view.swTime), converted);
    QCOMPARE(shown(s.view.swTime1), capture);
    QCOMPARE(shown(s.view.swButton), "Reset");
    QVERIFY(s.state.blnSWResetDue);
}

} // namespace

class TestStopwatch : public QObject {
    Q_OBJECT
private slots:
    // A whole run, step by step, as the window shows it.
    void exampleRun() {
        Models s;
        const TimerWindowState& st = s.state;
        const core::WindowView& v = s.view;

        s.at(1000.25);
        QCOMPARE(s.press(), Step::Start);
        QCOMPARE(shown(v.swTime), "0.00");
        QCOMPARE(shown(v.swTime1), "0.00");
        QCOMPARE(shown(v.swButton), "Stop");
        QVERIFY(*v.swPauseVisible);
        QCOMPARE(shown(v.swPause), "Capture");
        QCOMPARE(shown(v.swBackColor), "yellow");
        QVERIFY(!*v.validateEnabled);
        QVERIFY(*v.swTimerEnabled);
        QVERIFY(!st.blnSWReady && st.blnSWRunning);
        QCOMPARE(st.sngSWStart, 1000.25F);

        s.at(1001.50);
        QVERIFY(s.swTick());
        QCOMPARE(shown(v.swTime), "1.25");

        s.at(1003.75);
        s.capture();
        QCOMPARE(shown(v.swTime1), "3.50");
        QCOMPARE(shown(v.swTime), "1.25"); // until the next tick
        QCOMPARE(shown(v.swPause), "Refresh");
        QVERIFY(st.blnSWRunning);

        s.at(1010.00);
        QVERIFY(s.swTick());
        QCOMPARE(shown(v.swTime), "9.75");

        s.at(1012.50);
        QCOMPARE(s.press(), Step::Stop);
        QCOMPARE(shown(v.swTime), "12.25");
        QCOMPARE(shown(v.swTime1), "3.50");
        QCOMPARE(shown(v.swButton), "H:MM:SS");
        QVERIFY(!*v.swPauseVisible);
        QCOMPARE(shown(v.swPause), "Capture");
        QVERIFY(!*v.swTimerEnabled);
        QVERIFY(!s.swTick());
        QVERIFY(!st.blnSWRunning && st.blnSWStopped);
        QVERIFY(!*v.validateEnabled);
        QCOMPARE(shown(v.swBackColor), "yellow");

        s.view.caption = std::string("0:00:42"); // as a countdown tick would
        QCOMPARE(s.press(), Step::Convert);
        QCOMPARE(shown(v.swTime), "00:00:12");
        QCOMPARE(shown(v.swTime1), "00:00:04");
        QCOMPARE(shown(v.timeType), "Hr.....Min...Sec");
        QCOMPARE(shown(v.swButton), "Reset");
        QCOMPARE(shown(v.caption), idleCaption());
        QVERIFY(!st.blnSWStopped && st.blnSWResetDue);
        QCOMPARE(st.intSWSeconds, core::Integer{12});
        QCOMPARE(st.intCapSeconds, core::Integer{4});
        QCOMPARE(shown(v.swBackColor), "yellow");

        QCOMPARE(s.press(), Step::Reset);
        QCOMPARE(shown(v.swTime), "0.00");
        QCOMPARE(shown(v.swTime1), "0.00");
        QCOMPARE(shown(v.timeType), "Seconds");
        QCOMPARE(shown(v.swButton), "Stopwatch");
        QCOMPARE(shown(v.swBackColor), "white");
        QVERIFY(*v.validateEnabled);
        QVERIFY(st.blnSWReady && !st.blnSWResetDue);
        QCOMPARE(st.intSWSeconds, core::Integer{0});
        QCOMPARE(st.intCapSeconds, core::Integer{0});

        s.at(2000);
        QCOMPARE(s.press(), Step::Start); // and a new run starts
        QCOMPARE(shown(v.swButton), "Stop");
        QCOMPARE(st.sngSWStart, 2000.0F);
    }

    // Runs within a day, from a start at reading 0.
    void conversion_data() {
        QTest::addColumn<double>("result");   // seconds from start to stop
        QTest::addColumn<double>("captured"); // seconds from start to the capture, <0: none
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QString>("capture");
        QTest::newRow("zero") << 0.0 << -1.0 << "0.00"
                              << "00:00:00"
                              << "00:00:00";
        QTest::newRow("58.50 to even") << 58.5 << -1.0 << "58.50"
                                       << "00:00:58"
                                       << "00:00:00";
        QTest::newRow("59.50 up") << 59.5 << -1.0 << "59.50"
                                  << "00:01:00"
                                  << "00:00:00";
        QTest::newRow("3599.50") << 3599.5 << -1.0 << "3599.50"
                                 << "01:00:00"
                                 << "00:00:00";
        QTest::newRow("3725.67 and 59.50") << 3725.67 << 59.5 << "3725.67"
                                           << "01:02:06"
                                           << "00:01:00";
        QTest::newRow("35999.49") << 35999.49 << 1.0 << "35999.49"
                                  << "09:59:59"
                                  << "00:00:01";
        // Ten hours and more convert as well.
        QTest::newRow("35999.50") << 35999.5 << -1.0 << "35999.50"
                                  << "10:00:00"
                                  << "00:00:00";
        QTest::newRow("36000") << 36000.0 << 35999.5 << "36000.00"
                               << "10:00:00"
                               << "10:00:00";
        QTest::newRow("86399.40") << 86399.4 << -1.0 << "86399.40"
                                  << "23:59:59"
                                  << "00:00:00";
    }
    void conversion() { checkRun(0); }

    // Runs across the fold of the clock and runs of a day and more: a run
    // within a day shows its time whatever the readings; a longer one shows
    // the whole run, to the hundredth, and converts to hours beyond 24.
    void longAndFoldedRuns_data() {
        QTest::addColumn<double>("start");    // the reading at the start
        QTest::addColumn<double>("result");   // seconds from start to stop
        QTest::addColumn<double>("captured"); // seconds from start to the capture, <0: none
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QString>("capture");
        QTest::newRow("across the fold") << 86390.0 << 20.0 << -1.0 << "20.00"
                                         << "00:00:20"
                                         << "00:00:00";
        QTest::newRow("a whole day") << 500.0 << 86400.0 << -1.0 << "86400.00"
                                     << "24:00:00"
                                     << "00:00:00";
        QTest::newRow("a day and 90 s") << 500.0 << 86490.0 << -1.0 << "86490.00"
                                        << "24:01:30"
                                        << "00:00:00";
        QTest::newRow("a day and 90.25 s") << 500.0 << 86490.25 << -1.0 << "86490.25"
                                           << "24:01:30"
                                           << "00:00:00";
        QTest::newRow("a day and 20 s across the fold") << 86390.0 << 86420.0 << -1.0 << "86420.00"
                                                        << "24:00:20"
                                                        << "00:00:00";
        QTest::newRow("two days, an hour and 0.5 s") << 500.0 << 176400.5 << -1.0 << "176400.50"
                                                     << "49:00:00"
                                                     << "00:00:00";
        QTest::newRow("30 days and 12.34 s") << 500.0 << 2592012.34 << -1.0 << "2592012.34"
                                             << "720:00:12"
                                             << "00:00:00";
        QTest::newRow("30 days and a hundredth") << 500.0 << 2592000.01 << -1.0 << "2592000.01"
                                                 << "720:00:00"
                                                 << "00:00:00";
        QTest::newRow("a capture after a day") << 500.0 << 86415.5 << 86410.5 << "86415.50"
                                               << "24:00:16"
                                               << "24:00:10";
        QTest::newRow("a capture within the day") << 500.0 << 86415.5 << 10.25 << "86415.50"
                                                  << "24:00:16"
                                                  << "00:00:10";
    }
    void longAndFoldedRuns() {
        QFETCH(double, start);
        checkRun(start);
    }

    // Whatever stands in a display is what converts; a text that is no
    // number ends the press at that step and leaves the stopwatch Stopped.
    void failedConversionKeepsStopped() {
        Models s;
        s.run(100, 112.25);
        s.view.swTime.read("-100.00");
        s.press();
        QCOMPARE(shown(s.view.swTime), "00:-01:-40");

        Models f;
        f.run(100, 112.25);
        f.view.swTime1.read("abc");
        f.press();
        QCOMPARE(shown(f.view.swTime), "00:00:12"); // converted before the capture failed
        QCOMPARE(shown(f.view.swTime1), "abc");
        QCOMPARE(shown(f.view.swButton), "H:MM:SS");
        QCOMPARE(shown(f.view.timeType), "Seconds");
        QVERIFY(f.state.blnSWStopped);
        QVERIFY(!f.state.blnSWResetDue);
        f.press(); // now the main display itself is no number
        QCOMPARE(shown(f.view.swTime), "00:00:12");
        QCOMPARE(shown(f.view.swButton), "H:MM:SS");
        QCOMPARE(f.state.intSWHours, core::Integer{0});
    }

    void threeCaptures() {
        Models s;
        s.at(100);
        s.press();
        for (double at : {101.0, 102.5, 104.25}) {
            s.at(at);
            s.capture();
            QCOMPARE(shown(s.view.swPause), "Refresh");
        }
        QCOMPARE(shown(s.view.swTime1), "4.25");
        QCOMPARE(s.state.sngSWCapture, 104.25F);
        QVERIFY(s.state.blnSWRunning);
        s.at(110);
        s.press();
        QCOMPARE(shown(s.view.swTime1), "4.25");
        QCOMPARE(shown(s.view.swPause), "Capture");
        QVERIFY(!*s.view.swPauseVisible);
    }

    // Reset (the focus arriving on "Validate Countdown") in every state where
    // the box can take the focus.
    void resetInEveryState_data() {
        QTest::addColumn<int>("presses"); // 0 idle, 2 stopped, 3 converted
        QTest::newRow("idle") << 0;
        QTest::newRow("stopped") << 2;
        QTest::newRow("converted") << 3;
    }
    void resetInEveryState() {
        QFETCH(int, presses);
        Models s;
        s.at(100);
        for (int i = 0; i < presses; ++i) {
            s.press();
            s.clock.advance(7.5);
        }
        s.view.swTime1.read("9.99");
        const TimerWindowState before = s.state;
        s.reset();
        const TimerWindowState& st = s.state;
        QCOMPARE(shown(s.view.swTime), "0.00");
        QCOMPARE(shown(s.view.swTime1), "0.00");
        QCOMPARE(shown(s.view.swButton), "Stopwatch");
        QCOMPARE(shown(s.view.timeType), "Seconds");
        QVERIFY(*s.view.validateEnabled);
        QVERIFY(st.blnSWReady && !st.blnSWResetDue);
        // What Reset leaves alone.
        QCOMPARE(st.blnSWStopped, before.blnSWStopped);
        QCOMPARE(st.blnSWRunning, before.blnSWRunning);
        QCOMPARE(st.sngSWStart, before.sngSWStart);
        QCOMPARE(st.sngSWNow, before.sngSWNow);

        // The next press starts a new run, whatever Stopped said.
        QCOMPARE(s.press(), Step::Start);
        QVERIFY(st.blnSWRunning);
        QCOMPARE(shown(s.view.swButton), "Stop");
    }
};

QTEST_APPLESS_MAIN(TestStopwatch)
#include "test_stopwatch.moc"
