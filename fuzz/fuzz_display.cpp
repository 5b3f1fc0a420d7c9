// The conversion of a stopwatch display to hours, minutes and seconds, fed any
// text: it converts, or it ends with error 6 or 13 and leaves the text alone.
#include "support/probe.h"

#include "core/errors.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <cstdlib>
#include <memory>

namespace {
void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv); // lives as long as the fuzzer
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression converted(QStringLiteral("^-?\\d{2,}:-?\\d{2,}:-?\\d{2,}$"));
    QLineEdit display;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    display.setText(text);
    const QString before = display.text();
    core::Integer hours = 0;
    core::Integer minutes = 0;
    core::Integer seconds = 0;
    try {
        frmStopwatchProbe::convertDisplay(&display, hours, minutes, seconds);
    } catch (const core::RuntimeError& e) {
        check(e.code() == 6 || e.code() == 13);
        check(display.text() == before); // a failed conversion writes nothing
        return 0;
    }
    check(converted.match(display.text()).hasMatch());
    check(minutes > -60 && minutes < 60);
    check(seconds > -60 && seconds < 60);
    // Non-negative results split into proper parts.
    if (hours >= 0 && minutes >= 0 && seconds >= 0) {
        check(
            display.text().startsWith(QString::number(hours).rightJustified(2, QLatin1Char('0'))));
    }
    return 0;
}
