#include "timeofday.h"

#include "errors.h"

#include <QDateTime>

#include <cmath>

namespace core {

namespace {

// Reads the ASCII digits at `at`, at least `fewest` and at most `most` of
// them, into `value`; moves `at` past them.
bool readDigits(QStringView text, qsizetype& at, int fewest, int most, int& value) {
    int count = 0;
    value = 0;
    while (at < text.size() && count < most && text[at] >= u'0' && text[at] <= u'9') {
        value = value * 10 + (text[at].unicode() - u'0');
        ++at;
        ++count;
    }
    return count >= fewest;
}

void skipBlanks(QStringView text, qsizetype& at) {
    while (at < text.size() && text[at].isSpace()) {
        ++at;
    }
}

// Reads "AM" or "PM" in any case at `at`: 0 for AM, 12 for PM, -1 for neither.
int readMarker(QStringView text, qsizetype& at) {
    if (text.size() - at < 2 || text[at + 1].toUpper() != u'M') {
        return -1;
    }
    const QChar first = text[at].toUpper();
    if (first != u'A' && first != u'P') {
        return -1;
    }
    at += 2;
    return first == u'P' ? 12 : 0;
}

} // namespace

TimeOfDay parseTimeOfDay(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype at = 0;
    TimeOfDay time;
    if (!readDigits(t, at, 1, 2, time.hour)) {
        raise(ErrorNumber::TypeMismatch);
    }
    const bool hasMinutes = at < t.size() && t[at] == u':';
    if (hasMinutes) {
        ++at;
        if (!readDigits(t, at, 2, 2, time.minute)) {
            raise(ErrorNumber::TypeMismatch);
        }
        if (at < t.size() && t[at] == u':') {
            ++at;
            if (!readDigits(t, at, 2, 2, time.second)) {
                raise(ErrorNumber::TypeMismatch);
            }
        }
    }
    skipBlanks(t, at);
    const int marker = readMarker(t, at);
    if (at != t.size() || (!hasMinutes && marker < 0)) {
        raise(ErrorNumber::TypeMismatch); // trailing text, or a bare number
    }
    if (time.minute > 59 || time.second > 59) {
        raise(ErrorNumber::TypeMismatch);
    }
    if (marker < 0) {
        if (time.hour > 23) {
            raise(ErrorNumber::TypeMismatch);
        }
    } else {
        if (time.hour < 1 || time.hour > 12) {
            raise(ErrorNumber::TypeMismatch);
        }
        time.hour = time.hour % 12 + marker;
    }
    return time;
}

std::int64_t localTimeOnSameDay(Date nowUtc, TimeOfDay time) {
    const auto nowMs =
        static_cast<qint64>(std::llround((nowUtc - kUnixEpochDay) * kSecondsPerDay * 1000.0));
    const QDate today = QDateTime::fromMSecsSinceEpoch(nowMs, Qt::LocalTime).date();
    const QDateTime at(today, QTime(time.hour, time.minute, time.second), Qt::LocalTime);
    if (!at.isValid()) {
        throw ClockNotSet(QT_TRANSLATE_NOOP(
            "Messages", "That time does not occur today: the clocks go forward past it."));
    }
    return static_cast<std::int64_t>(at.toMSecsSinceEpoch()) * 1000;
}

void setTime(QStringView text, Date nowUtc, ClockSetter& setter) {
    const TimeOfDay time = parseTimeOfDay(text);
    setter.setClock(localTimeOnSameDay(nowUtc, time));
}

} // namespace core
