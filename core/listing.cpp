#include "listing.h"

#include "format.h"
#include "types.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace core {

namespace {

constexpr double kMsPerSecond = 1000.0;
constexpr double kLastShownSecond = kSecondsPerDay - 1.0; // the display has no day digit

const QString kStopwatchStates[] = {QStringLiteral("idle"), QStringLiteral("running"),
                                    QStringLiteral("stopped"), QStringLiteral("converted")};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::vector<ListedWindow> listWindows(const std::vector<KeptRecord>& records,
                                      const RestoreClock& now) {
    using Stopwatch = WindowRecord::Stopwatch;
    std::vector<ListedWindow> listed;
    for (const KeptRecord& kept : records) {
        for (const WindowRecord& record : kept.windows) {
            // What the window shows now is what a start would bring back now.
            const Restored r = restore(record, now);
            ListedWindow w;
            w.identification = record.identification;
            w.programRunning = kept.programRunning;
            w.stopwatch = r.stopwatch;
            w.laps = r.laps;
            if (r.stopwatch == Stopwatch::Running) {
                w.stopwatchShows = qs(formatFixed2(r.elapsed));
            } else if (r.stopwatch != Stopwatch::Idle) {
                w.stopwatchShows = r.result;
            }
            if (r.countdown == Restored::Countdown::Running) {
                w.countdown = ListedWindow::Countdown::Running;
                w.secondsLeft = r.remaining;
                w.countdownShows =
                    qs(formatHms(std::min(r.remaining, kLastShownSecond) / kSecondsPerDay));
                w.endUtcMs = now.utcMs + std::llround(r.remaining * kMsPerSecond);
            } else if (r.countdown == Restored::Countdown::Ended ||
                       (kept.programRunning && record.countdownDone)) {
                // A "DONE" alone comes back with no start: listed only while
                // its window is open.
                w.countdown = ListedWindow::Countdown::Done;
            }
            if (w.stopwatch != Stopwatch::Idle || w.countdown != ListedWindow::Countdown::None) {
                listed.push_back(w);
            }
        }
    }
    return listed;
}

QString localTimeOfDay(std::int64_t utcMs) {
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("HH:mm:ss"));
}

QString listingText(const std::vector<ListedWindow>& windows, const Translate& localize) {
    const auto say = [&localize](const char* english) { return localize("CommandLine", english); };
    QString text;
    for (const ListedWindow& w : windows) {
        QStringList parts;
        if (w.countdown == ListedWindow::Countdown::Running) {
            parts << say(QT_TRANSLATE_NOOP("CommandLine", "countdown %1 left, ends at %2"))
                         .arg(w.countdownShows, localTimeOfDay(w.endUtcMs));
        } else if (w.countdown == ListedWindow::Countdown::Done) {
            parts << say(QT_TRANSLATE_NOOP("CommandLine", "countdown %1"))
                         .arg(localize("frmStopwatch", "DONE"));
        }
        if (w.stopwatch == WindowRecord::Stopwatch::Running) {
            parts << say(QT_TRANSLATE_NOOP("CommandLine", "stopwatch %1, running"))
                         .arg(w.stopwatchShows);
        } else if (w.stopwatch != WindowRecord::Stopwatch::Idle) {
            parts << say(QT_TRANSLATE_NOOP("CommandLine", "stopwatch %1, stopped"))
                         .arg(w.stopwatchShows);
        }
        const QString id = w.identification.trimmed().isEmpty()
                               ? say(QT_TRANSLATE_NOOP("CommandLine", "(no I.D.)"))
                               : w.identification;
        text += QStringLiteral("%1: %2").arg(id, parts.join(QStringLiteral("; ")));
        if (!w.programRunning) {
            text += say(QT_TRANSLATE_NOOP("CommandLine",
                                          " (Horolux not running: comes back at its next start)"));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

namespace {

// The laps as numbers: {"count": 4, "rows": [{"lap": "1", "lapSeconds": 1.5,
// "splitSeconds": 1.5}, ...]}; a summary row's lap reads "1..N".
QJsonObject lapsJson(const LapList& list) {
    Laps laps;
    laps.restore(list);
    QJsonArray rows;
    for (std::int64_t i = 0; i < laps.rows(); ++i) {
        const Lap lap = laps.row(i);
        rows.append(
            QJsonObject{{QStringLiteral("lap"),
                         lap.summary() ? QStringLiteral("%1..%2").arg(lap.first).arg(lap.number)
                                       : QString::number(lap.number)},
                        {QStringLiteral("lapSeconds"), static_cast<double>(lap.lap) / 100.0},
                        {QStringLiteral("splitSeconds"), static_cast<double>(lap.split) / 100.0}});
    }
    return {{QStringLiteral("count"), static_cast<double>(laps.count())},
            {QStringLiteral("rows"), rows}};
}

} // namespace

QByteArray listingJson(const std::vector<ListedWindow>& windows) {
    QJsonArray list;
    for (const ListedWindow& w : windows) {
        QJsonObject o{{QStringLiteral("id"), w.identification},
                      {QStringLiteral("programRunning"), w.programRunning}};
        if (w.stopwatch != WindowRecord::Stopwatch::Idle) {
            o.insert(QStringLiteral("stopwatch"),
                     QJsonObject{
                         {QStringLiteral("state"), kStopwatchStates[static_cast<int>(w.stopwatch)]},
                         {QStringLiteral("shows"), w.stopwatchShows}});
            if (w.laps.count() > 0) {
                QJsonObject stopwatch = o.value(QStringLiteral("stopwatch")).toObject();
                stopwatch.insert(QStringLiteral("laps"), lapsJson(w.laps));
                o.insert(QStringLiteral("stopwatch"), stopwatch);
            }
        }
        if (w.countdown == ListedWindow::Countdown::Running) {
            o.insert(QStringLiteral("countdown"),
                     QJsonObject{{QStringLiteral("state"), QStringLiteral("running")},
                                 {QStringLiteral("shows"), w.countdownShows},
                                 {QStringLiteral("secondsLeft"), std::round(w.secondsLeft)},
                                 {QStringLiteral("end"), localTimeOfDay(w.endUtcMs)},
                                 {QStringLiteral("endUtcMs"), static_cast<double>(w.endUtcMs)}});
        } else if (w.countdown == ListedWindow::Countdown::Done) {
            o.insert(QStringLiteral("countdown"),
                     QJsonObject{{QStringLiteral("state"), QStringLiteral("done")},
                                 {QStringLiteral("shows"), QStringLiteral("DONE")}});
        }
        list.append(o);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("windows"), list}})
               .toJson(QJsonDocument::Compact) +
           '\n';
}

} // namespace core
