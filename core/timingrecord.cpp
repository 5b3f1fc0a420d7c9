#include "timingrecord.h"

#include "diagnostics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace core {

namespace {

constexpr qsizetype kMaxDisplay = 32; // characters of a display text
constexpr qsizetype kMaxBootId = 64;
constexpr double kMaxBootSeconds = 1e10;         // some 300 years of uptime
constexpr double kMaxUtcMs = 1e14;               // the year 5138
constexpr double kMaxCoordinate = 1e6;           // pixels
constexpr double kMaxCountdownSeconds = 86400.0; // the longest countdown
constexpr int kMaxProblemsNamed = 3;             // in the one line that says what was set aside
// A split of the longest run the stopwatch converts (32767 hours), in hundredths.
constexpr double kMaxSplit = 32768.0 * 3600.0 * 100.0;
constexpr double kMaxLapCount = 1e9;
constexpr qsizetype kSplitBytes = 13; // the longest split as JSON, with its comma
constexpr qsizetype kRecordMargin = 4096;

const QString kStopwatchStates[] = {QStringLiteral("idle"), QStringLiteral("running"),
                                    QStringLiteral("stopped"), QStringLiteral("converted")};

// A control character, or half of a surrogate pair without its other half:
// what no record text holds. Returns how many UTF-16 units the character at
// `i` takes (1 or 2), or 0 when it is unfit.
qsizetype fitAt(QStringView s, qsizetype i) {
    const QChar c = s[i];
    if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
        return 2;
    }
    if (c.isSurrogate() || c.category() == QChar::Other_Control) {
        return 0;
    }
    return 1;
}

bool fit(QStringView s) {
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype n = fitAt(s, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

// A text the user typed, as a record keeps it: each unfit character becomes
// U+FFFD, and the text ends before `longest` units without splitting a pair.
QString cleaned(QStringView s, qsizetype longest) {
    QString out;
    out.reserve(std::min(s.size(), longest));
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype n = fitAt(s, i);
        if (out.size() + std::max<qsizetype>(n, 1) > longest) {
            break;
        }
        if (n == 0) {
            out += QChar::ReplacementCharacter;
            ++i;
        } else {
            out += s.mid(i, n);
            i += n;
        }
    }
    return out;
}

QJsonObject toJson(const Instant& instant) {
    QJsonObject o{
        {QStringLiteral("utcMs"), std::clamp(static_cast<double>(instant.utcMs), 0.0, kMaxUtcMs)}};
    // A boot-time reading the parser would refuse (one before this boot) is
    // not written: the wall clock alone keeps the instant.
    if (!instant.bootId.isEmpty() && instant.bootId.size() <= kMaxBootId && fit(instant.bootId) &&
        instant.bootSeconds >= 0.0 && instant.bootSeconds <= kMaxBootSeconds) {
        o.insert(QStringLiteral("boot"), instant.bootSeconds);
        o.insert(QStringLiteral("bootId"), instant.bootId);
    }
    return o;
}

// A field that is not sound: the window that holds it is set aside.
class Unsound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void unsound(const QString& field, const char* why) {
    throw Unsound(QStringLiteral("%1 %2").arg(field, QLatin1String(why)).toStdString());
}

double number(const QJsonObject& object, const QString& field, double low, double high) {
    const QJsonValue value = object.value(field);
    if (!value.isDouble()) {
        unsound(field, "is not a number");
    }
    const double n = value.toDouble();
    if (!std::isfinite(n) || n < low || n > high) {
        unsound(field, "is out of range");
    }
    return n;
}

QString text(const QJsonObject& object, const QString& field, qsizetype longest) {
    const QJsonValue value = object.value(field);
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isString()) {
        unsound(field, "is not a text");
    }
    QString s = value.toString();
    if (s.size() > longest) {
        unsound(field, "is too long");
    }
    if (!fit(s)) {
        unsound(field, "holds a control character");
    }
    return s;
}

// A text the user typed: any text is cleaned, only another type is unsound.
QString typed(const QJsonObject& object, const QString& field, qsizetype longest) {
    const QJsonValue value = object.value(field);
    if (!value.isUndefined() && !value.isString()) {
        unsound(field, "is not a text");
    }
    return cleaned(value.toString(), longest);
}

