// The countdown driven through its real window: the length and its limits,
// the one-second tick, "Stop", the finish, and "Validate Countdown" starting
// and stopping the stopwatch.
#include "support/probe.h"

#include "core/dates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <functional>

namespace {

QColor base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}
QColor text(QWidget* w) {
    return w->palette().color(QPalette::Text);
}

// What a started countdown shows until its first tick.
enum class Outcome { Started, TooLong, Negative };

const QString kTooLong = QStringLiteral("24 hours is the maximum (1440 minutes).");
const QString kNegative = QStringLiteral("A negative number?!");

// A shown, active window whose clocks move only when told, with the
// countdown's controls at hand.
struct Countdown : ActiveWindow {
    QComboBox* minutes = p.control<QComboBox>("cmbMinutes");
    QPushButton* start = p.control<QPushButton>("cmdCountdown");
    QPushButton* stop = p.control<QPushButton>("cmdReset");
    QLineEdit* display = p.control<QLineEdit>("txtCountdown");
    QLabel* unit = p.control<QLabel>("Label2");
    QCheckBox* validate = p.control<QCheckBox>("chkCDCheck");
    QPushButton* swButton = p.control<QPushButton>("cmdSWButton");
    QLineEdit* swDisplay = p.control<QLineEdit>("txtSWTime");
    const core::Date t0 = t.clock.now();
    double elapsed = 0;   // seconds since the fixture was made
    double wallShift = 0; // seconds the computer's clock was set by

    Countdown() {
        t.clock.advanceSteady(1000); // a stopwatch reading with room below it
    }

    TimerWindowState& st() { return p.state(); }
    bool running() const { return p.timer("tmrCountdown")->isRunning(); }

    // `seconds` after the fixture was made: both clocks move, and "now" lands
    // exactly on that instant, as the countdown computes its end.
    void at(double seconds) {
        t.clock.advance(seconds - elapsed);
        elapsed = seconds;
        t.clock.setWall(core::addSeconds(t0, seconds + wallShift));
    }
    // The computer's clock is set: only "now" moves.
    void setClockBy(double seconds) {
        wallShift += seconds;
        t.clock.setWall(core::addSeconds(t0, elapsed + wallShift));
    }
    void startWith(const QString& length) {
        minutes->setEditText(length);
        start->click();
    }
    bool tick() { return p.tick("tmrCountdown"); }
    bool tickAt(double seconds) {
        at(seconds);
        return tick();
    }
    // Seconds from now to the end instant.
    double secondsLeft() { return (st().datCDEnd - t.clock.now()) * core::kSecondsPerDay; }

    bool showsFinish() {
        return display->text() == "DONE" && text(display) == QColor(Qt::green) &&
               base(display) == QColor(Qt::black) && unit->isHidden() && !running() &&
               st().blnCDReady && w->windowTitle() == kIdleCaption;
    }
};

