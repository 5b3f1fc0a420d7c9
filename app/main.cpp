// Horolux: starts the first timer window and runs until the last one closes.
#include "application.h"
#include "frmStopwatch.h"

#include <QApplication>

#include <cstdlib>
#include <stdexcept>

namespace {

// The windows place themselves on the screen, which Wayland does not allow a
// program; where the user chose no platform and X11 is at hand, use it.
void preferX11OnWayland() {
    const bool chosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const bool x11 = qEnvironmentVariableIsSet("DISPLAY");
    if (!chosen && wayland && x11) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// Stands in until the computer's clock can be set from the program.
class NoClockSetter final : public runtime::ClockSetter {
public:
    void setClock(std::int64_t /*microsecondsUtc*/) override {
        throw std::runtime_error("setting the clock is not available");
    }
};

} // namespace

int main(int argc, char* argv[]) {
    preferX11OnWayland();
    configureDisplayConnection();
    QApplication app(argc, argv);
    configureApplication();

    runtime::SystemClock clock;
    runtime::QtDialogs dialogs;
    NoClockSetter clockSetter;
    const runtime::Services services{clock, dialogs, clockSetter};

    // A timer window has no parent and deletes itself when it is closed.
    auto* first = new frmStopwatch(services);
    first->show();
    return QApplication::exec();
}
