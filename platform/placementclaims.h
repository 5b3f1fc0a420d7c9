#pragma once
// The places that Horolux processes have just given their new windows, seen by
// every other Horolux of the user before the window system shows the windows.
// Two programs started at the same moment each ask the window system where
// the other's windows are before either is on the screen, find none and would
// open their windows exactly over each other; a claim in a shared file, under
// a lock, closes that gap.
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

namespace platform {

// The file of the claims: $XDG_RUNTIME_DIR/horolux/placements; empty where the
// session has no runtime folder, and then nothing is shared.
[[nodiscard]] QString placementClaimsFile();

// Calls `place` with the frames that other live processes claimed in the last
// few seconds and claims the frame it returns, all under one lock, so that of
// two programs placing at once the second sees the first's window. Where the
// file cannot be used, `place` gets no claims and nothing is kept.
QRect placeClaimed(const QString& file, const std::function<QRect(const QList<QRect>&)>& place);

} // namespace platform
