#pragma once
// The record of a process's timer windows that outlives the process: what each
// window was timing, kept on disk while the program runs and read back at the
// next start. Instants are kept twice: on the boot-time clock with the boot's
// id, exact within one boot whatever the wall clock does, and as UTC wall-clock
// time, for after a reboot. An instant before the running boot (a stopwatch
// brought back after a reboot) has no boot-time reading: it is kept by the
// wall clock alone.
//
// Everything read back is untrusted: the parser checks every field's type and
// range and sets aside what is not sound, window by window, saying why in one
// line. The texts the user typed (the I.D., the minutes) are cleaned instead:
// what a record cannot hold becomes U+FFFD and the window stays. Whatever
// toJson() writes, parseRecord() reads back.
#include "laps.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace core {

// One instant on both clocks.
struct Instant {
    double bootSeconds = 0.0; // the boot-time clock, seconds since the boot; 0 without a boot id
    QString bootId;           // the boot's id; empty: by the wall clock alone
    std::int64_t utcMs = 0;   // milliseconds since 1970-01-01 00:00 UTC
    friend bool operator==(const Instant&, const Instant&) = default;
};

struct WindowRecord {
    // Text and instants first, the small fields last: kept in this order so
    // that the record packs without holes.
    QString identification; // the I.D. text
    QString minutes;        // the countdown's minutes box
    QString result;         // Stopped, Converted: the main display
    QString capture;        // Running, Stopped, Converted: the capture display
    Instant started;        // Running: the first start
    Instant countdownEnd;
    // Running, Stopped, Converted: the run's laps; the oldest summarised
    // beyond kMaxRecordLaps.
    LapList laps;
    // What of the laps read back was not sound and left out; empty when all was.
    QString lapsDropped;
    // The running countdown's whole length, for its progress and for "Again";
    // 0 where a record does not say (written before it was kept).
    double countdownSeconds = 0.0;
    int x = 0;
    int y = 0;

    enum class Stopwatch { Idle, Running, Stopped, Converted };
    Stopwatch stopwatch = Stopwatch::Idle;
    bool placed = false; // x and y hold the window's position
    // Running, Stopped, Converted: a capture was made (the capture button
    // reads "Refresh"). Records without it: the capture display is not "0.00".
    bool captured = false;
    bool countdownRunning = false;
    bool validates = false; // "Validate Countdown" ties the countdown to the stopwatch
    // The countdown's display reads "DONE": listed while the window is open,
    // not brought back by itself.
    bool countdownDone = false;

    // A stopwatch or a countdown that is not idle: worth bringing back.
    [[nodiscard]] bool timing() const { return stopwatch != Stopwatch::Idle || countdownRunning; }
    friend bool operator==(const WindowRecord&, const WindowRecord&) = default;
};

struct TimingRecord {
    std::vector<WindowRecord> windows;
    friend bool operator==(const TimingRecord&, const TimingRecord&) = default;
};

// Limits of what is read back.
inline constexpr qsizetype kMaxRecordBytes = qsizetype{256} * 1024;
inline constexpr int kMaxRecordWindows = 64;
inline constexpr int kRecordFormat = 1;
inline constexpr qsizetype kMaxIdentification = 256; // UTF-16 units; the I.D. box takes fewer
inline constexpr qsizetype kMaxMinutes = 64;         // UTF-16 units of the minutes box kept
// The laps of one window a record keeps one by one; the earlier ones are kept
// as their count and total. Some 12 bytes each at most: 64 windows' laps fill
// the record's size only together with the rest, and then fewer are kept.
inline constexpr std::int64_t kMaxRecordLaps = 1000;

[[nodiscard]] QByteArray toJson(const TimingRecord& record);

struct ParsedRecord {
    TimingRecord record; // the sound windows
    QString setAside;    // empty when all was sound; otherwise one line saying what was not
};
[[nodiscard]] ParsedRecord parseRecord(const QByteArray& bytes);

} // namespace core
