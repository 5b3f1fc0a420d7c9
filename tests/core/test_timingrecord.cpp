// The timing record read back at start: its format round trip, hostile
// records, and what comes back of a recorded window.
#include "core/restore.h"
#include "core/timingrecord.h"

#include <QTest>

#include <limits>

using core::Instant;
using core::Restored;
using core::WindowRecord;
using Sw = WindowRecord::Stopwatch;

Q_DECLARE_METATYPE(WindowRecord)

namespace {

const QString kBoot = QStringLiteral("0d6c2b4e-8f1a-4c55-9e3b-7a2f10c9d8e1");
constexpr std::int64_t kNowMs = 1772409600000; // 2026-03-02 00:00 UTC
constexpr double kNowBoot = 5000.0;

WindowRecord running(double bootStart, const QString& boot, std::int64_t utcStart) {
    WindowRecord w;
    w.identification = QStringLiteral("Oven");
    w.stopwatch = Sw::Running;
    w.started = {bootStart, boot, utcStart};
    w.capture = QStringLiteral("12.50");
    return w;
}

WindowRecord counting(double bootEnd, std::int64_t utcEnd, bool validates) {
    WindowRecord w = running(kNowBoot - 100, kBoot, kNowMs - 100000);
    w.countdownRunning = true;
    w.countdownEnd = {bootEnd, kBoot, utcEnd};
    w.validates = validates;
    return w;
}

} // namespace

class TestTimingRecord : public QObject {
    Q_OBJECT
private slots:
    void roundTrip() {
        core::TimingRecord record;
        WindowRecord placed = counting(7000.25, kNowMs + 2000250, true);
        placed.placed = true;
        placed.x = -40;
        placed.y = 300;
        placed.identification = QStringLiteral("Ofen \"3\" ü");
        WindowRecord stopped;
        stopped.stopwatch = Sw::Converted;
        stopped.result = QStringLiteral("01:02:03");
        stopped.capture = QStringLiteral("00:00:10");
        // As long an I.D. as the box holds (20 UTF-16 units): astral, joined,
        // right to left with a mark, an override, quotes.
        stopped.identification =
            QStringLiteral("🍵🍵🍵🍵🍵\U0001F469\u200D\U0001F467\u05E9\u05B8\u202E\"\\");
        placed.laps = {kNowMs, 0, 0, {0, 150, 150, 11796479999}};
        stopped.laps = {1, 9, 900, {901}};
        record.windows = {placed, stopped, WindowRecord{}};
        const core::ParsedRecord back = core::parseRecord(core::toJson(record));
        QCOMPARE(back.setAside, QString());
        QVERIFY(back.record == record);
    }

