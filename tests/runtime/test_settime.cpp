// Reading a typed time of day, and the instant it names on today's local date.
#include "runtime/clock.h"
#include "runtime/errors.h"
#include "runtime/settime.h"
#include "runtime/systemclocksetter.h"

#include <QDateTime>
#include <QTest>

#include <ctime>
#include <optional>

using namespace runtime;

Q_DECLARE_METATYPE(std::optional<runtime::TimeOfDay>)

namespace {

Date utc(const char* iso) {
    return dateFromUnixSeconds(static_cast<double>(
        QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch()));
}

QString utcText(std::int64_t microseconds) {
    return QDateTime::fromMSecsSinceEpoch(microseconds / 1000, Qt::UTC).toString(Qt::ISODate);
}

} // namespace

class TestSetTime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // A zone with summer time whose local date differs from the UTC date
        // for five hours every evening.
        qputenv("TZ", "EST5EDT,M3.2.0,M11.1.0");
        tzset();
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<TimeOfDay>>("expected");
        using T = TimeOfDay;
        const auto row = [](const char* name, const QString& text, std::optional<TimeOfDay> t) {
            QTest::newRow(name) << text << t;
        };
        // The three forms the help text names.
        row("24-hour", "13:09", T{13, 9, 0});
        row("12-hour PM", "1:09 PM", T{13, 9, 0});
        row("no marker is 24-hour", "1:09", T{1, 9, 0});
        // Seconds, markers in any case and spacing, blanks around.
        row("seconds", "13:09:30", T{13, 9, 30});
        row("seconds with marker", "1:09:30 pm", T{13, 9, 30});
        row("marker without blank", "1:09PM", T{13, 9, 0});
        row("mixed case marker", "1:09 pM", T{13, 9, 0});
        row("am", "9:15 am", T{9, 15, 0});
        row("hour and marker only", "1 PM", T{13, 0, 0});
        row("blanks around", "  7:05  ", T{7, 5, 0});
        row("leading zero", "07:05", T{7, 5, 0});
        row("midnight 24-hour", "0:00", T{0, 0, 0});
        row("last second", "23:59:59", T{23, 59, 59});
        // The ends of the 12-hour clock.
        row("12:30 AM is after midnight", "12:30 AM", T{0, 30, 0});
        row("12:30 PM is after noon", "12:30 PM", T{12, 30, 0});
        row("12 am", "12 am", T{0, 0, 0});
        row("11:59:59 PM", "11:59:59 PM", T{23, 59, 59});
        row("12:00 PM", "12:00 PM", T{12, 0, 0});
        // Refused.
        row("empty", "", std::nullopt);
        row("blanks only", "   ", std::nullopt);
        row("no digits", "abc", std::nullopt);
        row("colons only", "::", std::nullopt);
        row("hour 24", "24:00", std::nullopt);
        row("hour 25", "25:00", std::nullopt);
        row("minute 60", "12:60", std::nullopt);
        row("second 60", "12:30:60", std::nullopt);
        row("13 PM", "13:09 PM", std::nullopt);
        row("0 AM", "0:30 AM", std::nullopt);
        row("one-digit minutes", "1:9", std::nullopt);
        row("one-digit seconds", "1:09:5", std::nullopt);
        row("three-digit hour", "123:09", std::nullopt);
        row("trailing colon", "1:09:", std::nullopt);
        row("bare number", "13", std::nullopt);
        row("colon without minutes", "1:", std::nullopt);
        row("unknown marker", "1:09 XM", std::nullopt);
        row("half a marker", "1:09 P", std::nullopt);
        row("marker and more", "1:09 PMX", std::nullopt);
        row("two markers", "1:09 PM PM", std::nullopt);
        row("signed", "-1:09", std::nullopt);
        row("point separator", "1.09", std::nullopt);
        row("text after", "1:09 tomorrow", std::nullopt);
        row("wide digits", QStringLiteral(u"\uFF11:09"), std::nullopt);
        row("date and time", "2026-03-01 13:09", std::nullopt);
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(std::optional<TimeOfDay>, expected);
        if (expected) {
            const TimeOfDay t = parseTimeOfDay(text);
            QCOMPARE(QTime(t.hour, t.minute, t.second),
                     QTime(expected->hour, expected->minute, expected->second));
            return;
        }
        try {
            (void)parseTimeOfDay(text);
            QFAIL("accepted");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), ErrorNumber::TypeMismatch);
        }
    }

    // The date kept is the local date at the moment of setting, not the UTC one.
    void onTodaysLocalDate_data() {
        QTest::addColumn<QString>("nowUtc");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedUtc"); // empty: the clock is not set
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
        QTest::newRow("after the skipped hour") << "2026-03-08T12:00:00Z"
                                                << "3:00 AM"
                                                << "2026-03-08T07:00:00Z";
        QTest::newRow("skipped hour") << "2026-03-08T12:00:00Z"
                                      << "2:30 AM"
                                      << "";
    }
    void onTodaysLocalDate() {
        QFETCH(QString, nowUtc);
        QFETCH(QString, text);
        QFETCH(QString, expectedUtc);
        const Date now = utc(qPrintable(nowUtc));
        const TimeOfDay time = parseTimeOfDay(text);
        if (expectedUtc.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(ClockNotSet, (void)localTimeOnSameDay(now, time));
            return;
        }
        QCOMPARE(utcText(localTimeOnSameDay(now, time)), expectedUtc);
    }

    void setTimeHandsTheInstantOnOrNothing() {
        struct Recorder final : ClockSetter {
            std::vector<std::int64_t> calls;
            void setClock(std::int64_t us) override { calls.push_back(us); }
        } recorder;
        const Date now = utc("2026-03-02T00:00:00Z");
        setTime(u"1:09 PM", now, recorder);
        QCOMPARE(recorder.calls.size(), std::size_t{1});
        QCOMPARE(utcText(recorder.calls.front()), "2026-03-01T18:09:00Z");
        QCOMPARE(recorder.calls.front() % 1000000, 0); // whole seconds
        QVERIFY_THROWS_EXCEPTION(RuntimeError, setTime(u"12:60", now, recorder));
        QVERIFY_THROWS_EXCEPTION(ClockNotSet,
                                 setTime(u"2:30", utc("2026-03-08T12:00:00Z"), recorder));
        QCOMPARE(recorder.calls.size(), std::size_t{1});
    }

    void unavailableSetterRefuses() {
        UnavailableClockSetter setter;
        try {
            setter.setClock(0);
            QFAIL("set");
        } catch (const ClockNotSet& e) {
            QCOMPARE(QString::fromStdString(e.reason()),
                     "Setting the computer's clock is not available on this system.");
        }
    }
};

QTEST_GUILESS_MAIN(TestSetTime)
#include "test_settime.moc"
