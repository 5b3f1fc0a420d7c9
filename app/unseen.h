#pragma once
// Holds a window's stopwatch ticks while nobody can see the window
// (app/unseen.cpp).
#include <QObject>

#include <functional>

class QWidget;
namespace platform {
class Timer;
}

class TickHold final : public QObject {
public:
    // Watches `window` and holds `timer` while the window is unseen; `catchUp`
    // brings the display up to date when it is seen again with the timer on.
    TickHold(QWidget& window, platform::Timer& timer, std::function<void()> catchUp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QWidget& window_;
    platform::Timer& timer_;
    std::function<void()> catchUp_;
    bool hidden_ = false;    // hidden, or minimized, since it was last shown
    bool unexposed_ = false; // off the screen, e.g. on another workspace
};
