// Desktop notifications against a stand-in notification service on a private
// session bus (tests/support/private_bus.py --session with dbusmock's
// notification_daemon template): what Notify receives, the default action, the
// withdrawal, and a service that is missing, refuses or does not answer.
#include "platform/dbusnotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QTest>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using platform::DBusNotifier;

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kMockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kKnobs = QStringLiteral("org.horolux.Test"); // added to the stand-in below

// The stand-in's Notify and GetCapabilities, replaced so that a test can make
// them slow or refuse; otherwise they answer as the template does.
const char* const kNotifyCode = R"(time.sleep(float(getattr(self, 'delay', 0)))
if getattr(self, 'notify_error', ''):
    raise dbus.exceptions.DBusException('refused', name=self.notify_error)
if args[1]:
    ret = args[1]
else:
    ret = self.next_id
    self.next_id += 1
)";
const char* const kCapabilitiesCode = R"(time.sleep(float(getattr(self, 'delay', 0)))
if getattr(self, 'capabilities_error', ''):
    raise dbus.exceptions.DBusException('refused', name=self.capabilities_error)
ret = self.capabilities
)";
// Set(name, value) sets one of the knobs above; Own(false) gives up the
// service's name, as on a bus without a notification service.
const char* const kSetCode = "setattr(self, args[0], args[1])";
const char* const kOwnCode = R"(if args[0]:
    self.connection.request_name('org.freedesktop.Notifications')
else:
    self.connection.release_name('org.freedesktop.Notifications')
)";

const QStringList kWithActions{"actions", "body", "icon-static"};
const QStringList kWithoutActions{"body", "body-markup", "icon-static"};
constexpr uint kFirstId = 41;
constexpr uint kWitnessId = 900;

// A D-Bus value as plain Qt values: arrays as lists, dictionaries as maps,
// variants unwrapped.
QVariant plain(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return plain(value.value<QDBusVariant>().variant());
    }
    if (value.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return value;
    }
    const auto argument = value.value<QDBusArgument>();
    switch (argument.currentType()) {
    case QDBusArgument::ArrayType: {
        QVariantList list;
        argument.beginArray();
        while (!argument.atEnd()) {
            list << plain(argument.asVariant());
        }
        argument.endArray();
        return list;
    }
    case QDBusArgument::StructureType: {
        QVariantList fields;
        argument.beginStructure();
        while (!argument.atEnd()) {
            fields << plain(argument.asVariant());
        }
        argument.endStructure();
        return fields;
    }
    case QDBusArgument::MapType: {
        QVariantMap map;
        argument.beginMap();
        while (!argument.atEnd()) {
            argument.beginMapEntry();
            const QString key = plain(argument.asVariant()).toString();
            map.insert(key, plain(argument.asVariant()));
            argument.endMapEntry();
        }
        argument.endMap();
        return map;
    }
    default:
        return plain(argument.asVariant());
    }
}

} // namespace

class TestNotifier : public QObject {
    Q_OBJECT

    QString standIn_; // the stand-in's unique bus name; empty without a bus or stand-in
    std::unique_ptr<DBusNotifier> witness_;
    int witnessed_ = 0;
    int heard_ = 0; // ActionInvoked signals from anyone

    QDBusMessage control(const QString& interface, const char* method, const QVariantList& args) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(standIn_, kPath, interface, QLatin1String(method));
        call.setArguments(args);
        return QDBusConnection::sessionBus().call(call);
    }
    void set(const char* knob, const QVariant& value) {
        control(kKnobs, "Set",
                {QString::fromLatin1(knob), QVariant::fromValue(QDBusVariant(value))});
    }
    void emitSignal(const char* name, const char* signature, const QVariantList& args) {
        control(kMockInterface, "EmitSignal",
                {QString(), QLatin1String(name), QLatin1String(signature), args});
    }
    // The arguments of each call of `method` the stand-in received since init().
    QList<QVariantList> calls(const char* method) {
        QList<QVariantList> result;
        const QDBusMessage reply =
            control(kMockInterface, "GetMethodCalls", {QLatin1String(method)});
        for (const QVariant& call : plain(reply.arguments().value(0)).toList()) {
            result << call.toList().value(1).toList(); // (timestamp, arguments)
        }
        return result;
    }
    bool waitForCalls(const char* method, qsizetype count) {
        return QTest::qWaitFor([&] { return calls(method).size() >= count; }, 5000);
    }
    // Returns once this process has handled every answer and signal the
    // stand-in sent before: its signals and answers arrive in the order it
    // sends them, and the last is the witness's activation.
    bool barrier() {
        const int before = witnessed_;
        emitSignal("ActionInvoked", "us", {kWitnessId, QStringLiteral("default")});
        return QTest::qWaitFor([&] { return witnessed_ > before; }, 5000);
    }

    // Leaves `notifier` knowing the service's capabilities, with nothing shown
    // and the call log empty, so that its next show() sends Notify at once.
    bool prime(DBusNotifier& notifier) {
        notifier.show(QStringLiteral("priming"), QString(), [] {});
        if (!waitForCalls("Notify", 1) || !barrier()) {
            return false;
        }
        notifier.withdraw();
        if (!waitForCalls("CloseNotification", 1) || !barrier()) {
            return false;
        }
        control(kMockInterface, "ClearCalls", {});
        return true;
    }