bool flag(const QJsonObject& object, const QString& field) {
    const QJsonValue value = object.value(field);
    if (value.isUndefined()) {
        return false;
    }
    if (!value.isBool()) {
        unsound(field, "is not true or false");
    }
    return value.toBool();
}

QJsonObject member(const QJsonObject& object, const QString& field) {
    const QJsonValue value = object.value(field);
    if (!value.isObject()) {
        unsound(field, "is missing or not an object");
    }
    return value.toObject();
}

Instant instant(const QJsonObject& object, const QString& field) {
    const QJsonObject o = member(object, field);
    Instant i;
    i.bootId = text(o, QStringLiteral("bootId"), kMaxBootId);
    // Without a boot id the reading is of no use; records of a system without
    // one may still hold it.
    if (!i.bootId.isEmpty() || o.contains(QStringLiteral("boot"))) {
        const double boot = number(o, QStringLiteral("boot"), 0.0, kMaxBootSeconds);
        i.bootSeconds = i.bootId.isEmpty() ? 0.0 : boot;
    }
    const double ms = number(o, QStringLiteral("utcMs"), 0.0, kMaxUtcMs);
    if (ms != std::floor(ms)) {
        unsound(field, "has a fraction of a millisecond");
    }
    i.utcMs = static_cast<std::int64_t>(ms);
    return i;
}

// The laps read back: a field that is not sound leaves out the laps from it
// on, and `why` says so; the window and its timing stay.
LapList laps(const QJsonObject& sw, QString& why) {
    LapList list;
    const QJsonValue value = sw.value(QStringLiteral("laps"));
    if (value.isUndefined()) {
        return list;
    }
    try {
        if (!value.isObject()) {
            unsound(QStringLiteral("laps"), "is not an object");
        }
        const QJsonObject o = value.toObject();
        list.startUtcMs =
            static_cast<std::int64_t>(number(o, QStringLiteral("startUtcMs"), 0.0, kMaxUtcMs));
        if (o.contains(QStringLiteral("summarised"))) {
            list.summarisedCount = static_cast<std::int64_t>(
                number(o, QStringLiteral("summarised"), 1.0, kMaxLapCount));
            list.summarisedSplit = static_cast<std::int64_t>(
                number(o, QStringLiteral("summarisedSplit"), 0.0, kMaxSplit));
        }
        const QJsonValue splits = o.value(QStringLiteral("splits"));
        if (!splits.isArray()) {
            unsound(QStringLiteral("laps' splits"), "are not a list");
        }
        const QJsonArray array = splits.toArray();
        std::int64_t previous = list.summarisedSplit;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString name = QStringLiteral("lap %1").arg(list.count() + 1);
            if (list.splits.size() >= static_cast<std::size_t>(kMaxRecordLaps)) {
                unsound(name, "is beyond the laps a record keeps");
            }
            const double split = array[i].toDouble(-1.0);
            if (!array[i].isDouble() || split < 0.0 || split > kMaxSplit ||
                split != std::floor(split)) {
                unsound(name, "is not a split in hundredths");
            }
            if (static_cast<std::int64_t>(split) < previous) {
                unsound(name, "ends before the lap before it");
            }
            previous = static_cast<std::int64_t>(split);
            list.splits.push_back(previous);
        }
    } catch (const Unsound& e) {
        why = QString::fromUtf8(e.what());
    }
    return list;
}

QJsonObject toJson(const LapList& laps, std::int64_t kept) {
    const LapList list = keptLaps(laps, kept);
    QJsonArray splits;
    for (const std::int64_t split : list.splits) {
        splits.append(static_cast<double>(
            std::clamp<std::int64_t>(split, 0, static_cast<std::int64_t>(kMaxSplit))));
    }
    QJsonObject o{{QStringLiteral("startUtcMs"),
                   std::clamp(static_cast<double>(list.startUtcMs), 0.0, kMaxUtcMs)},
                  {QStringLiteral("splits"), splits}};
    if (list.summarisedCount > 0) {
        o.insert(QStringLiteral("summarised"),
                 std::clamp(static_cast<double>(list.summarisedCount), 1.0, kMaxLapCount));
        o.insert(QStringLiteral("summarisedSplit"),
                 std::clamp(static_cast<double>(list.summarisedSplit), 0.0, kMaxSplit));
    }
    return o;
}

