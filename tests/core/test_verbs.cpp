// Control from outside the window, without a window: the strict check of a
// countdown's length and of an I.D., and the listing of the recorded windows
// as lines and as JSON.
#include "core/countdown.h"
#include "core/listing.h"
#include "core/verb.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using core::ListedWindow;
using core::Verb;
using core::WindowRecord;
using Kind = Verb::Kind;

namespace {

const QString kBoot = QStringLiteral("boot-1");
constexpr std::int64_t kNowMs = 1772409600000; // 2026-03-02 00:00 UTC
constexpr double kNowBoot = 5000.0;
const core::RestoreClock kNow{kBoot, kNowBoot, kNowMs};

QString english(const char*, const char* text) {
    return QString::fromUtf8(text);
}

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
        QTest::newRow("whole") << "5" << 300.0 << "";
        QTest::newRow("blanks around") << " 90 " << 5400.0 << "";
        QTest::newRow("point") << "0.5" << 30.0 << "";
        QTest::newRow("leading point") << ".5" << 30.0 << "";
        QTest::newRow("trailing point") << "5." << 300.0 << "";
        QTest::newRow("exponent") << "1e1" << 600.0 << "";
        QTest::newRow("a day") << "1440" << 86400.0 << "";
        QTest::newRow("narrowed to a day") << "1440.00001" << 86400.0 << "";
        QTest::newRow("empty") << "" << 0.0 << "No countdown length";
        QTest::newRow("blank") << "  " << 0.0 << "No countdown length";
        QTest::newRow("word") << "abc" << 0.0 << "not a number";
        QTest::newRow("nan") << "nan" << 0.0 << "not a number";
        QTest::newRow("inf") << "inf" << 0.0 << "not a number";
        QTest::newRow("hex") << "0x10" << 0.0 << "not a number";
        QTest::newRow("unit") << "5 min" << 0.0 << "not a number";
        QTest::newRow("two points") << "1.2.3" << 0.0 << "not a number";
        QTest::newRow("decimal comma") << "1,5" << 0.0 << "with a point, as in 1.5";
        QTest::newRow("zero") << "0" << 0.0 << "above 0";
        QTest::newRow("negative") << "-5" << 0.0 << "above 0";
        QTest::newRow("too small for a Single") << "1e-60" << 0.0 << "above 0";
        QTest::newRow("a hair over a day") << "1440.001" << 0.0 << "1440 minutes";
        QTest::newRow("huge") << "1e9" << 0.0 << "1440 minutes";
        QTest::newRow("beyond a double") << "1e999" << 0.0 << "1440 minutes";
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

    void verb_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("why");
        const auto k = [](Kind kind) { return static_cast<int>(kind); };
        QTest::newRow("no I.D. for a new window") << k(Kind::Stopwatch) << ""
                                                  << "";
        QTest::newRow("20 characters") << k(Kind::Press) << QString(20, QChar(0xE9)) << "";
        QTest::newRow("21 characters") << k(Kind::NewWindow) << QString(21, 'x') << "longer";
        QTest::newRow("10,000 characters") << k(Kind::Press) << QString(10000, 'x') << "longer";
        QTest::newRow("line break") << k(Kind::Stopwatch) << "Tea\nOven"
                                    << "control";
        QTest::newRow("escape") << k(Kind::Capture) << "\x1b[31m"
                                << "control";
        QTest::newRow("no I.D. to act on") << k(Kind::StopCountdown) << "  "
                                           << "No I.D.";
    }
    void verb() {
        QFETCH(int, kind);
        QFETCH(QString, id);
        QFETCH(QString, why);
        const core::Refusal refusal = core::checkVerb({Kind(kind), id, QStringLiteral("5")}, 20);
        QCOMPARE(QString::fromUtf8(refusal.pattern).contains(why), true);
        QCOMPARE(bool(refusal), !why.isEmpty());
    }

    void quotedArguments() {
        QCOMPARE(core::quoted(QStringLiteral("a\x1b[2Jb")), QStringLiteral("a?[2Jb"));
        QCOMPARE(core::quoted(QString(10000, 'x')), QString(24, 'x') + QStringLiteral("..."));
        QVERIFY(core::identifies(QStringLiteral(" Tea "), QStringLiteral("Tea")));
        QVERIFY(!core::identifies(QStringLiteral("tea"), QStringLiteral("Tea")));
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

        const QJsonObject json = QJsonDocument::fromJson(core::listingJson(listed)).object();
        const QJsonObject first = json[QStringLiteral("windows")][0].toObject();
        QCOMPARE(first[QStringLiteral("id")].toString(), QStringLiteral("Tea"));
        QCOMPARE(first[QStringLiteral("programRunning")].toBool(), true);
        const QJsonObject countdown = first[QStringLiteral("countdown")].toObject();
        QCOMPARE(countdown[QStringLiteral("state")].toString(), QStringLiteral("running"));
        QCOMPARE(countdown[QStringLiteral("secondsLeft")].toDouble(), 253.0);
        QCOMPARE(countdown[QStringLiteral("end")].toString(), end);
        QCOMPARE(countdown[QStringLiteral("endUtcMs")].toDouble(), double(kNowMs + 252300));
        const QJsonObject last = json[QStringLiteral("windows")][3].toObject();
        QCOMPARE(last[QStringLiteral("stopwatch")][QStringLiteral("state")].toString(),
                 QStringLiteral("converted"));
        QCOMPARE(last[QStringLiteral("programRunning")].toBool(), false);
        QCOMPARE(core::listingText({}, english), QString());
        QCOMPARE(core::listingJson({}), QByteArray("{\"windows\":[]}\n"));
    }
};

QTEST_GUILESS_MAIN(TestVerbs)
#include "test_verbs.moc"
