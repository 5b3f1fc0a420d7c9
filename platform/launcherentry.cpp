#include "launcherentry.h"

#if HOROLUX_LINUX_DESKTOP
#include "core/identity.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#endif

namespace platform {

namespace {

#if HOROLUX_LINUX_DESKTOP
// The signal goes to whoever listens, from an object path of the program's
// own; the task manager finds the entry by the desktop entry's name.
class DBusLauncherEntry final : public LauncherEntry {
public:
    void update(const LauncherValues& values) override {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return;
        }
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/horolux/Horolux/LauncherEntry"),
            QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
        const QVariantMap properties{
            {QStringLiteral("progress"), values.progress},
            {QStringLiteral("progress-visible"), values.progressVisible},
            {QStringLiteral("count"), values.count},
            {QStringLiteral("count-visible"), values.countVisible},
        };
        signal << QStringLiteral("application://%1.desktop").arg(QLatin1String(core::kAppId))
               << properties;
        bus.send(signal);
    }
};
#else
class NullLauncherEntry final : public LauncherEntry {
public:
    void update(const LauncherValues& /*values*/) override {}
};
#endif

} // namespace

std::unique_ptr<LauncherEntry> makeLauncherEntry() {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<DBusLauncherEntry>();
#else
    return std::make_unique<NullLauncherEntry>();
#endif
}

} // namespace platform
