// The time of day typed for "Set Your Clock": any text is either a time within
// one day or error 13.
#include "check.h"
#include "core/errors.h"
#include "core/timeofday.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const core::TimeOfDay t = core::parseTimeOfDay(text);
        check(t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
                  t.second <= 59,
              "a time within one day");
    } catch (const core::RuntimeError& e) {
        check(e.code() == 13, "error 13");
    }
    return 0;
}
