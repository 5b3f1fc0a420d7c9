#include "laps.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace core {

void Laps::add(std::int64_t split) {
    list_.splits.push_back(split);
    consider(list_.splits.size() - 1);
}

void Laps::clear(std::int64_t startUtcMs) {
    list_ = LapList{};
    list_.startUtcMs = startUtcMs;
    fastest_.reset();
    slowest_.reset();
}

void Laps::restore(LapList list) {
    clear();
    list_ = std::move(list);
    for (std::size_t i = 0; i < list_.splits.size(); ++i) {
        consider(i);
    }
}

std::int64_t Laps::previousSplit(std::size_t i) const {
    return i == 0 ? list_.summarisedSplit : list_.splits[i - 1];
}

// The first of equal laps keeps the mark: strict comparisons.
void Laps::consider(std::size_t i) {
    const std::int64_t lap = list_.splits[i] - previousSplit(i);
    const auto lapAt = [this](std::size_t j) { return list_.splits[j] - previousSplit(j); };
    if (!fastest_ || lap < lapAt(*fastest_)) {
        fastest_ = i;
    }
    if (!slowest_ || lap > lapAt(*slowest_)) {
        slowest_ = i;
    }
}

std::int64_t Laps::rows() const {
    return firstRow() + static_cast<std::int64_t>(list_.splits.size());
}

Lap Laps::row(std::int64_t index) const {
    if (index < firstRow()) {
        return {1, list_.summarisedCount, list_.summarisedSplit, list_.summarisedSplit};
    }
    const auto i = static_cast<std::size_t>(index - firstRow());
    const std::int64_t number = list_.summarisedCount + static_cast<std::int64_t>(i) + 1;
    return {number, number, list_.splits[i] - previousSplit(i), list_.splits[i]};
}

std::optional<std::int64_t> Laps::fastest() const {
    if (!fastest_ || row(firstRow() + static_cast<std::int64_t>(*fastest_)).lap ==
                         row(firstRow() + static_cast<std::int64_t>(*slowest_)).lap) {
        return std::nullopt;
    }
    return firstRow() + static_cast<std::int64_t>(*fastest_);
}

std::optional<std::int64_t> Laps::slowest() const {
    if (!fastest()) {
        return std::nullopt;
    }
    return firstRow() + static_cast<std::int64_t>(*slowest_);
}

LapList keptLaps(const LapList& list, std::int64_t kept) {
    const auto size = static_cast<std::int64_t>(list.splits.size());
    kept = std::max<std::int64_t>(kept, 0);
    if (size <= kept) {
        return list;
    }
    const std::int64_t dropped = size - kept;
    return {list.startUtcMs, list.summarisedCount + dropped,
            list.splits[static_cast<std::size_t>(dropped - 1)],
            std::vector<std::int64_t>(list.splits.begin() + dropped, list.splits.end())};
}

LapList Laps::recorded(std::int64_t kept) const {
    return keptLaps(list_, kept);
}

QString hundredthsText(std::int64_t hundredths) {
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    return QStringLiteral("%1%2.%3")
        .arg(hundredths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString safeCell(const QString& cell, bool quoteForCsv) {
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    QString out = cell;
    if (!out.isEmpty() && QStringLiteral("=+-@").contains(out.front()) &&
        !number.match(out).hasMatch()) {
        out.prepend(QLatin1Char('\''));
    }
    if (!quoteForCsv) {
        // A tab or a line break would split the cell.
        return out.replace(QRegularExpression(QStringLiteral("[\\t\\r\\n]")), QStringLiteral(" "));
    }
    if (out.contains(QRegularExpression(QStringLiteral("[,\"\\r\\n]")))) {
        out = QLatin1Char('"') + out.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
              QLatin1Char('"');
    }
    return out;
}

namespace {

QString lapLabel(const Lap& lap) {
    return lap.summary() ? QStringLiteral("%1..%2").arg(lap.first).arg(lap.number)
                         : QString::number(lap.number);
}

QString line(const Lap& lap, QChar separator, bool csv) {
    return QStringList{safeCell(lapLabel(lap), csv), safeCell(hundredthsText(lap.lap), csv),
                       safeCell(hundredthsText(lap.split), csv)}
        .join(separator);
}

} // namespace

QString lapsTsv(const Laps& laps, const std::vector<std::int64_t>& rows, const QString& header) {
    QString text = header + QLatin1Char('\n');
    for (const std::int64_t row : rows) {
        text += line(laps.row(row), QLatin1Char('\t'), false) + QLatin1Char('\n');
    }
    return text;
}

QByteArray lapsCsv(const Laps& laps) {
    const QString start =
        laps.startUtcMs() > 0
            ? QDateTime::fromMSecsSinceEpoch(laps.startUtcMs(), Qt::UTC).toString(Qt::ISODate)
            : QStringLiteral("unknown");
    QString text = QStringLiteral("# run started %1\nlap,lap_seconds,split_seconds\n").arg(start);
    for (std::int64_t row = 0; row < laps.rows(); ++row) {
        text += line(laps.row(row), QLatin1Char(','), true) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace core
