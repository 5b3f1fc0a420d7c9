#include "restore.h"

#include "format.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace core {

namespace {
constexpr double kBelievedSeconds = 10 * 366 * kSecondsPerDay; // ten years, leap days included
constexpr double kLongestCountdown = kSecondsPerDay;
constexpr double kMsPerSecond = 1000.0;
} // namespace

std::optional<double> secondsSince(const Instant& then, const RestoreClock& now) {
    double seconds = 0.0;
    if (!then.bootId.isEmpty() && then.bootId == now.bootId) {
        seconds = now.bootSeconds - then.bootSeconds;
    } else {
        seconds = static_cast<double>(now.utcMs - then.utcMs) / kMsPerSecond;
    }
    if (!std::isfinite(seconds) || seconds < 0.0 || seconds > kBelievedSeconds) {
        return std::nullopt;
    }
    return seconds;
}

Restored restore(const WindowRecord& record, const RestoreClock& now) {
    using Stopwatch = WindowRecord::Stopwatch;
    Restored r;
    r.at = now.bootSeconds;
    r.stopwatch = record.stopwatch;
    r.result = record.result;
    r.capture = record.capture;
    if (record.stopwatch == Stopwatch::Running) {
        if (const std::optional<double> elapsed = secondsSince(record.started, now)) {
            r.elapsed = *elapsed;
        } else {
            r.stopwatch = Stopwatch::Idle;
            r.dropped = QStringLiteral("a running stopwatch started in the future or too long ago");
        }
    }
    if (!record.countdownRunning) {
        return r;
    }
    // Time to the end is time since the end, negated: the same two clocks.
    const RestoreClock end{record.countdownEnd.bootId, record.countdownEnd.bootSeconds,
                           record.countdownEnd.utcMs};
    const Instant nowInstant{now.bootSeconds, now.bootId, now.utcMs};
    if (const std::optional<double> left = secondsSince(nowInstant, end)) {
        if (*left > kLongestCountdown) {
            r.dropped = QStringLiteral("a countdown longer than 24 hours");
            return r;
        }
        r.countdown = *left > 0.0 ? Restored::Countdown::Running : Restored::Countdown::Ended;
        r.remaining = *left;
    } else if (const std::optional<double> past = secondsSince(record.countdownEnd, now)) {
        r.countdown = Restored::Countdown::Ended;
        r.remaining = -*past;
    } else {
        r.dropped = QStringLiteral("a countdown ending too far ahead or ended too long ago");
        return r;
    }
    if (r.countdown == Restored::Countdown::Ended) {
        r.endedUtcMs =
            now.utcMs + static_cast<std::int64_t>(std::llround(r.remaining * kMsPerSecond));
        // The countdown stopped the stopwatch it drove at its end, not now.
        if (record.validates && r.stopwatch == Stopwatch::Running) {
            r.stopwatch = Stopwatch::Stopped;
            r.result = QString::fromStdString(formatFixed2(std::max(0.0, r.elapsed + r.remaining)));
        }
    } else {
        r.validates = record.validates && r.stopwatch == Stopwatch::Running;
    }
    return r;
}

QString localClockTime(std::int64_t utcMs) {
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("HH:mm"));
}

} // namespace core
