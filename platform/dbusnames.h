#pragma once
// The D-Bus names more than one part of the program speaks to or answers.
#include <QLatin1String>
#include <QString>

namespace platform::dbus {

// The desktop portal (its colour scheme, its hold on suspend).
inline constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
inline constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";

// Errors a service answers with.
inline constexpr char kUnknownMethod[] = "org.freedesktop.DBus.Error.UnknownMethod";
inline constexpr char kAccessDenied[] = "org.freedesktop.DBus.Error.AccessDenied";
inline constexpr char kAuthFailed[] = "org.freedesktop.DBus.Error.AuthFailed";
inline constexpr char kNotAuthorized[] = "org.freedesktop.PolicyKit1.Error.NotAuthorized";
inline constexpr char kInteractiveAuthorizationRequired[] =
    "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired";

// The caller lacks the permission: denied, its authentication failed, or
// polkit did not authorize it.
[[nodiscard]] inline bool isPermissionRefusal(const QString& errorName) {
    return errorName == QLatin1String(kAccessDenied) || errorName == QLatin1String(kAuthFailed) ||
           errorName == QLatin1String(kNotAuthorized);
}

} // namespace platform::dbus
