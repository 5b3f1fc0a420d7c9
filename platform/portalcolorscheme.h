#pragma once
// The desktop's colour preference from the desktop portal's Settings
// (org.freedesktop.portal.Settings) on the session bus.
#include "colorscheme.h"

#include <QDBusMessage>

namespace platform {

class PortalColorScheme final : public ColorScheme {
    Q_OBJECT
public:
    // Asks with ReadOne, or with Read where the portal is older; nothing
    // waits for the answer. Without a session bus or a portal, nothing is
    // reported.
    void start() override;

private:
    Q_SLOT void settingChanged(const QDBusMessage& message); // SettingChanged(s, s, v)
    void read(const QString& method);
    void report(const QVariant& value);
};

} // namespace platform
