// Where windows open on a desktop of two monitors side by side whose primary
// one is on the right: on the primary monitor, centred, at its top; further
// windows 4380 twips below its top. Runs on a real X server (tests.cmake).
#include "support/probe.h"

#include <QPushButton>
#include <QScreen>

class TestMultiMonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        configureTestApplication();
        const QScreen* primary = QGuiApplication::primaryScreen();
        QVERIFY(primary != nullptr);
        QCOMPARE(primary->geometry(), QRect(1280, 0, 1280, 1024));
    }

    void onThePrimaryMonitor() {
        TestServices t;
        auto w = t.window();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // Centred to the nearest pixel: the half pixel is rounded.
        const int centred = 1280 + (1280 - w->frameGeometry().width()) / 2;
        QVERIFY2(qAbs(w->frameGeometry().x() - centred) <= 1,
                 qPrintable(QString::number(w->frameGeometry().x())));
        QCOMPARE(w->frameGeometry().y(), 0);

        frmStopwatchProbe(*w).control<QPushButton>("cmdAnotherTimer")->click();
        frmStopwatch* another = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != w.get() && qobject_cast<frmStopwatch*>(top) != nullptr) {
                another = static_cast<frmStopwatch*>(top);
            }
        }
        QVERIFY(another != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(another));
        QCOMPARE(another->frameGeometry().topLeft(), QPoint(w->frameGeometry().x(), 4380 / 15));
        another->close();
    }
};

QTEST_MAIN(TestMultiMonitor)
#include "multimonitor.moc"