    void hostile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sound");   // windows kept
        QTest::addColumn<QString>("why"); // in the line that says what was set aside
        const QByteArray ok = R"({"stopwatch":{"state":"idle"}})";
        const auto doc = [](const QByteArray& windows) {
            return R"({"format":1,"windows":[)" + windows + "]}";
        };
        QTest::newRow("empty") << QByteArray() << 0 << "empty";
        QTest::newRow("truncated") << doc(ok).chopped(3) << 0 << "not a record";
        QTest::newRow("garbage") << QByteArray("\x00\xff{{", 4) << 0 << "not a record";
        QTest::newRow("other format")
            << QByteArray(R"({"format":2,"windows":[]})") << 0 << "unknown format";
        QTest::newRow("windows not a list")
            << QByteArray(R"({"format":1,"windows":{}})") << 0 << "list of windows";
        QTest::newRow("oversized") << QByteArray(core::kMaxRecordBytes + 1, ' ') << 0 << "larger";
        QByteArray many = "{}";
        for (int i = 1; i < 10000; ++i) {
            many += ",{}";
        }
        QTest::newRow("10000 windows") << doc(many) << 0 << "more than 64";
        QTest::newRow("NaN is no JSON")
            << doc(R"({"x":NaN,"y":0,"stopwatch":{"state":"idle"}})") << 0 << "not a record";
        QTest::newRow("huge x") << doc(R"({"x":1e300,"y":0,"stopwatch":{"state":"idle"}},)" + ok)
                                << 1 << "window 1: x is out of range";
        QTest::newRow("negative boot")
            << doc(R"({"stopwatch":{"state":"running","since":{"boot":-1,"utcMs":0}}})") << 0
            << "boot is out of range";
        QTest::newRow("fractional ms")
            << doc(R"({"stopwatch":{"state":"running","since":{"boot":1,"utcMs":0.5}}})") << 0
            << "fraction";
        QTest::newRow("wrong types") << doc(ok + R"(,7,{"id":3,"stopwatch":{"state":"idle"}})") << 1
                                     << "window 2: entry is not an object; window 3: id";
        QTest::newRow("unknown state")
            << doc(R"({"stopwatch":{"state":"paused"}})") << 0 << "unknown";
        QTest::newRow("no stopwatch") << doc("{}") << 0 << "stopwatch is missing";
        QTest::newRow("countdown without end")
            << doc(R"({"stopwatch":{"state":"idle"},"countdown":{"validates":true}})") << 0
            << "end is missing";
        QTest::newRow("long result")
            << doc(R"({"stopwatch":{"state":"stopped","result":")" + QByteArray(40, '9') + R"("}})")
            << 0 << "result is too long";
        QTest::newRow("control character")
            << doc(R"({"stopwatch":{"state":"stopped","result":"a\u0007b"}})") << 0 << "control";
        // What the user typed is cleaned, not refused; format 1 without captured.
        QTest::newRow("lone surrogates, no captured, no boot reading")
            << doc(R"({"id":"a\ud800","minutes":"\udc00","stopwatch":{"state":"running","capture":"0","since":{"utcMs":5}}})")
            << 1 << "";
        QTest::newRow("bad validates")
            << doc(R"({"stopwatch":{"state":"idle"},"countdown":{"end":{"boot":1,"utcMs":1},"validates":"yes"}})")
            << 0 << "validates is not true or false";
    }
    void hostile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, sound);
        QFETCH(QString, why);
        const core::ParsedRecord parsed = core::parseRecord(bytes);
        QCOMPARE(int(parsed.record.windows.size()), sound);
        QVERIFY2(parsed.setAside.contains(why), qPrintable(parsed.setAside));
        QVERIFY(!parsed.setAside.contains(QLatin1Char('\n')));
    }

    // Laps that are not sound are left out from the first bad one on, and
    // said so; the window and its timing stay.
    void hostileLaps_data() {
        QTest::addColumn<QByteArray>("laps");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("why");
        QTest::newRow("sound") << QByteArray(R"({"startUtcMs":1,"splits":[1,2]})") << 2 << "";
        QTest::newRow("not an object") << QByteArray("[1,2]") << 0 << "laps is not an object";
        QTest::newRow("no splits") << QByteArray(R"({"startUtcMs":1})") << 0 << "not a list";
        QTest::newRow("out of order")
            << QByteArray(R"({"startUtcMs":1,"splits":[5,9,3,10]})") << 2 << "lap 3 ends before";
        QTest::newRow("before the summary")
            << QByteArray(R"({"startUtcMs":1,"summarised":4,"summarisedSplit":50,"splits":[49]})")
            << 0 << "lap 5 ends before";
        QTest::newRow("fraction, text, negative, huge")
            << QByteArray(R"({"startUtcMs":1,"splits":[1,1.5,"2",-1,1e300]})") << 1
            << "lap 2 is not a split";
        QByteArray many = R"({"startUtcMs":1,"splits":[0)";
        for (int i = 0; i < core::kMaxRecordLaps; ++i) {
            many += ",0";
        }
        QTest::newRow("beyond the limit") << many + "]}" << int(core::kMaxRecordLaps) << "beyond";
    }
    void hostileLaps() {
        QFETCH(QByteArray, laps);
        const core::ParsedRecord parsed = core::parseRecord(
            R"({"format":1,"windows":[{"stopwatch":{"state":"stopped","result":"5.00","capture":"1.00","laps":)" +
            laps + "}}]}");
        QCOMPARE(parsed.setAside, QString());
        QCOMPARE(parsed.record.windows.size(), std::size_t{1});
        const WindowRecord& w = parsed.record.windows[0];
        QTEST(int(w.laps.splits.size()), "kept");
        QFETCH(QString, why);
        QVERIFY2(why.isEmpty() ? w.lapsDropped.isEmpty() : w.lapsDropped.contains(why),
                 qPrintable(w.lapsDropped));
        const Restored r = core::restore(w, {kBoot, kNowBoot, kNowMs});
        QCOMPARE(int(r.stopwatch), int(Sw::Stopped));
        QCOMPARE(r.reason != nullptr, !why.isEmpty());
    }

    // Beyond the record's size, every window keeps fewer laps, the earlier
    // summarised: no run is lost.
    void manyLapsFit() {
        WindowRecord w = running(1, kBoot, kNowMs);
        for (std::int64_t i = 0; i < 5000; ++i) {
            w.laps.splits.push_back(11796400000 + i);
        }
        const QByteArray bytes = core::toJson({std::vector<WindowRecord>(40, w)});
        QVERIFY(bytes.size() <= core::kMaxRecordBytes);
        const core::ParsedRecord back = core::parseRecord(bytes);
        QCOMPARE(back.record.windows.size(), std::size_t{40});
        const core::LapList& laps = back.record.windows[39].laps;
        QCOMPARE(laps.count(), std::int64_t{5000});
        QCOMPARE(laps.splits.back(), 11796404999);
        QCOMPARE(laps.summarisedSplit + 1, laps.splits.front());
    }

    // Whatever a window holds, what is written reads back.
    void writtenReadsBack() {
        WindowRecord w = running(1, QString(100, 'b'), -5);
        w.placed = true;
        w.x = std::numeric_limits<int>::min();
        w.identification = QString(300, QChar(0xD83C));
        w.minutes = QString(100, QChar(0x1F));
        w.capture = QString(40, '9');
        const core::ParsedRecord back =
            core::parseRecord(core::toJson({{w, running(-3600, kBoot, kNowMs)}}));
        QCOMPARE(back.setAside, QString());
        // Lone halves of pairs and control characters cleaned.
        const QChar unfit = QChar::ReplacementCharacter;
        QCOMPARE(back.record.windows[0].identification, QString(core::kMaxIdentification, unfit));
        QCOMPARE(back.record.windows[0].minutes, QString(core::kMaxMinutes, unfit));
    }

    void restore_data() {
        QTest::addColumn<WindowRecord>("record");
        QTest::addColumn<QString>("bootNow");
        QTest::addColumn<int>("stopwatch"); // Sw
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<int>("countdown"); // Restored::Countdown
        QTest::addColumn<double>("remaining");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("dropped"); // something recorded did not come back
        const auto none = int(Restored::Countdown::None);
        const auto on = int(Restored::Countdown::Running);
        const auto ended = int(Restored::Countdown::Ended);
        // The wall clock was set back an hour during the run: the same boot
        // goes by the boot-time clock, another boot by the wall clock.
        const WindowRecord wallSetBack = running(kNowBoot - 600, kBoot, kNowMs + 3000000);
        QTest::newRow("same boot: boot-time clock")
            << wallSetBack << kBoot << int(Sw::Running) << 600.0 << none << 0.0 << "" << false;
        QTest::newRow("after a reboot: wall clock")
            << running(9000, kBoot, kNowMs - 7200000) << "other" << int(Sw::Running) << 7200.0
            << none << 0.0 << "" << false;
        QTest::newRow("from the future")
            << wallSetBack << "other" << int(Sw::Idle) << 0.0 << none << 0.0 << "" << true;
        QTest::newRow("more than ten years")
            << running(1, kBoot, kNowMs - 3700LL * 86400000) << "other" << int(Sw::Idle) << 0.0
            << none << 0.0 << "" << true;
        QTest::newRow("boot-time ahead of now on the same boot")
            << running(kNowBoot + 1, kBoot, kNowMs) << kBoot << int(Sw::Idle) << 0.0 << none << 0.0
            << "" << true;
        QTest::newRow("no boot id: wall clock")
            << running(kNowBoot - 5, QString(), kNowMs - 60000) << "" << int(Sw::Running) << 60.0
            << none << 0.0 << "" << false;
        QTest::newRow("a second beyond what converts")
            << running(1, kBoot, kNowMs - 117964800000) << "other" << int(Sw::Idle) << 0.0 << none
            << 0.0 << "" << true;
        WindowRecord lapsAhead = running(kNowBoot - 600, kBoot, kNowMs);
        lapsAhead.laps.splits = {100, 60001};
        QTest::newRow("laps ending after now")
            << lapsAhead << kBoot << int(Sw::Running) << 600.0 << none << 0.0 << "" << true;
        WindowRecord stopped = running(kNowBoot, kBoot, kNowMs);
        stopped.stopwatch = Sw::Stopped;
        stopped.result = QStringLiteral("117964799.50");
        QTest::newRow("stopped beyond what converts")
            << stopped << kBoot << int(Sw::Idle) << 0.0 << none << 0.0 << "" << true;
        QTest::newRow("countdown to run on")
            << counting(kNowBoot + 90, kNowMs, false) << kBoot << int(Sw::Running) << 100.0 << on
            << 90.0 << "" << false;
        QTest::newRow("countdown ended, not validating")
            << counting(kNowBoot - 30, kNowMs, false) << kBoot << int(Sw::Running) << 100.0 << ended
            << -30.0 << "" << false;
        QTest::newRow("countdown ended, stopwatch stopped at its end")
            << counting(kNowBoot - 30, kNowMs, true) << kBoot << int(Sw::Stopped) << 100.0 << ended
            << -30.0 << "70.00" << false;
        QTest::newRow("countdown ended before a reboot")
            << counting(1, kNowMs - 60000, false) << "other" << int(Sw::Running) << 100.0 << ended
            << -60.0 << "" << false;
        QTest::newRow("countdown beyond 24 hours")
            << counting(kNowBoot + 90000, kNowMs, false) << kBoot << int(Sw::Running) << 100.0
            << none << 0.0 << "" << true;
    }
    void restore() {
        QFETCH(WindowRecord, record);
        QFETCH(QString, bootNow);
        const Restored r = core::restore(record, {bootNow, kNowBoot, kNowMs});
        QTEST(int(r.stopwatch), "stopwatch");
        QTEST(r.elapsed, "elapsed");
        QTEST(int(r.countdown), "countdown");
        QTEST(r.remaining, "remaining");
        QTEST(r.result, "result");
        QTEST(!r.dropped.isEmpty(), "dropped");
        QVERIFY(r.laps.splits.empty() || r.laps.splits.back() <= r.elapsed * 100);
        if (r.countdown == Restored::Countdown::Ended) {
            QCOMPARE(r.endedUtcMs, kNowMs + std::int64_t(r.remaining * 1000));
        }
    }
};

QTEST_APPLESS_MAIN(TestTimingRecord)
#include "test_timingrecord.moc"
