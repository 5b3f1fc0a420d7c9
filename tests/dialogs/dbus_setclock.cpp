// Setting the clock through timedated, against a stand-in on a private system
// bus (tests/support/private_system_bus.py with timedated_template.py): the
// instant it receives, its refusals as the user sees them, and the wait.
#include "runtime/settime.h"
#include "runtime/systemclocksetter.h"
#include "support/probe.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <ctime>

using namespace std::chrono_literals;

namespace {

struct SetTimeCall {
    qlonglong usecUtc = 0;
    bool relative = true;
    bool interactive = false;
};

QDBusMessage callMock(const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.timedate1"),
                                                       QStringLiteral("/org/freedesktop/timedate1"),
                                                       interface, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call);
}

QDBusMessage control(const QString& method, const QVariantList& arguments = {}) {
    return callMock(QStringLiteral("org.freedesktop.DBus.Mock"), method, arguments);
}

std::vector<SetTimeCall> setTimeCalls() {
    const QDBusMessage reply = control(QStringLiteral("GetSetTimeCalls"));
    std::vector<SetTimeCall> calls;
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return calls;
    }
    const auto array = reply.arguments().at(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        SetTimeCall call;
        array.beginStructure();
        array >> call.usecUtc >> call.relative >> call.interactive;
        array.endStructure();
        calls.push_back(call);
    }
    array.endArray();
    return calls;
}

// The instant the local clock reads `time` today, worked out with the C
// library rather than the way the program does it.
qlonglong todayAt(QTime time) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    local.tm_hour = time.hour();
    local.tm_min = time.minute();
    local.tm_sec = time.second();
    local.tm_isdst = -1;
    return static_cast<qlonglong>(std::mktime(&local)) * 1000000;
}

// A fallback that must stay unused while the service answers.
struct CountingFallback final : runtime::ClockSetter {
    int* calls;
    explicit CountingFallback(int* counter) : calls(counter) {}
    void setClock(std::int64_t /*microsecondsUtc*/) override { ++*calls; }
};

} // namespace

