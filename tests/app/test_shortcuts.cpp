// The window-wide keys: F5 the stopwatch's button, F6 Capture, F7 Countdown,
// F8 the countdown's Stop. From any control each does what a click on its
// button does; none does anything for a hidden or disabled button or while a
// message box is open; accessibility tools are told each key.
#include "support/probe.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The named control that has the focus in `w` (the combo box for its text
// field), or would have while `w` is active.
QString focusName(const QWidget& w) {
    QWidget* f = w.focusWidget();
    while (f != nullptr && f->objectName().isEmpty()) {
        f = f->parentWidget();
    }
    return f != nullptr ? f->objectName() : QStringLiteral("-");
}

// What a user can see of a window, and where its focus is.
QStringList seenWithFocus(const QWidget& w) {
    return snapshot(w) << "focus " + focusName(w);
}

QString textOf(QWidget* c) {
    if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        return edit->text();
    }
    return qobject_cast<QAbstractButton*>(c)->text();
}

// A key going down or up in the focused control, as the window system
// delivers it at `time` (ms): first offered to the shortcuts.
void sendKey(bool press, Qt::Key key, quint64 time, bool repeat) {
    QWidget* to = QApplication::focusWidget();
    if (press && qt_sendShortcutOverrideEvent(to, time, key, Qt::NoModifier, {}, repeat)) {
        return;
    }
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, {}, repeat);
    event.setTimestamp(time);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(to, &event);
}

enum class Before { Idle, Running, Stopped, CountdownRunning };

// Types into the boxes (the countdown's length too), brings the window to
// `before` with clicks and puts the focus on `from`.
void prepare(ActiveWindow& s, Before before, const char* from) {
    for (const char* box : {"Text1", "txtTime", "cmbMinutes"}) {
        s.p.control(box)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    }
    if (before == Before::Running || before == Before::Stopped) {
        s.click("cmdSWButton");
        s.t.clock.advance(1.5);
    }
    if (before == Before::Stopped) {
        s.click("cmdSWButton");
    }
    if (before == Before::CountdownRunning) {
        s.click("cmdCountdown");
    }
    s.t.clock.advance(0.25);
    s.p.control(from)->setFocus();
}

} // namespace

Q_DECLARE_METATYPE(Before)

