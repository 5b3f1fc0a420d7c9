// A running stopwatch in a window that cannot be seen, minimized or hidden:
// its ticks are held while every handler still finds it running, and the
// display is current the moment the window shows again.
#include "support/probe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum class Unseen { Minimized, Hidden };

// A shown, active window whose stopwatch gets only the ticks the test gives:
// the real timer's interval is an hour, so the event loop adds none.
struct Window : ActiveWindow {
    platform::Timer* ticks = p.timer("tmrSWTimer");
    QPushButton* button = p.control<QPushButton>("cmdSWButton");
    QPushButton* capture = p.control<QPushButton>("cmdSWPause");
    QLineEdit* main = p.control<QLineEdit>("txtSWTime");
    QLineEdit* split = p.control<QLineEdit>("txtSWTime1");

    Window() { ticks->setInterval(3600 * 1000); }

    void leave(Unseen how) {
        if (how == Unseen::Minimized) {
            w->showMinimized();
        } else {
            w->hide();
        }
        QCoreApplication::processEvents(); // what the window system says comes after
    }
    void comeBack(Unseen how) {
        if (how == Unseen::Minimized) {
            w->showNormal();
        } else {
            w->show();
        }
        QTRY_VERIFY(!ticks->isHeld());
    }
};

void addWaysToBeUnseen() {
    QTest::addColumn<Unseen>("how");
    QTest::newRow("minimized") << Unseen::Minimized;
    QTest::newRow("hidden") << Unseen::Hidden;
}

} // namespace

class TestUnseen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void heldWhileUnseen_data() { addWaysToBeUnseen(); }
    void heldWhileUnseen() {
        QFETCH(Unseen, how);
        Window s;
        s.t.clock.advanceToReading(100);
        s.button->click();
        s.t.clock.advance(1.25);
        QVERIFY(s.p.tick("tmrSWTimer"));
        QCOMPARE(s.main->text(), "1.25");

        s.leave(how);
        QVERIFY(s.ticks->isHeld());
        QVERIFY(!s.ticks->isRunning());
        QVERIFY(!s.p.tick("tmrSWTimer"));
        // Everything the handlers read still says "running".
        QVERIFY(s.ticks->isEnabled());
        QVERIFY(s.p.state().blnSWRunning);
        s.p.control<QLineEdit>("txtTime")->setText(QStringLiteral("13:09"));
        s.p.call("cmdSetYourClock_Click");
        QCOMPARE(s.t.dialogs.boxes().size(), std::size_t{1});
        QVERIFY(s.t.dialogs.boxes().front().prompt.starts_with("Timing in progress!"));
        QVERIFY(s.t.clockSetter.calls.empty());
        s.t.clock.advance(2.5);
        s.capture->click();
        QCOMPARE(s.split->text(), "3.75");
        QCOMPARE(s.main->text(), "1.25"); // nobody sees it

        s.t.clock.advance(40.5);
        s.comeBack(how);
        QCOMPARE(s.main->text(), "44.25"); // before any tick
        QVERIFY(s.ticks->isRunning());
        s.t.clock.advance(0.5);
        QVERIFY(s.p.tick("tmrSWTimer"));
        QCOMPARE(s.main->text(), "44.75");
    }

    // Stopped while unseen, it stays stopped and shows its result.
    void stoppedWhileUnseen_data() { addWaysToBeUnseen(); }
    void stoppedWhileUnseen() {
        QFETCH(Unseen, how);
        Window s;
        s.t.clock.advanceToReading(100);
        s.button->click();
        s.leave(how);
        s.t.clock.advance(7.5);
        s.button->click();
        QCOMPARE(s.main->text(), "7.50");
        QVERIFY(!s.ticks->isEnabled());
        s.t.clock.advance(30);
        s.comeBack(how);
        QVERIFY(!s.ticks->isRunning());
        QCOMPARE(s.main->text(), "7.50");
        QVERIFY(s.p.state().blnSWStopped);
    }

    // A validated countdown started in a minimized window: the countdown
    // ticks on and finishes on time; the stopwatch it starts ticks only
    // while the window is seen, and its result is the countdown's length.
    void countdownTicksOnWhileMinimized() {
        Window s;
        auto* countdown = s.p.control<QLineEdit>("txtCountdown");
        s.t.clock.advanceToReading(100);
        s.leave(Unseen::Minimized);
        s.p.control<QCheckBox>("chkCDCheck")->setChecked(true);
        s.p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("0.05"));
        s.p.control<QPushButton>("cmdCountdown")->click();
        QVERIFY(s.p.state().blnSWRunning);
        QVERIFY(s.ticks->isEnabled());
        QVERIFY(!s.ticks->isRunning());

        s.t.clock.advance(1);
        QVERIFY(s.p.tick("tmrCountdown"));
        QCOMPARE(s.w->windowTitle(), "0:00:02");
        s.t.clock.advance(0.5);
        s.comeBack(Unseen::Minimized);
        QCOMPARE(s.main->text(), "1.50");
        s.leave(Unseen::Minimized);

        s.t.clock.advance(0.5);
        QVERIFY(s.p.tick("tmrCountdown"));
        QCOMPARE(s.w->windowTitle(), "0:00:01");
        s.t.clock.advance(1);
        QVERIFY(s.p.tick("tmrCountdown"));
        QCOMPARE(countdown->text(), "DONE");
        QVERIFY(s.p.state().blnSWStopped);
        QCOMPARE(s.main->text(), "3.00");
        QVERIFY(!s.ticks->isEnabled());

        s.t.clock.advance(5);
        s.comeBack(Unseen::Minimized);
        QVERIFY(!s.ticks->isRunning());
        QCOMPARE(s.main->text(), "3.00");
    }
};

QTEST_MAIN(TestUnseen)
#include "test_unseen.moc"
