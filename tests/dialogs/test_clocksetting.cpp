// "Set Your Clock": refused while this window times, an invalid entry
// answered, a refusal by the system explained, today's local date kept.
#include "support/probe.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <ctime>
#include <optional>

namespace {

const QString kTimingWarning = QStringLiteral("Timing in progress!\r\n\r\nIf you change the clock "
                                              "now.....\r\nyour results will be incorrect!!");
const QString kNotChanged = QStringLiteral("The clock was not changed.\r\n");

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
        // The test clock starts at 2026-03-02 00:00 UTC, the evening of
        // 1 March in this zone: the date kept must be the 1st.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    // Only this window's two timers' Enabled decide, whatever the text.
    void guard_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("idle") << "idle"
                              << "13:09" << false;
        QTest::newRow("stopwatch running") << "running"
                                           << "13:09" << true;
        QTest::newRow("stopwatch running, no time") << "running"
                                                    << "abc" << true;
        QTest::newRow("countdown running") << "counting down"
                                           << "" << true;
        QTest::newRow("countdown enabled, no interval yet") << "countdown enabled"
                                                            << "1:09" << true;
        QTest::newRow("stopwatch stopped") << "stopped"
                                           << "13:09" << false;
        QTest::newRow("stopwatch converted") << "converted"
                                             << "13:09" << false;
        QTest::newRow("another window running") << "other window"
                                                << "13:09" << false;
    }
    void guard() {
        QFETCH(QString, situation);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        TestServices t;
        auto w = t.window();
        auto other = t.window();
        frmStopwatchProbe p(*w);
        frmStopwatchProbe o(*other);
        if (situation == "running") {
            p.state().blnSWRunning = true;
            p.timer("tmrSWTimer")->setEnabled(true);
        } else if (situation == "counting down") {
            p.state().blnCDReady = false;
            p.timer("tmrCountdown")->setInterval(1000);
            p.timer("tmrCountdown")->setEnabled(true);
        } else if (situation == "countdown enabled") {
            p.timer("tmrCountdown")->setEnabled(true); // no tick comes with interval 0
        } else if (situation == "stopped") {
            p.state().blnSWStopped = true;
        } else if (situation == "converted") {
            p.state().blnSWResetDue = true;
        } else if (situation == "other window") {
            o.state().blnSWRunning = true;
            o.timer("tmrSWTimer")->setEnabled(true);
        }
        const bool ticking = p.timer("tmrSWTimer")->isRunning();
        press(p, text);
        if (refused) {
            QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
            QCOMPARE(t.dialogs.boxes().front().prompt, kTimingWarning);
            QCOMPARE(t.dialogs.boxes().front().style, 64);
            QCOMPARE(t.dialogs.boxes().front().title, "Hey!!");
        } else {
            QVERIFY(t.dialogs.boxes().empty());
        }
        QCOMPARE(t.clockSetter.calls.size(), std::size_t{refused ? 0U : 1U});
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(p.timer("tmrSWTimer")->isRunning(), ticking);
    }

    // What reaches the clock, or the box that answers instead; the typed
    // text always stays.
    void entries_data() {
        QTest::addColumn<QString>("wall"); // the computer's clock, UTC
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // what the system answers; empty: it sets
        QTest::addColumn<QString>("setTo");   // UTC; empty: the clock is not asked
        QTest::addColumn<QString>("prompt");  // empty: no box
        const QString wall = QStringLiteral("2026-03-02T00:00:00Z");
        const QString sync = QStringLiteral(
            "Automatic time synchronization is on; turn it off in the system settings first.");
        QTest::newRow("13:09") << wall << "13:09"
                               << ""
                               << "2026-03-01T18:09:00Z"
                               << "";
        QTest::newRow("1:09 PM") << wall << "1:09 PM"
                                 << ""
                                 << "2026-03-01T18:09:00Z"
                                 << "";
        QTest::newRow("1:09") << wall << "1:09"
                              << ""
                              << "2026-03-01T06:09:00Z"
                              << "";
        for (const char* invalid : {"", "abc", "25:00", "12:60"}) {
            QTest::addRow("invalid \"%s\"", invalid) << wall << invalid << ""
                                                     << ""
                                                     << "Invalid entry!!";
        }
        QTest::newRow("time synchronisation on")
            << wall << "13:09" << sync << "2026-03-01T18:09:00Z" << kNotChanged + sync;
        QTest::newRow("time skipped today")
            << "2026-03-08T12:00:00Z"
            << "2:30"
            << ""
            << "" << kNotChanged + "That time does not occur today: the clocks go forward past it.";
    }
    void entries() {
        QFETCH(QString, wall);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QFETCH(QString, setTo);
        QFETCH(QString, prompt);
        TestServices t;
        t.clock.setWall(core::dateFromUnixSeconds(
            static_cast<double>(QDateTime::fromString(wall, Qt::ISODate).toSecsSinceEpoch())));
        t.clockSetter.refusal = refusal.toStdString();
        auto w = t.window();
        frmStopwatchProbe p(*w);
        press(p, text);
        QStringList asked;
        for (std::int64_t us : t.clockSetter.calls) {
            asked << QDateTime::fromMSecsSinceEpoch(us / 1000, Qt::UTC).toString(Qt::ISODate);
        }
        QCOMPARE(asked, setTo.isEmpty() ? QStringList() : QStringList{setTo});
        if (prompt.isEmpty()) {
            QVERIFY(t.dialogs.boxes().empty());
        } else {
            QCOMPARE(t.dialogs.boxes().size(), std::size_t{1});
            QCOMPARE(t.dialogs.boxes().front().prompt, prompt);
            QCOMPARE(t.dialogs.boxes().front().style, 48);
            QCOMPARE(t.dialogs.boxes().front().title, "Tick Tock!!");
        }
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(w->windowTitle(), kIdleCaption);
    }

    // While the system works on the request (perhaps asking for a password)
    // the window cannot be closed under the handler; afterwards it can.
    void noCloseWhileSetting() {
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        std::optional<bool> closedMeanwhile;
        t.clockSetter.whileSetting = [&] { closedMeanwhile = w->close(); };
        press(p, "13:09");
        QCOMPARE(closedMeanwhile, std::optional<bool>(false));
        QVERIFY(w->isVisible());

        t.clockSetter.whileSetting = nullptr;
        QPointer<frmStopwatch> alive(w.get());
        QVERIFY(w->close());
        (void)w.release(); // a closed window is deleted by Qt
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(TestClockSetting)
#include "test_clocksetting.moc"
