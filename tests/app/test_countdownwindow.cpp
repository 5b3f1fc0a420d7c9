// The countdown in its window: the length read from the combo box, a refusal
// box over the display, a validated countdown through the real handlers from
// the click to "DONE", and the real clock and the real one-second timer. The
// behaviour itself is tested on the model (tests/core/test_countdown.cpp).
#include "support/models.h"
#include "support/probe.h"

#include "platform/systemclock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QColor base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}
QColor text(QWidget* w) {
    return w->palette().color(QPalette::Text);
}

// A shown, active window with the countdown's controls at hand.
struct Countdown : ActiveWindow {
    QComboBox* minutes = p.control<QComboBox>("cmbMinutes");
    QPushButton* start = p.control<QPushButton>("cmdCountdown");
    QLineEdit* display = p.control<QLineEdit>("txtCountdown");
    QLabel* unit = p.control<QLabel>("Label2");
    QCheckBox* validate = p.control<QCheckBox>("chkCDCheck");
    QPushButton* swButton = p.control<QPushButton>("cmdSWButton");
    QLineEdit* swDisplay = p.control<QLineEdit>("txtSWTime");

    Countdown() {
        t.clock.advanceSteady(1000); // a stopwatch reading with room below it
    }
    bool tickAfter(double seconds) {
        t.clock.advance(seconds);
        return p.tick("tmrCountdown");
    }
};

} // namespace

class TestCountdownWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    // The length may be typed or picked from the list.
    void typedOrPicked() {
        Countdown c;
        c.minutes->setFocus();
        QTest::keyClicks(c.minutes, QStringLiteral("2.5"));
        c.start->click();
        QCOMPARE(c.p.state().sngCDSeconds, 150.0F);

        Countdown d;
        d.minutes->setCurrentIndex(d.minutes->findText(QStringLiteral("1.75")));
        d.start->click();
        QCOMPARE(d.p.state().sngCDSeconds, 105.0F);
    }

    // While a refusal is on the screen the display still reads "START" in
    // black on yellow; closed, it reads "0:00:00" on white, and a negative
    // length is gone from the combo box.
    void refusalBoxStandsOverStart_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("left"); // in the combo box once the box is closed
        const QString tooLong = QStringLiteral("24 hours is the maximum (1440 minutes).");
        QTest::newRow("too long") << "1500" << tooLong << "1500";
        QTest::newRow("too long for a Single") << "1e37" << tooLong << "1e37";
        QTest::newRow("negative") << "-1"
                                  << "A negative number?!" << QString();
    }
    void refusalBoxStandsOverStart() {
        QFETCH(QString, length);
        QFETCH(QString, prompt);
        QFETCH(QString, left);
        TestServices t;
        const std::unique_ptr<frmStopwatch> w = t.window();
        frmStopwatchProbe p(*w);
        auto* display = p.control<QLineEdit>("txtCountdown");
        auto* minutes = p.control<QComboBox>("cmbMinutes");
        QStringList seen;
        t.dialogs.whileShown = [&] {
            seen << QString::fromStdString(t.dialogs.boxes().back().prompt) << display->text()
                 << base(display).name() << text(display).name() << minutes->currentText();
        };
        minutes->setEditText(length);
        p.control<QPushButton>("cmdCountdown")->click();
        QCOMPARE(seen, QStringList({prompt, "START", "#ffff00", "#000000", length}));
        QCOMPARE(display->text(), "0:00:00");
        QCOMPARE(base(display), QColor(Qt::white));
        QCOMPARE(minutes->currentText(), left);
    }

    // A validated countdown of a minute, from the click to "DONE": the
    // countdown's handlers press the stopwatch's button at both ends, and
    // every property they write reaches its control.
    void validatedCountdownEndToEnd() {
        Countdown c;
        c.validate->setChecked(true);
        c.minutes->setEditText(QStringLiteral("1.00"));
        c.start->click();
        QCOMPARE(c.swButton->text(), "Stop");
        QCOMPARE(c.swDisplay->text(), "0.00");
        QVERIFY(c.p.timer("tmrSWTimer")->isRunning());
        QVERIFY(c.validate->isChecked());
        QVERIFY(!c.validate->isEnabled());
        QCOMPARE(c.display->text(), "START");
        QCOMPARE(base(c.display), QColor(Qt::yellow));
        QCOMPARE(text(c.display), QColor(Qt::black));
        QVERIFY(c.unit->isVisible());
        QVERIFY(c.p.timer("tmrCountdown")->isRunning());
        QCOMPARE(c.p.timer("tmrCountdown")->interval(), 1000);
        QCOMPARE(c.w->windowTitle(), idleCaption());

        for (int k = 1; k < 60; ++k) {
            QVERIFY(c.tickAfter(1));
        }
        QCOMPARE(c.display->text(), "0:00:01");
        QCOMPARE(c.w->windowTitle(), "0:00:01");
        QCOMPARE(c.t.dialogs.beeps(), 0);

        QVERIFY(c.tickAfter(1));
        QCOMPARE(c.display->text(), "DONE");
        QCOMPARE(text(c.display), QColor(Qt::green));
        QCOMPARE(base(c.display), QColor(Qt::black));
        QVERIFY(c.unit->isHidden());
        QVERIFY(!c.p.timer("tmrCountdown")->isRunning());
        QCOMPARE(c.w->windowTitle(), idleCaption());
        QCOMPARE(c.t.dialogs.beeps(), 1);
        QCOMPARE(c.swDisplay->text(), "60.00");
        QCOMPARE(c.swButton->text(), "H:MM:SS");
        QVERIFY(!c.p.timer("tmrSWTimer")->isRunning());
        QVERIFY(c.validate->isEnabled());
        QVERIFY(!c.validate->isChecked());
        QVERIFY(c.t.dialogs.boxes().empty());
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
        QCOMPARE(w.windowTitle(), idleCaption());
    }
};

QTEST_MAIN(TestCountdownWindow)
#include "test_countdownwindow.moc"
