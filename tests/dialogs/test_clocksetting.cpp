// "Set Your Clock" on the window: the timers it reads, in the states the
// user's clicks reach; the box it shows is the core's answer
// (tests/core/test_windowdialogs.cpp checks the answers themselves), over this
// window; the typed text stays; no close while the system works on it.
#include "core/windowdialogs.h"
#include "support/messageboxes.h"
#include "support/models.h"

#include <QDateTime>

#include <ctime>
#include <optional>

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList shown(const std::vector<core::Message>& boxes) {
    QStringList texts;
    for (const core::Message& box : boxes) {
        texts
            << QStringLiteral("%1 | %2 | %3").arg(qs(box.title)).arg(box.style).arg(qs(box.prompt));
    }
    return texts;
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
        // The test clock starts at 2026-03-02 00:00 UTC, the evening of
        // 1 March in this zone: the date kept must be the 1st.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    // Only this window's timers decide, whatever the text; the stopwatch
    // runs on through the warning.
    void guard_data() {
        QTest::addColumn<Situation>("situation");
        QTest::addColumn<bool>("inOther"); // reached in another window instead
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("idle") << Situation::Idle << false << "13:09" << false;
        QTest::newRow("stopwatch running") << Situation::Running << false << "13:09" << true;
        QTest::newRow("stopwatch running, no time") << Situation::Running << false << "abc" << true;
        QTest::newRow("countdown running") << Situation::CountingDown << false << "" << true;
        QTest::newRow("validated countdown running")
            << Situation::Validated << false << "1:09" << true;
        QTest::newRow("stopwatch stopped") << Situation::Stopped << false << "13:09" << false;
        QTest::newRow("stopwatch converted") << Situation::Converted << false << "13:09" << false;
        QTest::newRow("countdown done") << Situation::CountdownDone << false << "13:09" << false;
        QTest::newRow("another window running") << Situation::Running << true << "13:09" << false;
    }
    void guard() {
        QFETCH(Situation, situation);
        QFETCH(bool, inOther);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        TestServices t;
        auto w = t.window();
        auto other = t.window();
        frmStopwatchProbe p(*w);
        frmStopwatchProbe o(*other);
        reach(inOther ? o : p, t.clock, situation);
        const bool ticking = p.timer("tmrSWTimer")->isRunning();
        t.dialogs.clear();
        press(p, text);
        const core::Message warning{"Timing in progress!\r\n\r\nIf you change the clock "
                                    "now.....\r\nyour results will be incorrect!!",
                                    64, "Hey!!"};
        QCOMPARE(shown(t.dialogs.boxes()), refused ? shown({warning}) : QStringList());
        QCOMPARE(t.clockSetter.calls.size(), std::size_t{refused ? 0U : 1U});
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(p.timer("tmrSWTimer")->isRunning(), ticking);
    }

    // The window hands the typed text and the clock's "now" to the core and
    // shows its answer, if any; the typed text always stays for correcting.
    void showsTheAnswer_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // what the system answers; empty: it sets
        QTest::newRow("set") << "13:09"
                             << "";
        QTest::newRow("invalid entry") << "abc"
                                       << "";
        QTest::newRow("refused by the system") << "1:09 PM"
                                               << "Automatic time synchronization is on.";
    }
    void showsTheAnswer() {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        TestServices t;
        t.clockSetter.refusal = refusal.toStdString();
        auto w = t.window();
        frmStopwatchProbe p(*w);
        press(p, text);

        RecordingClockSetter expectedSetter;
        expectedSetter.refusal = refusal.toStdString();
        const std::optional<core::Message> expected =
            core::setYourClock(false, false, text, t.clock.now(), expectedSetter);
        QCOMPARE(shown(t.dialogs.boxes()), expected ? shown({*expected}) : QStringList());
        QCOMPARE(t.clockSetter.calls, expectedSetter.calls);
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        QCOMPARE(w->windowTitle(), idleCaption());
    }

    // The real boxes: over this window, modal, with the icon of their kind.
    void realBox_data() {
        QTest::addColumn<Situation>("situation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("icon");
        QTest::newRow("timing")
            << Situation::Running << "13:09"
            << "Hey!!"
            << "Timing in progress!\n\nIf you change the clock now.....\nyour results will be "
               "incorrect!!"
            << int(QMessageBox::Information);
        QTest::newRow("invalid entry") << Situation::Idle << "abc"
                                       << "Tick Tock!!"
                                       << "Invalid entry!!" << int(QMessageBox::Warning);
    }
    void realBox() {
        QFETCH(Situation, situation);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(int, icon);
        RealBoxWindow f;
        reach(f.p, f.t.clock, situation);
        SeenBox seen;
        f.script.pressEnter(&seen);
        press(f.p, text);
        QCOMPARE(f.script.opened(), 1);
        QCOMPARE(f.script.unexpected(), 0);
        QCOMPARE(seen.owner.data(), static_cast<QWidget*>(f.w));
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, prompt);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QCOMPARE(f.p.control<QLineEdit>("txtTime")->text(), text);
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
