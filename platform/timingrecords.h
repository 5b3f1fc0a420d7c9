#pragma once
// The timing records of every Horolux of this user, read for a listing:
// read-only, so that a listing never takes a record over, renames or sets
// aside anything, whatever runs beside it.
#include "core/listing.h"

#include <QString>

#include <vector>

namespace platform {

// The sound windows of every record in `folder` (timingFolder()), one entry
// per process, marked with whether that process still holds its lock. A
// record that cannot be read is passed over. Records a running process has
// taken over from an ended one count once: its own record holds them as soon
// as it has written it.
[[nodiscard]] std::vector<core::KeptRecord> readTimingRecords(const QString& folder);

// Whether the process that holds the lock file `path` still runs: the test
// that decides whether a start may take its records over.
[[nodiscard]] bool lockHeld(const QString& path);

} // namespace platform
