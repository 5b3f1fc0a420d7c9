#pragma once
// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on the session bus. Linux desktop builds only.
#include "notifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace platform {

// How long a call to the notification service may take before it counts as
// unanswered. Nothing waits for it: it only bounds how long a later show()
// queues behind a call that is still out.
inline constexpr std::chrono::milliseconds kNotificationServiceTimeout = std::chrono::seconds(10);

// Every call is asynchronous; the answers arrive through the event loop. The
// first show() asks the service for its capabilities, so that the notification
// carries a default action only where the service offers actions. One call to
// Notify is out at a time: a show() meanwhile waits for its id, so that it
// replaces that notification instead of adding a second one, and a withdraw()
// meanwhile closes it as soon as its id is known. No session bus, no service,
// a refusal or no answer in time: then there is no notification, and the next
// show() tries again.
class DBusNotifier final : public QObject, public Notifier {
    Q_OBJECT
public:
    explicit DBusNotifier(Urgency urgency = Urgency::Normal,
                          std::chrono::milliseconds timeout = kNotificationServiceTimeout);
    // Closes the notification; one whose Notify call is still out is closed
    // when its id arrives.
    ~DBusNotifier() override;

    void show(const QString& summary, const QString& body,
              std::function<void()> onActivated) override;
    void withdraw() override;
    void offerAgain(std::function<void()> again) override;

private slots:
    void onActionInvoked(uint id, const QString& actionKey, const QDBusMessage& message);
    void onNotificationClosed(uint id, uint reason, const QDBusMessage& message);

    // Back from the slots, which QtDBus connects by name, to plain members.
private: // NOLINT(readability-redundant-access-specifiers)
    struct Message {
        QString summary;
        QString body;
        bool again = false; // offers "Again"
    };

    bool connectToBus();
    void sendWaiting();
    void askCapabilities();
    void capabilitiesAnswered(QDBusPendingCallWatcher* call);
    void sendNotify(const Message& message, bool withDefaultAction);
    void notifyAnswered(QDBusPendingCallWatcher* call);
    void close();

    Urgency urgency_;
    std::chrono::milliseconds timeout_;
    std::optional<QDBusConnection> bus_; // once show() has found a session bus
    std::optional<bool> offersActions_;  // what the service answered last
    QString capabilitiesFrom_;           // the service (unique bus name) that answered it
    QPointer<QDBusPendingCallWatcher> capabilitiesCall_;
    QPointer<QDBusPendingCallWatcher> notifyCall_;
    std::optional<Message> waiting_; // shown, not yet sent to the service
    uint id_ = 0;                    // the service's id of the notification that is up
    QString server_;                 // the unique bus name that gave id_
    bool closeOnArrival_ = false;    // withdrawn while its Notify call is out
    std::function<void()> onActivated_;
    std::function<void()> onAgain_;      // the notification that is up offers "Again"
    std::function<void()> offeredAgain_; // for the next show()
};

} // namespace platform
