// "Set Your Clock": refused while this window times, an invalid entry
// answered, a refusal by the system explained, today's local date kept.
#include "support/probe.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <ctime>
#include <optional>
#include <tuple>

using runtime::ScriptedDialogs;

namespace {

const QString kTimingWarning = QStringLiteral("Timing in progress!\r\n\r\nIf you change the clock "
                                              "now.....\r\nyour results will be incorrect!!");

QString utcText(std::int64_t microseconds) {
    return QDateTime::fromMSecsSinceEpoch(microseconds / 1000, Qt::UTC).toString(Qt::ISODate);
}

auto fields(const TimerWindowState& s) {
    return std::tuple(s.sngSWStart, s.sngSWNow, s.sngSWCapture, s.blnSWReady, s.blnSWRunning,
                      s.blnSWResetDue, s.blnSWStopped, s.intSWHours, s.intSWMinutes, s.intSWSeconds,
                      s.intCapHours, s.intCapMinutes, s.intCapSeconds, s.datCDEnd, s.blnCDReady,
                      s.sngCDLeft, s.sngCDSeconds);
}

void press(frmStopwatchProbe& p, const QString& text) {
    p.control<QLineEdit>("txtTime")->setText(text);
    p.control<QPushButton>("cmdSetYourClock")->click();
}

} // namespace

