// Further timer windows: where they open, that they share nothing, and that
// the program lives until the last one closes.
#include "support/models.h"
#include "support/probe.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// The timer windows on the screen other than `except`, oldest first.
QList<frmStopwatch*> otherWindows(const QWidget* except) {
    QList<frmStopwatch*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<frmStopwatch*>(w);
        if (window != nullptr && window != except && window->isVisible()) {
            found << window;
        }
    }
    return found;
}

// Closes every other window, answering Yes where one asks.
void closeAllBut(const QWidget* keep, ScriptedDialogs& dialogs) {
    for (frmStopwatch* w : otherWindows(keep)) {
        dialogs.answer(core::MsgBoxResult::Yes);
        QVERIFY(w->close());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestServices> t = std::make_unique<TestServices>();

private slots:
    void initTestCase() {
        configureTestApplication();
        QApplication::setQuitOnLastWindowClosed(false); // the test runner lives on
    }
    // Windows opened by a test outlive it until here; the services they use
    // must outlive them.
    void cleanup() {
        closeAllBut(nullptr, t->dialogs);
        t = std::make_unique<TestServices>();
    }

    void anotherWindowOpensIdleBelow() {
        TestServices& t = *this->t;
        auto* first = new frmStopwatch(t.services);
        first->show();
        frmStopwatchProbe p1(*first);
        auto* id = p1.control<QLineEdit>("Text1");
        id->setText(QStringLiteral("boiling eggs"));
        p1.control<QPushButton>("cmdSWButton")->click();
        t.clock.advance(5);
        QVERIFY(p1.tick("tmrSWTimer"));

        p1.control<QPushButton>("cmdAnotherTimer")->click();
        QList<frmStopwatch*> others = otherWindows(first);
        QCOMPARE(others.size(), 1);
        frmStopwatch* second = others.first();
        QVERIFY(second->parent() == nullptr);
        QVERIFY(second->testAttribute(Qt::WA_DeleteOnClose));
        frmStopwatchProbe p2(*second);
        QCOMPARE(p2.top(), 4380.0F);
        QCOMPARE(p2.left(), p1.left());
        QVERIFY(p2.state().blnSWReady && p2.state().blnCDReady);
        QCOMPARE(p2.control<QLineEdit>("txtSWTime")->text(), "0.00");
        QCOMPARE(p2.control<QLineEdit>("txtSWTime1")->text(), "0.00");
        QCOMPARE(p2.control<QLineEdit>("txtCountdown")->text(), "0:00:00");
        QCOMPARE(p2.control<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(second->windowTitle(), idleCaption());

        // The first window goes on running.
        QVERIFY(p1.state().blnSWRunning);
        t.clock.advance(1);
        QVERIFY(p1.tick("tmrSWTimer"));
        QCOMPARE(p1.control<QLineEdit>("txtSWTime")->text(), "6.00");
        QCOMPARE(id->text(), "boiling eggs");
        QCOMPARE(p1.top(), 0.0F);

        // From either window, the next one steps down and right off the
        // one already there, as far as needed.
        p2.control<QPushButton>("cmdAnotherTimer")->click();
        p1.control<QPushButton>("cmdAnotherTimer")->click();
        others = otherWindows(first);
        QCOMPARE(others.size(), 3);
        std::sort(others.begin(), others.end(),
                  [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        const QPoint step = others.at(1)->pos() - second->pos();
        QVERIFY(step.x() > 0 && step.x() == step.y());
        QCOMPARE(others.at(0), second);
        QCOMPARE(others.at(2)->pos(), second->pos() + 2 * step);
        first->close();
    }

    // Whatever happens in one window leaves every other one as it was.
    void windowsShareNothing() {
        TestServices& t = *this->t;
        auto* a = new frmStopwatch(t.services);
        a->show();
        frmStopwatchProbe pa(*a);
        pa.control<QPushButton>("cmdAnotherTimer")->click();
        frmStopwatch* b = otherWindows(a).first();
        const QStringList before = snapshot(*b);
        const TimerWindowState stateBefore = frmStopwatchProbe(*b).state();

        auto* button = pa.control<QPushButton>("cmdSWButton");
        button->click();
        t.clock.advance(3.25);
        QVERIFY(pa.tick("tmrSWTimer"));
        pa.control<QPushButton>("cmdSWPause")->click();
        t.clock.advance(1);
        button->click();
        button->click();
        QTest::keyClicks(pa.control("Text1"), QStringLiteral("pasta"));
        QCOMPARE(pa.control<QLineEdit>("txtSWTime")->text(), "00:00:04");
        button->click();

        QCOMPARE(snapshot(*b), before);
        const TimerWindowState& stateAfter = frmStopwatchProbe(*b).state();
        QCOMPARE(stateAfter.blnSWReady, stateBefore.blnSWReady);
        QCOMPARE(stateAfter.sngSWStart, stateBefore.sngSWStart);
        QVERIFY(!frmStopwatchProbe(*b).timer("tmrSWTimer")->isEnabled());
        a->close();
    }

    void closingTheFirstLeavesTheOthers() {
        TestServices& t = *this->t;
        QPointer<frmStopwatch> first = new frmStopwatch(t.services);
        first->show();
        frmStopwatchProbe(*first).control<QPushButton>("cmdAnotherTimer")->click();
        QPointer<frmStopwatch> second = otherWindows(first).first();

        // Run the real event loop: it must outlive the first window and end
        // with the second.
        bool secondWorked = false;
        QTimer::singleShot(0, [&] { first->close(); });
        QTimer::singleShot(50, [&] {
            if (!first.isNull() || second.isNull()) {
                return;
            }
            frmStopwatchProbe p(*second);
            p.control<QPushButton>("cmdSWButton")->click();
            t.clock.advance(2);
            secondWorked = p.tick("tmrSWTimer") &&
                           p.control<QLineEdit>("txtSWTime")->text() == QStringLiteral("2.00");
            p.control<QPushButton>("cmdSWButton")->click();
            second->close();
        });
        QTimer safetyNet; // gone with this test, so it cannot end a later loop
        safetyNet.setSingleShot(true);
        connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        safetyNet.start(5000);
        QApplication::setQuitOnLastWindowClosed(true);
        const int result = QApplication::exec();
        QApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(result, 0);
        QVERIFY(secondWorked);
        QVERIFY(first.isNull());
        QVERIFY(second.isNull());
    }

    void manyWindowsComeAndGo() {
        TestServices& t = *this->t;
        auto* first = new frmStopwatch(t.services);
        first->show();
        auto* another = frmStopwatchProbe(*first).control<QPushButton>("cmdAnotherTimer");
        for (int round = 0; round < 5; ++round) {
            for (int i = 0; i < 20; ++i) {
                another->click();
            }
            QCOMPARE(otherWindows(first).size(), 20);
            closeAllBut(first, t.dialogs);
            QCOMPARE(otherWindows(first).size(), 0);
        }
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            windows += qobject_cast<frmStopwatch*>(w) != nullptr ? 1 : 0;
        }
        QCOMPARE(windows, 1); // the closed ones are gone, not just hidden
        first->close();
    }

    void backgroundClickFocusesTheIdentification() {
        TestServices& t = *this->t;
        auto w = t.window();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        frmStopwatchProbe p(*w);
        QWidget* client = w->centralWidget();
        QCOMPARE(QApplication::focusWidget(), p.control("cmdSWButton"));

        QTest::mouseClick(p.control("Label1"), Qt::LeftButton);
        QTest::mouseClick(p.control("lblTimeType"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), p.control("cmdSWButton"));

        QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(260, 100)); // empty background
        QCOMPARE(QApplication::focusWidget(), p.control("Text1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("oven"));
        QCOMPARE(p.control<QLineEdit>("Text1")->text(), "oven");
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
