#include "tray.h"

#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

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
} // namespace

QtTray::QtTray(QPixmap icon, std::function<void()> activated)
    : base_(std::move(icon)), activated_(std::move(activated)), menu_(std::make_unique<QMenu>()) {}

QtTray::~QtTray() = default;

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
    if (icon_ == nullptr) {
        if (std::exchange(asked_, true) || !QSystemTrayIcon::isSystemTrayAvailable()) {
            return;
        }
        icon_ = new QSystemTrayIcon(this);
        icon_->setContextMenu(menu_.get());
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger ||
                        reason == QSystemTrayIcon::DoubleClick) {
                        activated_();
                    }
                });
    }
    const int step = progress < 0.0 ? -1 : static_cast<int>(std::floor(progress * kPieSteps));
    if (step != step_) {
        step_ = step;
        icon_->setIcon(QIcon(drawn(step)));
    }
    if (toolTip != toolTip_) {
        toolTip_ = toolTip;
        icon_->setToolTip(toolTip);
    }
    if (!icon_->isVisible()) {
        icon_->show();
    }
}

void QtTray::hide() {
    if (icon_ != nullptr && icon_->isVisible()) {
        icon_->hide();
    }
}

} // namespace platform
