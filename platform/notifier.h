#pragma once
// Desktop notifications: a short message outside the program's windows that
// the user sees while looking elsewhere, and that can bring a window back.
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// The desktop notification of one timer window: it shows at most one
// notification at a time, and showing again replaces it. The window owns its
// notifier; destroying it withdraws the notification.
//
// Nothing here waits for the desktop: show() and withdraw() return at once,
// and without a notification service they do nothing.
class Notifier {
public:
    Notifier() = default;
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;
    virtual ~Notifier() = default;

    // Shows `summary` (one line) and `body`, replacing this notifier's previous
    // notification if it is still up. `onActivated` runs, later, from the event
    // loop, when the user picks the notification itself (its default action),
    // where the desktop offers that; it may withdraw or destroy this notifier.
    virtual void show(const QString& summary, const QString& body,
                      std::function<void()> onActivated) = 0;

    // Closes the notification this object showed, if it is still up, and
    // forgets its `onActivated`.
    virtual void withdraw() = 0;

    // The next show() also offers the action "Again", which runs `again` from
    // the event loop when the user picks it (where the desktop offers
    // actions); the show after that offers it only if asked anew.
    // By value: a notifier that offers actions keeps it.
    // NOLINTNEXTLINE(performance-unnecessary-value-param)
    virtual void offerAgain(std::function<void()> /*again*/) {}
};

// Where the program has no desktop notifications: shows nothing.
class NullNotifier final : public Notifier {
public:
    void show(const QString& summary, const QString& body,
              std::function<void()> onActivated) override;
    void withdraw() override;
};

// How hard a notification asks to be seen: a critical one stays on the screen
// until the user answers it, where the notification server keeps such.
enum class Urgency { Normal, Critical };

// The notifier for this platform: the freedesktop notification service on the
// session bus on a Linux desktop, elsewhere a NullNotifier. Connects to the
// bus only when it first shows something.
[[nodiscard]] std::unique_ptr<Notifier> makeDesktopNotifier(Urgency urgency = Urgency::Normal);

} // namespace platform
