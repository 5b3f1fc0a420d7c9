// A countdown that finishes while its window is not the active one is
// announced on the desktop: named after the window's identification, bringing
// the window back when picked, withdrawn once the user is back.
#include "core/windowrecord.h"
#include "persistence.h"
#include "support/probe.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A window whose countdown of length 0 finishes at the next tick, and another
// window that can take the activation from it.
struct Finishing : ActiveWindow {
    QWidget elsewhere;

    void startCountdown() {
        p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("0"));
        p.control<QPushButton>("cmdCountdown")->click();
    }
    void lookElsewhere() {
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    }
    void finish() {
        t.clock.advance(1);
        QVERIFY(p.tick("tmrCountdown"));
        QCOMPARE(p.control<QLineEdit>("txtCountdown")->text(), "DONE");
    }
};

} // namespace

class TestNotifications : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void namedAfterTheIdentification_data() {
        QTest::addColumn<QString>("identification");
        QTest::addColumn<QString>("summary");
        QTest::newRow("none") << ""
                              << "Countdown done";
        QTest::newRow("blanks only") << "   "
                                     << "Countdown done";
        QTest::newRow("Kitchen") << "Kitchen"
                                 << "Kitchen: countdown done";
        QTest::newRow("blanks around") << "  Tea 2 "
                                       << "Tea 2: countdown done";
    }
    void namedAfterTheIdentification() {
        QFETCH(QString, identification);
        QFETCH(QString, summary);
        Finishing f;
        f.p.control<QLineEdit>("Text1")->setText(identification);
        f.startCountdown();
        f.lookElsewhere();
        f.finish();
        const NotificationLog& log = f.t.notifications;
        QCOMPARE(log.shown.size(), std::size_t{1});
        QCOMPARE(log.shown[0].summary, summary);
        QVERIFY(!log.shown[0].body.isEmpty());
        QCOMPARE(f.t.dialogs.beeps(), 1); // the bell stays
    }

    // The user is looking at the window: no notification.
    void noneWhileActive() {
        Finishing f;
        f.startCountdown();
        f.finish();
        QVERIFY(f.t.notifications.shown.empty());
        QCOMPARE(f.t.dialogs.beeps(), 1);
    }

    void pickedBringsTheWindowBack() {
        Finishing f;
        f.startCountdown();
        f.lookElsewhere();
        f.w->showMinimized();
        f.finish();
        QVERIFY(f.t.notifications.activate);
        f.t.notifications.activate();
        QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        QVERIFY(!f.w->isMinimized());
        QVERIFY(!f.t.notifications.up); // and withdrawn, now it is seen
    }

    // Withdrawn when the window comes back, when it starts another countdown,
    // and when it closes.
    void withdrawn_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("window activated") << 0;
        QTest::newRow("another countdown") << 1;
        QTest::newRow("window closed") << 2;
    }
    void withdrawn() {
        QFETCH(int, how);
        Finishing f;
        f.startCountdown();
        f.lookElsewhere();
        f.finish();
        QVERIFY(f.t.notifications.up);
        if (how == 0) {
            f.w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.w.get()));
        } else if (how == 1) {
            f.startCountdown();
        } else {
            f.w->setAttribute(Qt::WA_DeleteOnClose, false); // the fixture owns it
            QVERIFY(f.w->close());
        }
        QVERIFY(!f.t.notifications.up);
        QCOMPARE(f.t.notifications.withdrawals, 1);
    }

    // A window whose timing does not come back at start comes back with its
    // I.D., and tells why until the user answers: its first activation does
    // not withdraw that, nor the finish of a countdown that ended meanwhile.
    void restoredTellsWhy() {
        TestServices t;
        core::WindowRecord record;
        record.identification = QStringLiteral("Oven");
        record.stopwatch = core::WindowRecord::Stopwatch::Running;
        record.started.utcMs = core::utcMs(t.clock.now()) + 60000; // in the future
        QCOMPARE(restoreWindows(t.services, {record}), 1);
        const auto tops = QApplication::topLevelWidgets();
        const std::unique_ptr<frmStopwatch> w(qobject_cast<frmStopwatch*>(*std::find_if(
            tops.begin(), tops.end(), [](QWidget* top) { return top->isVisible(); })));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(frmStopwatchProbe(*w).control<QLineEdit>("Text1")->text(), "Oven");
        QCOMPARE(t.notifications.shown.at(0).summary, "Oven: timing not restored");
        QVERIFY(t.notifications.up);
    }
};

QTEST_MAIN(TestNotifications)
#include "test_notifications.moc"
