#pragma once
// The command line, read before the QApplication exists: --help, --version and
// --list answer at once and need no display; Qt's own options (-platform,
// -display, -style, ...) are left for the QApplication to take; the verbs
// (--stopwatch, --countdown, --press, ...) are checked here, strictly, before
// anything happens; anything else is refused before a window opens.
#include "core/verb.h"

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, List };
    Action action = Action::Run;
    // The help or the version for standard output, or the refusal for standard
    // error; each ends with a newline. Empty for Run and List.
    QString text{};
    // Whether -platform or -display says where the windows go.
    bool displayNamed = false;
    // The values of -platform and -display; empty where not given.
    QString platform{};
    QString display{};
    // Run: bring back the recorded timings (not with --no-restore).
    bool restore = true;
    // Run: a verb for the Horolux running in this session, or for this one.
    std::optional<core::Verb> verb{};
    // List: as JSON.
    bool json = false;
};

class QTranslator;

// Reads the arguments as the program received them, its own name first. The
// texts are in the language of `translator`, in English without one.
CommandLine parseCommandLine(const QStringList& arguments, const QTranslator* translator = nullptr);

// Call first in main(), with main's arguments. Prints the help, the version,
// the listing or the refusal and returns the exit status; returns nothing when
// the program is to go on, with `line` (if given) saying how.
std::optional<int> handleCommandLine(int argc, const char* const* argv,
                                     CommandLine* line = nullptr);

// Call before the QApplication exists. Without a display to open a window on
// (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM, no -platform or
// -display), or with an X display that cannot be reached, it says so and how
// to run the program, and returns 1, where Qt would abort.
std::optional<int> refuseWithoutDisplay(const CommandLine& line);
