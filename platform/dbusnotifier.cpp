#include "dbusnotifier.h"

#include "core/identity.h"
#include "translation.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <new>
#include <utility>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
const char* const kDefaultActionLabel = QT_TRANSLATE_NOOP("Notification", "Show");
const QString kAgainAction = QStringLiteral("again");
const char* const kAgainActionLabel = QT_TRANSLATE_NOOP("Notification", "Again");

// The notification stays up until the user dismisses it or the window
// withdraws it: a finished countdown must not go unseen because the user was
// away for the few seconds a notification lasts by default.
constexpr int kNeverExpires = 0;
constexpr uchar kUrgencyNormal = 1;
constexpr uchar kUrgencyCritical = 2;

QDBusMessage callTo(const QString& service, const QString& method) {
    return QDBusMessage::createMethodCall(service, kPath, kInterface, method);
}

// Fire and forget: nothing is waiting for the answer, and a service that is
// not running is not started just to close something.
void sendClose(const QDBusConnection& bus, const QString& server, uint id) {
    QDBusMessage close =
        callTo(server.isEmpty() ? kService : server, QStringLiteral("CloseNotification"));
    close << id;
    close.setAutoStartService(false);
    bus.send(close);
}

} // namespace

DBusNotifier::DBusNotifier(Urgency urgency, std::chrono::milliseconds timeout)
    : urgency_(urgency), timeout_(timeout) {}

DBusNotifier::~DBusNotifier() {
    if (!notifyCall_) {
        close();
        return;
    }
    // The notification on its way is closed when its id arrives, by a watcher
    // that outlives this object, touches nothing of it, and goes when the
    // answer is in (or with the application). Without an answer the one it
    // was to replace is closed.
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || !bus_) {
        return;
    }
    // A destructor may not throw: without memory for the watcher the
    // notification stays up until the user closes it.
    try {
        auto* late = new QDBusPendingCallWatcher(*notifyCall_, application);
        connect(late, &QDBusPendingCallWatcher::finished, late,
                [bus = *bus_, id = id_, server = server_](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<uint> reply = *call;
                    if (reply.isValid()) {
                        sendClose(bus, reply.reply().service(), reply.value());
                    } else if (id != 0) {
                        sendClose(bus, server, id);
                    }
                    call->deleteLater();
                });
    } catch (const std::bad_alloc&) {
        return;
    }
}

void DBusNotifier::show(const QString& summary, const QString& body,
                        std::function<void()> onActivated) {
    onActivated_ = std::move(onActivated);
    onAgain_ = std::exchange(offeredAgain_, nullptr);
    // The window says it in English; the user reads it in their language.
    waiting_ = Message{translated("Notification", summary), translated("Notification", body),
                       static_cast<bool>(onAgain_)};
    if (!connectToBus()) {
        waiting_.reset();
        return;
    }
    sendWaiting();
}

void DBusNotifier::withdraw() {
    waiting_.reset();
    onActivated_ = nullptr;
    onAgain_ = nullptr;
    offeredAgain_ = nullptr;
    if (notifyCall_) {
        // Its answer brings the id to close: the one it replaces or a new one.
        closeOnArrival_ = true;
        return;
    }
    close();
}

void DBusNotifier::offerAgain(std::function<void()> again) {
    offeredAgain_ = std::move(again);
}

bool DBusNotifier::connectToBus() {
    if (!bus_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return false;
        }
        // Signals from any sender, checked against the service that gave the
        // id: naming the service here would make Qt look up its owner with a
        // call that blocks.
        bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(uint, QString, QDBusMessage)));
        bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(onNotificationClosed(uint, uint, QDBusMessage)));
        bus_ = bus;
    }
    return bus_->isConnected();
}

void DBusNotifier::sendWaiting() {
    if (!waiting_ || notifyCall_) {
        return; // nothing to send, or it goes when the call that is out has answered
    }
    if (offersActions_) {
        const Message message = *std::exchange(waiting_, std::nullopt);
        sendNotify(message, *offersActions_);
    } else if (!capabilitiesCall_) {
        askCapabilities();
    }
}

void DBusNotifier::askCapabilities() {
    capabilitiesCall_ = new QDBusPendingCallWatcher(
        bus_->asyncCall(callTo(kService, QStringLiteral("GetCapabilities")),
                        static_cast<int>(timeout_.count())),
        this);
    connect(capabilitiesCall_, &QDBusPendingCallWatcher::finished, this,
            &DBusNotifier::capabilitiesAnswered);
}

void DBusNotifier::capabilitiesAnswered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    capabilitiesCall_ = nullptr;
    const QDBusPendingReply<QStringList> reply = *call;
    bool actions = false;
    if (reply.isValid()) {
        actions = reply.value().contains(QStringLiteral("actions"));
        offersActions_ = actions;
        capabilitiesFrom_ = reply.reply().service();
    }
    // Without an answer, try the notification without an action: the next
    // show() asks again.
    if (waiting_ && !notifyCall_) {
        const Message message = *std::exchange(waiting_, std::nullopt);
        sendNotify(message, actions);
    }
}

void DBusNotifier::sendNotify(const Message& message, bool withDefaultAction) {
    QDBusMessage notify = callTo(kService, QStringLiteral("Notify"));
    QStringList actions;
    if (withDefaultAction) {
        actions << kDefaultAction
                << translated("Notification", std::string_view(kDefaultActionLabel));
        if (message.again) {
            actions << kAgainAction
                    << translated("Notification", std::string_view(kAgainActionLabel));
        }
    }
    const QString appId = QString::fromLatin1(core::kAppId); // icon name and desktop entry
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), appId},
        // The program rings its own bell.
        {QStringLiteral("suppress-sound"), true},
        {QStringLiteral("urgency"),
         QVariant::fromValue(urgency_ == Urgency::Critical ? kUrgencyCritical : kUrgencyNormal)},
    };
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    notify << QString::fromLatin1(core::kAppName) << id_ << appId << message.summary << message.body
           << actions << hints << kNeverExpires;
    notifyCall_ = new QDBusPendingCallWatcher(
        bus_->asyncCall(notify, static_cast<int>(timeout_.count())), this);
    connect(notifyCall_, &QDBusPendingCallWatcher::finished, this, &DBusNotifier::notifyAnswered);
}

void DBusNotifier::notifyAnswered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    notifyCall_ = nullptr;
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isValid()) {
        id_ = reply.value();
        server_ = reply.reply().service();
        if (server_ != capabilitiesFrom_) {
            offersActions_.reset(); // another service now: ask it what it offers
        }
    }
    if (closeOnArrival_) {
        closeOnArrival_ = false;
        close();
    }
    sendWaiting();
}

void DBusNotifier::close() {
    if (id_ != 0 && bus_) {
        sendClose(*bus_, server_, id_);
    }
    id_ = 0;
}

void DBusNotifier::onActionInvoked(uint id, const QString& actionKey, const QDBusMessage& message) {
    if (id == 0 || id != id_ || message.service() != server_) {
        return;
    }
    const std::function<void()> picked = actionKey == kDefaultAction ? onActivated_
                                         : actionKey == kAgainAction ? onAgain_
                                                                     : nullptr;
    // Last thing done here: the callback may withdraw or destroy this object.
    if (picked) {
        picked();
    }
}

void DBusNotifier::onNotificationClosed(uint id, uint /*reason*/, const QDBusMessage& message) {
    if (id != 0 && id == id_ && message.service() == server_) {
        id_ = 0;
    }
}

} // namespace platform
