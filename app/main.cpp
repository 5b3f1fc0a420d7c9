// Horolux: starts the first timer window and runs until the last one closes.
#include "application.h"
#include "commandline.h"
#include "frmStopwatch.h"
#include "outside.h"
#include "palette.h"
#include "persistence.h"
#include "placement.h"
#include "platform/clocksetters.h"
#include "platform/colorscheme.h"
#include "platform/dialogs.h"
#include "platform/notifier.h"
#include "platform/remote.h"
#include "platform/systemclock.h"
#include "platform/timingjournal.h"
#include "platform/translation.h"
#include "remote.h"
#include "timingproblems.h"

#include <QApplication>

#include <memory>

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

} // namespace

int main(int argc, char* argv[]) {
    CommandLine line;
    if (const std::optional<int> status = handleCommandLine(argc, argv, &line)) {
        return *status;
    }
    // A verb goes to the Horolux running in this session; where none runs,
    // this process becomes the program and carries it out itself.
    if (line.verb) {
        if (const std::optional<int> status = sendToRunningProgram(argc, argv, *line.verb)) {
            return *status;
        }
    }
    if (const std::optional<int> status = refuseWithoutDisplay(line)) {
        return *status;
    }
    preferX11OnWayland();
    configureDisplayConnection();
    QApplication app(argc, argv);
    const QPalette themePalette = QApplication::palette();
    configureApplication();
    const std::unique_ptr<platform::ColorScheme> colorScheme = platform::makeDesktopColorScheme();
    followColorScheme(*colorScheme, themePalette);
    platform::installTranslations(app);

    platform::SystemClock clock;
    platform::QtDialogs dialogs;
    const std::unique_ptr<core::ClockSetter> clockSetter = platform::makeSystemClockSetter();
    // The timings of this process, kept for the next start; what goes wrong
    // with them is told in a desktop notification.
    TimingProblems problems([] { return platform::makeDesktopNotifier(); });
    const std::unique_ptr<platform::TimingStore> store = platform::makeFileTimingStore(
        platform::timingFolder(),
        {.onProblem = [&problems](const platform::TimingProblem& p) { problems.tell(p); }});
    platform::TimingJournal journal(*store);
    keepTimingsAtEnd(app, journal);
    // The tray icon and the taskbar entry, following the journal.
    const Outside outside(journal, clock, Outside::makeTray(), platform::makeLauncherEntry());
    // Verbs from the session bus, served once the windows are up.
    std::unique_ptr<platform::RemoteEndpoint> endpoint;
    const platform::Services services{
        clock, dialogs, *clockSetter,
        // A finish stays on the screen until answered.
        [] { return platform::makeDesktopNotifier(platform::Urgency::Critical); },
        platform::makeDesktopInhibitor, &journal,
        [&endpoint](const QString& identification) {
            if (endpoint) {
                endpoint->countdownFinished(identification);
            }
        }};
    const RemoteWindows remote(services);

    // Each window has no parent and deletes itself when it is closed. With
    // nothing to bring back and no verb, one idle window.
    int restored = 0;
    if (line.restore) {
        // The records taken over go only once this process's own record,
        // written after every window is restored, holds their timings.
        const platform::TimingJournal::Restoring restoring(journal);
        restored = restoreWindows(services, store->takeOver());
    }
    if (line.verb) {
        static_cast<void>(remote.perform(*line.verb));
    } else if (restored == 0) {
        auto* first = new frmStopwatch(services);
        placeNewWindow(*first);
        first->show();
    }
    endpoint = platform::makeRemoteEndpoint(
        {[&remote](const core::Verb& verb) { return remote.perform(verb); },
         [&remote] { return remote.list(); }});
    const int status = QApplication::exec();
    endpoint.reset(); // the name passes to the next Horolux now
    return status;
}
