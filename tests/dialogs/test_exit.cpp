// The question before a window that is timing closes.
#include "support/probe.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSessionManager>
#include <QTimer>

namespace {

using runtime::MsgBoxResult::No;
using runtime::MsgBoxResult::Yes;

// How the window stands when it is asked to close.
enum class Timing { Idle, Running, Stopped, Converted, CountingDown, CountdownDone };

void put(frmStopwatchProbe& p, Timing timing) {
    TimerWindowState& s = p.state();
    runtime::Timer* stopwatch = p.timer("tmrSWTimer");
    runtime::Timer* countdown = p.timer("tmrCountdown");
    countdown->setInterval(1000);
    switch (timing) {
    case Timing::Idle:
        break;
    case Timing::Running:
        s.blnSWReady = false;
        s.blnSWRunning = true;
        stopwatch->setEnabled(true);
        break;
    case Timing::Stopped:
        s.blnSWReady = false;
        s.blnSWStopped = true;
        break;
    case Timing::Converted:
        s.blnSWReady = false;
        s.blnSWResetDue = true;
        break;
    case Timing::CountingDown:
        s.blnCDReady = false;
        countdown->setEnabled(true);
        break;
    case Timing::CountdownDone:
        s.blnCDReady = true;
        p.control<QLineEdit>("txtCountdown")->setText(QStringLiteral("DONE"));
        break;
    }
}

void checkQuestion(const runtime::ScriptedDialogs& dialogs) {
    QCOMPARE(dialogs.boxes().size(), std::size_t{1});
    const runtime::ScriptedDialogs::Box& box = dialogs.boxes().front();
    QCOMPARE(box.prompt, "Do you wish to exit?");
    QCOMPARE(box.style, 292);
    QCOMPARE(box.title, "Timing in progress !!");
}

} // namespace

Q_DECLARE_METATYPE(Timing)

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void close_data() {
        QTest::addColumn<Timing>("timing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closes");
        QTest::newRow("idle") << Timing::Idle << No << false << true;
        QTest::newRow("stopwatch stopped") << Timing::Stopped << No << false << true;
        QTest::newRow("stopwatch converted") << Timing::Converted << No << false << true;
        QTest::newRow("countdown done") << Timing::CountdownDone << No << false << true;
        QTest::newRow("running, No") << Timing::Running << No << true << false;
        QTest::newRow("running, Yes") << Timing::Running << Yes << true << true;
        QTest::newRow("counting down, No") << Timing::CountingDown << No << true << false;
        QTest::newRow("counting down, Yes") << Timing::CountingDown << Yes << true << true;
    }
    void close() {
        QFETCH(Timing, timing);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closes);
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        put(p, timing);
        const bool stopwatchRan = p.timer("tmrSWTimer")->isRunning();
        const bool countdownRan = p.timer("tmrCountdown")->isRunning();
        t.dialogs.answer(answer);

        QCOMPARE(w->close(), closes);
        if (asked) {
            checkQuestion(t.dialogs);
        } else {
            QVERIFY(t.dialogs.boxes().empty());
        }
        if (!closes) {
            // Kept open, the timers running on untouched.
            QVERIFY(w->isVisible());
            QCOMPARE(p.timer("tmrSWTimer")->isRunning(), stopwatchRan);
            QCOMPARE(p.timer("tmrCountdown")->isRunning(), countdownRan);
            QVERIFY(p.tick("tmrSWTimer") == stopwatchRan);
            return;
        }
        // Closed: the timers stop at once, and the window goes.
        QVERIFY(!w->isVisible());
        QVERIFY(!p.timer("tmrSWTimer")->isRunning());
        QVERIFY(!p.timer("tmrCountdown")->isRunning());
        QPointer<frmStopwatch> alive(w.get());
        (void)w.release(); // a closed window is deleted by Qt
        QTRY_VERIFY(alive.isNull());
    }

    // The real box: question icon, Yes and No, and Enter answers No.
    void enterAnswersNo() {
        runtime::FakeClock clock;
        runtime::QtDialogs dialogs;
        RecordingClockSetter setter;
        frmStopwatch w(runtime::Services{clock, dialogs, setter});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        frmStopwatchProbe p(w);
        put(p, Timing::Running);

        bool seen = false;
        auto* poll = new QTimer(&w);
        connect(poll, &QTimer::timeout, poll, [&seen, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) {
                return;
            }
            poll->stop();
            seen = true;
            QCOMPARE(box->windowTitle(), "Timing in progress !!");
            QCOMPARE(box->text(), "Do you wish to exit?");
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->buttons().size(), 2);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll->start(10);
        QVERIFY(!w.close());
        QVERIFY(seen);
        QVERIFY(w.isVisible());
        QVERIFY(p.timer("tmrSWTimer")->isRunning());
        w.hide();
    }

    // Logging out: asked where the desktop lets the window ask; No keeps
    // the window and objects, Yes closes it without a second question.
    void sessionEnd_data() {
        QTest::addColumn<Timing>("timing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("letsItEnd");
        QTest::newRow("running, No") << Timing::Running << No << false;
        QTest::newRow("running, Yes") << Timing::Running << Yes << true;
        QTest::newRow("counting down, No") << Timing::CountingDown << No << false;
        QTest::newRow("counting down, Yes") << Timing::CountingDown << Yes << true;
    }
    void sessionEnd() {
        QFETCH(Timing, timing);
        QFETCH(int, answer);
        QFETCH(bool, letsItEnd);
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        put(p, timing);
        t.dialogs.answer(answer);
        QCOMPARE(p.closeForSessionEnd(), letsItEnd);
        checkQuestion(t.dialogs);
        QCOMPARE(w->isVisible(), !letsItEnd);
        QCOMPARE(p.timer("tmrSWTimer")->isRunning() || p.timer("tmrCountdown")->isRunning(),
                 !letsItEnd);
        if (letsItEnd) {
            QPointer<frmStopwatch> alive(w.get());
            (void)w.release();
            QTRY_VERIFY(alive.isNull());
        }
    }

    // Where the desktop allows no question (as here), the session ends
    // without one; every window hears the request.
    void sessionEndWithoutInteraction() {
        auto* manager = qApp->findChild<QSessionManager*>();
        if (manager == nullptr) {
            QSKIP("this platform has no session manager");
        }
        QVERIFY(!manager->allowsInteraction());
        TestServices t;
        auto running = t.window();
        auto idle = t.window();
        frmStopwatchProbe p(*running);
        put(p, Timing::Running);
        emit qApp->commitDataRequest(*manager);
        QVERIFY(t.dialogs.boxes().empty());
        QVERIFY(p.timer("tmrSWTimer")->isRunning());
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
