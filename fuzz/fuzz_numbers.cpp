// Texts to numbers and back: the value of a text (the countdown's length), the
// whole-text conversions and the display formats. Every result is a number or
// one of the numbered errors; nothing else may escape, crash or be undefined.
#include "check.h"
#include "core/convert.h"
#include "core/errors.h"
#include "core/format.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Runs f; a numbered error is an allowed answer.
template <typename F> bool answers(F&& f) {
    try {
        f();
        return true;
    } catch (const core::RuntimeError& e) {
        check(e.code() == 6 || e.code() == 13);
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const core::TextValue scanned = core::scanValue(text);
    check(!std::isnan(scanned.value));
    check(scanned.overflowed == std::isinf(scanned.value));
    answers([&] { check(core::valueOfText(text) == scanned.value); });

    // The countdown's length: minutes times 60, narrowed to a Single.
    answers([&] {
        const core::Single seconds = core::toSingle(scanned.value * 60.0);
        check(std::isfinite(seconds));
        (void)core::formatFixed2(seconds);
    });

    double whole = 0.0;
    if (answers([&] { whole = core::textToDouble(text); })) {
        check(std::isfinite(whole));
        // A whole-text number is also the number the text begins with.
        check(whole == scanned.value);
        answers([&] {
            const core::Long rounded = core::textToLong(text);
            check(static_cast<double>(rounded) == std::nearbyint(whole));
            answers([&] { (void)core::longToInteger(rounded); });
            (void)core::formatTwoDigits(rounded);
        });
        const std::string shown = core::formatFixed2(whole);
        // The display format reads back as the number, to the hundredth.
        if (std::fabs(whole) < 1e12) {
            check(std::fabs(core::textToDouble(shown) - whole) <= 0.005 + 1e-9 * std::fabs(whole));
        }
        answers([&] {
            const std::string hms = core::formatHms(whole);
            check(hms.size() >= 7 && hms.size() <= 8);
        });
    }
    return 0;
}
