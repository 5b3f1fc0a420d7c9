// The timing record read back at start: any bytes are a record, a set-aside
// line, or both; what the parser keeps writes out and reads back the same,
// and what comes back of it is decided without a crash.
#include "core/restore.h"
#include "core/timingrecord.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const core::ParsedRecord parsed = core::parseRecord(bytes);
    check(!parsed.setAside.contains(QLatin1Char('\n')));
    check(parsed.record.windows.size() <= static_cast<std::size_t>(core::kMaxRecordWindows));
    const core::ParsedRecord again = core::parseRecord(core::toJson(parsed.record));
    check(again.setAside.isEmpty() && again.record.windows.size() == parsed.record.windows.size());
    // Laps read back come back whole, or, beyond the record's size, with the
    // earlier ones summarised; what was left out was said once and is not
    // said again.
    core::TimingRecord expected = parsed.record;
    for (std::size_t i = 0; i < expected.windows.size(); ++i) {
        core::WindowRecord& window = expected.windows[i];
        const auto kept = static_cast<std::int64_t>(again.record.windows[i].laps.splits.size());
        window.laps = core::keptLaps(window.laps, kept);
        window.lapsDropped.clear();
    }
    check(again.record == expected);
    const core::RestoreClock now{QStringLiteral("b"), 1000.0, 1772409600000};
    for (const core::WindowRecord& window : parsed.record.windows) {
        const core::Restored restored = core::restore(window, now);
        check(std::isfinite(restored.elapsed) && restored.elapsed >= 0.0);
        check(std::isfinite(restored.remaining) && restored.remaining <= 86400.0);
    }
    return 0;
}
