#include "restore.h"

#include "convert.h"
#include "errors.h"
#include "format.h"
#include "stopwatch.h"
#include "texts.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <vector>

namespace core {

namespace {
constexpr double kBelievedSeconds = 10 * 366 * kSecondsPerDay; // ten years, leap days included
constexpr double kMsPerSecond = 1000.0;

// Why a timing did not come back, as the window tells the user.
constexpr const char* kStartInFuture = QT_TRANSLATE_NOOP(
    "Notification", "The stopwatch did not come back: its start lies in the future. Was the "
                    "computer's clock set back?");
constexpr const char* kRunTooLong =
    QT_TRANSLATE_NOOP("Notification", "The stopwatch did not come back: it has run longer than "
                                      "32767 hours, more than it can convert.");
constexpr const char* kResultUnreadable = QT_TRANSLATE_NOOP(
    "Notification", "The stopwatch did not come back: its result is not a time it can convert.");
constexpr const char* kLapsLeftOut =
    QT_TRANSLATE_NOOP("Notification", "Some laps did not come back: their record was damaged.");
constexpr const char* kEndTooFar = QT_TRANSLATE_NOOP(
    "Notification", "The countdown did not come back: its end lies more than 24 hours ahead. Was "
                    "the computer's clock set back?");
constexpr const char* kEndedLongAgo = QT_TRANSLATE_NOOP(
    "Notification", "The countdown did not come back: it ended more than ten years ago.");

// Seconds from `then` to `now` on the clock that counts them, not yet believed.
double rawSecondsSince(const Instant& then, const RestoreClock& now) {
    if (!then.bootId.isEmpty() && then.bootId == now.bootId) {
        return now.bootSeconds - then.bootSeconds;
    }
    return static_cast<double>(now.utcMs - then.utcMs) / kMsPerSecond;
}

// Whether the stopwatch's button can convert a display, and so reach Reset.
bool converts(const QString& display) {
    Integer hours = 0;
    Integer minutes = 0;
    Integer seconds = 0;
    return exitOnError(
        [&] { (void)Stopwatch::convertDisplay(display.toStdString(), hours, minutes, seconds); });
}

void drop(Restored& r, const char* log, const char* reason) {
    if (!r.dropped.isEmpty()) {
        r.dropped += QStringLiteral("; ");
    }
    r.dropped += QLatin1String(log);
    if (r.reason == nullptr) {
        r.reason = reason;
    }
}

void restoreStopwatch(const WindowRecord& record, const RestoreClock& now, Restored& r) {
    using Stopwatch = WindowRecord::Stopwatch;
    r.stopwatch = record.stopwatch;
    r.result = record.result;
    r.capture = record.capture;
    r.captured = record.captured && record.stopwatch == Stopwatch::Running;
    if (record.stopwatch == Stopwatch::Running) {
        const double elapsed = rawSecondsSince(record.started, now);
        if (!std::isfinite(elapsed) || elapsed < 0.0) {
            drop(r, "a running stopwatch started in the future", kStartInFuture);
        } else if (elapsed > kLongestRunSeconds) {
            drop(r, "a running stopwatch started too long ago to convert", kRunTooLong);
        } else {
            r.elapsed = elapsed;
        }
    } else if (record.stopwatch == Stopwatch::Stopped &&
               (!converts(record.result) || !converts(record.capture))) {
        drop(r, "a stopped stopwatch whose displays do not convert", kResultUnreadable);
    }
    if (!r.dropped.isEmpty()) {
        r.stopwatch = Stopwatch::Idle;
        r.result.clear();
        r.capture.clear();
        r.captured = false;
        return;
    }
    if (r.stopwatch == Stopwatch::Idle) {
        return;
    }
    r.laps = record.laps;
    if (!record.lapsDropped.isEmpty()) {
        drop(r, "laps left out:", kLapsLeftOut);
        r.dropped += QStringLiteral(" ") + record.lapsDropped;
    }
    if (r.stopwatch == Stopwatch::Running) {
        // A lap cannot end after now: such laps are left out as damaged.
        const auto now = static_cast<std::int64_t>(std::ceil(r.elapsed * 100.0));
        std::vector<std::int64_t>& splits = r.laps.splits;
        const auto late = std::find_if(splits.begin(), splits.end(),
                                       [now](std::int64_t split) { return split > now; });
        if (late != splits.end() || r.laps.summarisedSplit > now) {
            splits.erase(r.laps.summarisedSplit > now ? splits.begin() : late, splits.end());
            if (r.laps.summarisedSplit > now) {
                r.laps.summarisedCount = r.laps.summarisedSplit = 0;
            }
            drop(r, "laps left out: laps that end after now", kLapsLeftOut);
        }
    }
}

} // namespace

std::optional<double> secondsSince(const Instant& then, const RestoreClock& now) {
    const double seconds = rawSecondsSince(then, now);
    if (!std::isfinite(seconds) || seconds < 0.0 || seconds > kBelievedSeconds) {
        return std::nullopt;
    }
    return seconds;
}

Restored restore(const WindowRecord& record, const RestoreClock& now) {
    using Stopwatch = WindowRecord::Stopwatch;
    Restored r;
    r.at = now.bootSeconds;
    r.minutes = record.minutes;
    restoreStopwatch(record, now, r);
    if (!record.countdownRunning) {
        return r;
    }
    // Time to the end is time since the end, negated: the same two clocks.
    const RestoreClock end{record.countdownEnd.bootId, record.countdownEnd.bootSeconds,
                           record.countdownEnd.utcMs};
    const Instant nowInstant{now.bootSeconds, now.bootId, now.utcMs};
    if (const std::optional<double> left = secondsSince(nowInstant, end)) {
        if (*left > kLongestCountdownSeconds) {
            drop(r, "a countdown longer than 24 hours", kEndTooFar);
            return r;
        }
        r.countdown = *left > 0.0 ? Restored::Countdown::Running : Restored::Countdown::Ended;
        r.remaining = *left;
    } else if (const std::optional<double> past = secondsSince(record.countdownEnd, now)) {
        r.countdown = Restored::Countdown::Ended;
        r.remaining = -*past;
    } else if (rawSecondsSince(record.countdownEnd, now) > 0.0) {
        drop(r, "a countdown that ended too long ago", kEndedLongAgo);
        return r;
    } else {
        drop(r, "a countdown ending too far ahead", kEndTooFar);
        return r;
    }
    if (r.countdown == Restored::Countdown::Ended) {
        r.endedUtcMs =
            now.utcMs + static_cast<std::int64_t>(std::llround(r.remaining * kMsPerSecond));
        // The countdown stopped the stopwatch it drove at its end, not now.
        if (record.validates && r.stopwatch == Stopwatch::Running) {
            r.stopwatch = Stopwatch::Stopped;
            const double result = std::max(0.0, r.elapsed + r.remaining);
            r.result = QString::fromStdString(formatFixed2(result));
            // The stop adds the last lap, up to the stop.
            const auto split = static_cast<std::int64_t>(std::round(result * 100.0));
            if (r.laps.splits.empty() ? split >= r.laps.summarisedSplit
                                      : split >= r.laps.splits.back()) {
                r.laps.splits.push_back(split);
            }
        }
    } else {
        r.validates = record.validates && r.stopwatch == Stopwatch::Running;
        r.length = record.countdownSeconds;
    }
    return r;
}

std::optional<Countdown::Notice> restoredNotice(std::string_view identification,
                                                const Restored& restored) {
    std::optional<Countdown::Notice> notice;
    if (restored.countdown == Restored::Countdown::Ended) {
        notice = Countdown::finishNotice(identification,
                                         localClockTime(restored.endedUtcMs).toStdString());
    } else if (restored.reason != nullptr) {
        identification = trimBlanks(identification);
        notice = Countdown::Notice{identification.empty()
                                       ? QT_TRANSLATE_NOOP("Notification", "Timing not restored")
                                       : compose(kNotRestoredFor, {identification}),
                                   {}};
    }
    if (notice && restored.reason != nullptr) {
        notice->body = restored.reason;
    }
    return notice;
}

QString localClockTime(std::int64_t utcMs) {
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("HH:mm"));
}

} // namespace core
