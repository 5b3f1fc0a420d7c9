// A freshly created timer window: its state, its controls and its keyboard.
#include "support/models.h"
#include "support/probe.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>

namespace {

struct Expected {
    const char* name;
    QRect geometry; // pixels at 15 twips each
    QString caption;
};

// Each control's place, size and initial caption, read off the window's design.
const std::vector<Expected> kExpected = {
    {"Text1", {15, 170, 153, 24}, ""},
    {"cmdAnotherTimer", {332, 200, 161, 37}, "Another Timer?"},
    {"txtTime", {180, 200, 129, 37}, ""},
    {"cmdSetYourClock", {15, 200, 153, 37}, "Set Your Clock"},
    {"chkCDCheck", {372, 172, 141, 17}, "Validate Countdown"},
    {"cmdReset", {432, 128, 81, 37}, "Stop"},
    {"cmbMinutes", {300, 89, 81, 32}, ""},
    {"cmdCountdown", {300, 128, 121, 37}, "Countdown"},
    {"txtCountdown", {300, 36, 105, 37}, "0:00:00"},
    {"txtSWTime1", {15, 84, 141, 37}, "0.00"},
    {"cmdSWPause", {166, 128, 105, 37}, "Capture"},
    {"cmdSWButton", {15, 128, 113, 37}, "Stopwatch"},
    {"txtSWTime", {15, 36, 141, 37}, "0.00"},
    {"Label3", {176, 178, 37, 16}, "I. D."},
    {"Label2", {300, 16, 105, 17}, "Hr..Min...Sec"},
    {"Label1", {404, 96, 81, 25}, "Minutes"},
    {"lblTimeType", {15, 16, 141, 17}, "Seconds"},
};

// The width a control gives its caption or text.
int roomFor(QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .width();
    }
    if (auto* check = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
    }
    if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr) {
        const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const int arrow = qobject_cast<QComboBox*>(w) != nullptr ? 20 : 0;
        return w->width() - 2 * frame - 4 - arrow; // QLineEdit keeps 2 px either side
    }
    return w->width();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureTestApplication(); }

    void stateAfterLoad() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        const TimerWindowState& s = p.state();
        QVERIFY(s.blnSWReady);
        QVERIFY(!s.blnSWRunning);
        QVERIFY(!s.blnSWResetDue);
        QVERIFY(!s.blnSWStopped);
        QVERIFY(s.blnCDReady);
        QCOMPARE(s.sngSWStart, 0.0F);
        QCOMPARE(s.datCDEnd, 0.0);
        for (auto v : {s.intSWHours, s.intSWMinutes, s.intSWSeconds, s.intCapHours, s.intCapMinutes,
                       s.intCapSeconds}) {
            QCOMPARE(v, core::Integer{0});
        }
        QCOMPARE(w->windowTitle(), QStringLiteral("Horolux            www.horolux.org"));
        QCOMPARE(idleCaption().mid(7, 12), QString(12, QLatin1Char(' ')));
    }

    void placedAtTheTopCentred() {
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        frmStopwatchProbe p(*w);
        QCOMPARE(p.top(), 0.0F);
        QCOMPARE(w->frameGeometry().top(), 0);
        // Centred as far as the frame was known before the window was shown:
        // a frame adds a few pixels that only appear once it is on the screen.
        const double centred = p.screenWidth() / 2.0 - p.width() / 2.0;
        QVERIFY2(std::abs(p.left() - centred) <= 4 * core::kTwipsPerPixel,
                 qPrintable(QStringLiteral("left %1, centred %2").arg(p.left()).arg(centred)));
        QCOMPARE(w->centralWidget()->size(), QSize(521, 254));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void controlsAsDesigned() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        const QRect client = w->centralWidget()->rect();
        for (const Expected& e : kExpected) {
            QWidget* c = p.control(e.name);
            QVERIFY2(c != nullptr, e.name);
            QCOMPARE(c->geometry(), e.geometry);
            QVERIFY(client.contains(c->geometry()));
            QCOMPARE(captionOf(c), e.caption);
            QVERIFY2(c->isEnabled(), e.name);
            const bool shown = !c->isHidden();
            QCOMPARE(shown, QByteArray(e.name) != "cmdSWPause");
            // The timing buttons' tooltips name their keys (test_shortcuts).
            const bool tooltip = !c->toolTip().isEmpty();
            QCOMPARE(tooltip, QByteArrayList({"Text1", "cmdSetYourClock", "cmdSWButton",
                                              "cmdSWPause", "cmdCountdown", "cmdReset"})
                                  .contains(e.name));
        }
        QCOMPARE(p.control("Text1")->toolTip(),
                 "Identify this timer while running multiple timers.");
        QCOMPARE(p.control("cmdSetYourClock")->toolTip(), "Yes......set your computer's clock!!");
        QCOMPARE(p.control<QFrame>("Line1")->geometry(), QRect(283, 16, 3, 148));

        auto* check = p.control<QCheckBox>("chkCDCheck");
        QCOMPARE(check->checkState(), Qt::Unchecked);
        QCOMPARE(check->font().weight(), QFont::Normal);
        QCOMPARE(p.control("txtSWTime")->font().pointSizeF(), 18.0);
        QCOMPARE(p.control("Text1")->font().pointSizeF(), 9.75);
        QCOMPARE(p.control("Label3")->font().pointSizeF(), 12.0);
        QCOMPARE(p.control("Label3")->font().weight(), QFont::Bold);
        QCOMPARE(p.control("cmdAnotherTimer")->font().pointSizeF(), 13.5);

        // The displays take no typing; the input boxes do.
        for (const char* name : {"txtSWTime", "txtSWTime1", "txtCountdown"}) {
            QVERIFY(p.control<QLineEdit>(name)->isReadOnly());
        }
        QVERIFY(!p.control<QLineEdit>("txtTime")->isReadOnly());
        QCOMPARE(p.control<QLineEdit>("Text1")->maxLength(), 20);

        for (const char* name : {"tmrSWTimer", "tmrCountdown"}) {
            QVERIFY(!p.timer(name)->isEnabled());
            QVERIFY(!p.timer(name)->isRunning());
        }
        QCOMPARE(p.timer("tmrSWTimer")->interval(), 5);
        QCOMPARE(p.timer("tmrCountdown")->interval(), 0);

        // No button answers Enter for the window.
        for (auto* button : w->findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
            QVERIFY(!button->text().contains(QLatin1Char('&')));
        }
    }

    void menuHasOneItem() {
        TestServices t;
        auto w = t.window();
        QMenuBar* bar = w->menuBar();
        QVERIFY(!bar->isNativeMenuBar());
        QCOMPARE(bar->actions().size(), 1);
        QAction* help = bar->actions().first();
        QCOMPARE(help->objectName(), "mnuHelp");
        QCOMPARE(help->text(), "&Help");
        QCOMPARE(help->menu(), nullptr);
    }

    void minutesList() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        auto* combo = p.control<QComboBox>("cmbMinutes");
        const QStringList expected = {
            ".25", ".50", ".75", "1.00", "1.25", "1.50", "1.75", "2.00", "3",   "4",   "5",  "6",
            "7",   "8",   "9",   "10",   "15",   "20",   "25",   "30",   "40",  "45",  "60", "90",
            "120", "150", "180", "210",  "240",  "300",  "360",  "420",  "480", "1440"};
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        QCOMPARE(items, expected);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(combo->completer(), nullptr);
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    }

    void keyboard() {
        ActiveWindow a;
        frmStopwatchProbe& p = a.p;
        QCOMPARE(QApplication::focusWidget(), p.control("cmdSWButton"));

        // Tab order, with the hidden Capture button and the displays passed over.
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            while (f != nullptr && f->objectName().isEmpty()) {
                f = f->parentWidget();
            }
            order << (f != nullptr ? f->objectName() : QStringLiteral("-"));
        }
        QCOMPARE(order,
                 QStringList({"cmbMinutes", "cmdCountdown", "cmdReset", "cmdAnotherTimer",
                              "txtTime", "cmdSetYourClock", "Text1", "chkCDCheck", "cmdSWButton"}));
        // With the Capture button shown, Tab from the main button goes to it.
        p.control("cmdSWPause")->show();
        p.control("cmdSWButton")->setFocus();
        QTest::keyClick(p.control("cmdSWButton"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.control("cmdSWPause"));
        p.control("cmdSWPause")->hide();

        // Enter and the space bar press the button that has the focus; Esc nothing.
        auto* button = p.control<QPushButton>("cmdAnotherTimer");
        auto* other = p.control<QPushButton>("cmdCountdown");
        QSignalSpy pressed(button, &QPushButton::clicked);
        QSignalSpy otherPressed(other, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(pressed.count(), 3);
        QTest::keyClick(button, Qt::Key_Escape);
        auto* box = p.control<QLineEdit>("txtTime");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(pressed.count(), 3);
        QCOMPARE(otherPressed.count(), 0);

        // Alt+H chooses Help.
        QAction* help = a.w->menuBar()->actions().first();
        QSignalSpy chosen(help, &QAction::triggered);
        QTest::keyClick(a.w.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(chosen.count(), 1);
    }

    void identificationLimit() {
        ActiveWindow a;
        frmStopwatchProbe& p = a.p;
        auto* id = p.control<QLineEdit>("Text1");
        id->setFocus();
        QTest::keyClicks(id, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(id->text(), QStringLiteral("abcdefghijklmnopqrst"));
        id->clear();
        QApplication::clipboard()->setText(QStringLiteral("0123456789012345678901234"));
        id->paste();
        QCOMPARE(id->text().size(), 20);
    }

    // Every caption a control shows, now or later, is readable in full.
    void captionsFit() {
        TestServices t;
        auto w = t.window();
        frmStopwatchProbe p(*w);
        const std::multimap<QString, QString> texts = {
            {"txtSWTime", "0.00"},
            {"txtSWTime", "86399.99"},
            {"txtSWTime", "-85900.00"},
            {"txtSWTime", "23:59:59"},
            {"txtSWTime1", "0.00"},
            {"txtSWTime1", "86399.99"},
            {"txtCountdown", "0:00:00"},
            {"txtCountdown", "23:59:59"},
            {"txtCountdown", "START"},
            {"txtCountdown", "DONE"},
            {"cmbMinutes", "1440"},
            {"cmdSWButton", "Stopwatch"},
            {"cmdSWButton", "H:MM:SS"},
            {"cmdSWButton", "Reset"},
            {"cmdSWButton", "Stop"},
            {"cmdSWPause", "Capture"},
            {"cmdSWPause", "Refresh"},
            {"lblTimeType", "Seconds"},
            {"lblTimeType", "Hr.....Min...Sec"},
            {"Label2", "Hr..Min...Sec"},
            {"Label1", "Minutes"},
            {"Label3", "I. D."},
            {"chkCDCheck", "Validate Countdown"},
            {"cmdCountdown", "Countdown"},
            {"cmdReset", "Stop"},
            {"cmdSetYourClock", "Set Your Clock"},
            {"cmdAnotherTimer", "Another Timer?"},
            {"Text1", "WWWWWWWWWWWW"},
            {"txtTime", "12:59:59 PM"},
        };
        for (const auto& [name, text] : texts) {
            QWidget* c = p.control(qPrintable(name));
            const QFontMetrics fm(c->font());
            const int need = fm.horizontalAdvance(text);
            const int room = roomFor(c);
            QVERIFY2(need <= room, qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4 (%5)")
                                                  .arg(name, text)
                                                  .arg(need)
                                                  .arg(room)
                                                  .arg(c->font().family())));
            const QRect ink = fm.tightBoundingRect(text);
            QVERIFY2(fm.ascent() + ink.bottom() <= c->height(), qPrintable(name));
        }
        QVERIFY2(QFontInfo(w->font()).family() != QStringLiteral("DejaVu Sans"),
                 "the fallback face is too wide for the layout");
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
