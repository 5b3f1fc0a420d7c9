#pragma once
// Verbs from outside the windows: the program's end that serves them on the
// session bus, and the command line's end that hands them to the Horolux
// running in the session. On a Linux desktop through D-Bus (the interface in
// data/dbus/org.horolux.Horolux.xml); elsewhere neither end reaches anything.
#include "core/verb.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// The answer to a verb.
struct VerbAnswer {
    enum class Status {
        Done,
        InvalidArgument, // an argument is refused: nothing happened
        NoSuchWindow,    // no open window has that I.D.
        Ambiguous,       // several windows have it
        NotNow,          // the window's button is hidden or would do nothing
        Busy,            // a message box or the clock setter waits for the user
        NoProgram,       // no Horolux serves verbs in this session
        Failed,          // the running Horolux did not answer
    };
    Status status = Status::Done;
    QString message{}; // one line, in the user's language; empty when done
};

// What the program does for the verbs that reach it from the bus.
struct RemoteHandlers {
    std::function<VerbAnswer(const core::Verb&)> perform{};
    std::function<QByteArray()> list{}; // the program's windows, as core::listingJson
};

class RemoteEndpoint {
public:
    RemoteEndpoint() = default;
    RemoteEndpoint(const RemoteEndpoint&) = delete;
    RemoteEndpoint& operator=(const RemoteEndpoint&) = delete;
    // Gives the name up, so that the next Horolux in the bus's queue takes it.
    virtual ~RemoteEndpoint() = default;

    // A countdown finished in the window with this I.D.: a signal on the bus.
    virtual void countdownFinished(const QString& identification) = 0;
};

// Serves the verbs on the session bus and asks for the name there without
// waiting for the answer: where another Horolux holds it, this one waits in
// the bus's queue and takes it over when that one ends. Without a session
// bus, nothing is served.
[[nodiscard]] std::unique_ptr<RemoteEndpoint> makeRemoteEndpoint(RemoteHandlers handlers);

// Hands `verb` to the Horolux that holds the name and returns its answer,
// waiting a few seconds at most. NoProgram when none holds it or there is no
// session bus. Needs a QCoreApplication.
[[nodiscard]] VerbAnswer sendVerb(const core::Verb& verb);

} // namespace platform
