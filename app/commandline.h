#pragma once
// The command line, read before the QApplication exists: --help and --version
// answer at once and need no display; Qt's own options (-platform, -display,
// -style, ...) are left for the QApplication to take; anything else is refused
// before a window opens.
#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    // The help or the version for standard output, or the refusal for standard
    // error; each ends with a newline. Empty for Run.
    QString text;
    // Whether -platform or -display says where the windows go.
    bool displayNamed = false;
    // Run: bring back the recorded timings (not with --no-restore).
    bool restore = true;
};

class QTranslator;

// Reads the arguments as the program received them, its own name first. The
// texts are in the language of `translator`, in English without one.
CommandLine parseCommandLine(const QStringList& arguments, const QTranslator* translator = nullptr);

// Call first in main(), with main's arguments. Prints the help, the version or
// the refusal and returns the exit status; returns nothing when the program is
// to start its windows, then with `restore` set as asked. Without a display
// (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM, no -platform or
// -display) it says so and how to run the program, and returns 1, where Qt
// would abort.
std::optional<int> handleCommandLine(int argc, const char* const* argv, bool* restore = nullptr);
