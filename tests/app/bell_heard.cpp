// The window half of the countdown.bell_heard test; bell_heard.py runs it on
// a private X server against a private sound server whose output it records.
// A timer window with the program's own services (the real clock, the real
// bell, a clock setter that never sets the clock), a countdown of 0.02 minutes
// typed and clicked as a user would, and on standard output the instants, on
// the boot-time clock, at which the countdown started and its display showed
// "DONE":
//     BELL-START <seconds>
//     BELL-DONE <seconds>
// Then it lets the bell play to its end before it exits.
#include "application.h"
#include "frmStopwatch.h"
#include "platform/clocksetters.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/systemclock.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

void report(const char* what, double at) {
    std::printf("BELL-%s %.6f\n", what, at);
    std::fflush(stdout);
}

// Long enough for the theme's bell to be heard out and recorded.
constexpr int kBellPlaysMs = 1500;

} // namespace

class BellHeard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureApplication(); }

    void countdownFinishesWithTheBell() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        platform::SystemClock clock;
        platform::QtDialogs dialogs;
        platform::UnavailableClockSetter clockSetter; // the clock stays as it is
        const platform::Services services{clock, dialogs, clockSetter};
        auto window = std::make_unique<frmStopwatch>(services);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get(), 10000));

        auto* minutes = window->findChild<QComboBox*>(QStringLiteral("cmbMinutes"));
        auto* start = window->findChild<QPushButton*>(QStringLiteral("cmdCountdown"));
        auto* display = window->findChild<QLineEdit*>(QStringLiteral("txtCountdown"));
        QVERIFY(minutes != nullptr && minutes->lineEdit() != nullptr);
        QVERIFY(start != nullptr && display != nullptr);
        double done = 0;
        connect(display, &QLineEdit::textChanged, display, [&done](const QString& text) {
            if (text == QLatin1String("DONE") && done == 0) {
                done = platform::bootSeconds();
                report("DONE", done);
            }
        });

        minutes->lineEdit()->selectAll();
        QTest::keyClicks(minutes->lineEdit(), QStringLiteral("0.02"));
        QCOMPARE(minutes->currentText(), QStringLiteral("0.02"));
        report("START", platform::bootSeconds());
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(display->text(), QStringLiteral("START"));
        // 1.2 s, finished at the second one-second tick.
        QTRY_VERIFY_WITH_TIMEOUT(done != 0, 15000);
        QTest::qWait(kBellPlaysMs);
    }
};

QTEST_MAIN(BellHeard)
#include "bell_heard.moc"
