// The conversion of a stopwatch display to hours, minutes and seconds, fed any
// text: it converts, or it ends with error 6 or 13. Through the stopwatch's
// button, a failed conversion writes nothing and leaves the stopwatch stopped,
// so that the next press tries again.
#include "check.h"
#include "core/errors.h"
#include "core/stopwatch.h"
#include "support/fakeclock.h"

#include <QRegularExpression>
#include <QString>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression converted(QStringLiteral("^-?\\d{2,}:-?\\d{2,}:-?\\d{2,}$"));
    // A display holds text as the window reads it back: valid UTF-8.
    const std::string text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
            .toStdString();
    core::Integer hours = 0;
    core::Integer minutes = 0;
    core::Integer seconds = 0;
    std::string result;
    bool failed = false;
    try {
        result = core::Stopwatch::convertDisplay(text, hours, minutes, seconds);
    } catch (const core::RuntimeError& e) {
        check(e.code() == 6 || e.code() == 13);
        failed = true;
    }

    // The same text in the main display of a stopped stopwatch, pressed.
    FakeClock clock;
    TimerWindowState state;
    core::WindowView view;
    core::Stopwatch stopwatch(state, view, clock);
    state.blnSWStopped = true;
    view.swTime.read(text);
    try {
        check(stopwatch.press() == core::Stopwatch::Step::Convert);
        check(!failed);
    } catch (const core::RuntimeError&) {
        check(failed);
        check(!view.swTime.takeWritten() && *view.swTime == text); // nothing written
        check(state.blnSWStopped && !state.blnSWResetDue);
        return 0;
    }
    check(*view.swTime == result);
    check(state.intSWHours == hours && state.intSWMinutes == minutes &&
          state.intSWSeconds == seconds);
    check(state.blnSWResetDue && !state.blnSWStopped);

    check(converted.match(QString::fromStdString(result)).hasMatch());
    check(minutes > -60 && minutes < 60);
    check(seconds > -60 && seconds < 60);
    // Non-negative results split into proper parts.
    if (hours >= 0 && minutes >= 0 && seconds >= 0) {
        check(QString::fromStdString(result).startsWith(
            QString::number(hours).rightJustified(2, QLatin1Char('0'))));
    }
    return 0;
}