// Dialogs that let a test look at the window while a box is up.
class WatchingDialogs final : public platform::Dialogs {
public:
    std::function<void(const QString&)> onBox;
    int messageBox(QWidget* /*owner*/, const QString& prompt, int /*style*/,
                   const QString& /*title*/) override {
        onBox(prompt);
        return core::MsgBoxResult::Ok;
    }
    void beep() override {}
};

} // namespace

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

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
        Countdown c;
        c.at(5);
        c.startWith(length);
        const auto& boxes = c.t.dialogs.boxes();
        QVERIFY(!c.validate->isEnabled());
        QVERIFY(!c.st().blnSWRunning);
        QCOMPARE(text(c.display), QColor(Qt::black));
        QCOMPARE(c.t.dialogs.beeps(), 0);
        QCOMPARE(c.w->windowTitle(), kIdleCaption);
        switch (outcome) {
        case Outcome::Started:
            QVERIFY(boxes.empty());
            QCOMPARE(c.display->text(), "START");
            QCOMPARE(base(c.display), QColor(Qt::yellow));
            QVERIFY(c.unit->isVisible());
            QVERIFY(c.running());
            QCOMPARE(c.p.timer("tmrCountdown")->interval(), 1000);
            QVERIFY(!c.st().blnCDReady);
            QCOMPARE(static_cast<double>(c.st().sngCDSeconds), seconds);
            QVERIFY2(std::abs(c.secondsLeft() - seconds) < 1e-4,
                     qPrintable(QString::number(c.secondsLeft())));
            QCOMPARE(c.minutes->currentText(), length);
            break;
        case Outcome::TooLong:
        case Outcome::Negative: {
            const bool negative = outcome == Outcome::Negative;
            QCOMPARE(boxes.size(), std::size_t{1});
            QCOMPARE(boxes[0].prompt, negative ? kNegative : kTooLong);
            QCOMPARE(boxes[0].style, 0);
            QCOMPARE(boxes[0].title, negative ? "Come On!!" : "Horolux");
            QCOMPARE(c.display->text(), "0:00:00");
            QCOMPARE(base(c.display), QColor(Qt::white));
            QVERIFY(!c.running());
            QVERIFY(c.st().blnCDReady);
            QCOMPARE(c.minutes->currentText(), negative ? QString() : length);
            // Refused, the window can still count down.
            c.startWith(QStringLiteral("1"));
            QCOMPARE(c.display->text(), "START");
            QVERIFY(c.running());
            break;
        }
        }
    }

    // The length may be typed or picked from the list.
    void typedOrPicked() {
        Countdown c;
        c.minutes->setFocus();
        QTest::keyClicks(c.minutes, QStringLiteral("2.5"));
        c.start->click();
        QCOMPARE(c.st().sngCDSeconds, 150.0F);

        Countdown d;
        d.minutes->setCurrentIndex(d.minutes->findText(QStringLiteral("1.75")));
        d.start->click();
        QCOMPARE(d.st().sngCDSeconds, 105.0F);
    }

    // While a refusal is on the screen the display still reads "START" in
    // black on yellow; closed, it reads "0:00:00" on white.
    void refusalBoxStandsOverStart_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("too long") << "1500" << kTooLong;
        QTest::newRow("too long for a Single") << "1e37" << kTooLong;
        QTest::newRow("negative") << "-1" << kNegative;
    }
    void refusalBoxStandsOverStart() {
        QFETCH(QString, length);
        QFETCH(QString, prompt);
        TestServices t;
        WatchingDialogs dialogs;
        const platform::Services services{t.clock, dialogs, t.clockSetter};
        frmStopwatch w(services);
        frmStopwatchProbe p(w);
        auto* display = p.control<QLineEdit>("txtCountdown");
        auto* minutes = p.control<QComboBox>("cmbMinutes");
        QStringList seen;
        dialogs.onBox = [&](const QString& shown) {
            seen << shown << display->text() << base(display).name() << text(display).name()
                 << minutes->currentText();
        };
        minutes->setEditText(length);
        p.control<QPushButton>("cmdCountdown")->click();
        QCOMPARE(seen, QStringList({prompt, "START", "#ffff00", "#000000", length}));
        QCOMPARE(display->text(), "0:00:00");
        QCOMPARE(base(display), QColor(Qt::white));
    }

    // The text the first tick, a second after the click, shows.
    void firstTick_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("shown");
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
        QFETCH(QString, shown);
        Countdown c;
        c.startWith(length);
        QCOMPARE(c.display->text(), "START");
        QVERIFY(c.tickAt(1));
        QCOMPARE(c.display->text(), shown);
        if (shown == "DONE") {
            QVERIFY(c.showsFinish());
            QCOMPARE(c.t.dialogs.beeps(), 1);
        } else {
            QCOMPARE(c.w->windowTitle(), shown);
            QVERIFY(c.running());
        }
    }

    // A whole minute, tick by tick, as a user sees it.
    void oneMinute() {
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        for (int k = 1; k < 60; ++k) {
            QVERIFY(c.tickAt(k));
            const QString left = QStringLiteral("0:00:%1").arg(60 - k, 2, 10, QLatin1Char('0'));
            QCOMPARE(c.display->text(), left);
            QCOMPARE(c.w->windowTitle(), left);
            QCOMPARE(base(c.display), QColor(Qt::yellow));
            QCOMPARE(text(c.display), QColor(Qt::black));
            QVERIFY(c.unit->isVisible());
            QVERIFY(!c.st().blnCDReady);
        }
        QCOMPARE(c.t.dialogs.beeps(), 0);
        QVERIFY(c.tickAt(60)); // exactly none left
        QCOMPARE(c.st().sngCDLeft, 0.0F);
        QVERIFY(c.showsFinish());
        QCOMPARE(c.t.dialogs.beeps(), 1);
        QVERIFY(c.validate->isEnabled());
        QVERIFY(c.t.dialogs.boxes().empty());
        c.at(61);
        QVERIFY(!c.tick()); // no more ticks, no second beep
        QCOMPARE(c.t.dialogs.beeps(), 1);

        // The next countdown starts from "DONE".
        c.start->click();
        QCOMPARE(c.display->text(), "START");
        QCOMPARE(base(c.display), QColor(Qt::yellow));
        QCOMPARE(text(c.display), QColor(Qt::black));
        QVERIFY(c.unit->isVisible());
        QVERIFY(c.running());
    }

    // The time left is measured afresh at every tick: a late tick shows the
    // true time left, rounded to the second, and nothing drifts.
    void lateTicksShowTheTrueTimeLeft() {
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        const std::vector<std::pair<double, QString>> ticks = {
            {1.0, "0:00:59"},   {7.3, "0:00:53"},  {7.6, "0:00:52"},  {30.49, "0:00:30"},
            {30.51, "0:00:29"}, {58.9, "0:00:01"}, {59.6, "0:00:00"}, {62.5, "DONE"},
        };
        for (const auto& [when, shown] : ticks) {
            QVERIFY(c.tickAt(when));
            QCOMPARE(c.display->text(), shown);
        }
        QCOMPARE(c.t.dialogs.beeps(), 1);
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
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        if (stopAt > 10) {
            QVERIFY(c.tickAt(10));
        }
        c.at(stopAt);
        c.stop->click();
        QCOMPARE(c.display->text(), shownBefore);
        QVERIFY(c.running());
        QCOMPARE(c.secondsLeft(), 0.0);
        QVERIFY(c.tickAt(std::floor(stopAt) + 1));
        QVERIFY(c.showsFinish());
        QCOMPARE(c.t.dialogs.beeps(), 1);
    }

    void stopWithNothingRunning() {
        Countdown c;
        c.at(3);
        c.stop->click();
        QCOMPARE(c.display->text(), "0:00:00");
        QCOMPARE(c.w->windowTitle(), kIdleCaption);
        QVERIFY(!c.running());
        QVERIFY(c.st().blnCDReady);
        QVERIFY(c.validate->isEnabled());
        QCOMPARE(c.t.dialogs.beeps(), 0);
        QCOMPARE(c.secondsLeft(), 0.0);
        // The next start sets its own end.
        c.at(20);
        c.startWith(QStringLiteral(".50"));
        QVERIFY(std::abs(c.secondsLeft() - 30) < 1e-4);
        QVERIFY(c.tickAt(21));
        QCOMPARE(c.display->text(), "0:00:29");
    }

    // A second click while a countdown runs changes nothing at all.
    void clickWhileRunningChangesNothing() {
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(5));
        const TimerWindowState before = c.st();
        c.minutes->setEditText(QStringLiteral("-5"));
        c.at(5.5);
        c.start->click();
        QCOMPARE(c.display->text(), "0:00:55");
        QCOMPARE(base(c.display), QColor(Qt::yellow));
        QCOMPARE(c.minutes->currentText(), "-5");
        QCOMPARE(c.st().datCDEnd, before.datCDEnd);
        QCOMPARE(c.st().sngCDSeconds, before.sngCDSeconds);
        QVERIFY(c.t.dialogs.boxes().empty());
        QVERIFY(c.tickAt(6));
        QCOMPARE(c.display->text(), "0:00:54");
    }

    // The computer's clock set while a countdown runs moves its end with it.
    void clockSetDuringACountdown_data() {
        QTest::addColumn<double>("setBy");  // seconds, at 10 s into a 1-minute countdown
        QTest::addColumn<QString>("shown"); // at the tick a second later
        QTest::newRow("forward past the end") << 3600.0 << "DONE";
        QTest::newRow("forward, not past the end") << 30.0 << "0:00:19";
        QTest::newRow("back an hour") << -3600.0 << "1:00:49";
        QTest::newRow("back more than a day") << -(86400.0 + 2 * 3600 + 5) << "2:00:54";
        QTest::newRow("back more than two days") << -(2 * 86400.0 + 60) << "0:01:49";
    }
    void clockSetDuringACountdown() {
        QFETCH(double, setBy);
        QFETCH(QString, shown);
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(10));
        QCOMPARE(c.display->text(), "0:00:50");
        c.setClockBy(setBy);
        QVERIFY(c.tickAt(11));
        QCOMPARE(c.display->text(), shown);
        if (shown == "DONE") {
            QVERIFY(c.showsFinish());
        } else {
            QCOMPARE(c.w->windowTitle(), shown);
        }
    }

    // The stopwatch's conversion and Reset write the idle caption during a
    // countdown; the next tick writes the time left again.
    void otherCaptionWriters() {
        Countdown c;
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.tickAt(1));
        QCOMPARE(c.w->windowTitle(), "0:00:59");
        c.w->Reset();
        QCOMPARE(c.w->windowTitle(), kIdleCaption);
        QVERIFY(!c.validate->isEnabled()); // a countdown runs
        QVERIFY(c.tickAt(2));
        QCOMPARE(c.w->windowTitle(), "0:00:58");
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
        Countdown c;
        c.validate->setChecked(true);
        c.startWith(QStringLiteral("1.00"));
        QVERIFY(c.st().blnSWRunning);
        QCOMPARE(c.swButton->text(), "Stop");
        QCOMPARE(c.swDisplay->text(), "0.00");
        QVERIFY(c.validate->isChecked());
        QVERIFY(!c.validate->isEnabled());
        QCOMPARE(c.display->text(), "START");
        for (int k = 1; k < 60; ++k) {
            if (stopAt >= 0 && k == static_cast<int>(std::ceil(stopAt))) {
                c.at(stopAt);
                c.stop->click();
            }
            QVERIFY(c.tickAt(k));
            if (c.display->text() == "DONE") {
                break;
            }
            QVERIFY(c.st().blnSWRunning);
        }
        if (stopAt < 0) {
            QVERIFY(c.tickAt(60));
        }
        QVERIFY(c.showsFinish());
        QVERIFY(!c.st().blnSWRunning && c.st().blnSWStopped);
        QCOMPARE(c.swDisplay->text(), measured);
        QCOMPARE(c.swButton->text(), "H:MM:SS");
        QVERIFY(!c.p.timer("tmrSWTimer")->isRunning());
        QVERIFY(c.validate->isEnabled());
        QVERIFY(!c.validate->isChecked());
        QCOMPARE(c.t.dialogs.beeps(), 1);
        // Two more presses convert and reset it.
        c.swButton->click();
        QCOMPARE(c.swDisplay->text(), measured == "60.00" ? "00:01:00" : "00:00:21");
        c.swButton->click();
        QCOMPARE(c.swDisplay->text(), "0.00");
    }

    // The stopwatch stopped by hand unticks the box: the finish leaves it be.
    void stopwatchStoppedByHandIsLeftAlone() {
        Countdown c;
        c.validate->setChecked(true);
        c.startWith(QStringLiteral(".50"));
        QVERIFY(c.st().blnSWRunning);
        c.at(12.25);
        c.swButton->click();
        QVERIFY(!c.validate->isChecked());
        QCOMPARE(c.swDisplay->text(), "12.25");
        for (int k = 13; k <= 30; ++k) {
            QVERIFY(c.tickAt(k));
        }
        QVERIFY(c.showsFinish());
        QCOMPARE(c.swDisplay->text(), "12.25"); // not converted by a second press
        QCOMPARE(c.swButton->text(), "H:MM:SS");
        QVERIFY(c.st().blnSWStopped);
        QVERIFY(c.validate->isEnabled());
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
        Countdown c;
        c.validate->setChecked(true);
        c.startWith(length);
        QCOMPARE(c.t.dialogs.boxes().size(), std::size_t{1});
        QCOMPARE(c.display->text(), "0:00:00");
        QVERIFY(c.st().blnCDReady);
        QVERIFY(c.st().blnSWRunning);
        QVERIFY(c.validate->isChecked());
        QVERIFY(!c.validate->isEnabled());
        c.at(4);
        QVERIFY(c.p.tick("tmrSWTimer"));
        QCOMPARE(c.swDisplay->text(), "4.00");

        // A further countdown now finds the stopwatch busy: it unticks the
        // box and runs without it.
        c.startWith(QStringLiteral(".25"));
        QVERIFY(!c.validate->isChecked());
        for (int k = 5; k <= 19; ++k) {
            QVERIFY(c.tickAt(k));
        }
        QVERIFY(c.showsFinish());
        QVERIFY(c.st().blnSWRunning);      // still the user's to stop
        QVERIFY(!c.validate->isEnabled()); // while the stopwatch runs
        c.swButton->click();
        c.swButton->click();
        c.swButton->click(); // stopped, converted, reset
        QVERIFY(c.validate->isEnabled());
    }

    // The real clock and the real one-second timer: a 3-second countdown
    // ends on time, and never shows "0:00:00".
    void realTimeCountdown() {
        platform::SystemClock clock;
        TestServices t;
        const platform::Services services{clock, t.dialogs, t.clockSetter};
        frmStopwatch w(services);
        frmStopwatchProbe p(w);
        w.show();
        auto* display = p.control<QLineEdit>("txtCountdown");
        QStringList shown;
        QElapsedTimer elapsed;
        qint64 doneAfter = -1;
        connect(display, &QLineEdit::textChanged, display, [&](const QString& now) {
            shown << now;
            if (now == "DONE") {
                doneAfter = elapsed.elapsed();
            }
        });
        p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("0.05"));
        elapsed.start();
        p.control<QPushButton>("cmdCountdown")->click();
        QTRY_VERIFY_WITH_TIMEOUT(doneAfter >= 0, 5000);
        QVERIFY2(doneAfter >= 2990 && doneAfter <= 4250, qPrintable(QString::number(doneAfter)));
        QCOMPARE(shown.first(), "START");
        QCOMPARE(shown.last(), "DONE");
        QVERIFY2(!shown.contains("0:00:00"), qPrintable(shown.join(' ')));
        QCOMPARE(t.dialogs.beeps(), 1);
        QCOMPARE(w.windowTitle(), kIdleCaption);
    }
};

QTEST_MAIN(TestCountdown)
#include "test_countdown.moc"