class TestClockSetting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        configureTestApplication();
        // The test clock starts at 2026-03-02 00:00 UTC, which is the evening
        // of 1 March in this zone: the date kept must be the 1st.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    // Only this window's two timers decide; the state flags do not.
    void guard_data() {
        QTest::addColumn<bool>("stopwatchTimer");
        QTest::addColumn<bool>("countdownTimer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("idle") << false << false << "13:09" << false;
        QTest::newRow("stopwatch running") << true << false << "13:09" << true;
        QTest::newRow("stopwatch running, no time typed") << true << false << "abc" << true;
        QTest::newRow("stopwatch running, empty box") << true << false << "" << true;
        QTest::newRow("countdown running") << false << true << "1:09 PM" << true;
        QTest::newRow("both running") << true << true << "1:09" << true;
    }
    void guard() {
        QFETCH(bool, stopwatchTimer);
        QFETCH(bool, countdownTimer);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        p.state().blnSWReady = !stopwatchTimer;
        p.state().blnSWRunning = stopwatchTimer;
        p.state().blnCDReady = !countdownTimer;
        p.timer("tmrSWTimer")->setEnabled(stopwatchTimer);
        p.timer("tmrCountdown")->setInterval(1000);
        p.timer("tmrCountdown")->setEnabled(countdownTimer);

        press(p, text);
        if (refused) {
            QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
            const ScriptedDialogs::Box& box = t.dialogs.boxes().front();
            QCOMPARE(box.prompt, kTimingWarning);
            QCOMPARE(box.style, 64);
            QCOMPARE(box.title, "Hey!!");
            QVERIFY(t.clockSetter.calls.empty());
        } else {
            QVERIFY(t.dialogs.boxes().empty());
            QCOMPARE(t.clockSetter.calls.size(), std::size_t{1});
        }
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        // The timers run on as they were.
        QCOMPARE(p.timer("tmrSWTimer")->isRunning(), stopwatchTimer);
        QCOMPARE(p.timer("tmrCountdown")->isRunning(), countdownTimer);
    }

    // A stopped or converted stopwatch has its timer off and does not block;
    // a countdown enabled but not yet given its interval does.
    void guardReadsTheTimersEnabled_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("refused");
        QTest::newRow("stopwatch stopped") << "stopped" << false;
        QTest::newRow("stopwatch converted") << "converted" << false;
        QTest::newRow("countdown enabled, interval 0") << "countdown interval 0" << true;
    }
    void guardReadsTheTimersEnabled() {
        QFETCH(QString, situation);
        QFETCH(bool, refused);
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        if (situation == "stopped") {
            p.state().blnSWReady = false;
            p.state().blnSWStopped = true;
        } else if (situation == "converted") {
            p.state().blnSWReady = false;
            p.state().blnSWResetDue = true;
        } else {
            p.timer("tmrCountdown")->setEnabled(true); // enabled, yet no tick comes
            QVERIFY(!p.timer("tmrCountdown")->isRunning());
        }
        press(p, "13:09");
        QCOMPARE(t.clockSetter.calls.empty(), refused);
        QCOMPARE(t.dialogs.boxes().size(), std::size_t{refused ? 1U : 0U});
    }

    void anotherWindowTimingDoesNotBlock() {
        TestServices t;
        auto timing = t.window();
        auto idle = t.window();
        frmStopwatchProbe busy(*timing);
        busy.state().blnSWRunning = true;
        busy.timer("tmrSWTimer")->setEnabled(true);
        busy.timer("tmrCountdown")->setInterval(1000);
        busy.timer("tmrCountdown")->setEnabled(true);
        frmStopwatchProbe p(*idle);
        press(p, "13:09");
        QVERIFY(t.dialogs.boxes().empty());
        QCOMPARE(t.clockSetter.calls.size(), std::size_t{1});
    }

    // What reaches the clock, or the box that answers instead.
    void entries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("setTo");  // UTC; empty: the clock is not set
        QTest::addColumn<QString>("prompt"); // empty: no box
        const QString invalid = QStringLiteral("Invalid entry!!");
        QTest::newRow("13:09") << "13:09"
                               << "2026-03-01T18:09:00Z"
                               << "";
        QTest::newRow("1:09 PM") << "1:09 PM"
                                 << "2026-03-01T18:09:00Z"
                                 << "";
        QTest::newRow("1:09") << "1:09"
                              << "2026-03-01T06:09:00Z"
                              << "";
        QTest::newRow("12:30 AM") << "12:30 am"
                                  << "2026-03-01T05:30:00Z"
                                  << "";
        QTest::newRow("seconds") << "23:59:59"
                                 << "2026-03-02T04:59:59Z"
                                 << "";
        QTest::newRow("empty") << ""
                               << "" << invalid;
        QTest::newRow("no digits") << "abc"
                                   << "" << invalid;
        QTest::newRow("25:00") << "25:00"
                               << "" << invalid;
        QTest::newRow("12:60") << "12:60"
                               << "" << invalid;
        QTest::newRow("13:09 PM") << "13:09 PM"
                                  << "" << invalid;
    }
    void entries() {
        QFETCH(QString, text);
        QFETCH(QString, setTo);
        QFETCH(QString, prompt);
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        const auto before = fields(p.state());
        press(p, text);
        if (setTo.isEmpty()) {
            QVERIFY(t.clockSetter.calls.empty());
        } else {
            QCOMPARE(t.clockSetter.calls.size(), std::size_t{1});
            QCOMPARE(utcText(t.clockSetter.calls.front()), setTo);
        }
        if (prompt.isEmpty()) {
            QVERIFY(t.dialogs.boxes().empty());
        } else {
            QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
            const ScriptedDialogs::Box& box = t.dialogs.boxes().front();
            QCOMPARE(box.prompt, prompt);
            QCOMPARE(box.style, 48);
            QCOMPARE(box.title, "Tick Tock!!");
        }
        // The text stays for correcting; nothing else in the window moves.
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(w->windowTitle(), kIdleCaption);
        QCOMPARE(p.control<QLineEdit>("txtSWTime")->text(), "0.00");
        QCOMPARE(p.control<QLineEdit>("txtCountdown")->text(), "0:00:00");
        QVERIFY(fields(p.state()) == before);
    }

    // A valid time the system will not set is no invalid entry.
    void refusalSaysWhy_data() {
        QTest::addColumn<QString>("wall"); // the computer's clock, UTC
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // what the system answers
        QTest::addColumn<QString>("prompt");
        const QString sync = QStringLiteral(
            "Automatic time synchronization is on; turn it off in the system settings first.");
        QTest::newRow("time synchronisation on")
            << "2026-03-02T00:00:00Z"
            << "13:09" << sync << QStringLiteral("The clock was not changed.\r\n") + sync;
        QTest::newRow("no permission")
            << "2026-03-02T00:00:00Z"
            << "1:09"
            << "You do not have the right to set the computer's clock."
            << "The clock was not changed.\r\nYou do not have the right to set the computer's "
               "clock.";
        QTest::newRow("time skipped today")
            << "2026-03-08T12:00:00Z"
            << "2:30"
            << ""
            << "The clock was not changed.\r\nThat time does not occur today: the clocks go "
               "forward past it.";
    }
    void refusalSaysWhy() {
        QFETCH(QString, wall);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QFETCH(QString, prompt);
        TestServices t;
        t.clock.setWall(runtime::dateFromUnixSeconds(
            static_cast<double>(QDateTime::fromString(wall, Qt::ISODate).toSecsSinceEpoch())));
        t.clockSetter.refusal = refusal.toStdString();
        auto w = t.window();
        frmStopwatchProbe p(*w);
        press(p, text);
        QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
        const ScriptedDialogs::Box& box = t.dialogs.boxes().front();
        QCOMPARE(box.prompt, prompt);
        QCOMPARE(box.style, 48);
        QCOMPARE(box.title, "Tick Tock!!");
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(t.clockSetter.calls.size(), std::size_t{refusal.isEmpty() ? 0U : 1U});
    }

    // While the system works on the request (perhaps asking for a password)
    // the window cannot be closed under the handler; afterwards it can.
    void noCloseWhileSetting() {
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        std::optional<bool> closedDuringSetting;
        t.clockSetter.whileSetting = [&] { closedDuringSetting = w->close(); };
        press(p, "13:09");
        QCOMPARE(closedDuringSetting, std::optional<bool>(false));
        QVERIFY(w->isVisible());
        QVERIFY(t.dialogs.boxes().empty());

        t.clockSetter.whileSetting = nullptr;
        QPointer<frmStopwatch> alive(w.get());
        QVERIFY(w->close());
        (void)w.release(); // closing hands the window to Qt, which deletes it
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(TestClockSetting)
#include "test_clocksetting.moc"
