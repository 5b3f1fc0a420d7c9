#include "portalcolorscheme.h"

#include "dbusnames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace platform {

namespace {

const QString kService = QString::fromLatin1(dbus::kPortalService);
const QString kPath = QString::fromLatin1(dbus::kPortalPath);
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
constexpr uint kPreferDark = 1; // 0: no preference, 2: prefer light

} // namespace

void PortalColorScheme::start() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // From any sender: naming the service would make Qt look up its owner
    // with a call that blocks.
    bus.connect(QString(), kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    read(QStringLiteral("ReadOne"));
}

void PortalColorScheme::read(const QString& method) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call << kGroup << kKey;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            report(reply.arguments().constFirst());
        } else if (method == QLatin1String("ReadOne") &&
                   reply.errorName() == QLatin1String(dbus::kUnknownMethod)) {
            read(QStringLiteral("Read")); // a portal older than ReadOne
        }
    });
}

void PortalColorScheme::settingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments(); // namespace, key, value
    if (arguments.size() == 3 && arguments[0].toString() == kGroup &&
        arguments[1].toString() == kKey) {
        report(arguments[2]);
    }
}

void PortalColorScheme::report(const QVariant& value) {
    // ReadOne answers a variant, Read a variant inside a variant.
    QVariant setting = value;
    while (setting.userType() == qMetaTypeId<QDBusVariant>()) {
        setting = setting.value<QDBusVariant>().variant();
    }
    bool ok = false;
    const uint scheme = setting.toUInt(&ok);
    if (ok) {
        emit preferDark(scheme == kPreferDark);
    }
}

} // namespace platform
