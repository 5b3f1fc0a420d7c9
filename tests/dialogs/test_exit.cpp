// The question before a window that is timing closes, at its close and at the
// end of the desktop session.
#include "support/probe.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSessionManager>

#include <optional>

namespace {

using core::MsgBoxResult::No;
using core::MsgBoxResult::Yes;

// Puts the window in a situation; returns whether it counts as timing.
bool put(frmStopwatchProbe& p, const QString& situation) {
    TimerWindowState& s = p.state();
    p.timer("tmrCountdown")->setInterval(1000);
    if (situation == "running") {
        s.blnSWReady = false;
        s.blnSWRunning = true;
        p.timer("tmrSWTimer")->setEnabled(true);
        return true;
    }
    if (situation == "counting down") {
        s.blnCDReady = false;
        p.timer("tmrCountdown")->setEnabled(true);
        return true;
    }
    if (situation == "stopped") {
        s.blnSWStopped = true;
    } else if (situation == "converted") {
        s.blnSWResetDue = true;
    } else if (situation == "countdown done") {
        p.control<QLineEdit>("txtCountdown")->setText(QStringLiteral("DONE"));
    }
    return false;
}

bool ticking(frmStopwatchProbe& p) {
    return p.timer("tmrSWTimer")->isRunning() || p.timer("tmrCountdown")->isRunning();
}

void checkAskedOnce(const core::ScriptedDialogs& dialogs) {
    QCOMPARE(dialogs.boxes().size(), std::size_t{1});
    QCOMPARE(dialogs.boxes().front().prompt, "Do you wish to exit?");
    QCOMPARE(dialogs.boxes().front().style, 292);
    QCOMPARE(dialogs.boxes().front().title, "Timing in progress !!");
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    // A close, and the session ending where the desktop lets the window ask:
    // asked only while timing; No keeps the window and its timers running,
    // Yes closes it, its timers stopped at once, asking only once.
    void close_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("sessionEnd");
        for (bool sessionEnd : {false, true}) {
            const char* how = sessionEnd ? "session end" : "close";
            for (const char* situation : {"running", "counting down"}) {
                QTest::addRow("%s, %s, No", how, situation) << situation << No << sessionEnd;
                QTest::addRow("%s, %s, Yes", how, situation) << situation << Yes << sessionEnd;
            }
        }
        for (const char* situation : {"idle", "stopped", "converted", "countdown done"}) {
            QTest::addRow("close, %s", situation) << situation << No << false;
        }
    }
    void close() {
        QFETCH(QString, situation);
        QFETCH(int, answer);
        QFETCH(bool, sessionEnd);
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        const bool timing = put(p, situation);
        t.dialogs.answer(answer);

        const bool closed = sessionEnd ? p.closeForSessionEnd() : w->close();
        if (timing) {
            checkAskedOnce(t.dialogs);
        } else {
            QVERIFY(t.dialogs.boxes().empty());
        }
        QCOMPARE(closed, !timing || answer == Yes);
        QCOMPARE(w->isVisible(), !closed);
        QCOMPARE(ticking(p), timing && !closed);
        if (closed) {
            QPointer<frmStopwatch> alive(w.get());
            (void)w.release(); // a closed window is deleted by Qt
            QTRY_VERIFY(alive.isNull());
        }
    }

    // The session may end while a handler of the window is under way (here
    // the clock setter waits): Yes stops the timers at once, and the window
    // closes only once the handler is done.
    void sessionEndUnderAHandler() {
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        t.dialogs.answer(Yes);
        std::optional<bool> letItEnd;
        bool stayedMeanwhile = false;
        t.clockSetter.whileSetting = [&] {
            put(p, "counting down");
            letItEnd = p.closeForSessionEnd();
            QVERIFY(!ticking(p));
            QTest::qWait(250);
            stayedMeanwhile = w->isVisible();
        };
        p.control<QLineEdit>("txtTime")->setText(QStringLiteral("13:09"));
        p.control<QPushButton>("cmdSetYourClock")->click();
        QCOMPARE(letItEnd, std::optional<bool>(true));
        QVERIFY(stayedMeanwhile);
        checkAskedOnce(t.dialogs);
        QPointer<frmStopwatch> alive(w.get());
        (void)w.release();
        QTRY_VERIFY(alive.isNull());
    }

    // Every window hears the session's request; where the desktop allows no
    // question (as here), the session ends without one.
    void sessionEndWithoutInteraction() {
        auto* manager = qApp->findChild<QSessionManager*>();
        if (manager == nullptr) {
            QSKIP("this platform has no session manager");
        }
        QVERIFY(!manager->allowsInteraction());
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        put(p, "running");
        emit qApp->commitDataRequest(*manager);
        QVERIFY(t.dialogs.boxes().empty());
        QVERIFY(ticking(p));
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
