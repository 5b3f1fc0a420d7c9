#include "dbusremote.h"

#include "core/identity.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <string_view>
#include <utility>

namespace platform {

namespace {

using Status = VerbAnswer::Status;

// The interface is named after the application id.
static_assert(std::string_view(core::kAppId) == "org.horolux.Horolux");

// The application id names the service and the interface; its path the object.
QString service() {
    return QString::fromLatin1(core::kAppId);
}
QString objectPath() {
    return QLatin1Char('/') + service().replace(QLatin1Char('.'), QLatin1Char('/'));
}
QString busService() {
    return QStringLiteral("org.freedesktop.DBus");
}

// A verb's answer as a D-Bus error, and back.
const std::pair<Status, const char*> kErrors[] = {
    {Status::InvalidArgument, "InvalidArgument"},
    {Status::NoSuchWindow, "NoSuchWindow"},
    {Status::Ambiguous, "Ambiguous"},
    {Status::NotNow, "NotNow"},
    {Status::Busy, "Busy"},
};
QString errorName(const char* name) {
    return service() + QStringLiteral(".Error.") + QLatin1String(name);
}

// Long enough for a busy program to answer, short enough for a key binding.
constexpr int kAnswerMilliseconds = 5000;
// How long the name's release may hold up the end of the program.
constexpr int kReleaseMilliseconds = 1000;
// RequestName's flags: none queues this program behind the one that
// holds the name, so that it takes the name when that one ends.
constexpr uint kQueue = 0;

QDBusMessage busCall(const QString& method) {
    return QDBusMessage::createMethodCall(busService(), QStringLiteral("/org/freedesktop/DBus"),
                                          busService(), method);
}

} // namespace

DBusRemote::DBusRemote(RemoteHandlers handlers) : handlers_(std::move(handlers)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerObject(objectPath(), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)) {
        return;
    }
    served_ = true;
    // Asked without waiting: a start costs no round trip to the bus.
    QDBusMessage request = busCall(QStringLiteral("RequestName"));
    request << service() << kQueue;
    bus.asyncCall(request);
}

DBusRemote::~DBusRemote() {
    if (!served_) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(objectPath());
    // Given up before the program ends, so that the next Horolux in the
    // bus's queue serves the verbs from now on.
    QDBusMessage release = busCall(QStringLiteral("ReleaseName"));
    release << service();
    bus.call(release, QDBus::Block, kReleaseMilliseconds);
}

void DBusRemote::countdownFinished(const QString& identification) {
    emit CountdownFinished(identification);
}

void DBusRemote::perform(const core::Verb& verb) {
    const VerbAnswer answer = handlers_.perform(verb);
    for (const auto& [status, name] : kErrors) {
        if (status == answer.status) {
            sendErrorReply(errorName(name), answer.message);
        }
    }
}

void DBusRemote::NewWindow(const QString& identification) {
    perform({core::Verb::Kind::NewWindow, identification});
}

void DBusRemote::StartStopwatch(const QString& identification) {
    perform({core::Verb::Kind::Stopwatch, identification});
}

void DBusRemote::StartCountdown(const QString& minutes, const QString& identification,
                                bool validate) {
    perform({core::Verb::Kind::Countdown, identification, minutes, validate});
}

void DBusRemote::PressStopwatch(const QString& identification) {
    perform({core::Verb::Kind::Press, identification});
}

void DBusRemote::Capture(const QString& identification) {
    perform({core::Verb::Kind::Capture, identification});
}

void DBusRemote::StopCountdown(const QString& identification) {
    perform({core::Verb::Kind::StopCountdown, identification});
}

QString DBusRemote::ListWindows() {
    return QString::fromUtf8(handlers_.list());
}

VerbAnswer sendVerbOverDBus(const core::Verb& verb) {
    static const char* const kMethods[] = {"NewWindow",      "StartStopwatch", "StartCountdown",
                                           "PressStopwatch", "Capture",        "StopCountdown"};
    QDBusMessage call =
        QDBusMessage::createMethodCall(service(), objectPath(), service(),
                                       QString::fromLatin1(kMethods[static_cast<int>(verb.kind)]));
    if (verb.kind == core::Verb::Kind::Countdown) {
        call << verb.minutes << verb.identification << verb.validate;
    } else {
        call << verb.identification;
    }
    call.setAutoStartService(false);

    // A connection of its own, closed again: the program that this process
    // may become opens the session bus afresh.
    const QString name = QStringLiteral("horolux-verb");
    QDBusMessage reply;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        if (bus.isConnected()) {
            reply = bus.call(call, QDBus::Block, kAnswerMilliseconds);
            // QtDBus's own thread goes on handling an error reply after the
            // call has returned, and would race the end of this process.
            // Once a second answer has come, it is done with the first.
            bus.call(busCall(QStringLiteral("GetId")), QDBus::Block, kAnswerMilliseconds);
        }
    }
    QDBusConnection::disconnectFromBus(name);

    if (reply.type() == QDBusMessage::ReplyMessage) {
        return {};
    }
    const QString error = reply.errorName();
    if (reply.type() != QDBusMessage::ErrorMessage ||
        error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return {Status::NoProgram, {}};
    }
    for (const auto& [status, errorKind] : kErrors) {
        if (error == errorName(errorKind)) {
            return {status, reply.errorMessage()};
        }
    }
    return {Status::Failed,
            QCoreApplication::translate("CommandLine", "The running Horolux did not answer (%1).")
                .arg(error)};
}

} // namespace platform
