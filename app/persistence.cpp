// The timing record of a window: taken after every handler and written when it
// changed, never on the stopwatch's 5 ms tick; the windows brought back at
// start; and the end of the program that is not the user's choice.
#include "persistence.h"

#include "core/restore.h"
#include "frmStopwatch.h"
#include "layout.h"
#include "placement.h"
#include "platform/timer.h"
#include "platform/timingjournal.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMoveEvent>
#include <QScreen>
#include <QSocketNotifier>

#include <cmath>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

constexpr int kMoveSettleMilliseconds = 500;
std::int64_t utcMs(core::Date date) {
    return std::llround((date - core::kUnixEpochDay) * core::kSecondsPerDay * 1000.0);
}

QString text(const QString& s) {
    return s.isEmpty() ? QStringLiteral("a window without I.D.") : QStringLiteral("\"%1\"").arg(s);
}

} // namespace

void frmStopwatch::keepTimings() {
    timings_ = std::make_unique<WindowTimings>();
    timings_->inhibitor = services_.makeInhibitor();
    timings_->moveSettle.setSingleShot(true);
    timings_->moveSettle.setInterval(kMoveSettleMilliseconds);
    connect(&timings_->moveSettle, &QTimer::timeout, this, [this] { recordTiming(); });
    connect(Text1, &QLineEdit::editingFinished, this, [this] { recordTiming(); });
    recordTiming();
}

void frmStopwatch::stopKeepingTimings() {
    Text1->disconnect(this);
    timings_.reset();
}

void frmStopwatch::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (timings_) {
        timings_->moveSettle.start();
    }
}

void frmStopwatch::recordTiming() {
    if (!timings_) {
        return;
    }
    timings_->inhibitor->hold(tmrCountdown->isEnabled());
    platform::TimingJournal* journal = services_.journal;
    if (journal == nullptr) {
        return;
    }
    using Sw = core::WindowRecord::Stopwatch;
    core::WindowRecord record;
    record.identification = Text1->text();
    record.placed = true;
    record.x = pos().x();
    record.y = pos().y();
    if (timer_.state.blnSWRunning) {
        record.stopwatch = Sw::Running;
        record.started = {timer_.stopwatch.steadyStart(), journal->bootId(),
                          utcMs(timer_.stopwatch.wallStart())};
    } else if (timer_.state.blnSWStopped || timer_.state.blnSWResetDue) {
        record.stopwatch = timer_.state.blnSWStopped ? Sw::Stopped : Sw::Converted;
        record.result = txtSWTime->text();
    }
    if (record.stopwatch != Sw::Idle) {
        record.capture = txtSWTime1->text();
    }
    if (tmrCountdown->isEnabled()) {
        record.countdownRunning = true;
        record.countdownEnd = {timer_.countdown.steadyEnd(), journal->bootId(),
                               utcMs(timer_.state.datCDEnd)};
        record.validates = chkCDCheck->isChecked();
    } else {
        record.countdownDone = *timer_.view.cdTime == "DONE";
    }
    journal->update(this, record);
}

void frmStopwatch::forgetTiming() {
    if (!timings_) {
        return;
    }
    timings_->inhibitor->hold(false);
    if (services_.journal != nullptr) {
        services_.journal->drop(this);
    }
}

void frmStopwatch::restoreTiming(const core::WindowRecord& record, const core::Restored& restored) {
    using Sw = core::WindowRecord::Stopwatch;
    Text1->setText(record.identification);
    // Kept where it was if that is still on a screen; otherwise where a new
    // window opens. The caller then keeps it wholly on that screen.
    const QPoint corner(record.x, record.y);
    if (record.placed && QGuiApplication::screenAt(corner + QPoint(1, 1)) != nullptr) {
        move(corner);
    }
    if (restored.stopwatch == Sw::Running) {
        timer_.stopwatch.resume(restored.elapsed, restored.at, restored.capture.toStdString());
    } else if (restored.stopwatch != Sw::Idle) {
        timer_.stopwatch.showStopped(restored.result.toStdString(), restored.capture.toStdString(),
                                     restored.stopwatch == Sw::Converted);
    }
    if (restored.countdown == core::Restored::Countdown::Running) {
        timer_.countdown.resume(restored.remaining, restored.at, restored.validates);
    }
    showView();
    if (restored.countdown == core::Restored::Countdown::Ended) {
        // Finished while Horolux was not running: shown, rung and told as a
        // finish is, naming when it ended.
        timer_.countdown.finish();
        showView();
        services_.dialogs.beep();
        const std::string summary = core::Countdown::doneSummary(
            Text1->text().toStdString(), core::localClockTime(restored.endedUtcMs).toStdString());
        notifier_->show(
            QString::fromStdString(summary),
            QStringLiteral(QT_TRANSLATE_NOOP("Notification", "The countdown has finished.")),
            [this] {
                raise();
                activateWindow();
            });
    }
    recordTiming();
}

int restoreWindows(const platform::Services& services,
                   const std::vector<core::WindowRecord>& records) {
    const core::Clock& clock = services.clock;
    const core::RestoreClock now{services.journal != nullptr ? services.journal->bootId()
                                                             : QString(),
                                 clock.steadySeconds(), utcMs(clock.now())};
    int opened = 0;
    for (const core::WindowRecord& record : records) {
        const core::Restored restored = core::restore(record, now);
        if (!restored.dropped.isEmpty()) {
            std::fprintf(stderr, "horolux: not restored of %s: %s\n",
                         text(record.identification).toLocal8Bit().constData(),
                         restored.dropped.toLocal8Bit().constData());
        }
        if (!restored.timing()) {
            continue;
        }
        // Like every window: no parent, deleted when closed.
        auto* window = new frmStopwatch(services);
        window->restoreTiming(record, restored);
        // Inside its screen's free area, and off any window already open there.
        placeNewWindow(*window);
        window->show();
        ++opened;
    }
    return opened;
}

namespace {

// Sees the application's quit go by: the windows it closes are not closed
// by the user.
class QuitWatcher final : public QObject {
public:
    QuitWatcher(QObject* parent, platform::TimingJournal& journal)
        : QObject(parent), journal_(journal) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Quit) {
            journal_.keepAll();
        }
        return false;
    }

private:
    platform::TimingJournal& journal_;
};

#ifdef Q_OS_UNIX
// The write end of the pipe that carries SIGTERM into the event loop: a signal
// handler can reach the program only through such a global.
int termSignalFd = -1; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void onTerm(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(termSignalFd, &byte, 1);
}
#endif

} // namespace

void keepTimingsAtEnd(QApplication& app, platform::TimingJournal& journal) {
    app.installEventFilter(new QuitWatcher(&app, journal));
#ifdef Q_OS_UNIX
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        return;
    }
    termSignalFd = fds[1];
    auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&journal] {
        // Ends the event loop without closing a window: every timing stays
        // for the next start, and the store writes its last save on the way
        // out.
        journal.keepAll();
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
#endif
}
