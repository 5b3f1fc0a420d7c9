#include "tray.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

#if HOROLUX_LINUX_DESKTOP
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#endif

#include <cmath>
#include <utility>

namespace platform {

namespace {
// A pie on an icon of 32 pixels shows no finer than this.
constexpr double kPieSteps = 32.0;
constexpr int kIconSize = 32;
constexpr int kSixteenthsPerDegree = 16;
constexpr int kFullCircle = 360;
constexpr int kTwelveOClock = 90;
#if HOROLUX_LINUX_DESKTOP
// How long the desktop's tray watcher may take to answer before it counts as
// having no tray: Qt's own check waits for it without a limit a window can bear.
constexpr int kWatcherAnswerMs = 2000;
#endif
} // namespace

QtTray::QtTray(QPixmap icon, std::function<void()> activated)
    : base_(std::move(icon)), activated_(std::move(activated)) {}

QtTray::~QtTray() = default;

QMenu& QtTray::menu() {
    if (!menu_) {
        menu_ = std::make_unique<QMenu>();
    }
    return *menu_;
}

QPixmap QtTray::drawn(int step) const {
    if (step < 0) {
        return base_;
    }
    QPixmap pixmap =
        base_.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(2, 2, kIconSize - 4, kIconSize - 4);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(255, 255, 255, 200)); // the time left
    painter.drawEllipse(disc);
    painter.setBrush(QColor(0, 128, 0)); // the time gone, clockwise from twelve
    const int span = static_cast<int>(std::lround(step / kPieSteps * kFullCircle));
    painter.drawPie(disc, kTwelveOClock * kSixteenthsPerDegree, -span * kSixteenthsPerDegree);
    return pixmap;
}

void QtTray::show(const QString& toolTip, double progress) {
    wanted_ = {true, toolTip, progress < 0.0 ? -1 : static_cast<int>(progress * kPieSteps)};
    if (!std::exchange(asked_, true)) {
        ask();
    }
    apply();
}

void QtTray::hide() {
    wanted_.shown = false;
    apply();
}

void QtTray::ask() {
#if HOROLUX_LINUX_DESKTOP
    // Where a watcher owns its name, it is asked first, without waiting: one
    // that answers late (or not) would make Qt's check hang the window.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcher, QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
        get.setAutoStartService(false);
        auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get, kWatcherAnswerMs), this);
        connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* c) {
            c->deleteLater();
            if (c->reply().errorName() != QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
                make();
            }
        });
        return;
    }
#endif
    make();
}

void QtTray::make() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    icon_ = new QSystemTrayIcon(this);
    icon_->setContextMenu(&menu());
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                    activated_();
                }
            });
    apply();
}

void QtTray::apply() {
    if (icon_ == nullptr) {
        return;
    }
    if (wanted_.shown && wanted_.step != shown_.step) {
        icon_->setIcon(QIcon(drawn(wanted_.step)));
    }
    if (wanted_.shown && wanted_.toolTip != shown_.toolTip) {
        icon_->setToolTip(wanted_.toolTip);
    }
    if (wanted_.shown != shown_.shown) {
        icon_->setVisible(wanted_.shown);
    }
    shown_ = wanted_.shown ? wanted_ : Look{false, shown_.toolTip, shown_.step};
}

} // namespace platform
