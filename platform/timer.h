#pragma once
// A window timer: raises timeout() every interval milliseconds while it is
// enabled and its interval is above 0. An interval of 0 never fires. A held
// timer stays enabled but delivers no ticks until it is let go.
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
    // Holds the ticks back while its window cannot be seen: isEnabled() is
    // unchanged, and letting go resumes the ticks if it is still enabled.
    [[nodiscard]] bool isHeld() const { return held_; }
    void setHeld(bool held);
    // Whether ticks are being delivered (enabled with an interval above 0,
    // and not held).
    [[nodiscard]] bool isRunning() const { return timer_.isActive(); }

signals:
    void timeout();

private:
    void apply();

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
    bool held_ = false;
};

} // namespace platform
