#include "glance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

constexpr int kMsPerSecond = 1000;
constexpr double kProgressSteps = 100.0;
constexpr int kAfterTickMs = 50; // the window's tick has come by then
constexpr long long kSecondsPerHour = 3600;
constexpr long long kSecondsPerMinute = 60;
constexpr long long kCentisPerSecond = 100;

QString twoDigits(long long n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// "4:32", or "1:04:32" from an hour on: the time left to the nearest second,
// as the window's display rounds it.
QString timeLeft(double seconds) {
    const long long s = std::llround(std::max(seconds, 0.0));
    const long long hours = s / kSecondsPerHour;
    const long long minutes = s / kSecondsPerMinute % kSecondsPerMinute;
    const QString tail = twoDigits(s % kSecondsPerMinute);
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), tail);
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}

// "12:03.45", or "1:12:03.45" from an hour on: a stopwatch's time to the
// hundredth.
QString timeRun(double seconds) {
    const long long c = std::llround(std::max(seconds, 0.0) * kCentisPerSecond);
    const long long s = c / kCentisPerSecond;
    const QString tail = QStringLiteral("%1.%2").arg(twoDigits(s % kSecondsPerMinute),
                                                     twoDigits(c % kCentisPerSecond));
    const long long hours = s / kSecondsPerHour;
    const long long minutes = s / kSecondsPerMinute % kSecondsPerMinute;
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3").arg(hours).arg(twoDigits(minutes), tail);
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(tail);
}

} // namespace

QString windowTitle(const QString& identification, std::string_view caption) {
    const QString shown = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    const QString id = identification.trimmed();
    return id.isEmpty() ? shown : QStringLiteral("%1 - %2").arg(id, shown);
}

Glance glance(const std::vector<WindowRecord>& records, const RestoreClock& now,
              const Translate& localize) {
    const auto say = [&localize](const char* english) { return localize("Tray", english); };
    Glance g;
    double soonest = std::numeric_limits<double>::infinity();
    double soonestLength = 0.0;
    for (const WindowRecord& record : records) {
        const Restored r = restore(record, now);
        const QString id = record.identification.trimmed();
        if (r.countdown == Restored::Countdown::Running) {
            ++g.countdowns;
            g.lines << say(QT_TRANSLATE_NOOP("Tray", "%1: %2 left"))
                           .arg(id.isEmpty() ? say(QT_TRANSLATE_NOOP("Tray", "Countdown")) : id,
                                timeLeft(r.remaining));
            if (r.remaining < soonest) {
                soonest = r.remaining;
                soonestLength = r.length;
            }
        }
        if (r.stopwatch == WindowRecord::Stopwatch::Running) {
            ++g.running;
            g.lines << say(QT_TRANSLATE_NOOP("Tray", "%1: %2"))
                           .arg(id.isEmpty() ? say(QT_TRANSLATE_NOOP("Tray", "Stopwatch")) : id,
                                timeRun(r.elapsed));
        }
    }
    g.running += g.countdowns;
    if (g.countdowns > 0) {
        if (soonestLength > 0.0) {
            const double done = std::clamp(1.0 - soonest / soonestLength, 0.0, 1.0);
            g.progress = std::floor(done * kProgressSteps) / kProgressSteps;
        }
        const double fraction = soonest - std::floor(soonest);
        g.nextLookMs = static_cast<int>(std::ceil(fraction * kMsPerSecond)) + kAfterTickMs;
    }
    return g;
}

} // namespace core
