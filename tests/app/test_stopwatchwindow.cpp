// The stopwatch in its window: what the model says, on the controls; the
// focus; the tick's writes; the box "Validate Countdown" taking the focus;
// the real clock and the real 5 ms timer. The behaviour itself is tested on
// the model (tests/core/test_stopwatch.cpp).
#include "support/models.h"
#include "support/probe.h"

#include "platform/systemclock.h"

#include <QCheckBox>
#include <QComboBox>
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
};

} // namespace

class TestStopwatchWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    // One run: every property the stopwatch writes reaches its control, the
    // displays are read back before a press, and the start hands the focus
    // to the capture button.
    void controlsShowTheModel() {
        Stopwatch s;
        const QColor defaultBase = base(s.main);
        QVERIFY(defaultBase == QColor(Qt::white));

        s.at(1000.25);
        s.button->click(); // start
        QCOMPARE(QApplication::focusWidget(), s.capture);
        QCOMPARE(s.button->text(), "Stop");
        QVERIFY(s.capture->isVisible());
        QCOMPARE(base(s.main), QColor(Qt::yellow));
        QCOMPARE(base(s.split), QColor(Qt::yellow));
        QVERIFY(!s.validate->isEnabled());
        QVERIFY(s.p.timer("tmrSWTimer")->isRunning());

        s.at(1003.75);
        s.capture->click();
        QCOMPARE(s.split->text(), "3.50");
        QCOMPARE(s.capture->text(), "Refresh");

        s.at(1012.50);
        s.button->click(); // stop
        QCOMPARE(s.main->text(), "12.25");
        QVERIFY(!s.capture->isVisible());
        QCOMPARE(s.capture->text(), "Capture");
        QVERIFY(!s.p.timer("tmrSWTimer")->isEnabled());

        s.split->setText(QStringLiteral("59.50")); // what the display shows is what converts
        s.w->setWindowTitle(QStringLiteral("0:00:42"));
        s.button->click(); // convert
        QCOMPARE(s.main->text(), "00:00:12");
        QCOMPARE(s.split->text(), "00:01:00");
        QCOMPARE(s.unit->text(), "Hr.....Min...Sec");
        QCOMPARE(s.button->text(), "Reset");
        QCOMPARE(s.w->windowTitle(), idleCaption());

        s.button->click(); // reset
        QCOMPARE(s.main->text(), "0.00");
        QCOMPARE(s.unit->text(), "Seconds");
        QCOMPARE(base(s.main), QColor(Qt::white));
        QCOMPARE(base(s.split), QColor(Qt::white));
        QVERIFY(s.validate->isEnabled());
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

    // A click on "Validate Countdown" from another control resets the
    // stopwatch and ticks the box; so does Tab into it. Here the box is
    // enabled with the stopwatch stopped, as a validated countdown's finish
    // leaves it.
    void resetThroughTheCheckBox() {
        Stopwatch s;
        s.validate->setChecked(true);
        s.p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("0"));
        s.p.control<QPushButton>("cmdCountdown")->click();
        s.t.clock.advance(7.5);
        QVERIFY(s.p.tick("tmrCountdown")); // none left: the finish stops the stopwatch
        QCOMPARE(s.main->text(), "7.50");
        QVERIFY(s.p.state().blnSWStopped);
        QVERIFY(s.validate->isEnabled());
        QVERIFY(!s.validate->isChecked());

        s.split->setText(QStringLiteral("9.99"));
        s.button->setFocus();
        QTest::mouseClick(s.validate, Qt::LeftButton);
        QVERIFY(s.validate->isChecked());
        QCOMPARE(s.main->text(), "0.00");
        QCOMPARE(s.split->text(), "0.00");
        QCOMPARE(s.button->text(), "Stopwatch");
        QVERIFY(s.p.state().blnSWReady);

        // Focus moving away and back by Tab resets again; the tick stays.
        s.split->setText(QStringLiteral("5.00"));
        s.p.control("Text1")->setFocus();
        QTest::keyClick(s.p.control("Text1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), s.validate);
        QCOMPARE(s.split->text(), "0.00");
        QVERIFY(s.validate->isChecked());

        s.button->click();
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

QTEST_MAIN(TestStopwatchWindow)
#include "test_stopwatchwindow.moc"
