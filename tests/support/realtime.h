#pragma once
// The accuracy harness: a real timer window with the real clock and the real
// timers, and a record of every text written to its stopwatch display and its
// countdown display with the instant of the write on the boot-time clock.
// Checks each written text against the true elapsed time or time left at the
// moment it was written. The benchmark runs it long against the targets; the
// test suite runs it short with wide tolerances.
#include "support/probe.h"

#include "platform/systemclock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace realtime {

using platform::bootSeconds;

struct Write {
    double at; // bootSeconds() at the write
    QString text;
};

// What a run found. Errors are the worst over all writes, in seconds, taken
// against both ends of the click that started the run (the start's own clock
// reading lies between them), so that they never flatter.
struct StopwatchRun {
    int writes = 0;
    double worstError = 0;
    QString worstText;
    double longestGap = 0; // between two writes to the display, or the start and the first
};

struct CountdownRun {
    int timesLeft = 0; // "h:mm:ss" writes
    double worstLeftError = 0;
    QString worstText;
    bool done = false;
    double doneLate = 0; // seconds after the end instant, at the latest
    StopwatchRun stopwatch;
    std::vector<QString> shown;
};

// A timer window on the real clock, recording its displays.
class Harness {
public:
    Harness() : services_{clock_, dialogs_, setter_}, window_(services_), probe_(window_) {
        window_.show();
        record(probe_.control<QLineEdit>("txtSWTime"), stopwatch_);
        record(probe_.control<QLineEdit>("txtCountdown"), countdown_);
    }

    // Runs the event loop for `seconds`, or until `until` says so.
    template <typename Until> void run(double seconds, Until until) {
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (until()) {
                loop.quit();
            }
        });
        QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
        poll.start();
        loop.exec();
    }
    void run(double seconds) {
        run(seconds, [] { return false; });
    }

    // Starts the stopwatch, lets it run for `seconds`, stops it.
    StopwatchRun stopwatchRun(double seconds) {
        auto* button = probe_.control<QPushButton>("cmdSWButton");
        const double before = bootSeconds();
        button->click();
        const double after = bootSeconds();
        run(seconds);
        button->click();
        return check(stopwatch_, before, after);
    }

    // A validated countdown of `minutes` (as typed): the stopwatch measures it.
    CountdownRun countdownRun(const QString& minutes, double lengthSeconds, double timeout) {
        if (!probe_.state().blnSWReady) {
            window_.Reset(); // so that the countdown starts the stopwatch
        }
        probe_.control<QCheckBox>("chkCDCheck")->setChecked(true);
        probe_.control<QComboBox>("cmbMinutes")->setEditText(minutes);
        auto* button = probe_.control<QPushButton>("cmdCountdown");
        stopwatch_.clear();
        countdown_.clear();
        const double before = bootSeconds();
        button->click();
        const double after = bootSeconds();
        const auto isDone = [this] {
            return !countdown_.empty() && countdown_.back().text == QLatin1String("DONE");
        };
        run(timeout, isDone);

        CountdownRun r;
        const double earliestEnd = before + lengthSeconds;
        const double latestEnd = after + lengthSeconds;
        for (const Write& w : countdown_) {
            r.shown.push_back(w.text);
            if (w.text == QLatin1String("DONE")) {
                r.done = true;
                r.doneLate = w.at - earliestEnd;
                break;
            }
            const double shown = hmsSeconds(w.text);
            if (shown < 0) {
                continue; // "START"
            }
            ++r.timesLeft;
            const double error = std::max(std::fabs(shown - (earliestEnd - w.at)),
                                          std::fabs(shown - (latestEnd - w.at)));
            if (error > r.worstLeftError || r.timesLeft == 1) {
                r.worstLeftError = error;
                r.worstText = w.text;
            }
        }
        r.stopwatch = check(stopwatch_, before, after);
        return r;
    }

    [[nodiscard]] frmStopwatchProbe& probe() { return probe_; }

private:
    static void record(QLineEdit* display, std::vector<Write>& into) {
        into.reserve(8192);
        QObject::connect(display, &QLineEdit::textChanged, display, [&into](const QString& text) {
            into.push_back({bootSeconds(), text});
        });
    }

    // Seconds of an "h:mm:ss" text; -1 for any other text.
    static double hmsSeconds(const QString& text) {
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() != 3) {
            return -1;
        }
        double total = 0;
        for (const QString& part : parts) {
            bool ok = false;
            total = total * 60 + part.toInt(&ok);
            if (!ok) {
                return -1;
            }
        }
        return total;
    }

    static StopwatchRun check(std::vector<Write>& writes, double before, double after) {
        StopwatchRun r;
        double previous = before;
        for (const Write& w : writes) {
            bool ok = false;
            const double shown = w.text.toDouble(&ok);
            const double error =
                ok ? std::max(std::fabs(shown - (w.at - before)), std::fabs(shown - (w.at - after)))
                   : 1e9;
            if (error > r.worstError || r.writes == 0) {
                r.worstError = error;
                r.worstText = w.text;
            }
            r.longestGap = std::max(r.longestGap, w.at - previous);
            previous = w.at;
            ++r.writes;
        }
        writes.clear();
        return r;
    }

    platform::SystemClock clock_;
    ScriptedDialogs dialogs_;
    RecordingClockSetter setter_;
    platform::Services services_;
    frmStopwatch window_;
    frmStopwatchProbe probe_;
    std::vector<Write> stopwatch_;
    std::vector<Write> countdown_;
};

} // namespace realtime
