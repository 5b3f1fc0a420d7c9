// The stopwatch driven through its real window: the button's four steps, the
// 5 ms tick, the capture, the conversion and Reset.
#include "support/probe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QColor base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// A shown, active window with its controls at hand.
struct Stopwatch : ActiveWindow {
    QPushButton* button = p.control<QPushButton>("cmdSWButton");
    QPushButton* capture = p.control<QPushButton>("cmdSWPause");
    QLineEdit* main = p.control<QLineEdit>("txtSWTime");
    QLineEdit* split = p.control<QLineEdit>("txtSWTime1");
    QLabel* unit = p.control<QLabel>("lblTimeType");
    QCheckBox* validate = p.control<QCheckBox>("chkCDCheck");

    void at(double reading) { t.clock.advanceToReading(reading); }
    bool tick() { return p.tick("tmrSWTimer"); }
    // Runs from `start` to `stop` (readings) and stops.
    void run(double start, double stop) {
        at(start);
        button->click();
        at(stop);
        button->click();
    }
};

} // namespace

class TestStopwatch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    // A whole run, step by step, as a user sees it.
    void exampleRun() {
        Stopwatch s;
        const QColor defaultBase = base(s.main);
        auto& st = s.p.state();

        s.at(1000.25);
        s.button->click(); // start
        QCOMPARE(s.main->text(), "0.00");
        QCOMPARE(s.split->text(), "0.00");
        QCOMPARE(s.button->text(), "Stop");
        QVERIFY(s.capture->isVisible());
        QCOMPARE(s.capture->text(), "Capture");
        QCOMPARE(QApplication::focusWidget(), s.capture);
        QCOMPARE(base(s.main), QColor(Qt::yellow));
        QCOMPARE(base(s.split), QColor(Qt::yellow));
        QVERIFY(!s.validate->isEnabled());
        QVERIFY(s.p.timer("tmrSWTimer")->isRunning());
        QVERIFY(!st.blnSWReady && st.blnSWRunning);
        QCOMPARE(st.sngSWStart, 1000.25F);

        s.at(1001.50);
        QVERIFY(s.tick());
        QCOMPARE(s.main->text(), "1.25");

        s.at(1003.75);
        s.capture->click();
        QCOMPARE(s.split->text(), "3.50");
        QCOMPARE(s.main->text(), "1.25"); // until the next tick
        QCOMPARE(s.capture->text(), "Refresh");
        QVERIFY(st.blnSWRunning);

        s.at(1010.00);
        QVERIFY(s.tick());
        QCOMPARE(s.main->text(), "9.75");

        s.at(1012.50);
        s.button->click(); // stop
        QCOMPARE(s.main->text(), "12.25");
        QCOMPARE(s.split->text(), "3.50");
        QCOMPARE(s.button->text(), "H:MM:SS");
        QVERIFY(!s.capture->isVisible());
        QCOMPARE(s.capture->text(), "Capture");
        QVERIFY(!s.p.timer("tmrSWTimer")->isEnabled());
        QVERIFY(!st.blnSWRunning && st.blnSWStopped);
        QVERIFY(!s.validate->isEnabled());
        QCOMPARE(base(s.main), QColor(Qt::yellow));

        s.w->setWindowTitle(QStringLiteral("0:00:42")); // as a countdown tick would
        s.button->click();                              // convert
        QCOMPARE(s.main->text(), "00:00:12");
        QCOMPARE(s.split->text(), "00:00:04");
        QCOMPARE(s.unit->text(), "Hr.....Min...Sec");
        QCOMPARE(s.button->text(), "Reset");
        QCOMPARE(s.w->windowTitle(), kIdleCaption);
        QVERIFY(!st.blnSWStopped && st.blnSWResetDue);
        QCOMPARE(st.intSWSeconds, core::Integer{12});
        QCOMPARE(st.intCapSeconds, core::Integer{4});
        QCOMPARE(base(s.main), QColor(Qt::yellow));

        s.button->click(); // reset
        QCOMPARE(s.main->text(), "0.00");
        QCOMPARE(s.split->text(), "0.00");
        QCOMPARE(s.unit->text(), "Seconds");
        QCOMPARE(s.button->text(), "Stopwatch");
        QCOMPARE(base(s.main), QColor(Qt::white));
        QCOMPARE(base(s.split), QColor(Qt::white));
        QVERIFY(defaultBase == QColor(Qt::white));
        QVERIFY(s.validate->isEnabled());
        QVERIFY(st.blnSWReady && !st.blnSWResetDue);
        QCOMPARE(st.intSWSeconds, core::Integer{0});
        QCOMPARE(st.intCapSeconds, core::Integer{0});

        s.at(2000);
        s.button->click(); // and a new run starts
        QCOMPARE(s.button->text(), "Stop");
        QCOMPARE(st.sngSWStart, 2000.0F);
    }

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
    void conversion() {
        QFETCH(double, result);
        QFETCH(double, captured);
        QFETCH(QString, seconds);
        QFETCH(QString, converted);
        QFETCH(QString, capture);
        Stopwatch s;
        s.at(0);
        s.button->click();
        if (captured >= 0) {
            s.t.clock.advance(captured);
            s.capture->click();
            s.t.clock.advance(result - captured);
        } else {
            s.t.clock.advance(result);
        }
        s.button->click();
        QCOMPARE(s.main->text(), seconds);
        s.button->click();
        QCOMPARE(s.main->text(), converted);
        QCOMPARE(s.split->text(), capture);
        QCOMPARE(s.button->text(), "Reset");
        QVERIFY(s.p.state().blnSWResetDue);
    }

    void runsAcrossTheFoldOfTheClock() {
        Stopwatch s;
        s.run(86390.00, 10.00);
        QCOMPARE(s.main->text(), "20.00");
        s.button->click();
        QCOMPARE(s.main->text(), "00:00:20");

        // A run of a day or more shows the time beyond whole days.
        Stopwatch d;
        d.at(500);
        d.button->click();
        d.t.clock.advance(86400 + 90);
        d.button->click();
        QCOMPARE(d.main->text(), "90.00");
    }

    // Whatever stands in a display is what converts; a text that is no
    // number ends the press at that step and leaves the stopwatch Stopped.
    void failedConversionKeepsStopped() {
        Stopwatch s;
        s.run(100, 112.25);
        s.main->setText(QStringLiteral("-100.00"));
        s.button->click();
        QCOMPARE(s.main->text(), "00:-01:-40");

        Stopwatch f;
        f.run(100, 112.25);
        f.split->setText(QStringLiteral("abc"));
        f.button->click();
        QCOMPARE(f.main->text(), "00:00:12"); // converted before the capture failed
        QCOMPARE(f.split->text(), "abc");
        QCOMPARE(f.button->text(), "H:MM:SS");
        QCOMPARE(f.unit->text(), "Seconds");
        QVERIFY(f.p.state().blnSWStopped);
        QVERIFY(!f.p.state().blnSWResetDue);
        f.button->click(); // now the main display itself is no number
        QCOMPARE(f.main->text(), "00:00:12");
        QCOMPARE(f.button->text(), "H:MM:SS");
        QCOMPARE(f.p.state().intSWHours, core::Integer{0});
    }

    // The tick writes only a changed text; a write shows as a lost selection.
    void tickWritesOnlyChanges() {
        Stopwatch s;
        s.at(10);
        s.button->click();
        s.at(11.001);
        QVERIFY(s.tick());
        QCOMPARE(s.main->text(), "1.00");
        s.main->selectAll();
        s.at(11.004);
        QVERIFY(s.tick()); // same hundredth
        QVERIFY(s.main->hasSelectedText());
        s.at(11.02);
        QVERIFY(s.tick());
        QCOMPARE(s.main->text(), "1.02");
        QVERIFY(!s.main->hasSelectedText());

        s.main->setText(QStringLiteral("typed over"));
        QVERIFY(s.tick());
        QCOMPARE(s.main->text(), "1.02");

        // The stop writes its result even when the display shows it already.
        s.main->selectAll();
        s.button->click();
        QCOMPARE(s.main->text(), "1.02");
        QVERIFY(!s.main->hasSelectedText());
        QVERIFY(!s.tick()); // and no more ticks come
    }

    void threeCaptures() {
        Stopwatch s;
        s.at(100);
        s.button->click();
        for (double at : {101.0, 102.5, 104.25}) {
            s.at(at);
            s.capture->click();
            QCOMPARE(s.capture->text(), "Refresh");
        }
        QCOMPARE(s.split->text(), "4.25");
        QCOMPARE(s.p.state().sngSWCapture, 104.25F);
        QVERIFY(s.p.state().blnSWRunning);
        s.at(110);
        s.button->click();
        QCOMPARE(s.split->text(), "4.25");
        QCOMPARE(s.capture->text(), "Capture");
        QVERIFY(s.capture->isHidden());
    }

    // A click on "Validate Countdown" from another control resets the
    // stopwatch and ticks the box, in every state where the box is enabled.
    void resetThroughTheCheckBox_data() {
        QTest::addColumn<int>("presses"); // 0 idle, 2 stopped, 3 converted
        QTest::newRow("idle") << 0;
        QTest::newRow("stopped") << 2;
        QTest::newRow("converted") << 3;
    }
    void resetThroughTheCheckBox() {
        QFETCH(int, presses);
        Stopwatch s;
        s.at(100);
        for (int i = 0; i < presses; ++i) {
            s.button->click();
            s.t.clock.advance(7.5);
        }
        s.split->setText(QStringLiteral("9.99"));
        s.validate->setEnabled(true); // as the end of a countdown leaves it
        const TimerWindowState before = s.p.state();
        s.button->setFocus();
        QTest::mouseClick(s.validate, Qt::LeftButton);
        const TimerWindowState& st = s.p.state();
        QVERIFY(s.validate->isChecked());
        QCOMPARE(s.main->text(), "0.00");
        QCOMPARE(s.split->text(), "0.00");
        QCOMPARE(s.button->text(), "Stopwatch");
        QCOMPARE(s.unit->text(), "Seconds");
        QVERIFY(st.blnSWReady && !st.blnSWResetDue);
        // What Reset leaves alone.
        QCOMPARE(st.blnSWStopped, before.blnSWStopped);
        QCOMPARE(st.blnSWRunning, before.blnSWRunning);
        QCOMPARE(st.sngSWStart, before.sngSWStart);
        QCOMPARE(st.sngSWNow, before.sngSWNow);

        // Focus moving away and back by Tab resets again; the tick stays.
        s.split->setText(QStringLiteral("5.00"));
        s.p.control("Text1")->setFocus();
        QTest::keyClick(s.p.control("Text1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.validate);
        QCOMPARE(s.split->text(), "0.00");
        QVERIFY(s.validate->isChecked());

        // The next press starts a new run, whatever Stopped said.
        s.button->click();
        QVERIFY(st.blnSWRunning);
        QCOMPARE(s.button->text(), "Stop");
    }

    void returningToTheWindowKeepsTheResult() {
        Stopwatch s;
        s.validate->setFocus();
        QCOMPARE(QApplication::focusWidget(), s.validate);
        s.split->setText(QStringLiteral("3.50"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        s.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.w.get()));
        QCOMPARE(QApplication::focusWidget(), s.validate);
        QCOMPARE(s.split->text(), "3.50");

        QFocusEvent popupClosed(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(s.validate, &popupClosed);
        QCOMPARE(s.split->text(), "3.50");
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(s.validate, &tab);
        QCOMPARE(s.split->text(), "0.00");
    }

    // The real clock and the real 5 ms timer.
    void realTimeRun() {
        platform::SystemClock clock;
        TestServices t;
        const platform::Services services{clock, t.dialogs, t.clockSetter};
        frmStopwatch w(services);
        frmStopwatchProbe p(w);
        w.show();
        auto* button = p.control<QPushButton>("cmdSWButton");
        auto* main = p.control<QLineEdit>("txtSWTime");
        button->click();
        QTest::qWait(300);
        const double shown = main->text().toDouble();
        QVERIFY2(shown >= 0.2 && shown < 2.0, qPrintable(main->text()));
        button->click();
        const QString result = main->text();
        QVERIFY(result.toDouble() >= shown);
        QTest::qWait(100);
        QCOMPARE(main->text(), result);
    }
};

QTEST_MAIN(TestStopwatch)
#include "test_stopwatch.moc"