class TestShortcuts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void keyDoesWhatAClickDoes_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<Before>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("shows");
        QTest::addColumn<QString>("text");
        for (const char* from : {"cmdAnotherTimer", "Text1", "cmbMinutes"}) {
            const auto row = [from](const char* what) -> QTestData& {
                return QTest::addRow("%s from %s", what, from) << QByteArray(from);
            };
            row("start") << Before::Idle << int(Qt::Key_F5) << QByteArray("cmdSWButton")
                         << QByteArray("cmdSWButton") << "Stop";
            row("stop") << Before::Running << int(Qt::Key_F5) << QByteArray("cmdSWButton")
                        << QByteArray("txtSWTime") << "1.75";
            row("convert") << Before::Stopped << int(Qt::Key_F5) << QByteArray("cmdSWButton")
                           << QByteArray("txtSWTime") << "00:00:02";
            row("capture") << Before::Running << int(Qt::Key_F6) << QByteArray("cmdSWPause")
                           << QByteArray("txtSWTime1") << "1.75";
            row("countdown") << Before::Idle << int(Qt::Key_F7) << QByteArray("cmdCountdown")
                             << QByteArray("txtCountdown") << "START";
            row("countdown stop") << Before::CountdownRunning << int(Qt::Key_F8)
                                  << QByteArray("cmdReset") << QByteArray("txtCountdown") << "DONE";
        }
    }
    // The same window state, the same way, once clicked and once keyed: the
    // same captions, displays, colours and focus after.
    void keyDoesWhatAClickDoes() {
        QFETCH(QByteArray, from);
        QFETCH(Before, before);
        QFETCH(int, key);
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, shows);
        QFETCH(QString, text);
        QStringList clicked;
        {
            ActiveWindow s;
            prepare(s, before, from);
            s.click(button);
            clicked = seenWithFocus(*s.w);
        }
        ActiveWindow s;
        prepare(s, before, from);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(seenWithFocus(*s.w), clicked);
        // The countdown's Stop shows at the next tick.
        QTRY_COMPARE(textOf(s.p.control(shows)), text);
    }

    void nothingForAHiddenOrDisabledButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("disable");
        QTest::newRow("Capture hidden") << int(Qt::Key_F6) << QByteArray();
        QTest::newRow("Countdown disabled") << int(Qt::Key_F7) << QByteArray("cmdCountdown");
    }
    void nothingForAHiddenOrDisabledButton() {
        QFETCH(int, key);
        QFETCH(QByteArray, disable);
        ActiveWindow s;
        prepare(s, Before::Idle, "Text1");
        if (!disable.isEmpty()) {
            s.p.control(disable)->setEnabled(false);
        }
        const QStringList before = seenWithFocus(*s.w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(seenWithFocus(*s.w), before);
    }

    void heldKeyPressesOnce_data() {
        QTest::addColumn<bool>("marked");
        QTest::newRow("repeats marked") << true;
        QTest::newRow("repeats not marked") << false;
    }
    // A key held down presses its button once, as a held mouse button does.
    // The X server repeats it as a release and a press at the same instant,
    // which Qt does not always mark as a repeat.
    void heldKeyPressesOnce() {
        QFETCH(bool, marked);
        ActiveWindow s;
        s.p.control("Text1")->setFocus();
        sendKey(true, Qt::Key_F5, 100, false);
        QTest::qWait(20); // the window is drawn before the first repeat
        for (quint64 time : {760, 800, 840}) {
            sendKey(false, Qt::Key_F5, time, marked);
            sendKey(true, Qt::Key_F5, time, marked);
        }
        sendKey(false, Qt::Key_F5, 870, false);
        QCOMPARE(s.p.control<QPushButton>("cmdSWButton")->text(), "Stop");
        // Pressed again, it stops at once, before the new caption is drawn.
        sendKey(true, Qt::Key_F5, 2000, false);
        QCOMPARE(s.p.control<QPushButton>("cmdSWButton")->text(), "H:MM:SS");
    }

    // While a message box is open, just shown or already active, no key of
    // the window does anything; once it is closed they work again.
    void nothingWhileAMessageBoxIsOpen() {
        ActiveWindow s;
        QWidget* id = s.p.control("Text1");
        id->setFocus();
        const QStringList before = seenWithFocus(*s.w);
        const auto pressAll = [](QWidget* where) {
            for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8}) {
                QTest::keyClick(where, key);
            }
        };
        {
            QMessageBox box(s.w.get());
            box.setWindowModality(Qt::ApplicationModal); // as the window's own boxes
            box.setText(QStringLiteral("A question"));
            box.show(); // modal at once; active once the desktop gives it the focus
            pressAll(id);
            QVERIFY(QTest::qWaitForWindowActive(&box));
            pressAll(id);
            pressAll(QApplication::focusWidget());
        }
        QCOMPARE(seenWithFocus(*s.w), before);
        s.w->activateWindow(); // as the desktop does
        QTRY_COMPARE(QApplication::focusWidget(), id);
        QTest::keyClick(id, Qt::Key_F5);
        QCOMPARE(s.p.control<QPushButton>("cmdSWButton")->text(), "Stop");
    }

    // Each window has its keys: the active one answers them.
    void onlyTheActiveWindow() {
        ActiveWindow first;
        ActiveWindow second;
        QTest::keyClick(second.p.control("Text1"), Qt::Key_F5);
        QCOMPARE(second.p.control<QPushButton>("cmdSWButton")->text(), "Stop");
        QCOMPARE(first.p.control<QPushButton>("cmdSWButton")->text(), "Stopwatch");
    }

    void keysTold_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("key");
        QTest::newRow("stopwatch") << QByteArray("cmdSWButton") << "F5";
        QTest::newRow("capture") << QByteArray("cmdSWPause") << "F6";
        QTest::newRow("countdown") << QByteArray("cmdCountdown") << "F7";
        QTest::newRow("countdown stop") << QByteArray("cmdReset") << "F8";
    }
    // Screen readers read the key of a button's press action; the tooltip
    // shows it. Both stay when the caption changes.
    void keysTold() {
        QFETCH(QByteArray, button);
        QFETCH(QString, key);
        ActiveWindow s;
        auto* b = s.p.control<QPushButton>(button);
        const auto keyBindings = [b] {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b);
            QAccessibleActionInterface* action = iface->actionInterface();
            return action->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        };
        QCOMPARE(keyBindings(), QStringList{key});
        QVERIFY2(b->toolTip().endsWith(" (" + key + ")"), qPrintable(b->toolTip()));
        s.p.control<QComboBox>("cmbMinutes")->setEditText(QStringLiteral("1"));
        s.click("cmdSWButton"); // Stopwatch becomes Stop and Capture shows
        s.click("cmdSWPause");  // Capture becomes Refresh
        s.click("cmdCountdown");
        QTRY_COMPARE(keyBindings(), QStringList{key});
        QCOMPARE(b->shortcut(), QKeySequence(key));
    }
};

QTEST_MAIN(TestShortcuts)
#include "test_shortcuts.moc"