public slots:
    void heard() { ++heard_; }

private slots:
    void initTestCase() {
        // Never the desktop's own session bus, where a notification would show.
        const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        QVERIFY2(!address.isEmpty() && address == qgetenv("HOROLUX_PRIVATE_SESSION_BUS"),
                 "run this test through tests/support/private_bus.py --session");
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return; // only noSessionBus applies
        }
        standIn_ = bus.interface()->serviceOwner(kService).value();
        QVERIFY2(!standIn_.isEmpty(), "no notification stand-in on the private session bus");

        struct Method {
            QString interface; // empty: the service's own
            const char* name;
            const char* in;
            const char* out;
            const char* code;
        };
        const Method methods[] = {
            {QString(), "Notify", "susssasa{sv}i", "u", kNotifyCode},
            {QString(), "GetCapabilities", "", "as", kCapabilitiesCode},
            {kKnobs, "Set", "sv", "", kSetCode},
            {kKnobs, "Own", "b", "", kOwnCode},
        };
        for (const Method& method : methods) {
            const QDBusMessage added =
                control(kMockInterface, "AddMethod",
                        {method.interface, QLatin1String(method.name), QLatin1String(method.in),
                         QLatin1String(method.out), QLatin1String(method.code)});
            QVERIFY2(added.type() == QDBusMessage::ReplyMessage, qPrintable(added.errorMessage()));
        }
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(heard()));
        set("capabilities", kWithActions);
        set("next_id", kWitnessId);
        witness_ = std::make_unique<DBusNotifier>();
        witness_->show(QStringLiteral("witness"), QString(), [this] { ++witnessed_; });
        QVERIFY(waitForCalls("Notify", 1));
    }

    void init() {
        if (standIn_.isEmpty()) {
            return;
        }
        control(kKnobs, "Own", {true});
        set("delay", 0.0);
        set("notify_error", QString());
        set("capabilities_error", QString());
        set("capabilities", kWithActions);
        set("next_id", kFirstId);
        QVERIFY(barrier());
        control(kMockInterface, "ClearCalls", {});
    }

    void notifyArguments_data() {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("service offers actions")
            << kWithActions << QStringList{QStringLiteral("default"), QStringLiteral("Show")};
        QTest::newRow("service without actions") << kWithoutActions << QStringList{};
    }
    void notifyArguments() {
        if (standIn_.isEmpty()) {
            QSKIP("needs the notification stand-in");
        }
        QFETCH(QStringList, capabilities);
        QFETCH(QStringList, actions);
        set("capabilities", capabilities);

        DBusNotifier notifier;
        notifier.show(QStringLiteral("Kitchen: countdown done"),
                      QStringLiteral("The countdown has finished."), [] {});
        QVERIFY(waitForCalls("Notify", 1));

        const QVariantList args = calls("Notify").value(0);
        QCOMPARE(args.size(), 8);
        QCOMPARE(args[0].toString(), QStringLiteral("Horolux"));
        QCOMPARE(args[1].toUInt(), 0U); // replaces nothing
        QCOMPARE(args[2].toString(), QStringLiteral("org.horolux.Horolux"));
        QCOMPARE(args[3].toString(), QStringLiteral("Kitchen: countdown done"));
        QCOMPARE(args[4].toString(), QStringLiteral("The countdown has finished."));
        QCOMPARE(args[5].toStringList(), actions);
        const QVariantMap hints = args[6].toMap();
        QCOMPARE(hints.value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("org.horolux.Horolux"));
        QCOMPARE(hints.value(QStringLiteral("suppress-sound")), QVariant(true));
        QCOMPARE(hints.value(QStringLiteral("urgency")).toInt(), 1);
        QCOMPARE(calls("GetCapabilities").size(), 1);
    }

    // Only the default action of this notifier's own notification, from the
    // service that showed it, brings the window back.
    void activation_data() {
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("fromStranger"); // sent by another program on the bus
        QTest::addColumn<int>("activations");
        const QString byDefault = QStringLiteral("default");
        QTest::newRow("its default action") << kFirstId << byDefault << false << 1;
        QTest::newRow("another action") << kFirstId << QStringLiteral("snooze") << false << 0;
        QTest::newRow("another notification") << kFirstId + 7 << byDefault << false << 0;
        QTest::newRow("another sender") << kFirstId << byDefault << true << 0;
    }
    void activation() {
        if (standIn_.isEmpty()) {
            QSKIP("needs the notification stand-in");
        }
        QFETCH(uint, id);
        QFETCH(QString, action);
        QFETCH(bool, fromStranger);
        QFETCH(int, activations);

        int activated = 0;
        DBusNotifier notifier;
        notifier.show(QStringLiteral("Tea: countdown done"), QString(), [&] { ++activated; });
        QVERIFY(waitForCalls("Notify", 1));
        QVERIFY(barrier());
        if (fromStranger) {
            QDBusConnection stranger = QDBusConnection::connectToBus(
                QString::fromUtf8(qgetenv("DBUS_SESSION_BUS_ADDRESS")), QStringLiteral("stranger"));
            QVERIFY(stranger.isConnected());
            QDBusMessage fake =
                QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("ActionInvoked"));
            fake << id << action;
            const int before = heard_;
            QVERIFY(stranger.send(fake));
            QVERIFY(QTest::qWaitFor([&] { return heard_ > before; }, 5000));
            QDBusConnection::disconnectFromBus(QStringLiteral("stranger"));
        } else {
            emitSignal("ActionInvoked", "us", {id, action});
        }
        QVERIFY(barrier());
        QCOMPARE(activated, activations);
    }

    void withdrawal_data() {
        QTest::addColumn<bool>("destroy"); // or withdraw()
        QTest::addColumn<bool>("early");   // while its Notify call is still out
        QTest::newRow("withdraw") << false << false;
        QTest::newRow("destroy") << true << false;
        QTest::newRow("withdraw before the id arrived") << false << true;
        QTest::newRow("destroy before the id arrived") << true << true;
    }
    void withdrawal() {
        if (standIn_.isEmpty()) {
            QSKIP("needs the notification stand-in");
        }
        QFETCH(bool, destroy);
        QFETCH(bool, early);

        int activated = 0;
        auto notifier = std::make_unique<DBusNotifier>();
        if (early) {
            QVERIFY(prime(*notifier));
            set("delay", 0.3);
        }
        notifier->show(QStringLiteral("countdown done"), QString(), [&] { ++activated; });
        if (!early) {
            QVERIFY(waitForCalls("Notify", 1));
            QVERIFY(barrier());
        }
        const uint id = early ? kFirstId + 1 : kFirstId; // priming took the first
        if (destroy) {
            notifier.reset();
        } else {
            notifier->withdraw();
        }
        QVERIFY(waitForCalls("CloseNotification", 1));
        QVERIFY(barrier());
        QCOMPARE(calls("CloseNotification"), QList<QVariantList>{QVariantList{id}});

        // A withdrawn notification activates nothing any more.
        emitSignal("ActionInvoked", "us", {id, QStringLiteral("default")});
        QVERIFY(barrier());
        QCOMPARE(activated, 0);
    }

    // Showing again replaces the notification that is up rather than adding one.
    void replacement_data() {
        QTest::addColumn<bool>("early");       // the first Notify call still out
        QTest::addColumn<bool>("closedFirst"); // the service closed the first
        QTest::addColumn<uint>("replaces");
        QTest::newRow("after the id arrived") << false << false << kFirstId;
        QTest::newRow("before the id arrived") << true << false << kFirstId + 1;
        QTest::newRow("after the service closed it") << false << true << 0U;
    }
    void replacement() {
        if (standIn_.isEmpty()) {
            QSKIP("needs the notification stand-in");
        }
        QFETCH(bool, early);
        QFETCH(bool, closedFirst);
        QFETCH(uint, replaces);

        DBusNotifier notifier;
        if (early) {
            QVERIFY(prime(notifier));
            set("delay", 0.3);
        }
        notifier.show(QStringLiteral("first"), QString(), [] {});
        if (!early) {
            QVERIFY(waitForCalls("Notify", 1));
            QVERIFY(barrier());
        }
        if (closedFirst) {
            emitSignal("NotificationClosed", "uu", {kFirstId, 1U}); // expired
            QVERIFY(barrier());
        }
        notifier.show(QStringLiteral("second"), QString(), [] {});
        QVERIFY(waitForCalls("Notify", 2));
        QVERIFY(barrier());
        const QList<QVariantList> notify = calls("Notify");
        QCOMPARE(notify.size(), 2);
        QCOMPARE(notify[1].value(1).toUInt(), replaces);
        QCOMPARE(notify[1].value(3).toString(), QStringLiteral("second"));
    }

    // No service, a refusal, no answer in time: show() returns at once, nothing
    // shows, and once the service is back a later show() does.
    void serviceTrouble_data() {
        QTest::addColumn<QByteArray>("knob");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("cleared");
        const QString failed = QStringLiteral("org.freedesktop.DBus.Error.Failed");
        QTest::newRow("no service on the bus")
            << QByteArray("own") << QVariant(false) << QVariant(true);
        QTest::newRow("Notify refused")
            << QByteArray("notify_error") << QVariant(failed) << QVariant(QString());
        QTest::newRow("GetCapabilities refused")
            << QByteArray("capabilities_error") << QVariant(failed) << QVariant(QString());
        QTest::newRow("no answer in time") << QByteArray("delay") << QVariant(0.6) << QVariant(0.0);
    }
    void serviceTrouble() {
        if (standIn_.isEmpty()) {
            QSKIP("needs the notification stand-in");
        }
        QFETCH(QByteArray, knob);
        QFETCH(QVariant, value);
        QFETCH(QVariant, cleared);
        const auto turn = [&](const QVariant& setting) {
            if (knob == "own") {
                control(kKnobs, "Own", {setting});
            } else {
                set(knob.constData(), setting);
            }
        };
        constexpr auto timeout = 200ms;

        int activated = 0;
        DBusNotifier notifier(platform::Urgency::Normal, timeout);
        turn(value);
        QElapsedTimer clock;
        clock.start();
        notifier.show(QStringLiteral("lost"), QString(), [&] { ++activated; });
        const qint64 showTook = clock.nsecsElapsed();
        qInfo("show() returned after %.3f ms", static_cast<double>(showTook) / 1e6);
        QVERIFY2(showTook < 50'000'000, "show() waited for the notification service");
        // Let the failure (or the time-out) play out before the service is back.
        QTest::qWait(static_cast<int>((3 * timeout).count()));
        turn(cleared);
        constexpr uint kLaterId = 77;
        set("next_id", kLaterId);
        control(kMockInterface, "ClearCalls", {});

        notifier.show(QStringLiteral("found"), QString(), [&] { ++activated; });
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QList<QVariantList> notify = calls("Notify");
                return !notify.isEmpty() && notify.last().value(3) == QStringLiteral("found");
            },
            5000));
        const QVariantList found = calls("Notify").last();
        // The capabilities were asked again rather than a failure remembered.
        QCOMPARE(found.value(5).toStringList().value(0), QStringLiteral("default"));
        // It took the id of the one it replaces, where the service showed the first.
        const uint id = found.value(1).toUInt() != 0 ? found.value(1).toUInt() : kLaterId;
        QVERIFY(barrier());
        emitSignal("ActionInvoked", "us", {id, QStringLiteral("default")});
        QVERIFY(barrier());
        QCOMPARE(activated, 1);
    }

    // A session without a bus: nothing shows, and nothing blocks or crashes.
    void noSessionBus() {
        if (QDBusConnection::sessionBus().isConnected()) {
            QSKIP("runs where there is no session bus");
        }
        int activated = 0;
        QElapsedTimer clock;
        clock.start();
        {
            DBusNotifier notifier;
            notifier.show(QStringLiteral("lost"), QString(), [&] { ++activated; });
            notifier.withdraw();
            notifier.show(QStringLiteral("lost again"), QString(), [&] { ++activated; });
        }
        const qint64 took = clock.nsecsElapsed();
        qInfo("show, withdraw, show and destroy took %.3f ms", static_cast<double>(took) / 1e6);
        QVERIFY(took < 50'000'000);
        QTest::qWait(100);
        QCOMPARE(activated, 0);
    }

    void cleanupTestCase() { witness_.reset(); }
};

QTEST_GUILESS_MAIN(TestNotifier)
#include "notifier.moc"
