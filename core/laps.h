#pragma once
// The laps of one stopwatch run: every capture adds one, and the stop adds the
// last. A lap keeps its split (the elapsed time at the capture, in hundredths
// of a second, as the capture display shows it); its lap time is the split
// less the one before. Adding a lap takes constant time, and the fastest and
// the slowest lap are kept as laps come, so that a long run's capture costs
// what a short run's does.
//
// A run brought back from its timing record may begin with a summary: laps
// 1..N kept only as their count and the split at the end of lap N.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace core {

// The laps as a timing record keeps them.
struct LapList {
    std::int64_t startUtcMs = 0;      // the run's start; 0 where unknown
    std::int64_t summarisedCount = 0; // laps 1..N kept as their total only
    std::int64_t summarisedSplit = 0; // hundredths: the split at the end of lap N
    std::vector<std::int64_t> splits; // hundredths: the laps after them, in order
    [[nodiscard]] std::int64_t count() const {
        return summarisedCount + static_cast<std::int64_t>(splits.size());
    }
    friend bool operator==(const LapList&, const LapList&) = default;
};

// The last `kept` laps of `list`, the earlier ones added to its summary.
[[nodiscard]] LapList keptLaps(const LapList& list, std::int64_t kept);

// One row of the laps: a summary row stands for laps first..number.
struct Lap {
    std::int64_t first = 0;  // the first lap the row stands for
    std::int64_t number = 0; // the lap's number, or the last of a summary
    std::int64_t lap = 0;    // hundredths since the previous split or the start
    std::int64_t split = 0;  // hundredths since the start
    [[nodiscard]] bool summary() const { return first != number; }
};

class Laps {
public:
    void add(std::int64_t split);
    // A new run starting at `startUtcMs`, without laps.
    void clear(std::int64_t startUtcMs = 0);
    // Laps brought back from a record: the extremes are found once.
    void restore(LapList list);

    // Rows: the summary first, if any, then each lap.
    [[nodiscard]] std::int64_t rows() const;
    [[nodiscard]] Lap row(std::int64_t index) const;
    [[nodiscard]] std::int64_t count() const { return list_.count(); }
    [[nodiscard]] std::int64_t startUtcMs() const { return list_.startUtcMs; }
    // The rows of the fastest and the slowest single lap; none while fewer than
    // two laps differ.
    [[nodiscard]] std::optional<std::int64_t> fastest() const;
    [[nodiscard]] std::optional<std::int64_t> slowest() const;

    // What a record keeps: the last `kept` laps, the earlier summarised.
    [[nodiscard]] LapList recorded(std::int64_t kept) const;

private:
    [[nodiscard]] std::int64_t previousSplit(std::size_t i) const;
    [[nodiscard]] std::int64_t firstRow() const { return list_.summarisedCount > 0 ? 1 : 0; }
    void consider(std::size_t i);

    LapList list_;
    std::optional<std::size_t> fastest_; // indexes into list_.splits
    std::optional<std::size_t> slowest_;
};

// Seconds with a point and two decimals, whatever the language: "12.34".
[[nodiscard]] QString hundredthsText(std::int64_t hundredths);

// A spreadsheet cell that is no formula: a text that begins with = + - or @
// and is not a number gets a leading apostrophe. `quoteForCsv` also encloses
// a cell with a comma, a quote or a line break in quotes.
[[nodiscard]] QString safeCell(const QString& cell, bool quoteForCsv);

// The given rows as tab-separated text after a header line, one line a row,
// for the clipboard.
[[nodiscard]] QString lapsTsv(const Laps& laps, const std::vector<std::int64_t>& rows,
                              const QString& header);
// Every lap as CSV (lap,lap_seconds,split_seconds) after a comment line with
// the run's start in ISO 8601, UTF-8.
[[nodiscard]] QByteArray lapsCsv(const Laps& laps);

} // namespace core
