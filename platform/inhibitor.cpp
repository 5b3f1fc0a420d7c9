#include "inhibitor.h"

#if HOROLUX_LINUX_DESKTOP
#include "dbusnames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#endif

namespace platform {

#if HOROLUX_LINUX_DESKTOP
namespace {

const QString kPortal = QString::fromLatin1(dbus::kPortalService);
const QString kPortalPath = QString::fromLatin1(dbus::kPortalPath);
constexpr uint kSuspend = 4; // the portal's flag for suspend

// The portal's Inhibit: the inhibition lasts until the request object it
// returns is closed. The calls are asynchronous; an answer that arrives after
// the hold was let go closes what it brings at once.
class PortalInhibitor final : public Inhibitor {
public:
    ~PortalInhibitor() override { hold(false); }
    PortalInhibitor() = default;
    PortalInhibitor(const PortalInhibitor&) = delete;
    PortalInhibitor& operator=(const PortalInhibitor&) = delete;

    void hold(bool held) override {
        if (held == state_->wanted) {
            return;
        }
        state_->wanted = held;
        if (held && !state_->asking && state_->handle.isEmpty()) {
            ask();
        } else if (!held) {
            release(*state_);
        }
    }

private:
    struct State {
        bool wanted = false;
        bool asking = false;
        QString handle; // the request object that holds the inhibition
    };

    static void release(State& state) {
        if (state.handle.isEmpty()) {
            return;
        }
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            kPortal, state.handle, QStringLiteral("org.freedesktop.portal.Request"),
            QStringLiteral("Close")));
        state.handle.clear();
    }

    void ask() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || QCoreApplication::instance() == nullptr) {
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            kPortal, kPortalPath, QStringLiteral("org.freedesktop.portal.Inhibit"),
            QStringLiteral("Inhibit"));
        call << QString() << kSuspend
             << QVariantMap{{QStringLiteral("reason"), QStringLiteral("A countdown is running")}};
        state_->asking = true;
        auto* watcher =
            new QDBusPendingCallWatcher(bus.asyncCall(call), QCoreApplication::instance());
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                         [state = state_](QDBusPendingCallWatcher* answered) {
                             answered->deleteLater();
                             state->asking = false;
                             const QDBusPendingReply<QDBusObjectPath> reply = *answered;
                             if (reply.isError()) {
                                 return; // no portal: nothing held
                             }
                             state->handle = reply.value().path();
                             if (!state->wanted) {
                                 release(*state);
                             }
                         });
    }

    std::shared_ptr<State> state_ = std::make_shared<State>();
};

} // namespace
#endif

std::unique_ptr<Inhibitor> makeDesktopInhibitor() {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<PortalInhibitor>();
#else
    return std::make_unique<NullInhibitor>();
#endif
}

} // namespace platform
