// Setting the clock through timedated, against a stand-in on a private system
// bus (tests/support/private_bus.py with timedated_template.py): the
// instant it receives, its refusals as the user sees them, and the wait.
#include "platform/clocksetters.h"
#include "platform/systemclock.h"
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
#include <tuple>

using namespace std::chrono_literals;
using Call = std::tuple<qlonglong, bool, bool>; // usec_utc, relative, interactive

namespace {

QDBusMessage callStandIn(const char* interface, const char* method, const QVariantList& args = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QLatin1String(interface), QLatin1String(method));
    call.setArguments(args);
    return QDBusConnection::systemBus().call(call);
}

QDBusMessage control(const char* method, const QVariantList& args = {}) {
    return callStandIn("org.freedesktop.DBus.Mock", method, args);
}

std::vector<Call> received() {
    std::vector<Call> calls;
    const auto array = control("GetSetTimeCalls").arguments().value(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        Call call;
        array.beginStructure();
        array >> std::get<0>(call) >> std::get<1>(call) >> std::get<2>(call);
        array.endStructure();
        calls.push_back(call);
    }
    array.endArray();
    return calls;
}

// The instant the local clock reads hh:mm today, worked out with the C
// library rather than the way the program does it.
qlonglong todayAt(int hour, int minute) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    return static_cast<qlonglong>(std::mktime(&local)) * 1000000;
}

} // namespace

class TestDbusSetClock : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        configureTestApplication();
        // Never the machine's own bus: its timedated would set the real clock.
        const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        QVERIFY2(!address.isEmpty() && address == qgetenv("HOROLUX_PRIVATE_SYSTEM_BUS"),
                 "run through tests/support/private_bus.py");
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
    }

    void init() {
        QCOMPARE(callStandIn("org.freedesktop.timedate1", "SetNTP", {false, false}).type(),
                 QDBusMessage::ReplyMessage);
        control("SetAuthorized", {true});
        control("SetReplyDelay", {0.0});
        control("SetRefusal", {QString()});
        control("ClearSetTimeCalls");
    }

    // The stand-in takes only the real signature, so what it accepts was (xbb).
    void standInChecksTheSignature() {
        const QDBusMessage wrong =
            callStandIn("org.freedesktop.timedate1", "SetTime", {5, false, true});
        QCOMPARE(wrong.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");
        QVERIFY(received().empty());
    }

    // The button, the real setter and the stand-in together. Accepted: the
    // instant of today's local date, absolute, interactive, and no box.
    // Refused: the box says why, and the clock is not set another way.
    void fromTheButton_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ntp");
        QTest::addColumn<bool>("authorized");
        QTest::addColumn<qlonglong>("usecUtc");
        QTest::addColumn<QString>("prompt");  // empty: no box
        QTest::addColumn<QString>("refusal"); // a D-Bus error the service answers with
        QTest::newRow("13:09") << "13:09" << false << true << todayAt(13, 9) << ""
                               << "";
        QTest::newRow("1:09 PM") << "1:09 PM" << false << true << todayAt(13, 9) << ""
                                 << "";
        QTest::newRow("1:09") << "1:09" << false << true << todayAt(1, 9) << ""
                              << "";
        QTest::newRow("time synchronisation on")
            << "13:09" << true << true << 0LL
            << "The clock was not changed.\r\nAutomatic time synchronization is on; turn it "
               "off in the system settings first."
            << "";
        QTest::newRow("not authorised")
            << "13:09" << false << false << 0LL
            << "The clock was not changed.\r\nYou are not allowed to set the clock, or the "
               "authorization was refused."
            << "";
        QTest::newRow("an error nobody foresaw")
            << "13:09" << false << true << 0LL
            << "The clock was not changed.\r\nThe time service refused: Something unforeseen"
            << "org.example.Unforeseen";
        // The fallback may not set the clock either: the missing service is the reason.
        QTest::newRow("no time service")
            << "13:09" << false << true << 0LL
            << "The clock was not changed.\r\nThe system's time service is not available."
            << "org.freedesktop.DBus.Error.ServiceUnknown";
    }
    void fromTheButton() {
        QFETCH(QString, text);
        QFETCH(bool, ntp);
        QFETCH(bool, authorized);
        QFETCH(qlonglong, usecUtc);
        QFETCH(QString, prompt);
        QFETCH(QString, refusal);
        control("SetRefusal", {refusal});
        callStandIn("org.freedesktop.timedate1", "SetNTP", {ntp, false});
        control("SetAuthorized", {authorized});

        // The fallback stands where clock_settime would, without the right to
        // set the clock: it must stay unused while the service answers.
        auto fallback = std::make_unique<RecordingClockSetter>();
        fallback->refusal = "You do not have the right to set the computer's clock.";
        fallback->cause = core::ClockNotSet::Cause::NotPermitted;
        const RecordingClockSetter* fallbackCalls = fallback.get();
        platform::SystemClock clock;
        ScriptedDialogs dialogs;
        platform::TimedatedClockSetter setter(std::move(fallback));
        frmStopwatch w(platform::Services{clock, dialogs, setter});
        frmStopwatchProbe p(w);
        p.control<QLineEdit>("txtTime")->setText(text);
        p.control<QPushButton>("cmdSetYourClock")->click();

        QCOMPARE(fallbackCalls->calls.empty(), !refusal.endsWith(QLatin1String("ServiceUnknown")));
        if (prompt.isEmpty()) {
            QVERIFY(dialogs.boxes().empty());
            QCOMPARE(received(), std::vector<Call>{Call(usecUtc, false, true)});
            qInfo("\"%s\" -> usec_utc %lld", qPrintable(text), usecUtc);
        } else {
            QVERIFY(received().empty());
            QCOMPARE(dialogs.boxes().size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(dialogs.boxes().front().prompt), prompt);
            QCOMPARE(dialogs.boxes().front().style, 48);
        }
        // Whatever the answer, the window works on.
        QCOMPARE(p.control<QLineEdit>("txtTime")->text(), text);
        p.control<QPushButton>("cmdSWButton")->click();
        QVERIFY(p.state().blnSWRunning);
    }

    // While the answer is awaited (a password prompt, say) the timers tick
    // on; an answer that never comes is a refusal, not a hang.
    void waiting() {
        platform::TimedatedClockSetter setter(nullptr);
        QVERIFY(platform::kTimeServiceTimeout >= 2min);
        control("SetReplyDelay", {0.6});
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(10);
        QElapsedTimer waited;
        waited.start();
        setter.setClock(todayAt(13, 9));
        QVERIFY(waited.elapsed() >= 500);
        QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks)));

        control("SetReplyDelay", {3.0});
        platform::TimedatedClockSetter impatient(nullptr, 300ms);
        try {
            impatient.setClock(todayAt(13, 9));
            QFAIL("no refusal");
        } catch (const core::ClockNotSet& e) {
            QCOMPARE(e.reason(), "The time service did not answer in time.");
        }
    }
};

QTEST_MAIN(TestDbusSetClock)
#include "dbus_setclock.moc"
