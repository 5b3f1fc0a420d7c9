#include "clocksetters.h"

#include "core/texts.h"

#if HOROLUX_LINUX_DESKTOP
#include "dbusnames.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QString>

#include <cerrno>
#include <cstring>
#include <ctime>
#elif defined(_WIN32)
#include <windows.h>
#endif

#include <string>

namespace platform {

using core::ClockNotSet;
using core::ClockSetter;

#if HOROLUX_LINUX_DESKTOP

namespace {

const QString kTimedatedService = QStringLiteral("org.freedesktop.timedate1");
const QString kTimedatedPath = QStringLiteral("/org/freedesktop/timedate1");

// The time service's or polkit's refusal, in words the user can act on.
std::string reasonFor(const QDBusError& error) {
    const QString name = error.name();
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled")) {
        return QT_TRANSLATE_NOOP(
            "Messages",
            "Automatic time synchronization is on; turn it off in the system settings first.");
    }
    if (dbus::isPermissionRefusal(name)) {
        return QT_TRANSLATE_NOOP(
            "Messages", "You are not allowed to set the clock, or the authorization was refused.");
    }
    if (name == QLatin1String("org.freedesktop.PolicyKit1.Error.Cancelled")) {
        return QT_TRANSLATE_NOOP("Messages", "The authorization was cancelled.");
    }
    if (name == QLatin1String(dbus::kInteractiveAuthorizationRequired)) {
        return QT_TRANSLATE_NOOP(
            "Messages", "Setting the clock needs an authorization that could not be asked for.");
    }
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
        error.type() == QDBusError::TimedOut) {
        return QT_TRANSLATE_NOOP("Messages", "The time service did not answer in time.");
    }
    const QString detail = error.message().isEmpty() ? name : error.message();
    return core::compose(core::kTimeServiceRefused, {detail.toStdString()});
}

ClockNotSet::Cause causeOf(const QDBusError& error) {
    return dbus::isPermissionRefusal(error.name()) ? ClockNotSet::Cause::NotPermitted
                                                   : ClockNotSet::Cause::Refused;
}

std::string reasonForErrno(int number) {
    switch (number) {
    case EPERM:
        return QT_TRANSLATE_NOOP("Messages",
                                 "You do not have the right to set the computer's clock.");
    case EINVAL:
        return QT_TRANSLATE_NOOP("Messages", "The system does not accept that time.");
    default:
        return core::compose(core::kSystemRefused, {std::strerror(number)});
    }
}

} // namespace

TimedatedClockSetter::TimedatedClockSetter(std::unique_ptr<ClockSetter> fallback,
                                           std::chrono::milliseconds timeout)
    : fallback_(std::move(fallback)), timeout_(timeout) {}

TimedatedClockSetter::~TimedatedClockSetter() = default;

void TimedatedClockSetter::setClock(std::int64_t microsecondsUtc) {
    // No time service on the system bus, or no system bus: the fallback may
    // still set the clock, but where it may not, the missing service is the
    // reason to give, not the fallback's lack of the right.
    const auto serviceMissing = [this, microsecondsUtc] {
        const std::string noService =
            QT_TRANSLATE_NOOP("Messages", "The system's time service is not available.");
        if (!fallback_) {
            throw ClockNotSet(noService, ClockNotSet::Cause::NoService);
        }
        try {
            fallback_->setClock(microsecondsUtc);
        } catch (const ClockNotSet& refusal) {
            if (refusal.cause() != ClockNotSet::Cause::NotPermitted) {
                throw;
            }
            throw ClockNotSet(noService, ClockNotSet::Cause::NoService);
        }
    };

    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        serviceMissing();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kTimedatedService, kTimedatedPath, kTimedatedService, QStringLiteral("SetTime"));
    // usec_utc, relative, interactive: an absolute instant, and polkit may ask
    // the user for a password.
    call << static_cast<qlonglong>(microsecondsUtc) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusPendingCall pending = bus.asyncCall(call, static_cast<int>(timeout_.count()));

    // Wait like a modal dialog: ticks and painting go on, but no click or key
    // reaches the program until the answer is in, so nothing can start a
    // timer, press the button again or close the window meanwhile.
    QDBusPendingCallWatcher watcher(pending);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (!watcher.isError()) {
        return;
    }
    const QDBusError error = watcher.error();
    if (error.type() == QDBusError::ServiceUnknown) {
        serviceMissing();
        return;
    }
    throw ClockNotSet(reasonFor(error), causeOf(error));
}

void DirectClockSetter::setClock(std::int64_t microsecondsUtc) {
    std::int64_t seconds = microsecondsUtc / 1000000;
    std::int64_t micros = microsecondsUtc % 1000000;
    if (micros < 0) {
        micros += 1000000;
        --seconds;
    }
    timespec instant{};
    instant.tv_sec = static_cast<time_t>(seconds);
    instant.tv_nsec = static_cast<long>(micros * 1000);
    if (clock_settime(CLOCK_REALTIME, &instant) != 0) {
        const int number = errno;
        throw ClockNotSet(reasonForErrno(number), number == EPERM ? ClockNotSet::Cause::NotPermitted
                                                                  : ClockNotSet::Cause::Refused);
    }
}

#elif defined(_WIN32)

void LocalTimeClockSetter::setClock(std::int64_t microsecondsUtc) {
    // A FILETIME counts 100 ns since 1601-01-01 00:00 UTC.
    constexpr std::int64_t kFrom1601To1970 = 116444736000000000LL;
    const auto ticks = static_cast<std::uint64_t>(microsecondsUtc * 10 + kFrom1601To1970);
    FILETIME instant{};
    instant.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFULL);
    instant.dwHighDateTime = static_cast<DWORD>(ticks >> 32U);
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (FileTimeToSystemTime(&instant, &utc) == 0 ||
        SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) == 0) {
        throw ClockNotSet(QT_TRANSLATE_NOOP("Messages", "The system does not accept that time."));
    }
    if (SetLocalTime(&local) == 0) {
        if (GetLastError() == ERROR_PRIVILEGE_NOT_HELD) {
            throw ClockNotSet(
                QT_TRANSLATE_NOOP("Messages",
                                  "You do not have the right to set the computer's clock."),
                ClockNotSet::Cause::NotPermitted);
        }
        throw ClockNotSet(QT_TRANSLATE_NOOP("Messages", "The system refused to set the clock."));
    }
}

#endif

void UnavailableClockSetter::setClock(std::int64_t /*microsecondsUtc*/) {
    throw ClockNotSet(
        QT_TRANSLATE_NOOP("Messages",
                          "Setting the computer's clock is not available on this system."),
        ClockNotSet::Cause::NoService);
}

std::unique_ptr<ClockSetter> makeSystemClockSetter() {
#if HOROLUX_LINUX_DESKTOP
    return std::make_unique<TimedatedClockSetter>(std::make_unique<DirectClockSetter>());
#elif defined(_WIN32)
    return std::make_unique<LocalTimeClockSetter>();
#else
    return std::make_unique<UnavailableClockSetter>();
#endif
}

} // namespace platform
