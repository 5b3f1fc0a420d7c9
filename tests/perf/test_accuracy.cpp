// The short form of the accuracy harness: the real clock and the real timers
// through a real window. Tolerances are wide (a quarter of a second beyond
// what the displays' rounding allows), so that a loaded machine passes and a
// broken clock or timer path does not. The tight targets are the benchmark's.
#include "support/realtime.h"

namespace {
constexpr double kTolerance = 0.25;
} // namespace

class TestAccuracy : public QObject {
    Q_OBJECT
private slots:
    // Three seconds of stopwatch: every text shown is the elapsed time of the
    // moment it was written, and the display keeps moving.
    void stopwatch() {
        realtime::Harness h;
        const realtime::StopwatchRun r = h.stopwatchRun(3.0);
        QVERIFY2(r.writes >= 30, qPrintable(QString::number(r.writes)));
        QVERIFY2(r.worstError <= kTolerance,
                 qPrintable(QStringLiteral("%1 off by %2 s").arg(r.worstText).arg(r.worstError)));
        QVERIFY2(r.longestGap <= 1.0, qPrintable(QString::number(r.longestGap)));
        QVERIFY(h.probe().state().blnSWStopped);
    }

    // A validated countdown of 0.05 minutes: each time left shown is the true
    // one to the second, "DONE" comes within a tick of the end, and the
    // stopwatch it started measured it.
    void validatedCountdown() {
        realtime::Harness h;
        const realtime::CountdownRun r = h.countdownRun(QStringLiteral("0.05"), 3.0, 6.0);
        const QString shown = QStringList(r.shown.begin(), r.shown.end()).join(QLatin1Char(' '));
        QVERIFY2(r.done, qPrintable(shown));
        QCOMPARE(r.shown.front(), QStringLiteral("START"));
        QVERIFY2(r.timesLeft >= 1, qPrintable(shown));
        QVERIFY2(
            r.worstLeftError <= 0.5 + kTolerance,
            qPrintable(QStringLiteral("%1 off by %2 s").arg(r.worstText).arg(r.worstLeftError)));
        QVERIFY2(r.doneLate <= 1.0 + kTolerance, qPrintable(QString::number(r.doneLate)));
        QVERIFY2(r.stopwatch.writes >= 30, qPrintable(QString::number(r.stopwatch.writes)));
        QVERIFY2(r.stopwatch.worstError <= kTolerance,
                 qPrintable(QStringLiteral("%1 off by %2 s")
                                .arg(r.stopwatch.worstText)
                                .arg(r.stopwatch.worstError)));
        QVERIFY(h.probe().state().blnSWStopped); // the finish stopped it
    }
};

QTEST_MAIN(TestAccuracy)
#include "test_accuracy.moc"