class TestDbusSetClock : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        configureTestApplication();
        // Never the machine's own bus: its timedated would set the real clock.
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        QVERIFY2(!address.isEmpty() && address == qgetenv("HOROLUX_PRIVATE_SYSTEM_BUS"),
                 "run through tests/support/private_system_bus.py");
        QVERIFY(QDBusConnection::systemBus().isConnected());
        // A zone twelve hours off, on the side where today's local date is
        // not the UTC date, so that a UTC date would show.
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        gmtime_r(&now, &utc);
        qputenv("TZ", utc.tm_hour < 12 ? "WEST+12" : "EAST-12");
        tzset();
        std::tm local{};
        localtime_r(&now, &local);
        QVERIFY(local.tm_mday != utc.tm_mday);
        qInfo("TZ=%s, local date %04d-%02d-%02d", qgetenv("TZ").constData(), local.tm_year + 1900,
              local.tm_mon + 1, local.tm_mday);
    }

    void init() {
        QCOMPARE(callMock(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetNTP"),
                          {false, false})
                     .type(),
                 QDBusMessage::ReplyMessage);
        control(QStringLiteral("SetAuthorized"), {true});
        control(QStringLiteral("SetReplyDelay"), {0.0});
        control(QStringLiteral("ClearSetTimeCalls"));
    }

    // The stand-in takes only the real signature, so a call it accepts was (xbb).
    void standInChecksTheSignature() {
        const QDBusMessage wrong = callMock(QStringLiteral("org.freedesktop.timedate1"),
                                            QStringLiteral("SetTime"), {int(5), false, true});
        QCOMPARE(wrong.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(wrong.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
        QVERIFY(setTimeCalls().empty());
    }

    // The forms the help text names, on today's local date: absolute,
    // interactive, to the microsecond.
    void instantReceived_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time");
        QTest::newRow("13:09") << "13:09" << QTime(13, 9);
        QTest::newRow("1:09 PM") << "1:09 PM" << QTime(13, 9);
        QTest::newRow("1:09") << "1:09" << QTime(1, 9);
        QTest::newRow("12:30:15 am") << "12:30:15 am" << QTime(0, 30, 15);
    }
    void instantReceived() {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        int fallbacks = 0;
        runtime::TimedatedClockSetter setter(std::make_unique<CountingFallback>(&fallbacks));
        runtime::SystemClock clock;
        const qlonglong expected = todayAt(time);
        runtime::setTime(text, clock.now(), setter);
        const std::vector<SetTimeCall> calls = setTimeCalls();
        QCOMPARE(calls.size(), std::size_t{1});
        qInfo("\"%s\" -> usec_utc %lld (%s local)", qPrintable(text), calls.front().usecUtc,
              qPrintable(QDateTime::fromMSecsSinceEpoch(calls.front().usecUtc / 1000)
                             .toString(Qt::ISODate)));
        QCOMPARE(calls.front().usecUtc, expected);
        QCOMPARE(calls.front().relative, false);
        QCOMPARE(calls.front().interactive, true);
        QCOMPARE(fallbacks, 0);
    }

    // The button, the real setter and the stand-in together: success says
    // nothing; a refusal says why, and the clock is never set another way.
    void fromTheButton_data() {
        QTest::addColumn<bool>("ntp");
        QTest::addColumn<bool>("authorized");
        QTest::addColumn<QString>("prompt"); // empty: no box
        QTest::newRow("accepted") << false << true << "";
        QTest::newRow("time synchronisation on")
            << true << true
            << "The clock was not changed.\r\nAutomatic time synchronization is on; turn it "
               "off in the system settings first.";
        QTest::newRow("not authorised")
            << false << false
            << "The clock was not changed.\r\nYou are not allowed to set the clock, or the "
               "authorization was refused.";
    }
    void fromTheButton() {
        QFETCH(bool, ntp);
        QFETCH(bool, authorized);
        QFETCH(QString, prompt);
        callMock(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetNTP"),
                 {ntp, false});
        control(QStringLiteral("SetAuthorized"), {authorized});

        int fallbacks = 0;
        runtime::SystemClock clock;
        runtime::ScriptedDialogs dialogs;
        runtime::TimedatedClockSetter setter(std::make_unique<CountingFallback>(&fallbacks));
        frmStopwatch w(runtime::Services{clock, dialogs, setter});
        frmStopwatchProbe p(w);
        p.control<QLineEdit>("txtTime")->setText(QStringLiteral("1:09 PM"));
        p.control<QPushButton>("cmdSetYourClock")->click();

        QCOMPARE(fallbacks, 0);
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), "1:09 PM");
        if (prompt.isEmpty()) {
            QVERIFY(dialogs.boxes().empty());
            QCOMPARE(setTimeCalls().size(), std::size_t{1});
            QCOMPARE(setTimeCalls().front().usecUtc, todayAt(QTime(13, 9)));
            return;
        }
        QVERIFY(setTimeCalls().empty());
        QCOMPARE(dialogs.boxes().size(), std::size_t{1});
        QCOMPARE(dialogs.boxes().front().prompt, prompt);
        QCOMPARE(dialogs.boxes().front().style, 48);
        QCOMPARE(dialogs.boxes().front().title, "Tick Tock!!");
    }

    // While the answer is awaited (a password prompt, say) the timers tick on.
    void timersTickWhileWaiting() {
        control(QStringLiteral("SetReplyDelay"), {0.6});
        runtime::TimedatedClockSetter setter(nullptr);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(10);
        QElapsedTimer waited;
        waited.start();
        setter.setClock(todayAt(QTime(13, 9)));
        QVERIFY2(waited.elapsed() >= 500, qPrintable(QString::number(waited.elapsed())));
        QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks)));
        QCOMPARE(setTimeCalls().size(), std::size_t{1});
    }

    // No answer in time is a refusal too; the program does not hang.
    void noAnswerInTime() {
        control(QStringLiteral("SetReplyDelay"), {3.0});
        runtime::TimedatedClockSetter setter(nullptr, 300ms);
        try {
            setter.setClock(todayAt(QTime(13, 9)));
            QFAIL("no refusal");
        } catch (const runtime::ClockNotSet& e) {
            QCOMPARE(QString::fromStdString(e.reason()),
                     "The time service did not answer in time.");
        }
        QVERIFY(runtime::kTimeServiceTimeout >= 2min);
    }
};

QTEST_MAIN(TestDbusSetClock)
#include "dbus_setclock.moc"