WindowRecord window(const QJsonObject& o) {
    WindowRecord w;
    w.identification = typed(o, QStringLiteral("id"), kMaxIdentification);
    w.minutes = typed(o, QStringLiteral("minutes"), kMaxMinutes);
    if (o.contains(QStringLiteral("x")) || o.contains(QStringLiteral("y"))) {
        w.placed = true;
        w.x = static_cast<int>(number(o, QStringLiteral("x"), -kMaxCoordinate, kMaxCoordinate));
        w.y = static_cast<int>(number(o, QStringLiteral("y"), -kMaxCoordinate, kMaxCoordinate));
    }
    const QJsonObject sw = member(o, QStringLiteral("stopwatch"));
    const QString state = text(sw, QStringLiteral("state"), kMaxDisplay);
    std::optional<int> phase;
    for (int i = 0; i < 4; ++i) {
        if (state == kStopwatchStates[i]) {
            phase = i;
        }
    }
    if (!phase) {
        unsound(QStringLiteral("stopwatch state"), "is unknown");
    }
    w.stopwatch = static_cast<WindowRecord::Stopwatch>(*phase);
    if (w.stopwatch == WindowRecord::Stopwatch::Running) {
        w.started = instant(sw, QStringLiteral("since"));
    }
    if (w.stopwatch == WindowRecord::Stopwatch::Stopped ||
        w.stopwatch == WindowRecord::Stopwatch::Converted) {
        w.result = text(sw, QStringLiteral("result"), kMaxDisplay);
    }
    if (w.stopwatch != WindowRecord::Stopwatch::Idle) {
        w.capture = text(sw, QStringLiteral("capture"), kMaxDisplay);
        w.captured = sw.contains(QStringLiteral("captured"))
                         ? flag(sw, QStringLiteral("captured"))
                         : !w.capture.isEmpty() && w.capture != QLatin1String("0.00");
        w.laps = laps(sw, w.lapsDropped);
    }
    const QJsonValue cd = o.value(QStringLiteral("countdown"));
    if (!cd.isUndefined()) {
        if (!cd.isObject()) {
            unsound(QStringLiteral("countdown"), "is not an object");
        }
        w.countdownRunning = true;
        w.countdownEnd = instant(cd.toObject(), QStringLiteral("end"));
        w.validates = flag(cd.toObject(), QStringLiteral("validates"));
        if (cd.toObject().contains(QStringLiteral("seconds"))) {
            w.countdownSeconds =
                number(cd.toObject(), QStringLiteral("seconds"), 0.0, kMaxCountdownSeconds);
        }
    }
    w.countdownDone = flag(o, QStringLiteral("countdownDone"));
    return w;
}

