// Reading a typed time of day, and the instant it names on today's local date.
#include "core/clock.h"
#include "core/errors.h"
#include "core/timeofday.h"

#include <QDateTime>
#include <QTest>

#include <ctime>

using namespace core;

class TestTimeOfDay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Summer time, and a local date that differs from the UTC date for five
        // hours every evening.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // hh:mm:ss; empty: error 13
        const char* const rows[][2] = {
            {"13:09", "13:09:00"},
            {"1:09 PM", "13:09:00"},
            {"1:09", "01:09:00"},
            {"13:09:30", "13:09:30"},
            {"1:09:30 pm", "13:09:30"},
            {"1:09PM", "13:09:00"},
            {"9:15 aM", "09:15:00"},
            {"  7:05  ", "07:05:00"},
            {"1 PM", "13:00:00"},
            {"0:00", "00:00:00"},
            {"12:30 AM", "00:30:00"},
            {"12:30 PM", "12:30:00"},
            {"12 am", "00:00:00"},
            {"11:59:59 PM", "23:59:59"},
            {"23:59:59", "23:59:59"},
            {"", ""},
            {"   ", ""},
            {"abc", ""},
            {"24:00", ""},
            {"25:00", ""},
            {"12:60", ""},
            {"12:30:60", ""},
            {"13:09 PM", ""},
            {"0:30 AM", ""},
            {"1:9", ""},
            {"1:09:5", ""},
            {"123:09", ""},
            {"1:09:", ""},
            {"13", ""},
            {"1:09 XM", ""},
            {"1:09 P", ""},
            {"1:09 PM PM", ""},
            {"-1:09", ""},
            {"1.09", ""},
            {"1:09 tomorrow", ""},
            {"\uFF11:09", ""},
        };
        for (const auto& [text, expected] : rows) {
            QTest::addRow("\"%s\"", text) << QString::fromUtf8(text) << QString(expected);
        }
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        try {
            const TimeOfDay t = parseTimeOfDay(text);
            QCOMPARE(QTime(t.hour, t.minute, t.second).toString(Qt::ISODate), expected);
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), ErrorNumber::TypeMismatch);
            QVERIFY2(expected.isEmpty(), "refused");
        }
    }

    // The date kept is the local date at the moment of setting, not the UTC one.
    void onTodaysLocalDate_data() {
        QTest::addColumn<QString>("nowUtc");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedUtc"); // empty: refused as ClockNotSet
        QTest::newRow("evening: UTC already tomorrow") << "2026-03-02T00:00:00Z"
                                                       << "13:09"
                                                       << "2026-03-01T18:09:00Z";
        QTest::newRow("last second of the local day") << "2026-03-02T04:59:59Z"
                                                      << "1:09"
                                                      << "2026-03-01T06:09:00Z";
        QTest::newRow("first second of the local day") << "2026-03-02T05:00:00Z"
                                                       << "1:09 PM"
                                                       << "2026-03-02T18:09:00Z";
        QTest::newRow("summer time") << "2026-07-01T12:00:00Z"
                                     << "13:09:30"
                                     << "2026-07-01T17:09:30Z";
        QTest::newRow("hour passed twice: the first time") << "2026-11-01T12:00:00Z"
                                                           << "1:30 AM"
                                                           << "2026-11-01T05:30:00Z";
        QTest::newRow("skipped hour") << "2026-03-08T12:00:00Z"
                                      << "2:30 AM"
                                      << "";
    }
    void onTodaysLocalDate() {
        QFETCH(QString, nowUtc);
        QFETCH(QString, text);
        QFETCH(QString, expectedUtc);
        const Date now = dateFromUnixSeconds(
            static_cast<double>(QDateTime::fromString(nowUtc, Qt::ISODate).toSecsSinceEpoch()));
        const TimeOfDay time = parseTimeOfDay(text);
        if (expectedUtc.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(ClockNotSet, (void)localTimeOnSameDay(now, time));
            return;
        }
        const std::int64_t us = localTimeOnSameDay(now, time);
        QCOMPARE(us % 1000000, 0);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(us / 1000, Qt::UTC).toString(Qt::ISODate),
                 expectedUtc);
    }
};

QTEST_GUILESS_MAIN(TestTimeOfDay)
#include "test_timeofday.moc"
