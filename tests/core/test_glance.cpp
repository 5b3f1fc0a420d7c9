// What shows of the windows outside them: the title with the I.D., the tray's
// lines, the count and progress on the taskbar.
#include "core/glance.h"

#include <QTest>

namespace {

// A window per item at boot-time reading 1000: "c<left>/<length>" a countdown,
// "s<elapsed>" a stopwatch, after "<I.D.>=" where one is typed.
std::vector<core::WindowRecord> windows(const QString& given) {
    std::vector<core::WindowRecord> records;
    for (const QString& item : given.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        core::WindowRecord& r = records.emplace_back();
        r.identification = item.section(QLatin1Char('='), -2, -2);
        const QString what = item.section(QLatin1Char('='), -1);
        const double n = what.mid(1).section(QLatin1Char('/'), 0, 0).toDouble();
        r.countdownRunning = what.startsWith(QLatin1Char('c'));
        r.countdownEnd = {1000 + n, QStringLiteral("boot"), 0};
        r.countdownSeconds = what.section(QLatin1Char('/'), 1).toDouble();
        r.stopwatch = r.countdownRunning ? r.stopwatch : core::WindowRecord::Stopwatch::Running;
        r.started = {1000 - n, QStringLiteral("boot"), 0};
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
        // "*": the idle caption
        for (const char* row : {"Oven|0:04:32|Oven - 0:04:32", "Oven|*|Oven - *",
                                "  Oven |0:00:01|Oven - 0:00:01", "|0:00:58|0:00:58", "   |*|*"}) {
            const QStringList r =
                QString::fromUtf8(row)
                    .replace(QLatin1Char('*'), QString::fromUtf8(core::kIdleCaption.data()))
                    .split('|');
            QTest::newRow(row) << r[0] << r[1] << r[2];
        }
    }
    void title() {
        QFETCH(QString, id);
        QFETCH(QString, caption);
        QTEST(core::windowTitle(id, caption.toStdString()), "title");
    }

    // The windows; the lines; running, countdowns, progress in %, the next look in ms.
    void glance_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("numbers");
        const char* const rows[][3] = {
            {"", "", "0 0 0 1000"},
            {"Oven=c272.25/600", "Oven: 4:32 left", "1 1 54 300"},
            {"c3725/7200", "Countdown: 1:02:05 left", "1 1 48 50"},
            {"L=c500/1000 S=c10/40", "L: 8:20 left|S: 0:10 left", "2 2 75 50"}, // the first to end
            {"c30", "Countdown: 0:30 left", "1 1 0 50"},                        // no length kept
            {"Run=s723.45 s3725.5", "Run: 12:03.45|Stopwatch: 1:02:05.50", "2 0 0 1000"},
            {"c-1/60 s1", "Stopwatch: 0:01.00", "1 0 0 1000"}}; // ended
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << row[0] << row[1] << row[2];
        }
    }
    void glance() {
        QFETCH(QString, given);
        const core::Glance g = core::glance(
            windows(given), {QStringLiteral("boot"), 1000, 0},
            [](const char* /*context*/, const char* e) { return QString::fromUtf8(e); });
        QTEST(g.lines.join(QLatin1Char('|')), "lines");
        QTEST(QString::asprintf("%d %d %d %d", g.running, g.countdowns, qRound(g.progress * 100),
                                g.nextLookMs),
              "numbers");
    }
};

QTEST_GUILESS_MAIN(TestGlance)
#include "test_glance.moc"
