#include "notifier.h"

#if HOROLUX_LINUX_DESKTOP
#include "dbusnotifier.h"
#endif

namespace platform {

void NullNotifier::show(const QString& /*summary*/, const QString& /*body*/,
                        std::function<void()> /*onActivated*/) {}

void NullNotifier::withdraw() {}

std::unique_ptr<Notifier> makeDesktopNotifier(Urgency urgency) {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<DBusNotifier>(urgency);
#else
    static_cast<void>(urgency);
    return std::make_unique<NullNotifier>();
#endif
}

} // namespace platform
