// What shows of the windows outside them: the title with the I.D., the tray's
// lines, the count and progress on the taskbar, and the length "Again" runs.
#include "core/countdown.h"
#include "core/glance.h"

#include <QTest>

namespace {

constexpr double kNow = 1000.0; // the boot-time clock's reading now
const core::RestoreClock now{QStringLiteral("boot"), kNow, 1'700'000'000'000};

// A window per item: "c<left>/<length>" a countdown, "s<elapsed>" a stopwatch,
// after "<I.D.>=" where one is typed.
std::vector<core::WindowRecord> windows(const QString& spec) {
    std::vector<core::WindowRecord> records;
    for (const QString& item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        core::WindowRecord r;
        QString what = item;
        if (item.contains(QLatin1Char('='))) {
            r.identification = item.section(QLatin1Char('='), 0, 0);
            what = item.section(QLatin1Char('='), 1);
        }
        const QStringList n = what.mid(1).split(QLatin1Char('/'));
        if (what.startsWith(QLatin1Char('c'))) {
            r.countdownRunning = true;
            r.countdownEnd = {kNow + n[0].toDouble(), QStringLiteral("boot"), 0};
            r.countdownSeconds = n.value(1).toDouble();
        } else {
            r.stopwatch = core::WindowRecord::Stopwatch::Running;
            r.started = {kNow - n[0].toDouble(), QStringLiteral("boot"), 0};
        }
        records.push_back(r);
    }
    return records;
}

} // namespace

class TestGlance : public QObject {
    Q_OBJECT
private slots:
    void title_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        const QString idle = QString::fromUtf8(core::kIdleCaption.data());
        QTest::newRow("counting") << "Oven"
                                  << "0:04:32"
                                  << "Oven - 0:04:32";
        QTest::newRow("idle") << "Oven" << idle << "Oven - " + idle;
        QTest::newRow("blanks around") << "  Oven "
                                       << "0:00:01"
                                       << "Oven - 0:00:01";
        QTest::newRow("no I.D.") << ""
                                 << "0:00:58"
                                 << "0:00:58";
        QTest::newRow("blank I.D.") << "   " << idle << idle;
    }
    void title() {
        QFETCH(QString, id);
        QFETCH(QString, caption);
        QTEST(core::windowTitle(id, caption.toStdString()), "title");
    }

    void glance_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("running");
        QTest::addColumn<int>("countdowns");
        QTest::addColumn<double>("progress");
        QTest::addColumn<int>("nextLookMs");
        QTest::newRow("nothing") << ""
                                 << "" << 0 << 0 << 0.0 << 1000;
        QTest::newRow("one countdown") << "Oven=c272.25/600"
                                       << "Oven: 4:32 left" << 1 << 1 << 0.54 << 300;
        QTest::newRow("over an hour, no I.D.") << "c3725/7200"
                                               << "Countdown: 1:02:05 left" << 1 << 1 << 0.48 << 50;
        QTest::newRow("the one ending first sets the progress")
            << "Long=c500/1000 Short=c10/40"
            << "Long: 8:20 left|Short: 0:10 left" << 2 << 2 << 0.75 << 50;
        QTest::newRow("length not kept") << "c30"
                                         << "Countdown: 0:30 left" << 1 << 1 << 0.0 << 50;
        QTest::newRow("stopwatches")
            << "Run=s723.45 s3725.5"
            << "Run: 12:03.45|Stopwatch: 1:02:05.50" << 2 << 0 << 0.0 << 1000;
        QTest::newRow("ended countdown is not running")
            << "c-1/60 s1"
            << "Stopwatch: 0:01.00" << 1 << 0 << 0.0 << 1000;
    }
    void glance() {
        QFETCH(QString, spec);
        const core::Glance g = core::glance(
            windows(spec), now, [](const char*, const char* e) { return QString::fromUtf8(e); });
        QTEST(g.lines.join(QLatin1Char('|')), "lines");
        QTEST(g.running, "running");
        QTEST(g.countdowns, "countdowns");
        QTEST(g.progress, "progress");
        QTEST(g.nextLookMs, "nextLookMs");
    }

    void again_data() {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("again");
        QTest::newRow("whole") << "5"
                               << "5";
        QTest::newRow("tenth") << "0.1"
                               << "0.1";
        QTest::newRow("typed long") << "2.50000"
                                    << "2.5";
        QTest::newRow("a day") << "1440"
                               << "1440";
        QTest::newRow("narrowed") << "0.123456789"
                                  << "0.12345679";
    }
    void again() {
        QFETCH(QString, minutes);
        const core::Single seconds = core::Countdown::lengthSeconds(minutes.toStdString());
        const std::string text = core::Countdown::minutesText(seconds);
        QTEST(QString::fromStdString(text), "again");
        QCOMPARE(core::Countdown::lengthSeconds(text), seconds);
    }
};

QTEST_GUILESS_MAIN(TestGlance)
#include "test_glance.moc"
