// The question before a window that is timing closes, at its close and at the
// end of the desktop session, in the states the user's clicks reach. The
// question itself and when it is asked: tests/core/test_windowdialogs.cpp.
#include "support/messageboxes.h"

#include <QSessionManager>

#include <optional>

namespace {

using core::MsgBoxResult::No;
using core::MsgBoxResult::Yes;

bool ticking(frmStopwatchProbe& p) {
    return p.timer("tmrSWTimer")->isRunning() || p.timer("tmrCountdown")->isRunning();
}

void checkAskedOnce(const ScriptedDialogs& dialogs) {
    QCOMPARE(dialogs.boxes().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(dialogs.boxes().front().prompt), "Do you wish to exit?");
    QCOMPARE(dialogs.boxes().front().style, 292);
    QCOMPARE(QString::fromStdString(dialogs.boxes().front().title), "Timing in progress !!");
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
        QTest::addColumn<Situation>("situation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("sessionEnd");
        const std::pair<const char*, Situation> timing[] = {
            {"running", Situation::Running}, {"counting down", Situation::CountingDown}};
        for (bool sessionEnd : {false, true}) {
            const char* how = sessionEnd ? "session end" : "close";
            for (const auto& [name, situation] : timing) {
                QTest::addRow("%s, %s, No", how, name) << situation << No << sessionEnd;
                QTest::addRow("%s, %s, Yes", how, name) << situation << Yes << sessionEnd;
            }
        }
        const std::pair<const char*, Situation> idle[] = {
            {"idle", Situation::Idle},
            {"stopped", Situation::Stopped},
            {"converted", Situation::Converted},
            {"countdown done", Situation::CountdownDone}};
        for (const auto& [name, situation] : idle) {
            QTest::addRow("close, %s", name) << situation << No << false;
        }
    }
    void close() {
        QFETCH(Situation, situation);
        QFETCH(int, answer);
        QFETCH(bool, sessionEnd);
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        reach(p, t.clock, situation);
        const bool timing = situation == Situation::Running || situation == Situation::CountingDown;
        QCOMPARE(ticking(p), timing);
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

    // The real question: over this window, modal, No the default and the
    // escape; Enter and Esc keep the window timing, Yes closes it.
    void realQuestion() {
        RealBoxWindow f;
        reach(f.p, f.t.clock, Situation::Running);
        SeenBox seen;
        f.script.pressEnter(&seen);
        QVERIFY(!f.w->close());
        QCOMPARE(seen.owner.data(), static_cast<QWidget*>(f.w));
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.title, "Timing in progress !!");
        QCOMPARE(seen.text, "Do you wish to exit?");
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, QStringList({"No", "Yes"}));
        QCOMPARE(seen.defaultButton, "No");
        QCOMPARE(seen.escapeButton, "No");

        f.script.then([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QVERIFY(!f.w->close());
        QVERIFY(ticking(f.p));

        f.script.click(QStringLiteral("Yes"));
        QVERIFY(f.w->close());
        QCOMPARE(f.script.opened(), 3);
        QCOMPARE(f.script.unexpected(), 0);
        QTRY_VERIFY(f.w.isNull());
    }

    // The session may end while a box of the window is open and the window
    // times (here the refusal of a length after a validated start, which
    // leaves the stopwatch running): Yes stops the timers at once, and the
    // window closes only once the box, and the handler that opened it, are
    // done.
    void sessionEndUnderItsOwnBox() {
        RealBoxWindow f;
        frmStopwatchProbe& p = f.p;
        p.control<QCheckBox>("chkCDCheck")->setChecked(true);
        p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("-5"));

        SeenBox refusal;
        SeenBox question;
        std::optional<bool> letItEnd;
        bool stoppedAtOnce = false;
        bool stayedMeanwhile = false;
        f.script.then([&](QMessageBox& box) {
            refusal = seeBox(box);
            QVERIFY(p.state().blnSWRunning);
            letItEnd = p.closeForSessionEnd();
            stoppedAtOnce = !ticking(p);
            QTest::qWait(250);
            stayedMeanwhile = !f.w.isNull() && f.w->isVisible();
            box.accept();
        });
        f.script.click(QStringLiteral("Yes"), &question);
        p.control<QPushButton>("cmdCountdown")->click();

        QCOMPARE(refusal.text, "A negative number?!");
        QCOMPARE(question.text, "Do you wish to exit?");
        QCOMPARE(letItEnd, std::optional<bool>(true));
        QVERIFY(stoppedAtOnce);
        QVERIFY(stayedMeanwhile);
        QCOMPARE(f.script.unexpected(), 0);
        QTRY_VERIFY(f.w.isNull());
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
        reach(p, t.clock, Situation::Running);
        emit qApp->commitDataRequest(*manager);
        QVERIFY(t.dialogs.boxes().empty());
        QVERIFY(ticking(p));
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
