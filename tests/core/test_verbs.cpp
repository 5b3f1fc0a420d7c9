// Control from outside the window, without a window: the strict check of a
// countdown's length, and the listing of the recorded windows as lines and as
// JSON. (The I.D.'s checks: app/test_remote.cpp.)
#include "core/countdown.h"
#include "core/listing.h"
#include "core/verb.h"

#include <QTest>

using core::ListedWindow;
using core::WindowRecord;

namespace {

const QString kBoot = QStringLiteral("boot-1");
constexpr std::int64_t kNowMs = 1772409600000; // 2026-03-02 00:00 UTC
constexpr double kNowBoot = 5000.0;
const core::RestoreClock kNow{kBoot, kNowBoot, kNowMs};

const core::Translate english = [](const char*, const char* text) { return QString(text); };

WindowRecord window(const char* id) {
    WindowRecord w;
    w.identification = QString::fromUtf8(id);
    return w;
}

} // namespace

class TestVerbs : public QObject {
    Q_OBJECT
private slots:
    void length_data() {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<double>("seconds"); // 0: refused
        QTest::addColumn<QString>("why");    // what the refusal says
        QTest::newRow("blanks around") << " 90 " << 5400.0 << "";
        QTest::newRow("point") << "0.5" << 30.0 << "";
        QTest::newRow("narrowed to a day") << "1440.00001" << 86400.0 << "";
        QTest::newRow("empty") << "" << 0.0 << "No countdown length";
        QTest::newRow("word") << "abc" << 0.0 << "not a number";
        QTest::newRow("nan") << "nan" << 0.0 << "not a number";
        QTest::newRow("decimal comma") << "1,5" << 0.0 << "with a point, as in 1.5";
        QTest::newRow("zero") << "0" << 0.0 << "above 0";
        QTest::newRow("negative") << "-5" << 0.0 << "above 0";
        QTest::newRow("too small for a Single") << "1e-60" << 0.0 << "above 0";
        QTest::newRow("a hair over a day") << "1440.001" << 0.0 << "1440 minutes";
        QTest::newRow("huge") << "1e9" << 0.0 << "1440 minutes";
    }
    void length() {
        QFETCH(QString, minutes);
        QFETCH(double, seconds);
        QFETCH(QString, why);
        const core::CountdownLength length = core::countdownLength(minutes);
        QCOMPARE(length.seconds, seconds);
        QCOMPARE(QString::fromUtf8(length.refusal.pattern).contains(why), true);
        QCOMPARE(bool(length.refusal), seconds == 0.0);
        if (seconds > 0.0) { // the window's own countdown reads the same length
            QCOMPARE(double(core::Countdown::lengthSeconds(minutes.toStdString())), seconds);
        }
    }

    void listing() {
        WindowRecord runs = window("Run");
        runs.stopwatch = WindowRecord::Stopwatch::Running;
        runs.started = {kNowBoot - 65, kBoot, kNowMs - 65000};
        WindowRecord tea = window("Tea");
        tea.countdownRunning = true;
        tea.countdownEnd = {kNowBoot + 252.3, kBoot, kNowMs + 252300};
        WindowRecord oven = window("");
        oven.countdownRunning = true; // ended since
        oven.countdownEnd = {kNowBoot - 10, kBoot, kNowMs - 10000};
        oven.stopwatch = WindowRecord::Stopwatch::Converted;
        oven.result = QStringLiteral("0:01:05");
        WindowRecord done = window("Done");
        done.countdownDone = true;
        core::TimingRecord kept{{done}}; // kept in the record file
        QCOMPARE(core::parseRecord(core::toJson(kept)).record, kept);
        const std::vector<core::KeptRecord> records{{true, {window("Idle"), tea, done}},
                                                    {false, {runs, oven, done}}};

        const std::vector<ListedWindow> listed = core::listWindows(records, kNow);
        const QString end = core::localTimeOfDay(kNowMs + 252300);
        QCOMPARE(core::listingText(listed, english),
                 QStringLiteral("Tea: countdown 0:04:12 left, ends at %1\n"
                                "Done: countdown DONE\n"
                                "Run: stopwatch 65.00, running (Horolux not running: comes back "
                                "at its next start)\n"
                                "(no I.D.): countdown DONE; stopwatch 0:01:05, stopped (Horolux "
                                "not running: comes back at its next start)\n")
                     .arg(end));

        QCOMPARE(core::listingJson(listed),
                 QStringLiteral(
                     R"({"windows":[{"countdown":{"end":"%1","endUtcMs":1772409852300,)"
                     R"("secondsLeft":252,"shows":"0:04:12","state":"running"},"id":"Tea",)"
                     R"("programRunning":true},{"countdown":{"shows":"DONE","state":"done"},)"
                     R"("id":"Done","programRunning":true},{"id":"Run","programRunning":false,)"
                     R"("stopwatch":{"shows":"65.00","state":"running"}},{"countdown":{"shows":)"
                     R"("DONE","state":"done"},"id":"","programRunning":false,"stopwatch":{)"
                     R"("shows":"0:01:05","state":"converted"}}]})"
                     "\n")
                     .arg(end)
                     .toUtf8());
        QCOMPARE(core::listingText({}, english), QString());
        QCOMPARE(core::listingJson({}), QByteArray("{\"windows\":[]}\n"));
    }
};

QTEST_GUILESS_MAIN(TestVerbs)
#include "test_verbs.moc"
