// The laps of a run: lap times from the splits, the fastest and the slowest
// kept as laps come and after a summary, and the cells of the copied and saved
// text, none of which starts a formula in a spreadsheet.
#include "core/laps.h"

#include <QTest>

using Splits = std::vector<std::int64_t>;
Q_DECLARE_METATYPE(Splits)

class TestLaps : public QObject {
    Q_OBJECT
private slots:
    void arithmetic_data() {
        QTest::addColumn<Splits>("splits");    // hundredths
        QTest::addColumn<qint64>("kept");      // laps kept one by one, the rest summarised
        QTest::addColumn<QString>("expected"); // lap:lap time:split, fastest* slowest!
        QTest::newRow("one lap: no marks") << Splits{1234} << 9LL << "1:12.34:12.34";
        QTest::newRow("three captures and a stop")
            << Splits{1000, 2500, 3000, 4200} << 9LL
            << "1:10.00:10.00 2:15.00:25.00! 3:5.00:30.00* 4:12.00:42.00";
        QTest::newRow("equal laps: no marks")
            << Splits{500, 1000} << 9LL << "1:5.00:5.00 2:5.00:10.00";
        QTest::newRow("ties: the first keeps the mark")
            << Splits{100, 300, 400, 600} << 9LL
            << "1:1.00:1.00* 2:2.00:3.00! 3:1.00:4.00 4:2.00:6.00";
        QTest::newRow("captures in one hundredth")
            << Splits{0, 0, 7} << 9LL << "1:0.00:0.00* 2:0.00:0.00 3:0.07:0.07!";
        QTest::newRow("summarised: marks among the laps kept")
            << Splits{100, 1100, 1300, 1800} << 2LL
            << "1..2:11.00:11.00 3:2.00:13.00* 4:5.00:18.00!";
        QTest::newRow("all summarised") << Splits{100, 200} << 0LL << "1..2:2.00:2.00";
        QTest::newRow("past a day")
            << Splits{8640000, 8640101} << 9LL << "1:86400.00:86400.00! 2:1.01:86401.01*";
    }
    void arithmetic() {
        QFETCH(Splits, splits);
        QFETCH(qint64, kept);
        core::Laps live;
        live.clear(42);
        for (const std::int64_t split : splits) {
            live.add(split);
        }
        // The record keeps the last laps; the laps restored from it mark anew.
        core::Laps laps;
        laps.restore(live.recorded(kept));
        QCOMPARE(laps.count(), std::int64_t(splits.size()));
        QCOMPARE(laps.startUtcMs(), std::int64_t{42});
        QStringList rows;
        for (std::int64_t i = 0; i < laps.rows(); ++i) {
            const core::Lap lap = laps.row(i);
            rows << QStringLiteral("%1%2:%3:%4%5")
                        .arg(lap.summary() ? QStringLiteral("%1..").arg(lap.first) : QString())
                        .arg(lap.number)
                        .arg(core::hundredthsText(lap.lap), core::hundredthsText(lap.split))
                        .arg(laps.fastest() == i   ? "*"
                             : laps.slowest() == i ? "!"
                                                   : "");
        }
        QFETCH(QString, expected);
        QCOMPARE(rows.join(' '), expected);
    }

    void cells_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("tsv");
        QTest::addColumn<QString>("csv");
        const char* const rows[][4] = {
            {"number", "12.34", "12.34", "12.34"},
            {"negative number", "-1.50", "-1.50", "-1.50"},
            {"formula", "=1+2", "'=1+2", "'=1+2"},
            {"plus call", "+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
            {"minus text", "-x", "'-x", "'-x"},
            {"at", "@SUM(A1)", "'@SUM(A1)", "'@SUM(A1)"},
            {"comma and quote", "a,\"b\"", "a,\"b\"", "\"a,\"\"b\"\"\""},
            {"tab and line", "a\tb\nc", "a b c", "\"a\tb\nc\""},
            {"summary row", "1..9", "1..9", "1..9"}};
        for (const auto& [name, cell, tsv, csv] : rows) {
            QTest::newRow(name) << QString(cell) << QString(tsv) << QString(csv);
        }
    }
    void cells() {
        QFETCH(QString, cell);
        QTEST(core::safeCell(cell, false), "tsv");
        QTEST(core::safeCell(cell, true), "csv");
    }
};

QTEST_APPLESS_MAIN(TestLaps)
#include "test_laps.moc"