QByteArray toJson(const TimingRecord& record, std::int64_t keptLaps) {
    QJsonArray windows;
    for (const WindowRecord& w : record.windows) {
        QJsonObject o{{QStringLiteral("id"), cleaned(w.identification, kMaxIdentification)}};
        if (w.placed) {
            o.insert(QStringLiteral("x"), std::clamp<double>(w.x, -kMaxCoordinate, kMaxCoordinate));
            o.insert(QStringLiteral("y"), std::clamp<double>(w.y, -kMaxCoordinate, kMaxCoordinate));
        }
        if (!w.minutes.isEmpty()) {
            o.insert(QStringLiteral("minutes"), cleaned(w.minutes, kMaxMinutes));
        }
        QJsonObject sw{{QStringLiteral("state"), kStopwatchStates[static_cast<int>(w.stopwatch)]}};
        if (w.stopwatch == WindowRecord::Stopwatch::Running) {
            sw.insert(QStringLiteral("since"), toJson(w.started));
        }
        if (w.stopwatch == WindowRecord::Stopwatch::Stopped ||
            w.stopwatch == WindowRecord::Stopwatch::Converted) {
            sw.insert(QStringLiteral("result"), cleaned(w.result, kMaxDisplay));
        }
        if (w.stopwatch != WindowRecord::Stopwatch::Idle) {
            sw.insert(QStringLiteral("capture"), cleaned(w.capture, kMaxDisplay));
            sw.insert(QStringLiteral("captured"), w.captured);
            sw.insert(QStringLiteral("laps"), toJson(w.laps, keptLaps));
        }
        o.insert(QStringLiteral("stopwatch"), sw);
        if (w.countdownRunning) {
            o.insert(QStringLiteral("countdown"),
                     QJsonObject{{QStringLiteral("end"), toJson(w.countdownEnd)},
                                 {QStringLiteral("validates"), w.validates},
                                 {QStringLiteral("seconds"),
                                  std::clamp(w.countdownSeconds, 0.0, kMaxCountdownSeconds)}});
        }
        if (w.countdownDone) {
            o.insert(QStringLiteral("countdownDone"), true);
        }
        windows.append(o);
    }
    const QJsonObject root{{QStringLiteral("format"), kRecordFormat},
                           {QStringLiteral("windows"), windows}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray toJson(const TimingRecord& record) {
    QByteArray bytes = toJson(record, kMaxRecordLaps);
    if (bytes.size() <= kMaxRecordBytes) {
        return bytes;
    }
    // Too many windows with many laps: each keeps fewer, the rest summarised,
    // so that the runs themselves are never lost.
    const auto withLaps =
        std::count_if(record.windows.begin(), record.windows.end(),
                      [](const WindowRecord& w) { return !w.laps.splits.empty(); });
    const qsizetype room = kMaxRecordBytes - toJson(record, 0).size() - kRecordMargin;
    const std::int64_t kept =
        std::max<qsizetype>(room, 0) / kSplitBytes / std::max<qsizetype>(withLaps, 1);
    warn(QStringLiteral("the timing record keeps %1 laps a window, the earlier summarised")
             .arg(kept));
    return toJson(record, kept);
}

ParsedRecord parseRecord(const QByteArray& bytes) {
    ParsedRecord parsed;
    if (bytes.size() > kMaxRecordBytes) {
        parsed.setAside = QStringLiteral("larger than %1 bytes").arg(kMaxRecordBytes);
        return parsed;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        parsed.setAside = bytes.isEmpty() ? QStringLiteral("empty")
                                          : QStringLiteral("not a record (%1 at byte %2)")
                                                .arg(error.errorString())
                                                .arg(error.offset);
        return parsed;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")) != QJsonValue(kRecordFormat)) {
        parsed.setAside = QStringLiteral("of an unknown format");
        return parsed;
    }
    const QJsonValue windows = root.value(QStringLiteral("windows"));
    if (!windows.isArray()) {
        parsed.setAside = QStringLiteral("without a list of windows");
        return parsed;
    }
    const QJsonArray list = windows.toArray();
    if (list.size() > kMaxRecordWindows) {
        parsed.setAside =
            QStringLiteral("%1 windows, more than %2").arg(list.size()).arg(kMaxRecordWindows);
        return parsed;
    }
    QStringList problems;
    for (qsizetype i = 0; i < list.size(); ++i) {
        try {
            if (!list[i].isObject()) {
                unsound(QStringLiteral("entry"), "is not an object");
            }
            parsed.record.windows.push_back(window(list[i].toObject()));
        } catch (const Unsound& e) {
            problems.append(
                QStringLiteral("window %1: %2").arg(i + 1).arg(QString::fromUtf8(e.what())));
        }
    }
    if (!problems.isEmpty()) {
        const qsizetype more = problems.size() - kMaxProblemsNamed;
        parsed.setAside = problems.mid(0, kMaxProblemsNamed).join(QStringLiteral("; "));
        if (more > 0) {
            parsed.setAside += QStringLiteral("; %1 more").arg(more);
        }
    }
    return parsed;
}

} // namespace core
