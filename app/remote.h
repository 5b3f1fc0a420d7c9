#pragma once
// Control from outside the windows: verbs from the command line or the
// session bus carried out on this program's windows, the hand-over of a verb
// to the Horolux already running, and `horolux --list`.
#include "core/verb.h"
#include "platform/remote.h"
#include "platform/services.h"

#include <QByteArray>

#include <optional>

class QTranslator;

// Carries verbs out on this program's windows, as a click on their buttons.
class RemoteWindows {
public:
    explicit RemoteWindows(const platform::Services& services) : services_(services) {}

    // Checks the verb's arguments and carries it out, or says why not. A new
    // window opens where a new window opens, off the others.
    [[nodiscard]] platform::VerbAnswer perform(const core::Verb& verb) const;

    // This program's windows that are timing or show a result, as the JSON of
    // --list --json.
    [[nodiscard]] QByteArray list() const;

private:
    const platform::Services& services_;
};

// Hands the verb to the Horolux running in this session. Returns the exit
// status when one answered, or where none runs and the verb acts on an open
// window (which then cannot exist); nothing where none runs and this process
// is to open the window itself. Call before any application object exists.
[[nodiscard]] std::optional<int> sendToRunningProgram(int argc, char** argv,
                                                      const core::Verb& verb);

// `horolux --list [--json]`: the windows of every record in the timing
// folder, on standard output. Reads the records only; needs no application
// object and no display.
[[nodiscard]] int printListing(bool json, const QTranslator* translator);
