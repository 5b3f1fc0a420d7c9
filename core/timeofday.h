#pragma once
// Setting the computer's clock to a typed time of day, today's date kept.
#include "clocksetter.h"
#include "types.h"

#include <QStringView>

#include <compare>
#include <cstdint>

namespace core {

struct TimeOfDay {
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
    friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

// Reads a time of day: "13:09", "1:09 PM", "1:09", "13:09:30", "1:09:30 pm",
// "1 PM". Hours take one or two digits, minutes and seconds two; AM and PM in
// any case, with or without a blank before them; blanks around the whole are
// ignored. Without a marker the hours count 0..23, with one 1..12 (12 AM is
// midnight, 12 PM noon). Seconds not typed are 0. Anything else raises
// error 13.
[[nodiscard]] TimeOfDay parseTimeOfDay(QStringView text);

// The instant, in microseconds since 1970-01-01 00:00 UTC, at which the local
// clock reads `time` on the local date of `nowUtc`. A time that the local
// clock skips that day (the spring summer-time change) throws ClockNotSet; one
// it passes twice is taken the first time.
[[nodiscard]] std::int64_t localTimeOnSameDay(Date nowUtc, TimeOfDay time);

// Reads `text` as a time of day and sets the computer's clock through `setter`
// to that time on the local date of `nowUtc`. Error 13 for a text that is no
// time of day; ClockNotSet when the clock stays as it was.
void setTime(QStringView text, Date nowUtc, ClockSetter& setter);

} // namespace core
