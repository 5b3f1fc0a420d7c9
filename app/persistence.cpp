// The timing record of a window: taken after every handler and written when it
// changed, never on the stopwatch's 5 ms tick; the windows brought back at
// start; and the end of the program that is not the user's choice.
#include "persistence.h"

#include "core/diagnostics.h"
#include "core/windowrecord.h"
#include "frmStopwatch.h"
#include "layout.h"
#include "placement.h"
#include "platform/timer.h"
#include "platform/timingjournal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMoveEvent>
#include <QScreen>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

constexpr int kMoveSettleMilliseconds = 500;

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
    const core::WindowInputs inputs{Text1->text(),
                                    true,
                                    pos().x(),
                                    pos().y(),
                                    chkCDCheck->isChecked(),
                                    cmbMinutes->currentText(),
                                    journal->bootId()};
    journal->update(this, core::recordOf(timer_, inputs));
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
    Text1->setText(record.identification);
    // Kept where it was if that is still on a screen; otherwise where a new
    // window opens. The caller then keeps it wholly on that screen.
    const QPoint corner(record.x, record.y);
    if (record.placed && QGuiApplication::screenAt(corner + QPoint(1, 1)) != nullptr) {
        move(corner);
    }
    core::apply(timer_, restored);
    showView();
    if (restored.countdown == core::Restored::Countdown::Ended) {
        // Finished while Horolux was not running: shown and rung as a finish is.
        services_.dialogs.beep();
    }
    // The finish, naming when it ended, or why the timing did not come back:
    // told until the user answers, not withdrawn when the window first shows.
    if (const auto notice = core::restoredNotice(Text1->text().toStdString(), restored)) {
        notify(*notice, true);
    }
    recordTiming();
}

int restoreWindows(const platform::Services& services,
                   const std::vector<core::WindowRecord>& records) {
    const core::Clock& clock = services.clock;
    const core::RestoreClock now{services.journal != nullptr ? services.journal->bootId()
                                                             : QString(),
                                 clock.steadySeconds(), core::utcMs(clock.now())};
    int opened = 0;
    for (const core::WindowRecord& record : records) {
        // A window that was timing comes back with its I.D., whatever of its
        // timing is believed.
        if (!record.timing()) {
            continue;
        }
        const core::Restored restored = core::restore(record, now);
        if (!restored.dropped.isEmpty()) {
            core::warn(QStringLiteral("not restored of %1: %2")
                           .arg(text(record.identification), restored.dropped));
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
