// A timer window through the next start: its state recorded, written, read
// back, restored and put into a new window shows what the old one shows at
// every tick of the new one's countdown timer and takes the same presses; the
// restored countdown ends on its end.
#include "core/windowrecord.h"
#include "support/models.h"

#include <QTest>

#include <functional>
#include <map>

namespace {

// One step of the user per letter: p press, c capture, d "Countdown", v tick
// "Validate Countdown", w wait 2.25 s, W wait until 60 s short of 32767:59:59.
void play(TimerModels& m, const QString& script) {
    const std::map<QChar, std::function<void()>> steps{
        {'p', [&m] { m.press(); }},
        {'c', [&m] { m.capture(); }},
        {'d', [&m] { m.countdownClick(); }},
        {'v', [&m] { m.view.validateTicked.read(true); }},
        {'w', [&m] { m.clock.advance(2.25); }},
        {'W', [&m] { m.clock.advance(core::kLongestRunSeconds - 60); }}};
    m.clock.advance(1000);
    for (const QChar step : script) {
        steps.at(step)();
    }
}

QString seen(TimerModels& m) {
    m.swTick();
    m.cdTick();
    const core::WindowView& v = m.view;
    const core::Laps& laps = m.stopwatch.laps();
    return QStringList{shown(v.swTime), shown(v.swTime1), shown(v.swButton), shown(v.swPause),
                       shown(v.cdTime), shown(v.minutes), shown(v.caption)}
               .join(' ') +
           QString::number(*v.swPauseVisible + 2 * *v.validateTicked + 4 * *v.validateEnabled) +
           (laps.rows() > 0 ? core::lapsTsv(laps, {0, laps.rows() - 1}, {}) : QString());
}

// The window's record as its process writes it and the next one reads it.
core::WindowRecord writtenAndRead(const TimerModels& m, const QString& boot) {
    const core::ParsedRecord parsed = core::parseRecord(core::toJson({{core::recordOf(
        m.window, {"Tea", true, 1, 2, *m.view.validateTicked, shown(m.view.minutes), boot})}}));
    [&] { QCOMPARE(parsed.setAside, QString()); }();
    return parsed.record.windows.empty() ? core::WindowRecord{} : parsed.record.windows[0];
}

} // namespace

class TestWindowRecord : public QObject {
    Q_OBJECT
private slots:
    void nextStart_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("reboot");
        const char* const rows[][2] = {
            {"idle", ""},          {"running", "pw"},     {"captured", "pwcw"},
            {"stopped", "pwp"},    {"converted", "pwpp"}, {"countdown", "dw"},
            {"validating", "vdw"}, {"32767 hours", "pW"}, {"laps", "pwcwcwcwp"}};
        for (const bool reboot : {false, true}) {
            for (const auto& [name, script] : rows) {
                QTest::addRow("%s%s", name, reboot ? ", after a reboot" : "") << script << reboot;
            }
        }
    }
    void nextStart() {
        QFETCH(QString, script);
        QFETCH(bool, reboot);
        TimerModels old;
        old.view.minutes.read("0.5");
        play(old, script);
        const core::WindowRecord record = writtenAndRead(old, "b1");
        TimerModels next;
        next.clock.setWall(old.clock.now());
        next.clock.advance(10);
        next.clock.advanceSteady(reboot ? 0 : old.clock.steadySeconds());
        old.clock.advance(10);
        const QString boot = reboot ? "b2" : "b1";
        core::apply(next.window, core::restore(record, {boot, next.clock.steadySeconds(),
                                                        core::utcMs(next.clock.now())}));
        writtenAndRead(next, boot); // after a reboot, a start before this boot
        // The new window's countdown ticks, then three presses.
        for (int step = 0; step < 24; ++step) {
            const double interval = next.cdRunning() ? *next.view.cdTimerInterval / 1000.0 : 0;
            old.clock.advance(interval);
            next.clock.advance(interval);
            QCOMPARE(seen(next), seen(old));
            if (shown(next.view.cdTime) == "DONE") {
                const double late = (old.clock.now() - old.state.datCDEnd) * core::kSecondsPerDay;
                QVERIFY2(late >= 0 && late < 0.03, qPrintable(QString::number(late)));
            }
            if (step >= 21) {
                QVERIFY(old.press() == next.press());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestWindowRecord)
#include "test_windowrecord.moc"
