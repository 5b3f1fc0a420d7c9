#pragma once
// A window timer: raises timeout() every interval milliseconds while it is
// enabled and its interval is above 0. An interval of 0 never fires.
#include <QObject>
#include <QTimer>

namespace platform {

class Timer final : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);

    [[nodiscard]] bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    [[nodiscard]] int interval() const { return interval_; }
    void setInterval(int milliseconds);
    // Whether ticks are being delivered (enabled with an interval above 0).
    [[nodiscard]] bool isRunning() const { return timer_.isActive(); }

signals:
    void timeout();

private:
    void apply();

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};

} // namespace platform
