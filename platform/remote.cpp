#include "remote.h"

#if HOROLUX_LINUX_DESKTOP
#include "dbusremote.h"
#endif

namespace platform {

namespace {

// Where the program has no session bus: serves nothing.
class NullRemoteEndpoint final : public RemoteEndpoint {
public:
    void countdownFinished(const QString& /*identification*/) override {}
};

} // namespace

std::unique_ptr<RemoteEndpoint> makeRemoteEndpoint(RemoteHandlers handlers) {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<DBusRemote>(std::move(handlers));
#else
    Q_UNUSED(handlers);
    return std::make_unique<NullRemoteEndpoint>();
#endif
}

VerbAnswer sendVerb(const core::Verb& verb) {
#if HOROLUX_LINUX_DESKTOP
    return sendVerbOverDBus(verb);
#else
    Q_UNUSED(verb);
    return {VerbAnswer::Status::NoProgram, {}};
#endif
}

} // namespace platform
